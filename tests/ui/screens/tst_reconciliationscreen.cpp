#include "DialogTestHelpers.h"
#include "Records.h"
#include "RegisterTestHelpers.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/CategoryService.h"
#include "services/RecurringService.h"
#include "ui/dialogs/TransactionFormDialog.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/screens/CategoriesScreen.h"
#include "ui/screens/CategoryTreeModel.h"
#include "ui/screens/PayeeScreen.h"
#include "ui/screens/ReconciliationHistoryScreen.h"
#include "ui/screens/ReconciliationModel.h"
#include "ui/screens/ReconciliationScreen.h"
#include "ui/screens/RecurringFormDialog.h"
#include "ui/screens/RecurringModel.h"
#include "ui/screens/RecurringScreen.h"
#include "ui/screens/SearchResultsModel.h"
#include "ui/screens/SearchScreen.h"
#include "ui/widgets/DateField.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QDateEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTranslator>
#include <QTreeWidget>

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

// Enters a cleared deposit in the transaction form about to open.
void answerForm(const QString& payee, const QString& amount)
{
    DialogTest::whenOpen<TransactionFormDialog>([=](TransactionFormDialog& form) {
        DialogTest::retype(field<QLineEdit>(form, "payeeEdit"), payee);
        DialogTest::retype(field<SmartAmountField>(form, "amountField"), amount);
        DialogTest::press(form, "depositRadio");
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

Transaction addWithMemo(TestAppState& app, const QString& accountId, int daysAgo,
    const QString& payee, const QString& memo, bool cleared = false)
{
    Transaction t = Records::transaction(accountId, kToday.addDays(-daysAgo), payee, -1000);
    t.memo = memo;
    t.cleared = cleared;
    if (!app->transactions()->insert(t))
        qFatal("transaction could not be stored");
    return t;
}

QStringList payees(const SearchScreen& screen)
{
    QStringList out;
    for (int row = 0; row < screen.model()->rowCount(); ++row)
        out << screen.model()->transactionAt(row)->payee;
    return out;
}

Category addCategory(TestAppState& app, const QString& name, const QString& parentId = {},
    CategoryType type = CategoryType::Expense)
{
    const Category c = Records::category(name, parentId, type);
    if (!app->categories()->insert(c))
        qFatal("category could not be stored");
    return c;
}

QModelIndex shown(const CategoriesScreen& screen, const QString& id)
{
    return screen.proxy()->mapFromSource(screen.model()->indexOf(id));
}

// "payee|count|Similar" for every row of the list.
QStringList rows(const PayeeScreen& screen)
{
    QStringList out;
    for (int i = 0; i < screen.list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = screen.list()->topLevelItem(i);
        out << QStringList(
            { item->text(PayeeScreen::PayeeColumn), item->text(PayeeScreen::CountColumn),
                item->text(PayeeScreen::SimilarColumn) })
                   .join(u'|');
    }
    return out;
}

void select(PayeeScreen& screen, const QStringList& payees)
{
    screen.list()->clearSelection();
    for (int i = 0; i < screen.list()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = screen.list()->topLevelItem(i);
        item->setSelected(payees.contains(item->text(PayeeScreen::PayeeColumn)));
    }
}

} // namespace

class TestReconciliationScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init()
    {
        Clock::setFixedUtc(QDateTime(kToday, QTime(9, 30), Qt::UTC));
        m_f.emplace();
    }
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
    void treeFilterExpansionAndDeletion();
    void payeeRenameAndMergeCountLiveRows();
    void searchTypingAndFilters();

private:
    std::optional<Fixture> m_f;
};

void TestReconciliationScreen::defaultStatementDate_data()
{
    QTest::addColumn<QDate>("lastStatement");
    QTest::addColumn<QDate>("reconciledOn");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("first reconciliation") << QDate() << QDate() << QDate(2025, 6, 18);
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

    // A row entered as cleared starts ticked.
    answerForm(u"Refund"_s, u"7"_s);
    m_f->press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(
        std::tuple(m_f->model()->rowCount(), m_f->model()->tickedIds().size()), std::tuple(5, 2));
    QCOMPARE(sums().first(), u"$57.00"_s);

    // Deleting the ticked salary takes it out of the list and the sums.
    m_f->table()->setCurrentIndex(m_f->model()->index(3, ReconciliationModel::DateColumn));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    m_f->press(Qt::Key_Delete);
    QCOMPARE(MessageBoxes::lastShown()->text, u"Delete the transaction for Salary?"_s);
    QCOMPARE(
        std::tuple(m_f->model()->rowCount(), m_f->model()->tickedIds().size()), std::tuple(4, 1));
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
        QStringList({ u"Bonus10"_s, u"Power11"_s, u"Refund11"_s, u"Water00"_s }));
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
    addSchedule(m_f->app, m_f->checking.id, u"Paper"_s, kToday);
    MainWindow window(m_f->app.state());
    QVERIFY(DialogTest::showActive(window));
    QTRY_COMPARE(window.statusLine()->currentMessage(), u"Auto-posted 8 recurring transactions"_s);
    QCOMPARE(labelText(window, "recurringDueLabel"), u"  •  1 recurring due"_s);
    QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
    auto* recurring = window.findChild<RecurringScreen*>();
    QVERIFY(recurring && recurring->isVisible());
    QCOMPARE(recurring->model()->rowCount(), 2);

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

void TestReconciliationScreen::treeFilterExpansionAndDeletion()
{
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    const Category car = addCategory(app, u"Car"_s);
    const Category fuel = addCategory(app, u"Fuel"_s, car.id);
    const Category other = addCategory(app, u"Other"_s);
    app.addTransaction(checking.id, QDate(2025, 6, 1), u"A"_s, -100, car.id);
    const Transaction onFuel
        = app.addTransaction(checking.id, QDate(2025, 6, 2), u"B"_s, -200, fuel.id);
    const Transaction onOther
        = app.addTransaction(checking.id, QDate(2025, 6, 3), u"C"_s, -300, other.id);
    const Transaction deleted
        = app.addTransaction(checking.id, QDate(2025, 6, 4), u"D"_s, -400, fuel.id);
    QVERIFY(app->transactions()->softDelete(deleted.id));
    SplitLine line = Records::splitLine(fuel.id, -300);
    line.transactionId = onOther.id;
    QVERIFY(app->splitLines()->insert(line));
    QVERIFY(app->transactions()->markSynced(onOther.id, u"srv-1"_s));
    RecurringTransaction monthly
        = Records::recurring(checking.id, u"Fuel card"_s, QDate(2025, 7, 1));
    monthly.categoryId = fuel.id;
    QVERIFY(app->recurring()->insert(monthly) && app->recurring()->markSynced(monthly.id, u"s"_s));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 19), QTime(8, 0), Qt::UTC));

    // A write that fails partway leaves categories and transactions as they were.
    QVERIFY(app.exec(
        u"CREATE TRIGGER stop BEFORE UPDATE ON transactions BEGIN SELECT RAISE(ABORT, 'stop'); END"_s));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"clearCategories failed"_s));
    QVERIFY(!app->categoryService()->remove(car.id).removed);
    QVERIFY(!app->categories()->findById(car.id)->deletedAt
        && !app->categories()->findById(fuel.id)->deletedAt);
    QCOMPARE(app->transactions()->findById(onFuel.id)->categoryId, fuel.id);
    QVERIFY(app.exec(u"DROP TRIGGER stop"_s));

    const Category meals = addCategory(app, u"Meals"_s);
    const Category food = addCategory(app, u"Food"_s, meals.id);
    const Category gone = addCategory(app, u"Old Parent"_s);
    const Category orphan = addCategory(app, u"Orphan"_s, gone.id);
    const Category bonus = addCategory(app, u"Bonus"_s, {}, CategoryType::Income);
    QVERIFY(app->categories()->softDelete(gone.id));

    CategoriesScreen screen(app.state());
    QAbstractItemModelTester tester(
        screen.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    screen.show();
    screen.reload();
    CategoryTreeModel* model = screen.model();

    // A sub-category whose parent was deleted stands at the top level.
    QVERIFY(model->indexOf(orphan.id).isValid() && !model->indexOf(orphan.id).parent().isValid());
    QVERIFY(!model->indexOf(gone.id).isValid());
    QCOMPARE(model->indexOf(food.id).parent(), model->indexOf(meals.id));
    const QModelIndex bonusType = model->indexOf(bonus.id).siblingAtColumn(1);
    QCOMPARE(model->data(bonusType).toString(), u"income"_s);
    QCOMPARE(model->data(bonusType, Qt::ForegroundRole).value<QBrush>().color(), QColor(0, 136, 0));

    // Searching keeps the parents of what matches, opened; clearing closes them.
    QTest::keyClicks(screen.searchLine(), u"foo"_s);
    QVERIFY(shown(screen, food.id).isValid() && shown(screen, meals.id).isValid());
    QVERIFY(!shown(screen, bonus.id).isValid());
    QVERIFY(screen.view()->isExpanded(shown(screen, meals.id)));
    screen.searchLine()->clear();
    QVERIFY(shown(screen, bonus.id).isValid());
    QVERIFY(!screen.view()->isExpanded(shown(screen, meals.id)));

    // Closed with a search and opened again, the window shows the whole tree.
    QTest::keyClicks(screen.searchLine(), u"foo"_s);
    screen.close();
    screen.reload();
    screen.show();
    QVERIFY(screen.searchLine()->text().isEmpty());
    QVERIFY(shown(screen, bonus.id).isValid());

    // An opened row stays open over a reload that brings a new category.
    const QString utilitiesId = app->categories()->findByName(u"Utilities"_s)->id;
    screen.view()->expand(shown(screen, utilitiesId));
    addCategory(app, u"Aardvark Care"_s);
    screen.reload();
    QVERIFY(screen.view()->isExpanded(shown(screen, utilitiesId)));
    QVERIFY(!screen.view()->isExpanded(shown(screen, meals.id)));

    screen.view()->setCurrentIndex(shown(screen, car.id));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    screen.onDeleteCategory();
    QVERIFY(MessageBoxes::lastShown()->title == u"Delete Category"_s
        && MessageBoxes::lastShown()->text.contains(u"\"Car\" and its 1 sub-categories"_s));

    QVERIFY(app->categories()->findById(car.id)->deletedAt
        && app->categories()->findById(fuel.id)->deletedAt);
    QVERIFY(!screen.model()->indexOf(fuel.id).isValid());
    // Live rows lose the category and are sent again; a split line needs one,
    // so it goes to "Uncategorized" and its transaction is sent again; a
    // schedule is left uncategorised; the deleted row keeps its category.
    QCOMPARE(app.column(u"SELECT t.payee || ' ' || COALESCE(c.name, '-') || ' ' || t.sync_status"
                        " || ' ' || t.updated_at FROM transactions t LEFT JOIN categories c"
                        " ON c.id = t.category_id ORDER BY t.payee"_s),
        QStringList({ u"A - pending 2025-06-19T08:00:00Z"_s, u"B - pending 2025-06-19T08:00:00Z"_s,
            u"C Other pending 2025-06-19T08:00:00Z"_s, u"D Fuel pending 2025-06-18T09:30:00Z"_s }));
    QCOMPARE(
        app.column(u"SELECT c.name FROM split_lines s JOIN categories c ON c.id = s.category_id"
                   " UNION ALL SELECT COALESCE(category_id, '-') || ' ' || sync_status"
                   " FROM recurring_transactions"_s),
        QStringList({ u"Uncategorized"_s, u"- pending"_s }));
}

