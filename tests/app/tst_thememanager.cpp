#include "TestDatabase.h"
#include "app/AppState.h"
#include "app/DisplaySettings.h"
#include "app/ThemeColors.h"
#include "app/ThemeManager.h"
#include "data/PreferencesRepository.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>

class TestThemeManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void roleSizes_data();
    void roleSizes();
    void scaleAndThemeAreStored();
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
    QTest::newRow("display 10@100") << 10 << 100 << int(ThemeManager::Display) << 24 << 700;
    QTest::newRow("unknown role is body") << 10 << 100 << 42 << 10 << normal;
    QTest::newRow("small 9@85 floors at 7") << 9 << 85 << int(ThemeManager::Small) << 7 << normal;
    QTest::newRow("title 9@85") << 9 << 85 << int(ThemeManager::Title) << 15 << 600;
    QTest::newRow("heading 11@130") << 11 << 130 << int(ThemeManager::Heading) << 18 << 600;
    // A base font sized in pixels counts as ten points.
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
    QCOMPARE(ThemeColors::pickName(ThemeColors::kRed), "#FF8A80");
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

QTEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
