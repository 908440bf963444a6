#include "Records.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/TransactionRepository.h"

#include "data/Database.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 26, 53), Qt::UTC);

QStringList payees(const QList<TransactionRow>& rows)
{
    QStringList out;
    for (const TransactionRow& r : rows)
        out << r.payee;
    return out;
}

QStringList payees(const QList<Transaction>& rows)
{
    QStringList out;
    for (const Transaction& r : rows)
        out << r.payee;
    return out;
}

// One account with a few transactions and categories, shared by the tests.
struct Ledger {
    TestDatabase test;
    AccountRepository accounts { test.db() };
    CategoryRepository categories { test.db() };
    TransactionRepository repo { test.db() };

    Account addAccount(const QString& name, qint64 startingBalance = 0)
    {
        Account a = Records::account(name, startingBalance);
        if (!accounts.insert(a))
            qFatal("account insert failed");
        return a;
    }
    Category addCategory(const QString& name, const QString& parentId = QString(),
        CategoryType type = CategoryType::Expense)
    {
        Category c = Records::category(name, parentId, type);
        if (!categories.insert(c))
            qFatal("category insert failed");
        return c;
    }
    Transaction add(const QString& accountId, const QDate& date, const QString& payee,
        qint64 amount, const QDateTime& createdAt = kNow)
    {
        Transaction t = Records::transaction(accountId, date, payee, amount);
        t.createdAt = createdAt;
        if (!repo.insert(t))
            qFatal("transaction insert failed");
        return t;
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
    void registerWithoutStartingBalance();
    void registerWithStartingBalance();
    void registerOrderMatchesSql();
    void categoryDisplayNames();
    void matchExpression_data();
    void matchExpression();
    void searchMatchesPayeeMemoAndCheckNumber();
    void searchFilters();
    void searchToleratesOperatorText_data();
    void searchToleratesOperatorText();
    void searchLimitAndOrder();
    void payeesAndLastForPayee();
    void softDelete();
    void deleteAndRestoreByAccount();
    void resyncAndMarkSynced();
    void failedWritesLogAndChangeNothing();
};

void TestTransactionRepository::roundTripAndUpdate()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("Checking"));
    const Account b = l.addAccount(QStringLiteral("Savings"));
    const Category food = l.addCategory(QStringLiteral("Food"));
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);

    Transaction t = Records::transaction(
        a.id, QDate(2026, 2, 28), QStringLiteral("Grocer"), -9'000'000'000'001LL);
    t.memo = QStringLiteral("weekly shop");
    t.categoryId = food.id;
    t.checkNumber = QStringLiteral("1042");
    t.cleared = true;
    t.transferLinkId = QStringLiteral("link");
    t.transferDestAccountId = b.id;
    t.isSplit = true;
    t.recurringId = QStringLiteral("sched");
    t.version = 4;
    t.syncStatus = SyncStatus::Conflict;
    t.serverId = QStringLiteral("srv");
    QVERIFY(l.repo.insert(t));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().first().toString(), a.id);

    auto stored = l.repo.findById(t.id);
    QVERIFY(stored);
    QCOMPARE(stored->accountId, a.id);
    QCOMPARE(stored->date, QDate(2026, 2, 28));
    QCOMPARE(stored->payee, QStringLiteral("Grocer"));
    QCOMPARE(stored->memo, QStringLiteral("weekly shop"));
    QCOMPARE(stored->amount, -9'000'000'000'001LL);
    QCOMPARE(stored->categoryId, food.id);
    QCOMPARE(stored->checkNumber, QStringLiteral("1042"));
    QVERIFY(stored->cleared);
    QVERIFY(!stored->reconciled);
    QCOMPARE(stored->transferLinkId, QStringLiteral("link"));
    QCOMPARE(stored->transferDestAccountId, b.id);
    QVERIFY(stored->isSplit);
    QCOMPARE(stored->recurringId, QStringLiteral("sched"));
    QCOMPARE(stored->version, 4);
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);
    QCOMPARE(stored->serverId, QStringLiteral("srv"));
    QCOMPARE(stored->createdAt, kNow);
    QVERIFY(!stored->deletedAt);
    QCOMPARE(l.test.scalar(QStringLiteral("SELECT date || '|' || created_at FROM transactions"))
                 .toString(),
        QStringLiteral("2026-02-28|2026-03-14T09:26:53Z"));

    // An empty category reaches the table as NULL; the foreign key would reject "".
    Transaction edited = *stored;
    edited.categoryId.clear();
    edited.payee = QStringLiteral("Market");
    edited.reconciled = true;
    edited.accountId = b.id; // never moved by an update
    edited.createdAt = QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    edited.updatedAt = kNow.addDays(1);
    QVERIFY(l.repo.update(edited));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(
        l.test.scalar(QStringLiteral("SELECT category_id IS NULL FROM transactions")).toInt(), 1);
    stored = l.repo.findById(t.id);
    QCOMPARE(stored->payee, QStringLiteral("Market"));
    QVERIFY(stored->categoryId.isEmpty());
    QVERIFY(stored->reconciled);
    QCOMPARE(stored->accountId, a.id);
    QCOMPARE(stored->createdAt, kNow);
    QCOMPARE(stored->updatedAt, kNow.addDays(1));
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);

    // A row written by other means with NULL texts and an unreadable date.
    QVERIFY(l.test.exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, "
        "sync_status, created_at, updated_at, deleted_at) VALUES ('raw', '%1', 'someday', 'P', "
        "NULL, 5, NULL, 'odd', '', '', '')")
                            .arg(a.id)));
    const auto raw = l.repo.findById(QStringLiteral("raw"));
    QVERIFY(raw);
    QVERIFY(!raw->date.isValid());
    QVERIFY(raw->memo.isEmpty() && raw->checkNumber.isEmpty());
    QCOMPARE(raw->syncStatus, SyncStatus::Pending);
    QVERIFY(!raw->deletedAt);
    QVERIFY(!l.repo.findById(QStringLiteral("missing")));
}

