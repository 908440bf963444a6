#include "Records.h"
#include "TestAppState.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Money.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "ui/dialogs/AccountFormDialog.h"
#include "ui/mainwindow/AccountSidebar.h"
#include "ui/mainwindow/MainMenus.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"
#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {

struct FormInput {
    QString name;
    QString amount;
    QDate asOf;
};

// Runs `act` on the first modal widget to appear within a second; the timer
// belongs to `owner`, so a box that never came cannot reach a later test.
std::shared_ptr<bool> onNextModal(QObject* owner, std::function<void(QWidget*)> act)
{
    auto handled = std::make_shared<bool>(false);
    auto* timer = new QTimer(owner);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, handled, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 100)
            return;
        timer->stop();
        timer->deleteLater();
        if (modal) {
            *handled = true;
            act(modal);
        }
    });
    timer->start(10);
    return handled;
}

// Fills the account form that is about to open and presses OK (or Cancel).
std::shared_ptr<bool> answerAccountForm(QObject* owner, const FormInput& input, bool accept = true)
{
    return onNextModal(owner, [input, accept](QWidget* modal) {
        auto* dialog = qobject_cast<AccountFormDialog*>(modal);
        if (!dialog)
            return;
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit")), input.name);
        if (!input.amount.isEmpty()) {
            auto* spin = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("startingBalanceSpin"));
            spin->selectAll();
            QTest::keyClicks(spin, input.amount);
        }
        if (input.asOf.isValid())
            dialog->findChild<QDateEdit*>(QStringLiteral("asOfEdit"))->setDate(input.asOf);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
            Qt::LeftButton);
    });
}

