#include "RegisterLineEdit.h"

RegisterLineEdit::RegisterLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}
