#include "MainWindow.h"

#include "AccountSidebar.h"
#include "MainMenus.h"
#include "NoAccountsPage.h"
#include "RecurringAutoPoster.h"
#include "SignInActions.h"
#include "StatusBar.h"
#include "StoreBanner.h"
#include "SyncFeedback.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "app/AppPaths.h"
#include "app/AppState.h"
#include "app/Application.h"
#include "app/ThemeManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/SampleDataService.h"
#include "ui/dialogs/AccountFormDialog.h"
#include "ui/dialogs/ShareMembersDialog.h"
#include "ui/dialogs/SyncConflictsDialog.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"
#include "ui/screens/CategoriesScreen.h"
#include "ui/screens/ImportScreen.h"
#include "ui/screens/PayeeScreen.h"
#include "ui/screens/ReconciliationHistoryScreen.h"
#include "ui/screens/ReconciliationScreen.h"
#include "ui/screens/RecurringScreen.h"
#include "ui/screens/ReportsScreen.h"
#include "ui/screens/RestoreFlow.h"
#include "ui/screens/SearchScreen.h"
#include "ui/screens/SettingsScreen.h"
#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/PlainText.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kGeometryKey = QStringLiteral("mainwindow/geometry");
const QString kSplitterKey = QStringLiteral("mainwindow/splitter");
constexpr int kShortMessageMs = 3000;
constexpr int kLongMessageMs = 5000;

bool isLive(const std::optional<Account>& account)
{
    return account && !account->deletedAt;
}

} // namespace

