#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/Permutation.h"
#include "data/RowOrder.h"
#include "data/SplitLineRepository.h"
#include "data/SqlStatement.h"
#include "data/SqlValue.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

template <class List> QStringList payees(const List& rows)
{
    return Records::texts(rows, &Transaction::payee);
}

struct Ledger {
    TestDatabase test;
    CategoryRepository categories { test.db() };
    TransactionRepository repo { test.db() };
    Account a = test.addAccount("A");

    Category addCategory(const QString& name, const QString& parentId = QString(),
        CategoryType type = CategoryType::Expense)
    {
        Category c = Records::category(name, parentId, type);
        if (!categories.insert(c))
            qFatal("category insert failed");
        return c;
    }
    Transaction add(const QString& accountId, const QDate& date, const QString& payee,
        qint64 amount, const QDateTime& createdAt = kNow, const QString& categoryId = QString())
    {
        Transaction t = Records::transaction(accountId, date, payee, amount);
        t.createdAt = createdAt;
        t.categoryId = categoryId;
        if (!repo.insert(t))
            qFatal("transaction insert failed");
        return t;
    }
    Transaction add(const QDate& date, const QString& payee, qint64 amount = -1)
    {
        return add(a.id, date, payee, amount);
    }
    QStringList found(const QString& text, const SearchFilter& filter = {}) const
    {
        return payees(repo.search(text, filter));
    }
    // A row as another program might write it: NULL memo and check number, payee = id.
    bool insertRaw(const QString& accountId, const QString& id, const QString& date) const
    {
        return test.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, "
                                        "memo, check_number, amount, created_at, updated_at) "
                                        "VALUES ('%1', '%2', %3, '%4', NULL, NULL, -1, '', '')")
                             .arg(id, accountId, date, id));
    }
};

} // namespace

// Transactions and their split lines in the store. The store reads its own date
// and timestamp shapes without Qt's general parsers, rows straight from SQLite
// without Qt's driver, and sorts rows without SQLite: whatever it reads and sorts
// must be exactly what those give. Amounts are read and written as money texts
// by one parser and formatter.
class TestTransactionRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void roundTrip();
    void registerRows();
    void categoryDisplayNames();
    void matchExpression_data();
    void matchExpression();
    void searchColumnsAndFilters();
    void deleteAndRestoreByAccount();
    void splitLinesKeepInsertionOrderAndNeedTheirParents();
    void indexesAllRowsAtTheEnd();
    void readsDatesAndTimesLikeQt_data();
    void readsDatesAndTimesLikeQt();
    void convertsLikeQtsDriver_data();
    void convertsLikeQtsDriver();
    void bindsLikeQtsDriverAndFailsCleanly();
    void matchesSqliteOrder_data();
    void matchesSqliteOrder();
    void moneyFormatting_data();
    void moneyFormatting();
    void moneyParsing_data();
    void moneyParsing();
    void spinBoxValues();
};

