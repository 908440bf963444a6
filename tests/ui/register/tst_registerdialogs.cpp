#include "DialogTestHelpers.h"
#include "Records.h"
#include "RegisterTestHelpers.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "ui/dialogs/SplitEditorDialog.h"
#include "ui/dialogs/TransactionDetailsDialog.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/widgets/MessageBoxes.h"

#include <QAbstractItemModelTester>
#include <QStandardPaths>

using namespace RegisterTest;
using namespace Qt::StringLiterals;
using Col = RegisterModel::Column;
using DialogTest::whenOpen;

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

class TestRegisterDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { m_reg.emplace(); }
    void cleanup()
    {
        MessageBoxes::clearAnswers();
        m_reg.reset();
    }
    void formsFromTheKeyboardSplitsAndTransfers();
    void sharedRowsKeepWhatTheOwnerHas();
    void sortKeysAndTies();

private:
    QString categoryId(const QString& name) const
    {
        return m_reg->app->categories()->findByName(name)->id;
    }

    std::optional<Fixture> m_reg;
};

void TestRegisterDialogs::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("LEDGERINE_TEST_DISMISS_BOXES", "1");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

void TestRegisterDialogs::formsFromTheKeyboardSplitsAndTransfers()
{
    const Account savings = m_reg->app.addAccount(u"Savings"_s);
    m_reg->show();
    m_reg->enter(u"[Transfer] Savings"_s, u"100"_s);

    // Alt+Return shows the details; "Edit..." leads to the form on the same transaction.
    bool sawDetails = false;
    whenOpen<TransactionDetailsDialog>([&](TransactionDetailsDialog& details) {
        sawDetails = true;
        whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
            DialogTest::retype(DialogTest::field<QWidget>(form, "amountField"), u"125.00"_s);
            DialogTest::clickOk(form);
        });
        QTest::mouseClick(DialogTest::field<QPushButton>(details, "editButton"), Qt::LeftButton);
    });
    m_reg->goTo(0, Col::PayeeColumn);
    QTest::keyClick(m_reg->view(), Qt::Key_Return, Qt::AltModifier);
    QVERIFY(sawDetails);
    // The other leg follows.
    QCOMPARE(std::tuple(m_reg->stored().first().amount, m_reg->stored(savings.id).first().amount,
                 m_reg->cell(0, Col::PaymentColumn).data().toString()),
        std::tuple(qint64(-12500), qint64(12500), u"125.00"_s));

    // Ctrl+N opens a new transaction's form.
    whenOpen<TransactionFormDialog>([](TransactionFormDialog& form) {
        QCOMPARE(form.windowTitle(), u"New Transaction"_s);
        DialogTest::retype(DialogTest::field<QWidget>(form, "payeeEdit"), u"Florist"_s);
        DialogTest::retype(DialogTest::field<QWidget>(form, "amountField"), u"42.00"_s);
        DialogTest::clickOk(form);
    });
    QTest::keyClick(m_reg->view(), Qt::Key_N, Qt::ControlModifier);
    const QList<Transaction> stored = m_reg->stored();
    QCOMPARE(std::tuple(stored.size(), stored.first().payee, stored.first().amount),
        std::tuple(qsizetype(2), u"Florist"_s, qint64(-4200)));
    QCOMPARE(
        m_reg->view()->currentIndex(), m_reg->cell(m_reg->model()->newEntryRow(), Col::DateColumn));

    // A split, the earliest row, is edited through the form and its split editor.
    Transaction receipt
        = m_reg->app.addTransaction(m_reg->checking.id, QDate(2025, 6, 10), "Big Box", -10000);
    receipt.isSplit = true;
    QVERIFY(m_reg->app->transactions()->update(receipt));
    for (const auto& [name, cents] : { std::pair { "Groceries", -6000 }, { "Household", -4000 } }) {
        SplitLine line = Records::splitLine(categoryId(QLatin1String(name)), cents);
        line.transactionId = receipt.id;
        QVERIFY(m_reg->app->splitLines()->insert(line));
    }
    RegisterTableView* view = m_reg->show()->view();

    // A double-click on the split's category opens the form too; cancelled, nothing changes.
    bool opened = false;
    whenOpen<TransactionFormDialog>([&](TransactionFormDialog& form) {
        opened = true;
        form.reject();
    });
    const QPoint category = view->visualRect(m_reg->cell(0, Col::CategoryColumn)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, category); // a widget's double
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, category); // click starts as one
    QVERIFY(opened && !view->currentEditor());

    // Enter on the split's amount opens the form; its splits go over three categories.
    whenOpen<TransactionFormDialog>([this](TransactionFormDialog& form) {
        whenOpen<SplitEditorDialog>([this](SplitEditorDialog& editor) {
            DialogTest::press(editor, "addLineButton");
            for (const auto& [row, name, amount] : { std::tuple { 0, u"Groceries"_s, u"50.00"_s },
                     { 1, u"Household"_s, u"30.00"_s }, { 2, u"Pets"_s, u"20.00"_s } })
                DialogTest::setSplitLine(editor, row, categoryId(name), amount);
            DialogTest::clickOk(editor);
        });
        QTest::mouseClick(form.findChild<QPushButton*>(u"splitButton"_s), Qt::LeftButton);
        DialogTest::clickOk(form);
    });
    m_reg->goTo(0, Col::PaymentColumn);
    QTest::keyClick(view, Qt::Key_Return);

    // Replaced, not added to the two before.
    const QList<SplitLine> lines = m_reg->app->splitLines()->findByTransaction(receipt.id);
    const auto split = m_reg->app->transactions()->findById(receipt.id);
    QCOMPARE(std::tuple(lines.size(), lines.value(0).categoryId, lines.value(0).amount,
                 lines.value(2).categoryId, lines.value(2).amount, split->isSplit, split->amount),
        std::tuple(qsizetype(3), categoryId(u"Groceries"_s), qint64(-5000), categoryId(u"Pets"_s),
            qint64(-2000), true, qint64(-10000)));
    QVERIFY(!view->currentEditor());
}

