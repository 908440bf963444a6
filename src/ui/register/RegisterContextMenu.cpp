#include "RegisterContextMenu.h"

#include "RegisterModel.h"
#include "RegisterScreen.h"
#include "RegisterTableView.h"

#include <QMenu>

namespace RegisterContextMenu {

void exec(RegisterScreen* screen, const QPoint& pos)
{
    RegisterTableView* view = screen->view();
    RegisterModel* model = screen->model();
    const QModelIndex index = view->indexAt(pos);
    QMenu menu(screen);
    QAction* insert
        = menu.addAction(RegisterScreen::tr("&Insert New"), screen, &RegisterScreen::goToNewEntry);
    // The window's File menu holds Ctrl+N for this; Ctrl+I there is Import.
    insert->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    menu.addAction(
        RegisterScreen::tr("&New Transaction..."), screen, &RegisterScreen::newTransactionDialog);
    const TransactionRow* t = index.isValid() && !model->isOpeningRow(index.row())
        ? model->transactionAt(index.row())
        : nullptr;
    if (t) {
        // The rows may be reloaded while the menu is open: the actions find
        // their transaction again rather than trust a row number.
        const auto onRow = [model, id = t->id](auto action) {
            return [model, id, action] {
                if (const int row = model->rowOfTransaction(id); row >= 0)
                    action(row);
            };
        };
        menu.addSeparator();
        if (t->syncStatus == SyncStatus::Conflict)
            menu.addAction(RegisterScreen::tr("Resolve Sync &Conflict..."), screen,
                [screen, id = t->id] { Q_EMIT screen->syncConflictRequested(id); });
        QAction* details = menu.addAction(RegisterScreen::tr("Show &Details..."), screen,
            onRow([screen](int row) { screen->showDetails(row); }));
        details->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Return));
        menu.addAction(t->isSplit ? RegisterScreen::tr("Edit &Splits...")
                                  : RegisterScreen::tr("&Edit in Dialog..."),
            screen, onRow([screen](int row) { screen->editTransactionInDialog(row); }));
        menu.addAction(t->cleared ? RegisterScreen::tr("Mark &Uncleared")
                                  : RegisterScreen::tr("Mark &Cleared"),
            screen, onRow([screen](int row) { screen->toggleCleared(row); }));
        const int column = index.column();
        QAction* remove = menu.addAction(
            RegisterScreen::tr("&Delete"), screen, onRow([screen, column](int row) {
                screen->setCurrentCell(row, column);
                screen->deleteCurrentRow();
            }));
        remove->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    }
    menu.exec(view->viewport()->mapToGlobal(pos));
}

} // namespace RegisterContextMenu