void TestTransactionRepository::roundTrip()
{
    Ledger l;
    const Category food = l.addCategory("Food");
    Transaction t = Records::transaction(l.a.id, QDate(2026, 2, 28), "Grocer", -9'999'999'999);
    t.categoryId = food.id;
    QVERIFY(l.repo.insert(t));
    auto stored = l.repo.findById(t.id);
    QCOMPARE(stored->amount, -9'999'999'999);
    QCOMPARE(stored->categoryId, food.id);

    // An empty category is stored as NULL; an update keeps the account and created_at.
    stored->categoryId.clear();
    stored->accountId = l.test.addAccount("B").id;
    stored->createdAt = kNow.addYears(-20);
    QVERIFY(l.repo.update(*stored));
    QCOMPARE(l.test
                 .scalar("SELECT (category_id IS NULL) || (account_id = '" + l.a.id
                     + "') || created_at FROM transactions")
                 .toString(),
        "11" + kNow.toString(Qt::ISODate));

    // A failed write changes nothing and announces nothing.
    QVERIFY(l.repo.markSynced(t.id, "s1") && l.test.freeze("transactions"));
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);
    expectWarning("^TransactionRepository::update failed: .*frozen");
    stored->payee = "changed";
    QVERIFY(!l.repo.update(*stored));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(std::pair(l.repo.findById(t.id)->payee, l.repo.findById(t.id)->syncStatus),
        std::pair(QString("Grocer"), SyncStatus::Synced));
}

void TestTransactionRepository::registerRows()
{
    Ledger l;
    l.add(l.a.id, QDate(2026, 2, 3), "c", 300);
    l.add(l.a.id, QDate(2026, 2, 1), "b", -50, kNow.addSecs(5));
    l.add(l.a.id, QDate(2026, 2, 1), "a", 1000);
    QList<TransactionRow> rows = l.repo.findRegisterRows(l.a.id);
    QCOMPARE(payees(rows), QStringList({ "a", "b", "c" }));
    QCOMPARE(rows[2].runningBalance, 1250);

    // The opening row takes the earliest live date; ties on a date go by created_at.
    const Account opened = l.test.addAccount("Opened", 5000);
    QVERIFY(l.repo.softDelete(l.add(opened.id, QDate(2025, 12, 1), "early", -999).id));
    l.add(opened.id, QDate(2026, 1, 5), "tie-late", 250, kNow.addSecs(60));
    l.add(opened.id, QDate(2026, 1, 5), "tie-early", -1250, kNow.addSecs(-60));
    l.add(opened.id, QDate(2026, 1, 3), "first", 100);
    rows = l.repo.findRegisterRows(opened.id);
    QCOMPARE(payees(rows), QStringList({ "Opening Balance", "first", "tie-early", "tie-late" }));
    QCOMPARE(rows[0].date, QDate(2026, 1, 3));
    QVERIFY(rows[0].reconciled && rows[0].id.isEmpty());
    QCOMPARE(rows[3].runningBalance, 4100);

    // Many ties inserted out of order sort as SQL sorts them, and entries of the
    // same date and second keep the order they were made in (amounts scrambled so
    // no index order can pass for it); a date stored as a blob sorts last.
    for (int i = 0; i < 200; ++i) {
        l.add(opened.id, QDate(2026, 1, 1).addDays((i * 37) % 11), QString::number(i),
            (i * 7919) % 1000, kNow.addSecs((i * 53) % 17));
    }
    QCOMPARE(payees(l.repo.findRegisterRows(opened.id).mid(1)),
        l.test.column(QStringLiteral("SELECT payee FROM transactions WHERE account_id = '%1' AND "
                                     "deleted_at IS NULL ORDER BY date, created_at, rowid")
                          .arg(opened.id)));
    QVERIFY(l.insertRaw(opened.id, "blob", "CAST('2020-01-01' AS BLOB)"));
    QCOMPARE(l.repo.findRegisterRows(opened.id).last().id, "blob");
}

void TestTransactionRepository::categoryDisplayNames()
{
    Ledger l;
    const Category car = l.addCategory("Car");
    const Category fuel = l.addCategory("Fuel", car.id);
    const Category food = l.addCategory("Food");
    l.add(l.a.id, QDate(2026, 1, 1), "Pump", -10, kNow, fuel.id);
    const auto name = [&] { return l.repo.findRegisterRows(l.a.id).value(0).categoryName; };
    QCOMPARE(name(), "Fuel");

    // A second live "Fuel" anywhere makes the sub-category ambiguous, in search too.
    const Category otherFuel = l.addCategory("Fuel", QString(), CategoryType::Income);
    QCOMPARE(name(), "Car > Fuel");
    QCOMPARE(l.repo.search("pump", {}).value(0).categoryName, "Car > Fuel");
    // Case makes another name; a deleted duplicate no longer counts.
    QVERIFY(l.categories.softDelete(otherFuel.id));
    l.addCategory("fuel");
    QCOMPARE(name(), "Fuel");
    // A deleted parent still qualifies; a parent gone entirely leaves it empty.
    l.addCategory("Fuel", food.id);
    QVERIFY(l.categories.softDelete(car.id));
    QCOMPARE(name(), "Car > Fuel");
    QVERIFY(l.test.exec("PRAGMA foreign_keys=OFF"));
    QVERIFY(l.test.exec(QStringLiteral("DELETE FROM categories WHERE id = '%1'").arg(car.id)));
    QCOMPARE(name(), " > Fuel");
}

void TestTransactionRepository::matchExpression_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expression");
    const auto row = [](const char* text, const char* expression) {
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(expression);
    };
    row("", "");
    row(R"(!! -- ** "')", "");
    row("payee:rent-2026", R"("payee"* "rent"* "2026"*)");
    row("Café 東京", R"("Café"* "東京"*)");
    // A letter outside the basic plane stays whole; an emoji separates.
    row("x\U0001D400y\U0001F600z", "\"x\U0001D400y\"* \"z\"*");
}

void TestTransactionRepository::matchExpression()
{
    QFETCH(QString, text);
    QFETCH(QString, expression);
    QCOMPARE(TransactionRepository::matchExpression(text), expression);
}

void TestTransactionRepository::searchColumnsAndFilters()
{
    Ledger l;
    const Account b = l.test.addAccount("B");
    const Category food = l.addCategory("Food");
    Transaction byMemo = Records::transaction(l.a.id, QDate(2026, 1, 1), "Corner", -1);
    byMemo.memo = "Coffee beans";
    byMemo.categoryId = food.id;
    Transaction byCheck = Records::transaction(b.id, QDate(2026, 1, 5), "Coffee Co", -2);
    byCheck.checkNumber = "1234";
    byCheck.cleared = true;
    QVERIFY(l.repo.insert(byMemo) && l.repo.insert(byCheck));
    QVERIFY(l.insertRaw(l.a.id, "Coffeehouse", "'2026-01-03'"));
    QVERIFY(l.repo.softDelete(l.add(QDate(2026, 1, 9), "Coffee Gone").id));

    // Every prefix word must match, in payee, memo or check number.
    QCOMPARE(l.found("coffee"), QStringList({ "Coffee Co", "Coffeehouse", "Corner" }));
    QCOMPARE(l.found("coffee, 12"), QStringList({ "Coffee Co" }));
    QCOMPARE(l.found("bean corn"), QStringList({ "Corner" }));
    QVERIFY(l.found("gone").isEmpty());
    // Edits reach the index.
    byMemo.memo = "espresso";
    QVERIFY(l.repo.update(byMemo));
    QCOMPARE(l.found("espr") + l.found("bean"), QStringList({ "Corner" }));

    QCOMPARE(l.found("co", { {}, food.id, {}, {}, {} }), QStringList({ "Corner" }));
    // Words that are search operators are searched for as words.
    l.add(QDate(2026, 1, 6), "AT AND T Wireless");
    l.add(QDate(2026, 1, 7), "Not Near Market");
    QCOMPARE(l.found("^wire + (at) {t} AND"), QStringList({ "AT AND T Wireless" }));
    QCOMPARE(l.found("NOT NEAR(mark)"), QStringList({ "Not Near Market" }));

    // Text that reads as an amount finds it paid or received: hundredths of
    // the number in most currencies, whole yen in a yen account.
    Account yen = Records::account("Yen");
    yen.currency = Currency::JPY;
    QVERIFY(AccountRepository(l.test.db()).insert(yen));
    l.add(QDate(2026, 2, 1), "Grocer", -9'475);
    l.add(b.id, QDate(2026, 2, 2), "Refund", 9'475);
    l.add(yen.id, QDate(2026, 2, 3), "Ramen", -9'475);
    l.add(yen.id, QDate(2026, 2, 4), "Sushi", -94);
    QCOMPARE(l.found("94.75"), QStringList({ "Refund", "Grocer" }));
    QCOMPARE(l.found("94"), QStringList({ "Sushi" }));
    // A number is still a word of the check number.
    QCOMPARE(l.found("1234"), QStringList({ "Coffee Co" }));

    // At most 200 rows, newest first.
    for (int i = 0; i < 205; ++i)
        l.add(QDate(2025, 1, 1).addDays(i), QStringLiteral("Rent %1").arg(i));
    const QList<TransactionRow> rows = l.repo.search("rent", {});
    QCOMPARE(rows.size(), 200);
    QCOMPARE(rows.last().payee, "Rent 5");
}

void TestTransactionRepository::deleteAndRestoreByAccount()
{
    Ledger l;
    const Account b = l.test.addAccount("B");
    const Transaction early = l.add(QDate(2026, 1, 1), "early");
    const Transaction x = l.add(QDate(2026, 1, 2), "x");
    const Transaction y = l.add(QDate(2026, 1, 3), "y");
    l.add(QDate(2026, 1, 4), "z");
    l.add(b.id, QDate(2026, 1, 1), "other", -1);
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);

    // Deleted on their own an hour before, one second before and exactly at the cut-off.
    const QDateTime cut(QDate(2026, 4, 1), QTime(12, 0, 0), Qt::UTC);
    for (const auto& [t, secs] : { std::pair(early, -3600), std::pair(x, -1), std::pair(y, 0) }) {
        Clock::setFixedUtc(cut.addSecs(secs));
        QVERIFY(l.repo.softDelete(t.id));
    }
    Clock::setFixedUtc(cut.addSecs(1));
    QCOMPARE(l.repo.softDeleteByAccount(l.a.id), 1);
    QCOMPARE(changed.count(), 4);
    QCOMPARE(*l.repo.findById(early.id)->deletedAt, cut.addSecs(-3600)); // keeps its own time

    QCOMPARE(l.repo.restoreByAccount(l.a.id, cut.addSecs(2).toString(Qt::ISODate)), 0);
    QCOMPARE(l.repo.restoreByAccount(l.a.id, cut.toString(Qt::ISODate)), 2);
    QCOMPARE(changed.count(), 5);
    QCOMPARE(payees(l.repo.findByAccount(l.a.id)), QStringList({ "z", "y" }));
    QCOMPARE(l.repo.findByAccount(b.id).size(), 1);
}

void TestTransactionRepository::splitLinesKeepInsertionOrderAndNeedTheirParents()
{
    Ledger l;
    SplitLineRepository repo(l.test.db());
    const Category food = l.addCategory("Food");
    const Transaction t1 = l.add(QDate(2026, 1, 1), "Shop");
    const Transaction t2 = l.add(QDate(2026, 1, 2), "Shop");
    const auto line = [&](const QString& transactionId, const QString& categoryId,
                          const QString& id = Ids::newId()) {
        return SplitLine { id, transactionId, categoryId, -1, QString(), kNow, kNow };
    };
    // Kept in the order they were made, whatever their ids.
    QVERIFY(repo.insert(line(t1.id, food.id, "zz")) && repo.insert(line(t1.id, food.id, "aa"))
        && repo.insert(line(t2.id, food.id)));
    QCOMPARE(
        Records::texts(repo.findByTransaction(t1.id), &SplitLine::id), QStringList({ "zz", "aa" }));
    QVERIFY(repo.deleteByTransaction(t1.id));
    QVERIFY(repo.findByTransaction(t1.id).isEmpty());
    QCOMPARE(repo.findByTransaction(t2.id).size(), 1);

    // The category is required, and both parents must exist.
    for (int i = 0; i < 3; ++i)
        expectWarning("^SplitLineRepository::insert failed: .*FOREIGN KEY");
    QVERIFY(!repo.insert(line(t1.id, "no-category")));
    QVERIFY(!repo.insert(line(t1.id, QString())));
    QVERIFY(!repo.insert(line("no-transaction", food.id)));
    QCOMPARE(l.test.scalar("SELECT COUNT(*) FROM split_lines").toInt(), 1);
}

void TestTransactionRepository::indexesAllRowsAtTheEnd()
{
    // The bulk insert takes the search triggers away for a run.
    Ledger store;
    const auto triggers = [&] {
        return store.test.column("SELECT name || ':' || sql FROM sqlite_master WHERE type = "
                                 "'trigger' ORDER BY name");
    };
    const QStringList triggersBefore = triggers();
    const auto add = [&](const QString& payee, TransactionBulkInsert& bulk) {
        QVERIFY(bulk.insert(Records::transaction(store.a.id, QDate(2026, 1, 2), payee, -100)));
    };
    const QString integrityCheck
        = "INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')";
    Transaction before = store.add(QDate(2026, 1, 2), "Old Bakery");
    QSignalSpy changed(&store.repo, &TransactionRepository::transactionsChanged);
    {
        TransactionScope scope(store.test.db());
        TransactionBulkInsert bulk(store.test.db(), &store.repo);
        QVERIFY(bulk.isActive());
        add("Alpine Outfitters", bulk);
        Transaction fresh
            = Records::transaction(store.a.id, QDate(2026, 1, 2), "Riverside Books", -100);
        fresh.memo = "Pier seven";
        QVERIFY(bulk.insert(fresh));
        Transaction huge = Records::transaction(store.a.id, QDate(2026, 1, 3), "Huge", 1);
        huge.amount = Money::kMaxAmount + 1;
        expectWarning("TransactionBulkInsert::insert failed: amount beyond the limit");
        QVERIFY(!bulk.insert(huge));
        // Not searchable until indexed, while both kinds of rows can still change:
        // the index never had the new row's words, so they must not be taken out.
        QVERIFY(store.found("Alpine").isEmpty());
        fresh.payee = "Harbor Cafe";
        fresh.memo = "Pier eight";
        QVERIFY(store.repo.update(fresh));
        before.payee = "New Bakery";
        QVERIFY(store.repo.update(before));
        QVERIFY(bulk.finish());
        QVERIFY(!bulk.isActive());
        QCOMPARE(changed.count(), 0);
        QVERIFY(scope.commit());
    }
    // One announcement for the account, after the commit.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(store.test.scalar("SELECT COUNT(*) FROM transactions").toInt(), 3);
    QCOMPARE(store.found("Alpine") + store.found("Harbor") + store.found("eight")
            + store.found("Bakery") + store.found("seven") + store.found("Riverside")
            + store.found("Old"),
        QStringList({ "Alpine Outfitters", "Harbor Cafe", "Harbor Cafe", "New Bakery" }));
    QVERIFY(store.test.exec(integrityCheck));
    QCOMPARE(triggers(), triggersBefore);

    // A guard dropped without finish() inside a unit that commits still indexes its rows.
    {
        TransactionScope scope(store.test.db());
        {
            TransactionBulkInsert bulk(store.test.db(), &store.repo);
            add("Forgotten Finish", bulk);
        }
        QVERIFY(scope.commit());
    }
    QCOMPARE(store.found("Forgotten"), QStringList { "Forgotten Finish" });
    // Outside a unit of work it stays inactive and rows go through the triggers.
    TransactionBulkInsert bulk(store.test.db(), &store.repo);
    QVERIFY(!bulk.isActive());
    QCOMPARE(triggers(), triggersBefore);
    add("Corner Deli", bulk);
    QCOMPARE(store.found("Deli"), QStringList { "Corner Deli" });
    QVERIFY(bulk.finish());
    QVERIFY(store.test.exec(integrityCheck));
}

void TestTransactionRepository::readsDatesAndTimesLikeQt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withTime");
    for (const char* text : { "2026-03-14", "2024-02-29", "2023-02-29", "2026-02-30", "2026-13-01",
             "2026-00-10", "2026-01-00", "0001-01-01", "0000-01-01", "9999-12-31", "2026-1-05",
             "2026-01-5", " 2026-01-05", "2026-01-05 ", "2026/01/05", "2026-01-0x", "20260105", "",
             "x", "2026-01-05T00:00:00Z", "+026-01-05", "-026-01-05", "２０２６-01-05" })
        QTest::newRow(text) << QString::fromUtf8(text) << false;
    for (const char* text : { "2026-03-14T09:26:53Z", "2024-02-29T23:59:59Z",
             "2023-02-29T10:00:00Z", "2026-03-14T24:00:00Z", "2026-03-14T23:60:00Z",
             "2026-03-14T23:59:60Z", "2026-03-14T25:00:00Z", "2026-03-14T09:26:53",
             "2026-03-14T09:26:53+02:00", "2026-03-14T09:26:53.120Z", "2026-03-14 09:26:53Z",
             "2026-03-14t09:26:53Z", "2026-03-14T09:26Z", "2026-03-14T9:26:53Z",
             "0001-01-01T00:00:00Z", "garbage", "", "2026-03-14T09:2a:53Z" })
        QTest::addRow("time %s", text) << QString::fromUtf8(text) << true;
}

void TestTransactionRepository::readsDatesAndTimesLikeQt()
{
    QFETCH(QString, text);
    QFETCH(bool, withTime);
    if (!withTime) {
        const QDate expected = QDate::fromString(text, "yyyy-MM-dd");
        QCOMPARE(SqlValue::readDate(text), expected);
        QCOMPARE(SqlValue::readOptionalDate(text),
            text.isEmpty() ? std::optional<QDate>() : std::optional(expected));
        return;
    }
    const QDateTime expected = QDateTime::fromString(text, Qt::ISODate);
    const QDateTime actual = SqlValue::readDateTime(text);
    QCOMPARE(std::tuple(actual, actual.timeSpec(), actual.offsetFromUtc()),
        std::tuple(expected, expected.timeSpec(), expected.offsetFromUtc()));
    QCOMPARE(SqlValue::readOptionalDateTime(text),
        text.isEmpty() ? std::optional<QDateTime>() : std::optional(expected));
}

void TestTransactionRepository::convertsLikeQtsDriver_data()
{
    QTest::addColumn<QString>("literal");
    for (const char* literal : { "NULL", "''", "'text'", "'日本語 ✓'", "42", "-9000000000000",
             "4294967297", "12.5", "-12.5", "0.49", "'12'", "'12abc'", "' 7 '", "'1'", "'true'",
             "x'00ff'", "'2026-03-14'", "'2026-02-30'", "'2026-03-14T09:26:53Z'",
             "'2026-03-14T09:26:53+01:00'", "20260314", "'  '" })
        QTest::newRow(literal) << QString::fromUtf8(literal);
}

void TestTransactionRepository::convertsLikeQtsDriver()
{
    QFETCH(QString, literal);
    TestDatabase test;
    const QString sql = QStringLiteral("SELECT %1").arg(literal);
    QSqlQuery query(test.db()->database());
    QVERIFY(query.exec(sql) && query.next());
    const QVariant qt = query.value(0);

    SqlStatement statement(test.db(), sql, {});
    QVERIFY(statement.next());
    const SqlRow row = statement.row();
    using namespace SqlValue;
    QCOMPARE(std::tuple(row.isNull(0), row.text(0), row.text(0).isNull(), row.int64(0),
                 row.integer(0), row.flag(0), row.value(0)),
        std::tuple(qt.isNull(), readText(qt), readText(qt).isNull(), qt.toLongLong(), qt.toInt(),
            qt.toInt() != 0, qt));
    QCOMPARE(std::tuple(row.date(0), row.dateTime(0), row.dateTime(0).timeSpec()),
        std::tuple(readDate(qt), readDateTime(qt), readDateTime(qt).timeSpec()));
    QCOMPARE(row.optionalDate(0), readOptionalDate(qt));
    QCOMPARE(row.optionalDateTime(0), readOptionalDateTime(qt));
    QVERIFY(!statement.next() && !statement.failed());
}

void TestTransactionRepository::bindsLikeQtsDriverAndFailsCleanly()
{
    TestDatabase test;
    const QVariantList values = { QVariant(QString()), QVariant(QString(QLatin1String(""))),
        "it's \"quoted\"; --", "日本", qint64(-9'000'000'000'000), 42, true, 2.5,
        QVariant(QMetaType::fromType<QString>()) };
    const QString sql = "SELECT typeof(?), ?";
    for (const QVariant& value : values) {
        QSqlQuery query(test.db()->database());
        query.prepare(sql);
        query.addBindValue(value);
        query.addBindValue(value);
        QVERIFY(query.exec() && query.next());
        SqlStatement statement(test.db(), sql, { value, value });
        QVERIFY(statement.next());
        QCOMPARE(statement.row().text(0), query.value(0).toString());
        QCOMPARE(statement.row().value(1), query.value(1));
    }

    // Timestamps are written to the second.
    QCOMPARE(SqlValue::dateTime(QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53, 999), Qt::UTC))
                 .toString(),
        "2026-03-14T09:26:53Z");

    SqlStatement broken(test.db(), "SELECT nothing FROM nowhere", {});
    QVERIFY(!broken.isValid() && !broken.next() && broken.failed());
    SqlStatement tooMany(test.db(), "SELECT ?", { 1, 2 });
    QVERIFY(!tooMany.next() && tooMany.failed());
}

