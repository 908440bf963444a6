#include "FormDateEdit.h"

#include "app/DisplaySettings.h"
#include "data/DateText.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isSeparatorKey(const QKeyEvent* event)
{
    const QString text = event->text();
    return text.size() == 1 && text.at(0).isPrint() && !text.at(0).isLetterOrNumber()
        && !text.at(0).isSpace();
}

} // namespace

FormDateEdit::FormDateEdit(const QDate& date, QWidget* parent)
    : QDateEdit(date, parent)
{
    setCalendarPopup(true);
    setDisplayFormat(DateText::displayFormat());
    calendarWidget()->setFirstDayOfWeek(DisplaySettings::weekStartDay());
}

void FormDateEdit::keyPressEvent(QKeyEvent* event)
{
    if (isSeparatorKey(event)) {
        event->accept();
        // After "12" the month is complete and the year is already current;
        // the "/" typed next must not skip the day.
        const int next = currentSectionIndex() + 1;
        if (!m_movedOn && next < sectionCount())
            QDateEdit::focusNextPrevChild(true);
        m_movedOn = false;
        return;
    }
    const bool digit = !event->text().isEmpty() && event->text().at(0).isDigit();
    // Over the whole text selected, a date is typed anew from its first part.
    if (digit && lineEdit()->hasSelectedText()
        && lineEdit()->selectedText() == lineEdit()->text()) {
        setCurrentSectionIndex(0);
        setSelectedSection(sectionAt(0));
    }
    const int before = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    m_movedOn = digit && currentSectionIndex() != before;
}

void FormDateEdit::showEvent(QShowEvent* event)
{
    if (displayFormat() != DateText::displayFormat())
        setDisplayFormat(DateText::displayFormat());
    QDateEdit::showEvent(event);
}

bool FormDateEdit::focusNextPrevChild(bool next)
{
    return QWidget::focusNextPrevChild(next);
}
