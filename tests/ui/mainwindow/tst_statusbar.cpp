#include "app/ThemeManager.h"
#include "ui/mainwindow/StatusBar.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTranslator>

class TestStatusBar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initialState();
    void accountCountPlural();
    void recurringDueHiddenAtZeroAndColouredByPalette();
    void busyAndTransientMessages();
    void labelColoursFollowPalette();

private:
    template <class T = QLabel> static T* part(StatusBar& bar, const char* name)
    {
        auto* widget = bar.findChild<T*>(QLatin1String(name));
        Q_ASSERT(widget);
        return widget;
    }
};

void TestStatusBar::initialState()
{
    StatusBar bar;
    bar.show();
    QCOMPARE(part(bar, "syncLabel")->text(), QStringLiteral("Offline"));
    QVERIFY(part(bar, "accountCountLabel")->text().isEmpty());
    QVERIFY(!part(bar, "busyTextLabel")->isVisible());
    auto* indicator = part<QProgressBar>(bar, "busyIndicator");
    QVERIFY(!indicator->isVisible());

    // Left to right: the two normal labels, then busy text, bar and sync state.
    bar.resize(700, 30);
    bar.setAccountCount(2);
    bar.setRecurringDue(1);
    bar.startBusy(QStringLiteral("Importing..."));
    const QList<QWidget*> order = { part(bar, "accountCountLabel"), part(bar, "recurringDueLabel"),
        part(bar, "busyTextLabel"), indicator, part(bar, "syncLabel") };
    QTRY_VERIFY(part(bar, "syncLabel")->x() > 0);
    for (qsizetype i = 1; i < order.size(); ++i)
        QVERIFY2(order[i - 1]->x() < order[i]->x(), qPrintable(order[i]->objectName()));
}

void TestStatusBar::accountCountPlural()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/ledgerine_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&english));
    StatusBar bar;
    QLabel* label = part(bar, "accountCountLabel");
    bar.setAccountCount(1);
    QCOMPARE(label->text(), QStringLiteral("1 account"));
    bar.setAccountCount(0);
    QCOMPARE(label->text(), QStringLiteral("0 accounts"));
    bar.setAccountCount(12);
    QCOMPARE(label->text(), QStringLiteral("12 accounts"));
    QCoreApplication::removeTranslator(&english);
}

void TestStatusBar::recurringDueHiddenAtZeroAndColouredByPalette()
{
    ThemeManager theme(nullptr);
    theme.setTheme(QStringLiteral("dark"));
    StatusBar bar;
    bar.show();
    QLabel* label = part(bar, "recurringDueLabel");
    bar.setRecurringDue(3);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("  •  3 recurring due"));
    QCOMPARE(label->styleSheet(), QStringLiteral("color: #FFA726; font-weight: bold;"));

    bar.setRecurringDue(0);
    QVERIFY(!label->isVisible());
    bar.setRecurringDue(-2);
    QVERIFY(!label->isVisible());

    theme.setTheme(QStringLiteral("light"));
    bar.setRecurringDue(1);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("  •  1 recurring due"));
    QCOMPARE(label->styleSheet(), QStringLiteral("color: #E65100; font-weight: bold;"));
}

void TestStatusBar::busyAndTransientMessages()
{
    StatusBar bar;
    bar.show();
    QLabel* text = part(bar, "busyTextLabel");
    auto* indicator = part<QProgressBar>(bar, "busyIndicator");

    bar.startBusy(QStringLiteral("Importing..."));
    QVERIFY(text->isVisible());
    QVERIFY(indicator->isVisible());
    QCOMPARE(text->text(), QStringLiteral("Importing..."));
    bar.stopBusy();
    QVERIFY(!text->isVisible());
    QVERIFY(!indicator->isVisible());

    bar.startBusy(QStringLiteral("Restoring backup..."));
    bar.showTransientMessage(QStringLiteral("Import complete"), 3000);
    QVERIFY(!text->isVisible());
    QVERIFY(!indicator->isVisible());
    QCOMPARE(bar.currentMessage(), QStringLiteral("Import complete"));

    bar.showTransientMessage(QStringLiteral("Copied"), 50);
    QCOMPARE(bar.currentMessage(), QStringLiteral("Copied"));
    QTRY_VERIFY(bar.currentMessage().isEmpty());
}

void TestStatusBar::labelColoursFollowPalette()
{
    ThemeManager theme(nullptr);
    theme.setTheme(QStringLiteral("dark"));
    StatusBar bar;
    QCOMPARE(part(bar, "accountCountLabel")->styleSheet(), QStringLiteral("color: #8FAF9F;"));
    QCOMPARE(part(bar, "syncLabel")->styleSheet(), QStringLiteral("color: #8FAF9F;"));

    theme.setTheme(QStringLiteral("light"));
    QCOMPARE(part(bar, "syncLabel")->styleSheet(), QStringLiteral("color: #8FAF9F;"));
    bar.applyStyle();
    QCOMPARE(part(bar, "accountCountLabel")->styleSheet(), QStringLiteral("color: #2A3D33;"));
    QCOMPARE(part(bar, "syncLabel")->styleSheet(), QStringLiteral("color: #2A3D33;"));
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
