#include "DamagedFiles.h"
#include "DialogTestHelpers.h"
#include "ReadOnlyFolder.h"
#include "Records.h"
#include "TestAppState.h"
#include "TestDatabase.h"
#include "app/DisplaySettings.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/AccountFormDialog.h"
#include "ui/mainwindow/AccountBalances.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/mainwindow/MainMenus.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/mainwindow/StoreBanner.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"
#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MessageBoxes.h"

#include <QContextMenuEvent>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

struct Form {
    QString name = {};
    QString amount = {};
    QDate asOf = {};
    bool accept = true;
};

// Fills the account form about to open and presses OK or Cancel; the timer's
// owner ends it, so a form that never came cannot reach a later test.
std::shared_ptr<bool> answerAccountForm(QObject* owner, const Form& form)
{
    auto handled = std::make_shared<bool>(false);
    DialogTest::whenOpen<AccountFormDialog>(
        [handled, form](AccountFormDialog& dialog) {
            *handled = true;
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
            name->selectAll();
            QTest::keyClick(name, Qt::Key_Delete);
            QTest::keyClicks(name, form.name);
            if (!form.amount.isEmpty())
                DialogTest::retype(
                    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("startingBalanceSpin")),
                    form.amount);
            if (form.asOf.isValid())
                dialog.findChild<QDateEdit*>(QStringLiteral("asOfEdit"))->setDate(form.asOf);
            DialogTest::clickButton(
                dialog, form.accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        },
        owner);
    return handled;
}

QAction* menuAction(QMainWindow* window, const QString& menuTitle, const QString& text)
{
    for (QAction* top : window->menuBar()->actions()) {
        for (QAction* action :
            top->menu() && top->text() == menuTitle ? top->menu()->actions() : QList<QAction*>()) {
            if (action->text() == text)
                return action;
        }
    }
    qFatal("no menu entry %s", qPrintable(text));
}

QStringList sidebarNames(MainWindow* window)
{
    QListWidget* list = window->sidebar()->list();
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->itemWidget(list->item(row))
                     ->findChild<ElidedLabel*>(QStringLiteral("nameLabel"))
                     ->fullText();
    return names;
}

QStringList storedNames(AppState* state)
{
    return Records::texts(state->accounts()->findAll(), &Account::name);
}

QWidget* rowWidget(const AccountSidebar& sidebar, int row)
{
    return sidebar.list()->itemWidget(sidebar.list()->item(row));
}

QLabel* balanceLabel(const AccountSidebar& sidebar, int row)
{
    return rowWidget(sidebar, row)->findChild<QLabel*>(QStringLiteral("balanceLabel"));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void sidebarShowsBalancesAndFollowsTheStore();
    void newAccountWithAndWithoutOpeningAmount();
    void cascadeDeleteAndThePageThatFollows();
    void orderGeometryAndSplitterComeBack();
    void ledgerThatCannotBeWrittenSaysWhy();
    void sidebarDetailsTotalsAndBalances();

private:
    MainWindow* openWindow();
    void activate();
    QStringList runContextMenu(int row, const QString& trigger);

    std::unique_ptr<QObject> m_pending;
    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
}

void TestMainWindow::init()
{
    QSettings settings;
    for (const char* group : { "mainwindow", "auth", "register" })
        settings.remove(QLatin1String(group));
    m_pending = std::make_unique<QObject>();
    m_app = std::make_unique<TestAppState>();
}

void TestMainWindow::cleanup()
{
    m_pending.reset();
    m_window.reset();
    m_app.reset();
    MessageBoxes::clearAnswers();
}

MainWindow* TestMainWindow::openWindow()
{
    m_window.reset();
    m_window = std::make_unique<MainWindow>(m_app->state());
    m_window->show();
    activate();
    return m_window.get();
}

// After a modal box the offscreen platform may leave no window active, where
// a desktop hands activation back to the window underneath.
void TestMainWindow::activate()
{
    QApplication::setActiveWindow(m_window.get());
    if (!QTest::qWaitForWindowActive(m_window.get()))
        qWarning("main window did not become active");
}