// Replaces the name in the account form about to open and presses OK.
std::shared_ptr<bool> renameInAccountForm(QObject* owner, const QString& name)
{
    return onNextModal(owner, [name](QWidget* modal) {
        auto* dialog = qobject_cast<AccountFormDialog*>(modal);
        if (!dialog)
            return;
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        edit->selectAll();
        if (name.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, name);
        QTest::mouseClick(
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
}

QAction* menuAction(QMainWindow* window, const QString& menuTitle, const QString& text)
{
    for (QAction* top : window->menuBar()->actions()) {
        if (top->text() != menuTitle || !top->menu())
            continue;
        for (QAction* action : top->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QString statusMessage(MainWindow* window)
{
    return window->statusLine()->currentMessage();
}

QString labelText(QWidget* parent, const char* name)
{
    auto* label = parent->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

bool showsLabel(QWidget* parent, const QString& text)
{
    const QList<QLabel*> labels = parent->findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(),
        [&text](const QLabel* label) { return label->text() == text; });
}

// Stands in for the web browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

QString sidebarBalance(MainWindow* window, int row)
{
    QListWidget* list = window->sidebar()->list();
    return labelText(list->itemWidget(list->item(row)), "balanceLabel");
}

QStringList sidebarNames(MainWindow* window)
{
    QStringList names;
    QListWidget* list = window->sidebar()->list();
    for (int row = 0; row < list->count(); ++row)
        names << list->itemWidget(list->item(row))
                     ->findChild<ElidedLabel*>(QStringLiteral("nameLabel"))
                     ->fullText();
    return names;
}

QStringList storedNames(AppState* state)
{
    QStringList names;
    for (const Account& a : state->accounts()->findAll())
        names << a.name;
    return names;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void sidebarShowsBalancesAndFollowsTheStore();
    void elevenAccountsGiveTenShortcuts();
    void newAccountWithAndWithoutOpeningAmount();
    void emptyNameOrCancelStoresNothing();
    void cascadeDeleteAndThePageThatFollows();
    void deletingTheLastAccount();
    void dragReorderIsStored();
    void geometryAndSplitterComeBack();
    void welcomePresentationsFollowTheSetting();
    void actionsOnTheCurrentAccountNeedOne();
    void initialPageRules();
    void contextMenuActsOnTheRowUnderThePointer();
    void editingTheCurrentAccount();
    void oddNamesStayAsTyped();
    void helpMenu();
    void feedbackAddress_data();
    void feedbackAddress();
    void toolWindowsOpenOnceAndKeepTheirSize();
    void registerWiring();

private:
    MainWindow* openWindow();
    void activate();
    QStringList runContextMenu(int row, const QString& trigger);

    QTranslator m_english;
    std::unique_ptr<QObject> m_pending;
    std::unique_ptr<TestAppState> m_app;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Clock::setFixedUtc(QDateTime(QDate(2025, 6, 18), QTime(15, 0), Qt::UTC));
    // The plural forms come from the English catalogue.
    QVERIFY(m_english.load(QStringLiteral(":/i18n/ledgerine_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_english));
}

void TestMainWindow::init()
{
    QSettings settings;
    settings.remove(QStringLiteral("mainwindow"));
    settings.remove(QStringLiteral("auth"));
    settings.remove(QStringLiteral("register"));
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

QStringList TestMainWindow::runContextMenu(int row, const QString& trigger)
{
    QListWidget* list = m_window->sidebar()->list();
    const QPoint pos = row >= 0 ? list->visualItemRect(list->item(row)).center()
                                : QPoint(20, list->viewport()->height() - 5);
    QStringList texts;
    bool seen = false;
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [&, timer] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->stop();
        seen = true;
        texts = menuTexts(menu);
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text() == trigger)
                chosen = action;
        }
        menu->close();
        if (chosen)
            chosen->trigger();
    });
    timer->start(10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, list->viewport()->mapToGlobal(pos));
    QApplication::sendEvent(list->viewport(), &event);
    delete timer;
    if (!seen)
        qWarning("no context menu opened");
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
    QCOMPARE(sidebarNames(window), QStringList({ "Checking", "Wallet", "Card" }));
    QCOMPARE(sidebarBalance(window, 0), QStringLiteral("$300.00"));
    QCOMPARE(sidebarBalance(window, 1), QStringLiteral("$0.00"));
    QCOMPARE(sidebarBalance(window, 2), QStringLiteral("-$75.25"));
    QCOMPARE(window->sidebar()->totalLabel()->text(), QStringLiteral("Total: $224.75"));
    QCOMPARE(labelText(window->statusLine(), "accountCountLabel"), QStringLiteral("3 accounts"));
    QCOMPARE(labelText(window->statusLine(), "syncLabel"), QStringLiteral("Not signed in"));

    // The sidebar's balance is where the register ends.
    window->selectAccount(positive.id);
    const QList<TransactionRow> rows
        = m_app->state()->transactions()->findRegisterRows(positive.id);
    QCOMPARE(sidebarBalance(window, 0), Money::formatMoney(rows.last().runningBalance));

    // A transaction stored anywhere shows at once, and so does a new account.
    m_app->addTransaction(zero.id, QDate(2025, 6, 3), QStringLiteral("Found"), 1'000);
    QCOMPARE(sidebarBalance(window, 1), QStringLiteral("$10.00"));
    QCOMPARE(window->sidebar()->totalLabel()->text(), QStringLiteral("Total: $234.75"));
    m_app->addAccount(QStringLiteral("Savings"), 100);
    QCOMPARE(sidebarNames(window).size(), 4);
    QCOMPARE(labelText(window->statusLine(), "accountCountLabel"), QStringLiteral("4 accounts"));
    // The shown account stays the current row through the rebuilds.
    QCOMPARE(window->sidebar()->list()->currentRow(), 0);
}

void TestMainWindow::elevenAccountsGiveTenShortcuts()
{
    QList<Account> accounts;
    for (int i = 1; i <= 11; ++i)
        accounts << m_app->addAccount(QStringLiteral("Account %1").arg(i, 2, 10, QLatin1Char('0')));
    MainWindow* window = openWindow();
    QCOMPARE(window->registerScreen()->accountId(), accounts.first().id);

    for (int digit : { 3, 9, 0, 1 }) {
        activate();
        QTest::keyClick(window, Qt::Key(Qt::Key_0 + digit), Qt::AltModifier);
        const int index = digit == 0 ? 9 : digit - 1;
        QCOMPARE(window->currentPage(), MainWindow::Page::Register);
        QCOMPARE(window->registerScreen()->accountId(), accounts.at(index).id);
        QCOMPARE(m_app->state()->currentAccountId(), accounts.at(index).id);
        QCOMPARE(window->sidebar()->list()->currentRow(), index);
    }
    QCOMPARE(window->sidebar()->shortcuts().size(), 10);
}

void TestMainWindow::newAccountWithAndWithoutOpeningAmount()
{
    MainWindow* window = openWindow();
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);

    // From the welcome page's button, with an opening amount.
    auto handled = answerAccountForm(m_pending.get(),
        { QStringLiteral("Everyday"), QStringLiteral("1234.56"), QDate(2025, 5, 1) });
    QTest::mouseClick(
        window->welcomeScreen()->findChild<QPushButton*>(QStringLiteral("createButton")),
        Qt::LeftButton);
    QVERIFY(*handled);
    QList<Account> accounts = m_app->state()->accounts()->findAll();
    QCOMPARE(accounts.size(), 1);
    const Account everyday = accounts.first();
    QCOMPARE(everyday.name, QStringLiteral("Everyday"));
    QCOMPARE(everyday.startingBalance, 0);
    const QList<Transaction> opening = m_app->state()->transactions()->findByAccount(everyday.id);
    QCOMPARE(opening.size(), 1);
    QCOMPARE(opening.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(opening.first().amount, 123'456);
    QCOMPARE(opening.first().date, QDate(2025, 5, 1));
    QVERIFY(opening.first().cleared);
    QVERIFY(opening.first().reconciled);
    QCOMPARE(opening.first().version, 1);
    QCOMPARE(opening.first().createdAt, Clock::nowUtc());
    QCOMPARE(opening.first().id.size(), 36);
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);
    QCOMPARE(window->registerScreen()->accountId(), everyday.id);
    QCOMPARE(m_app->state()->currentAccountId(), everyday.id);
    QCOMPARE(sidebarBalance(window, 0), QStringLiteral("$1,234.56"));

    // From the File menu, without one: no transaction, placed after the first.
    handled
        = answerAccountForm(m_pending.get(), { QStringLiteral("Cash Box"), QString(), QDate() });
    menuAction(window, QStringLiteral("&File"), QStringLiteral("New &Account"))->trigger();
    QVERIFY(*handled);
    accounts = m_app->state()->accounts()->findAll();
    QCOMPARE(accounts.size(), 2);
    const Account cash = accounts.last();
    QCOMPARE(cash.name, QStringLiteral("Cash Box"));
    QVERIFY(cash.sortOrder > everyday.sortOrder);
    QVERIFY(m_app->state()->transactions()->findByAccount(cash.id).isEmpty());
    QCOMPARE(window->registerScreen()->accountId(), cash.id);
    QCOMPARE(window->sidebar()->list()->currentRow(), 1);

    // A negative opening amount (a card's debt) is stored as typed.
    handled = answerAccountForm(
        m_pending.get(), { QStringLiteral("Card"), QStringLiteral("-75.5"), QDate(2025, 6, 1) });
    activate();
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(*handled);
    const Account card = m_app->state()->accounts()->findAll().last();
    QCOMPARE(card.name, QStringLiteral("Card"));
    QCOMPARE(m_app->state()->transactions()->findByAccount(card.id).first().amount, -7'550);
    QCOMPARE(sidebarBalance(window, 2), QStringLiteral("-$75.50"));
}

void TestMainWindow::emptyNameOrCancelStoresNothing()
{
    MainWindow* window = openWindow();
    auto handled = answerAccountForm(
        m_pending.get(), { QStringLiteral("   "), QStringLiteral("50"), QDate() });
    window->showNewAccountDialog();
    QVERIFY(*handled);
    handled = answerAccountForm(
        m_pending.get(), { QStringLiteral("Cancelled"), QStringLiteral("50"), QDate() }, false);
    window->showNewAccountDialog();
    QVERIFY(*handled);
    QVERIFY(m_app->state()->accounts()->findAll().isEmpty());
    QCOMPARE(m_app->state()->transactions()->findPending().size(), 0);
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
    QCOMPARE(window->sidebar()->totalLabel()->text(), QStringLiteral("No accounts"));
}

void TestMainWindow::cascadeDeleteAndThePageThatFollows()
{
    AppState* state = m_app->state();
    const Account current = m_app->addAccount(QStringLiteral("Current"));
    const Account other = m_app->addAccount(QStringLiteral("Other"));
    const Account third = m_app->addAccount(QStringLiteral("Third"));
    const Transaction earlier
        = m_app->addTransaction(current.id, QDate(2025, 1, 1), QStringLiteral("Gone before"), -1);
    QVERIFY(state->transactions()->softDelete(earlier.id));
    for (int i = 0; i < 3; ++i)
        m_app->addTransaction(
            current.id, QDate(2025, 2, 1 + i), QStringLiteral("P%1").arg(i), -100);
    m_app->addTransaction(other.id, QDate(2025, 2, 1), QStringLiteral("Stays"), 500);
    QVERIFY(state->recurring()->insert(
        Records::recurring(current.id, QStringLiteral("Rent"), QDate(2025, 7, 1))));
    QVERIFY(state->recurring()->insert(
        Records::recurring(current.id, QStringLiteral("Gym"), QDate(2025, 7, 5))));
    Reconciliation reconciliation;
    reconciliation.id = QStringLiteral("11111111-2222-3333-4444-555555555555");
    reconciliation.accountId = current.id;
    reconciliation.statementDate = QDate(2025, 5, 31);
    reconciliation.completedAt = Clock::nowUtc();
    QVERIFY(state->reconciliations()->insert(reconciliation));

    MainWindow* window = openWindow();
    window->selectAccount(current.id);

    // "No" keeps everything.
    MessageBoxes::setNextAnswer(QMessageBox::No);
    menuAction(window, QStringLiteral("&Account"), QStringLiteral("&Delete"))->trigger();
    QCOMPARE(MessageBoxes::lastShown()->title, QStringLiteral("Delete Account"));
    QCOMPARE(MessageBoxes::lastShown()->icon, QMessageBox::Warning);
    QCOMPARE(MessageBoxes::lastShown()->text,
        QStringLiteral("Delete \"Current\"?\n\nAll transactions, recurring entries, and "
                       "reconciliation history for this account will be removed. You can restore "
                       "it from Preferences → Data & Sync."));
    QCOMPARE(state->accounts()->findAll().size(), 3);
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    QTest::ignoreMessage(QtInfoMsg,
        qPrintable(QStringLiteral("Cascade delete account %1 → transactions: 3 recurrings: 2 "
                                  "reconciliations: 1")
                       .arg(current.id)));
    menuAction(window, QStringLiteral("&Account"), QStringLiteral("&Delete"))->trigger();

    QVERIFY(state->accounts()->findById(current.id)->deletedAt);
    QVERIFY(state->transactions()->findByAccount(current.id).isEmpty());
    QVERIFY(state->recurring()->findAll().isEmpty());
    QVERIFY(state->reconciliations()->findByAccount(current.id).isEmpty());
    // The row deleted on its own earlier keeps its own deletion time.
    QVERIFY(*state->transactions()->findById(earlier.id)->deletedAt
        <= *state->accounts()->findById(current.id)->deletedAt);
    QCOMPARE(state->transactions()->findByAccount(other.id).size(), 1);

    // The register lets go of the deleted account; signed out, the welcome page follows.
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
    QVERIFY(state->currentAccountId().isEmpty());
    QVERIFY(window->registerScreen()->accountId().isEmpty());
    QCOMPARE(sidebarNames(window), QStringList({ "Other", "Third" }));
    QCOMPARE(window->sidebar()->list()->currentRow(), -1);
    QCOMPARE(labelText(window->statusLine(), "accountCountLabel"), QStringLiteral("2 accounts"));

    // Deleting an account that is not the current one leaves the page as it was.
    window->selectAccount(third.id);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^Cascade delete account")));
    window->deleteAccount(other.id);
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);
    QCOMPARE(window->registerScreen()->accountId(), third.id);
    QCOMPARE(state->currentAccountId(), third.id);
    QCOMPARE(sidebarNames(window), QStringList({ "Third" }));
    QCOMPARE(window->sidebar()->list()->currentRow(), 0);

    // An account already deleted asks nothing.
    MessageBoxes::clearAnswers();
    window->deleteAccount(current.id);
    QVERIFY(!MessageBoxes::lastShown());
}

void TestMainWindow::deletingTheLastAccount()
{
    const Account only = m_app->addAccount(QStringLiteral("Only"), 2500);
    MainWindow* window = openWindow();
    QCOMPARE(window->registerScreen()->accountId(), only.id);

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    QTest::ignoreMessage(QtInfoMsg,
        qPrintable(QStringLiteral("Cascade delete account %1 → transactions: 0 recurrings: 0 "
                                  "reconciliations: 0")
                       .arg(only.id)));
    QVERIFY(runContextMenu(0, QStringLiteral("Delete \"Only\"")).contains("Delete \"Only\""));
    QVERIFY(m_app->state()->accounts()->findAll().isEmpty());
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
    QVERIFY(window->registerScreen()->accountId().isEmpty());
    QCOMPARE(window->sidebar()->totalLabel()->text(), QStringLiteral("No accounts"));
    QCOMPARE(labelText(window->statusLine(), "accountCountLabel"), QStringLiteral("0 accounts"));
    QVERIFY(window->sidebar()->shortcuts().isEmpty());

    // The welcome page can start over.
    const auto handled
        = answerAccountForm(m_pending.get(), { QStringLiteral("Fresh start"), QString(), QDate() });
    QTest::mouseClick(
        window->welcomeScreen()->findChild<QPushButton*>(QStringLiteral("createButton")),
        Qt::LeftButton);
    QVERIFY(*handled);
    QCOMPARE(sidebarNames(window), QStringList({ "Fresh start" }));
    QCOMPARE(window->currentPage(), MainWindow::Page::Register);
}

void TestMainWindow::dragReorderIsStored()
{
    const Account a = m_app->addAccount(QStringLiteral("A"));
    m_app->addAccount(QStringLiteral("B"));
    m_app->addAccount(QStringLiteral("C"));
    m_app->addAccount(QStringLiteral("D"));
    QVERIFY(m_app->state()->accounts()->markSynced(a.id, QStringLiteral("srv-a")));
    MainWindow* window = openWindow();

    QAbstractItemModel* model = window->sidebar()->list()->model();
    QVERIFY(model->moveRow(QModelIndex(), 0, QModelIndex(), 3));
    QTRY_COMPARE(storedNames(m_app->state()), QStringList({ "B", "C", "A", "D" }));
    QList<int> orders;
    for (const Account& account : m_app->state()->accounts()->findAll())
        orders << account.sortOrder;
    QCOMPARE(orders, QList<int>({ 0, 1, 2, 3 }));
    // Moving rows is not an edit to push.
    QCOMPARE(m_app->state()->accounts()->findById(a.id)->syncStatus, SyncStatus::Synced);
    QTRY_COMPARE(sidebarNames(window), QStringList({ "B", "C", "A", "D" }));

    // The order survives a new window.
    openWindow();
    QCOMPARE(sidebarNames(m_window.get()), QStringList({ "B", "C", "A", "D" }));
}

void TestMainWindow::geometryAndSplitterComeBack()
{
    m_app->addAccount(QStringLiteral("A"));
    MainWindow* window = openWindow();
    QCOMPARE(window->size(), QSize(1280, 900));
    QCOMPARE(window->splitter()->sizes().first(), 280);

    window->resize(1100, 760);
    QTRY_COMPARE(window->size(), QSize(1100, 760));
    window->splitter()->setSizes({ 340, 760 });
    const QList<int> sizes = window->splitter()->sizes();
    QCOMPARE(sizes.first(), 340);
    window->close();

    QSettings settings;
    QVERIFY(!settings.value(QStringLiteral("mainwindow/geometry")).toByteArray().isEmpty());
    QVERIFY(!settings.value(QStringLiteral("mainwindow/splitter")).toByteArray().isEmpty());

    MainWindow* again = openWindow();
    QCOMPARE(again->size(), QSize(1100, 760));
    QCOMPARE(again->splitter()->sizes(), sizes);

    // Damaged values fall back to the defaults.
    again->close();
    settings.setValue(QStringLiteral("mainwindow/geometry"), QByteArray("not a geometry"));
    settings.setValue(QStringLiteral("mainwindow/splitter"), QByteArray("nor a splitter"));
    MainWindow* fallback = openWindow();
    QCOMPARE(fallback->size(), QSize(1280, 900));
    QCOMPARE(fallback->splitter()->sizes().first(), 280);
}

void TestMainWindow::welcomePresentationsFollowTheSetting()
{
    const auto title = [this] { return labelText(m_window->welcomeScreen(), "titleLabel"); };
    const auto createText = [this] {
        return m_window->welcomeScreen()
            ->findChild<QPushButton*>(QStringLiteral("createButton"))
            ->text();
    };
    MainWindow* window = openWindow();
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
    QCOMPARE(title(), QStringLiteral("Welcome to\nMellowind Ledgerine"));
    QCOMPARE(createText(), QStringLiteral("Create Your First Account"));
    // There is no sign-in in this program to offer.
    QVERIFY(!window->welcomeScreen()
                 ->findChild<QPushButton*>(QStringLiteral("signInButton"))
                 ->isVisibleTo(window));

    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    window->updateAuthUI();
    QCOMPARE(title(), QStringLiteral("Welcome back"));
    QCOMPARE(createText(), QStringLiteral("Create a different account"));
    QVERIFY(!window->welcomeScreen()
                 ->findChild<QPushButton*>(QStringLiteral("signInButton"))
                 ->isVisibleTo(window));

    // A new window reads the setting too.
    openWindow();
    QCOMPARE(title(), QStringLiteral("Welcome back"));

    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), false);
    m_window->updateAuthUI();
    QCOMPARE(title(), QStringLiteral("Welcome to\nMellowind Ledgerine"));
    QCOMPARE(createText(), QStringLiteral("Create Your First Account"));
    QCOMPARE(labelText(m_window->statusLine(), "syncLabel"), QStringLiteral("Not signed in"));
}

void TestMainWindow::actionsOnTheCurrentAccountNeedOne()
{
    m_app->addAccount(QStringLiteral("Untouched"));
    MainWindow* window = openWindow();
    // Leave the register for the welcome page: nothing is current any more.
    m_app->state()->setCurrentAccountId(QString());
    window->updateAuthUI();

    for (const auto& [menu, entry] : { std::pair { "&Account", "&Edit..." },
             std::pair { "&Account", "&Delete" }, std::pair { "&File", "&New Transaction" } }) {
        window->statusLine()->clearMessage();
        QAction* action = menuAction(window, QLatin1String(menu), QLatin1String(entry));
        QVERIFY2(action, entry);
        action->trigger();
        QCOMPARE(statusMessage(window), QStringLiteral("Select an account first"));
    }
    QVERIFY(!MessageBoxes::lastShown());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(storedNames(m_app->state()), QStringList({ "Untouched" }));
    QCOMPARE(window->currentPage(), MainWindow::Page::Welcome);
}

void TestMainWindow::initialPageRules()
{
    const Account first = m_app->addAccount(QStringLiteral("First"));
    const Account second = m_app->addAccount(QStringLiteral("Second"));
    const Account gone = m_app->addAccount(QStringLiteral("Gone"));

    // The account viewed last comes back.
    m_app->state()->setCurrentAccountId(second.id);
    openWindow();
    QCOMPARE(m_window->currentPage(), MainWindow::Page::Register);
    QCOMPARE(m_window->registerScreen()->accountId(), second.id);
    QCOMPARE(m_window->sidebar()->list()->currentRow(), 1);

    // One deleted since (elsewhere) gives way to the first account.
    m_window.reset();
    m_app->state()->setCurrentAccountId(gone.id);
    QVERIFY(m_app->state()->accounts()->softDelete(gone.id));
    openWindow();
    QCOMPARE(m_window->registerScreen()->accountId(), first.id);
    QCOMPARE(m_app->state()->currentAccountId(), first.id);

    // An account deleted while the window shows it is let go of at once.
    QVERIFY(m_app->state()->accounts()->softDelete(first.id));
    QCOMPARE(m_window->currentPage(), MainWindow::Page::Welcome);
    QVERIFY(m_window->registerScreen()->accountId().isEmpty());
    QVERIFY(m_app->state()->currentAccountId().isEmpty());
    // Nor can it be chosen again.
    m_window->selectAccount(first.id);
    QCOMPARE(m_window->currentPage(), MainWindow::Page::Welcome);
}

void TestMainWindow::contextMenuActsOnTheRowUnderThePointer()
{
    const Account a = m_app->addAccount(QStringLiteral("Alpha"));
    const Account b = m_app->addAccount(QStringLiteral("Beta"));
    openWindow();
    QCOMPARE(m_window->registerScreen()->accountId(), a.id);

    QCOMPARE(runContextMenu(-1, QString()), QStringList({ "New Account..." }));
    QCOMPARE(runContextMenu(1, QString()),
        QStringList({ "New Account...", "-", "Edit \"Beta\"...", "-", "Delete \"Beta\"" }));

    // Editing from the menu first selects the row's account.
    const auto handled = renameInAccountForm(m_pending.get(), QStringLiteral("Beta Savings"));
    runContextMenu(1, QStringLiteral("Edit \"Beta\"..."));
    QVERIFY(*handled);
    QCOMPARE(m_window->registerScreen()->accountId(), b.id);
    QCOMPARE(m_app->state()->accounts()->findById(b.id)->name, QStringLiteral("Beta Savings"));
    QCOMPARE(sidebarNames(m_window.get()), QStringList({ "Alpha", "Beta Savings" }));
}

void TestMainWindow::editingTheCurrentAccount()
{
    Account account = m_app->addAccount(QStringLiteral("Household"), 1000);
    MainWindow* window = openWindow();
    QVERIFY(showsLabel(window->registerScreen(), QStringLiteral("Household")));

    auto handled = onNextModal(m_pending.get(), [](QWidget* modal) {
        auto* dialog = qobject_cast<AccountFormDialog*>(modal);
        if (!dialog)
            return;
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Family"));
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("institutionEdit")),
            QStringLiteral("Harbour Bank"));
        QTest::mouseClick(
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    menuAction(window, QStringLiteral("&Account"), QStringLiteral("&Edit..."))->trigger();
    QVERIFY(*handled);
    const Account stored = *m_app->state()->accounts()->findById(account.id);
    QCOMPARE(stored.name, QStringLiteral("Family"));
    QCOMPARE(stored.startingBalance, 1000);
    QCOMPARE(stored.createdAt, account.createdAt);
    QVERIFY(showsLabel(window->registerScreen(), QStringLiteral("Family")));
    QCOMPARE(window->sidebar()
                 ->list()
                 ->itemWidget(window->sidebar()->list()->item(0))
                 ->findChild<ElidedLabel*>(QStringLiteral("detailLabel"))
                 ->fullText(),
        QStringLiteral("Harbour Bank"));

    // Clearing the name stores nothing.
    handled = renameInAccountForm(m_pending.get(), QString());
    window->showEditAccountDialog();
    QVERIFY(*handled);
    QCOMPARE(m_app->state()->accounts()->findById(account.id)->name, QStringLiteral("Family"));
}

void TestMainWindow::oddNamesStayAsTyped()
{
    const QString odd = QStringLiteral("AT&T <b>Gold</b> \"Card\"");
    MainWindow* window = openWindow();
    const auto handled
        = answerAccountForm(m_pending.get(), { odd, QStringLiteral("10"), QDate(2025, 6, 1) });
    window->showNewAccountDialog();
    QVERIFY(*handled);
    const Account stored = m_app->state()->accounts()->findAll().value(0);
    QCOMPARE(stored.name, odd);
    QCOMPARE(sidebarNames(window), QStringList({ odd }));

    // The menu shows the ampersand instead of taking it for a mnemonic.
    const QStringList entries = runContextMenu(0, QString());
    QVERIFY2(entries.contains(QStringLiteral("Edit \"AT&&T <b>Gold</b> \"Card\"\"...")),
        qPrintable(entries.join(QLatin1Char('|'))));

    // The question reads the name as typed, not as markup.
    MessageBoxes::setNextAnswer(QMessageBox::No);
    window->deleteCurrentAccount();
    QTextDocument shown;
    shown.setHtml(MessageBoxes::lastShown()->text);
    QVERIFY2(shown.toPlainText().startsWith(QStringLiteral("Delete \"%1\"?").arg(odd)),
        qPrintable(shown.toPlainText()));
    QVERIFY(shown.toPlainText().contains(QLatin1String("Data & Sync.")));
    QCOMPARE(m_app->state()->accounts()->findAll().size(), 1);
}

void TestMainWindow::helpMenu()
{
    MainWindow* window = openWindow();

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    menuAction(window, QStringLiteral("&Help"), QStringLiteral("&Keyboard Shortcuts"))->trigger();
    const auto help = MessageBoxes::lastShown();
    QCOMPARE(help->title, QStringLiteral("Keyboard Shortcuts"));
    for (const char* part : { "<h4>Register</h4>", "<h4>Date Field</h4>", "<h4>General</h4>",
             "<h4>Accounts</h4>", "<table cellspacing=\"6\">", "<b>Ctrl+Shift+N</b>",
             "<b>Alt+0</b></td><td>Switch to account 10", "<b>Tab / Shift+Tab</b>",
             "First / last day of week", "Switch to account 1&ndash;9" })
        QVERIFY2(help->text.contains(QLatin1String(part)), part);

    QString about;
    const auto handled = onNextModal(m_pending.get(), [&about](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            about = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    menuAction(window, QStringLiteral("&Help"), QStringLiteral("&About Mellowind Ledgerine"))
        ->trigger();
    QVERIFY(*handled);
    QVERIFY2(
        about.startsWith(QLatin1String("About Mellowind Ledgerine|<h3>Mellowind Ledgerine</h3>")),
        qPrintable(about));
    QVERIFY(about.contains(QStringLiteral("Version %1").arg(QApplication::applicationVersion())));

    // Feedback goes to the browser.
    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    menuAction(window, QStringLiteral("&Help"), QStringLiteral("Send &Feedback..."))->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.first().query(), QStringLiteral("tags=ledgerine"));
    QVERIFY(browser.opened.first().path().endsWith(QLatin1Char('/')));
    QCOMPARE(browser.opened.first().scheme(), QStringLiteral("https"));
}

void TestMainWindow::feedbackAddress_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("page");
    QTest::newRow("bare host") << "https://feedback.example.org"
                               << "https://feedback.example.org/?tags=ledgerine";
    QTest::newRow("path without slash") << "https://example.org/fb"
                                        << "https://example.org/fb/?tags=ledgerine";
    QTest::newRow("path with slash") << "https://example.org/fb/"
                                     << "https://example.org/fb/?tags=ledgerine";
    QTest::newRow("query replaced") << "https://example.org/?tags=other"
                                    << "https://example.org/?tags=ledgerine";
}

void TestMainWindow::feedbackAddress()
{
    QFETCH(QString, root);
    QFETCH(QString, page);
    QCOMPARE(MainMenus::feedbackUrl(QUrl(root), QStringLiteral("ledgerine")).toString(), page);
}

void TestMainWindow::toolWindowsOpenOnceAndKeepTheirSize()
{
    MainWindow* window = openWindow();
    auto* tool = new QWidget;
    window->showToolWindow(tool, QStringLiteral("Reports"), QSize(800, 600));
    QCOMPARE(tool->parentWidget(), window);
    QVERIFY(tool->isWindow());
    QCOMPARE(tool->windowTitle(), QStringLiteral("Reports"));
    QCOMPARE(tool->size(), QSize(800, 600));
    QVERIFY(tool->isVisible());

    tool->resize(500, 300);
    tool->close();
    window->showToolWindow(tool, QStringLiteral("Reports again"), QSize(800, 600));
    QVERIFY(tool->isVisible());
    QCOMPARE(tool->size(), QSize(500, 300));
    QCOMPARE(tool->windowTitle(), QStringLiteral("Reports again"));

    tool->showMinimized();
    QTRY_VERIFY(tool->isMinimized());
    window->showToolWindow(tool, QStringLiteral("Reports"), QSize(800, 600));
    QVERIFY(!tool->isMinimized());
}

void TestMainWindow::registerWiring()
{
    const Account account = m_app->addAccount(QStringLiteral("Main"));
    MainWindow* window = openWindow();
    RegisterScreen* screen = window->registerScreen();

    Q_EMIT screen->errorMessage(
        QStringLiteral("Transfers require both accounts to use the same currency"));
    QCOMPARE(statusMessage(window),
        QStringLiteral("Transfers require both accounts to use the same currency"));

    // A display preference reloads the register.
    const int singleLine = screen->view()->verticalHeader()->defaultSectionSize();
    m_app->state()->preferences()->set(QStringLiteral("registerTwoLine"), QStringLiteral("true"));
    QVERIFY(screen->view()->verticalHeader()->defaultSectionSize() > singleLine);

    // Ctrl+N goes to the register's new entry.
    screen->view()->setCurrentIndex(QModelIndex());
    activate();
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(screen->view()->currentIndex().isValid());
    QCOMPARE(screen->view()->currentIndex().column(), 0);
    QCOMPARE(screen->accountId(), account.id);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
