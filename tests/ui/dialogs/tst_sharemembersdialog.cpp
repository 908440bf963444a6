#include "Records.h"
#include "SyncSide.h"
#include "account/Client.h"
#include "account/SharingBackend.h"
#include "data/AccountRepository.h"
#include "sync/SyncEngine.h"
#include "ui/dialogs/ShareMembersDialog.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MessageBoxes.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace MellAccount;

namespace {

QStringList names(const QDialog& dialog, const char* rowName)
{
    QStringList texts;
    for (const QWidget* row : dialog.findChildren<QWidget*>(QLatin1String(rowName)))
        texts << row->findChild<ElidedLabel*>()->fullText();
    return texts;
}

QPushButton* actionOf(const QDialog& dialog, const char* rowName, const QString& name)
{
    for (const QWidget* row : dialog.findChildren<QWidget*>(QLatin1String(rowName))) {
        if (row->findChild<ElidedLabel*>()->fullText() == name)
            return row->findChild<QPushButton*>(QStringLiteral("personAction"));
    }
    return nullptr;
}

QString noteText(const QDialog& dialog, const char* name)
{
    const auto* note = dialog.findChild<QLabel*>(QLatin1String(name));
    return note ? note->text() : QString();
}

} // namespace

class TestShareMembersDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_server.start()); }
    void init();
    void cleanup();
    void sharesWithGroupMembersAndRemovesAccess();
    void unsyncedAccountAndNoGroup();

private:
    RealServer m_server;
    std::unique_ptr<SyncSide> m_owner;
};

void TestShareMembersDialog::init()
{
    m_server.front().reset();
    QVERIFY(m_server.addUser(RealServer::email("owner"), RealServer::kPassword, "Alex Owner"));
    m_owner = std::make_unique<SyncSide>(m_server, RealServer::email("owner"));
    (*m_owner)->syncEngine()->stopAutoSync();
    QVERIFY(m_owner->settle());
}

void TestShareMembersDialog::cleanup()
{
    MessageBoxes::clearAnswers();
    m_owner.reset();
}

