#include "app/ThemeManager.h"
#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/Styles.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Everything the two presentations change, for comparing them whole.
struct Presentation {
    QString title;
    QString subtitle;
    bool noticeShown = false;
    bool cardShown = false;
    QString createText;
    bool createFlat = false;
    QString createStyle;
    int createMinHeight = -1;
    QString signInText;
    bool signInFlat = false;
    QString signInStyle;
    int signInMinHeight = -1;

    bool operator==(const Presentation&) const = default;
};

Presentation presentation(WelcomeScreen& screen)
{
    const auto label
        = [&screen](const char* name) { return screen.findChild<QLabel*>(QLatin1String(name)); };
    const auto* create = screen.findChild<QPushButton*>(QStringLiteral("createButton"));
    const auto* signIn = screen.findChild<QPushButton*>(QStringLiteral("signInButton"));
    const auto* card = screen.findChild<QWidget*>(QStringLiteral("HowItWorksCard"));
    return { label("titleLabel")->text(), label("subtitleLabel")->text(),
        label("signedOutNotice")->isVisibleTo(&screen), card->isVisibleTo(&screen), create->text(),
        create->isFlat(), create->styleSheet(), create->minimumHeight(), signIn->text(),
        signIn->isFlat(), signIn->styleSheet(), signIn->minimumHeight() };
}

const QString kPrimary = Styles::primaryButton(QStringLiteral("#00897B"));
const QString kLink = Styles::linkButton(QStringLiteral("#4DB6AC"));

} // namespace

class TestWelcomeScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presentationsRoundTrip();
    void coloursChosenAtConstruction();
    void buttonsRequestActions();
    void columnKeepsItsWidth();
};

void TestWelcomeScreen::presentationsRoundTrip()
{
    WelcomeScreen screen;
    screen.show();
    const Presentation firstTime { QStringLiteral("Welcome to\nMellowind Ledgerine"),
        QStringLiteral("A digital ledgerine register."), false, true,
        QStringLiteral("Create Your First Account"), false, kPrimary, 40,
        QStringLiteral("Already have an account? Sign In"), true, kLink, 0 };
    const Presentation returning { QStringLiteral("Welcome back"),
        QStringLiteral("Sign in to keep your data synced across devices."), true, false,
        QStringLiteral("Create a different account"), true, kLink, 0, QStringLiteral("Sign In"),
        false, kPrimary, 40 };
    QVERIFY(presentation(screen) == firstTime);
    screen.setReturningUser(true);
    QVERIFY(presentation(screen) == returning);
    screen.setReturningUser(true);
    QVERIFY(presentation(screen) == returning);
    screen.setReturningUser(false);
    QVERIFY(presentation(screen) == firstTime);

    const auto* notice = screen.findChild<QLabel*>(QStringLiteral("signedOutNotice"));
    QCOMPARE(
        notice->text(), QStringLiteral("Your session has ended. Sign back in to keep syncing."));
    for (const char* name : { "createButton", "signInButton" }) {
        const auto* button = screen.findChild<QPushButton*>(QLatin1String(name));
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }
}

void TestWelcomeScreen::coloursChosenAtConstruction()
{
    ThemeManager theme(nullptr);
    const auto colours = [](WelcomeScreen& screen) {
        return QStringList {
            screen.findChild<QLabel*>(QStringLiteral("subtitleLabel"))->styleSheet(),
            screen.findChild<QWidget*>(QStringLiteral("HowItWorksCard"))->styleSheet()
        };
    };
    const QString card
        = QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }");

    theme.setTheme(QStringLiteral("dark"));
    WelcomeScreen dark;
    const QStringList darkColours { QStringLiteral("color: #8FAF9F;"), card.arg("#2A4038") };
    QCOMPARE(colours(dark), darkColours);

    theme.setTheme(QStringLiteral("light"));
    WelcomeScreen light;
    QCOMPARE(
        colours(light), QStringList({ QStringLiteral("color: #4A6358;"), card.arg("#D8E0DB") }));
    // An existing screen keeps what it was built with.
    QCOMPARE(colours(dark), darkColours);
}

void TestWelcomeScreen::buttonsRequestActions()
{
    WelcomeScreen screen;
    screen.resize(700, 900);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy create(&screen, &WelcomeScreen::createAccountRequested);
    QSignalSpy signIn(&screen, &WelcomeScreen::signInRequested);
    auto* createButton = screen.findChild<QPushButton*>(QStringLiteral("createButton"));
    auto* signInButton = screen.findChild<QPushButton*>(QStringLiteral("signInButton"));

    QTest::mouseClick(createButton, Qt::LeftButton);
    QCOMPARE(create.count(), 1);
    QCOMPARE(signIn.count(), 0);
    screen.setReturningUser(true);
    QTest::mouseClick(signInButton, Qt::LeftButton);
    QCOMPARE(signIn.count(), 1);
    QCOMPARE(create.count(), 1);
}

void TestWelcomeScreen::columnKeepsItsWidth()
{
    WelcomeScreen screen;
    screen.resize(900, 800);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* create = screen.findChild<QPushButton*>(QStringLiteral("createButton"));
    auto* subtitle = screen.findChild<QLabel*>(QStringLiteral("subtitleLabel"));
    QTRY_COMPARE(create->width(), 560);
    // Without the card the column stays as wide and the subtitle on one line.
    screen.setReturningUser(true);
    // Layouts settle through posted events; let them run before measuring.
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(create->width(), 560);
    QCOMPARE(subtitle->width(), 560);
    QCOMPARE(create->mapTo(&screen, QPoint(0, 0)).x(), (900 - 560) / 2);
    QVERIFY(subtitle->height() < 2 * subtitle->fontMetrics().lineSpacing());

    // A narrow window: the column narrows with it.
    screen.resize(400, 800);
    QTRY_COMPARE(create->width(), 400 - 80);
}

QTEST_MAIN(TestWelcomeScreen)
#include "tst_welcomescreen.moc"
