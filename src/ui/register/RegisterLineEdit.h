#pragma once

#include <QLineEdit>

// The register's one-line editor. Enter while its completion popup is open
// only picks the completion, so choosing a payee never commits the row too.
class RegisterLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};
