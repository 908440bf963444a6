#include "Records.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"

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
};

} // namespace

class TestTransactionRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedUtc(kNow); }
    void cleanup() { Clock::clearFixed(); }

    void roundTripAndUpdate();
    void listsOrderAndFilter();
    void registerRowsAndStartingBalance();
    void registerOrderMatchesSql();
    void categoryDisplayNames();
    void matchExpression_data();
    void matchExpression();
    void searchMatchesPayeeMemoAndCheckNumber();
    void searchFilters();
    void searchToleratesOperatorText_data();
    void searchToleratesOperatorText();
    void payeesAndLastForPayee();
    void deleteAndRestoreByAccount();
    void resyncAndFailedWrites();
};

void TestTransactionRepository::roundTripAndUpdate()
{
    Ledger l;
    const Category food = l.addCategory("Food");
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);
    Transaction t
        = Records::transaction(l.a.id, QDate(2026, 2, 28), "Grocer", -9'000'000'000'001LL);
    t.memo = "weekly shop";
    t.categoryId = food.id;
    t.checkNumber = "1042";
    t.cleared = t.isSplit = true;
    t.transferLinkId = "link";
    t.recurringId = "sched";
    t.syncStatus = SyncStatus::Conflict;
    QVERIFY(l.repo.insert(t));
    QCOMPARE(changed.count(), 1);
    auto stored = l.repo.findById(t.id);
    QCOMPARE(QStringList({ stored->memo, stored->categoryId, stored->checkNumber,
                 stored->transferLinkId, stored->recurringId }),
        QStringList({ "weekly shop", food.id, "1042", "link", "sched" }));
    QCOMPARE(stored->amount, -9'000'000'000'001LL);
    QVERIFY(stored->cleared && !stored->reconciled && stored->isSplit);
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);
    QCOMPARE(l.test.scalar("SELECT date || '|' || created_at FROM transactions").toString(),
        "2026-02-28|2026-03-14T09:26:53Z");

    // An empty category reaches the table as NULL (the foreign key would reject "");
    // an update never moves the row to another account nor rewrites created_at.
    stored->categoryId.clear();
    stored->reconciled = true;
    stored->accountId = l.test.addAccount("B").id;
    stored->createdAt = kNow.addYears(-20);
    QVERIFY(l.repo.update(*stored));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(l.test
                 .scalar("SELECT (category_id IS NULL) || reconciled || (account_id = '" + l.a.id
                     + "') || created_at FROM transactions")
                 .toString(),
        "111" + kNow.toString(Qt::ISODate));
}

void TestTransactionRepository::listsOrderAndFilter()
{
    Ledger l;
    const Account other = l.test.addAccount("B");
    const QDate d(2026, 1, 10);
    l.add(l.a.id, d, "second", -1, kNow.addSecs(1));
    l.add(l.a.id, d, "first", -1, kNow);
    l.add(l.a.id, d.addDays(1), "later", -1, kNow.addSecs(-100));
    Transaction reconciled = Records::transaction(l.a.id, d.addDays(-1), "done", 1);
    reconciled.reconciled = true;
    QVERIFY(l.repo.insert(reconciled));
    QVERIFY(l.repo.softDelete(l.add(d, "gone").id));
    l.add(other.id, d, "elsewhere", -1);

    QCOMPARE(
        payees(l.repo.findByAccount(l.a.id)), QStringList({ "later", "second", "first", "done" }));
    QCOMPARE(payees(l.repo.findUnreconciled(l.a.id)), QStringList({ "first", "second", "later" }));
    QCOMPARE(l.repo.findPending().size(), 6); // the deleted row is pending too
}