MainWindow::MainWindow(AppState* state, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_balances(state->accounts())
{
    setWindowTitle(tr("Mellowind Ledgerine"));
    const QByteArray geometry = QSettings().value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        fitFirstWindow();

    m_menus = new MainMenus(this);
    m_signIn = new SignInActions(this, state->cloudClient());
    buildPages();
    setupAccountList();

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->applyStyle();
    connect(m_register, &RegisterScreen::errorMessage, m_statusBar,
        [this](const QString& text) { m_statusBar->showTransientMessage(text, kLongMessageMs); });
    connect(m_register, &RegisterScreen::reconcileRequested, this,
        &MainWindow::showReconciliationWindow);
    connect(
        m_register, &RegisterScreen::syncConflictRequested, this, &MainWindow::showSyncConflicts);
    connect(m_statusBar, &StatusBar::conflictsRequested, this, [this] { showSyncConflicts(); });
    connectStore();
    const auto reload = [this] {
        onAccountsChanged();
        m_register->reload();
        // A first sync may have brought the first accounts.
        if (m_state->currentAccountId().isEmpty())
            restoreInitialPage();
    };
    m_syncFeedback = new SyncFeedback(
        state->syncEngine(), m_statusBar, this,
        [this] { return m_state->cloudClient()->isAuthenticated(); }, reload);
    // Rows written in bulk were announced once, not per account.
    connect(state, &AppState::dataChanged, this, [this, reload] {
        m_balances.forget(QString());
        reload();
    });
    connect(state->cloudClient(), &MellAccount::Client::authStateChanged, this,
        &MainWindow::updateAuthUI);

    updateAuthUI();
    onAccountsChanged();
    startRecurringPosting();
    restoreInitialPage();
    applyStoreAccess();
    // Damage met while the window was being built: said once it is on screen.
    if (state->database()->isDamaged())
        QTimer::singleShot(0, this, &MainWindow::onStoreDamaged);
}

void MainWindow::applyStoreAccess()
{
    const Database* db = m_state->database();
    const bool writable = db->isWritable();
    m_menus->setStoreAccess(!db->isDamaged(), writable);
    m_register->setReadOnly(!writable);
    if (db->isDamaged()) {
        setWindowTitle(tr("Mellowind Ledgerine (damaged ledger)"));
        m_banner->showDamaged(Application::damagedLedgerText(db->damageReason()));
        // What a damaged file yields may be wrong: nothing of it stays on show.
        m_splitter->hide();
        if (m_autoPoster)
            m_autoPoster->stop();
        for (QWidget* window : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (window->isWindow())
                window->hide();
        }
    } else if (db->isReadOnly()) {
        setWindowTitle(tr("Mellowind Ledgerine (read-only)"));
        m_banner->showReadOnly(QDir::toNativeSeparators(AppPaths::databasePath()));
    }
}

void MainWindow::onStoreDamaged()
{
    if (m_damageShown)
        return;
    m_damageShown = true;
    applyStoreAccess();
    if (MessageBoxes::criticalOffer(this, tr("Database Error"),
            Application::damagedLedgerText(m_state->database()->damageReason()),
            tr("Import Backup..."))
        == QMessageBox::Ok)
        importBackup();
}

void MainWindow::importBackup()
{
    if (!m_state->database()->isDamaged()) {
        RestoreFlow::run(this, m_state);
        if (m_settingsScreen && m_settingsScreen->isVisible())
            m_settingsScreen->refresh();
        return;
    }
    const QString archive = RestoreFlow::askArchive(this);
    if (!archive.isEmpty())
        Q_EMIT ledgerReplacementRequested(archive);
}

void MainWindow::showSyncConflicts(const QString& id)
{
    SyncConflictsDialog dialog(m_state, this);
    dialog.select(id);
    dialog.exec();
}

void MainWindow::buildPages()
{
    m_register = new RegisterScreen(m_state);

    m_welcome = new WelcomeScreen;
    connect(
        m_welcome, &WelcomeScreen::createAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_welcome, &WelcomeScreen::signInRequested, m_signIn, &SignInActions::startSignIn);

    m_noAccounts = new NoAccountsPage;
    connect(m_noAccounts, &NoAccountsPage::createAccountRequested, this,
        &MainWindow::showNewAccountDialog);

    m_pages = new QStackedWidget;
    m_pages->addWidget(m_welcome);
    m_pages->addWidget(m_register);
    m_pages->addWidget(m_noAccounts);
}

void MainWindow::setupAccountList()
{
    m_sidebar = new AccountSidebar;
    connect(m_sidebar, &AccountSidebar::accountActivated, this, &MainWindow::selectAccount);
    connect(
        m_sidebar, &AccountSidebar::contextMenuRequested, this, &MainWindow::onAccountContextMenu);
    // Queued: the list is still inside its drop when it reports the move, and
    // the write rebuilds the list.
    connect(m_sidebar, &AccountSidebar::reordered, this, &MainWindow::writeSortOrders,
        Qt::QueuedConnection);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    const QSettings settings;
    if (!settings.contains(kSplitterKey)
        || !m_splitter->restoreState(settings.value(kSplitterKey).toByteArray()))
        m_splitter->setSizes({ 280, 1000 });
    connect(m_splitter, &QSplitter::splitterMoved, m_sidebar, &AccountSidebar::fitRowsToWidth);
    m_banner = new StoreBanner;
    connect(m_banner, &StoreBanner::restoreRequested, this, &MainWindow::importBackup);
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_banner);
    column->addWidget(m_splitter, 1);
    setCentralWidget(central);
}

void MainWindow::connectStore()
{
    connect(
        m_state->preferences(), &PreferencesRepository::changed, this, [this](const QString& key) {
            static const QStringList registerKeys = { QStringLiteral("registerTwoLine"),
                QStringLiteral("registerNewestFirst"), QStringLiteral("weekStartDay"),
                QStringLiteral("theme"), QStringLiteral("dateFormat") };
            if (registerKeys.contains(key))
                m_register->reload();
        });
    connect(m_state->transactions(), &TransactionRepository::transactionsChanged, this,
        [this](const QString& accountId) {
            m_balances.forget(accountId);
            onAccountsChanged();
        });
    connect(m_state->accounts(), &AccountRepository::accountsChanged, this,
        &MainWindow::onAccountsChanged);
    connect(m_state->themeManager(), &ThemeManager::fontScaleChanged, this,
        &MainWindow::onFontScaleChanged);
    connect(m_state, &AppState::dataChanged, this, &MainWindow::afterBulkChange);
    // Queued: the statement that met the damage may be deep inside a reload.
    connect(m_state->database(), &Database::damaged, this, &MainWindow::onStoreDamaged,
        Qt::QueuedConnection);
    connect(
        m_state->themeManager(), &ThemeManager::themeChanged, m_statusBar, &StatusBar::applyStyle);
}

