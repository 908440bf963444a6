#pragma once

#include "AccountBalances.h"
#include "ui/screens/AccountScreen.h"

#include <QMainWindow>

class AccountSidebar;
class AppState;
class CategoriesScreen;
class PayeeScreen;
class ImportScreen;
class MainMenus;
class NoAccountsPage;
class QSplitter;
class ReconciliationHistoryScreen;
class QStackedWidget;
class RecurringAutoPoster;
class RecurringScreen;
class ReportsScreen;
class RegisterScreen;
class SettingsScreen;
class SearchScreen;
class SignInActions;
class StoreBanner;
class StatusBar;
class SyncFeedback;
class WelcomeScreen;

// The application's one top-level window: the account sidebar beside a stack
// of pages (welcome, the register of the selected account, no accounts), the
// menus, the status bar, and the opening of secondary windows.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    enum class Page { Welcome, Register, NoAccounts };

    explicit MainWindow(AppState* state, QWidget* parent = nullptr);

    Page currentPage() const;
    AccountSidebar* sidebar() const { return m_sidebar; }
    RegisterScreen* registerScreen() const { return m_register; }
    WelcomeScreen* welcomeScreen() const { return m_welcome; }
    StatusBar* statusLine() const { return m_statusBar; }
    SignInActions* signInActions() const { return m_signIn; }
    QSplitter* splitter() const { return m_splitter; }
    StoreBanner* banner() const { return m_banner; }

    // Shows a secondary window: on first use it becomes a separate window of
    // this one with the given size; later it keeps its own size and place.
    void showToolWindow(QWidget* window, const QString& title, const QSize& size);

public Q_SLOTS:
    void onAccountsChanged();
    void selectAccount(const QString& accountId);
    void newTransaction();
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showImportWindow();
    void onAccountContextMenu(const QPoint& pos);
    void deleteAccount(const QString& accountId);
    void deleteCurrentAccount();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showShareAccountDialog();
    // The list of sync conflicts, that row's selected.
    void showSyncConflicts(const QString& id = QString());
    void updateAuthUI();
    void startSignIn();
    void signOut();
    void showMellowindAccountScreen(MellAccount::AccountScreen::Tab tab);
    void showMellowindAccountScreen();
    void showRecurringWindow();
    void showReportsWindow();
    void showSettingsWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showPayeesWindow();
    void loadSampleData();
    void clearSampleData();
    // Brings the transaction up in its account's register, selected.
    void showTransaction(const QString& transactionId);
    // Posts what the automatic schedules have due and says how many.
    void autoPostDue();
    // Restores a backup into this ledger; a damaged ledger is replaced by one
    // made from the backup instead (ledgerReplacementRequested).
    void importBackup();

Q_SIGNALS:
    // The ledger is damaged and the user chose a backup to make a new one
    // from; the window and the store behind it have to close first.
    void ledgerReplacementRequested(const QString& archivePath);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fitFirstWindow();
    void buildPages();
    void setupAccountList();
    void connectStore();
    void restoreInitialPage();
    // No account is current any more: the register lets go of it and the
    // start page takes its place.
    void leaveCurrentAccount();
    void showStartPage();
    // The account after `accountId` in the list, else the one before; empty
    // when it is the only one.
    QString neighbourOf(const QString& accountId) const;
    bool requireCurrentAccount();
    void writeSortOrders(const QStringList& accountIds);
    void onFontScaleChanged();
    void startRecurringPosting();
    void afterBulkChange();
    // Read-only and damaged ledgers: the title, the banner, what can be done.
    void applyStoreAccess();
    void onStoreDamaged();

    AppState* m_state;
    AccountBalances m_balances;
    MainMenus* m_menus = nullptr;
    RegisterScreen* m_register = nullptr;
    WelcomeScreen* m_welcome = nullptr;
    NoAccountsPage* m_noAccounts = nullptr;
    QStackedWidget* m_pages = nullptr;
    AccountSidebar* m_sidebar = nullptr;
    QSplitter* m_splitter = nullptr;
    StatusBar* m_statusBar = nullptr;
    StoreBanner* m_banner = nullptr;
    bool m_damageShown = false;
    SyncFeedback* m_syncFeedback = nullptr;
    ReconciliationHistoryScreen* m_reconciliationHistory = nullptr;
    SignInActions* m_signIn = nullptr;
    RecurringScreen* m_recurringScreen = nullptr;
    ReportsScreen* m_reportsScreen = nullptr;
    RecurringAutoPoster* m_autoPoster = nullptr;
    ImportScreen* m_importScreen = nullptr;
    SettingsScreen* m_settingsScreen = nullptr;
    SearchScreen* m_searchScreen = nullptr;
    CategoriesScreen* m_categoriesScreen = nullptr;
    PayeeScreen* m_payeeScreen = nullptr;
};