void TestShareMembersDialog::sharesWithGroupMembersAndRemovesAccess()
{
    QVERIFY(m_server.addUser(RealServer::email("robin"), RealServer::kPassword, "robin fox"));
    SyncSide robin(m_server, RealServer::email("robin"));
    const QString anon = RealServer::email("nameless");
    SyncSide nameless(m_server, anon);
    for (SyncSide* side : { &robin, &nameless }) {
        (*side)->syncEngine()->stopAutoSync();
        QVERIFY(side->settle());
        QVERIFY(side->join(*m_owner));
    }
    const Account joint = Records::account("Joint");
    QVERIFY((*m_owner)->accounts()->insert(joint) && m_owner->sync());

    ShareMembersDialog dialog((*m_owner)->cloudClient(), (*m_owner)->sharing(),
        *(*m_owner)->accounts()->findById(joint.id));
    QSignalSpy changed(&dialog, &ShareMembersDialog::sharingChanged);
    dialog.show();
    dialog.loadShares();
    // Never the user themselves; someone without a name goes by their
    // address. Members who joined in the same second come in either order.
    QTRY_COMPARE(names(dialog, "candidateRow").size(), 2);
    QStringList candidates = names(dialog, "candidateRow");
    candidates.sort();
    QCOMPARE(candidates, QStringList({ anon, "robin fox" }));
    QCOMPARE(names(dialog, "sharedRow"), QStringList({ "Alex Owner" }));
    QCOMPARE(noteText(dialog, "noSharesNote"), QString("Not shared with anyone yet."));
    QStringList badges;
    for (const QLabel* badge : dialog.findChildren<QLabel*>(QStringLiteral("initialsBadge")))
        badges << badge->text();
    badges.sort();
    QCOMPARE(badges, QStringList({ "AO", "N", "RF" }));

    // A refusal names the person and says why; nothing else changes.
    TestHttpFault refused;
    refused.status = 403;
    refused.times = 1;
    const QString serverId = (*m_owner)->accounts()->findById(joint.id)->serverId;
    m_server.front().setFault("/ledgerine/v1/accounts/" + serverId + "/share", refused);
    QTest::mouseClick(actionOf(dialog, "candidateRow", "robin fox"), Qt::LeftButton);
    const auto* error = dialog.findChild<QLabel*>(QStringLiteral("shareError"));
    QTRY_VERIFY(error->isVisible());
    QCOMPARE(error->text(),
        QString("Could not share with robin fox. Failed to share account (HTTP 403)"));
    QCOMPARE(changed.count(), 0);

    QTest::mouseClick(actionOf(dialog, "candidateRow", "robin fox"), Qt::LeftButton);
    QTRY_COMPARE(names(dialog, "sharedRow"), QStringList({ "Alex Owner", "robin fox" }));
    QTRY_COMPARE(names(dialog, "candidateRow"), QStringList({ anon }));
    QVERIFY(!error->isVisible());
    QCOMPARE(changed.count(), 1);
    QTest::mouseClick(actionOf(dialog, "candidateRow", anon), Qt::LeftButton);
    QTRY_COMPARE(
        noteText(dialog, "everyoneNote"), QString("All group members already have access"));
    QCOMPARE(names(dialog, "sharedRow").size(), 3);

    // Someone given access sees who has it, but changes nothing.
    QVERIFY(robin.sync());
    {
        ShareMembersDialog theirs(
            robin->cloudClient(), robin->sharing(), *robin->accounts()->findById(joint.id));
        theirs.loadShares();
        QTRY_VERIFY(!noteText(theirs, "notOwnerNote").isEmpty());
        QCOMPARE(names(theirs, "sharedRow").size(), 3);
        for (const QPushButton* button :
            theirs.findChildren<QPushButton*>(QStringLiteral("personAction")))
            QVERIFY(button->isHidden());
    }

    // Removing asks first; "No" leaves the share alone.
    MessageBoxes::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(actionOf(dialog, "sharedRow", "robin fox"), Qt::LeftButton);
    QCOMPARE(MessageBoxes::lastShown()->text,
        QString("robin fox will no longer have access. Continue?"));
    QCOMPARE(names(dialog, "sharedRow").size(), 3);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(actionOf(dialog, "sharedRow", "robin fox"), Qt::LeftButton);
    QTRY_COMPARE(names(dialog, "sharedRow"), QStringList({ "Alex Owner", anon }));
    QTRY_COMPARE(names(dialog, "candidateRow"), QStringList({ "robin fox" }));
    QCOMPARE(changed.count(), 3);
}

void TestShareMembersDialog::unsyncedAccountAndNoGroup()
{
    // Never synchronised: no server id, so nothing is asked of the service.
    const Account local = Records::account("Cash");
    QVERIFY((*m_owner)->accounts()->insert(local));
    m_server.front().clearRequests();
    {
        ShareMembersDialog dialog((*m_owner)->cloudClient(), (*m_owner)->sharing(), local);
        dialog.loadShares();
        dialog.loadGroupMembers();
        QTest::qWait(50);
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("shareError"))
                    ->text()
                    .contains("not been synchronised"));
        QVERIFY(dialog.findChildren<QWidget*>(QStringLiteral("candidateRow")).isEmpty());
    }
    QVERIFY(m_server.front().requests().isEmpty());

    // Synchronised, but the user has no group yet.
    QVERIFY(m_owner->sync());
    ShareMembersDialog dialog((*m_owner)->cloudClient(), (*m_owner)->sharing(),
        *(*m_owner)->accounts()->findById(local.id));
    dialog.loadShares();
    QTRY_VERIFY(noteText(dialog, "noGroupNote").contains("not in a group"));
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("shareError"))->isHidden());
}

QTEST_MAIN(TestShareMembersDialog)
#include "tst_sharemembersdialog.moc"
