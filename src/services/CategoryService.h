#pragma once

#include "data/Category.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class CategoryRepository;
class Database;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

// Gives a database without live categories the default set, and deletes
// categories together with what points at them.
class CategoryService : public QObject {
    Q_OBJECT

public:
    struct Removal {
        bool removed = false;
        int subcategories = 0;
        int transactions = 0; // left uncategorised
        int splitLines = 0; // moved to "Uncategorized"
        int schedules = 0; // left uncategorised
    };

    // Removing categories needs the repositories of what points at them.
    CategoryService(Database* db, CategoryRepository* categories,
        TransactionRepository* transactions = nullptr, SplitLineRepository* splitLines = nullptr,
        RecurringRepository* recurring = nullptr, QObject* parent = nullptr);

    // Seeds the defaults when no live category exists; otherwise does nothing.
    // The set is made in one unit of work: all of it or, when a write fails,
    // none, so that the next start makes it whole.
    void ensureDefaults();

    // Stores a category the user made or changed; one without a name is refused.
    bool save(const Category& category, bool isNew);
    // The live sub-categories of a category.
    QList<Category> subcategories(const QString& id) const;
    // Soft-deletes the category and its sub-categories and leaves the live
    // transactions and schedules that used any of them uncategorised, all in
    // one unit of work. Split lines must name a category: theirs go to
    // "Uncategorized". A missing or already deleted category removes nothing.
    Removal remove(const QString& id);
    // The live category "Uncategorized" (in the interface's language, as
    // imports name it), made when there is none; empty when that fails.
    QString uncategorizedId();

private:
    bool seedDefaults();
    bool createDefault(const QString& name, const QString& typeText, const QString& parentId,
        bool taxRelevant, const QString& taxCategory);

    Database* m_db;
    CategoryRepository* m_categories;
    TransactionRepository* m_transactions;
    SplitLineRepository* m_splitLines;
    RecurringRepository* m_recurring;
    // Only during one seeding run: names and ids created so far.
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
