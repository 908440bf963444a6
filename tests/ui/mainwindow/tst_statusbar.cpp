#include "ui/mainwindow/StatusBar.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTranslator>

class TestStatusBar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void busyAndTransientMessages();
    void countsAndRecurringDue();
};

void TestStatusBar::busyAndTransientMessages()
{
    StatusBar bar;
    bar.show();
    auto* text = bar.findChild<QLabel*>(QStringLiteral("busyTextLabel"));
    auto* indicator = bar.findChild<QProgressBar*>(QStringLiteral("busyIndicator"));
    QVERIFY(!text->isVisible() && !indicator->isVisible());

    bar.startBusy(QStringLiteral("Importing..."));
    QVERIFY(text->isVisible() && indicator->isVisible());
    QCOMPARE(text->text(), QStringLiteral("Importing..."));
    bar.stopBusy();
    QVERIFY(!text->isVisible() && !indicator->isVisible());

    // A message ends the busy state it reports on.
    bar.startBusy(QStringLiteral("Restoring backup..."));
    bar.showTransientMessage(QStringLiteral("Import complete"), 3000);
    QVERIFY(!text->isVisible() && !indicator->isVisible());
    QCOMPARE(bar.currentMessage(), QStringLiteral("Import complete"));

    bar.showTransientMessage(QStringLiteral("Copied"), 50);
    QCOMPARE(bar.currentMessage(), QStringLiteral("Copied"));
    QTRY_VERIFY(bar.currentMessage().isEmpty());
}

void TestStatusBar::countsAndRecurringDue()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/i18n/ledgerine_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&english));
    StatusBar bar;
    bar.show();
    auto* count = bar.findChild<QLabel*>(QStringLiteral("accountCountLabel"));
    bar.setAccountCount(1);
    QCOMPARE(count->text(), QStringLiteral("1 account"));
    bar.setAccountCount(0);
    QCOMPARE(count->text(), QStringLiteral("0 accounts"));

    auto* due = bar.findChild<QLabel*>(QStringLiteral("recurringDueLabel"));
    bar.setRecurringDue(3);
    QVERIFY(due->isVisible());
    QCOMPARE(due->text(), QStringLiteral("  •  3 recurring due"));
    for (int none : { 0, -2 }) {
        bar.setRecurringDue(none);
        QVERIFY(!due->isVisible());
    }
    QCoreApplication::removeTranslator(&english);
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
