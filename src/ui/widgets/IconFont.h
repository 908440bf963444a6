#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QLabel;

// Glyphs of the Material Icons font compiled into the resources, addressed
// by code point.
namespace IconFont {

QFont font(int pixelSize);
QString glyph(char32_t codePoint);
// The glyph centred on a transparent square pixmap.
QPixmap pixmap(char32_t codePoint, int size, const QColor& color);
// Gives a label the icon font at `pixelSize`, the glyph and its colour.
void setGlyph(QLabel* label, char32_t codePoint, int pixelSize, const QString& color);

} // namespace IconFont
