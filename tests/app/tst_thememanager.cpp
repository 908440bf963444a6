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
#include <QTemporaryDir>
#include <QTest>

class TestThemeManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void roleSizes_data();
    void roleSizes();
    void pixelSizedBaseFontCountsAsTenPoints();
    void scaleIsClampedStoredAndDoesNotCompound();
    void roleWidgetsKeepItalicAndWeight();
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
    QTest::addColumn<int>("basePoints");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("weight");

    const int normal = QFont::Normal;
    QTest::newRow("body 10@100") << 10 << 100 << int(ThemeManager::Body) << 10 << normal;
    QTest::newRow("medium 10@100") << 10 << 100 << int(ThemeManager::BodyMedium) << 10 << 500;
    QTest::newRow("small 10@100") << 10 << 100 << int(ThemeManager::Small) << 8 << normal;
    QTest::newRow("subheading 10@100") << 10 << 100 << int(ThemeManager::Subheading) << 11 << 500;
    QTest::newRow("heading 10@100") << 10 << 100 << int(ThemeManager::Heading) << 14 << 600;
    QTest::newRow("title 10@100") << 10 << 100 << int(ThemeManager::Title) << 18 << 600;
    QTest::newRow("display 10@100") << 10 << 100 << int(ThemeManager::Display) << 24 << 700;
    QTest::newRow("mono 10@100") << 10 << 100 << int(ThemeManager::Mono) << 10 << normal;
    QTest::newRow("unknown role is body") << 10 << 100 << 42 << 10 << normal;
    QTest::newRow("small 9@85 floors at 7") << 9 << 85 << int(ThemeManager::Small) << 7 << normal;
    QTest::newRow("title 9@85") << 9 << 85 << int(ThemeManager::Title) << 15 << 600;
    QTest::newRow("body 9@85") << 9 << 85 << int(ThemeManager::Body) << 7 << normal;
    QTest::newRow("body 12@160") << 12 << 160 << int(ThemeManager::Body) << 19 << normal;
    QTest::newRow("heading 11@130") << 11 << 130 << int(ThemeManager::Heading) << 18 << 600;
}

void TestThemeManager::roleSizes()
{
    QFETCH(int, basePoints);
    QFETCH(int, scale);
    QFETCH(int, role);
    QFETCH(int, points);
    QFETCH(int, weight);
    QFont base = m_startFont;
    base.setPointSize(basePoints);
    DisplaySettings::setBaseFont(base);
    DisplaySettings::setFontScale(scale);

    const QFont font = ThemeManager::fontForRole(role);
    QCOMPARE(font.pointSize(), points);
    QCOMPARE(int(font.weight()), weight);
    if (role == ThemeManager::Mono) {
        QCOMPARE(font.family(), QStringLiteral("monospace"));
        QCOMPARE(font.styleHint(), QFont::Monospace);
        QCOMPARE(ThemeManager::monospaceFont(), font);
    } else {
        QCOMPARE(font.family(), base.family());
    }
}

void TestThemeManager::pixelSizedBaseFontCountsAsTenPoints()
{
    QFont pixels = m_startFont;
    pixels.setPixelSize(20);
    DisplaySettings::setBaseFont(pixels);
    DisplaySettings::setFontScale(150);
    QCOMPARE(ThemeManager::fontForRole(ThemeManager::Body).pointSize(), 15);
    QCOMPARE(ThemeManager::fontForRole(ThemeManager::Heading).pointSize(), 19);
}

void TestThemeManager::scaleIsClampedStoredAndDoesNotCompound()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    ThemeManager theme(&prefs);
    QSignalSpy scaled(&theme, &ThemeManager::fontScaleChanged);
    QSignalSpy themed(&theme, &ThemeManager::themeChanged);

    theme.setFontScale(200);
    QCOMPARE(theme.fontScale(), 160);
    QCOMPARE(prefs.value(QStringLiteral("fontScale")), QStringLiteral("160"));
    QCOMPARE(scaled.last().first().toInt(), 160);
    QCOMPARE(themed.count(), 1); // the theme is applied again
    QCOMPARE(QApplication::font().pointSize(), 16);

    theme.setFontScale(10);
    QCOMPARE(theme.fontScale(), 70);
    QCOMPARE(prefs.value(QStringLiteral("fontScale")), QStringLiteral("70"));
    QCOMPARE(QApplication::font().pointSize(), 7);

    theme.setFontScale(100);
    const QList<int> before = { ThemeManager::fontForRole(ThemeManager::Small).pointSize(),
        ThemeManager::fontForRole(ThemeManager::Title).pointSize(),
        QApplication::font().pointSize() };
    theme.setFontScale(130);
    QCOMPARE(QApplication::font().pointSize(), 13);
    theme.setFontScale(100);
    const QList<int> after = { ThemeManager::fontForRole(ThemeManager::Small).pointSize(),
        ThemeManager::fontForRole(ThemeManager::Title).pointSize(),
        QApplication::font().pointSize() };
    QCOMPARE(after, before);
    QCOMPARE(after, QList<int>({ 8, 18, 10 }));
}

