#include "TestDatabase.h"
#include "app/AppState.h"
#include "app/DisplaySettings.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/PreferencesRepository.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestThemeManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void roleSizes_data();
    void roleSizes();
    void scaleIsClampedStoredAndDoesNotCompound();
    void themeNamesAndPalettes();
    void startupRestoresStoredChoices();

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

void TestThemeManager::roleSizes_data()
{
    QTest::addColumn<int>("basePoints"); // negative: a base font sized in pixels
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("weight");
    const int normal = QFont::Normal;
    QTest::newRow("heading 10@100") << 10 << 100 << int(ThemeManager::Heading) << 14 << 600;
    QTest::newRow("display 10@100") << 10 << 100 << int(ThemeManager::Display) << 24 << 700;
    QTest::newRow("mono 10@100") << 10 << 100 << int(ThemeManager::Mono) << 10 << normal;
    QTest::newRow("unknown role is body") << 10 << 100 << 42 << 10 << normal;
    QTest::newRow("small 9@85 floors at 7") << 9 << 85 << int(ThemeManager::Small) << 7 << normal;
    QTest::newRow("body 9@85") << 9 << 85 << int(ThemeManager::Body) << 7 << normal;
    QTest::newRow("title 9@85") << 9 << 85 << int(ThemeManager::Title) << 15 << 600;
    QTest::newRow("body 12@160") << 12 << 160 << int(ThemeManager::Body) << 19 << normal;
    QTest::newRow("heading 11@130") << 11 << 130 << int(ThemeManager::Heading) << 18 << 600;
    // A base font sized in pixels counts as ten points.
    QTest::newRow("body 20px@150") << -20 << 150 << int(ThemeManager::Body) << 15 << normal;
    QTest::newRow("heading 20px@150") << -20 << 150 << int(ThemeManager::Heading) << 19 << 600;
}

void TestThemeManager::roleSizes()
{
    QFETCH(int, basePoints);
    QFETCH(int, scale);
    QFETCH(int, role);
    QFETCH(int, points);
    QFETCH(int, weight);
    QFont base = m_startFont;
    if (basePoints > 0)
        base.setPointSize(basePoints);
    else
        base.setPixelSize(-basePoints);
    DisplaySettings::setBaseFont(base);
    DisplaySettings::setFontScale(scale);

    const QFont font = ThemeManager::fontForRole(role);
    QCOMPARE(font.pointSize(), points);
    QCOMPARE(int(font.weight()), weight);
    QCOMPARE(font.styleHint() == QFont::Monospace, role == ThemeManager::Mono);
}

void TestThemeManager::scaleIsClampedStoredAndDoesNotCompound()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    ThemeManager theme(&prefs);
    QSignalSpy themed(&theme, &ThemeManager::themeChanged);
    QLabel memo;
    memo.setProperty("mellFontItalic", true);
    ThemeManager::setFontRole(&memo, ThemeManager::Small);
    QLabel bold;
    bold.setProperty("mellFontRole", int(ThemeManager::Body));
    bold.setProperty("mellFontWeight", 700);
    QLabel plain;
    plain.setFont(QFont("Serif", 30));
    ThemeManager::setFontRole(nullptr, ThemeManager::Title); // ignored, no crash

    // Role widgets keep their italic and weight through a change of scale.
    theme.setFontScale(150);
    QCOMPARE(themed.count(), 1); // the theme is applied again
    QCOMPARE(memo.font().pointSize(), 13);
    QVERIFY(memo.font().italic());
    QCOMPARE(bold.font().pointSize(), 15);
    QCOMPARE(int(bold.font().weight()), 700);
    QCOMPARE(plain.font().pointSize(), 30); // no role: left alone

    theme.setFontScale(200);
    QCOMPARE(theme.fontScale(), 160);
    QCOMPARE(prefs.value("fontScale"), "160");
    QCOMPARE(QApplication::font().pointSize(), 16);
    theme.setFontScale(10);
    QCOMPARE(theme.fontScale(), 70);
    QCOMPARE(QApplication::font().pointSize(), 7);
    // Round trips start from the base font each time.
    theme.setFontScale(100);
    QCOMPARE(QList<int>({ ThemeManager::fontForRole(ThemeManager::Small).pointSize(),
                 ThemeManager::fontForRole(ThemeManager::Title).pointSize(),
                 QApplication::font().pointSize(), memo.font().pointSize() }),
        QList<int>({ 8, 18, 10, 8 }));
}

void TestThemeManager::themeNamesAndPalettes()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    ThemeManager theme(&prefs);
    QSignalSpy themed(&theme, &ThemeManager::themeChanged);
    const auto colour = [](QPalette::ColorGroup group, QPalette::ColorRole role) {
        return QApplication::palette().color(group, role).name(QColor::HexRgb).toUpper();
    };

    theme.setTheme("dark");
    QCOMPARE(theme.theme(), ThemeManager::Dark);
    QCOMPARE(prefs.value("theme"), "dark");
    QCOMPARE(colour(QPalette::Active, QPalette::Window), "#0F1E19");
    QCOMPARE(colour(QPalette::Disabled, QPalette::Text), "#3A5A4A");
    QVERIFY(ThemeColors::isDark());
    QCOMPARE(ThemeColors::pickName(ThemeColors::kRed), "#FF8A80");

    theme.setTheme("light");
    QCOMPARE(colour(QPalette::Active, QPalette::Window), "#FAFBFA");
    QVERIFY(!ThemeColors::isDark());

    // Names are compared exactly; the offscreen platform reports no scheme, so light.
    theme.setTheme("dark");
    theme.setTheme("Dark");
    QCOMPARE(theme.theme(), ThemeManager::System);
    QCOMPARE(prefs.value("theme"), "system");
    QCOMPARE(colour(QPalette::Active, QPalette::Window), "#FAFBFA");
    QCOMPARE(themed.count(), 4);

    // An out-of-range value changes neither palette nor font but is recorded as "system".
    theme.setTheme("dark");
    theme.applyTheme(ThemeManager::Theme(7));
    QCOMPARE(colour(QPalette::Active, QPalette::Window), "#0F1E19");
    QCOMPARE(prefs.value("theme"), "system");
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
        // Clamped in memory only; the stored text stays as it was.
        QCOMPARE(state.preferences()->value("fontScale"), "200");
        QCOMPARE(state.themeManager()->theme(), ThemeManager::Dark);
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

QTEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
