#include "DialogTestHelpers.h"
#include "Records.h"
#include "RegisterTestHelpers.h"
#include "TestDatabase.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"
#include "services/RecurringService.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/screens/RecurringFormDialog.h"
#include "ui/screens/RecurringModel.h"
#include "ui/screens/RecurringScreen.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTranslator>

using namespace DialogTest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2025, 6, 18);

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

class TestRecurringScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { MessageBoxes::clearAnswers(); }

    void formModesAndTheScreensConfirmSkipAndRefusal();
    void memorizeFromARegisterRow();
    void mainWindowPostsAtStartAndCountsWhatIsDue();
};

void TestRecurringScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(kToday, QTime(15, 0), Qt::UTC));
}

void TestRecurringScreen::formModesAndTheScreensConfirmSkipAndRefusal()
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
    QCOMPARE(model->index(model->rowOf(abroad.id), RecurringModel::AmountColumn).data().toString(),
        u"-$1,500.00"_s);
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
    QVERIFY(MessageBoxes::lastShown());
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

void TestRecurringScreen::memorizeFromARegisterRow()
{
    RegisterTest::Fixture reg;
    const auto groceries = reg.app->categories()->findByName(u"Groceries"_s);
    const Transaction shop = reg.app.addTransaction(
        reg.checking.id, QDate(2025, 6, 3), u"Corner Market"_s, -8217, groceries->id);
    Transaction old = reg.add(u"Old"_s, -100);
    old.date = QDate(1999, 5, 1);
    QVERIFY(reg.app->transactions()->update(old));
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

    reg.goTo(reg.model()->rowOfTransaction(old.id), RegisterModel::PayeeColumn);
    RegisterTest::press(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(reg.footerShows(u"Cannot memorize: source transaction has an invalid date"_s));
    QCOMPARE(reg.app->recurring()->findAll().size(), 1);
}

void TestRecurringScreen::mainWindowPostsAtStartAndCountsWhatIsDue()
{
    QSettings().remove(u"mainwindow"_s);
    QTranslator english;
    QVERIFY(english.load(u":/i18n/ledgerine_en.qm"_s));
    QVERIFY(QCoreApplication::installTranslator(&english));
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    addSchedule(app, checking.id, u"Coffee"_s, kToday.addDays(-7), true);
    const auto paper = addSchedule(app, checking.id, u"Paper"_s, kToday);

    MainWindow window(app.state());
    window.show();
    QTRY_COMPARE(window.statusLine()->currentMessage(), u"Auto-posted 8 recurring transactions"_s);
    QCOMPARE(labelText(window, "recurringDueLabel"), u"  •  1 recurring due"_s);
    // The message has the line to itself until it goes.
    auto* dueLabel = window.statusLine()->findChild<QLabel*>(u"recurringDueLabel"_s);
    QVERIFY(!dueLabel->isVisible());
    window.statusLine()->clearMessage();
    QVERIFY(dueLabel->isVisible());
    QCOMPARE(app->transactions()->findByAccount(checking.id).size(), 8);
    const auto timers = window.findChildren<QTimer*>();
    QVERIFY(std::any_of(timers.begin(), timers.end(),
        [](QTimer* t) { return t->isActive() && t->interval() == 3600000; }));

    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
    auto* screen = window.findChild<RecurringScreen*>();
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->windowTitle(), u"Recurring Transactions"_s);
    QCOMPARE(screen->model()->rowCount(), 2);
    // Skipping the manual one leaves nothing due.
    screen->view()->selectRow(screen->model()->rowOf(paper.id));
    screen->skipSelected();
    QVERIFY(!dueLabel->isVisible());
}

QTEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
