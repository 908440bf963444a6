#include "Awaited.h"
#include "RealServer.h"
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

namespace {

QString ann()
{
    return RealServer::email("ann");
}
QString bob()
{
    return RealServer::email("bob");
}
QString sam()
{
    return RealServer::email("sam");
}

} // namespace

class TestAccountClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_shared.start()); }
    void init();
    void cleanup();
    void ownerInvitesMemberJoinsUntilSeatsRunOut();
    void ownerOnlyActionsAnswer403WithText();
    void codesAndIdsNeverLeaveTheirSegment();
    void fingerprintHidesTheMachineId();

private:
    // A client signed in to the server as `email`.
    Client* client(const QString& email);
    Group group(const QString& email);
    GroupInvitation invite(const QString& owner);
    bool join(const QString& email, const QString& code);
    // A server of the test's own, its users named.
    bool start(const QStringList& options);

    QTemporaryDir m_dir;
    RealServer m_shared;
    std::unique_ptr<RealServer> m_own;
    RealServer* m_server = nullptr;
    std::map<QString, std::unique_ptr<Client>> m_clients;
    // The server's user ids by e-mail address.
    QHash<QString, QString> m_ids;
};

void TestAccountClient::init()
{
    m_server = &m_shared;
    m_server->front().reset();
}

void TestAccountClient::cleanup()
{
    m_clients.clear();
    m_own.reset();
}

bool TestAccountClient::start(const QStringList& options)
{
    m_own = std::make_unique<RealServer>();
    m_server = m_own.get();
    if (!m_server->start(options))
        return false;
    m_server->front();
    return m_server->addUser(ann(), RealServer::kPassword, "Ann")
        && m_server->addUser(bob(), RealServer::kPassword, "Robin");
}