void TestTransactionRepository::matchesSqliteOrder_data()
{
    QTest::addColumn<QStringList>("values"); // "first|second" pairs
    QTest::newRow("prefixes and lengths")
        << QStringList({ "2026-01-0|b", "2026-01-01|a", "2026-01-01|", "2026-01|z", "|a", "|" });
    QTest::newRow("case and other shapes") << QStringList({ "someday|x", "Someday|x", "2026-3-1|x",
        "2026-03-01|x", "2026-03-01T00:00:00+02:00|x", "2026-03-01T00:00:00Z|x" });
    QTest::newRow("non-ascii bytes") << QStringList(
        { "é|x", "e|x", "z|x", "\u00ff|x", "\u0100|x", "\U0001F600|x", "\uFFFD|x", "\uE000|x" });
}

void TestTransactionRepository::matchesSqliteOrder()
{
    QFETCH(QStringList, values);
    TestDatabase test;
    QVERIFY(test.exec("CREATE TABLE pairs (n INTEGER, a TEXT, b TEXT)"));
    for (int i = 0; i < values.size(); ++i) {
        const QStringList parts = values[i].split('|');
        QVERIFY(test.exec(
            QString("INSERT INTO pairs VALUES (%1, '%2', '%3')").arg(i).arg(parts[0], parts[1])));
    }

    QList<int> expected;
    for (const QString& n : test.column("SELECT n FROM pairs ORDER BY a ASC, b ASC, n ASC"))
        expected << n.toInt();

    RowOrder order({ 1, 2 });
    QList<int> read;
    SqlStatement statement(test.db(), "SELECT n, a, b FROM pairs ORDER BY n", {});
    while (statement.next()) {
        order.add(statement.row());
        read << statement.row().integer(0);
    }
    QVERIFY(order.isUsable());
    // Reordered in place, behind a row that stays first.
    QList<int> actual = QList<int>({ -1 }) + read;
    applyPermutation(actual, order.permutation(), 1);
    QCOMPARE(actual, QList<int>({ -1 }) + expected);
}

