#pragma once

#include <QDateEdit>

// The date box of the form dialogs: the locale's short date, a calendar popup
// whose weeks start on the user's day, and Tab going on to the next field
// like everywhere else in a form instead of through day, month and year.
class FormDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit FormDateEdit(const QDate& date, QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};