MainWindow::Page MainWindow::currentPage() const
{
    QWidget* page = m_pages->currentWidget();
    if (page == m_register)
        return Page::Register;
    return page == m_noAccounts ? Page::NoAccounts : Page::Welcome;
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = m_state->cloudClient()->isAuthenticated();
    m_menus->setSignedIn(signedIn);
    if (!signedIn) {
        m_statusBar->setSyncText(tr("Not signed in"));
        m_welcome->setReturningUser(
            QSettings().value(MellAccount::AuthClient::kHasSignedInBeforeKey, false).toBool());
        m_pages->setCurrentWidget(m_welcome);
        return;
    }
    m_syncFeedback->showState();
    m_welcome->setReturningUser(false);
    // Any account beats the welcome page, which is for those signed out.
    if (currentPage() == Page::Welcome)
        restoreInitialPage();
}

void MainWindow::showStartPage()
{
    // Signed out, the welcome page; the no-accounts page is for a signed-in user.
    if (m_state->cloudClient()->isAuthenticated())
        m_pages->setCurrentWidget(m_noAccounts);
    else
        m_pages->setCurrentWidget(m_welcome);
}

void MainWindow::startSignIn()
{
    m_signIn->startSignIn();
}

void MainWindow::signOut()
{
    m_signIn->signOut();
}

void MainWindow::showMellowindAccountScreen(MellAccount::AccountScreen::Tab tab)
{
    m_signIn->showAccountScreen(tab);
}

void MainWindow::showMellowindAccountScreen()
{
    showMellowindAccountScreen(MellAccount::AccountScreen::Tab::Profile);
}

void MainWindow::restoreInitialPage()
{
    const QString current = m_state->currentAccountId();
    if (!current.isEmpty() && isLive(m_state->accounts()->findById(current))) {
        selectAccount(current);
        return;
    }
    const QList<Account> accounts = m_state->accounts()->findAll();
    if (!accounts.isEmpty())
        selectAccount(accounts.first().id);
    else
        showStartPage();
}

void MainWindow::onAccountsChanged()
{
    const QList<Account> accounts = m_state->accounts()->findAll();
    const QHash<QString, qint64> balances = m_balances.of(accounts);
    m_sidebar->setAccounts(accounts, balances, m_balances.unavailable());
    m_statusBar->setAccountCount(int(accounts.size()));

    const QString current = m_state->currentAccountId();
    const bool currentIsLive = std::any_of(
        accounts.begin(), accounts.end(), [&current](const Account& a) { return a.id == current; });
    if (!current.isEmpty() && !currentIsLive)
        leaveCurrentAccount();
    m_sidebar->setCurrentAccount(m_state->currentAccountId());
}

void MainWindow::onFontScaleChanged()
{
    m_statusBar->applyStyle();
    m_sidebar->applyStyle();
    // Row heights follow the new fonts.
    onAccountsChanged();
}

void MainWindow::selectAccount(const QString& accountId)
{
    if (!isLive(m_state->accounts()->findById(accountId)))
        return;
    // Choosing the account already shown keeps what is being typed into it;
    // leaving it asks about that first, as quitting does.
    const bool leaving = m_register->accountId() != accountId;
    if (leaving && currentPage() == Page::Register && !m_register->settleUnsavedEntry()) {
        m_sidebar->setCurrentAccount(m_register->accountId());
        return;
    }
    m_state->setCurrentAccountId(accountId);
    if (leaving || currentPage() != Page::Register)
        m_register->setAccount(accountId);
    m_pages->setCurrentWidget(m_register);
    m_sidebar->setCurrentAccount(accountId);
}

void MainWindow::leaveCurrentAccount()
{
    m_state->setCurrentAccountId(QString());
    m_register->setAccount(QString());
    showStartPage();
}

bool MainWindow::requireCurrentAccount()
{
    if (!m_state->currentAccountId().isEmpty())
        return true;
    m_statusBar->showTransientMessage(tr("Select an account first"), kShortMessageMs);
    return false;
}

void MainWindow::newTransaction()
{
    // Without a register on show, a new entry would go to an account out of sight.
    if (currentPage() == Page::Register)
        m_register->goToNewEntry();
    else
        m_statusBar->showTransientMessage(tr("Select an account first"), kShortMessageMs);
}

