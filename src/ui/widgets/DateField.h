#pragma once

#include <QDate>
#include <QLineEdit>

class DateEntry;

// A one-line date entry for forms: typed dates in several formats, single-key
// shortcuts (t, +, -, m, h, y, r, w, k) and a calendar popup. The text always
// shows the held date as "M/d/yyyy" once the field has had its say.
class DateField : public QLineEdit {
    Q_OBJECT

public:
    explicit DateField(QWidget* parent = nullptr);

    // The typed date when the text reads as one, else the held date, so a
    // date typed but not yet confirmed counts.
    QDate date() const;
    void setDate(const QDate& date);

public Q_SLOTS:
    void openCalendarPopup();

Q_SIGNALS:
    void dateChanged(const QDate& date);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    DateEntry* m_entry;
};
