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
    std::optional<Group> result;
    client(userId)->accountClient()->getGroup([&](bool, const Group& group) { result = group; });
    [&] { QTRY_VERIFY(result); }();
    return result.value_or(Group());
}

GroupInvitation TestAccountClient::invite(const QString& ownerId)
{
    std::optional<GroupInvitation> result;
    client(ownerId)->accountClient()->generateInviteCode(
        [&](const GroupInvitation& invitation, const QString&) { result = invitation; });
    [&] { QTRY_VERIFY(result); }();
    return result.value_or(GroupInvitation());
}

bool TestAccountClient::join(const QString& userId, const QString& code)
{
    std::optional<bool> result;
    client(userId)->accountClient()->joinGroup(code, [&](bool ok, const QString&) { result = ok; });
    [&] { QTRY_VERIFY(result); }();
    return result.value_or(false);
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

    std::optional<Profile> profile;
    client("user-2")->accountClient()->getProfile([&](bool, const Profile& p) { profile = p; });
    QTRY_VERIFY(profile);
    QCOMPARE(profile->group.role, "member");
    QCOMPARE(profile->group.memberCount, 2);

    // Both seats taken: a valid code no longer gets anyone in, nor does a used one.
    QVERIFY(!join("user-3", invite("user-1").inviteCode));
    QVERIFY(!join("user-3", invitation.inviteCode));
    QCOMPARE(m_fake->account().members(joined.id), QStringList({ "user-1", "user-2" }));

    std::optional<bool> left;
    client("user-2")->accountClient()->leaveGroup([&](bool ok, const QString&) { left = ok; });
    QTRY_VERIFY(left);
    QVERIFY(*left);
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
    std::optional<GroupInvitation> forSam;
    client("user-1")->accountClient()->inviteByEmail("sam@example.com",
        [&](const GroupInvitation& invitation, const QString&) { forSam = invitation; });
    QTRY_VERIFY(forSam);
    std::optional<QString> refused;
    client("user-2")->accountClient()->joinGroup(
        forSam->inviteCode, [&](bool, const QString& reason) { refused = reason; });
    QTRY_COMPARE(refused.value_or(QString()), "This invitation is for another address");

    QVERIFY(join("user-2", invite("user-1").inviteCode));
    AccountClient* member = client("user-2")->accountClient();

    std::optional<std::pair<int, QString>> revoked;
    member->revokeInvitation(pending.id, [&](bool ok, int status, const QJsonObject& body) {
        QVERIFY(!ok);
        revoked = { status, AccountClient::reasonOf(body) };
    });
    QTRY_VERIFY(revoked);
    QCOMPARE(revoked->first, 403);
    QCOMPARE(revoked->second, "Only the group owner can revoke invitations");

    QSignalSpy changed(member, &AccountClient::groupChanged);
    std::optional<std::pair<bool, QString>> removed;
    member->removeMember("user-1", [&](bool ok, const QString& reason) {
        removed = { ok, reason };
    });
    QTRY_VERIFY(removed);
    QCOMPARE(*removed, std::pair(false, QStringLiteral("Only the group owner can remove members")));
    QCOMPARE(changed.size(), 0);

    // An owner with members can neither leave nor delete the account, and is told why.
    std::optional<QString> left;
    client("user-1")->accountClient()->leaveGroup(
        [&](bool, const QString& reason) { left = reason; });
    QTRY_COMPARE(left.value_or(QString()), "The owner cannot leave while the group has members");
    std::optional<std::pair<bool, QString>> deleted;
    client("user-1")->accountClient()->deleteAccount([&](bool ok, const QString& reason) {
        deleted = { ok, reason };
    });
    QTRY_VERIFY(deleted);
    QCOMPARE(*deleted,
        std::pair(
            false, QStringLiteral("Transfer ownership or remove all members before deleting")));
    removed.reset();
    client("user-1")->accountClient()->removeMember("user-2", [&](bool ok, const QString& reason) {
        removed = { ok, reason };
    });
    QTRY_COMPARE(removed.value_or(std::pair(false, QString())), std::pair(true, QString()));
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

    std::optional<int> status;
    account->removeDevice("..", [&](bool, int s, const QJsonObject&) { status = s; });
    QTRY_VERIFY(status);
    QCOMPARE(*status, 0);
    QVERIFY(m_fake->server().requests().isEmpty());

    status.reset();
    account->removeDevice("a/../b", [&](bool, int s, const QJsonObject&) { status = s; });
    QTRY_VERIFY(status);
    QCOMPARE(*status, 404);
    QCOMPARE(m_fake->server().requests().size(), 1);
    QCOMPARE(m_fake->server().requests().at(0).rawPath, "/account/v1/devices/a%2F..%2Fb");
}

void TestAccountClient::deviceRegistersOnceByFingerprint()
{
    AccountClient* account = client("user-1")->accountClient();
    const auto devices = [&] {
        std::optional<QList<Device>> result;
        account->getDevices([&](bool, const QList<Device>& list) { result = list; });
        [&] { QTRY_VERIFY(result); }();
        return result.value_or(QList<Device>());
    };
    for (int i = 0; i < 2; ++i) {
        std::optional<bool> registered;
        account->registerDevice([&](bool ok, const QString&) { registered = ok; });
        QTRY_VERIFY(registered);
        QVERIFY(*registered);
    }
    const QList<Device> listed = devices();
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed.at(0).deviceFingerprint, account->deviceFingerprint());
    QCOMPARE(listed.at(0).platform, "Linux");
    QCOMPARE(listed.at(0).appVersion, "1.1.0");
    QVERIFY(listed.at(0).lastSyncAt.isValid());
    // Another user's registration of the same computer is theirs alone.
    client("user-2")->accountClient()->registerDevice();
    QTRY_COMPARE(m_fake->account().devices("user-2").size(), 1);

    std::optional<bool> removed;
    account->removeDevice(listed.at(0).id, [&](bool ok, int, const QJsonObject&) { removed = ok; });
    QTRY_VERIFY(removed);
    QVERIFY(*removed);
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
