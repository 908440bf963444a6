#include "Awaited.h"
#include "FakeCloud.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/DeviceFingerprint.h"
#include "account/FileTokenStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <map>

using namespace MellAccount;

class TestAccountClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void ownerInvitesMemberJoinsUntilSeatsRunOut();
    void ownerOnlyActionsAnswer403WithText();
    void codesAndIdsNeverLeaveTheirSegment();
    void deviceRegistersOnceByFingerprint();
    void fingerprintHidesTheMachineId();

private:
    // A client signed in to the fake as `userId`.
    Client* client(const QString& userId);
    Group group(const QString& userId);
    GroupInvitation invite(const QString& ownerId);
    bool join(const QString& userId, const QString& code);

    QTemporaryDir m_dir;
    std::unique_ptr<FakeCloud> m_fake;
    std::map<QString, std::unique_ptr<Client>> m_clients;
};

void TestAccountClient::init()
{
    m_fake = std::make_unique<FakeCloud>();
}

void TestAccountClient::cleanup()
{
    m_clients.clear();
    m_fake.reset();
}

Client* TestAccountClient::client(const QString& userId)
{
    std::unique_ptr<Client>& slot = m_clients[userId];
    if (!slot) {
        slot = std::make_unique<Client>(
            m_fake->config(), std::make_unique<FileTokenStore>(m_dir.filePath(userId + ".json")));
        const FakeCloud::Tokens tokens = m_fake->signIn(userId);
        slot->tokenManager()->setTokens(tokens.access, tokens.refresh);
    }
    return slot.get();
}

Group TestAccountClient::group(const QString& userId)
{
    return std::get<1>(
        awaited<bool, Group>([&](auto done) { client(userId)->accountClient()->getGroup(done); }));
}

GroupInvitation TestAccountClient::invite(const QString& ownerId)
{
    return std::get<0>(awaited<GroupInvitation, QString>(
        [&](auto done) { client(ownerId)->accountClient()->generateInviteCode(done); }));
}

bool TestAccountClient::join(const QString& userId, const QString& code)
{
    return std::get<0>(awaited<bool, QString>(
        [&](auto done) { client(userId)->accountClient()->joinGroup(code, done); }));
}

void TestAccountClient::ownerInvitesMemberJoinsUntilSeatsRunOut()
{
    m_fake->setDisplayName("user-2", "Robin");
    m_fake->account().createGroup("user-1", "Home", 2);
    const GroupInvitation invitation = invite("user-1");
    QVERIFY(AccountClient::isValidInviteCode(invitation.inviteCode));
    QCOMPARE(invitation.status, "pending");
    QCOMPARE(group("user-1").pendingInvitations.size(), 1);

    QSignalSpy changed(client("user-2")->accountClient(), &AccountClient::groupChanged);
    const qsizetype refreshes = m_fake->refreshRequests().size();
    QVERIFY(join("user-2", invitation.inviteCode));
    QCOMPARE(changed.size(), 1);
    // The token's claims carry the group, so it is renewed after joining.
    QCOMPARE(m_fake->refreshRequests().size(), refreshes + 1);

    const Group joined = group("user-2");
    QCOMPARE(joined.name, "Home");
    QCOMPARE(joined.maxSeats, 2);
    QCOMPARE(joined.members.size(), 2);
    QVERIFY(joined.members.at(0).isOwner());
    QCOMPARE(joined.members.at(1).authUserId, "user-2");
    QCOMPARE(joined.members.at(1).displayName, "Robin");
    QVERIFY(joined.pendingInvitations.isEmpty());

    const Profile profile = std::get<1>(awaited<bool, Profile>(
        [&](auto done) { client("user-2")->accountClient()->getProfile(done); }));
    QCOMPARE(profile.group.role, "member");
    QCOMPARE(profile.group.memberCount, 2);

    // Both seats taken: a valid code no longer gets anyone in, nor does a used one.
    QVERIFY(!join("user-3", invite("user-1").inviteCode));
    QVERIFY(!join("user-3", invitation.inviteCode));
    QCOMPARE(m_fake->account().members(joined.id), QStringList({ "user-1", "user-2" }));

    QVERIFY(std::get<0>(awaited<bool, QString>(
        [&](auto done) { client("user-2")->accountClient()->leaveGroup(done); })));
    QCOMPARE(changed.size(), 2);
    QVERIFY(group("user-2").id.isEmpty());
}

