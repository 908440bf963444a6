#pragma once

#include <QLineEdit>

// The register's one-line editor. A class of its own so that the register can
// tell its editors apart from other line edits.
class RegisterLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget* parent = nullptr);
};
