#include "MainMenus.h"

#include "MainWindow.h"
#include "StatusBar.h"
#include "ui/widgets/MessageBoxes.h"
#include "update/UpdateCommands.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrlQuery>

namespace {

const char* const kFeedbackRoot = "https://feedback.mellowind.app";
const char* const kProductKey = "ledgerine";

// Account names are free text; a "&" in a menu must not become a mnemonic.
QString menuText(const QString& name)
{
    QString escaped = name;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString keyText(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText).toHtmlEscaped();
}

QString section(const QString& title, const QList<QPair<QString, QString>>& rows)
{
    QString html = QStringLiteral("<h4>%1</h4><table cellspacing=\"6\">").arg(title);
    for (const auto& [keys, meaning] : rows)
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(keys, meaning);
    return html + QStringLiteral("</table>");
}

} // namespace

MainMenus::MainMenus(MainWindow* window)
    : QObject(window)
    , m_window(window)
{
    buildFileMenu();
    buildEditMenu();
    buildAccountMenu();
    buildViewMenu();
    buildHelpMenu();
}

void MainMenus::buildFileMenu()
{
    QMenu* menu = m_window->menuBar()->addMenu(tr("&File"));
    QAction* newTransaction
        = writes(menu->addAction(tr("&New Transaction"), m_window, &MainWindow::newTransaction));
    newTransaction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* newAccount
        = writes(menu->addAction(tr("New &Account"), m_window, &MainWindow::showNewAccountDialog));
    newAccount->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    menu->addSeparator();
    QAction* import
        = writes(menu->addAction(tr("&Import..."), m_window, &MainWindow::showImportWindow));
    import->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_importBackup = menu->addAction(tr("Import &Backup..."), m_window, &MainWindow::importBackup);
    menu->addSeparator();
    m_accountAction = menu->addAction(tr("&Mellowind Account..."), m_window,
        qOverload<>(&MainWindow::showMellowindAccountScreen));
    menu->addSeparator();
    m_signOutAction = menu->addAction(tr("Sign &Out"), m_window, &MainWindow::signOut);
    menu->addSeparator();
    QAction* quit = menu->addAction(tr("&Quit"), m_window, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
}

void MainMenus::buildEditMenu()
{
    QMenu* menu = m_window->menuBar()->addMenu(tr("&Edit"));
    QAction* find = reads(menu->addAction(tr("&Find..."), m_window, &MainWindow::showSearchWindow));
    find->setShortcut(QKeySequence::Find);
    menu->addSeparator();
    QAction* preferences
        = reads(menu->addAction(tr("&Preferences..."), m_window, &MainWindow::showSettingsWindow));
    preferences->setMenuRole(QAction::PreferencesRole);
}

void MainMenus::buildAccountMenu()
{
    QMenu* menu = m_window->menuBar()->addMenu(tr("&Account"));
    writes(menu->addAction(tr("&Edit..."), m_window, &MainWindow::showEditAccountDialog));
    QAction* reconcile = writes(
        menu->addAction(tr("&Reconcile..."), m_window, &MainWindow::showReconciliationWindow));
    reconcile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    reads(menu->addAction(
        tr("Reconciliation &History..."), m_window, &MainWindow::showReconciliationHistoryWindow));
    writes(menu->addAction(tr("Rename &Payees..."), m_window, &MainWindow::showPayeesWindow));
    menu->addSeparator();
    writes(menu->addAction(tr("&Share..."), m_window, &MainWindow::showShareAccountDialog));
    menu->addSeparator();
    writes(menu->addAction(tr("&Delete"), m_window, &MainWindow::deleteCurrentAccount));
}

void MainMenus::buildViewMenu()
{
    QMenu* menu = m_window->menuBar()->addMenu(tr("&View"));
    QAction* reports
        = reads(menu->addAction(tr("&Reports"), m_window, &MainWindow::showReportsWindow));
    reports->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    // Both windows are for changing what they list.
    QAction* recurring = writes(
        menu->addAction(tr("Re&curring Transactions"), m_window, &MainWindow::showRecurringWindow));
    recurring->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    QAction* categories
        = writes(menu->addAction(tr("C&ategories"), m_window, &MainWindow::showCategoriesWindow));
    categories->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
}

void MainMenus::buildHelpMenu()
{
    QMenu* menu = m_window->menuBar()->addMenu(tr("&Help"));
    QAction* about = menu->addAction(tr("&About Mellowind Ledgerine"), this, &MainMenus::showAbout);
    about->setMenuRole(QAction::AboutRole);
    menu->addAction(tr("What's &New..."), this, &MainMenus::showWhatsNew);
    menu->addAction(tr("Check for &Updates..."), this, &MainMenus::checkForUpdates);
    menu->addAction(tr("Send &Feedback..."), this, &MainMenus::sendFeedback);
    menu->addSeparator();
    menu->addAction(tr("&Keyboard Shortcuts"), this, &MainMenus::showKeyboardShortcuts);
    if (!qEnvironmentVariableIsEmpty("LEDGERINE_DEV")) {
        menu->addSeparator();
        writes(menu->addAction(tr("Load &Sample Data"), m_window, &MainWindow::loadSampleData));
        writes(menu->addAction(tr("&Clear Sample Data"), m_window, &MainWindow::clearSampleData));
    }
}

void MainMenus::setSignedIn(bool signedIn)
{
    m_signOutAction->setVisible(signedIn);
    m_accountAction->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
}

QAction* MainMenus::writes(QAction* action)
{
    m_writeActions.append(action);
    return action;
}

QAction* MainMenus::reads(QAction* action)
{
    m_readActions.append(action);
    return action;
}

void MainMenus::setStoreAccess(bool readable, bool writable)
{
    m_writable = writable;
    for (QAction* action : std::as_const(m_writeActions))
        action->setEnabled(writable);
    for (QAction* action : std::as_const(m_readActions))
        action->setEnabled(readable);
    m_importBackup->setEnabled(writable || !readable);
}

void MainMenus::fillAccountMenu(QMenu* menu, const std::optional<Account>& account) const
{
    // Nothing in it but changes and the reconciliation history.
    if (!m_writable)
        return;
    menu->addAction(tr("New Account..."), m_window, &MainWindow::showNewAccountDialog);
    if (!account)
        return;
    const QString id = account->id;
    MainWindow* window = m_window;
    menu->addSeparator();
    menu->addAction(tr("Edit \"%1\"...").arg(menuText(account->name)), window, [window, id] {
        window->selectAccount(id);
        window->showEditAccountDialog();
    });
    menu->addAction(tr("Reconcile..."), window, [window, id] {
        window->selectAccount(id);
        window->showReconciliationWindow();
    });
    menu->addAction(tr("Reconciliation History..."), window, [window, id] {
        window->selectAccount(id);
        window->showReconciliationHistoryWindow();
    });
    menu->addAction(tr("Rename Payees..."), window, [window, id] {
        window->selectAccount(id);
        window->showPayeesWindow();
    });
    menu->addSeparator();
    menu->addAction(tr("Share..."), window, [window, id] {
        window->selectAccount(id);
        window->showShareAccountDialog();
    });
    menu->addSeparator();
    menu->addAction(tr("Delete \"%1\"").arg(menuText(account->name)), window,
        [window, id] { window->deleteAccount(id); });
}

QUrl MainMenus::feedbackUrl(const QUrl& root, const QString& productKey)
{
    QUrl url = root;
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("tags"), productKey);
    url.setQuery(query);
    return url;
}