void TestReconciliationScreen::payeeRenameAndMergeCountLiveRows()
{
    TestAppState app;
    const Account a = app.addAccount(u"Checking"_s);
    const QDate day(2025, 6, 1);
    for (const QString& payee :
        { u"Acme"_s, u"Acme"_s, u" acme "_s, u"Bob"_s, u"Bob"_s, u"Carl"_s })
        app.addTransaction(a.id, day, payee, -100);
    QVERIFY(app->transactions()->softDelete(app.addTransaction(a.id, day, u"Bob"_s, -5).id));

    PayeeScreen screen(app.state());
    QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
    screen.reload();
    QCOMPARE(rows(screen),
        QStringList({ u" acme |1|Similar"_s, u"Acme|2|Similar"_s, u"Bob|2|"_s, u"Carl|1|"_s }));

    select(screen, { u"Bob"_s });
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 19), QTime(7, 5, 9), Qt::UTC));
    screen.renameLine()->setText(u"  Robert "_s);
    // The box, shown for real, leaves its title room to be read whole.
    int titleRoom = -1;
    DialogTest::whenOpen<QMessageBox>([&titleRoom](QMessageBox& box) {
        titleRoom = box.width() - box.fontMetrics().horizontalAdvance(box.windowTitle());
        box.button(QMessageBox::Ok)->click();
    });
    screen.onRename();
    QVERIFY(titleRoom >= MessageBoxes::kTitleBarRoom);
    QCOMPARE(std::tie(MessageBoxes::lastShown()->title, MessageBoxes::lastShown()->text),
        std::tuple(u"Rename Complete"_s, u"Renamed 2 transaction(s)."_s));
    QCOMPARE(changed.count(), 1);
    // The deleted row keeps its payee.
    QCOMPARE(app.column(u"SELECT DISTINCT payee || ' ' || updated_at || ' ' || sync_status FROM"
                        " transactions WHERE payee IN ('Bob', 'Robert') ORDER BY payee"_s),
        QStringList(
            { u"Bob 2025-06-18T09:30:00Z pending"_s, u"Robert 2025-06-19T07:05:09Z pending"_s }));

    // Merging into the first selected, tidied of its spaces.
    select(screen, { u"Acme"_s, u" acme "_s, u"Carl"_s });
    screen.renameLine()->clear();
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    screen.onMerge();
    QCOMPARE(MessageBoxes::lastShown()->text, u"Merged 4 transaction(s)."_s);
    QCOMPARE(rows(screen), QStringList({ u"Robert|2|"_s, u"acme|4|"_s }));

    // A write that fails at the last row changes none and announces nothing.
    QVERIFY(app.exec(u"CREATE TRIGGER stop BEFORE UPDATE ON transactions WHEN old.rowid = (SELECT"
                     " max(rowid) FROM transactions WHERE deleted_at IS NULL) BEGIN SELECT"
                     " RAISE(ABORT, 'stop'); END"_s));
    select(screen, { u"acme"_s });
    screen.renameLine()->setText(u"Both"_s);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"renamePayees failed"_s));
    screen.onRename();
    QCOMPARE(MessageBoxes::lastShown()->title, u"Rename Failed"_s);
    QCOMPARE(app.column(u"SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL"
                        " ORDER BY payee"_s),
        QStringList({ u"Robert"_s, u"acme"_s }));
    QCOMPARE(changed.count(), 2);
}