void TestTransactionRepository::moneyFormatting_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("moneyText");
    const auto row = [](const char* name, qint64 amount, Currency currency, const char* text) {
        QTest::newRow(name) << amount << currency << QString::fromUtf8(text);
    };
    row("grouped negative", -123456, Currency::USD, "-$1,234.56");
    row("millions", 123456789012, Currency::EUR, "€1,234,567,890.12");
    row("negative cents", -7, Currency::GBP, "-£0.07");
    row("yen negative", -1000, Currency::JPY, "-¥1,000");
    row("most negative", std::numeric_limits<qint64>::min(), Currency::USD,
        "-$92,233,720,368,547,758.08");
}

void TestTransactionRepository::moneyFormatting()
{
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, moneyText);
    QString amountText = moneyText;
    amountText.remove(Money::currencySymbol(currency));
    QCOMPARE(Money::formatAmount(amount, currency), amountText);
    if (amount != std::numeric_limits<qint64>::min())
        QCOMPARE(Money::formatMoney(amount, currency), moneyText);
}

void TestTransactionRepository::moneyParsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<std::optional<qint64>>("amount");
    const auto row = [](const char* text, Currency currency, std::optional<qint64> amount) {
        QTest::addRow("%s %s", *text ? text : "empty", qPrintable(currencyToText(currency)))
            << QString::fromUtf8(text) << currency << amount;
    };
    row("-$1,000.01", Currency::USD, -100001);
    row("  42.10  ", Currency::USD, 4210);
    row("", Currency::USD, 0);
    row(".5", Currency::USD, 50);
    // Halves round away from zero on the exact decimal, never through a double.
    row("0.125", Currency::USD, 13);
    row("1.005", Currency::USD, 101);
    row("¥1,500", Currency::JPY, 1500);
    // Yen have no decimals to round away; a full stop before three digits
    // groups thousands in yen and euros.
    row("-2.5", Currency::JPY, std::nullopt);
    row("1.500", Currency::JPY, 1500);
    row("2.000", Currency::EUR, 200000);
    row("2.000", Currency::USD, 200);
    row("800,50", Currency::EUR, 80050);
    row("$3.20", Currency::EUR, std::nullopt);
    row("12..5", Currency::USD, std::nullopt);
    row("--5", Currency::USD, std::nullopt);
    row("12a", Currency::USD, std::nullopt);
    row("12345678901234567", Currency::USD, std::nullopt);
    // A decimal comma, unless it is followed by exactly three digits.
    row("12,50", Currency::USD, 1250);
    row("1.234,56", Currency::USD, 123456);
    row("1,234", Currency::USD, 123400);
    row("1.234.567", Currency::USD, 123456700);
    row("1 234,56", Currency::USD, 123456);
    row("-£0,07", Currency::GBP, -7);
    row("1,234,567", Currency::JPY, 1234567);
    row("1,2,3.4.5", Currency::USD, std::nullopt);
    row("1234,567", Currency::USD, std::nullopt);
    row("12,34,56", Currency::USD, std::nullopt);
    row("1.2,34", Currency::USD, std::nullopt);
}

void TestTransactionRepository::moneyParsing()
{
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(std::optional<qint64>, amount);
    QString refusal;
    QCOMPARE(Money::tryParseAmount(text, currency, &refusal), amount);
    QCOMPARE(Money::parseAmount(text, currency), amount.value_or(0));
    // Only decimals in yen are refused with their own reason.
    QCOMPARE(refusal.isEmpty(), amount || currency != Currency::JPY);
}

void TestTransactionRepository::spinBoxValues()
{
    QCOMPARE(Money::fromValue(0.285), qint64(29));
    QCOMPARE(Money::fromValue(-0.285), qint64(-29));
    QCOMPARE(Money::fromValue(Money::maxValue(Currency::EUR), Currency::EUR), Money::kMaxAmount);
    QCOMPARE(Money::fromValue(1500.4, Currency::JPY), qint64(1500));
}

QTEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
