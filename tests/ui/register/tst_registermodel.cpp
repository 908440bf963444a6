#include "data/Clock.h"
#include "ui/register/RegisterModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TransactionRow row(
    const QString& id, QDate date, const QString& payee, qint64 amount, qint64 balance = 0)
{
    TransactionRow t;
    std::tie(t.id, t.date, t.payee, t.amount, t.runningBalance)
        = std::tie(id, date, payee, amount, balance);
    return t;
}

QStringList column(const RegisterModel& model, int column)
{
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r)
        values << model.index(r, column).data().toString();
    return values;
}

QStringList ids(const RegisterModel& model)
{
    QStringList values;
    for (int r = 0; r < model.rowCount(); ++r)
        values << (model.transactionAt(r) ? model.transactionAt(r)->id : u"<new>"_s);
    return values;
}

} // namespace

class TestRegisterModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { Clock::clearFixed(); }
    void cellTextsAndEditing();
    void sortKeysAndTies();
};

void TestRegisterModel::initTestCase()
{
    Clock::setFixedUtc(QDateTime(QDate(2026, 2, 10), QTime(12, 0), Qt::UTC));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestRegisterModel::cellTextsAndEditing()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Empty fields of the new-entry row show their column names, but hold nothing.
    QCOMPARE(QStringList({ model.index(0, 2).data().toString(),
                 model.index(0, 2).data(Qt::EditRole).toString(),
                 model.index(0, 0).data().toString(), model.index(0, 8).data().toString() }),
        QStringList({ "Payee", "", "2/10/2026", "" }));

    TransactionRow pay = row("p", QDate(2025, 1, 5), "Grocer", -123456, -100);
    std::tie(pay.cleared, pay.categoryId) = std::tuple(true, u"cat-1"_s);
    TransactionRow zero = row("z", QDate(2025, 1, 6), "Refund", 0, -100);
    zero.reconciled = zero.cleared = true;
    TransactionRow split = row("s", QDate(2025, 1, 7), "Big Store", 5000, 4900);
    split.isSplit = true;
    split.categoryName = "Household";
    model.setRows({ pay, zero, split });
    QStringList cells;
    for (int c : { 5, 6, 7, 8 })
        cells << column(model, c).mid(0, 3).join(u'|');
    QCOMPARE(cells, QStringList({ "1,234.56||", "|0.00|50.00", "C|R|", "-1.00|-1.00|49.00" }));
    QCOMPARE(QStringList({ model.index(2, 3).data().toString(),
                 model.index(2, 3).data(Qt::EditRole).toString() }),
        QStringList({ u"—Split—"_s, "Household" }));

    // setData on a row that is not being edited changes the buffer, not the row.
    QVERIFY(model.setData(model.index(1, 2), u"Typed"_s));
    QCOMPARE(column(model, 2), QStringList({ "Grocer", "Refund", "Big Store", "Typed" }));
    QVERIFY(!model.flags(model.index(1, 2)).testFlag(Qt::ItemIsEditable));
    // The row being edited shows its buffer; its balance is not edited.
    model.loadBuffer(pay, u"Dining"_s);
    model.setEditingRow(0);
    QCOMPARE(QStringList({ model.index(0, 3).data().toString(), model.index(0, 5).data().toString(),
                 model.index(0, 7).data().toString(), model.buffer().categoryId }),
        QStringList({ "Dining", "1,234.56", "C", "cat-1" }));
    QVERIFY(model.flags(model.index(0, 5)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.flags(model.index(0, 8)).testFlag(Qt::ItemIsEditable));
    // While an existing row is edited, the new-entry row is blank, unhighlighted.
    QCOMPARE(column(model, 2).last(), QString());
    QVERIFY(!model.index(3, 2).data(Qt::BackgroundRole).isValid());
    // A split being edited still shows as one, whatever its buffer holds.
    model.loadBuffer(split, u"Food"_s);
    model.setEditingRow(2);
    QCOMPARE(
        QStringList({ model.index(2, 3).data().toString(), model.index(2, 6).data().toString() }),
        QStringList({ u"—Split—"_s, "50.00" }));
}

void TestRegisterModel::sortKeysAndTies()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows({ row("old-coffee", QDate(2025, 1, 1), "coffee", -300),
        row("zero", QDate(2025, 1, 2), "Zed", 0),
        row("new-coffee", QDate(2025, 1, 9), "coffee", -500),
        row("apple", QDate(2025, 1, 3), "apple", 1200),
        row("banana", QDate(2025, 1, 4), "Banana", -1) });
    const auto sorted = [&model](int column, Qt::SortOrder order) {
        model.sort(column, order);
        return ids(model).mid(0, 5).join(u' ');
    };
    // Locale-aware: apple, Banana, coffee (not byte order); equal payees
    // show the later date first in both directions. Deposits and zero rank
    // below every payment when sorting by Payment; a zero amount ranks with
    // the payments when sorting by Deposit.
    QCOMPARE(QStringList({ sorted(2, Qt::AscendingOrder), sorted(2, Qt::DescendingOrder),
                 sorted(5, Qt::AscendingOrder), sorted(6, Qt::DescendingOrder) }),
        QStringList({ "apple banana new-coffee old-coffee zero",
            "zero new-coffee old-coffee banana apple", "apple zero banana old-coffee new-coffee",
            "apple new-coffee banana zero old-coffee" }));
    QCOMPARE(model.rowOfTransaction("zero"), 3);

    // Rows of one day keep the order they were entered in, reversed newest
    // first, where the top row's balance is then the account's.
    model.setRows({ row("first", QDate(2025, 2, 1), "Rent", -100, -100),
        row("second", QDate(2025, 2, 1), "Gas", -200, -300),
        row("third", QDate(2025, 2, 1), "Food", -300, -600) });
    model.sort(2, Qt::AscendingOrder);
    QCOMPARE(sorted(0, Qt::DescendingOrder), u"<new> third second first"_s);
    QCOMPARE(model.index(1, 8).data().toString(), u"-6.00"_s);
    QCOMPARE(sorted(0, Qt::AscendingOrder), u"first second third <new>"_s);
}

QTEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
