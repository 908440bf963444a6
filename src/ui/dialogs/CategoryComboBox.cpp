#include "CategoryComboBox.h"

#include "data/CategoryRepository.h"
#include "ui/register/TabCompleter.h"

#include <QFocusEvent>
#include <QLineEdit>

CategoryComboBox::CategoryComboBox(const QList<QPair<QString, QString>>& choices, QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    addItem(tr("(none)"), QString());
    for (const auto& [text, id] : choices)
        addItem(text, id);
    setCurrentIndex(0);

    // As in the register: Tab takes the highlighted entry, else the best match.
    auto* completer = new TabCompleter(model(), this);
    completer->setTakesBestMatch(true);
    completer->setEndsCellEditor(false);
    setCompleter(completer);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
        [this](const QString& text) {
            const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (index >= 0)
                setCurrentIndex(index);
        });
}

bool CategoryComboBox::selectId(const QString& id)
{
    const int index = findData(id);
    if (index >= 0)
        setCurrentIndex(index);
    return index >= 0;
}

void CategoryComboBox::selectStoredId(const QString& id, const CategoryRepository& categories)
{
    if (id.isEmpty() || selectId(id))
        return;
    if (const auto category = categories.findById(id)) {
        addItem(category->shownName(), category->id);
        setCurrentIndex(count() - 1);
    }
}

void CategoryComboBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason
        && lineEdit())
        lineEdit()->selectAll();
}

QString CategoryComboBox::chosenId() const
{
    const QString shown = currentText();
    // Two entries may read alike; the one the user picked is the current one.
    if (currentIndex() >= 0 && itemText(currentIndex()) == shown)
        return currentData().toString();
    const int index = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index >= 0 ? itemData(index).toString() : QString();
}
