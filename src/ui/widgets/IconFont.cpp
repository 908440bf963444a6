#include "IconFont.h"

#include <QLabel>
#include <QPainter>

namespace IconFont {

QFont font(int pixelSize)
{
    QFont f(QStringLiteral("Material Icons"));
    f.setPixelSize(pixelSize);
    return f;
}

QString glyph(char32_t codePoint)
{
    return QString::fromUcs4(&codePoint, 1);
}

QPixmap pixmap(char32_t codePoint, int size, const QColor& color)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setFont(font(size));
    painter.setPen(color);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph(codePoint));
    return pm;
}

void setGlyph(QLabel* label, char32_t codePoint, int pixelSize, const QString& color)
{
    label->setFont(font(pixelSize));
    label->setText(glyph(codePoint));
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color));
}

} // namespace IconFont