void MainWindow::showNewAccountDialog()
{
    // Also offered by the start pages, which know nothing of the store.
    if (!m_state->database()->isWritable())
        return;
    AccountFormDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return;
    if (!m_state->accountService()->create(account, dialog.asOfDate())) {
        m_statusBar->showTransientMessage(tr("The account could not be saved"), kLongMessageMs);
        return;
    }
    selectAccount(account.id);
}

void MainWindow::showEditAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    const auto account = m_state->accounts()->findById(m_state->currentAccountId());
    if (!isLive(account))
        return;
    AccountFormDialog dialog(*account, this);
    if (!m_state->accountService()->canChangeCurrency(account->id))
        dialog.lockCurrency();
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Account edited = dialog.account();
    if (edited.name.isEmpty())
        return;
    if (m_state->accountService()->update(edited))
        m_register->reload();
    else
        m_statusBar->showTransientMessage(tr("The account could not be saved"), kLongMessageMs);
}

void MainWindow::onAccountContextMenu(const QPoint& pos)
{
    std::optional<Account> account;
    if (const QString id = m_sidebar->accountIdAt(pos); !id.isEmpty()) {
        account = m_state->accounts()->findById(id);
        if (!isLive(account))
            account.reset();
    }
    QMenu menu(this);
    m_menus->fillAccountMenu(&menu, account);
    if (!menu.isEmpty())
        menu.exec(m_sidebar->list()->viewport()->mapToGlobal(pos));
}

void MainWindow::deleteAccount(const QString& accountId)
{
    const auto account = m_state->accounts()->findById(accountId);
    if (!isLive(account))
        return;
    const QString question
        = tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history "
             "for this account will be removed. You can restore it from Preferences → Data & "
             "Sync.")
              .arg(account->name);
    if (MessageBoxes::warning(this, tr("Delete Account"), PlainText::forAutoText(question),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    const bool wasCurrent = accountId == m_state->currentAccountId();
    const QString next = wasCurrent ? neighbourOf(accountId) : QString();
    if (!m_state->accountService()->remove(accountId).removed) {
        m_statusBar->showTransientMessage(tr("The account could not be deleted"), kLongMessageMs);
        return;
    }
    // The list itself follows the store's change signals.
    if (!wasCurrent)
        return;
    if (next.isEmpty())
        leaveCurrentAccount();
    else
        selectAccount(next);
}

QString MainWindow::neighbourOf(const QString& accountId) const
{
    const QList<Account> accounts = m_state->accounts()->findAll();
    const auto it = std::find_if(accounts.begin(), accounts.end(),
        [&accountId](const Account& a) { return a.id == accountId; });
    if (it == accounts.end())
        return {};
    if (std::next(it) != accounts.end())
        return std::next(it)->id;
    return it == accounts.begin() ? QString() : std::prev(it)->id;
}

void MainWindow::deleteCurrentAccount()
{
    if (requireCurrentAccount())
        deleteAccount(m_state->currentAccountId());
}

void MainWindow::showReconciliationWindow()
{
    // The register's Reconcile button asks too.
    if (!m_state->database()->isWritable() || !requireCurrentAccount())
        return;
    const QString accountId = m_state->currentAccountId();
    const auto account = m_state->accounts()->findById(accountId);
    if (!isLive(account))
        return;
    const QString title = tr("Reconcile — %1").arg(account->name);
    const QSize size(1100, 720);
    // Ctrl+R again brings back the statement being ticked instead of a blank one.
    for (auto* open : findChildren<ReconciliationScreen*>(Qt::FindDirectChildrenOnly)) {
        if (open->accountId() == accountId) {
            showToolWindow(open, title, size);
            return;
        }
    }
    auto* screen = new ReconciliationScreen(m_state);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setAccount(accountId);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
        m_register->reload();
        onAccountsChanged();
        screen->close();
    });
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    connect(
        screen, &ReconciliationScreen::transactionsChanged, m_register, &RegisterScreen::reload);
    showToolWindow(screen, title, size);
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (!requireCurrentAccount())
        return;
    if (!m_reconciliationHistory)
        m_reconciliationHistory = new ReconciliationHistoryScreen(m_state);
    m_reconciliationHistory->setAccount(m_state->currentAccountId());
    showToolWindow(m_reconciliationHistory, tr("Reconciliation History"), QSize(750, 500));
}

