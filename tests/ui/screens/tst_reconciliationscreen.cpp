#include "DialogTestHelpers.h"
#include "Records.h"
#include "RegisterTestHelpers.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "services/RecurringService.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/screens/ReconciliationHistoryScreen.h"
#include "ui/screens/ReconciliationModel.h"
#include "ui/screens/ReconciliationScreen.h"
#include "ui/screens/RecurringFormDialog.h"
#include "ui/screens/RecurringModel.h"
#include "ui/screens/RecurringScreen.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QDateEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTranslator>

using namespace Qt::StringLiterals;
using namespace DialogTest;

namespace {

const QDate kToday(2025, 6, 18);

struct Fixture {
    TestAppState app;
    Account checking = app.addAccount(u"Checking"_s);
    std::unique_ptr<ReconciliationScreen> screen;

    void show(const QString& accountId = {})
    {
        screen = std::make_unique<ReconciliationScreen>(app.state());
        screen->resize(1100, 720);
        if (!DialogTest::showActive(*screen))
            qWarning("reconciliation window did not become active");
        screen->setAccount(accountId.isEmpty() ? checking.id : accountId);
    }
    Transaction add(const QString& payee, qint64 amount, bool cleared = false, int day = 1)
    {
        Transaction t = Records::transaction(checking.id, QDate(2025, 6, day), payee, amount);
        t.cleared = cleared;
        app->transactions()->insert(t);
        return t;
    }
    QString value(const char* name) const { return labelText(*screen, name); }
    QTableView* table() const { return screen->table(); }
    ReconciliationModel* model() const { return screen->model(); }
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

RecurringTransaction addSchedule(TestAppState& app, const QString& accountId, const QString& payee,
    const QDate& due, bool autoPost = false)
{
    RecurringTransaction r = Records::recurring(accountId, payee, due);
    r.frequency = Frequency::Daily;
    r.autoPost = autoPost;
    if (!app->recurring()->insert(r))
        qFatal("schedule could not be stored");
    return r;
}

// The context menu's entries on `row` as "text" or "text (disabled)".
QStringList contextMenu(RecurringScreen& screen, int row)
{
    QStringList entries;
    QObject scope;
    whenPopup<QMenu>(
        [&](QMenu& menu) {
            for (QAction* action : menu.actions()) {
                if (!action->isSeparator())
                    entries << action->text() + (action->isEnabled() ? u""_s : u" (disabled)"_s);
            }
            menu.close();
        },
        &scope);
    QTableView* view = screen.view();
    screen.onContextMenu(view->visualRect(screen.model()->index(row, 1)).center());
    return entries;
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
    void ticksSumsAndFinish();
    void mainWindowPostsAtStartAndReconciles();
    void scheduleFormAndTheRecurringWindow();
    void memorizeFromARegisterRow();

private:
    std::optional<Fixture> m_f;
};

void TestReconciliationScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(kToday, QTime(15, 0), Qt::UTC));
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
    if (lastStatement.isValid())
        QVERIFY(m_f->app.exec(
            u"INSERT INTO reconciliations (id, account_id, statement_date, "
            "statement_balance, reconciled_balance, completed_at) VALUES ('r-1', "
            "'%1', '%2', 0, 0, 'now')"_s.arg(savings.id, lastStatement.toString(Qt::ISODate))));
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

void TestReconciliationScreen::ticksSumsAndFinish()
{
    const Transaction power = m_f->add(u"Power"_s, -1'000, true, 2);
    m_f->add(u"Water"_s, -2'000, false, 3);
    m_f->add(u"Bonus"_s, 4'000, true, 4);
    m_f->add(u"Salary"_s, 5'000, false, 5);
    m_f->show();
    QSignalSpy completed(m_f->screen.get(), &ReconciliationScreen::reconciliationCompleted);
    const auto sums = [this] {
        return QStringList({ m_f->value("clearedDepositsValue"),
            m_f->value("clearedWithdrawalsValue"), m_f->value("differenceValue") });
    };

    // With nothing ticked, a statement at the previous balance balances.
    m_f->toggle(0);
    m_f->toggle(2);
    QCOMPARE(sums(), QStringList({ u"$0.00"_s, u"$0.00"_s, u"$0.00"_s }));
    QVERIFY(m_f->finishButton()->isEnabled());
    m_f->toggle(3);
    QCOMPARE(sums(), QStringList({ u"$50.00"_s, u"$0.00"_s, u"-$50.00"_s }));

    // A new row starts ticked only when it was entered as cleared.
    answerForm(u"Fee"_s, u"3"_s, false, false);
    m_f->press(Qt::Key_Insert);
    QCOMPARE(m_f->model()->rowCount(), 5);
    answerForm(u"Refund"_s, u"7"_s, true, true);
    m_f->press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(
        std::tuple(m_f->model()->rowCount(), m_f->model()->tickedIds().size()), std::tuple(6, 2));
    QCOMPARE(sums().first(), u"$57.00"_s);

    // Deleting the ticked salary takes it out of the list and the sums.
    m_f->table()->setCurrentIndex(m_f->model()->index(3, ReconciliationModel::DateColumn));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    m_f->press(Qt::Key_Delete);
    QCOMPARE(MessageBoxes::lastShown()->text, u"Delete the transaction for Salary?"_s);
    QCOMPARE(
        std::tuple(m_f->model()->rowCount(), m_f->model()->tickedIds().size()), std::tuple(5, 1));
    QCOMPARE(sums().first(), u"$7.00"_s);

    m_f->toggle(0);
    retype(field<SmartAmountField>(*m_f->screen, "statementBalanceField"), u"-3.01"_s);
    QCOMPARE(m_f->value("differenceValue"), u"-$0.01"_s);
    QVERIFY(!m_f->finishButton()->isEnabled());
    retype(field<SmartAmountField>(*m_f->screen, "statementBalanceField"), u"-3.00"_s);
    QCOMPARE(m_f->value("clearedBalanceValue"), u"-$3.00"_s);
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
    // Payee, cleared and reconciled of each live row.
    QCOMPARE(m_f->app.column(u"SELECT payee || cleared || reconciled FROM transactions"
                             " WHERE deleted_at IS NULL ORDER BY payee"_s),
        QStringList({ u"Bonus10"_s, u"Fee00"_s, u"Power11"_s, u"Refund11"_s, u"Water00"_s }));
    const auto history = m_f->app->reconciliations()->findByAccount(m_f->checking.id);
    QCOMPARE(history.size(), 1);
    QCOMPARE(std::tuple(history.first().statementDate, history.first().statementBalance,
                 history.first().reconciledBalance),
        std::tuple(Clock::today(), -300, -300));
}

void TestReconciliationScreen::mainWindowPostsAtStartAndReconciles()
{
    QSettings().remove(u"mainwindow"_s);
    QTranslator english;
    QVERIFY(english.load(u":/i18n/ledgerine_en.qm"_s));
    QVERIFY(QCoreApplication::installTranslator(&english));
    addSchedule(m_f->app, m_f->checking.id, u"Coffee"_s, kToday.addDays(-7), true);
    const auto paper = addSchedule(m_f->app, m_f->checking.id, u"Paper"_s, kToday);
    MainWindow window(m_f->app.state());
    QVERIFY(DialogTest::showActive(window));
    QTRY_COMPARE(window.statusLine()->currentMessage(), u"Auto-posted 8 recurring transactions"_s);
    QCOMPARE(labelText(window, "recurringDueLabel"), u"  •  1 recurring due"_s);
    // The message has the line to itself until it goes.
    auto* dueLabel = window.statusLine()->findChild<QLabel*>(u"recurringDueLabel"_s);
    QVERIFY(!dueLabel->isVisible());
    window.statusLine()->clearMessage();
    QVERIFY(dueLabel->isVisible());
    QCOMPARE(m_f->app->transactions()->findByAccount(m_f->checking.id).size(), 8);
    QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
    auto* recurring = window.findChild<RecurringScreen*>();
    QVERIFY(recurring && recurring->isVisible());
    QCOMPARE(recurring->model()->rowCount(), 2);
    // Skipping the manual one leaves nothing due.
    recurring->view()->selectRow(recurring->model()->rowOf(paper.id));
    recurring->skipSelected();
    QVERIFY(!dueLabel->isVisible());

    QApplication::setActiveWindow(&window);
    m_f->app->setCurrentAccountId(QString());
    window.showReconciliationWindow();
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

void TestReconciliationScreen::scheduleFormAndTheRecurringWindow()
{
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    const Account yen = app.addAccount(u"Tokyo"_s, 0, Currency::JPY);

    RecurringFormDialog form(app.state());
    retype(field<QLineEdit>(form, "payeeEdit"), u"Gym"_s);
    retype(field<SmartAmountField>(form, "amountField"), u"12.34"_s);
    RecurringTransaction r = form.recurring();
    QCOMPARE(std::tuple(r.amount, r.nextDueDate, r.id.size()), std::tuple(-1234, kToday, 36));
    click(field<QRadioButton>(form, "depositRadio"));
    QCOMPARE(form.recurring().amount, 1234);
    // Yen are whole.
    auto* accounts = field<QComboBox>(form, "accountCombo");
    accounts->setCurrentIndex(accounts->findData(yen.id));
    retype(field<SmartAmountField>(form, "amountField"), u"1500"_s);
    QCOMPARE(
        std::tuple(form.recurring().amount, form.recurring().accountId), std::tuple(1500, yen.id));

    // Editing another field of a schedule that is behind keeps its due date.
    RecurringTransaction behind = Records::recurring(yen.id, u"Rent"_s, kToday.addMonths(-3));
    behind.startDate = kToday.addMonths(-5);
    behind.version = 4;
    RecurringFormDialog edit(app.state(), behind, RecurringFormDialog::Mode::Edit);
    QVERIFY(!field<QComboBox>(edit, "accountCombo")->isEnabled());
    retype(field<QLineEdit>(edit, "payeeEdit"), u"Rent (flat)"_s);
    r = edit.recurring();
    QCOMPARE(std::tie(r.id, r.payee, r.nextDueDate, r.version),
        std::tuple(behind.id, u"Rent (flat)"_s, behind.nextDueDate, 5));
    // A new start date is where it goes on, even in the past.
    field<QDateEdit>(edit, "startDateEdit")->setDate(kToday.addDays(-2));
    QCOMPARE(edit.recurring().nextDueDate, kToday.addDays(-2));

    const Account euro = app.addAccount(u"Euro"_s, 0, Currency::EUR);
    const auto due = addSchedule(app, checking.id, u"Paper"_s, kToday.addDays(-1));
    RecurringTransaction asleep = addSchedule(app, checking.id, u"Asleep"_s, kToday.addDays(-9));
    asleep.isActive = false;
    QVERIFY(app->recurring()->update(asleep));
    RecurringTransaction abroad = addSchedule(app, checking.id, u"Abroad"_s, kToday);
    abroad.transferDestAccountId = euro.id;
    abroad.amount = -150000;
    QVERIFY(app->recurring()->update(abroad));

    RecurringScreen screen(app.state());
    screen.resize(700, 500);
    screen.show();
    screen.refresh();
    RecurringModel* model = screen.model();
    QCOMPARE(labelText(screen, "dueCountLabel"), u"(2 due)"_s);
    const int paper = model->rowOf(due.id);
    // The list names the frequency as the form offers it, not as it is stored.
    QCOMPARE(model->index(paper, RecurringModel::FrequencyColumn).data().toString(), u"Daily"_s);
    QCOMPARE(contextMenu(screen, paper),
        (QStringList { u"&Edit"_s, u"&Confirm"_s, u"&Skip"_s, u"&Delete"_s }));
    QCOMPARE(contextMenu(screen, model->rowOf(asleep.id)),
        (QStringList {
            u"&Edit"_s, u"&Confirm (disabled)"_s, u"&Skip (disabled)"_s, u"&Delete"_s }));

    QSignalSpy changed(&screen, &RecurringScreen::transactionsChanged);
    screen.view()->selectRow(paper);
    screen.confirmSelected();
    QCOMPARE(changed.count(), 1);
    QVERIFY(app->transactions()->findById(RecurringService::occurrenceId(due.id, due.nextDueDate)));
    QCOMPARE(app->recurring()->findById(due.id)->nextDueDate, kToday);
    // The selection stays on the schedule, which is due once more.
    screen.skipSelected();
    QCOMPARE(app->recurring()->findById(due.id)->nextDueDate, kToday.addDays(1));
    QCOMPARE(labelText(screen, "dueCountLabel"), u"(1 due)"_s);

    // A refused transfer is explained, and nothing changed.
    screen.view()->selectRow(model->rowOf(abroad.id));
    expectWarning("currencies differ");
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.confirmSelected();
    QCOMPARE(changed.count(), 1);
    QVERIFY(MessageBoxes::lastShown()->text.contains(u"same currency"_s));

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    screen.deleteSelected();
    QVERIFY(app->recurring()->findById(abroad.id)->deletedAt);
    QCOMPARE(MessageBoxes::lastShown()->text, u"Delete recurring \"Abroad\"?"_s);
    QCOMPARE(labelText(screen, "dueCountLabel"), QString());
    // Nothing due: Confirm All changes nothing and says nothing.
    press(screen, "confirmAllButton");
    QCOMPARE(changed.count(), 1);
}

void TestReconciliationScreen::memorizeFromARegisterRow()
{
    RegisterTest::Fixture reg;
    const auto groceries = reg.app->categories()->findByName(u"Groceries"_s);
    const Transaction shop = reg.app.addTransaction(
        reg.checking.id, QDate(2025, 6, 3), u"Corner Market"_s, -8217, groceries->id);
    const Transaction old
        = reg.app.addTransaction(reg.checking.id, QDate(1999, 5, 1), u"Old"_s, -100);
    reg.show();
    reg.goTo(reg.model()->rowOfTransaction(shop.id), RegisterModel::PayeeColumn);

    QStringList seen;
    whenOpen<RecurringFormDialog>([&](RecurringFormDialog& f) {
        seen << f.windowTitle() << field<QLineEdit>(f, "payeeEdit")->text()
             << field<SmartAmountField>(f, "amountField")->text()
             << field<QComboBox>(f, "categoryCombo")->currentText()
             << field<QComboBox>(f, "frequencyCombo")->currentText()
             << field<QDateEdit>(f, "startDateEdit")->date().toString(Qt::ISODate)
             << (field<QRadioButton>(f, "paymentRadio")->isChecked() ? u"payment"_s : u""_s);
        clickOk(f);
    });
    RegisterTest::press(Qt::Key_M, Qt::ControlModifier);
    QTRY_VERIFY(!seen.isEmpty());
    QCOMPARE(seen,
        (QStringList { u"Memorize Transaction"_s, u"Corner Market"_s, u"$ 82.17"_s, u"Groceries"_s,
            u"Monthly"_s, u"2025-06-03"_s, u"payment"_s }));
    const QList<RecurringTransaction> schedules = reg.app->recurring()->findAll();
    QCOMPARE(schedules.size(), 1);
    const RecurringTransaction& made = schedules.first();
    // The memorized transaction is the June occurrence already.
    QCOMPARE(
        std::tie(made.amount, made.categoryId, made.startDate, made.nextDueDate, made.updatedAt),
        std::tuple(-8217, groceries->id, QDate(2025, 6, 3), QDate(2025, 7, 3), made.createdAt));
    QVERIFY(reg.footerShows(u"Transaction memorized as recurring"_s));

    // A date before 2000 would post decades of occurrences: refused.
    reg.goTo(reg.model()->rowOfTransaction(old.id), RegisterModel::PayeeColumn);
    RegisterTest::press(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(reg.footerShows(u"Cannot memorize: source transaction has an invalid date"_s));
    QCOMPARE(reg.app->recurring()->findAll().size(), 1);
}

QTEST_MAIN(TestReconciliationScreen)
#include "tst_reconciliationscreen.moc"
