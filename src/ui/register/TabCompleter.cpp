#include "TabCompleter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace {

QWidget* payeeMemoEditorOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String("PayeeMemoEditor"))
            return w;
    }
    return nullptr;
}

bool startsWord(const QString& text, qsizetype at)
{
    return at == 0 || !text.at(at - 1).isLetterOrNumber();
}

// 0 (best) to 3 for where `typed` starts a word of `entry`; -1 for nowhere.
int matchRank(const QString& entry, const QString& typed)
{
    static const QString arrow = QStringLiteral(" > ");
    int best = -1;
    for (qsizetype at = entry.indexOf(typed, 0, Qt::CaseInsensitive); at >= 0;
         at = entry.indexOf(typed, at + 1, Qt::CaseInsensitive)) {
        if (!startsWord(entry, at))
            continue;
        const qsizetype end = at + typed.size();
        const bool wholeWord = end == entry.size() || !entry.at(end).isLetterOrNumber();
        const bool nameStart = at == 0
            || (at >= arrow.size() && entry.mid(at - arrow.size(), arrow.size()) == arrow);
        const int rank = (wholeWord ? 0 : 2) + (nameStart ? 0 : 1);
        if (best < 0 || rank < best)
            best = rank;
    }
    return best;
}

} // namespace

TabCompleter::TabCompleter(QAbstractItemModel* model, QObject* parent)
    : QCompleter(model, parent)
{
    widenPopup();
}

int TabCompleter::bestMatch(const QStringList& entries, const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return -1;
    int found = -1;
    int foundRank = 0;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
        const int rank = matchRank(entries.at(i), text);
        if (rank >= 0 && (found < 0 || rank < foundRank)) {
            found = i;
            foundRank = rank;
        }
    }
    return found;
}

void TabCompleter::widenPopup()
{
    // "Insurance > Home/Renters" is read whole, however narrow the cell.
    const QAbstractItemModel* entries = model();
    QAbstractItemView* list = popup();
    if (!entries || !list)
        return;
    const QFontMetrics metrics = list->fontMetrics();
    int widest = 0;
    for (int row = 0; row < entries->rowCount(); ++row)
        widest = std::max(widest,
            metrics.horizontalAdvance(
                entries->index(row, completionColumn()).data(completionRole()).toString()));
    const int room = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width()
        + 4 * metrics.averageCharWidth();
    list->setMinimumWidth(widest + room);
}

bool TabCompleter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !popup() || !popup()->isVisible())
        return QCompleter::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && m_takesBestMatch) {
        // Enter only completes; the next Enter moves on.
        acceptCurrent();
        popup()->hide();
        return true;
    }
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
        return QCompleter::eventFilter(watched, event);

    acceptCurrent();
    popup()->hide();
    if (!m_endsCellEditor) {
        // On to the next widget, as Tab without a popup would.
        if (QWidget* target = widget())
            QCoreApplication::sendEvent(target, event);
        return true;
    }
    moveOn(key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier));
    return true;
}

QModelIndex TabCompleter::bestShownMatch() const
{
    const QAbstractItemModel* shown = popup()->model();
    QStringList entries;
    for (int row = 0; row < shown->rowCount(); ++row)
        entries << shown->index(row, completionColumn()).data(completionRole()).toString();
    const int best = bestMatch(entries, completionPrefix());
    return best < 0 ? QModelIndex() : shown->index(best, completionColumn());
}

void TabCompleter::acceptCurrent()
{
    QModelIndex current = popup()->currentIndex();
    if (!current.isValid() && m_takesBestMatch)
        current = bestShownMatch();
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
