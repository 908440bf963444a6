#include "RegisterKeys.h"

#include "RegisterModel.h"
#include "RegisterScreen.h"
#include "RegisterTableView.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {

QString keyText(QKeyCombination keys)
{
    return QKeySequence(keys).toString(QKeySequence::NativeText);
}

} // namespace

QString RegisterKeys::hint(bool withMemorize)
{
    const QString save = keyText(Qt::CTRL | Qt::Key_Return);
    const QString remove = keyText(Qt::CTRL | Qt::Key_D);
    if (!withMemorize)
        return RegisterScreen::tr("%1: save  |  Enter: next  |  %2: delete  |  ': copy above")
            .arg(save, remove);
    return RegisterScreen::tr(
        "%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
        .arg(save, remove, keyText(Qt::CTRL | Qt::Key_M));
}

RegisterKeys::RegisterKeys(RegisterScreen* screen)
    : QObject(screen)
    , m_screen(screen)
{
}

bool RegisterKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool RegisterKeys::handleKey(QKeyEvent* key)
{
    RegisterTableView* view = m_screen->view();
    RegisterModel* model = m_screen->model();
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && mods == Qt::ControlModifier) {
        m_screen->commitCurrentRow();
        return true;
    }
    if (enter && mods == Qt::AltModifier) {
        const QModelIndex current = view->currentIndex();
        if (current.isValid())
            m_screen->showDetails(current.row());
        return true;
    }
    if (enter && mods == Qt::NoModifier) {
        const QModelIndex current = view->currentIndex();
        if (!view->currentEditor() && m_screen->isSplitAmountCell(current)) {
            m_screen->editTransactionInDialog(current.row());
            return true;
        }
        if (!view->currentEditor() && current.isValid()) {
            m_screen->startEditingRow(current.row());
            if (model->flags(current).testFlag(Qt::ItemIsEditable)) {
                view->edit(current);
                return true;
            }
        }
        m_screen->advanceToNextField();
        return true;
    }
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_D) {
        m_screen->deleteCurrentRow();
        return true;
    }
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_I) {
        m_screen->goToNewEntry();
        return true;
    }
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_N) {
        m_screen->newTransactionDialog();
        return true;
    }
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_M) {
        m_screen->memorizeAsRecurring();
        return true;
    }
    if (key->text() == QLatin1String("'") && !mods.testFlag(Qt::ControlModifier)) {
        m_screen->copyFromAbove();
        return true;
    }
    return false;
}
