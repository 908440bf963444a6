#pragma once

#include "ui/register/RegisterLineEdit.h"

#include <QDate>

class DateEntry;

// The register's in-place date editor: the date keys, typed formats and
// calendar popup of the form's date field, without a signal of its own (the
// delegate reads the date back when the cell is committed).
class SmartDateEdit : public RegisterLineEdit {
    Q_OBJECT

public:
    explicit SmartDateEdit(QWidget* parent = nullptr);

    // The typed date when the text reads as one, else the held date.
    QDate date() const;
    // Holds the date and shows it with all of the text selected.
    void setDate(const QDate& date);

public Q_SLOTS:
    void openCalendarPopup();

private:
    DateEntry* m_entry;
};
