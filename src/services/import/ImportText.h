#pragma once

#include <QByteArray>
#include <QString>

// Turns an import file's bytes into text. Exports come from banks and old
// programs in every encoding: UTF-8 or UTF-16 with a byte-order mark, UTF-8
// without one, or a Windows code page.
namespace ImportText {

// Files above this size are refused instead of read into memory whole.
constexpr qint64 kMaxFileBytes = 200 * 1024 * 1024;

// A UTF-8 BOM, a UTF-16 BOM of either order, strictly valid UTF-8 (no overlong
// forms, surrogates, values beyond U+10FFFF or cut-off sequences), or else
// Windows-1252.
QString decode(const QByteArray& bytes);
bool isStrictUtf8(const QByteArray& bytes);
// False for what only decodes to text by accident: a ZIP, an image, a
// database (NUL characters or more than a few other control characters).
bool looksLikeText(const QString& text);

struct FileText {
    QString text;
    // Empty when the file was read; otherwise a sentence naming the file.
    QString error;
};

// The decoded text of a file, or why there is none: it cannot be opened, is
// too large, is empty, or is not text.
FileText readFile(const QString& path);

} // namespace ImportText