// Opens the account list's context menu on `row`, returns its entries and triggers `trigger`.
QStringList TestMainWindow::runContextMenu(int row, const QString& trigger)
{
    QListWidget* list = m_window->sidebar()->list();
    const QPoint pos = list->visualItemRect(list->item(row)).center();
    QStringList texts;
    QObject scope;
    DialogTest::whenPopup<QMenu>(
        [&](QMenu& menu) {
            QAction* chosen = nullptr;
            for (QAction* action : menu.actions()) {
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
                if (action->text() == trigger)
                    chosen = action;
            }
            menu.close();
            if (chosen)
                chosen->trigger();
        },
        &scope);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, list->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(list->viewport(), &event);
    return texts;
}

void TestMainWindow::sidebarShowsBalancesAndFollowsTheStore()
{
    const Account positive = m_app->addAccount(QStringLiteral("Checking"), 50'000);
    const Account zero = m_app->addAccount(QStringLiteral("Wallet"));
    const Account negative = m_app->addAccount(QStringLiteral("Card"));
    m_app->addTransaction(positive.id, QDate(2025, 6, 1), QStringLiteral("Rent"), -20'000);
    m_app->addTransaction(negative.id, QDate(2025, 6, 2), QStringLiteral("Store"), -7'525);
    MainWindow* window = openWindow();
    // Zero takes the colour of a credit, not of a debt; a balance never gives way to the name.
    QStringList shown;
    for (int row : { 0, 1, 2 }) {
        const QLabel* label = balanceLabel(*window->sidebar(), row);
        shown << label->text() + u' ' + label->styleSheet();
        QVERIFY(label->minimumWidth() >= label->fontMetrics().horizontalAdvance(label->text()));
    }
    QCOMPARE(shown,
        QStringList(
            { "$300.00 color: #66BB6A;", "$0.00 color: #66BB6A;", "-$75.25 color: #FF8A80;" }));

    // A transaction stored in any account shows at once, and so does a new account.
    m_app->addTransaction(zero.id, QDate(2025, 6, 3), QStringLiteral("Found"), 1'000);
    QCOMPARE(window->sidebar()->totalLabel()->text(), QStringLiteral("Total: $234.75"));
    const QString longName = QStringLiteral("Everyday Savings at the Community Credit Union");
    m_app->addAccount(longName, 100);
    QCOMPARE(sidebarNames(window), QStringList({ "Checking", "Wallet", "Card", longName }));
    QListWidget* list = window->sidebar()->list();
    QCOMPARE(list->currentRow(), 0); // kept through the rebuilds
    // A name too long for the row gives way, ending in an ellipsis.
    const QString name
        = rowWidget(*window->sidebar(), 3)->findChild<ElidedLabel*>("nameLabel")->displayedText();
    QVERIFY2(
        name.endsWith(QChar(0x2026)) && longName.startsWith(name.chopped(1)), qPrintable(name));
    // Rows follow the list's width, each with the height it asks for inside the item's padding.
    window->splitter()->setSizes({ 420, 700 });
    QTRY_VERIFY(list->viewport()->width() > 300);
    QTRY_COMPARE(list->item(3)->sizeHint().width(), list->viewport()->width());
    QTRY_VERIFY(rowWidget(*window->sidebar(), 3)->height()
        >= rowWidget(*window->sidebar(), 3)->sizeHint().height());

    // Alt+1 to Alt+0 reach the first ten accounts of eleven.
    for (int i = 5; i <= 11; ++i)
        m_app->addAccount(QStringLiteral("Account %1").arg(i));
    QCOMPARE(window->sidebar()->shortcuts().size(), 10);
    activate();
    QTest::keyClick(window, Qt::Key_0, Qt::AltModifier);
    QCOMPARE(sidebarNames(window).value(window->sidebar()->list()->currentRow()), "Account 10");

    // The shortcuts help lists the register's keys.
    const QString help = MainMenus::shortcutsHelpText();
    for (const QKeySequence& keys : { QKeySequence(Qt::CTRL | Qt::Key_M),
             QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::Key_F4) })
        QVERIFY2(
            help.contains(keys.toString(QKeySequence::NativeText)), qPrintable(keys.toString()));

    // Leave the register for the welcome page: nothing is current any more.
    m_app->state()->setCurrentAccountId(QString());
    window->updateAuthUI();
    StatusBar* bar = window->statusLine();
    for (const auto& [menu, entry] :
        { std::pair { "&Account", "&Delete" }, std::pair { "&File", "&New Transaction" } }) {
        bar->clearMessage();
        menuAction(window, QLatin1String(menu), QLatin1String(entry))->trigger();
        QCOMPARE(bar->currentMessage(), QStringLiteral("Select an account first"));
    }
    QVERIFY(!MessageBoxes::lastShown());
    QCOMPARE(storedNames(m_app->state()).size(), 11);

    // A message ends the busy state it reports on.
    bar->startBusy(QStringLiteral("Restoring backup..."));
    bar->showTransientMessage(QStringLiteral("Copied"), 50);
    QVERIFY(!bar->findChild<QWidget*>("busyIndicator")->isVisible());
}

void TestMainWindow::newAccountWithAndWithoutOpeningAmount()
{
    MainWindow* window = openWindow();
    // An empty name, or Cancel, stores nothing.
    auto handled = answerAccountForm(m_pending.get(), { "   ", "50" });
    window->showNewAccountDialog();
    handled = answerAccountForm(m_pending.get(), { "Cancelled", "50", {}, false });
    window->showNewAccountDialog();
    QVERIFY(*handled && m_app->state()->accounts()->findAll().isEmpty());
    // Nor does an opening transaction that cannot be written: the account goes with it.
    QVERIFY(m_app->exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON transactions "
                        "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    handled = answerAccountForm(m_pending.get(), { "Everyday", "10" });
    window->showNewAccountDialog();
    QVERIFY(*handled && m_app->state()->accounts()->findAll().isEmpty());
    QCOMPARE(window->statusLine()->currentMessage(), u"The account could not be saved"_s);
    QVERIFY(m_app->exec("DROP TRIGGER refuse"));

    // From the welcome page, with an opening amount.
    handled = answerAccountForm(m_pending.get(), { "Everyday", "1234.56", QDate(2025, 5, 1) });
    QTest::mouseClick(
        window->welcomeScreen()->findChild<QPushButton*>(QStringLiteral("createButton")),
        Qt::LeftButton);
    QVERIFY(*handled);
    const Account everyday = m_app->state()->accounts()->findAll().value(0);
    const QList<Transaction> opening = m_app->state()->transactions()->findByAccount(everyday.id);
    const Transaction t = opening.value(0);
    QCOMPARE(std::tuple(everyday.startingBalance, opening.size(), t.payee, t.amount, t.date,
                 t.cleared, t.reconciled),
        std::tuple(qint64(0), qsizetype(1), QString("Opening Balance"), qint64(123'456),
            QDate(2025, 5, 1), true, true));
    QCOMPARE(window->registerScreen()->accountId(), everyday.id);

    // From the keyboard, without one: no transaction, and placed after the
    // first. Its name is kept as typed, never read as markup.
    const QString odd = QStringLiteral("AT&T <b>Gold</b> \"Card\"");
    handled = answerAccountForm(m_pending.get(), { odd });
    activate();
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(*handled);
    const Account cash = m_app->state()->accounts()->findAll().value(1);
    QVERIFY(m_app->state()->transactions()->findByAccount(cash.id).isEmpty());
    QCOMPARE(window->sidebar()->list()->currentRow(), 1);

    // An edit that empties the name stores nothing; the list's menu first selects the row.
    handled = answerAccountForm(m_pending.get(), {});
    runContextMenu(0, QStringLiteral("Edit \"Everyday\"..."));
    QVERIFY(*handled);
    QCOMPARE(m_window->registerScreen()->accountId(), everyday.id);
    handled = answerAccountForm(m_pending.get(), { "Daily" });
    menuAction(window, QStringLiteral("&Account"), QStringLiteral("&Edit..."))->trigger();
    QVERIFY(*handled);
    QCOMPARE(storedNames(m_app->state()), QStringList({ "Daily", odd }));
    QCOMPARE(sidebarNames(window), storedNames(m_app->state()));

    // The list's menu shows the ampersand instead of taking it for a mnemonic,
    // and the question reads the name as typed; "No" keeps the account.
    window->selectAccount(cash.id);
    QVERIFY(runContextMenu(1, QString())
                .contains(QStringLiteral("Edit \"AT&&T <b>Gold</b> \"Card\"\"...")));
    MessageBoxes::setNextAnswer(QMessageBox::No);
    window->deleteCurrentAccount();
    QVERIFY(!m_app->state()->accounts()->findById(cash.id)->deletedAt);
    QTextDocument shown;
    shown.setHtml(MessageBoxes::lastShown()->text);
    QVERIFY2(shown.toPlainText().startsWith(QStringLiteral("Delete \"%1\"?").arg(odd)),
        qPrintable(shown.toPlainText()));
}

void TestMainWindow::cascadeDeleteAndThePageThatFollows()
{
    AppState* state = m_app->state();
    QList<Account> accounts;
    for (const char* name : { "Current", "Other", "Third", "Fourth" })
        accounts << m_app->addAccount(QLatin1String(name));
    const QString current = accounts[0].id, other = accounts[1].id;
    m_app->addTransaction(current, QDate(2025, 2, 1), QStringLiteral("P"), -100);
    m_app->addTransaction(other, QDate(2025, 2, 1), QStringLiteral("Stays"), 500);
    QVERIFY(state->recurring()->insert(
        Records::recurring(current, QStringLiteral("Rent"), QDate(2025, 7, 1))));
    Reconciliation done;
    std::tie(done.id, done.accountId, done.statementDate, done.completedAt) = std::tuple(
        u"11111111-2222-3333-4444-555555555555"_s, current, QDate(2025, 5, 31), Clock::nowUtc());
    QVERIFY(state->reconciliations()->insert(done));

    MainWindow* window = openWindow();
    // The account row cannot be marked deleted: its transactions stay too.
    QVERIFY(m_app->exec("CREATE TEMP TRIGGER refuse BEFORE UPDATE OF deleted_at ON accounts "
                        "BEGIN SELECT RAISE(ABORT, 'locked'); END"));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    window->deleteAccount(current);
    QCOMPARE(window->statusLine()->currentMessage(), u"The account could not be deleted"_s);
    QCOMPARE(std::tuple(state->transactions()->findByAccount(current).size(), sidebarNames(window)),
        std::tuple(qsizetype(1), QStringList({ "Current", "Other", "Third", "Fourth" })));
    QVERIFY(m_app->exec("DROP TRIGGER refuse"));

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    menuAction(window, QStringLiteral("&Account"), QStringLiteral("&Delete"))->trigger();
    QVERIFY(state->accounts()->findById(current)->deletedAt);
    QVERIFY(state->transactions()->findByAccount(current).isEmpty()
        && state->recurring()->findAll().isEmpty()
        && state->reconciliations()->findByAccount(current).isEmpty());
    QCOMPARE(state->transactions()->findByAccount(other).size(), 1);

    // The next account in the list takes the deleted one's place.
    QCOMPARE(std::tuple(window->currentPage(), window->registerScreen()->accountId(),
                 window->sidebar()->list()->currentRow()),
        std::tuple(MainWindow::Page::Register, other, 0));

    // Deleting an account that is not the current one leaves the page as it
    // was; the last in the list gives way to the one before it; with none left
    // the register lets go and, signed out, the welcome page follows.
    window->selectAccount(accounts[3].id);
    const QString expected[] = { accounts[3].id, accounts[2].id, QString() };
    for (int i = 0; i < 3; ++i) {
        MessageBoxes::setNextAnswer(QMessageBox::Yes);
        if (i == 0)
            window->deleteAccount(other);
        else
            window->deleteCurrentAccount();
        QCOMPARE(window->registerScreen()->accountId(), expected[i]);
    }
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
    QVERIFY(m_app->state()->currentAccountId().isEmpty() && sidebarNames(window).isEmpty());
}

void TestMainWindow::orderGeometryAndSplitterComeBack()
{
    QList<Account> accounts;
    for (const char* name : { "A", "B", "C", "D" })
        accounts << m_app->addAccount(QLatin1String(name));
    const Account a = accounts[0];
    QVERIFY(m_app->state()->accounts()->markSynced(a.id, QStringLiteral("srv-a")));
    // The account viewed last comes back.
    m_app->state()->setCurrentAccountId(accounts[2].id);
    // Damaged values fall back to the defaults, which fit the screen: the
    // offscreen one is lower than 900.
    QSettings().setValue(QStringLiteral("mainwindow/geometry"), QByteArray("not a geometry"));
    QSettings().setValue(QStringLiteral("mainwindow/splitter"), QByteArray("nor a splitter"));
    MainWindow* window = openWindow();
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QSize expected = QSize(1280, 900).boundedTo(room - QSize(16, 48));
    QCOMPARE(QSize(window->width(), window->height()),
        QSize(qMax(expected.width(), window->minimumSizeHint().width()), expected.height()));
    QCOMPARE(window->sidebar()->list()->currentRow(), 2);

    // A dragged row is stored where it was dropped; moving rows is not an edit to push.
    QVERIFY(window->sidebar()->list()->model()->moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QTRY_COMPARE(storedNames(m_app->state()), QStringList({ "B", "C", "A", "D" }));
    QCOMPARE(m_app->state()->accounts()->findById(a.id)->syncStatus, SyncStatus::Synced);

    window->resize(1100, 760);
    QTRY_COMPARE(window->size(), QSize(1100, 760));
    window->splitter()->setSizes({ 340, 760 });
    const QList<int> sizes = window->splitter()->sizes();
    window->close();
    // Unless it was deleted since (elsewhere): then the first account shows.
    m_app->state()->setCurrentAccountId(accounts[3].id);
    QVERIFY(m_app->state()->accounts()->softDelete(accounts[3].id));
    MainWindow* again = openWindow();
    QCOMPARE(
        std::tuple(again->size(), again->splitter()->sizes(), again->registerScreen()->accountId()),
        std::tuple(QSize(1100, 760), sizes, accounts[1].id));

    // One deleted behind the window's back is let go of at once, and cannot be chosen again.
    QVERIFY(m_app->state()->accounts()->softDelete(accounts[1].id));
    QVERIFY(again->registerScreen()->accountId().isEmpty());
    again->selectAccount(accounts[1].id);
    QCOMPARE(again->currentPage(), MainWindow::Page::Welcome);
}

void TestMainWindow::ledgerThatCannotBeWrittenSaysWhy()
{
    const Account account = m_app->addAccount(QStringLiteral("Checking"));
    for (int i = 0; i < 400; ++i)
        m_app->addTransaction(account.id, QDate(2025, 6, 1), QStringLiteral("Grocer"), -25);
    const QString folder = m_app->dataDirectory();
    // Whether each of New Account, Import Backup, Delete and Find is offered.
    const auto offered = [this] {
        QList<bool> enabled;
        for (const auto& [menu, text] :
            { std::pair { "&File", "New &Account" }, { "&File", "Import &Backup..." },
                { "&Account", "&Delete" }, { "&Edit", "&Find..." } })
            enabled << menuAction(m_window.get(), QLatin1String(menu), QLatin1String(text))
                           ->isEnabled();
        return enabled;
    };

    // Read-only: shown, said, and nothing offered that would write.
    m_app->close();
    {
        ReadOnlyFolder readOnly(folder);
        QVERIFY(readOnly.isReadOnly() && m_app->open());
        MainWindow* window = openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Mellowind Ledgerine (read-only)"));
        QVERIFY(window->banner()->isVisible()
            && window->banner()->label()->text().contains("read-only"));
        QCOMPARE(window->sidebar()->totalLabel()->text(), QStringLiteral("Total: -$100.00"));
        RegisterScreen* reg = window->registerScreen();
        QCOMPARE(reg->model()->rowCount(), 400); // no new-entry row
        const QModelIndex payee = reg->model()->index(3, RegisterModel::PayeeColumn);
        QTest::mouseClick(
            reg->view()->viewport(), Qt::LeftButton, {}, reg->view()->visualRect(payee).center());
        QVERIFY(!reg->view()->isEditing() && !MessageBoxes::lastShown());
        QCOMPARE(offered(), QList<bool>({ false, false, false, true }));
        m_window.reset();
        m_app->close();
    }

    // Damaged on a page only the check reads: said as soon as it is found, and
    // nothing of the file stays on show.
    QVERIFY(DamagedFiles::overwriteLeafPage(
        folder + "/ledgerine.db", QStringLiteral("idx_transactions_live_report")));
    QVERIFY(m_app->open());
    MainWindow* window = openWindow();
    QVERIFY(window->splitter()->isVisible());
    MessageBoxes::setNextAnswer(QMessageBox::Close);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^The ledger file is damaged:"));
    m_app->state()->startIntegrityCheck();
    QTRY_VERIFY_WITH_TIMEOUT(window->banner()->isVisible(), 20000);
    const auto shown = MessageBoxes::lastShown();
    QVERIFY(shown && shown->title == "Database Error"
        && shown->text.startsWith("The ledger file is damaged (")
        && shown->text.endsWith(
            "). Restore a backup from File › Import Backup, or open it with an SQLite tool."));
    QCOMPARE(window->banner()->label()->text(), shown->text);
    QCOMPARE(window->windowTitle(), QStringLiteral("Mellowind Ledgerine (damaged ledger)"));
    QVERIFY(!window->splitter()->isVisible());
    QCOMPARE(offered(), QList<bool>({ false, true, false, false }));
}

void TestMainWindow::sidebarDetailsTotalsAndBalances()
{
    Account dollars = Records::account(QStringLiteral("Dollars"), 700);
    std::tie(dollars.institution, dollars.accountNumberLast4)
        = std::tuple(QStringLiteral("River Bank"), QStringLiteral("0042"));
    Account yen = Records::account(QStringLiteral("Yen"));
    std::tie(yen.currency, yen.type, yen.sharedBy)
        = std::tuple(Currency::JPY, AccountType::Cash, QStringLiteral("Ann"));
    Account euros = Records::account(QStringLiteral("Euros"), 200);
    std::tie(euros.currency, euros.sharedBy) = std::tuple(Currency::EUR, QString());
    AccountSidebar sidebar;
    // Without a balance of its own an account counts its starting balance.
    sidebar.setAccounts({ dollars, yen, euros, Records::account(QStringLiteral("More"), 500) },
        { { yen.id, 123'456 } });
    // Currencies are never added together; each has its sum, in a fixed order.
    // Accounts others share are marked, naming the owner when known.
    QStringList rows;
    for (int row : { 0, 1, 2 }) {
        QWidget* widget = rowWidget(sidebar, row);
        const auto* marker = widget->findChild<QLabel*>("sharedMarker");
        rows << balanceLabel(sidebar, row)->text() + u'|'
                + widget->findChild<ElidedLabel*>(QStringLiteral("detailLabel"))->fullText() + u'|'
                + (marker ? marker->toolTip() : u"-"_s);
    }
    QCOMPARE(rows,
        QStringList({ u"$7.00|River Bank  ·  *0042|-"_s, u"¥123,456|Cash|Shared with you by Ann"_s,
            u"€2.00|Checking|Shared with you"_s }));
    QCOMPARE(
        sidebar.totalLabel()->text(), QStringLiteral("Total: $12.00\u00A0· €2.00\u00A0· ¥123,456"));

    // Dollars of different currencies say which they are.
    Account loonies = Records::account(QStringLiteral("Loonies"), 350);
    loonies.currency = Currency::CAD;
    sidebar.setAccounts({ loonies, euros, dollars }, {});
    QCOMPARE(sidebar.totalLabel()->text(),
        QStringLiteral("Total: $7.00\u00A0USD\u00A0· €2.00\u00A0· $3.50\u00A0CAD"));
    sidebar.setAccounts({}, {});
    QCOMPARE(sidebar.totalLabel()->text(), QStringLiteral("No accounts"));
    QVERIFY(sidebar.shortcuts().isEmpty());

    // The list's font follows the scale from the unscaled base: 10pt at 150%
    // is 15pt, not 150% of the scaled font; a pixel-sized base counts as 10pt.
    const auto restore
        = qScopeGuard([base = DisplaySettings::baseFont(), scale = DisplaySettings::fontScale()] {
              DisplaySettings::setBaseFont(base);
              DisplaySettings::setFontScale(scale);
          });
    QFont points = DisplaySettings::baseFont();
    points.setPointSize(10);
    QFont pixels = points;
    pixels.setPixelSize(14);
    for (const auto& [base, scale, size] : { std::tuple { points, 150, "15pt" },
             std::tuple { points, 85, "8.5pt" }, std::tuple { pixels, 120, "12pt" } }) {
        DisplaySettings::setBaseFont(base);
        DisplaySettings::setFontScale(scale);
        sidebar.applyStyle();
        QVERIFY2(sidebar.list()->styleSheet().contains(QStringLiteral("font-size: %1;").arg(size)),
            size);
    }

    // Balances are read once per account until told otherwise.
    AccountRepository* repository = m_app->state()->accounts();
    Account a = m_app->addAccount(QStringLiteral("A"), 1000);
    const Account b = m_app->addAccount(QStringLiteral("B"));
    const Account empty = m_app->addAccount(QStringLiteral("Empty"));
    m_app->addTransaction(a.id, QDate(2025, 1, 1), QStringLiteral("X"), -100);
    m_app->addTransaction(b.id, QDate(2025, 1, 1), QStringLiteral("Y"), 500);
    // A change nobody announces: only a read of the store shows it.
    const auto addUnannounced = [this, &b](qint64 amount) {
        return m_app->exec(
            u"UPDATE transactions SET amount = amount + %1 WHERE account_id = '%2'"_s.arg(amount)
                .arg(b.id));
    };
    AccountBalances balances(repository);
    const auto read = [&] {
        const QHash<QString, qint64> values = balances.of(repository->findAll());
        return QList<qint64>({ values.value(a.id, -1), values.value(b.id, -1) });
    };
    QCOMPARE(read(), QList<qint64>({ 900, 500 }));
    QCOMPARE(balances.of(repository->findAll()).value(empty.id, -1), 0);
    m_app->addTransaction(a.id, QDate(2025, 1, 2), QStringLiteral("Z"), -50);
    QVERIFY(addUnannounced(7));
    balances.forget(a.id);
    QCOMPARE(read(), QList<qint64>({ 850, 500 })); // B not read again
    balances.forget(QString());
    QCOMPARE(read(), QList<qint64>({ 850, 507 }));

    // A new starting balance needs no read: it comes with the account.
    a.startingBalance = 5000;
    QVERIFY(repository->update(a));
    QCOMPARE(read(), QList<qint64>({ 4850, 507 }));

    // An account that leaves the list and comes back is read anew.
    QVERIFY(repository->softDelete(b.id));
    QCOMPARE(read(), QList<qint64>({ 4850, -1 }));
    QVERIFY(addUnannounced(1));
    QVERIFY(repository->restore(b.id));
    QCOMPARE(read(), QList<qint64>({ 4850, 508 }));

    // Two rows no path of ours writes: their sum overflows, and that account
    // alone goes without a balance, marked in the sidebar.
    m_app->addTransaction(b.id, QDate(2025, 1, 3), QStringLiteral("Y"), 1);
    QVERIFY(m_app->exec("UPDATE transactions SET amount = 9000000000000000000 WHERE payee = 'Y'"));
    balances.forget(b.id);
    for (int i = 0; i < 2; ++i)
        expectWarning(QStringLiteral("^AccountRepository read failed: integer overflow"));
    expectWarning(QStringLiteral("^AccountRepository::balances failed: no balance for account"));
    const QList<Account> accounts = repository->findAll();
    const QHash<QString, qint64> values = balances.of(accounts);
    QCOMPARE(std::tuple(values.value(a.id), values.contains(b.id), balances.unavailable()),
        std::tuple(qint64(4850), false, QSet<QString> { b.id }));
    sidebar.setAccounts(accounts, values, balances.unavailable());
    QLabel* broken = balanceLabel(sidebar, 1);
    QVERIFY(broken->text().isEmpty() && !broken->pixmap().isNull() && !broken->toolTip().isEmpty());
    QCOMPARE(balanceLabel(sidebar, 0)->text(), QStringLiteral("$48.50"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