void TestTransactionRepository::listsOrderAndFilter()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    const Account other = l.addAccount(QStringLiteral("B"));
    const QDate d(2026, 1, 10);
    l.add(a.id, d, QStringLiteral("second"), -1, kNow.addSecs(1));
    l.add(a.id, d, QStringLiteral("first"), -1, kNow);
    l.add(a.id, d.addDays(1), QStringLiteral("later"), -1, kNow.addSecs(-100));
    Transaction reconciled = Records::transaction(a.id, d.addDays(-1), QStringLiteral("done"), 1);
    reconciled.reconciled = true;
    QVERIFY(l.repo.insert(reconciled));
    const Transaction gone = l.add(a.id, d, QStringLiteral("gone"), -1);
    l.add(other.id, d, QStringLiteral("elsewhere"), -1);
    QVERIFY(l.repo.softDelete(gone.id));

    QCOMPARE(payees(l.repo.findByAccount(a.id)),
        QStringList({ QStringLiteral("later"), QStringLiteral("second"), QStringLiteral("first"),
            QStringLiteral("done") }));
    QCOMPARE(payees(l.repo.findUnreconciled(a.id)),
        QStringList(
            { QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("later") }));
    QCOMPARE(l.repo.findPending().size(), 6); // the deleted row is pending too
    QVERIFY(l.repo.findByAccount(QStringLiteral("nobody")).isEmpty());
}

void TestTransactionRepository::registerWithoutStartingBalance()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("Empty"));
    QVERIFY(l.repo.findRegisterRows(a.id).isEmpty());
    QVERIFY(l.repo.findRegisterRows(QStringLiteral("no-such-account")).isEmpty());

    const QDate d(2026, 2, 1);
    l.add(a.id, d.addDays(2), QStringLiteral("c"), 300, kNow);
    l.add(a.id, d, QStringLiteral("b"), -50, kNow.addSecs(5));
    l.add(a.id, d, QStringLiteral("a"), 1000, kNow);
    const QList<TransactionRow> rows = l.repo.findRegisterRows(a.id);
    QCOMPARE(payees(rows),
        QStringList({ QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") }));
    QCOMPARE(rows[0].runningBalance, 1000);
    QCOMPARE(rows[1].runningBalance, 950);
    QCOMPARE(rows[2].runningBalance, 1250);
}

void TestTransactionRepository::registerWithStartingBalance()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("Opened"), 5000);

    QList<TransactionRow> rows = l.repo.findRegisterRows(a.id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows[0].date, kNow.date());
    QCOMPARE(rows[0].amount, 5000);
    QCOMPARE(rows[0].runningBalance, 5000);
    QVERIFY(rows[0].cleared && rows[0].reconciled);
    QVERIFY(rows[0].id.isEmpty() && rows[0].accountId.isEmpty() && rows[0].categoryId.isEmpty());

    // The opening row takes the date of the earliest live transaction; a deleted
    // earlier one does not count.
    const Transaction early = l.add(a.id, QDate(2025, 12, 1), QStringLiteral("early"), -999);
    QVERIFY(l.repo.softDelete(early.id));
    l.add(a.id, QDate(2026, 1, 5), QStringLiteral("tie-late"), 250, kNow.addSecs(60));
    l.add(a.id, QDate(2026, 1, 5), QStringLiteral("tie-early"), -1250, kNow.addSecs(-60));
    l.add(a.id, QDate(2026, 1, 3), QStringLiteral("first"), 100);
    rows = l.repo.findRegisterRows(a.id);
    QCOMPARE(payees(rows),
        QStringList({ QStringLiteral("Opening Balance"), QStringLiteral("first"),
            QStringLiteral("tie-early"), QStringLiteral("tie-late") }));
    QCOMPARE(rows[0].date, QDate(2026, 1, 3));
    QCOMPARE(rows[1].runningBalance, 5100);
    QCOMPARE(rows[2].runningBalance, 3850);
    QCOMPARE(rows.last().runningBalance, 5000 + 100 - 1250 + 250);

    // A negative starting balance also gets its row.
    const Account card = l.addAccount(QStringLiteral("Card"), -700);
    l.add(card.id, QDate(2026, 3, 1), QStringLiteral("x"), -300);
    rows = l.repo.findRegisterRows(card.id);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].amount, -700);
    QCOMPARE(rows[1].runningBalance, -1000);
}

