#include "SmartDateEdit.h"

#include "DateEntry.h"

SmartDateEdit::SmartDateEdit(QWidget* parent)
    : RegisterLineEdit(parent)
    , m_entry(new DateEntry(this, tr("Open calendar (F4)")))
{
    connect(m_entry, &DateEntry::dateChosen, this, &SmartDateEdit::setDate);
    selectAll();
}

QDate SmartDateEdit::date() const
{
    return m_entry->date();
}

void SmartDateEdit::setDate(const QDate& date)
{
    m_entry->store(date);
    selectAll();
}

void SmartDateEdit::openCalendarPopup()
{
    m_entry->openCalendarPopup();
}
