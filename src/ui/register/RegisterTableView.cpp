#include "RegisterTableView.h"

#include "RegisterModel.h"
#include "RegisterScreen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {

bool isTab(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Tab && !key->modifiers().testFlag(Qt::ShiftModifier);
}

bool isBacktab(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Backtab
        || (key->key() == Qt::Key_Tab && key->modifiers().testFlag(Qt::ShiftModifier));
}

} // namespace

QWidget* RegisterTableView::currentEditor() const
{
    return currentIndex().isValid() ? indexWidget(currentIndex()) : nullptr;
}

void RegisterTableView::closeCurrentEditor()
{
    if (QWidget* editor = currentEditor())
        QAbstractItemView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool RegisterTableView::focusInsidePayeeMemoEditor() const
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("PayeeMemoEditor"))
            return true;
    }
    return false;
}

bool RegisterTableView::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && !focusInsidePayeeMemoEditor()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isTab(key) || isBacktab(key)) {
            QKeyEvent move(
                QEvent::KeyPress, isTab(key) ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
            keyPressEvent(&move);
            const QModelIndex current = currentIndex();
            if (current.isValid())
                edit(current);
            return true;
        }
    }
    return QTableView::event(event);
}

void RegisterTableView::keyPressEvent(QKeyEvent* event)
{
    if (m_screen && isTab(event)) {
        m_screen->tabToNextField();
        return;
    }
    if (m_screen && isBacktab(event)) {
        m_screen->tabToPreviousField();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (m_screen && enter && plain && m_screen->isSplitAmountCell(currentIndex())) {
        m_screen->editTransactionInDialog(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!m_screen)
        return QTableView::focusNextPrevChild(next);
    if (focusInsidePayeeMemoEditor())
        return m_screen->focusNextPrevChild(next);
    if (next)
        m_screen->tabToNextField();
    else
        m_screen->tabToPreviousField();
    return true;
}

void RegisterTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (!m_screen
        || (hint != QAbstractItemDelegate::EditNextItem
            && hint != QAbstractItemDelegate::EditPreviousItem)) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    const QPersistentModelIndex current = currentIndex();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const bool next = hint == QAbstractItemDelegate::EditNextItem;
    QTimer::singleShot(0, this, [this, current, next] {
        if (current.isValid() && current != currentIndex()) {
            QSignalBlocker block(selectionModel());
            selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
        }
        if (next)
            m_screen->tabToNextField();
        else
            m_screen->tabToPreviousField();
    });
}

QModelIndex RegisterTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex target = QTableView::moveCursor(action, modifiers);
    if (target.isValid() && target.column() == RegisterModel::BalanceColumn)
        return target.siblingAtColumn(RegisterModel::ClearedColumn);
    return target;
}