void TestTransactionRepository::registerOrderMatchesSql()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"), 100);
    const Account other = l.addAccount(QStringLiteral("B"));
    // Many ties on the date, some on created_at too, inserted out of order.
    for (int i = 0; i < 300; ++i) {
        const QDate date = QDate(2026, 1, 1).addDays((i * 37) % 11);
        const QDateTime created = kNow.addSecs((i * 53) % 17);
        l.add(i % 7 ? a.id : other.id, date, QStringLiteral("p%1").arg(i), i, created);
    }
    const auto sqlOrder = [&] {
        QSqlQuery q(l.test.db()->database());
        q.exec(QStringLiteral("SELECT id FROM transactions WHERE account_id = '%1' AND deleted_at "
                              "IS NULL ORDER BY date ASC, created_at ASC, rowid ASC")
                   .arg(a.id));
        QStringList ids { QString() }; // the opening row
        while (q.next())
            ids << q.value(0).toString();
        return ids;
    };
    const auto registerOrder = [&] {
        QStringList ids;
        for (const TransactionRow& r : l.repo.findRegisterRows(a.id))
            ids << r.id;
        return ids;
    };
    QCOMPARE(registerOrder(), sqlOrder());

    // A date stored as a blob (never by this program) sorts after every text
    // date, as SQLite orders it; an early text date still comes first.
    QVERIFY(l.test.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, "
                                       "amount, created_at, updated_at) VALUES ('blob', '%1', "
                                       "CAST('2020-01-01' AS BLOB), 'B', 5, '', '')")
                            .arg(a.id)));
    QVERIFY(l.test.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, "
                                       "amount, created_at, updated_at) VALUES ('early', '%1', "
                                       "'2019-06-01', 'E', 7, '', '')")
                            .arg(a.id)));
    const QStringList withBlob = sqlOrder();
    QCOMPARE(withBlob.at(1), QStringLiteral("early"));
    QCOMPARE(withBlob.last(), QStringLiteral("blob"));
    QCOMPARE(registerOrder(), withBlob);
    const QList<TransactionRow> rows = l.repo.findRegisterRows(a.id);
    QCOMPARE(rows.first().date, QDate(2019, 6, 1));
    QCOMPARE(rows.last().date, QDate(2020, 1, 1));
    QCOMPARE(rows.last().runningBalance,
        100
            + l.test
                  .scalar(QStringLiteral("SELECT SUM(amount) FROM transactions WHERE "
                                         "account_id = '%1'")
                              .arg(a.id))
                  .toLongLong());
}

