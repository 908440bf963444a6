#include "ThemeManager.h"

#include "DisplaySettings.h"
#include "IndicatorStyle.h"
#include "data/PreferencesRepository.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>

#include <algorithm>
#include <cmath>

namespace {

const char* const kRoleProperty = "mellFontRole";
const char* const kItalicProperty = "mellFontItalic";
const char* const kWeightProperty = "mellFontWeight";

// S: the base size scaled, at least 1 point.
int scaledPointSize()
{
    const qreal base = DisplaySettings::baseFont().pointSizeF();
    const qreal points = base > 0 ? base : 10.0;
    return std::max(int(std::floor(points * DisplaySettings::fontScale() / 100.0)), 1);
}

QFont sizedBaseFont(int pointSize, int weight = -1)
{
    QFont font = DisplaySettings::baseFont();
    font.setPointSize(pointSize);
    if (weight > 0)
        font.setWeight(QFont::Weight(weight));
    return font;
}

struct PaletteRow {
    QPalette::ColorRole role;
    const char* dark;
    const char* light;
};

constexpr PaletteRow kPalette[] = {
    { QPalette::Window, "#0F1E19", "#FAFBFA" },
    { QPalette::WindowText, "#D8E8DF", "#1B2D26" },
    { QPalette::Base, "#152420", "#FFFFFF" },
    { QPalette::AlternateBase, "#1A2E28", "#F2F7F4" },
    { QPalette::Text, "#D8E8DF", "#1B2D26" },
    { QPalette::Button, "#1E3530", "#E0EBE5" },
    { QPalette::ButtonText, "#D8E8DF", "#1B2D26" },
    { QPalette::Highlight, "#4DB6AC", "#00897B" },
    { QPalette::HighlightedText, "#0F1E19", "#FFFFFF" },
    { QPalette::ToolTipBase, "#1E3530", "#FFFFFF" },
    { QPalette::ToolTipText, "#D8E8DF", "#1B2D26" },
    { QPalette::PlaceholderText, "#8FAF9F", "#6E8A7E" },
    { QPalette::Mid, "#2A4038", "#D8E0DB" },
    { QPalette::Light, "#2A4038", "#FFFFFF" },
    { QPalette::Dark, "#0A1510", "#9BB0A3" },
    // Qt's default blues read poorly on the dark palette; these keep links
    // apart from text at the contrast text needs on either.
    { QPalette::Link, "#80CBC4", "#00695C" },
    { QPalette::LinkVisited, "#B39DDB", "#6A1B9A" },
};

} // namespace

ThemeManager::ThemeManager(PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
{
}

QString ThemeManager::themeName(Theme theme)
{
    switch (theme) {
    case Light: return QStringLiteral("light");
    case Dark: return QStringLiteral("dark");
    case System: break;
    }
    return QStringLiteral("system");
}

void ThemeManager::setTheme(const QString& name)
{
    if (name == QLatin1String("light"))
        applyTheme(Light);
    else if (name == QLatin1String("dark"))
        applyTheme(Dark);
    else
        applyTheme(System);
}

bool ThemeManager::systemPrefersDark()
{
    const QPlatformTheme* platform = QGuiApplicationPrivate::platformTheme();
    return platform && platform->appearance() == QPlatformTheme::Appearance::Dark;
}

QPalette ThemeManager::palette(bool dark)
{
    QPalette palette;
    for (const PaletteRow& row : kPalette)
        palette.setColor(row.role, QColor(QLatin1String(dark ? row.dark : row.light)));
    const QColor disabled(QLatin1String(dark ? "#3A5A4A" : "#A0B5A8"));
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

QColor ThemeManager::controlEdge(const QPalette& palette)
{
    return palette.color(QPalette::PlaceholderText);
}

void ThemeManager::useIndicatorStyle()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QStyle* current = QApplication::style();
    if (qobject_cast<IndicatorStyle*>(current)
        || current->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    QApplication::setStyle(new IndicatorStyle(QStringLiteral("Fusion")));
}

void ThemeManager::applyTheme(Theme theme)
{
    m_theme = theme;
    if (theme == System || theme == Light || theme == Dark) {
        useIndicatorStyle();
        const bool dark = theme == Dark || (theme == System && systemPrefersDark());
        QApplication::setPalette(palette(dark));
        QApplication::setFont(sizedBaseFont(scaledPointSize()));
    }
    if (m_preferences)
        m_preferences->set(QStringLiteral("theme"), themeName(theme));
    Q_EMIT themeChanged(theme);
}

int ThemeManager::fontScale() const
{
    return DisplaySettings::fontScale();
}

void ThemeManager::setFontScale(int percent)
{
    const int clamped = DisplaySettings::setFontScale(percent);
    if (m_preferences)
        m_preferences->set(QStringLiteral("fontScale"), QString::number(clamped));
    applyTheme(m_theme);
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (widget->property(kRoleProperty).isValid())
            applyFontRole(widget);
    }
    Q_EMIT fontScaleChanged(clamped);
}

QFont ThemeManager::fontForRole(int role)
{
    const int s = scaledPointSize();
    switch (role) {
    case BodyMedium: return sizedBaseFont(s, 500);
    case Small: return sizedBaseFont(std::max(s - 2, 7));
    case Subheading: return sizedBaseFont(s + 1, 500);
    case Heading: return sizedBaseFont(s + 4, 600);
    case Title: return sizedBaseFont(s + 8, 600);
    case Display: return sizedBaseFont(s + 14, 700);
    case Mono: return monospaceFont();
    default: return sizedBaseFont(s);
    }
}

QFont ThemeManager::monospaceFont()
{
    QFont font(QStringLiteral("monospace"));
    font.setPointSize(scaledPointSize());
    font.setStyleHint(QFont::Monospace, QFont::PreferDefault);
    return font;
}

void ThemeManager::setFontRole(QWidget* widget, int role)
{
    if (!widget)
        return;
    widget->setProperty(kRoleProperty, role);
    applyFontRole(widget);
}

void ThemeManager::applyFontRole(QWidget* widget)
{
    if (!widget)
        return;
    QFont font = fontForRole(widget->property(kRoleProperty).toInt());
    const QVariant italic = widget->property(kItalicProperty);
    if (italic.isValid() && italic.toBool())
        font.setItalic(true);
    const QVariant weight = widget->property(kWeightProperty);
    if (weight.isValid())
        font.setWeight(QFont::Weight(weight.toInt()));
    widget->setFont(font);
}