void TestTransactionRepository::registerRowsAndStartingBalance()
{
    Ledger l;
    QVERIFY(l.repo.findRegisterRows(l.a.id).isEmpty());
    const QDate d(2026, 2, 1);
    l.add(l.a.id, d.addDays(2), "c", 300, kNow);
    l.add(l.a.id, d, "b", -50, kNow.addSecs(5));
    l.add(l.a.id, d, "a", 1000, kNow);
    QList<TransactionRow> rows = l.repo.findRegisterRows(l.a.id);
    QCOMPARE(payees(rows), QStringList({ "a", "b", "c" }));
    QCOMPARE(rows[1].runningBalance, 950);
    QCOMPARE(rows[2].runningBalance, 1250);

    const Account opened = l.test.addAccount("Opened", 5000);
    rows = l.repo.findRegisterRows(opened.id);
    QCOMPARE(payees(rows), QStringList { "Opening Balance" });
    QCOMPARE(rows[0].date, kNow.date());
    QCOMPARE(rows[0].runningBalance, 5000);
    QVERIFY(rows[0].cleared && rows[0].reconciled && rows[0].id.isEmpty());

    // The opening row takes the date of the earliest live transaction; a deleted
    // earlier one does not count. Ties on the date go by created_at.
    QVERIFY(l.repo.softDelete(l.add(opened.id, QDate(2025, 12, 1), "early", -999).id));
    l.add(opened.id, QDate(2026, 1, 5), "tie-late", 250, kNow.addSecs(60));
    l.add(opened.id, QDate(2026, 1, 5), "tie-early", -1250, kNow.addSecs(-60));
    l.add(opened.id, QDate(2026, 1, 3), "first", 100);
    rows = l.repo.findRegisterRows(opened.id);
    QCOMPARE(payees(rows), QStringList({ "Opening Balance", "first", "tie-early", "tie-late" }));
    QCOMPARE(rows[0].date, QDate(2026, 1, 3));
    QCOMPARE(rows[2].runningBalance, 3850);
    QCOMPARE(rows[3].runningBalance, 4100);

    const Account card = l.test.addAccount("Card", -700);
    l.add(card.id, QDate(2026, 3, 1), "x", -300);
    rows = l.repo.findRegisterRows(card.id);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].runningBalance, -1000);
}

void TestTransactionRepository::registerOrderMatchesSql()
{
    Ledger l;
    const Account a = l.test.addAccount("Opened", 100);
    // Many ties on the date, some on created_at too, inserted out of order.
    for (int i = 0; i < 300; ++i) {
        l.add(i % 7 ? a.id : l.a.id, QDate(2026, 1, 1).addDays((i * 37) % 11),
            QStringLiteral("p%1").arg(i), i, kNow.addSecs((i * 53) % 17));
    }
    const auto sqlOrder = [&] {
        return QStringList { QString() } // the opening row
        + l.test.column(QStringLiteral("SELECT id FROM transactions WHERE account_id = '%1' AND "
                                       "deleted_at IS NULL ORDER BY date, created_at, rowid")
                            .arg(a.id));
    };
    const auto registerOrder
        = [&] { return Records::texts(l.repo.findRegisterRows(a.id), &Transaction::id); };
    QCOMPARE(registerOrder(), sqlOrder());

    // A date stored as a blob (never by this program) sorts after every text
    // date, as SQLite orders it; an early text date still comes first.
    QVERIFY(l.test.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, "
                                       "amount, created_at, updated_at) VALUES ('blob', '%1', "
                                       "CAST('2020-01-01' AS BLOB), 'B', 5, '', ''), ('early', "
                                       "'%1', '2019-06-01', 'E', 7, '', '')")
                            .arg(a.id)));
    QCOMPARE(registerOrder(), sqlOrder());
    QCOMPARE(registerOrder().last(), "blob");
}

void TestTransactionRepository::categoryDisplayNames()
{
    Ledger l;
    const Category car = l.addCategory("Car");
    const Category fuel = l.addCategory("Fuel", car.id);
    const Category food = l.addCategory("Food");
    l.add(l.a.id, QDate(2026, 1, 1), "Pump", -10, kNow, fuel.id);
    l.add(l.a.id, QDate(2026, 1, 2), "Deli", -5, kNow, food.id);
    l.add(QDate(2026, 1, 3), "Cash", 5);
    const auto names = [&] {
        return Records::texts(l.repo.findRegisterRows(l.a.id), &TransactionRow::categoryName);
    };
    QCOMPARE(names(), QStringList({ "Fuel", "Food", QString() }));

    // A second live "Fuel" anywhere (another type, top level) makes the sub-category
    // ambiguous; the top-level one keeps its plain name, in search results too.
    const Category otherFuel = l.addCategory("Fuel", QString(), CategoryType::Income);
    l.add(l.a.id, QDate(2026, 1, 4), "Rebate", 3, kNow, otherFuel.id);
    const QStringList qualified { "Car > Fuel", "Food", QString(), "Fuel" };
    QCOMPARE(names(), qualified);
    QCOMPARE(l.repo.search("pump", {}).value(0).categoryName, "Car > Fuel");

    // A name that differs only in case is another name.
    QVERIFY(l.categories.softDelete(otherFuel.id));
    l.addCategory("fuel");
    QCOMPARE(names().first(), "Fuel");

    // Deleted categories still name their transactions; a deleted parent still
    // qualifies, and a deleted duplicate no longer counts.
    l.addCategory("Fuel", food.id);
    QVERIFY(l.categories.softDelete(car.id) && l.categories.softDelete(food.id));
    QCOMPARE(names(), qualified);
    QVERIFY(l.categories.softDelete(fuel.id));
    QCOMPARE(names().first(), "Fuel");

    // A parent that no longer exists leaves an empty qualifier.
    QVERIFY(l.categories.restore(fuel.id));
    QVERIFY(l.test.exec("PRAGMA foreign_keys=OFF"));
    QVERIFY(l.test.exec(QStringLiteral("DELETE FROM categories WHERE id = '%1'").arg(car.id)));
    QVERIFY(l.test.exec("PRAGMA foreign_keys=ON"));
    QCOMPARE(names().first(), " > Fuel");
}

