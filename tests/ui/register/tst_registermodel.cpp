#include "app/ThemeManager.h"
#include "data/Clock.h"
#include "ui/register/RegisterModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

TransactionRow row(
    const QString& id, QDate date, const QString& payee, qint64 amount, qint64 balance = 0)
{
    TransactionRow t;
    t.id = id;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.runningBalance = balance;
    return t;
}

QStringList column(const RegisterModel& model, int column, int role = Qt::DisplayRole)
{
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r)
        values << model.index(r, column).data(role).toString();
    return values;
}

QStringList ids(const RegisterModel& model)
{
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r) {
        const TransactionRow* t = model.transactionAt(r);
        values << (t ? t->id : QStringLiteral("<new>"));
    }
    return values;
}

} // namespace

class TestRegisterModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { Clock::clearFixed(); }
    void emptyRegisterShowsPlaceholders();
    void cellTextsAlignmentAndColours();
    void newEntryRowFollowsTheSort();
    void sortKeysAndTies();
    void bufferEditingAndFlags();

private:
    ThemeManager m_theme { nullptr };
};

void TestRegisterModel::initTestCase()
{
    Clock::setFixedUtc(QDateTime(QDate(2026, 2, 10), QTime(12, 0), Qt::UTC));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_theme.setTheme(QStringLiteral("light"));
}

void TestRegisterModel::emptyRegisterShowsPlaceholders()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(model.newEntryRow(), 0);
    QVERIFY(!model.transactionAt(0));
    // The buffer date starts on today, so only the other fields show placeholders.
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("2/10/2026"));
    QStringList shown;
    for (int c = 1; c < 9; ++c)
        shown << model.index(0, c).data().toString();
    QCOMPARE(shown,
        QStringList({ "Chk #", "Payee", "Category", "Memo", "Payment", "Deposit", "Clr", "" }));
    QCOMPARE(model.index(0, 2).data(Qt::EditRole).toString(), QString());
    QCOMPARE(model.index(0, 2).data(Qt::ForegroundRole).value<QColor>(), QColor("#6E8A7E"));
    QVERIFY(!model.index(0, 0).data(Qt::ForegroundRole).isValid());
    QCOMPARE(model.index(0, 4).data(Qt::BackgroundRole).value<QColor>(), QColor("#E8F5E9"));
    QVERIFY(model.flags(model.index(0, 2)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.flags(model.index(0, 8)).testFlag(Qt::ItemIsEditable));

    model.setTwoLine(true);
    QVERIFY(!model.index(0, 4).data(Qt::BackgroundRole).isValid());
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));
    model.setTwoLine(false);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee"));
}

