#include "SyncSide.h"
#include "sync/SyncEngine.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SyncControlsWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestSyncControls : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buttonsFollowTheCycle();
};

void TestSyncControls::buttonsFollowTheCycle()
{
    RealServer server;
    QVERIFY(server.start());
    TestHttpServer& front = server.front();
    SyncSide side(server, "ann@example.org");
    side.engine()->stopAutoSync();
    side.engine()->setRequestDelay(3600000);
    QVERIFY(side.settle());
    SyncControlsWidget controls(side.engine());
    QPushButton* syncNow = controls.syncNowButton();
    QPushButton* fullSync = controls.fullSyncButton();
    QVERIFY(controls.lastSyncLabel()->text().startsWith("Last synced: "));

    QTest::mouseClick(syncNow, Qt::LeftButton);
    QCOMPARE(syncNow->text(), "Syncing...");
    QVERIFY(!syncNow->isEnabled() && !fullSync->isEnabled());
    QTRY_VERIFY(syncNow->isEnabled() && fullSync->isEnabled());
    QCOMPARE(syncNow->text(), "Sync Now");

    // Declined, nothing happens; accepted, every row goes up again and the
    // stream comes down from its start.
    front.clearRequests();
    MessageBoxes::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(fullSync, Qt::LeftButton);
    QCOMPARE(MessageBoxes::lastShown()->title, "Force Full Sync");
    QVERIFY(front.requests().isEmpty());
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(fullSync, Qt::LeftButton);
    QVERIFY(!fullSync->isEnabled());
    QTRY_VERIFY(fullSync->isEnabled());
    const QList<TestHttpRequest> pulls = front.requestsTo("/ledgerine/v1/sync/pull");
    QVERIFY(!pulls.isEmpty() && !pulls.first().query.hasQueryItem("cursor"));
    QVERIFY(!front.requestsTo("/ledgerine/v1/sync/push").isEmpty());

    TestHttpFault broken;
    broken.status = 500;
    broken.times = 1;
    front.setFault("/ledgerine/v1/sync/pull", broken);
    QTest::mouseClick(syncNow, Qt::LeftButton);
    QTRY_VERIFY(syncNow->isEnabled());
    QVERIFY(controls.lastSyncLabel()->text().endsWith("\nError: Pull failed (HTTP 500)"));
}

QTEST_MAIN(TestSyncControls)
#include "tst_synccontrols.moc"
