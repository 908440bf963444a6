#include "SampleDataService.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/SqlValue.h"
#include "data/TransactionScope.h"

#include <QCoreApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

namespace {

Q_LOGGING_CATEGORY(lcSample, "ledgerine.sample")

const char* const kChecking = "sample-acct-checking";
const char* const kSavings = "sample-acct-savings";
const char* const kVisa = "sample-acct-visa";

struct SampleAccount {
    const char* id;
    const char* name;
    const char* type;
    const char* institution;
    const char* last4;
    qint64 startingBalance;
};

constexpr SampleAccount kAccounts[] = {
    { kChecking, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), "checking",
        QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521", 250000 },
    { kSavings, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), "savings",
        QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834", 1000000 },
    { kVisa, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), "credit_card",
        QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0 },
};

// A category by its default name and, for a sub-category, its parent's.
struct CategoryName {
    const char* parent;
    const char* name;
};

constexpr CategoryName kNone { nullptr, nullptr };
constexpr CategoryName kSalary { nullptr, "Salary / Wages" };
constexpr CategoryName kRent { "Housing", "Rent/Mortgage Payment" };
constexpr CategoryName kGroceries { nullptr, "Groceries" };
constexpr CategoryName kFuel { "Transportation", "Gas/Fuel" };
constexpr CategoryName kElectric { "Utilities", "Electric" };
constexpr CategoryName kWater { "Utilities", "Water" };
constexpr CategoryName kInternet { "Utilities", "Internet" };
constexpr CategoryName kStreaming { "Entertainment", "Streaming" };
constexpr CategoryName kDining { nullptr, "Dining & Restaurants" };
constexpr CategoryName kAutoInsurance { "Insurance", "Auto" };
constexpr CategoryName kDonations { nullptr, "Charitable Donations" };
constexpr CategoryName kMedical { nullptr, "Medical Expenses" };
constexpr CategoryName kInterest { nullptr, "Interest Income" };
constexpr CategoryName kElectronics { "Shopping", "Electronics" };
constexpr CategoryName kSubscriptions { nullptr, "Subscriptions" };
constexpr CategoryName kEducation { nullptr, "Education Expenses" };

// 'R' cleared and reconciled, 'C' cleared, 'U' neither. `transfer` names
// the other account of a transfer leg.
struct SampleTransaction {
    const char* account;
    int day;
    const char* payee;
    const char* memo;
    qint64 amount;
    CategoryName category;
    char status;
    const char* check = nullptr;
    const char* transfer = nullptr;
};

#define TR(text) QT_TRANSLATE_NOOP("SampleDataService", text)

