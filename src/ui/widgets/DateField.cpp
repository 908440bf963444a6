#include "DateField.h"

#include "DateEntry.h"

#include <QFocusEvent>

DateField::DateField(QWidget* parent)
    : QLineEdit(parent)
    , m_entry(new DateEntry(this, tr("Open calendar (F4)")))
{
    connect(m_entry, &DateEntry::dateChosen, this, &DateField::setDate);
}

QDate DateField::date() const
{
    return m_entry->date();
}

void DateField::setDate(const QDate& date)
{
    if (date == m_entry->held())
        return;
    m_entry->store(date);
    Q_EMIT dateChanged(date);
}

void DateField::openCalendarPopup()
{
    m_entry->openCalendarPopup();
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    // A context menu or the calendar taking the focus does not end the editing.
    if (event->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    const QDate typed = DateEntry::parse(text());
    if (typed.isValid() && typed != m_entry->held()) {
        m_entry->store(typed);
        Q_EMIT dateChanged(typed);
    }
    m_entry->render();
    QLineEdit::focusOutEvent(event);
}