void MainWindow::showShareAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    const auto account = m_state->accounts()->findById(m_state->currentAccountId());
    if (!isLive(account))
        return;
    if (!m_state->cloudClient()->isAuthenticated()) {
        if (MessageBoxes::offer(this, tr("Sign In Required"),
                tr("Sharing requires a Mellowind account."), tr("Learn More"))
            == QMessageBox::Ok)
            showMellowindAccountScreen();
        return;
    }
    auto* dialog = new MellAccount::ShareMembersDialog(
        m_state->cloudClient(), m_state->sharing(), *account, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &MellAccount::ShareMembersDialog::sharingChanged, this,
        &MainWindow::onAccountsChanged);
    dialog->loadShares();
    dialog->open();
}

void MainWindow::writeSortOrders(const QStringList& accountIds)
{
    if (!m_state->database()->isWritable()) {
        onAccountsChanged();
        return;
    }
    QList<QPair<QString, int>> orders;
    for (int position = 0; position < accountIds.size(); ++position)
        orders.append({ accountIds.at(position), position });
    if (!m_state->accounts()->updateSortOrders(orders))
        onAccountsChanged();
}

void MainWindow::startRecurringPosting()
{
    m_autoPoster = new RecurringAutoPoster(m_state, m_statusBar, this);
    connect(m_autoPoster, &RecurringAutoPoster::posted, this, [this] {
        onAccountsChanged();
        m_register->reload();
    });
    m_autoPoster->start();
}

void MainWindow::autoPostDue()
{
    m_autoPoster->postDueAndAnnounce();
}

void MainWindow::showRecurringWindow()
{
    if (!m_recurringScreen) {
        m_recurringScreen = new RecurringScreen(m_state);
        connect(m_recurringScreen, &RecurringScreen::transactionsChanged, this, [this] {
            m_register->reload();
            onAccountsChanged();
        });
        connect(m_state->recurring(), &RecurringRepository::recurringChanged, m_recurringScreen,
            [this] {
                if (m_recurringScreen->isVisible())
                    m_recurringScreen->refresh();
            });
    }
    m_recurringScreen->refresh();
    showToolWindow(m_recurringScreen, tr("Recurring Transactions"), QSize(700, 500));
}

// The first window is 1280 x 900 where the screen has room; on a smaller
// screen (a 1366 x 768 laptop) it keeps its status bar and title bar visible.
void MainWindow::fitFirstWindow()
{
    QSize size(1280, 900);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        // Leave space for the window manager's title bar and borders.
        size = size.boundedTo(room.size() - QSize(16, 48));
        resize(size);
        move(room.center() - QPoint(size.width() / 2, size.height() / 2 + 16));
        return;
    }
    resize(size);
}

void MainWindow::showReportsWindow()
{
    if (!m_reportsScreen)
        m_reportsScreen = new ReportsScreen(m_state);
    else
        m_reportsScreen->refresh();
    showToolWindow(m_reportsScreen, tr("Reports"), QSize(800, 600));
}

void MainWindow::showSettingsWindow()
{
    if (!m_settingsScreen) {
        m_settingsScreen = new SettingsScreen(m_state);
        connect(m_settingsScreen, &SettingsScreen::deletedAccountRestored, this, [this] {
            m_register->reload();
            onAccountsChanged();
        });
    }
    m_settingsScreen->refresh();
    // Wider than 500 where a language's texts or a larger font need it.
    showToolWindow(m_settingsScreen, tr("Preferences"),
        QSize(500, 550).expandedTo(m_settingsScreen->sizeHint()));
}

