#pragma once

#include <QDateEdit>

// The date box of the form dialogs: dates written as everywhere else in the
// program, a calendar popup whose weeks start on the user's day, and Tab
// going on to the next field like everywhere else in a form instead of
// through day, month and year. A typed separator ("/", or "." in German)
// moves on to the next part of the date, as in the register.
class FormDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit FormDateEdit(const QDate& date, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // A window kept open follows a date format chosen since.
    void showEvent(QShowEvent* event) override;

private:
    // The digits just typed filled their part and moved on by themselves.
    bool m_movedOn = false;
};