void TestAccountClient::ownerOnlyActionsAnswer403WithText()
{
    // The first invitation makes the household, its sender the owner.
    QVERIFY(group("user-1").id.isEmpty());
    const GroupInvitation pending = invite("user-1");
    QVERIFY(!pending.id.isEmpty());
    const Group made = group("user-1");
    QCOMPARE(made.maxSeats, 5);
    QVERIFY(made.members.size() == 1 && made.members.at(0).isOwner());

    // An e-mail invitation admits only that address.
    const auto [forSam, unused] = awaited<GroupInvitation, QString>([&](auto done) {
        client("user-1")->accountClient()->inviteByEmail("sam@example.com", done);
    });
    QCOMPARE((awaited<bool, QString>([&](auto done) {
        client("user-2")->accountClient()->joinGroup(forSam.inviteCode, done);
    })),
        std::tuple(false, QStringLiteral("This invitation is for another address")));

    QVERIFY(join("user-2", invite("user-1").inviteCode));
    AccountClient* member = client("user-2")->accountClient();

    const auto [revoked, status, body] = awaited<bool, int, QJsonObject>(
        [&](auto done) { member->revokeInvitation(pending.id, done); });
    QCOMPARE(std::tuple(revoked, status, AccountClient::reasonOf(body)),
        std::tuple(false, 403, QStringLiteral("Only the group owner can revoke invitations")));

    QSignalSpy changed(member, &AccountClient::groupChanged);
    QCOMPARE((awaited<bool, QString>([&](auto done) { member->removeMember("user-1", done); })),
        std::tuple(false, QStringLiteral("Only the group owner can remove members")));
    QCOMPARE(changed.size(), 0);

    // An owner with members can neither leave nor delete the account, and is told why.
    AccountClient* owner = client("user-1")->accountClient();
    QCOMPARE((awaited<bool, QString>([&](auto done) { owner->leaveGroup(done); })),
        std::tuple(false, QStringLiteral("The owner cannot leave while the group has members")));
    QCOMPARE((awaited<bool, QString>([&](auto done) { owner->deleteAccount(done); })),
        std::tuple(
            false, QStringLiteral("Transfer ownership or remove all members before deleting")));
    QCOMPARE((awaited<bool, QString>([&](auto done) { owner->removeMember("user-2", done); })),
        std::tuple(true, QString()));
    QCOMPARE(group("user-1").members.size(), 1);
}

void TestAccountClient::codesAndIdsNeverLeaveTheirSegment()
{
    AccountClient* account = client("user-1")->accountClient();
    m_fake->server().clearRequests();
    for (const QString code : { "../../profile", "a/b", "..", "", "AB CD", "ab%2F", "ÄBC" }) {
        QVERIFY2(!AccountClient::isValidInviteCode(code), qPrintable(code));
        QVERIFY2(!join("user-1", code), qPrintable(code));
    }
    QVERIFY(AccountClient::isValidInviteCode("Xk7-Q_2"));
    QVERIFY(!AccountClient::isValidInviteCode(QString(65, QLatin1Char('A'))));

    const auto removeDevice = [account](const QString& id) {
        return std::get<1>(
            awaited<bool, int, QJsonObject>([&](auto done) { account->removeDevice(id, done); }));
    };
    QCOMPARE(removeDevice(".."), 0);
    QVERIFY(m_fake->server().requests().isEmpty());
    QCOMPARE(removeDevice("a/../b"), 404);
    QCOMPARE(m_fake->server().requests().size(), 1);
    QCOMPARE(m_fake->server().requests().at(0).rawPath, "/account/v1/devices/a%2F..%2Fb");
}

void TestAccountClient::deviceRegistersOnceByFingerprint()
{
    AccountClient* account = client("user-1")->accountClient();
    const auto devices = [account] {
        return std::get<1>(
            awaited<bool, QList<Device>>([&](auto done) { account->getDevices(done); }));
    };
    for (int i = 0; i < 2; ++i)
        QVERIFY(
            std::get<0>(awaited<bool, QString>([&](auto done) { account->registerDevice(done); })));
    const QList<Device> listed = devices();
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.at(0).deviceFingerprint, account->deviceFingerprint());
    QCOMPARE(listed.at(0).platform, "Linux");
    QCOMPARE(listed.at(0).appVersion, "1.1.0");
    QVERIFY(listed.at(0).lastSyncAt.isValid());
    // Another user's registration of the same computer is theirs alone.
    client("user-2")->accountClient()->registerDevice();
    QTRY_COMPARE(m_fake->account().devices("user-2").size(), 1);

    QVERIFY(std::get<0>(awaited<bool, int, QJsonObject>(
        [&](auto done) { account->removeDevice(listed.at(0).id, done); })));
    QVERIFY(devices().isEmpty());
}

void TestAccountClient::fingerprintHidesTheMachineId()
{
    const QByteArray machineId = "3f2b9c6e0d1a4e8f9b7c5a3d2e1f0a9b";
    QFile file(m_dir.filePath("machine-id"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(machineId + '\n');
    file.close();
    const QString appId = QStringLiteral("com.mellowindvantor.ledgerine");

    const QString fingerprint
        = DeviceFingerprint::fromMachineIdFile(file.fileName(), appId, "host");
    QCOMPARE(fingerprint.size(), 32);
    QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(fingerprint).hasMatch());
    QCOMPARE(DeviceFingerprint::fromMachineIdFile(file.fileName(), appId, "other"), fingerprint);
    QVERIFY(fingerprint != QString::fromLatin1(machineId));
    QVERIFY(!fingerprint.startsWith(QString::fromLatin1(
        QCryptographicHash::hash(machineId, QCryptographicHash::Sha256).toHex().left(8))));
    QVERIFY(
        DeviceFingerprint::fromMachineIdFile(file.fileName(), "other.app", "host") != fingerprint);

    // Missing or empty: the host name's hash, the same every time.
    const QString fromHost = DeviceFingerprint::fromHostName("host");
    QCOMPARE(fromHost,
        QString::fromLatin1(
            QCryptographicHash::hash("host", QCryptographicHash::Sha256).toHex().left(32)));
    QCOMPARE(DeviceFingerprint::fromMachineIdFile(m_dir.filePath("none"), appId, "host"), fromHost);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\n");
    file.close();
    QCOMPARE(DeviceFingerprint::fromMachineIdFile(file.fileName(), appId, "host"), fromHost);

    QCOMPARE(DeviceFingerprint::current(appId), DeviceFingerprint::current(appId));
}

QTEST_GUILESS_MAIN(TestAccountClient)
#include "tst_accountclient.moc"
