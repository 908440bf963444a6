#include "DisplaySettings.h"

#include <QGuiApplication>
#include <QLocale>

#include <algorithm>

namespace {

QFont& baseFontStore()
{
    static QFont font = QGuiApplication::font();
    return font;
}

int& fontScaleStore()
{
    static int scale = 100;
    return scale;
}

Qt::DayOfWeek& weekStartStore()
{
    static Qt::DayOfWeek day = QLocale::system().firstDayOfWeek();
    return day;
}

} // namespace

namespace DisplaySettings {

QFont baseFont()
{
    return baseFontStore();
}

void setBaseFont(const QFont& font)
{
    baseFontStore() = font;
}

int fontScale()
{
    return fontScaleStore();
}

int clampFontScale(int percent)
{
    return std::clamp(percent, kMinFontScale, kMaxFontScale);
}

int setFontScale(int percent)
{
    fontScaleStore() = clampFontScale(percent);
    return fontScaleStore();
}

Qt::DayOfWeek weekStartDay()
{
    return weekStartStore();
}

void setWeekStartDay(Qt::DayOfWeek day)
{
    weekStartStore() = day;
}

} // namespace DisplaySettings