void TestTransactionRepository::categoryDisplayNames()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    const Category car = l.addCategory(QStringLiteral("Car"));
    const Category fuel = l.addCategory(QStringLiteral("Fuel"), car.id);
    const Category food = l.addCategory(QStringLiteral("Food"));
    Transaction t = Records::transaction(a.id, QDate(2026, 1, 1), QStringLiteral("Pump"), -10);
    t.categoryId = fuel.id;
    QVERIFY(l.repo.insert(t));
    Transaction plain = Records::transaction(a.id, QDate(2026, 1, 2), QStringLiteral("Deli"), -5);
    plain.categoryId = food.id;
    QVERIFY(l.repo.insert(plain));
    l.add(a.id, QDate(2026, 1, 3), QStringLiteral("Cash"), 5);

    const auto names = [&] {
        QStringList out;
        for (const TransactionRow& r : l.repo.findRegisterRows(a.id))
            out << r.categoryName;
        return out;
    };
    const auto searched = [&](const QString& text) {
        const QList<TransactionRow> rows = l.repo.search(text, {});
        return rows.size() == 1 ? rows.first().categoryName : QStringLiteral("<none>");
    };
    QCOMPARE(names(), QStringList({ QStringLiteral("Fuel"), QStringLiteral("Food"), QString() }));

    // A second live "Fuel" anywhere (another type, top level) makes the sub-category ambiguous;
    // the top-level one keeps its plain name.
    const Category otherFuel
        = l.addCategory(QStringLiteral("Fuel"), QString(), CategoryType::Income);
    Transaction income = Records::transaction(a.id, QDate(2026, 1, 4), QStringLiteral("Rebate"), 3);
    income.categoryId = otherFuel.id;
    QVERIFY(l.repo.insert(income));
    QCOMPARE(names(),
        QStringList({ QStringLiteral("Car > Fuel"), QStringLiteral("Food"), QString(),
            QStringLiteral("Fuel") }));
    QCOMPARE(searched(QStringLiteral("pump")), QStringLiteral("Car > Fuel"));
    QCOMPARE(searched(QStringLiteral("rebate")), QStringLiteral("Fuel"));

    // A name that differs only in case is another name.
    QVERIFY(l.categories.softDelete(otherFuel.id));
    l.addCategory(QStringLiteral("fuel"));
    QCOMPARE(names().first(), QStringLiteral("Fuel"));

    // Deleted categories still name their transactions; a deleted parent still qualifies.
    l.addCategory(QStringLiteral("Fuel"), food.id);
    QVERIFY(l.categories.softDelete(car.id));
    QVERIFY(l.categories.softDelete(food.id));
    QCOMPARE(names(),
        QStringList({ QStringLiteral("Car > Fuel"), QStringLiteral("Food"), QString(),
            QStringLiteral("Fuel") }));
    QVERIFY(l.categories.softDelete(fuel.id));
    // Only the other live "Fuel" is counted now, so the deleted one is unambiguous again.
    QCOMPARE(names().first(), QStringLiteral("Fuel"));

    // A parent that no longer exists leaves an empty qualifier.
    QVERIFY(l.categories.restore(fuel.id));
    QVERIFY(l.test.exec(QStringLiteral("PRAGMA foreign_keys=OFF")));
    QVERIFY(l.test.exec(QStringLiteral("DELETE FROM categories WHERE id = '%1'").arg(car.id)));
    QVERIFY(l.test.exec(QStringLiteral("PRAGMA foreign_keys=ON")));
    QCOMPARE(names().first(), QStringLiteral(" > Fuel"));
}