void TestRegisterDialogs::sharedRowsKeepWhatTheOwnerHas()
{
    // Rows of an account someone shares with us, as the sync leaves them:
    // their category is the owner's, held here by a stand-in, and a transfer
    // may have its other leg in an account of the owner's own.
    const QString foreign = Ids::newId();
    AppState* state = m_reg->app.state();
    QVERIFY(state->categories()->storeStandIn(foreign));
    // The stand-in is offered nowhere.
    QVERIFY(!Records::texts(state->categories()->findAll(), &Category::id).contains(foreign));
    m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 1), QStringLiteral("Hardware"), -1500, foreign);

    // Register: the category cell opened and left as it is, the amount changed.
    m_reg->show();
    QCOMPARE(m_reg->cell(0, Col::CategoryColumn).data().toString(), u"Shared category"_s);
    m_reg->goTo(0, Col::CategoryColumn);
    QLineEdit* editor = m_reg->openEditor(Col::CategoryColumn);
    QVERIFY(editor);
    QCOMPARE(editor->text(), u"Shared category"_s);
    press(Qt::Key_Tab);
    QTRY_COMPARE(m_reg->column(), int(Col::MemoColumn));
    m_reg->model()->setData(m_reg->cell(0, Col::PaymentColumn), u"16"_s);
    press(Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(m_reg->stored().first().amount, qint64(-1600));
    QCOMPARE(m_reg->stored().first().categoryId, foreign);

    // Transaction form and details: shown by its stand-in name and kept.
    {
        const Transaction plain = m_reg->stored().first();
        TransactionFormDialog form(state, plain);
        form.show();
        QCOMPARE(DialogTest::field<CategoryComboBox>(form, "categoryCombo")->currentText(),
            u"Shared category"_s);
        DialogTest::retype(DialogTest::field<QLineEdit>(form, "checkNumberEdit"), u"12"_s);
        DialogTest::clickOk(form);
        QCOMPARE(form.transaction().categoryId, foreign);
        TransactionDetailsDialog details(state, plain);
        QCOMPARE(DialogTest::labelText(details, "categoryValue"), u"Shared category"_s);
    }

    // A transfer leg without its other leg is a plain transaction: its
    // details name no transfer, and deleting asks about this row alone.
    Transaction leg = m_reg->app.addTransaction(
        m_reg->checking.id, QDate(2025, 6, 2), u"Transfer to Savings"_s, -5000);
    leg.transferLinkId = leg.transferDestAccountId = Ids::newId();
    QVERIFY(state->transactions()->update(leg));
    QVERIFY(!TransactionDetailsDialog(state, leg).findChild<QLabel*>(u"transferValue"_s));
    m_reg->show();
    m_reg->goTo(m_reg->model()->rowOfTransaction(leg.id), Col::PayeeColumn);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(
        MessageBoxes::lastShown() && !MessageBoxes::lastShown()->text.contains(u"Both sides"_s));
    QCOMPARE(Records::texts(m_reg->stored(), &Transaction::payee), QStringList({ "Hardware" }));
}

void TestRegisterDialogs::sortKeysAndTies()
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
    TransactionRow rent = row("first", QDate(2025, 2, 1), "Rent", -123456, -123456);
    rent.cleared = true;
    TransactionRow zero = row("second", QDate(2025, 2, 1), "Refund", 0, -123456);
    zero.reconciled = zero.cleared = true;
    TransactionRow split = row("third", QDate(2025, 2, 1), "Big Store", 5000, -118456);
    std::tie(split.isSplit, split.categoryName) = std::tuple(true, u"Household"_s);
    model.setRows({ rent, zero, split });
    model.sort(2, Qt::AscendingOrder);
    QCOMPARE(sorted(0, Qt::DescendingOrder), u"<new> third second first"_s);
    QCOMPARE(model.index(1, 8).data().toString(), u"-1,184.56"_s);
    QCOMPARE(sorted(0, Qt::AscendingOrder), u"first second third <new>"_s);

    // Payment, deposit, Clr and balance; a zero amount is a deposit. A split
    // shows as one, its category held for editing.
    QStringList cells;
    for (int c : { 5, 6, 7, 8 })
        cells << column(model, c).mid(0, 3).join(u'|');
    QCOMPARE(cells,
        QStringList({ "1,234.56||", "|0.00|50.00", "C|R|", "-1,234.56|-1,234.56|-1,184.56" }));
    QCOMPARE(QStringList({ model.index(2, 3).data().toString(),
                 model.index(2, 3).data(Qt::EditRole).toString() }),
        QStringList({ u"—Split—"_s, "Household" }));
    // While an existing row is edited, the new-entry row is blank, unhighlighted.
    model.loadBuffer(rent, u"Dining"_s);
    model.setEditingRow(0);
    QCOMPARE(model.index(0, 3).data().toString(), u"Dining"_s);
    QCOMPARE(column(model, 2).last(), QString());
    QVERIFY(!model.index(3, 2).data(Qt::BackgroundRole).isValid());
}

QTEST_MAIN(TestRegisterDialogs)
#include "tst_registerdialogs.moc"
