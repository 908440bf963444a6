#include "DateEntry.h"

#include "IconFont.h"
#include "app/DisplaySettings.h"
#include "data/Clock.h"
#include "data/DateText.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr char32_t kCalendarGlyph = 0xE935;
constexpr int kIconSize = 16;

bool opensCalendar(const QKeyEvent* event)
{
    return event->key() == Qt::Key_F4
        || (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier));
}

} // namespace

DateEntry::DateEntry(QLineEdit* edit, const QString& calendarToolTip)
    : QObject(edit)
    , m_edit(edit)
    , m_calendarAction(new QAction(edit))
    , m_date(Clock::today())
{
    m_calendarAction->setToolTip(calendarToolTip);
    updateIcon();
    edit->addAction(m_calendarAction, QLineEdit::TrailingPosition);
    connect(m_calendarAction, &QAction::triggered, this, &DateEntry::openCalendarPopup);
    edit->installEventFilter(this);
    render();
}

QString DateEntry::format(const QDate& date)
{
    return DateText::format(date);
}

QDate DateEntry::parse(const QString& text)
{
    return DateText::parse(text);
}

std::optional<QDate> DateEntry::shortcutDate(const QString& keyText, const QDate& current)
{
    const QString key = keyText.toLower();
    if (key.size() != 1)
        return std::nullopt;
    // Weeks start on the day chosen in Preferences, as the calendars do.
    const int daysIntoWeek = (current.dayOfWeek() - DisplaySettings::weekStartDay() + 7) % 7;
    switch (key.at(0).unicode()) {
    case 't': return Clock::today();
    case '+':
    case '=': return current.addDays(1);
    case '-': return current.addDays(-1);
    case 'm': return QDate(current.year(), current.month(), 1);
    case 'h': return QDate(current.year(), current.month(), current.daysInMonth());
    case 'y': return QDate(current.year(), 1, 1);
    case 'r': return QDate(current.year(), 12, 31);
    case 'w': return current.addDays(-daysIntoWeek);
    case 'k': return current.addDays(6 - daysIntoWeek);
    default: return std::nullopt;
    }
}

void DateEntry::store(const QDate& date)
{
    m_date = date;
    render();
}

void DateEntry::render()
{
    m_edit->setText(format(m_date));
}

QDate DateEntry::date() const
{
    const QDate typed = parse(m_edit->text());
    return typed.isValid() ? typed : m_date;
}

void DateEntry::openCalendarPopup()
{
    const QDate current = date();
    // A child of the editor, so that an item delegate does not take the focus
    // moving into the popup for the end of editing.
    auto* calendar = new QCalendarWidget(m_edit);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setGridVisible(true);
    calendar->setLocale(QLocale());
    calendar->setFirstDayOfWeek(DisplaySettings::weekStartDay());
    calendar->setSelectedDate(current.isValid() ? current : Clock::today());
    const auto pick = [this, calendar](const QDate& day) {
        calendar->close();
        Q_EMIT dateChosen(day);
    };
    connect(calendar, &QCalendarWidget::clicked, this, pick);
    connect(calendar, &QCalendarWidget::activated, this, pick);
    calendar->move(m_edit->mapToGlobal(QPoint(0, m_edit->height())));
    calendar->show();
    calendar->setFocus(Qt::PopupFocusReason);
}

bool DateEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return false;
    if (event->type() == QEvent::PaletteChange) {
        updateIcon();
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (opensCalendar(key)) {
            key->accept();
            openCalendarPopup();
            return true;
        }
        const QDate from = m_date.isValid() ? m_date : Clock::today();
        if (const auto next = shortcutDate(key->text(), from)) {
            key->accept();
            Q_EMIT dateChosen(*next);
            render();
            m_edit->selectAll();
            return true;
        }
    }
    return false;
}

void DateEntry::updateIcon()
{
    const QColor color = m_edit->palette().color(QPalette::PlaceholderText);
    m_calendarAction->setIcon(QIcon(IconFont::pixmap(kCalendarGlyph, kIconSize, color)));
}
