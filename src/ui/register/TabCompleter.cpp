#include "TabCompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

QWidget* payeeMemoEditorOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("PayeeMemoEditor"))
            return w;
    }
    return nullptr;
}

} // namespace

bool TabCompleter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !popup() || !popup()->isVisible())
        return QCompleter::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && m_takesFirstMatch) {
        // Enter only completes; the next Enter moves on.
        acceptCurrent();
        popup()->hide();
        return true;
    }
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
        return QCompleter::eventFilter(watched, event);

    acceptCurrent();
    popup()->hide();
    moveOn(key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier));
    return true;
}

QModelIndex TabCompleter::firstMatch() const
{
    const QAbstractItemModel* shown = popup()->model();
    const QString typed = completionPrefix().trimmed();
    for (int row = 0; row < shown->rowCount(); ++row) {
        const QModelIndex entry = shown->index(row, completionColumn());
        if (entry.data(completionRole()).toString().compare(typed, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return shown->index(0, completionColumn());
}

void TabCompleter::acceptCurrent()
{
    QModelIndex current = popup()->currentIndex();
    if (!current.isValid() && m_takesFirstMatch)
        current = firstMatch();
    if (!current.isValid())
        return;
    const QString text = current.data(completionRole()).toString();
    QWidget* target = widget();
    // A combo box hands its line edit to the completer; fill the combo itself.
    auto* combo = target ? qobject_cast<QComboBox*>(target->parentWidget()) : nullptr;
    if (!combo)
        combo = qobject_cast<QComboBox*>(target);
    if (combo) {
        const int item = combo->findText(text, Qt::MatchExactly);
        if (item >= 0)
            combo->setCurrentIndex(item);
        else
            combo->setEditText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->setText(text);
    }
    Q_EMIT activated(text);
}

void TabCompleter::moveOn(bool backward)
{
    QWidget* target = widget();
    if (!target)
        return;
    if (QWidget* container = payeeMemoEditorOf(target)) {
        if (auto* memo = container->findChild<QWidget*>(QStringLiteral("memoEdit")))
            memo->setFocus(Qt::TabFocusReason);
        return;
    }
    // The editor is the child of the view's viewport that holds the widget.
    for (QWidget* editor = target; editor && editor->parentWidget();
         editor = editor->parentWidget()) {
        auto* view = qobject_cast<QAbstractItemView*>(editor->parentWidget()->parentWidget());
        if (!view || editor->parentWidget() != view->viewport())
            continue;
        QAbstractItemDelegate* delegate = view->itemDelegate();
        Q_EMIT delegate->commitData(editor);
        Q_EMIT delegate->closeEditor(editor,
            backward ? QAbstractItemDelegate::EditPreviousItem
                     : QAbstractItemDelegate::EditNextItem);
        return;
    }
}
