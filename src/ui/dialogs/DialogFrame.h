#pragma once

class QDialog;
class QDialogButtonBox;
class QLayout;

// The frame the form dialogs share: their content above an OK/Cancel row.
namespace DialogFrame {

// OK accepts and Cancel rejects `dialog` (through its own accept() when it
// overrides it).
QDialogButtonBox* okCancel(QDialog* dialog);
// Makes `form` and an OK/Cancel row the whole of `dialog`.
void frameForm(QDialog* dialog, QLayout* form, int minimumWidth);

} // namespace DialogFrame
