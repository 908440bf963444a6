#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

// The colour pairs (dark / light) that recur across screens, and the one test
// that picks between them: the palette's window colour is dark below 128.
namespace ThemeColors {

struct Pair {
    const char* dark;
    const char* light;
};

inline constexpr Pair kGreen { "#66BB6A", "#2E7D32" };
inline constexpr Pair kRed { "#FF8A80", "#C62828" };
inline constexpr Pair kOrange { "#FFA726", "#E65100" };
inline constexpr Pair kTeal { "#4DB6AC", "#00897B" };
inline constexpr Pair kSecondary { "#8FAF9F", "#6E8A7E" };

bool isDark(const QPalette& palette);
// The application palette.
bool isDark();

QString pickName(const Pair& pair);
QColor pick(const Pair& pair);

} // namespace ThemeColors