const SampleTransaction kTransactions[] = {
    { kChecking, -60, TR("Brightpath Inc"), TR("Biweekly paycheck"), 285000, kSalary, 'R' },
    { kChecking, -59, TR("Pinecrest Apartments"), TR("February rent"), -145000, kRent, 'R',
        "1041" },
    { kChecking, -57, TR("Greenleaf Market"), TR("Weekly groceries"), -8745, kGroceries, 'R' },
    { kChecking, -55, TR("Hilltop Gas"), TR("Fill up"), -4523, kFuel, 'R' },
    { kChecking, -53, TR("Lakeside Utilities"), TR("Electric bill"), -11280, kElectric, 'R' },
    { kChecking, -51, TR("Lakeside Utilities"), TR("Water bill"), -4590, kWater, 'R' },
    { kChecking, -49, TR("Streamline TV"), TR("Monthly streaming"), -1599, kStreaming, 'R' },
    { kChecking, -47, TR("Greenleaf Market"), TR("Weekly groceries"), -9230, kGroceries, 'R' },
    { kChecking, -46, TR("Brightpath Inc"), TR("Biweekly paycheck"), 285000, kSalary, 'R' },
    { kChecking, -44, TR("Maplewood Diner"), TR("Dinner out"), -4275, kDining, 'R' },
    { kChecking, -42, TR("Hilltop Gas"), TR("Fill up"), -3980, kFuel, 'R' },
    { kChecking, -40, TR("Clearview Insurance"), TR("Auto insurance"), -12500, kAutoInsurance,
        'R' },
    { kChecking, -38, TR("Greenleaf Market"), TR("Weekly groceries"), -7650, kGroceries, 'R' },
    { kChecking, -35, TR("Hope Community Church"), TR("Monthly donation"), -10000, kDonations, 'R',
        "1042" },
    { kChecking, -33, TR("Brightpath Inc"), TR("Biweekly paycheck"), 285000, kSalary, 'R' },
    { kChecking, -30, TR("Transfer to Savings"), TR("Monthly savings"), -50000, kNone, 'R', nullptr,
        kSavings },
    { kChecking, -29, TR("Pinecrest Apartments"), TR("March rent"), -145000, kRent, 'C', "1043" },
    { kChecking, -27, TR("Greenleaf Market"), TR("Weekly groceries"), -10120, kGroceries, 'C' },
    { kChecking, -25, TR("Hilltop Gas"), TR("Fill up"), -4100, kFuel, 'C' },
    { kChecking, -23, TR("NetConnect ISP"), TR("Internet service"), -7999, kInternet, 'C' },
    { kChecking, -21, TR("Lakeside Utilities"), TR("Electric bill"), -10870, kElectric, 'C' },
    { kChecking, -19, TR("Brightpath Inc"), TR("Biweekly paycheck"), 285000, kSalary, 'C' },
    { kChecking, -17, TR("Greenleaf Market"), TR("Weekly groceries"), -8890, kGroceries, 'C' },
    { kChecking, -15, TR("Streamline TV"), TR("Monthly streaming"), -1599, kStreaming, 'C' },
    { kChecking, -13, TR("Maplewood Diner"), TR("Lunch"), -2340, kDining, 'C' },
    { kChecking, -11, TR("Hilltop Gas"), TR("Fill up"), -4250, kFuel, 'C' },
    { kChecking, -8, TR("Greenleaf Market"), TR("Weekly groceries"), -11540, kGroceries, 'U' },
    { kChecking, -6, TR("Brightpath Inc"), TR("Biweekly paycheck"), 285000, kSalary, 'U' },
    { kChecking, -5, TR("Ridgeline Pharmacy"), TR("Prescriptions"), -3520, kMedical, 'U' },
    { kChecking, -4, TR("Hilltop Gas"), TR("Fill up"), -4680, kFuel, 'U' },
    { kChecking, -2, TR("Greenleaf Market"), TR("Weekly groceries"), -9475, kGroceries, 'U' },
    { kChecking, -1, TR("Maplewood Diner"), TR("Coffee & pastry"), -1285, kDining, 'U' },
    { kChecking, 0, TR("Transfer to Savings"), TR("Monthly savings"), -50000, kNone, 'U', nullptr,
        kSavings },

    { kSavings, -45, TR("Riverbend Credit Union"), TR("Interest payment"), 820, kInterest, 'C' },
    { kSavings, -30, TR("Transfer from Checking"), TR("Monthly savings"), 50000, kNone, 'C',
        nullptr, kChecking },
    { kSavings, -15, TR("Riverbend Credit Union"), TR("Interest payment"), 875, kInterest, 'C' },
    { kSavings, 0, TR("Transfer from Checking"), TR("Monthly savings"), 50000, kNone, 'U', nullptr,
        kChecking },

    { kVisa, -55, TR("Dash Delivery"), TR("Food delivery"), -3275, kDining, 'C' },
    { kVisa, -50, TR("Gadget World"), TR("Phone case"), -2999, kElectronics, 'C' },
    { kVisa, -45, TR("CloudWatch Plus"), TR("Cloud storage plan"), -999, kSubscriptions, 'C' },
    { kVisa, -40, TR("Dash Delivery"), TR("Food delivery"), -2850, kDining, 'C' },
    { kVisa, -35, TR("Payment - Thank You"), TR("Credit card payment"), 10123, kNone, 'C' },
    { kVisa, -30, TR("Stellar Coffee"), TR("Coffee beans"), -1895, kGroceries, 'C' },
    { kVisa, -25, TR("BookNest Online"), TR("Programming books"), -4599, kEducation, 'C' },
    { kVisa, -20, TR("Dash Delivery"), TR("Food delivery"), -2650, kDining, 'U' },
    { kVisa, -15, TR("Payment - Thank You"), TR("Credit card payment"), 12993, kNone, 'U' },
    { kVisa, -10, TR("TechVault"), TR("USB hub"), -3499, kElectronics, 'U' },
    { kVisa, -5, TR("Dash Delivery"), TR("Food delivery"), -3190, kDining, 'U' },
    { kVisa, -2, TR("CloudWatch Plus"), TR("Cloud storage plan"), -999, kSubscriptions, 'U' },
};

