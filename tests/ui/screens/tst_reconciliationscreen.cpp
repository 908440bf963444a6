#include "DialogTestHelpers.h"
#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/ReconciliationRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/register/RegisterScreen.h"
#include "ui/screens/ReconciliationHistoryScreen.h"
#include "ui/screens/ReconciliationModel.h"
#include "ui/screens/ReconciliationScreen.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QSignalSpy>
#include <QTableView>

using namespace Qt::StringLiterals;
using DialogTest::field;
using DialogTest::labelText;

namespace {

struct Fixture {
    TestAppState app;
    Account checking = app.addAccount(u"Checking"_s);
    std::unique_ptr<ReconciliationScreen> screen;

    ReconciliationScreen* show(const QString& accountId = {})
    {
        screen = std::make_unique<ReconciliationScreen>(app.state());
        screen->resize(1100, 720);
        screen->show();
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get()))
            qWarning("reconciliation window did not become active");
        screen->setAccount(accountId.isEmpty() ? checking.id : accountId);
        return screen.get();
    }
    Transaction add(const QString& payee, qint64 amount, bool cleared = false, int day = 1)
    {
        Transaction t = app.addTransaction(checking.id, QDate(2025, 6, day), payee, amount);
        if (cleared) {
            t.cleared = true;
            app->transactions()->update(t);
        }
        return t;
    }
    QString value(const char* name) const { return labelText(*screen, name); }
    QTableView* table() const { return screen->table(); }
    ReconciliationModel* model() const { return screen->model(); }
    QStringList payees() const
    {
        return Records::texts(model()->transactions(), &Transaction::payee);
    }
    // Space on the row, as the user ticks it.
    void toggle(int row) const
    {
        table()->setCurrentIndex(model()->index(row, ReconciliationModel::PayeeColumn));
        press(Qt::Key_Space);
    }
    // A key to the table, as typed there; a closed dialog can leave the
    // offscreen platform with no active window for the screen's shortcuts.
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) const
    {
        QApplication::setActiveWindow(screen.get());
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key(key), mods);
    }
    void typeStatement(const QString& text) const
    {
        DialogTest::retype(field<SmartAmountField>(*screen, "statementBalanceField"), text);
    }
    QPushButton* finishButton() const { return field<QPushButton>(*screen, "finishButton"); }
};

// Fills the transaction form about to open and presses OK.
void answerForm(const QString& payee, const QString& amount, bool deposit, bool cleared)
{
    DialogTest::whenOpen<TransactionFormDialog>([=](TransactionFormDialog& form) {
        DialogTest::retype(field<QLineEdit>(form, "payeeEdit"), payee);
        DialogTest::retype(field<SmartAmountField>(form, "amountField"), amount);
        if (deposit)
            DialogTest::press(form, "depositRadio");
        if (cleared)
            DialogTest::press(form, "clearedCheck");
        DialogTest::clickOk(form);
    });
}

} // namespace

class TestReconciliationScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { m_f.emplace(); }
    void cleanup()
    {
        m_f.reset();
        MessageBoxes::clearAnswers();
    }
    void defaultStatementDate_data();
    void defaultStatementDate();
    void ticksSurviveAddAndDelete();
    void finishStoresExactlyTheTickedRowsOrNothing();
    void openedFromTheMainWindow();

private:
    std::optional<Fixture> m_f;
};