void TestTransactionRepository::matchExpression_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expression");
    const auto row = [](const char* name, const char* text, const char* expression) {
        QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(expression);
    };
    row("two words", "coffee, 12", R"("coffee"* "12"*)");
    row("empty", "", "");
    row("punctuation only", R"(!! -- ** "')", "");
    row("hyphen and colon split", "payee:rent-2026", R"("payee"* "rent"* "2026"*)");
    row("quotes and stars dropped", R"("caf*")", R"("caf"*)");
    row("operators become words", "AND OR NOT NEAR(x)", R"("AND"* "OR"* "NOT"* "NEAR"* "x"*)");
    row("accented letters", "Café Zürich", R"("Café"* "Zürich"*)");
    row("japanese", "東京 ガス", R"("東京"* "ガス"*)");
    // A letter outside the basic plane stays whole; an emoji separates.
    row("astral letter", "x\U0001D400y\U0001F600z", "\"x\U0001D400y\"* \"z\"*");
}

void TestTransactionRepository::matchExpression()
{
    QFETCH(QString, text);
    QFETCH(QString, expression);
    QCOMPARE(TransactionRepository::matchExpression(text), expression);
}

void TestTransactionRepository::searchMatchesPayeeMemoAndCheckNumber()
{
    Ledger l;
    Transaction byMemo = Records::transaction(l.a.id, QDate(2026, 1, 1), "Corner", -1);
    byMemo.memo = "Coffee beans";
    Transaction byCheck = Records::transaction(l.a.id, QDate(2026, 1, 2), "Coffee Co", -2);
    byCheck.checkNumber = "1234";
    QVERIFY(l.repo.insert(byMemo) && l.repo.insert(byCheck));
    // Rows written elsewhere may carry NULL memo and check number.
    QVERIFY(l.test.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, "
                                       "memo, amount, check_number, created_at, updated_at) "
                                       "VALUES ('n', '%1', '2026-01-03', 'Coffeehouse', NULL, -3, "
                                       "NULL, 'x', 'x')")
                            .arg(l.a.id)));
    l.add(QDate(2026, 1, 4), "Tea Room");
    QVERIFY(l.repo.softDelete(l.add(QDate(2026, 1, 5), "Coffee Gone").id));

    QCOMPARE(l.found("coffee"), QStringList({ "Coffeehouse", "Coffee Co", "Corner" }));
    // Every prefix word must match, in any of the three columns.
    QCOMPARE(l.found("coffee, 12"), QStringList({ "Coffee Co" }));
    QCOMPARE(l.found("bean corn"), QStringList({ "Corner" }));
    QVERIFY(l.found("coffee 99").isEmpty() && l.found("gone").isEmpty());

    // Edits reach the index through the update trigger.
    byMemo.memo = "espresso";
    QVERIFY(l.repo.update(byMemo));
    QVERIFY(l.repo.search("bean", {}).isEmpty());
    QCOMPARE(l.found("espr"), QStringList({ "Corner" }));

    // At most 200 rows, newest first, ties by created_at.
    for (int i = 0; i < 205; ++i)
        l.add(QDate(2025, 1, 1).addDays(i), QStringLiteral("Rent %1").arg(i));
    l.add(l.a.id, QDate(2025, 1, 1).addDays(204), "Rent tie", -1, kNow.addSecs(1));
    const QList<TransactionRow> rows = l.repo.search("rent", {});
    QCOMPARE(rows.size(), 200);
    QCOMPARE(payees(rows.mid(0, 2)), QStringList({ "Rent tie", "Rent 204" }));
    QCOMPARE(rows.last().payee, "Rent 6");
    QCOMPARE(l.repo.search(QString(), {}).size(), 200);
}

