#pragma once

#include <QFont>

// Process-wide display values shared by the theme, the date pickers and the
// screens. Each is computed once on first use and then only replaced.
namespace DisplaySettings {

constexpr int kMinFontScale = 70;
constexpr int kMaxFontScale = 160;

// The application font as it stood at start-up; scaling always starts here.
QFont baseFont();
void setBaseFont(const QFont& font);

int fontScale();
// Clamps to 70..160 and returns what was stored.
int setFontScale(int percent);
int clampFontScale(int percent);

// First day of the week for every calendar, Qt numbering (Monday = 1).
Qt::DayOfWeek weekStartDay();
void setWeekStartDay(Qt::DayOfWeek day);

} // namespace DisplaySettings