void TestReconciliationScreen::initTestCase()
{
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

void TestReconciliationScreen::defaultStatementDate_data()
{
    QTest::addColumn<QDate>("lastStatement");
    QTest::addColumn<QDate>("reconciledOn");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("first reconciliation") << QDate() << QDate() << QDate(2025, 6, 18);
    QTest::newRow("31 January") << QDate(2025, 1, 31) << QDate() << QDate(2025, 2, 28);
    QTest::newRow("reconciled after the statement")
        << QDate(2025, 1, 31) << QDate(2025, 3, 10) << QDate(2025, 4, 10);
    QTest::newRow("reconciled before the statement")
        << QDate(2025, 3, 31) << QDate(2025, 3, 10) << QDate(2025, 4, 30);
}

void TestReconciliationScreen::defaultStatementDate()
{
    QFETCH(QDate, lastStatement);
    QFETCH(QDate, reconciledOn);
    QFETCH(QDate, expected);
    const Account savings = m_f->app.addAccount(u"Savings"_s, 12'345);
    if (lastStatement.isValid()) {
        Reconciliation r;
        r.id = u"r-1"_s;
        r.accountId = savings.id;
        r.statementDate = lastStatement;
        r.completedAt = Clock::nowUtc();
        QVERIFY(m_f->app->reconciliations()->insert(r));
    }
    if (reconciledOn.isValid()) {
        Transaction t = m_f->app.addTransaction(savings.id, reconciledOn, u"Interest"_s, 5'000);
        t.cleared = t.reconciled = true;
        QVERIFY(m_f->app->transactions()->update(t));
    }
    m_f->show(savings.id);
    QCOMPARE(field<DateField>(*m_f->screen, "statementDateField")->date(), expected);
    QCOMPARE(
        m_f->value("previousBalanceValue"), reconciledOn.isValid() ? u"$173.45"_s : u"$123.45"_s);
    QCOMPARE(m_f->model()->rowCount(), 0);
}

void TestReconciliationScreen::ticksSurviveAddAndDelete()
{
    m_f->add(u"Power"_s, -1'000, true, 2);
    m_f->add(u"Water"_s, -2'000, false, 3);
    m_f->add(u"Salary"_s, 5'000, false, 4);
    m_f->show();
    m_f->toggle(2);
    QCOMPARE(
        QStringList({ m_f->value("clearedDepositsValue"), m_f->value("clearedWithdrawalsValue") }),
        QStringList({ u"$50.00"_s, u"-$10.00"_s }));

    // A new row starts ticked only when it was entered as cleared.
    answerForm(u"Fee"_s, u"3"_s, false, false);
    m_f->press(Qt::Key_Insert);
    QCOMPARE(m_f->model()->rowCount(), 4);
    answerForm(u"Refund"_s, u"7"_s, true, true);
    m_f->press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_f->model()->rowCount(), 5);
    QCOMPARE(m_f->model()->tickedIds().size(), 3);
    QCOMPARE(
        QStringList({ m_f->value("clearedDepositsValue"), m_f->value("clearedWithdrawalsValue") }),
        QStringList({ u"$57.00"_s, u"-$10.00"_s }));

    // Deleting the ticked salary takes it out of the list and the sums.
    m_f->table()->setCurrentIndex(
        m_f->model()->index(m_f->payees().indexOf(u"Salary"_s), ReconciliationModel::DateColumn));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    m_f->press(Qt::Key_Delete);
    QCOMPARE(MessageBoxes::lastShown()->text, u"Delete the transaction for Salary?"_s);
    QVERIFY(!m_f->payees().contains(u"Salary"_s));
    QCOMPARE(m_f->value("clearedDepositsValue"), u"$7.00"_s);
    QCOMPARE(m_f->model()->tickedIds().size(), 2);
    QCOMPARE(m_f->app->transactions()->findByAccount(m_f->checking.id).size(), 4);
}

void TestReconciliationScreen::finishStoresExactlyTheTickedRowsOrNothing()
{
    const Transaction power = m_f->add(u"Power"_s, -1'000, true, 2);
    const Transaction water = m_f->add(u"Water"_s, -2'000, false, 3);
    const Transaction bonus = m_f->add(u"Bonus"_s, 4'000, true, 4);
    const Transaction salary = m_f->add(u"Salary"_s, 5'000, false, 5);
    m_f->show();
    QSignalSpy completed(m_f->screen.get(), &ReconciliationScreen::reconciliationCompleted);

    // With nothing ticked, a statement at the previous balance balances.
    m_f->toggle(0);
    m_f->toggle(2);
    QVERIFY(m_f->model()->tickedIds().isEmpty());
    QCOMPARE(m_f->value("differenceValue"), u"$0.00"_s);
    QVERIFY(m_f->finishButton()->isEnabled());

    m_f->toggle(0);
    m_f->toggle(3);
    m_f->typeStatement(u"39.99"_s);
    QCOMPARE(m_f->value("differenceValue"), u"-$0.01"_s);
    QVERIFY(!m_f->finishButton()->isEnabled());
    m_f->typeStatement(u"40.00"_s);
    QCOMPARE(m_f->value("clearedBalanceValue"), u"$40.00"_s);
    QVERIFY(m_f->finishButton()->isEnabled());

    // A store that refuses the write keeps everything as it was.
    QVERIFY(m_f->app.exec(u"CREATE TEMP TRIGGER refuse BEFORE INSERT ON reconciliations "
                          "BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_f->finishButton(), Qt::LeftButton);
    QCOMPARE(std::tuple(MessageBoxes::lastShown()->text, completed.size()),
        std::tuple(u"The reconciliation could not be saved."_s, 0));
    QVERIFY(!m_f->app->transactions()->findById(power.id)->reconciled);
    QVERIFY(m_f->app->reconciliations()->findByAccount(m_f->checking.id).isEmpty());
    QCOMPARE(m_f->model()->tickedIds().size(), 2);
    QVERIFY(m_f->finishButton()->isEnabled());
    QVERIFY(m_f->app.exec(u"DROP TRIGGER refuse"_s));

    // A second click, and Return on the button, land while the first is done.
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(m_f->finishButton(), Qt::LeftButton);
    QTest::mouseClick(m_f->finishButton(), Qt::LeftButton);
    QTest::keyClick(m_f->finishButton(), Qt::Key_Return);
    m_f->screen->finish();
    QCOMPARE(completed.size(), 1);
    QCOMPARE(MessageBoxes::lastShown()->title, u"Reconciliation Complete"_s);

    QStringList marks;
    for (const Transaction& t : { power, salary, bonus, water }) {
        const auto stored = *m_f->app->transactions()->findById(t.id);
        marks << QStringLiteral("%1%2").arg(int(stored.cleared)).arg(int(stored.reconciled));
    }
    QCOMPARE(marks, QStringList({ u"11"_s, u"11"_s, u"10"_s, u"00"_s }));
    const auto history = m_f->app->reconciliations()->findByAccount(m_f->checking.id);
    QCOMPARE(history.size(), 1);
    QCOMPARE(std::tuple(history.first().statementDate, history.first().statementBalance,
                 history.first().reconciledBalance),
        std::tuple(Clock::today(), 4'000, 4'000));
}

void TestReconciliationScreen::openedFromTheMainWindow()
{
    MainWindow window(m_f->app.state());
    QVERIFY(DialogTest::showActive(window));
    m_f->app->setCurrentAccountId(QString());
    window.showReconciliationWindow();
    QCOMPARE(window.statusLine()->currentMessage(), u"Select an account first"_s);
    window.showReconciliationHistoryWindow();
    QCOMPARE(window.statusLine()->currentMessage(), u"Select an account first"_s);

    m_f->add(u"Power"_s, -1'000, true);
    window.selectAccount(m_f->checking.id);
    // A history opened before the first reconciliation fills in when it is done.
    window.showReconciliationHistoryWindow();
    auto* history = window.findChild<ReconciliationHistoryScreen*>();
    QVERIFY(history && history->isVisible());
    QVERIFY(!labelText(*history, "historyEmpty").isEmpty() && history->table()->isHidden());
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    // Asking again brings back the window already open.
    window.showReconciliationWindow();
    const auto open = window.findChildren<ReconciliationScreen*>();
    QCOMPARE(open.size(), 1);
    ReconciliationScreen* screen = open.first();
    QTRY_VERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), u"Reconcile — Checking"_s);

    DialogTest::retype(field<SmartAmountField>(*screen, "statementBalanceField"), u"-10"_s);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::mouseClick(field<QPushButton>(*screen, "finishButton"), Qt::LeftButton);
    QTRY_VERIFY(window.findChildren<ReconciliationScreen*>().isEmpty());
    QCOMPARE(
        window.registerScreen()->model()->index(0, RegisterModel::ClearedColumn).data(), u"R"_s);

    QVERIFY(history->table()->isVisibleTo(history));
    QCOMPARE(QStringList({ history->windowTitle(), labelText(*history, "historyTitle"),
                 history->table()->item(0, 1)->text(), history->table()->item(0, 2)->text() }),
        QStringList({ u"Reconciliation History"_s, u"Reconciliation History — Checking"_s,
            u"-$10.00"_s, u"-$10.00"_s }));
    QCOMPARE(history->table()->rowCount(), 1);
}

QTEST_MAIN(TestReconciliationScreen)
#include "tst_reconciliationscreen.moc"