void TestTransactionRepository::searchFilters()
{
    Ledger l;
    const Account b = l.test.addAccount("B");
    const Category food = l.addCategory("Food");
    const auto add = [&](const Account& acct, int day, const char* payee, bool cleared,
                         const QString& category = QString()) {
        Transaction t
            = Records::transaction(acct.id, QDate(2026, 1, day), QString::fromUtf8(payee), -day);
        t.cleared = cleared;
        t.categoryId = category;
        QVERIFY(l.repo.insert(t));
    };
    add(l.a, 1, "Shop one", true, food.id);
    add(l.a, 5, "Shop five", false, food.id);
    add(l.a, 9, "Shop nine", true);
    add(b, 3, "Shop three", false, food.id);
    add(b, 7, "Bakery", true, food.id);

    SearchFilter f;
    f.accountId = l.a.id;
    QCOMPARE(l.found("shop", f), QStringList({ "Shop nine", "Shop five", "Shop one" }));
    f.categoryId = food.id;
    f.cleared = false;
    QCOMPARE(l.found("shop", f), QStringList({ "Shop five" }));
    f.cleared = true;
    QCOMPARE(l.found("shop", f), QStringList({ "Shop one" }));

    // Dates are inclusive at both ends.
    SearchFilter range;
    range.from = QDate(2026, 1, 3);
    range.to = QDate(2026, 1, 7);
    QCOMPARE(l.found("shop", range), QStringList({ "Shop five", "Shop three" }));
    range.to = QDate();
    QCOMPARE(l.found(QString(), range),
        QStringList({ "Shop nine", "Bakery", "Shop five", "Shop three" }));
    range = {};
    range.to = QDate(2026, 1, 3);
    range.categoryId = food.id;
    range.cleared = false;
    QCOMPARE(l.found("  ", range), QStringList({ "Shop three" }));

    // Text without a letter or digit lists the account's latest rows.
    SearchFilter onlyB;
    onlyB.accountId = b.id;
    QCOMPARE(l.found("!!", onlyB), QStringList({ "Bakery", "Shop three" }));
}

void TestTransactionRepository::searchToleratesOperatorText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QStringList both { "AT AND T Wireless" };
    QTest::newRow("AND") << "AND" << both;
    QTest::newRow("OR") << "OR" << QStringList({ "OR Supply" });
    QTest::newRow("NOT") << "NOT" << QStringList({ "Not Today" });
    QTest::newRow("NEAR group") << "NEAR(mark, 2)" << QStringList();
    QTest::newRow("NEAR word") << "NEAR(market)" << QStringList({ "Near Market" });
    QTest::newRow("unbalanced quote") << "\"wireless" << both;
    QTest::newRow("star alone") << "* wire*" << both;
    QTest::newRow("minus") << "-wireless" << both;
    QTest::newRow("column filter") << "wireless:at" << both;
    QTest::newRow("caret and plus") << "^wire + at" << both;
    QTest::newRow("brackets") << "(wireless) {at}" << both;
}

void TestTransactionRepository::searchToleratesOperatorText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    Ledger l;
    int day = 0;
    for (const char* payee : { "AT AND T Wireless", "OR Supply", "Not Today", "Near Market" })
        l.add(QDate(2026, 1, ++day), QString::fromUtf8(payee));
    QCOMPARE(l.found(text), expected);
}

void TestTransactionRepository::payeesAndLastForPayee()
{
    Ledger l;
    const Account b = l.test.addAccount("B");
    l.add(QDate(2026, 1, 1), "Zoo");
    l.add(QDate(2026, 1, 2), "Acme", -10);
    l.add(l.a.id, QDate(2026, 1, 3), "Acme", -20, kNow);
    l.add(l.a.id, QDate(2026, 1, 3), "Acme", -30, kNow.addSecs(1));
    l.add(b.id, QDate(2026, 1, 9), "Acme", -40);
    l.add(b.id, QDate(2026, 1, 9), "acme", -1);
    l.add(b.id, QDate(2026, 1, 9), QString(), -1);
    QVERIFY(l.repo.softDelete(l.add(b.id, QDate(2026, 1, 9), "Ghost", -1).id));
    QVERIFY(l.repo.softDelete(l.add(QDate(2026, 2, 1), "Acme", -50).id));

    QCOMPARE(l.repo.distinctPayees(), QStringList({ "Acme", "Zoo", "acme" }));
    QCOMPARE(l.repo.findLastForPayee("Acme", l.a.id)->amount, -30);
    QCOMPARE(l.repo.findLastForPayee("Acme", b.id)->amount, -40);
    QVERIFY(!l.repo.findLastForPayee("ACME", l.a.id));
    QVERIFY(!l.repo.findLastForPayee("Ghost", b.id));
}

