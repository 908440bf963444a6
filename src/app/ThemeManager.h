#pragma once

#include <QFont>
#include <QObject>
#include <QPalette>

class PreferencesRepository;
class QWidget;

// Applies the dark or light palette to the whole application, follows the
// system colour scheme for "system", and scales every font by one percentage.
// Widgets opt into scaling by carrying a font role (property "mellFontRole",
// optionally "mellFontItalic" and "mellFontWeight").
class ThemeManager : public QObject {
    Q_OBJECT

public:
    enum Theme : int { System = 0, Light = 1, Dark = 2 };
    Q_ENUM(Theme)

    enum FontRole { Body = 0, BodyMedium, Small, Subheading, Heading, Title, Display, Mono };
    Q_ENUM(FontRole)

    ThemeManager(PreferencesRepository* preferences, QObject* parent = nullptr);

    void setTheme(const QString& name);
    void applyTheme(Theme theme);
    void setFontScale(int percent);
    int fontScale() const;
    Theme theme() const { return m_theme; }

    static QString themeName(Theme theme);
    static QPalette palette(bool dark);
    // The edge of an unticked check box or radio button: the secondary text
    // colour, which stands out from both the window and the fields.
    static QColor controlEdge(const QPalette& palette);
    // Whether "system" currently means dark, as the platform reports it.
    static bool systemPrefersDark();

    static QFont fontForRole(int role);
    static QFont monospaceFont();
    // Stores the role on the widget and gives it the role's font (honouring
    // "mellFontItalic" and "mellFontWeight" already set on it).
    static void setFontRole(QWidget* widget, int role);
    // Re-applies a widget's stored role, italic and weight.
    static void applyFontRole(QWidget* widget);

Q_SIGNALS:
    void themeChanged(ThemeManager::Theme theme);
    void fontScaleChanged(int percent);

private:
    // Fusion (the style on Linux) with indicator edges in controlEdge().
    static void useIndicatorStyle();

    PreferencesRepository* m_preferences;
    Theme m_theme = System;
};
