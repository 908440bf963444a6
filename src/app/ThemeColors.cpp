#include "ThemeColors.h"

#include <QGuiApplication>

namespace ThemeColors {

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

bool isDark()
{
    return isDark(QGuiApplication::palette());
}

QString pickName(const Pair& pair)
{
    return QString::fromLatin1(isDark() ? pair.dark : pair.light);
}

QColor pick(const Pair& pair)
{
    return QColor(pickName(pair));
}

} // namespace ThemeColors