void TestThemeManager::roleWidgetsKeepItalicAndWeight()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    ThemeManager theme(&prefs);

    QLabel memo;
    memo.setProperty("mellFontItalic", true);
    ThemeManager::setFontRole(&memo, ThemeManager::Small);
    QVERIFY(memo.font().italic());
    QLabel remaining;
    remaining.setProperty("mellFontRole", int(ThemeManager::Body));
    remaining.setProperty("mellFontWeight", 700);
    QLabel plain;
    plain.setFont(QFont(QStringLiteral("Serif"), 30));

    theme.setFontScale(150);
    QCOMPARE(memo.font().pointSize(), 13);
    QVERIFY(memo.font().italic());
    QCOMPARE(remaining.font().pointSize(), 15);
    QCOMPARE(int(remaining.font().weight()), 700);
    QCOMPARE(plain.font().pointSize(), 30); // no role: left alone
    QCOMPARE(memo.property("mellFontRole").toInt(), int(ThemeManager::Small));

    ThemeManager::setFontRole(nullptr, ThemeManager::Title); // ignored, no crash
}

void TestThemeManager::themeNamesAndPalettes()
{
    TestDatabase test;
    PreferencesRepository prefs(test.db());
    ThemeManager theme(&prefs);
    QSignalSpy themed(&theme, &ThemeManager::themeChanged);

    theme.setTheme(QStringLiteral("dark"));
    QCOMPARE(theme.theme(), ThemeManager::Dark);
    QCOMPARE(prefs.value(QStringLiteral("theme")), QStringLiteral("dark"));
    QPalette p = QApplication::palette();
    QCOMPARE(p.color(QPalette::Active, QPalette::Window), QColor(QStringLiteral("#0F1E19")));
    QCOMPARE(p.color(QPalette::Inactive, QPalette::Highlight), QColor(QStringLiteral("#4DB6AC")));
    QCOMPARE(
        p.color(QPalette::Active, QPalette::PlaceholderText), QColor(QStringLiteral("#8FAF9F")));
    QCOMPARE(p.color(QPalette::Disabled, QPalette::Text), QColor(QStringLiteral("#3A5A4A")));
    QCOMPARE(p.color(QPalette::Active, QPalette::Text), QColor(QStringLiteral("#D8E8DF")));
    QVERIFY(ThemeColors::isDark());
    QCOMPARE(ThemeColors::pickName(ThemeColors::kRed), QStringLiteral("#FF8A80"));

    theme.setTheme(QStringLiteral("light"));
    p = QApplication::palette();
    QCOMPARE(theme.theme(), ThemeManager::Light);
    QCOMPARE(p.color(QPalette::Window), QColor(QStringLiteral("#FAFBFA")));
    QCOMPARE(p.color(QPalette::Dark), QColor(QStringLiteral("#9BB0A3")));
    QCOMPARE(p.color(QPalette::Disabled, QPalette::ButtonText), QColor(QStringLiteral("#A0B5A8")));
    QVERIFY(!ThemeColors::isDark());
    QCOMPARE(ThemeColors::pickName(ThemeColors::kGreen), QStringLiteral("#2E7D32"));

    // Names are compared exactly; the offscreen platform reports no scheme, so light.
    theme.setTheme(QStringLiteral("Dark"));
    QCOMPARE(theme.theme(), ThemeManager::System);
    QCOMPARE(prefs.value(QStringLiteral("theme")), QStringLiteral("system"));
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(QStringLiteral("#FAFBFA")));
    QCOMPARE(themed.count(), 3);
    QCOMPARE(themed.last().first().value<ThemeManager::Theme>(), ThemeManager::System);

    // An out-of-range value changes neither palette nor font but is recorded as "system".
    theme.setTheme(QStringLiteral("dark"));
    theme.applyTheme(ThemeManager::Theme(7));
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(QStringLiteral("#0F1E19")));
    QCOMPARE(prefs.value(QStringLiteral("theme")), QStringLiteral("system"));
}

void TestThemeManager::startupRestoresStoredChoices()
{
    QTemporaryDir dir;
    qputenv("LEDGERINE_DATA_DIR", dir.path().toUtf8());
    const Qt::DayOfWeek localeStart = DisplaySettings::weekStartDay();
    {
        AppState first;
        QVERIFY(first.initialize());
        first.preferences()->set(QStringLiteral("fontScale"), QStringLiteral("200"));
        first.preferences()->set(QStringLiteral("theme"), QStringLiteral("dark"));
        first.preferences()->set(QStringLiteral("weekStartDay"), QStringLiteral("9"));
    }
    {
        AppState state;
        QVERIFY(state.initialize());
        QCOMPARE(DisplaySettings::fontScale(), 160);
        // Clamped in memory only; the stored text stays as it was.
        QCOMPARE(state.preferences()->value(QStringLiteral("fontScale")), QStringLiteral("200"));
        QCOMPARE(state.themeManager()->theme(), ThemeManager::Dark);
        QVERIFY(ThemeColors::isDark());
        QCOMPARE(DisplaySettings::weekStartDay(), localeStart);
        state.preferences()->set(QStringLiteral("fontScale"), QStringLiteral("abc"));
        state.preferences()->set(QStringLiteral("weekStartDay"), QStringLiteral("3"));
    }
    AppState last;
    QVERIFY(last.initialize());
    QCOMPARE(DisplaySettings::fontScale(), 100);
    QCOMPARE(DisplaySettings::weekStartDay(), Qt::Wednesday);
    qunsetenv("LEDGERINE_DATA_DIR");
}

QTEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
