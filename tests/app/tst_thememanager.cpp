#include "TestDatabase.h"
#include "app/AppState.h"
#include "app/DisplaySettings.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/PreferencesRepository.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTest>

namespace {

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
            + 0.0722 * channel(c.blueF());
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

} // namespace

class TestThemeManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void roleSizes();
    void scaleAndThemeAreStored();
    void startupRestoresStoredChoices();
    void paletteContrast_data();
    void paletteContrast();
    void uncheckedIndicatorsStandOut_data();
    void uncheckedIndicatorsStandOut();

private:
    QFont m_startFont = QApplication::font();
};

void TestThemeManager::init()
{
    QFont base = m_startFont;
    base.setPointSize(10);
    DisplaySettings::setBaseFont(base);
    DisplaySettings::setFontScale(100);
}

void TestThemeManager::roleSizes()
{
    // Points and weight of a role over a base font and scale.
    const auto font = [this](int basePoints, int scale, int role) {
        QFont base = m_startFont;
        if (basePoints > 0)
            base.setPointSize(basePoints);
        else
            base.setPixelSize(-basePoints);
        DisplaySettings::setBaseFont(base);
        DisplaySettings::setFontScale(scale);
        const QFont f = ThemeManager::fontForRole(role);
        return QList<int> { f.pointSize(), int(f.weight()) };
    };
    QCOMPARE(font(10, 100, ThemeManager::Display), QList<int>({ 24, 700 }));
    QCOMPARE(font(10, 100, 42), QList<int>({ 10, QFont::Normal })); // an unknown role is body
    QCOMPARE(font(9, 85, ThemeManager::Small), QList<int>({ 7, QFont::Normal }));
    // A base font sized in pixels counts as ten points.
    QCOMPARE(font(-20, 150, ThemeManager::Heading), QList<int>({ 19, 600 }));
}

void TestThemeManager::scaleAndThemeAreStored()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    ThemeManager theme(&prefs);
    QLabel memo;
    memo.setProperty("mellFontItalic", true);
    memo.setProperty("mellFontWeight", 700);
    ThemeManager::setFontRole(&memo, ThemeManager::Small);

    // Role widgets keep their italic and weight through a change of scale.
    theme.setFontScale(150);
    QCOMPARE(memo.font().pointSize(), 13);
    QVERIFY(memo.font().italic() && memo.font().weight() == 700);
    theme.setFontScale(200);
    QCOMPARE(prefs.value("fontScale"), "160");
    QCOMPARE(QApplication::font().pointSize(), 16);
    theme.setFontScale(10);
    QCOMPARE(QApplication::font().pointSize(), 7);
    // Round trips start from the base font each time.
    theme.setFontScale(100);
    QCOMPARE(QList<int>({ QApplication::font().pointSize(), memo.font().pointSize() }),
        QList<int>({ 10, 8 }));

    const auto window = [] {
        return QApplication::palette().color(QPalette::Window).name(QColor::HexRgb).toUpper();
    };
    theme.setTheme("dark");
    QCOMPARE(window(), "#0F1E19");
    theme.setTheme("light");
    QCOMPARE(window(), "#FAFBFA");

    // Names are compared exactly; the offscreen platform reports no scheme, so light.
    theme.setTheme("dark");
    theme.setTheme("Dark");
    QCOMPARE(theme.theme(), ThemeManager::System);
    QCOMPARE(prefs.value("theme"), "system");
    QCOMPARE(window(), "#FAFBFA");
}

