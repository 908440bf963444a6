#pragma once

#include <QString>

// Labels, tool tips and message boxes guess whether their text is markup.
// Text that holds what the user typed (names, payees) must read as typed.
namespace PlainText {

// `text` itself when it cannot pass for markup, else its rich-text rendering.
QString forAutoText(const QString& text);

} // namespace PlainText
