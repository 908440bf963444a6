#pragma once

#include <QDate>
#include <QObject>
#include <optional>

class QAction;
class QLineEdit;

// The date behaviour shared by the one-line date editors: typed formats,
// single-key shortcuts and the calendar popup (F4, Alt+Down or the trailing
// calendar action). It holds the editor's date; the editor decides what a
// chosen date means for it.
class DateEntry : public QObject {
    Q_OBJECT

public:
    // Becomes a child of `edit` and watches its key and palette events.
    DateEntry(QLineEdit* edit, const QString& calendarToolTip);

    // DateText's format and reading, for the editors.
    static QString format(const QDate& date);
    static QDate parse(const QString& text);
    // Where a shortcut key moves `current`; nothing for any other key.
    static std::optional<QDate> shortcutDate(const QString& keyText, const QDate& current);

    QDate held() const { return m_date; }
    // Holds the date and writes it into the editor.
    void store(const QDate& date);
    void render();
    // The typed date when the text reads as one, else the held date.
    QDate date() const;

    void openCalendarPopup();

Q_SIGNALS:
    // A date key was pressed or a day picked in the calendar.
    void dateChosen(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateIcon();

    QLineEdit* m_edit;
    QAction* m_calendarAction;
    QDate m_date;
};