QString MainMenus::shortcutsHelpText()
{
    const auto key = [](QKeyCombination combination) { return keyText(QKeySequence(combination)); };
    QString html;
    html += section(tr("Register"),
        {
            { key(Qt::CTRL | Qt::Key_Return), tr("Save transaction") },
            { key(Qt::CTRL | Qt::Key_N), tr("Insert new transaction") },
            { key(Qt::CTRL | Qt::Key_D), tr("Delete current transaction") },
            { key(Qt::ALT | Qt::Key_Return), tr("Transaction details") },
            { key(Qt::CTRL | Qt::Key_M), tr("Memorize as a recurring transaction") },
            { key(Qt::Key_F2), tr("Edit the current field") },
            { QStringLiteral("%1 / %2").arg(key(Qt::Key_Tab), key(Qt::SHIFT | Qt::Key_Tab)),
                tr("Next / previous field") },
            { tr("' (apostrophe)"), tr("Copy value from field above") },
        });
    html += section(tr("Date Field"),
        {
            { QStringLiteral("t"), tr("Today") },
            { QStringLiteral("+ / -"), tr("Next / previous day") },
            { QStringLiteral("m / h"), tr("First / last day of month") },
            { QStringLiteral("y / r"), tr("First / last day of year") },
            { QStringLiteral("w / k"), tr("First / last day of week") },
            { QStringLiteral("%1 / %2").arg(key(Qt::Key_F4), key(Qt::ALT | Qt::Key_Down)),
                tr("Open the calendar") },
        });
    html += section(tr("General"),
        {
            { key(Qt::CTRL | Qt::Key_N), tr("New transaction") },
            { key(Qt::CTRL | Qt::SHIFT | Qt::Key_N), tr("New account") },
            { key(Qt::CTRL | Qt::Key_R), tr("Reconcile account") },
            { key(Qt::CTRL | Qt::Key_F), tr("Search transactions") },
            { key(Qt::CTRL | Qt::Key_I), tr("Import") },
            { key(Qt::CTRL | Qt::Key_2), tr("Reports") },
            { key(Qt::CTRL | Qt::Key_3), tr("Recurring transactions") },
            { key(Qt::CTRL | Qt::Key_4), tr("Categories") },
        });
    html += section(tr("Accounts"),
        {
            { QStringLiteral("%1 &ndash; %2")
                    .arg(key(Qt::ALT | Qt::Key_1), key(Qt::ALT | Qt::Key_9)),
                tr("Switch to account 1&ndash;9") },
            { key(Qt::ALT | Qt::Key_0), tr("Switch to account 10") },
        });
    return html;
}

void MainMenus::showAbout()
{
    QMessageBox::about(m_window, tr("About Mellowind Ledgerine"),
        tr("<h3>Mellowind Ledgerine</h3><p>Version %1</p><p>A check register for household "
           "finances that keeps its data on this computer.</p>")
            .arg(QApplication::applicationVersion().toHtmlEscaped()));
}

void MainMenus::showKeyboardShortcuts()
{
    MessageBoxes::information(m_window, tr("Keyboard Shortcuts"), shortcutsHelpText());
}

void MainMenus::sendFeedback()
{
    QDesktopServices::openUrl(
        feedbackUrl(QUrl(QLatin1String(kFeedbackRoot)), QLatin1String(kProductKey)));
}

namespace {

MellUpdate::UpdateCommands* updateCommands(MainWindow* window)
{
    StatusBar* status = window->statusLine();
    return new MellUpdate::UpdateCommands(MellUpdate::UpdateConfig::forThisBuild(),
        QStringLiteral("Mellowind Ledgerine"),
        { [status](const QString& text) { status->startBusy(text); },
            [status] { status->stopBusy(); } },
        window);
}

} // namespace

void MainMenus::showWhatsNew()
{
    updateCommands(m_window)->showWhatsNew();
}

void MainMenus::checkForUpdates()
{
    updateCommands(m_window)->checkForUpdates();
}
