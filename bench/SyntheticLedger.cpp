#include "SyntheticLedger.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/Transaction.h"
#include "services/CategoryService.h"

#include <QVariant>

#include <random>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

const char* const kStems[] = { "Harbor", "Maple", "Summit", "Cedar", "Riverside", "Golden",
    "Northgate", "Willow", "Lakeside", "Pioneer", "Granite", "Meadow", "Sterling", "Orchard",
    "Bluebird", "Redwood", "Juniper", "Beacon", "Canyon", "Prairie", "Evergreen", "Copper",
    "Silver", "Oakwood", "Highland", "Coastal", "Liberty", "Heritage", "Sunrise", "Timber" };
const char* const kKinds[] = { "Grocers", "Market", "Coffee", "Pharmacy", "Hardware", "Fuel",
    "Bakery", "Books", "Cinema", "Dental", "Clinic", "Electric", "Water Co", "Insurance",
    "Auto Repair", "Pet Supply", "Fitness", "Bistro", "Pizza", "Outfitters" };
const char* const kMemos[] = { "weekly shopping", "monthly bill", "birthday present",
    "school supplies", "oil change and filter", "refill", "team lunch", "reimbursable",
    "annual renewal", "split with roommate", "groceries for the party", "late fee waived",
    "deposit", "tip included", "online order", "returned item credit", "prescription", "gift card",
    "parking", "subscription" };

struct Rng {
    std::mt19937_64 engine { 20260314 };
    int below(int n) { return int(engine() % std::uint64_t(n)); }
    bool chance(int percent) { return below(100) < percent; }
};

std::string isoTime(const QDate& date, int secondsOfDay)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", date.year(),
        date.month(), date.day(), secondsOfDay / 3600, secondsOfDay / 60 % 60, secondsOfDay % 60);
    return buffer;
}

void check(int rc, sqlite3* db, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        qFatal("%s: %s", what, sqlite3_errmsg(db));
}

} // namespace

