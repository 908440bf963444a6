#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;
class Database;

// Gives a database without live categories the default set.
class CategoryService : public QObject {
    Q_OBJECT

public:
    CategoryService(Database* db, CategoryRepository* categories, QObject* parent = nullptr);

    // Seeds the defaults when no live category exists; otherwise does nothing.
    // The set is made in one unit of work: all of it or, when a write fails,
    // none, so that the next start makes it whole.
    void ensureDefaults();

private:
    bool seedDefaults();
    bool createDefault(const QString& name, const QString& typeText, const QString& parentId,
        bool taxRelevant, const QString& taxCategory);

    Database* m_db;
    CategoryRepository* m_categories;
    // Only during one seeding run: names and ids created so far.
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