void TestTransactionRepository::matchExpression_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expression");
    QTest::newRow("two words") << QStringLiteral("coffee, 12")
                               << QStringLiteral("\"coffee\"* \"12\"*");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("punctuation only") << QStringLiteral("!! -- ** \"'") << QString();
    QTest::newRow("spaces collapse")
        << QStringLiteral("  a   b ") << QStringLiteral("\"a\"* \"b\"*");
    QTest::newRow("hyphen and colon split")
        << QStringLiteral("payee:rent-2026") << QStringLiteral("\"payee\"* \"rent\"* \"2026\"*");
    QTest::newRow("quotes and stars dropped")
        << QStringLiteral("\"caf*\"") << QStringLiteral("\"caf\"*");
    QTest::newRow("operators become words") << QStringLiteral(
        "AND OR NOT NEAR(x)") << QStringLiteral("\"AND\"* \"OR\"* \"NOT\"* \"NEAR\"* \"x\"*");
    QTest::newRow("accented letters")
        << QStringLiteral("Café Zürich") << QStringLiteral("\"Café\"* \"Zürich\"*");
    QTest::newRow("japanese") << QStringLiteral("東京 ガス")
                              << QStringLiteral("\"東京\"* \"ガス\"*");
    QTest::newRow("underscore separates")
        << QStringLiteral("a_b") << QStringLiteral("\"a\"* \"b\"*");
    // A letter outside the basic plane stays whole; an emoji separates.
    QTest::newRow("astral letter")
        << QStringLiteral("x\U0001D400y\U0001F600z") << QStringLiteral("\"x\U0001D400y\"* \"z\"*");
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
    const Account a = l.addAccount(QStringLiteral("A"));
    Transaction byMemo
        = Records::transaction(a.id, QDate(2026, 1, 1), QStringLiteral("Corner"), -1);
    byMemo.memo = QStringLiteral("Coffee beans");
    QVERIFY(l.repo.insert(byMemo));
    Transaction byCheck
        = Records::transaction(a.id, QDate(2026, 1, 2), QStringLiteral("Coffee Co"), -2);
    byCheck.checkNumber = QStringLiteral("1234");
    QVERIFY(l.repo.insert(byCheck));
    // Rows written elsewhere may carry NULL memo and check number.
    QVERIFY(l.test.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, "
                                       "memo, amount, check_number, created_at, updated_at) "
                                       "VALUES ('n', '%1', '2026-01-03', 'Coffeehouse', NULL, -3, "
                                       "NULL, 'x', 'x')")
                            .arg(a.id)));
    l.add(a.id, QDate(2026, 1, 4), QStringLiteral("Tea Room"), -4);
    const Transaction deleted = l.add(a.id, QDate(2026, 1, 5), QStringLiteral("Coffee Gone"), -5);
    QVERIFY(l.repo.softDelete(deleted.id));

    QCOMPARE(payees(l.repo.search(QStringLiteral("coffee"), {})),
        QStringList({ QStringLiteral("Coffeehouse"), QStringLiteral("Coffee Co"),
            QStringLiteral("Corner") }));
    // Both prefix words must match, in any of the three columns.
    QCOMPARE(payees(l.repo.search(QStringLiteral("coffee, 12"), {})),
        QStringList({ QStringLiteral("Coffee Co") }));
    QCOMPARE(payees(l.repo.search(QStringLiteral("bean corn"), {})),
        QStringList({ QStringLiteral("Corner") }));
    QCOMPARE(payees(l.repo.search(QStringLiteral("123"), {})),
        QStringList({ QStringLiteral("Coffee Co") }));
    QVERIFY(l.repo.search(QStringLiteral("coffee 99"), {}).isEmpty());
    QVERIFY(l.repo.search(QStringLiteral("gone"), {}).isEmpty());
    const QList<TransactionRow> rows = l.repo.search(QStringLiteral("COFFEEHOUSE"), {});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].runningBalance, 0);
    QVERIFY(rows[0].memo.isEmpty());

    // Edits reach the index through the update trigger.
    Transaction renamed = *l.repo.findById(byMemo.id);
    renamed.memo = QStringLiteral("espresso");
    QVERIFY(l.repo.update(renamed));
    QCOMPARE(payees(l.repo.search(QStringLiteral("bean"), {})), QStringList());
    QCOMPARE(payees(l.repo.search(QStringLiteral("espr"), {})),
        QStringList({ QStringLiteral("Corner") }));
}

void TestTransactionRepository::searchFilters()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    const Account b = l.addAccount(QStringLiteral("B"));
    const Category food = l.addCategory(QStringLiteral("Food"));
    const auto add = [&](const Account& acct, int day, const QString& payee, bool cleared,
                         const QString& category = QString()) {
        Transaction t = Records::transaction(acct.id, QDate(2026, 1, day), payee, -day);
        t.cleared = cleared;
        t.categoryId = category;
        QVERIFY(l.repo.insert(t));
    };
    add(a, 1, QStringLiteral("Shop one"), true, food.id);
    add(a, 5, QStringLiteral("Shop five"), false, food.id);
    add(a, 9, QStringLiteral("Shop nine"), true);
    add(b, 3, QStringLiteral("Shop three"), false, food.id);
    add(b, 7, QStringLiteral("Bakery"), true, food.id);

    SearchFilter f;
    f.accountId = a.id;
    QCOMPARE(payees(l.repo.search(QStringLiteral("shop"), f)),
        QStringList({ QStringLiteral("Shop nine"), QStringLiteral("Shop five"),
            QStringLiteral("Shop one") }));
    f.categoryId = food.id;
    QCOMPARE(payees(l.repo.search(QStringLiteral("shop"), f)),
        QStringList({ QStringLiteral("Shop five"), QStringLiteral("Shop one") }));
    f.cleared = true;
    QCOMPARE(payees(l.repo.search(QStringLiteral("shop"), f)),
        QStringList({ QStringLiteral("Shop one") }));
    f.cleared = false;
    QCOMPARE(payees(l.repo.search(QStringLiteral("shop"), f)),
        QStringList({ QStringLiteral("Shop five") }));

    // Dates are inclusive at both ends.
    SearchFilter range;
    range.from = QDate(2026, 1, 3);
    range.to = QDate(2026, 1, 7);
    QCOMPARE(payees(l.repo.search(QStringLiteral("shop"), range)),
        QStringList({ QStringLiteral("Shop five"), QStringLiteral("Shop three") }));
    range.to = QDate();
    QCOMPARE(payees(l.repo.search(QString(), range)),
        QStringList({ QStringLiteral("Shop nine"), QStringLiteral("Bakery"),
            QStringLiteral("Shop five"), QStringLiteral("Shop three") }));
    range.from = QDate();
    range.to = QDate(2026, 1, 3);
    range.categoryId = food.id;
    range.cleared = false;
    QCOMPARE(payees(l.repo.search(QStringLiteral("  "), range)),
        QStringList({ QStringLiteral("Shop three") }));

    // Text without a letter or digit lists the account's latest rows.
    SearchFilter onlyB;
    onlyB.accountId = b.id;
    QCOMPARE(payees(l.repo.search(QStringLiteral("!!"), onlyB)),
        QStringList({ QStringLiteral("Bakery"), QStringLiteral("Shop three") }));
}

