#include "CategoryService.h"

#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/RecordRules.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QCoreApplication>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcCategories, "ledgerine.categories")

struct DefaultCategory {
    const char* name;
    const char* type;
    const char* parent; // nullptr = top level
    const char* taxCategory; // nullptr = not tax relevant
};

// In order of creation; a parent always comes before its children.
constexpr DefaultCategory kDefaults[] = {
    { QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), "expense", nullptr,
        "charitable_contributions" },
    { QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), "expense", nullptr,
        "medical_dental" },
    { QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), "expense", nullptr,
        "business_expense" },
    { QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "expense", "Business Expenses",
        "home_office" },
    { QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), "expense", nullptr, "education" },
    { QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), "expense", nullptr, "salt" },
    { QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), "expense", nullptr,
        "mortgage_interest" },
    { QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), "expense", nullptr,
        "schedule_a_property_tax" },
    { QT_TRANSLATE_NOOP("CategoryService", "Housing"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "expense", "Housing",
        nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Housing", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "HOA"), "expense", "Housing", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Utilities"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Electric"), "expense", "Utilities", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Gas"), "expense", "Utilities", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Water"), "expense", "Utilities", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Internet"), "expense", "Utilities", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Phone"), "expense", "Utilities", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Transportation"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "expense", "Transportation", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "expense", "Transportation", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "expense", "Transportation",
        nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Transportation", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "expense", "Transportation",
        nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Groceries"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Pets"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Gifts"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "expense", "Entertainment", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Movies"), "expense", "Entertainment", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Events"), "expense", "Entertainment", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Shopping"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "expense", "Shopping", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "expense", "Shopping", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Household"), "expense", "Shopping", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Insurance"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Health"), "expense", "Insurance", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Life"), "expense", "Insurance", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "expense", "Insurance", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Auto"), "expense", "Insurance", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), "expense", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "expense", "Fees & Charges", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "expense", "Fees & Charges", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "expense", "Fees & Charges", nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), "income", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), "income", nullptr,
        "interest_income" },
    { QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), "income", nullptr,
        "dividend_income" },
    { QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), "income", nullptr, "rental_income" },
    { QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), "income", nullptr,
        "self_employment" },
    { QT_TRANSLATE_NOOP("CategoryService", "Refunds"), "income", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), "income", nullptr, nullptr },
    { QT_TRANSLATE_NOOP("CategoryService", "Other Income"), "income", nullptr, nullptr },
};

} // namespace

CategoryService::CategoryService(Database* db, CategoryRepository* categories,
    TransactionRepository* transactions, SplitLineRepository* splitLines,
    RecurringRepository* recurring, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_categories(categories)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_recurring(recurring)
{
}

void CategoryService::ensureDefaults()
{
    if (m_categories->count() != 0)
        return;
    TransactionScope scope(m_db);
    if (seedDefaults())
        scope.commit();
}

bool CategoryService::seedDefaults()
{
    m_idByName.clear();
    m_nameById.clear();
    bool ok = true;
    for (const DefaultCategory& entry : kDefaults) {
        const QString parentId = entry.parent ? m_idByName.value(tr(entry.parent)) : QString();
        ok = createDefault(tr(entry.name), QLatin1String(entry.type), parentId,
            entry.taxCategory != nullptr, QLatin1String(entry.taxCategory));
        if (!ok)
            break;
    }
    m_idByName.clear();
    m_nameById.clear();
    return ok;
}

bool CategoryService::createDefault(const QString& name, const QString& typeText,
    const QString& parentId, bool taxRelevant, const QString& taxCategory)
{
    const QString parentName = m_nameById.value(parentId);
    const QString id = Ids::nameBased(
        Ids::kDnsNamespace, QStringLiteral("%1:%2:%3").arg(typeText, parentName, name));

    Category category;
    category.id = id;
    category.name = name;
    category.type = categoryTypeFromText(typeText);
    category.parentId = parentId;
    category.isTaxRelevant = taxRelevant;
    category.taxCategory = taxCategory;
    category.isDefault = true;
    category.version = 1;
    category.createdAt = category.updatedAt = Clock::nowUtc();
    // The ids are fixed, so after the user deleted every category the defaults
    // are still there, only deleted: bring those back instead of failing to
    // insert them again. A failed write is logged by the repository.
    const auto existing = m_categories->findById(id);
    const bool stored = existing && existing->deletedAt ? m_categories->restore(id)
                                                        : m_categories->insert(category);
    m_idByName.insert(name, id);
    m_nameById.insert(id, name);
    return stored;
}

bool CategoryService::save(const Category& category, bool isNew)
{
    if (category.name.trimmed().isEmpty()
        || !RecordRules::categoryNameProblem(category.name).isEmpty()
        || (!category.parentId.isEmpty() && category.parentId == category.id))
        return false;
    return isNew ? m_categories->insert(category) : m_categories->update(category);
}

QList<Category> CategoryService::subcategories(const QString& id) const
{
    QList<Category> children;
    for (const Category& c : m_categories->findAll()) {
        if (c.parentId == id && c.id != id)
            children << c;
    }
    return children;
}

QString CategoryService::uncategorizedId()
{
    const QString name = QCoreApplication::translate("ImportService", "Uncategorized");
    if (const auto found = m_categories->findByName(name))
        return found->id;
    Category category;
    category.id = Ids::newId();
    category.name = name;
    category.type = CategoryType::Expense;
    category.version = 1;
    category.createdAt = category.updatedAt = Clock::nowUtc();
    return m_categories->insert(category) ? category.id : QString();
}

CategoryService::Removal CategoryService::remove(const QString& id)
{
    const auto category = m_categories->findById(id);
    if (!category || category->deletedAt || !m_transactions || !m_splitLines || !m_recurring)
        return {};
    QStringList ids { id };
    for (const Category& child : subcategories(id))
        ids << child.id;

    TransactionScope scope(m_db);
    for (const QString& each : std::as_const(ids)) {
        if (!m_categories->softDelete(each))
            return {};
    }
    const std::optional<int> cleared = m_transactions->clearCategories(ids);
    if (!cleared)
        return {};
    const std::optional<int> schedules = m_recurring->clearCategories(ids);
    if (!schedules)
        return {};
    const std::optional<int> splits = m_transactions->touchSplitsIn(ids);
    if (!splits)
        return {};
    std::optional<int> lines = 0;
    // "Uncategorized" is made only when some line needs it.
    if (*splits > 0) {
        const QString uncategorized = uncategorizedId();
        lines = uncategorized.isEmpty() ? std::nullopt
                                        : m_splitLines->moveCategories(ids, uncategorized);
    }
    if (!lines || !scope.commit())
        return {};
    qCInfo(lcCategories).noquote() << "Deleted category" << id << "with" << ids.size() - 1
                                   << "sub-categories; uncategorised transactions:" << *cleared
                                   << "schedules:" << *schedules << "split lines:" << *lines;
    return { true, int(ids.size() - 1), *cleared, *lines, *schedules };
}