void TestTransactionRepository::deleteAndRestoreByAccount()
{
    Ledger l;
    const Account b = l.test.addAccount("B");
    const Transaction early = l.add(QDate(2026, 1, 1), "early");
    const Transaction x = l.add(QDate(2026, 1, 2), "x");
    const Transaction y = l.add(QDate(2026, 1, 3), "y");
    const Transaction z = l.add(QDate(2026, 1, 4), "z");
    l.add(b.id, QDate(2026, 1, 1), "other", -1);
    QVERIFY(l.repo.markSynced(y.id, "s"));
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);
    QVERIFY(!l.repo.softDelete("missing"));

    // Deleted on its own an hour before the account goes, then one second
    // before, exactly at, and one second after the cut-off.
    const QDateTime cut(QDate(2026, 4, 1), QTime(12, 0, 0), Qt::UTC);
    for (const auto& [t, secs] : { std::pair(early, -3600), std::pair(x, -1), std::pair(y, 0) }) {
        Clock::setFixedUtc(cut.addSecs(secs));
        QVERIFY(l.repo.softDelete(t.id));
    }
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().first().toString(), l.a.id);
    const auto deleted = l.repo.findById(y.id);
    QCOMPARE(*deleted->deletedAt, cut);
    QCOMPARE(deleted->updatedAt, cut);
    QCOMPARE(deleted->syncStatus, SyncStatus::Pending);
    Clock::setFixedUtc(cut.addSecs(1));
    QCOMPARE(l.repo.softDeleteByAccount(l.a.id), 1);
    QCOMPARE(l.repo.softDeleteByAccount(l.a.id), 0);
    QCOMPARE(changed.count(), 4);
    QCOMPARE(*l.repo.findById(early.id)->deletedAt, cut.addSecs(-3600)); // keeps its own time
    QCOMPARE(*l.repo.findById(z.id)->deletedAt, cut.addSecs(1));
    QVERIFY(l.repo.findRegisterRows(l.a.id).isEmpty());

    Clock::setFixedUtc(cut.addDays(1));
    QCOMPARE(l.repo.restoreByAccount(l.a.id, cut.addSecs(2).toString(Qt::ISODate)), 0);
    QCOMPARE(l.repo.restoreByAccount(l.a.id, cut.toString(Qt::ISODate)), 2);
    QCOMPARE(changed.count(), 5);
    QCOMPARE(payees(l.repo.findByAccount(l.a.id)), QStringList({ "z", "y" }));
    QCOMPARE(l.repo.findById(y.id)->updatedAt, cut.addDays(1));
    QCOMPARE(l.repo.findByAccount(b.id).size(), 1);
}

void TestTransactionRepository::resyncAndFailedWrites()
{
    Ledger l;
    const Transaction t = l.add(QDate(2026, 1, 1), "kept");
    const Transaction t2 = l.add(QDate(2026, 1, 2), "other");
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);
    QVERIFY(l.repo.markSynced(t.id, "s1") && l.repo.markSynced(t2.id, "s2"));
    QCOMPARE(l.repo.markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QVERIFY(changed.first().first().toString().isEmpty());
    QVERIFY(l.repo.markSynced(t.id, "s1"));

    // Failed writes log, return false or 0, emit nothing and change nothing.
    expectWarning("^TransactionRepository::insert failed: .*FOREIGN KEY");
    QVERIFY(!l.repo.insert(Records::transaction("no-account", QDate(2026, 1, 1), "orphan", -1)));
    QVERIFY(l.test.freeze("transactions"));
    expectWarning("^TransactionRepository::update failed: .*frozen");
    expectWarning("^TransactionRepository::softDeleteByAccount failed: .*frozen");
    Transaction edited = t;
    edited.payee = "changed";
    QVERIFY(!l.repo.update(edited));
    QCOMPARE(l.repo.softDeleteByAccount(l.a.id), 0);
    QCOMPARE(changed.count(), 1);
    const auto stored = l.repo.findById(t.id);
    QCOMPARE(stored->payee, "kept");
    QVERIFY(!stored->deletedAt);
    QCOMPARE(stored->syncStatus, SyncStatus::Synced);
    QCOMPARE(l.test.scalar("SELECT COUNT(*) FROM transactions").toInt(), 2);
}

QTEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
