#include "FormDateEdit.h"

#include "app/DisplaySettings.h"

#include <QCalendarWidget>
#include <QLocale>

FormDateEdit::FormDateEdit(const QDate& date, QWidget* parent)
    : QDateEdit(date, parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    calendarWidget()->setFirstDayOfWeek(DisplaySettings::weekStartDay());
}

bool FormDateEdit::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