void TestTransactionRepository::searchToleratesOperatorText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const QString both = QStringLiteral("AT AND T Wireless");
    QTest::newRow("AND") << QStringLiteral("AND") << QStringList({ both });
    QTest::newRow("OR") << QStringLiteral("OR") << QStringList({ QStringLiteral("OR Supply") });
    QTest::newRow("NOT") << QStringLiteral("NOT") << QStringList({ QStringLiteral("Not Today") });
    QTest::newRow("NEAR group") << QStringLiteral("NEAR(mark, 2)") << QStringList();
    QTest::newRow("NEAR word") << QStringLiteral("NEAR(market)")
                               << QStringList({ QStringLiteral("Near Market") });
    QTest::newRow("unbalanced quote") << QStringLiteral("\"wireless") << QStringList({ both });
    QTest::newRow("star alone") << QStringLiteral("* wire*") << QStringList({ both });
    QTest::newRow("minus") << QStringLiteral("-wireless") << QStringList({ both });
    QTest::newRow("column filter") << QStringLiteral("wireless:at") << QStringList({ both });
    QTest::newRow("caret and plus") << QStringLiteral("^wire + at") << QStringList({ both });
    QTest::newRow("brackets") << QStringLiteral("(wireless) {at}") << QStringList({ both });
}

void TestTransactionRepository::searchToleratesOperatorText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    l.add(a.id, QDate(2026, 1, 1), QStringLiteral("AT AND T Wireless"), -1);
    l.add(a.id, QDate(2026, 1, 2), QStringLiteral("OR Supply"), -1);
    l.add(a.id, QDate(2026, 1, 3), QStringLiteral("Not Today"), -1);
    l.add(a.id, QDate(2026, 1, 4), QStringLiteral("Near Market"), -1);
    QCOMPARE(payees(l.repo.search(text, {})), expected);
}

void TestTransactionRepository::searchLimitAndOrder()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    for (int i = 0; i < 205; ++i)
        l.add(a.id, QDate(2025, 1, 1).addDays(i), QStringLiteral("Rent %1").arg(i), -i);
    l.add(a.id, QDate(2025, 1, 1).addDays(204), QStringLiteral("Rent tie"), -1, kNow.addSecs(1));
    const QList<TransactionRow> rows = l.repo.search(QStringLiteral("rent"), {});
    QCOMPARE(rows.size(), 200);
    QCOMPARE(rows[0].payee, QStringLiteral("Rent tie"));
    QCOMPARE(rows[1].payee, QStringLiteral("Rent 204"));
    QCOMPARE(rows.last().payee, QStringLiteral("Rent 6"));
    QCOMPARE(l.repo.search(QString(), {}).size(), 200);
}