void TestThemeManager::startupRestoresStoredChoices()
{
    QTemporaryDir dir;
    qputenv("LEDGERINE_DATA_DIR", dir.path().toUtf8());
    const Qt::DayOfWeek localeStart = DisplaySettings::weekStartDay();
    const auto store = [](const char* key, const char* value) {
        AppState state;
        return state.initialize()
            && state.preferences()->set(QLatin1String(key), QLatin1String(value));
    };
    QVERIFY(store("theme", "dark") && store("weekStartDay", "9") && store("fontScale", "200"));
    {
        AppState state;
        QVERIFY(state.initialize());
        QCOMPARE(DisplaySettings::fontScale(), 160);
        QVERIFY(ThemeColors::isDark());
        QCOMPARE(DisplaySettings::weekStartDay(), localeStart);
    }
    QVERIFY(store("fontScale", "abc") && store("weekStartDay", "3"));
    AppState last;
    QVERIFY(last.initialize());
    QCOMPARE(DisplaySettings::fontScale(), 100);
    QCOMPARE(DisplaySettings::weekStartDay(), Qt::Wednesday);
    qunsetenv("LEDGERINE_DATA_DIR");
}

void TestThemeManager::paletteContrast_data()
{
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("minimum");
    using R = QPalette::ColorRole;
    // Text needs 4.5:1 against what it is drawn on, the edge of a control 3:1.
    const QList<std::tuple<const char*, R, R>> texts {
        { "window text", R::WindowText, R::Window },
        { "text", R::Text, R::Base },
        { "text, alternate rows", R::Text, R::AlternateBase },
        { "button text", R::ButtonText, R::Button },
        { "tool tip", R::ToolTipText, R::ToolTipBase },
        { "link in a field", R::Link, R::Base },
        { "link on the window", R::Link, R::Window },
        { "visited link", R::LinkVisited, R::Base },
    };
    for (const bool dark : { false, true }) {
        const QPalette palette = ThemeManager::palette(dark);
        const char* name = dark ? "dark" : "light";
        for (const auto& [what, text, ground] : texts)
            QTest::addRow("%s %s", name, what)
                << palette.color(text) << palette.color(ground) << 4.5;
        for (const auto& [where, ground] :
            QList<std::pair<const char*, R>> { { "window", R::Window }, { "field", R::Base },
                { "alternate row", R::AlternateBase } })
            QTest::addRow("%s control edge on the %s", name, where)
                << ThemeManager::controlEdge(palette) << palette.color(ground) << 3.0;
    }
}

void TestThemeManager::paletteContrast()
{
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    QFETCH(double, minimum);
    QVERIFY2(contrast(foreground, background) >= minimum,
        qPrintable(QStringLiteral("%1 on %2: %3")
                       .arg(foreground.name(), background.name())
                       .arg(contrast(foreground, background), 0, 'f', 2)));
}

void TestThemeManager::uncheckedIndicatorsStandOut_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<bool>("radio");
    for (const char* theme : { "light", "dark" }) {
        QTest::addRow("%s check box", theme) << QString::fromLatin1(theme) << false;
        QTest::addRow("%s radio button", theme) << QString::fromLatin1(theme) << true;
    }
}

void TestThemeManager::uncheckedIndicatorsStandOut()
{
    QFETCH(QString, theme);
    QFETCH(bool, radio);
    ThemeManager manager(nullptr);
    manager.setTheme(theme);
    std::unique_ptr<QAbstractButton> button;
    if (radio)
        button = std::make_unique<QRadioButton>(QStringLiteral("Cleared only"));
    else
        button = std::make_unique<QCheckBox>(QStringLiteral("Cleared only"));
    button->resize(button->sizeHint());
    const QImage image = button->grab().toImage();
    QStyleOptionButton option;
    option.initFrom(button.get());
    const QRect indicator = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
        button.get());
    QVERIFY(!indicator.isEmpty());
    // The strongest pixel of the box against the window around it.
    const QColor window = QApplication::palette().color(QPalette::Window);
    double strongest = 0;
    for (int y = indicator.top(); y <= indicator.bottom(); ++y) {
        for (int x = indicator.left(); x <= indicator.right(); ++x)
            strongest = std::max(strongest, contrast(image.pixelColor(x, y), window));
    }
    QVERIFY2(strongest >= 3.0, qPrintable(QString::number(strongest, 'f', 2)));
}

QTEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