void TestRegisterModel::cellTextsAlignmentAndColours()
{
    RegisterModel model;
    TransactionRow pay = row("p", QDate(2025, 1, 5), "Grocer", -123456, -100);
    pay.checkNumber = "1001";
    pay.memo = "weekly";
    pay.categoryName = "Groceries";
    pay.cleared = true;
    TransactionRow zero = row("z", QDate(2025, 1, 6), "Refund", 0, -100);
    zero.reconciled = true;
    zero.cleared = true;
    TransactionRow split = row("s", QDate(2025, 1, 7), "Big Store", 5000, 4900);
    split.isSplit = true;
    split.categoryName = "Household";
    model.setRows({ pay, zero, split });

    QCOMPARE(column(model, 0), QStringList({ "1/5/2025", "1/6/2025", "1/7/2025", "2/10/2026" }));
    QCOMPARE(column(model, 5).mid(0, 3), QStringList({ "1,234.56", "", "" }));
    QCOMPARE(column(model, 6).mid(0, 3), QStringList({ "", "0.00", "50.00" }));
    QCOMPARE(column(model, 7).mid(0, 3), QStringList({ "C", "R", "" }));
    QCOMPARE(column(model, 8).mid(0, 3), QStringList({ "-1.00", "-1.00", "49.00" }));
    QCOMPARE(model.index(2, 3).data().toString(), QStringLiteral("—Split—"));
    QCOMPARE(model.index(2, 3).data(Qt::EditRole).toString(), QStringLiteral("Household"));

    QCOMPARE(model.index(0, 5).data(Qt::TextAlignmentRole).toInt(),
        int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(model.index(0, 7).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(model.index(0, 2).data(Qt::TextAlignmentRole).toInt(),
        int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(
        model.index(0, 8).data(Qt::FontRole).value<QFont>().family(), QStringLiteral("monospace"));
    QVERIFY(!model.index(0, 2).data(Qt::FontRole).isValid());

    QCOMPARE(model.index(0, 5).data(Qt::ForegroundRole).value<QColor>(), QColor("#C62828"));
    QCOMPARE(model.index(1, 6).data(Qt::ForegroundRole).value<QColor>(), QColor("#2E7D32"));
    QCOMPARE(model.index(0, 8).data(Qt::ForegroundRole).value<QColor>(), QColor("#C62828"));
    QVERIFY(!model.index(2, 8).data(Qt::ForegroundRole).isValid());
    QCOMPARE(model.index(0, 4).data(Qt::ForegroundRole).value<QColor>(), QColor("#6E8A7E"));
    QVERIFY(!model.index(0, 4).data(Qt::BackgroundRole).isValid());

    m_theme.setTheme(QStringLiteral("dark"));
    QCOMPARE(model.index(0, 5).data(Qt::ForegroundRole).value<QColor>(), QColor("#FF8A80"));
    QCOMPARE(model.index(1, 6).data(Qt::ForegroundRole).value<QColor>(), QColor("#66BB6A"));
    QCOMPARE(model.index(3, 1).data(Qt::BackgroundRole).value<QColor>(), QColor("#1A2E28"));
    m_theme.setTheme(QStringLiteral("light"));
}

void TestRegisterModel::newEntryRowFollowsTheSort()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows(
        { row("a", QDate(2025, 1, 1), "A", -100), row("b", QDate(2025, 1, 2), "B", 200) });
    QSignalSpy sorted(&model, &RegisterModel::sortChanged);

    QCOMPARE(ids(model), QStringList({ "a", "b", "<new>" }));
    model.sort(0, Qt::DescendingOrder);
    QCOMPARE(ids(model), QStringList({ "<new>", "b", "a" }));
    QCOMPARE(model.newEntryRow(), 0);
    QCOMPARE(model.rowOfTransaction("a"), 2);
    model.sort(2, Qt::DescendingOrder);
    QCOMPARE(ids(model), QStringList({ "b", "a", "<new>" }));
    QCOMPARE(model.rowOfTransaction("a"), 1);
    model.sort(0, Qt::AscendingOrder);
    QCOMPARE(model.newEntryRow(), 2);
    QCOMPARE(sorted.count(), 3);
    QCOMPARE(sorted.last().at(1).value<Qt::SortOrder>(), Qt::AscendingOrder);

    model.sort(9, Qt::DescendingOrder); // ignored
    QCOMPARE(sorted.count(), 3);
    QCOMPARE(model.sortColumn(), 0);
    QCOMPARE(model.rowOfTransaction("missing"), -1);
}

void TestRegisterModel::sortKeysAndTies()
{
    RegisterModel model;
    model.setRows({ row("old-coffee", QDate(2025, 1, 1), "coffee", -300),
        row("zero", QDate(2025, 1, 2), "Zed", 0),
        row("new-coffee", QDate(2025, 1, 9), "coffee", -500),
        row("apple", QDate(2025, 1, 3), "apple", 1200),
        row("banana", QDate(2025, 1, 4), "Banana", -1) });

    // Locale-aware: apple, Banana, coffee (not byte order); equal payees
    // show the later date first in both directions.
    model.sort(2, Qt::AscendingOrder);
    QCOMPARE(ids(model).mid(0, 5),
        QStringList({ "apple", "banana", "new-coffee", "old-coffee", "zero" }));
    model.sort(2, Qt::DescendingOrder);
    QCOMPARE(ids(model).mid(0, 5),
        QStringList({ "zero", "new-coffee", "old-coffee", "banana", "apple" }));

    // Deposits and zero rank below every payment when sorting by Payment.
    model.sort(5, Qt::AscendingOrder);
    QCOMPARE(ids(model).mid(0, 5),
        QStringList({ "apple", "zero", "banana", "old-coffee", "new-coffee" }));
    // A zero amount ranks with the payments when sorting by Deposit.
    model.sort(6, Qt::DescendingOrder);
    QCOMPARE(ids(model).mid(0, 5),
        QStringList({ "apple", "new-coffee", "banana", "zero", "old-coffee" }));
}

void TestRegisterModel::bufferEditingAndFlags()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    TransactionRow split = row("s", QDate(2025, 3, 1), "Store", -2500, 100);
    split.isSplit = true;
    split.categoryName = "Food";
    TransactionRow plain = row("p", QDate(2025, 3, 2), "Cafe", 750, 850);
    plain.memo = "tip";
    plain.categoryId = "cat-1";
    plain.reconciled = true;
    model.setRows({ split, plain });

    // setData on a row that is not being edited changes the buffer, not the row.
    QVERIFY(model.setData(model.index(1, 2), QStringLiteral("Typed")));
    QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("Cafe"));
    QCOMPARE(model.buffer().payee, QStringLiteral("Typed"));
    QCOMPARE(model.index(2, 2).data().toString(), QStringLiteral("Typed"));
    QVERIFY(!model.setData(model.index(1, 2), QStringLiteral("x"), Qt::DisplayRole));
    QVERIFY(!model.flags(model.index(1, 2)).testFlag(Qt::ItemIsEditable));

    model.loadBuffer(plain, QStringLiteral("Dining"));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setEditingRow(1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.index(1, 2).data().toString(), QStringLiteral("Cafe"));
    QCOMPARE(model.index(1, 3).data().toString(), QStringLiteral("Dining"));
    QCOMPARE(model.index(1, 6).data().toString(), QStringLiteral("7.50"));
    QCOMPARE(model.index(1, 7).data().toString(), QStringLiteral("R"));
    QCOMPARE(model.index(1, 8).data().toString(), QStringLiteral("8.50"));
    QCOMPARE(model.buffer().categoryId, QStringLiteral("cat-1"));
    QVERIFY(model.flags(model.index(1, 5)).testFlag(Qt::ItemIsEditable));
    // While an existing row is edited, the new-entry row is blank.
    for (int c = 0; c < 9; ++c)
        QVERIFY(model.index(2, c).data().toString().isEmpty());

    model.loadBuffer(split, QStringLiteral("Food"));
    model.setEditingRow(0);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("—Split—"));
    QCOMPARE(model.index(0, 5).data().toString(), QStringLiteral("25.00"));
    for (int c : { 3, 5, 6 })
        QVERIFY(!model.flags(model.index(0, c)).testFlag(Qt::ItemIsEditable));
    for (int c : { 0, 1, 2, 4, 7 })
        QVERIFY(model.flags(model.index(0, c)).testFlag(Qt::ItemIsEditable));

    // The sticky date seeds the next buffer; setRows ends the row edit.
    model.setStickyDate(QStringLiteral("3/15/2025"));
    model.setRows({ split, plain });
    QCOMPARE(model.editingRow(), -1);
    QCOMPARE(model.buffer().date, QStringLiteral("3/15/2025"));
    QVERIFY(model.buffer().payee.isEmpty());
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("3/15/2025"));
}

QTEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
