#pragma once

#include <QComboBox>

// The register's category editor; its own class so the register can tell
// its editors apart from other widgets.
class RegisterComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};
