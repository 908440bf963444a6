#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QSignalSpy>
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

// A ledger for the bulk insert, which takes the search triggers away for a run.
struct Store {
    TestDatabase test;
    TransactionRepository repo { test.db() };
    Account account = test.addAccount("Checking");
    QStringList triggersBefore = triggers();

    QStringList triggers() const
    {
        return test.column("SELECT name || ':' || sql FROM sqlite_master WHERE type = 'trigger' "
                           "ORDER BY name");
    }
    Transaction add(const QString& payee, TransactionBulkInsert* bulk = nullptr)
    {
        Transaction t = Records::transaction(account.id, QDate(2026, 1, 2), payee, -100);
        if (!(bulk ? bulk->insert(t) : repo.insert(t)))
            qFatal("insert failed");
        return t;
    }
    QStringList found(const QString& text) const
    {
        return Records::texts(repo.search(text, {}), &Transaction::payee);
    }
    bool indexIsSound() const
    {
        return test.exec(
            "INSERT INTO transactions_fts(transactions_fts) VALUES('integrity-check')");
    }
};

} // namespace

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
    row("coffee, 12", R"("coffee"* "12"*)");
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

    QCOMPARE(l.found("co", { .categoryId = food.id }), QStringList({ "Corner" }));
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
    Store store;
    Transaction before = store.add("Old Bakery");
    QSignalSpy changed(&store.repo, &TransactionRepository::transactionsChanged);
    {
        TransactionScope scope(store.test.db());
        TransactionBulkInsert bulk(store.test.db(), &store.repo);
        QVERIFY(bulk.isActive());
        store.add("Alpine Outfitters", &bulk);
        Transaction fresh
            = Records::transaction(store.account.id, QDate(2026, 1, 2), "Riverside Books", -100);
        fresh.memo = "Pier seven";
        QVERIFY(bulk.insert(fresh));
        Transaction huge = Records::transaction(store.account.id, QDate(2026, 1, 3), "Huge", 1);
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
    QVERIFY(store.indexIsSound());
    QCOMPARE(store.triggers(), store.triggersBefore);

    // A guard dropped without finish() inside a unit that commits still indexes its rows.
    {
        TransactionScope scope(store.test.db());
        {
            TransactionBulkInsert bulk(store.test.db(), &store.repo);
            store.add("Forgotten Finish", &bulk);
        }
        QVERIFY(scope.commit());
    }
    QCOMPARE(store.found("Forgotten"), QStringList { "Forgotten Finish" });
    // Outside a unit of work it stays inactive and rows go through the triggers.
    TransactionBulkInsert bulk(store.test.db(), &store.repo);
    QVERIFY(!bulk.isActive());
    QCOMPARE(store.triggers(), store.triggersBefore);
    store.add("Corner Deli", &bulk);
    QCOMPARE(store.found("Deli"), QStringList { "Corner Deli" });
    QVERIFY(bulk.finish());
    QVERIFY(store.indexIsSound());
}

QTEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