void TestTransactionRepository::payeesAndLastForPayee()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    const Account b = l.addAccount(QStringLiteral("B"));
    l.add(a.id, QDate(2026, 1, 1), QStringLiteral("Zoo"), -1);
    const Transaction older = l.add(a.id, QDate(2026, 1, 2), QStringLiteral("Acme"), -10);
    l.add(a.id, QDate(2026, 1, 3), QStringLiteral("Acme"), -20, kNow);
    l.add(a.id, QDate(2026, 1, 3), QStringLiteral("Acme"), -30, kNow.addSecs(1));
    l.add(b.id, QDate(2026, 1, 9), QStringLiteral("Acme"), -40);
    l.add(b.id, QDate(2026, 1, 9), QStringLiteral("acme"), -1);
    l.add(b.id, QDate(2026, 1, 9), QString(), -1);
    const Transaction onlyDeleted = l.add(b.id, QDate(2026, 1, 9), QStringLiteral("Ghost"), -1);
    const Transaction newestAcme = l.add(a.id, QDate(2026, 2, 1), QStringLiteral("Acme"), -50);
    QVERIFY(l.repo.softDelete(onlyDeleted.id));
    QVERIFY(l.repo.softDelete(newestAcme.id));

    QCOMPARE(l.repo.distinctPayees(),
        QStringList({ QStringLiteral("Acme"), QStringLiteral("Zoo"), QStringLiteral("acme") }));

    auto last = l.repo.findLastForPayee(QStringLiteral("Acme"), a.id);
    QVERIFY(last);
    QCOMPARE(last->amount, -30);
    QCOMPARE(l.repo.findLastForPayee(QStringLiteral("Acme"), b.id)->amount, -40);
    QVERIFY(!l.repo.findLastForPayee(QStringLiteral("ACME"), a.id));
    QVERIFY(!l.repo.findLastForPayee(QStringLiteral("Ghost"), b.id));
    QCOMPARE(older.amount, -10);
}

void TestTransactionRepository::softDelete()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    Transaction t = l.add(a.id, QDate(2026, 1, 1), QStringLiteral("X"), -1);
    QVERIFY(l.repo.markSynced(t.id, QStringLiteral("s")));
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);

    QVERIFY(!l.repo.softDelete(QStringLiteral("missing")));
    QCOMPARE(changed.count(), 0);

    Clock::setFixedUtc(kNow.addDays(3));
    QVERIFY(l.repo.softDelete(t.id));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), a.id);
    const auto stored = l.repo.findById(t.id);
    QVERIFY(stored->deletedAt);
    QCOMPARE(*stored->deletedAt, kNow.addDays(3));
    QCOMPARE(stored->updatedAt, kNow.addDays(3));
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QVERIFY(l.repo.findRegisterRows(a.id).isEmpty());
}

void TestTransactionRepository::deleteAndRestoreByAccount()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    const Account b = l.addAccount(QStringLiteral("B"));
    const Transaction early = l.add(a.id, QDate(2026, 1, 1), QStringLiteral("early"), -1);
    const Transaction x = l.add(a.id, QDate(2026, 1, 2), QStringLiteral("x"), -1);
    const Transaction y = l.add(a.id, QDate(2026, 1, 3), QStringLiteral("y"), -1);
    const Transaction z = l.add(a.id, QDate(2026, 1, 4), QStringLiteral("z"), -1);
    l.add(b.id, QDate(2026, 1, 1), QStringLiteral("other"), -1);
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);

    // Deleted on its own an hour before the account goes.
    const QDateTime cut(QDate(2026, 4, 1), QTime(12, 0, 0), Qt::UTC);
    Clock::setFixedUtc(cut.addSecs(-3600));
    QVERIFY(l.repo.softDelete(early.id));
    // One second before, exactly at, and one second after the cut-off.
    Clock::setFixedUtc(cut.addSecs(-1));
    QVERIFY(l.repo.softDelete(x.id));
    Clock::setFixedUtc(cut);
    QVERIFY(l.repo.softDelete(y.id));
    Clock::setFixedUtc(cut.addSecs(1));
    changed.clear();
    QCOMPARE(l.repo.softDeleteByAccount(a.id), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), a.id);
    QCOMPARE(*l.repo.findById(early.id)->deletedAt, cut.addSecs(-3600)); // keeps its own time
    QCOMPARE(*l.repo.findById(z.id)->deletedAt, cut.addSecs(1));
    QCOMPARE(l.repo.softDeleteByAccount(a.id), 0);
    QCOMPARE(changed.count(), 1);

    Clock::setFixedUtc(cut.addDays(1));
    QCOMPARE(l.repo.restoreByAccount(a.id, cut.addSecs(2).toString(Qt::ISODate)), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(l.repo.restoreByAccount(a.id, cut.toString(Qt::ISODate)), 2);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(payees(l.repo.findByAccount(a.id)),
        QStringList({ QStringLiteral("z"), QStringLiteral("y") }));
    const auto restored = l.repo.findById(y.id);
    QVERIFY(!restored->deletedAt);
    QCOMPARE(restored->updatedAt, cut.addDays(1));
    QCOMPARE(restored->syncStatus, SyncStatus::Pending);
    QVERIFY(l.repo.findById(x.id)->deletedAt);
    QVERIFY(l.repo.findById(early.id)->deletedAt);
    QCOMPARE(l.repo.findByAccount(b.id).size(), 1);
}

