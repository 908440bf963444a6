#include "RegisterTableView.h"

#include "RegisterModel.h"
#include "RegisterScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <QTimer>

namespace {

// What a row needed at the standard font sizes; larger fonts need more.
constexpr int kLeastLineHeight = 36;
constexpr int kLeastMemoHeight = 16;

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

RegisterTableView::RegisterTableView(QWidget* parent)
    : QTableView(parent)
{
    // One line of text per row: a long payee is cut short, not wrapped into
    // the room a large font gives the row.
    setWordWrap(false);
}

void RegisterTableView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    // After the view's own handling of the reset, which drops the editors.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this,
        &RegisterTableView::rememberCurrentCell);
    connect(model, &QAbstractItemModel::modelReset, this, &RegisterTableView::restoreCurrentCell);
}

void RegisterTableView::rememberCurrentCell()
{
    m_cellBeforeReset.reset();
    const QModelIndex current = currentIndex();
    auto* registerModel = qobject_cast<RegisterModel*>(model());
    if (!current.isValid() || !registerModel)
        return;
    if (QWidget* editor = currentEditor())
        commitData(editor);
    const TransactionRow* t = registerModel->transactionAt(current.row());
    if (t || registerModel->isNewEntryRow(current.row()))
        m_cellBeforeReset = std::pair(t ? t->id : QString(), current.column());
}

void RegisterTableView::restoreCurrentCell()
{
    auto* registerModel = qobject_cast<RegisterModel*>(model());
    if (!m_cellBeforeReset || !registerModel)
        return;
    const auto [id, column] = *m_cellBeforeReset;
    m_cellBeforeReset.reset();
    const int row
        = id.isEmpty() ? registerModel->newEntryRow() : registerModel->rowOfTransaction(id);
    if (row < 0)
        return;
    const QModelIndex cell = registerModel->index(row, column);
    QSignalBlocker block(selectionModel());
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
    scrollTo(cell);
}

void RegisterTableView::setTwoLineRows(bool twoLine)
{
    m_twoLine = twoLine;
    updateRowHeight();
}

int RegisterTableView::lineHeight() const
{
    // A cell's editor (a framed field, or a combo box) with a little air;
    // amounts use the monospace font of the same point size.
    return std::max(kLeastLineHeight, 2 * fontMetrics().height() + 4);
}

void RegisterTableView::updateRowHeight()
{
    const int memo = std::max(kLeastMemoHeight, fontMetrics().height());
    verticalHeader()->setDefaultSectionSize(lineHeight() + (m_twoLine ? memo : 0));
}

void RegisterTableView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateRowHeight();
}

QWidget* RegisterTableView::currentEditor() const
{
    return currentIndex().isValid() ? indexWidget(currentIndex()) : nullptr;
}

void RegisterTableView::closeCurrentEditor()
{
    if (QWidget* editor = currentEditor())
        QAbstractItemView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RegisterTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        Q_EMIT viewportWidthChanged();
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
    if (m_screen && typeIntoCell(event))
        return;
    QTableView::keyPressEvent(event);
}

bool RegisterTableView::typeIntoCell(QKeyEvent* event)
{
    const QString text = event->text();
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (text.isEmpty() || !text.at(0).isPrint() || (event->modifiers() & chords))
        return false;
    // Printable keys never move the cursor, wherever they land.
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return true;
    QWidget* editor = currentEditor();
    const bool opened = !editor;
    if (opened) {
        m_screen->startEditingRow(current.row());
        if (!model()->flags(current).testFlag(Qt::ItemIsEditable)
            || !edit(current, AllEditTriggers, nullptr) || !(editor = currentEditor()))
            return true;
    }
    QWidget* target = editor->focusProxy() ? editor->focusProxy() : editor;
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        target = combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(target); line && opened)
        line->selectAll();
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), text);
    QCoreApplication::sendEvent(target, &typed);
    return true;
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