void MainWindow::showToolWindow(QWidget* window, const QString& title, const QSize& size)
{
    window->setWindowTitle(title);
    if (!window->parentWidget()) {
        window->setParent(this, Qt::Window);
        window->resize(size);
        window->move(frameGeometry().center() - window->rect().center());
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showImportWindow()
{
    if (!m_importScreen) {
        m_importScreen = new ImportScreen(m_state);
        connect(m_importScreen, &ImportScreen::importCompleted, this, [this] {
            m_register->reload();
            onAccountsChanged();
            // An import that made the first accounts shows what it brought.
            const QList<Account> accounts = m_state->accounts()->findAll();
            if (m_state->currentAccountId().isEmpty() && !accounts.isEmpty())
                selectAccount(accounts.first().id);
        });
        connect(m_importScreen, &ImportScreen::reconcileRequested, this,
            [this](const QString& accountId, const QDate& date, qint64 balance) {
                selectAccount(accountId);
                showReconciliationWindow();
                for (auto* screen :
                    findChildren<ReconciliationScreen*>(Qt::FindDirectChildrenOnly)) {
                    if (screen->accountId() == accountId)
                        screen->setStatement(date, balance);
                }
            });
    }
    m_importScreen->reload();
    showToolWindow(m_importScreen, tr("Import Transactions"), QSize(650, 600));
}

void MainWindow::showSearchWindow()
{
    if (!m_searchScreen) {
        m_searchScreen = new SearchScreen(m_state);
        connect(m_searchScreen, &SearchScreen::editTransactionRequested, this,
            &MainWindow::showTransaction);
    }
    m_searchScreen->refreshFilters();
    showToolWindow(m_searchScreen, tr("Search Transactions"), QSize(800, 550));
    m_searchScreen->focusSearch();
}

void MainWindow::showTransaction(const QString& transactionId)
{
    const auto t = m_state->transactions()->findById(transactionId);
    if (!t || t->deletedAt)
        return;
    selectAccount(t->accountId);
    if (m_register->accountId() != t->accountId)
        return;
    const int row = m_register->model()->rowOfTransaction(transactionId);
    if (row < 0)
        return;
    const QModelIndex cell = m_register->model()->index(row, RegisterModel::PayeeColumn);
    m_register->view()->setCurrentIndex(cell);
    m_register->view()->scrollTo(cell, QAbstractItemView::PositionAtCenter);
    raise();
    activateWindow();
    m_register->view()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::showCategoriesWindow()
{
    if (!m_categoriesScreen) {
        m_categoriesScreen = new CategoriesScreen(m_state);
        // Renamed or deleted categories change what the register shows.
        connect(m_state->categories(), &CategoryRepository::categoriesChanged, m_register,
            &RegisterScreen::reload);
    }
    m_categoriesScreen->reload();
    showToolWindow(m_categoriesScreen, tr("Categories"), QSize(600, 500));
}

void MainWindow::showPayeesWindow()
{
    if (!m_payeeScreen) {
        m_payeeScreen = new PayeeScreen(m_state);
        connect(m_payeeScreen, &PayeeScreen::payeesChanged, m_register, &RegisterScreen::reload);
    }
    m_payeeScreen->reload();
    showToolWindow(m_payeeScreen, tr("Payee Management"), QSize(550, 500));
}

void MainWindow::loadSampleData()
{
    SampleDataService* samples = m_state->sampleDataService();
    if (samples->hasSampleData()) {
        MessageBoxes::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    if (!samples->loadSampleData()) {
        MessageBoxes::warning(this, tr("Sample Data"), tr("The sample data could not be loaded."));
        return;
    }
    afterBulkChange();
    m_statusBar->showTransientMessage(tr("Sample data loaded"), kShortMessageMs);
}

void MainWindow::clearSampleData()
{
    SampleDataService* samples = m_state->sampleDataService();
    if (!samples->hasSampleData()) {
        MessageBoxes::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    if (!samples->clearSampleData()) {
        MessageBoxes::warning(this, tr("Sample Data"), tr("The sample data could not be cleared."));
        return;
    }
    afterBulkChange();
    if (m_state->currentAccountId().isEmpty())
        showStartPage();
    m_statusBar->showTransientMessage(tr("Sample data cleared"), kShortMessageMs);
}

void MainWindow::afterBulkChange()
{
    // Sample data and restored backups are written past the repositories,
    // which announce nothing.
    m_balances.forget(QString());
    onAccountsChanged();
    m_register->reload();
    m_autoPoster->showDue();
    if (m_state->currentAccountId().isEmpty()) {
        const QList<Account> accounts = m_state->accounts()->findAll();
        if (!accounts.isEmpty())
            selectAccount(accounts.first().id);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A save that fails keeps the window open, with the reason in the register.
    if (m_register && !m_register->settleUnsavedEntry()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    if (m_splitter)
        settings.setValue(kSplitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