struct SampleSchedule {
    const char* payee;
    const char* memo;
    qint64 amount;
    CategoryName category;
    const char* frequency;
    int nextDueInDays;
};

const SampleSchedule kSchedules[] = {
    { TR("Pinecrest Apartments"), TR("Monthly rent"), -145000, kRent, "monthly", 1 },
    { TR("Brightpath Inc"), TR("Biweekly paycheck"), 285000, kSalary, "biweekly", 8 },
    { TR("Transfer to Savings"), TR("Monthly savings"), -50000, kNone, "monthly", 1 },
};

#undef TR

QString sampleId(const char* kind)
{
    return QStringLiteral("sample-%1-%2").arg(QLatin1String(kind), Ids::newId().left(8));
}

// Runs one statement; logs the reason when it fails.
bool run(QSqlQuery& query, const QString& sql, const QVariantList& values = {})
{
    if (!query.prepare(sql)) {
        qCWarning(lcSample).noquote() << "SampleDataService failed:" << query.lastError().text();
        return false;
    }
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (query.exec())
        return true;
    qCWarning(lcSample).noquote() << "SampleDataService failed:" << query.lastError().text();
    return false;
}

// Category ids by "parent/name" for sub-categories and by name for the others,
// as the defaults are named in the language in use.
QHash<QString, QString> categoryIds(const QSqlDatabase& db)
{
    QHash<QString, QString> ids;
    QSqlQuery query(db);
    if (!run(query,
            QStringLiteral("SELECT c.id, c.name, p.name AS parent_name FROM categories c LEFT "
                           "JOIN categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL")))
        return ids;
    while (query.next()) {
        const QString parent = query.value(2).toString();
        const QString name = query.value(1).toString();
        ids.insert(
            parent.isEmpty() ? name : parent + QLatin1Char('/') + name, query.value(0).toString());
    }
    return ids;
}

QVariant categoryId(const QHash<QString, QString>& ids, const CategoryName& category)
{
    if (!category.name)
        return SqlValue::null();
    const auto name
        = [](const char* text) { return QCoreApplication::translate("CategoryService", text); };
    const QString key = category.parent
        ? name(category.parent) + QLatin1Char('/') + name(category.name)
        : name(category.name);
    return SqlValue::textOrNull(ids.value(key));
}

} // namespace

SampleDataService::SampleDataService(Database* db, QObject* parent)
    : QObject(parent)
    , m_db(db)
{
}

