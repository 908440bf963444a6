#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;

// Gives a database without live categories the default set.
class CategoryService : public QObject {
    Q_OBJECT

public:
    CategoryService(CategoryRepository* categories, QObject* parent = nullptr);

    // Seeds the defaults when no live category exists; otherwise does nothing.
    void ensureDefaults();

private:
    void seedDefaults();
    void createDefault(const QString& name, const QString& typeText, const QString& parentId,
        bool taxRelevant, const QString& taxCategory);

    CategoryRepository* m_categories;
    // Only during one seeding run: names and ids created so far.
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
