#pragma once

#include "data/Account.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <optional>

class MainWindow;
class QAction;
class QMenu;

// The main window's menu bar and account context menu, and the small boxes
// of the Help menu.
class MainMenus : public QObject {
    Q_OBJECT

public:
    // Builds the menu bar of `window`, whose slots its entries run.
    explicit MainMenus(MainWindow* window);

    // The entries that differ for a signed-in user.
    void setSignedIn(bool signedIn);
    // Entries that change the ledger are off while it cannot be written, and
    // those that show its data too while it cannot be read soundly. Import
    // Backup stays for a damaged ledger, which a backup replaces.
    void setStoreAccess(bool readable, bool writable);

    // "New Account..." and, for an account, its own entries.
    void fillAccountMenu(QMenu* menu, const std::optional<Account>& account) const;

    // The feedback site's page for a product: `root` with its path ending in
    // "/" and the query item tags=`productKey`.
    static QUrl feedbackUrl(const QUrl& root, const QString& productKey);
    static QString shortcutsHelpText();

public Q_SLOTS:
    void showAbout();
    void showKeyboardShortcuts();
    void sendFeedback();
    void showWhatsNew();
    void checkForUpdates();

private:
    void buildFileMenu();
    void buildEditMenu();
    void buildAccountMenu();
    void buildViewMenu();
    void buildHelpMenu();

    // Registers an entry that changes the ledger or shows its data.
    QAction* writes(QAction* action);
    QAction* reads(QAction* action);

    MainWindow* m_window;
    QAction* m_accountAction = nullptr;
    QAction* m_signOutAction = nullptr;
    QAction* m_importBackup = nullptr;
    QList<QAction*> m_writeActions;
    QList<QAction*> m_readActions;
    bool m_writable = true;
};