bool SampleDataService::hasSampleData() const
{
    QSqlQuery query(m_db->database());
    return run(query, QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"))
        && query.next();
}

bool SampleDataService::loadSampleData()
{
    if (hasSampleData())
        return false;
    const QString now = Clock::nowIso();
    const QDate today = Clock::today();
    const QHash<QString, QString> categories = categoryIds(m_db->database());
    const auto date = [&today](int days) { return SqlValue::date(today.addDays(days)); };

    TransactionScope scope(m_db);
    QSqlQuery query(m_db->database());
    int sortOrder = 0;
    for (const SampleAccount& a : kAccounts) {
        if (!run(query,
                QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, "
                               "institution, account_number_last4, starting_balance, sort_order, "
                               "is_shared, version, sync_status, created_at, updated_at) VALUES "
                               "(?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"),
                { QLatin1String(a.id), tr(a.name), QLatin1String(a.type), tr(a.institution),
                    QLatin1String(a.last4), a.startingBalance, sortOrder++, now, now }))
            return false;
    }

    // The two legs of a transfer name each other, as every transfer does.
    constexpr qsizetype count = qsizetype(std::size(kTransactions));
    QStringList ids;
    for (qsizetype i = 0; i < count; ++i)
        ids << sampleId("txn");
    const auto otherLeg = [&ids](qsizetype i) {
        const SampleTransaction& t = kTransactions[i];
        for (qsizetype j = 0; j < count; ++j) {
            const SampleTransaction& o = kTransactions[j];
            if (j != i && o.day == t.day && o.account == t.transfer && o.transfer == t.account)
                return ids.at(j);
        }
        return QString();
    };
    for (qsizetype i = 0; i < count; ++i) {
        const SampleTransaction& t = kTransactions[i];
        const bool cleared = t.status != 'U';
        const bool reconciled = t.status == 'R';
        if (!run(query,
                QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, "
                               "amount, category_id, check_number, cleared, reconciled, "
                               "transfer_link_id, transfer_dest_account_id, is_split, version, "
                               "sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"),
                { ids.at(i), QLatin1String(t.account), date(t.day), tr(t.payee), tr(t.memo),
                    t.amount, categoryId(categories, t.category),
                    SqlValue::text(t.check ? QLatin1String(t.check) : QString()),
                    SqlValue::flag(cleared), SqlValue::flag(reconciled),
                    SqlValue::textOrNull(t.transfer ? otherLeg(i) : QString()),
                    SqlValue::textOrNull(t.transfer ? QLatin1String(t.transfer) : QString()),
                    SqlValue::flag(false), now, now }))
            return false;
    }

    for (const SampleSchedule& s : kSchedules) {
        if (!run(query,
                QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, "
                               "amount, category_id, frequency, start_date, next_due_date, "
                               "auto_post, is_active, version, sync_status, created_at, "
                               "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, "
                               "'pending', ?, ?)"),
                { sampleId("rec"), QLatin1String(kChecking), tr(s.payee), tr(s.memo), s.amount,
                    categoryId(categories, s.category), QLatin1String(s.frequency), date(-60),
                    date(s.nextDueInDays), now, now }))
            return false;
    }
    if (!scope.commit())
        return false;
    qCInfo(lcSample) << "Sample data loaded";
    return true;
}

bool SampleDataService::clearSampleData()
{
    // What the user recorded inside the sample accounts goes with them: rows
    // left pointing at a deleted account would be orphans.
    static const char* const kStatements[] = {
        "DELETE FROM split_lines WHERE id LIKE 'sample-%' OR transaction_id IN (SELECT id FROM "
        "transactions WHERE id LIKE 'sample-%' OR account_id LIKE 'sample-%')",
        "DELETE FROM reconciliations WHERE id LIKE 'sample-%' OR account_id LIKE 'sample-%'",
        "DELETE FROM recurring_transactions WHERE id LIKE 'sample-%' OR account_id LIKE "
        "'sample-%'",
        "DELETE FROM transactions WHERE id LIKE 'sample-%' OR account_id LIKE 'sample-%'",
        "DELETE FROM transaction_templates WHERE account_id LIKE 'sample-%'",
        "DELETE FROM accounts WHERE id LIKE 'sample-%'",
        "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'",
    };
    TransactionScope scope(m_db);
    QSqlQuery query(m_db->database());
    for (const char* sql : kStatements) {
        if (!run(query, QLatin1String(sql)))
            return false;
    }
    if (!scope.commit())
        return false;
    qCInfo(lcSample) << "Sample data cleared";
    return true;
}