Client* TestAccountClient::client(const QString& email)
{
    std::unique_ptr<Client>& slot = m_clients[email];
    if (!slot) {
        slot = std::make_unique<Client>(
            m_server->config(), std::make_unique<FileTokenStore>(m_dir.filePath(email + ".json")));
        const RealServer::Tokens tokens = m_server->session(email);
        slot->tokenManager()->setTokens(tokens.access, tokens.refresh);
        m_ids.insert(email, tokens.userId());
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
    QVERIFY(start({ "--group-seats", "2" }));
    const GroupInvitation invitation = invite(ann());
    QVERIFY(AccountClient::isValidInviteCode(invitation.inviteCode));
    QCOMPARE(invitation.status, "pending");
    QCOMPARE(group(ann()).pendingInvitations.size(), 1);

    QSignalSpy changed(client(bob())->accountClient(), &AccountClient::groupChanged);
    const QString refreshPath = "/api/v1/realms/mellowind/auth/token/refresh";
    const qsizetype refreshes = m_server->front().requestsTo(refreshPath).size();
    QVERIFY(join(bob(), invitation.inviteCode));
    QCOMPARE(changed.size(), 1);
    // The token's claims carry the group, so it is renewed after joining.
    QCOMPARE(m_server->front().requestsTo(refreshPath).size(), refreshes + 1);

    const Group joined = group(bob());
    QCOMPARE(joined.name, "Ann's household");
    QCOMPARE(joined.maxSeats, 2);
    QCOMPARE(joined.members.size(), 2);
    QVERIFY(joined.members.at(0).isOwner());
    QCOMPARE(joined.members.at(1).authUserId, m_ids.value(bob()));
    QCOMPARE(joined.members.at(1).displayName, "Robin");
    QVERIFY(joined.pendingInvitations.isEmpty());

    const Profile profile = std::get<1>(awaited<bool, Profile>(
        [&](auto done) { client(bob())->accountClient()->getProfile(done); }));
    QCOMPARE(profile.group.role, "member");
    QCOMPARE(profile.group.memberCount, 2);

    // Both seats taken: a valid code no longer gets anyone in, nor does a used one.
    QVERIFY(!join(sam(), invite(ann()).inviteCode));
    QVERIFY(!join(sam(), invitation.inviteCode));
    QCOMPARE(group(ann()).members.size(), 2);

    QVERIFY(std::get<0>(awaited<bool, QString>(
        [&](auto done) { client(bob())->accountClient()->leaveGroup(done); })));
    QCOMPARE(changed.size(), 2);
    QVERIFY(group(bob()).id.isEmpty());
}

void TestAccountClient::ownerOnlyActionsAnswer403WithText()
{
    // The first invitation makes the household, its sender the owner.
    QVERIFY(group(ann()).id.isEmpty());
    const GroupInvitation pending = invite(ann());
    QVERIFY(!pending.id.isEmpty());
    QVERIFY(group(ann()).members.at(0).isOwner());

    // An e-mail invitation admits only that address.
    const auto [forSam, unused] = awaited<GroupInvitation, QString>(
        [&](auto done) { client(ann())->accountClient()->inviteByEmail(sam(), done); });
    QCOMPARE((awaited<bool, QString>([&](auto done) {
        client(bob())->accountClient()->joinGroup(forSam.inviteCode, done);
    })),
        std::tuple(false, QStringLiteral("This invitation is for another e-mail address")));

    QVERIFY(join(bob(), invite(ann()).inviteCode));
    AccountClient* member = client(bob())->accountClient();

    const auto [revoked, status, body] = awaited<bool, int, QJsonObject>(
        [&](auto done) { member->revokeInvitation(pending.id, done); });
    QCOMPARE(std::tuple(revoked, status, AccountClient::reasonOf(body)),
        std::tuple(false, 403, QStringLiteral("Only the group owner can revoke invitations")));

    QSignalSpy changed(member, &AccountClient::groupChanged);
    QCOMPARE((awaited<bool, QString>(
                 [&](auto done) { member->removeMember(m_ids.value(ann()), done); })),
        std::tuple(false, QStringLiteral("Only the group owner can remove members")));
    QCOMPARE(changed.size(), 0);

    // An owner with members cannot delete the account, and is told why.
    QCOMPARE((awaited<bool, QString>(
                 [&](auto done) { client(ann())->accountClient()->deleteAccount(done); })),
        std::tuple(false,
            QStringLiteral(
                "You are the group owner: remove all members before deleting your account")));
}

void TestAccountClient::codesAndIdsNeverLeaveTheirSegment()
{
    AccountClient* account = client(ann())->accountClient();
    m_server->front().clearRequests();
    for (const QString code : { "../../profile", "a/b", "..", "", "AB CD", "ab%2F", "ÄBC" }) {
        QVERIFY2(!AccountClient::isValidInviteCode(code), qPrintable(code));
        QVERIFY2(!join(ann(), code), qPrintable(code));
    }
    QVERIFY(AccountClient::isValidInviteCode("Xk7-Q_2"));
    QVERIFY(!AccountClient::isValidInviteCode(QString(65, QLatin1Char('A'))));

    const auto removeDevice = [account](const QString& id) {
        return std::get<1>(
            awaited<bool, int, QJsonObject>([&](auto done) { account->removeDevice(id, done); }));
    };
    QCOMPARE(removeDevice(".."), 0);
    QVERIFY(m_server->front().requests().isEmpty());
    QCOMPARE(removeDevice("a/../b"), 404);
    QCOMPARE(m_server->front().requests().size(), 1);
    QCOMPARE(m_server->front().requests().at(0).rawPath, "/account/v1/devices/a%2F..%2Fb");
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
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\n");
    file.close();
    for (const QString& path : { m_dir.filePath("none"), file.fileName() })
        QCOMPARE(DeviceFingerprint::fromMachineIdFile(path, appId, "host"), fromHost);

    QCOMPARE(DeviceFingerprint::current(appId), DeviceFingerprint::current(appId));
}

QTEST_GUILESS_MAIN(TestAccountClient)
#include "tst_accountclient.moc"