void TestReconciliationScreen::searchTypingAndFilters()
{
    TestAppState app;
    const Account checking = app.addAccount(u"Checking"_s);
    const Account visa = app.addAccount(u"Visa"_s);
    addWithMemo(app, checking.id, 40, u"Greenleaf Market"_s, u"Weekly groceries"_s, true);
    addWithMemo(app, checking.id, 3, u"Greenleaf Market"_s, u"Groceries again"_s);
    addWithMemo(app, visa.id, 10, u"Corner Shop"_s, u"groceries, milk"_s, true);
    addWithMemo(app, visa.id, 1, u"Hilltop Gas"_s, u"Fill up"_s);
    app->setCurrentAccountId(visa.id);
    MainWindow window(app.state());
    QVERIFY(DialogTest::showActive(window));
    window.showSearchWindow();
    auto* screen = window.findChild<SearchScreen*>();
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->focusWidget(), screen->searchLine());
    QAbstractItemModelTester checked(screen->results());
    // An empty line lists the newest of every account first.
    QCOMPARE(payees(*screen),
        QStringList(
            { u"Hilltop Gas"_s, u"Greenleaf Market"_s, u"Corner Shop"_s, u"Greenleaf Market"_s }));

    QTest::keyClicks(screen->searchLine(), u"groc"_s);
    QTRY_COMPARE(payees(*screen).size(), 3);

    // Filters take effect at once and combine.
    auto* accounts = screen->findChild<QComboBox*>(u"accountCombo"_s);
    accounts->setCurrentIndex(accounts->findData(visa.id));
    QCOMPARE(payees(*screen), QStringList({ u"Corner Shop"_s }));
    accounts->setCurrentIndex(0);
    auto* cleared = screen->findChild<QCheckBox*>(u"clearedOnlyCheck"_s);
    cleared->setChecked(true);
    QCOMPARE(payees(*screen), QStringList({ u"Corner Shop"_s, u"Greenleaf Market"_s }));
    // A date moved while the range is off changes nothing; ticking it applies both.
    auto* from = screen->findChild<QDateEdit*>(u"fromDate"_s);
    auto* range = screen->findChild<QCheckBox*>(u"dateRangeCheck"_s);
    QSignalSpy resets(screen->model(), &QAbstractItemModel::modelReset);
    from->setDate(kToday.addDays(-20));
    QCOMPARE(resets.count(), 0);
    range->setChecked(true);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(payees(*screen), QStringList({ u"Corner Shop"_s }));

    // Rows of a yen account keep yen figures beside dollar ones.
    const Account yen = app.addAccount(u"Yen"_s, 0, Currency::JPY);
    addWithMemo(app, yen.id, 2, u"Ramen Stand"_s, u"Groceries in Osaka"_s, true);
    screen->refreshFilters();
    QTRY_VERIFY(payees(*screen).contains(u"Ramen Stand"_s));
    const int ramen = int(payees(*screen).indexOf(u"Ramen Stand"_s));
    const int corner = int(payees(*screen).indexOf(u"Corner Shop"_s));
    // Each row names its account; finding nothing says so.
    SearchResultsModel* results = screen->results();
    const auto cell
        = [&](int row, int column) { return results->index(row, column).data().toString(); };
    QCOMPARE(QStringList({ cell(ramen, RegisterModel::PaymentColumn),
                 cell(corner, RegisterModel::PaymentColumn), cell(ramen, results->accountColumn()),
                 cell(corner, results->accountColumn()),
                 results->headerData(results->accountColumn(), Qt::Horizontal).toString() }),
        QStringList({ u"1,000"_s, u"10.00"_s, u"Yen"_s, u"Visa"_s, u"Account"_s }));
    screen->searchLine()->setText(u"94.75"_s);
    QTRY_VERIFY(screen->findChild<QLabel*>(u"noMatchesLabel"_s)->isVisible());

    // Enter on a result deep in another account's register opens that
    // register with the row selected and in sight.
    for (int day = 80; day > 0; --day)
        addWithMemo(app, checking.id, day, u"Payee %1"_s.arg(day), u"routine"_s);
    range->setChecked(false);
    cleared->setChecked(false);
    screen->searchLine()->setText(u"weekly"_s);
    QTRY_COMPARE(screen->model()->rowCount(), 1);
    const QString wanted = screen->model()->transactionAt(0)->id;
    screen->view()->setFocus();
    screen->view()->setCurrentIndex(results->index(0, RegisterModel::MemoColumn));
    QTest::keyClick(screen->view(), Qt::Key_Return);
    RegisterScreen* reg = window.registerScreen();
    QCOMPARE(QStringList({ reg->accountId(), app->currentAccountId() }),
        QStringList({ checking.id, checking.id }));
    const QModelIndex current = reg->view()->currentIndex();
    QVERIFY(reg->model()->transactionAt(current.row()));
    QCOMPARE(reg->model()->transactionAt(current.row())->id, wanted);
    QVERIFY(reg->view()->viewport()->rect().intersects(reg->view()->visualRect(current)));
}

QTEST_MAIN(TestReconciliationScreen)
#include "tst_reconciliationscreen.moc"