void TestTransactionRepository::resyncAndMarkSynced()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    const Transaction t1 = l.add(a.id, QDate(2026, 1, 1), QStringLiteral("1"), -1);
    const Transaction t2 = l.add(a.id, QDate(2026, 1, 2), QStringLiteral("2"), -1);
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);
    QCOMPARE(l.repo.markAllPendingForResync(), 0);
    QVERIFY(l.repo.markSynced(t1.id, QStringLiteral("s1")));
    QVERIFY(l.repo.markSynced(t2.id, QStringLiteral("s2")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(l.repo.findById(t1.id)->serverId, QStringLiteral("s1"));
    QVERIFY(l.repo.findPending().isEmpty());
    QCOMPARE(l.repo.markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QVERIFY(changed.first().first().toString().isEmpty());
    // The index follows every update; the rows are still found.
    QCOMPARE(l.repo.search(QStringLiteral("1"), {}).size(), 1);
}

void TestTransactionRepository::failedWritesLogAndChangeNothing()
{
    Ledger l;
    const Account a = l.addAccount(QStringLiteral("A"));
    const Transaction t = l.add(a.id, QDate(2026, 1, 1), QStringLiteral("kept"), -1);
    const Transaction gone = l.add(a.id, QDate(2026, 1, 1), QStringLiteral("gone"), -1);
    QVERIFY(l.repo.softDelete(gone.id));
    QSignalSpy changed(&l.repo, &TransactionRepository::transactionsChanged);

    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!l.repo.insert(Records::transaction(
        QStringLiteral("no-account"), QDate(2026, 1, 1), QStringLiteral("orphan"), -1)));
    Transaction badCategory
        = Records::transaction(a.id, QDate(2026, 1, 1), QStringLiteral("c"), -1);
    badCategory.categoryId = QStringLiteral("no-category");
    QTest::ignoreMessage(QtWarningMsg,
        QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .*FOREIGN KEY")));
    QVERIFY(!l.repo.insert(badCategory));

    QVERIFY(l.test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON transactions "
                                       "BEGIN SELECT RAISE(ABORT, 'frozen'); END")));
    Transaction edited = t;
    edited.payee = QStringLiteral("changed");
    const char* const operations[] = { "update", "softDelete", "softDeleteByAccount",
        "restoreByAccount", "markAllPendingForResync" };
    for (const char* op : operations)
        QTest::ignoreMessage(QtWarningMsg,
            QRegularExpression(QStringLiteral("^TransactionRepository::%1 failed: .*frozen")
                                   .arg(QLatin1String(op))));
    QVERIFY(!l.repo.update(edited));
    QVERIFY(!l.repo.softDelete(t.id));
    QCOMPARE(l.repo.softDeleteByAccount(a.id), 0);
    QCOMPARE(l.repo.restoreByAccount(a.id, QStringLiteral("2000-01-01T00:00:00Z")), 0);
    QVERIFY(l.test.exec(QStringLiteral("DROP TRIGGER frozen")));
    QVERIFY(l.repo.markSynced(t.id, QStringLiteral("s")));
    QVERIFY(l.test.exec(QStringLiteral("CREATE TRIGGER frozen BEFORE UPDATE ON transactions "
                                       "BEGIN SELECT RAISE(ABORT, 'frozen'); END")));
    QCOMPARE(l.repo.markAllPendingForResync(), 0);
    QVERIFY(!l.repo.markSynced(t.id, QStringLiteral("s2")));

    QCOMPARE(changed.count(), 0);
    const auto stored = l.repo.findById(t.id);
    QCOMPARE(stored->payee, QStringLiteral("kept"));
    QVERIFY(!stored->deletedAt);
    QCOMPARE(stored->syncStatus, SyncStatus::Synced);
    QVERIFY(l.repo.findById(gone.id)->deletedAt);
    QCOMPARE(l.test.scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 2);
}

QTEST_GUILESS_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
