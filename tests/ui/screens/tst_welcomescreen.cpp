#include "ui/screens/WelcomeScreen.h"
#include "ui/widgets/Styles.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Everything the two presentations change, for comparing them whole.
QStringList presentation(WelcomeScreen& screen)
{
    const auto label
        = [&screen](const char* name) { return screen.findChild<QLabel*>(QLatin1String(name)); };
    const auto button = [&screen](const char* name) {
        const auto* b = screen.findChild<QPushButton*>(QLatin1String(name));
        const bool primary = b->styleSheet() == Styles::primaryButton(QStringLiteral("#00897B"));
        return b->text() + (primary ? QStringLiteral(" [primary]") : QString());
    };
    const auto shown = [&screen](QWidget* w) {
        return w->isVisibleTo(&screen) ? QStringLiteral("shown") : QStringLiteral("hidden");
    };
    return { label("titleLabel")->text(), label("subtitleLabel")->text(),
        shown(label("signedOutNotice")),
        shown(screen.findChild<QWidget*>(QStringLiteral("HowItWorksCard"))), button("createButton"),
        button("signInButton") };
}

} // namespace

class TestWelcomeScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void presentationsKeepTheColumnsWidth();
};

void TestWelcomeScreen::presentationsKeepTheColumnsWidth()
{
    WelcomeScreen screen;
    screen.resize(900, 800);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* create = screen.findChild<QPushButton*>(QStringLiteral("createButton"));
    auto* subtitle = screen.findChild<QLabel*>(QStringLiteral("subtitleLabel"));
    const QStringList firstTime { "Welcome to\nMellowind Ledgerine", "A digital check register.",
        "hidden", "shown", "Create Your First Account [primary]",
        "Already have an account? Sign In" };
    QCOMPARE(presentation(screen), firstTime);
    QTRY_COMPARE(create->width(), 560);

    // Without the card the column stays as wide and the subtitle on one line.
    screen.setReturningUser(true);
    QCOMPARE(presentation(screen),
        QStringList({ "Welcome back", "Sign in to keep your data synced across devices.", "shown",
            "hidden", "Create a different account", "Sign In [primary]" }));
    // Layouts settle through posted events; let them run before measuring.
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();
    QCOMPARE(create->width(), 560);
    QCOMPARE(subtitle->width(), 560);
    QVERIFY(subtitle->height() < 2 * subtitle->fontMetrics().lineSpacing());
    screen.setReturningUser(false);
    QCOMPARE(presentation(screen), firstTime);

    // A narrow window: the column narrows with it.
    screen.resize(400, 800);
    QTRY_COMPARE(create->width(), 400 - 80);
}

QTEST_MAIN(TestWelcomeScreen)
#include "tst_welcomescreen.moc"