namespace SyntheticLedger {

QString commonPayeeWord()
{
    return QStringLiteral("market");
}

QString rarePayeeWord()
{
    return QStringLiteral("juniper");
}

Summary prepare(Database& db, const QString& path)
{
    if (!db.open(path) || !db.runMigrations())
        qFatal("cannot create %s", qPrintable(path));
    Summary summary;
    AccountRepository accounts(&db);
    const AccountType types[] = { AccountType::Checking, AccountType::Savings,
        AccountType::CreditCard, AccountType::Cash, AccountType::Investment };
    for (int i = 0; i < 10; ++i) {
        Account a;
        a.id = Ids::newId();
        a.name = QStringLiteral("Account %1").arg(i + 1);
        a.type = types[i % 5];
        a.startingBalance = (i + 1) * 100'000;
        a.sortOrder = i;
        a.createdAt = a.updatedAt = Clock::nowUtc();
        accounts.insert(a);
        summary.accountIds << a.id;
    }
    CategoryRepository categories(&db);
    CategoryService(&db, &categories).ensureDefaults();
    for (const Category& c : categories.findAll())
        summary.categoryIds << c.id;
    return summary;
}

void addTransactions(Database& database, Summary& summary, int count, bool firstAccountOnly)
{
    sqlite3* db = database.handle();
    Rng rng;
    std::vector<std::string> payees;
    for (const char* stem : kStems)
        for (const char* kind : kKinds)
            payees.push_back(std::string(stem) + " " + kind);
    std::vector<std::string> accountIds, categoryIds;
    for (const QString& id : summary.accountIds)
        accountIds.push_back(id.toStdString());
    for (const QString& id : summary.categoryIds)
        categoryIds.push_back(id.toStdString());

    // A large page cache only while generating: the random ids and the five
    // indexes would otherwise send every insert to the disk. Measurements run
    // with the connection's usual cache again.
    check(sqlite3_exec(db, "PRAGMA cache_size=-262144", nullptr, nullptr, nullptr), db, "cache");
    check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* insert = nullptr;
    check(sqlite3_prepare_v2(db,
              "INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
              "category_id, check_number, cleared, reconciled, is_split, version, "
              "sync_status, created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, "
              "?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?)",
              -1, &insert, nullptr),
        db, "prepare insert");
    sqlite3_stmt* split = nullptr;
    check(sqlite3_prepare_v2(db,
              "INSERT INTO split_lines (id, transaction_id, category_id, amount, "
              "memo, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)",
              -1, &split, nullptr),
        db, "prepare split");

    const QDate firstDay(2016, 1, 1);
    const int days = 3650;
    for (int i = 0; i < count; ++i) {
        const std::string id = Ids::newId().toStdString();
        const QDate date = firstDay.addDays(rng.below(days));
        const std::string dateText = date.toString(Qt::ISODate).toStdString();
        const std::string created = isoTime(date, rng.below(86400));
        const std::string& payee = payees[rng.below(int(payees.size()))];
        const bool deposit = rng.chance(12);
        const qint64 amount = deposit ? 1000 + rng.below(500'000) : -(100 + rng.below(60'000));
        const bool isSplit = summary.splitLines < count / 400 && rng.chance(1);

        int p = 1;
        sqlite3_bind_text(insert, p++, id.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, p++,
            accountIds[firstAccountOnly ? 0 : i % accountIds.size()].c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, p++, dateText.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, p++, payee.c_str(), -1, SQLITE_STATIC);
        if (rng.chance(45)) {
            const std::string memo
                = std::string(kMemos[rng.below(20)]) + " #" + std::to_string(rng.below(5000));
            sqlite3_bind_text(insert, p++, memo.c_str(), -1, SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(insert, p++);
        }
        sqlite3_bind_int64(insert, p++, amount);
        if (rng.chance(85))
            sqlite3_bind_text(insert, p++, categoryIds[rng.below(int(categoryIds.size()))].c_str(),
                -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(insert, p++);
        if (!deposit && rng.chance(8))
            sqlite3_bind_text(
                insert, p++, std::to_string(1000 + rng.below(9000)).c_str(), -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(insert, p++);
        sqlite3_bind_int(insert, p++, rng.chance(80));
        sqlite3_bind_int(insert, p++, rng.chance(60));
        sqlite3_bind_int(insert, p++, isSplit);
        sqlite3_bind_text(insert, p++, rng.chance(90) ? "synced" : "pending", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, p++, created.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, p++, created.c_str(), -1, SQLITE_TRANSIENT);
        if (rng.chance(1))
            sqlite3_bind_text(insert, p++, created.c_str(), -1, SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(insert, p++);
        check(sqlite3_step(insert), db, "insert transaction");
        sqlite3_reset(insert);

        for (int line = 0; isSplit && line < 2 + rng.below(2); ++line) {
            const std::string lineId = Ids::newId().toStdString();
            sqlite3_bind_text(split, 1, lineId.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(split, 2, id.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(split, 3, categoryIds[rng.below(int(categoryIds.size()))].c_str(), -1,
                SQLITE_STATIC);
            sqlite3_bind_int64(split, 4, amount / 3);
            sqlite3_bind_null(split, 5);
            sqlite3_bind_text(split, 6, created.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(split, 7, created.c_str(), -1, SQLITE_TRANSIENT);
            check(sqlite3_step(split), db, "insert split line");
            sqlite3_reset(split);
            ++summary.splitLines;
        }
    }
    sqlite3_finalize(insert);
    sqlite3_finalize(split);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db, "commit");
    check(sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr), db,
        "checkpoint");
    check(sqlite3_exec(db, "PRAGMA cache_size=-2000", nullptr, nullptr, nullptr), db, "cache");
    summary.transactions += count;
}

Transaction sample(const Summary& ledger, int i)
{
    Transaction t;
    t.id = Ids::newId();
    t.accountId = ledger.accountIds[i % ledger.accountIds.size()];
    t.date = QDate(2026, 1, 1).addDays(i % 365);
    t.payee = QStringLiteral("Payee %1").arg(i % 500);
    t.memo = i % 2 ? QStringLiteral("memo %1").arg(i) : QString();
    t.amount = -(i % 10'000);
    t.categoryId = i % 7 ? ledger.categoryIds[i % ledger.categoryIds.size()] : QString();
    t.checkNumber = i % 10 == 0 ? QString::number(1000 + i % 9000) : QString();
    t.cleared = i % 3 == 0;
    t.createdAt = t.updatedAt = Clock::nowUtc();
    return t;
}

void insertRaw(Database& db, const Summary& ledger, int count, bool indexAfterwards)
{
    sqlite3* raw = db.handle();
    sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr);
    std::string insertTrigger;
    if (indexAfterwards) {
        // The page cache the application's bulk path takes, so only the work differs.
        sqlite3_exec(raw, "PRAGMA cache_size=-65536", nullptr, nullptr, nullptr);
        sqlite3_stmt* read = nullptr;
        sqlite3_prepare_v2(raw,
            "SELECT sql FROM sqlite_master WHERE type = 'trigger' AND name = 'transactions_ai'", -1,
            &read, nullptr);
        if (sqlite3_step(read) == SQLITE_ROW)
            insertTrigger = reinterpret_cast<const char*>(sqlite3_column_text(read, 0));
        sqlite3_finalize(read);
        sqlite3_exec(raw, "DROP TRIGGER transactions_ai", nullptr, nullptr, nullptr);
    }
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(raw,
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
        "category_id, check_number, cleared, reconciled, transfer_link_id, "
        "transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?)",
        -1, &s, nullptr);
    for (int i = 0; i < count; ++i) {
        const Transaction t = sample(ledger, i);
        const std::string id = t.id.toStdString();
        const std::string account = t.accountId.toStdString();
        const std::string date = t.date.toString(Qt::ISODate).toStdString();
        const std::string payee = t.payee.toStdString();
        const std::string memo = t.memo.toStdString();
        const std::string category = t.categoryId.toStdString();
        const std::string check = t.checkNumber.toStdString();
        const std::string created = t.createdAt.toString(Qt::ISODate).toStdString();
        const std::string updated = t.updatedAt.toString(Qt::ISODate).toStdString();
        sqlite3_bind_text(s, 1, id.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 2, account.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 3, date.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 4, payee.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 5, memo.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_int64(s, 6, t.amount);
        if (category.empty())
            sqlite3_bind_null(s, 7);
        else
            sqlite3_bind_text(s, 7, category.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 8, check.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_int(s, 9, t.cleared);
        sqlite3_bind_int(s, 10, t.reconciled);
        sqlite3_bind_text(s, 11, "", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 12, "", -1, SQLITE_STATIC);
        sqlite3_bind_int(s, 13, t.isSplit);
        sqlite3_bind_text(s, 14, "", -1, SQLITE_STATIC);
        sqlite3_bind_int(s, 15, t.version);
        sqlite3_bind_text(s, 16, "pending", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 17, "", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 18, created.c_str(), -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 19, updated.c_str(), -1, SQLITE_STATIC);
        if (sqlite3_step(s) != SQLITE_DONE)
            qFatal("baseline insert: %s", sqlite3_errmsg(raw));
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    if (indexAfterwards) {
        sqlite3_exec(raw,
            "INSERT INTO transactions_fts(rowid, payee, memo, check_number) SELECT rowid, payee, "
            "memo, check_number FROM transactions",
            nullptr, nullptr, nullptr);
        sqlite3_exec(raw, insertTrigger.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
    if (indexAfterwards)
        sqlite3_exec(raw, "PRAGMA cache_size=-2000", nullptr, nullptr, nullptr);
}

} // namespace SyntheticLedger
