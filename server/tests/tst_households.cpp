#include "ServerClock.h"
#include "ServerContext.h"
#include "ServerTest.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

namespace {

const QByteArray kAccountApi = "/account/v1";
const QByteArray kSyncApi = "/ledgerine/v1";

// The sharing routes of the account a push stored first.
QByteArray sharesOf(const QJsonArray& pushed)
{
    return kSyncApi + "/accounts/"
        + pushed.at(0).toObject().value("server_id").toString().toLatin1();
}

} // namespace

// Groups, invitations, shared accounts and who may touch what.
class TestHouseholds : public ServerTestCase {
    Q_OBJECT

public:
    using ServerTestCase::ServerTestCase;

private Q_SLOTS:
    void initTestCase();
    void cleanup() { ServerClock::setOffset(0); }
    void invitationsAndSeats();
    void sharesFollowMembership();
    void othersIdsGiveNothing();

private:
    struct Person {
        QString id;
        QByteArray bearer;
    };
    Person person(const QString& email);
    HttpReply call(const QByteArray& method, const QByteArray& path, const Person& who,
        const QJsonObject& body = {})
    {
        return m_server->call(method, path, who.bearer, body);
    }
    QJsonObject invite(const Person& owner, const QString& email = {});
    // Joins with the invitation's code.
    int join(const Person& who, const QJsonObject& invitation)
    {
        return call("POST",
            kAccountApi + "/group/join/" + invitation.value("invite_code").toString().toLatin1(),
            who)
            .status;
    }
    QJsonArray push(const Person& who, const QJsonArray& changes)
    {
        return m_server->push(who.bearer, changes);
    }
    // Everything past the cursor (which moves on), by client id.
    QHash<QString, QJsonObject> pull(const Person& who, QString* cursor);
};

void TestHouseholds::initTestCase()
{
    ServerConfig config;
    config.groupSeats = 3;
    QVERIFY(startServer(config));
}

TestHouseholds::Person TestHouseholds::person(const QString& email)
{
    const QString id = m_server->addUser(email);
    return { id, m_server->bearer(id) };
}

QJsonObject TestHouseholds::invite(const Person& owner, const QString& email)
{
    QJsonObject body;
    if (!email.isEmpty())
        body.insert("email", email);
    const HttpReply reply = call("POST", kAccountApi + "/group/invite", owner, body);
    if (reply.status != 201)
        qWarning("invite answered %d: %s", reply.status, reply.body.constData());
    return reply.json();
}

QHash<QString, QJsonObject> TestHouseholds::pull(const Person& who, QString* cursor)
{
    QHash<QString, QJsonObject> found;
    for (bool more = true; more;) {
        const QJsonObject page = m_server->pull(who.bearer, *cursor, 3);
        found.insert(pulledRecords(page));
        *cursor = page.value("cursor").toString();
        more = page.value("has_more").toBool();
    }
    return found;
}

void TestHouseholds::invitationsAndSeats()
{
    // The desktop's account tests walk the owner's and the member's answers;
    // here the codes a household can be joined with, and its end.
    Person owner = person("owner@example.org");
    Person ann = person("ann@example.org");
    Person bob = person("bob@example.org");
    Person cat = person("cat@example.org");
    const QJsonObject code = invite(owner);
    QVERIFY2(QRegularExpression("^[2-9A-HJ-NP-Z]{8}$")
                 .match(code.value("invite_code").toString())
                 .hasMatch(),
        qPrintable(code.value("invite_code").toString()));
    const QJsonObject revoked = invite(owner);
    QCOMPARE(
        call("DELETE",
            kAccountApi + "/group/invitations/" + revoked.value("id").toString().toLatin1(), owner)
            .status,
        204);
    const QJsonObject expired = invite(owner);
    // Ann joins with the open code (written in lower case); the code is then used.
    QJsonObject lower = code;
    lower.insert("invite_code", code.value("invite_code").toString().toLower());
    QCOMPARE(join(ann, lower), 200);
    QCOMPARE(call("POST", kAccountApi + "/group/invite", ann).status, 403);
    ServerClock::setOffset(8 * 24 * 3600);
    for (Person* who : { &owner, &ann, &bob, &cat })
        who->bearer = m_server->bearer(who->id);
    const QJsonObject late = invite(owner);
    const QJsonObject forCat = invite(owner, "Cat@Example.org");
    struct Attempt {
        const char* what;
        Person who;
        QJsonObject invitation;
        int status;
    };
    const QList<Attempt> attempts {
        { "unknown code", bob, QJsonObject { { "invite_code", "ZZZZZZZZ" } }, 404 },
        { "revoked code", bob, revoked, 404 },
        { "expired code", bob, expired, 404 },
        { "already in a group", ann, late, 409 },
        { "its address", cat, forCat, 200 },
    };
    for (const Attempt& attempt : attempts) {
        const int status = join(attempt.who, attempt.invitation);
        QVERIFY2(status == attempt.status, qPrintable(attempt.what + QString::number(status)));
    }

    // The owner goes last, and the group with its codes goes then.
    QCOMPARE(
        call("DELETE", kAccountApi + "/group/members/" + cat.id.toLatin1(), owner).status, 204);
    QCOMPARE(call("POST", kAccountApi + "/group/leave", ann).status, 204);
    QCOMPARE(call("POST", kAccountApi + "/group/leave", owner).status, 204);
    QCOMPARE(call("GET", kAccountApi + "/group", owner).status, 404);
    QCOMPARE(join(bob, late), 404);
}

void TestHouseholds::sharesFollowMembership()
{
    const Person owner = person("sharer@example.org");
    const Person ann = person("sharee@example.org");
    const Person stranger = person("stranger@example.org");
    QCOMPARE(join(ann, invite(owner)), 200);
    const QJsonArray stored = push(owner,
        { syncChange("account", "acc", { { "name", "Joint" } }),
            syncChange("account", "private", { { "name", "Mine" } }),
            syncChange("category", "cat", { { "name", "Food" } }),
            syncChange("transaction", "t1",
                { { "account_id", "acc" }, { "amount", -500 }, { "is_split", true },
                    { "split_lines", QJsonArray { QJsonObject { { "amount", -500 } } } } }),
            syncChange("transaction", "t2", { { "account_id", "private" }, { "amount", -7 } }),
            syncChange("recurring", "r1", { { "account_id", "acc" } }),
            syncChange("reconciliation", "rec1", { { "account_id", "acc" } }),
            syncChange("csv_profile", "p1", { { "account_id", "acc" } }) });
    const QByteArray shares = sharesOf(stored);
    QCOMPARE(call("POST", shares + "/share", owner, { { "user_id", stranger.id } }).status, 404);
    QCOMPARE(call("POST", shares + "/share", owner, { { "user_id", owner.id } }).status, 400);
    QCOMPARE(call("POST", shares + "/share", owner,
                 { { "email", "SHAREE@example.org" }, { "user_id", "SHAREE@example.org" } })
                 .status,
        201);
    const QJsonArray members = m_server->list(shares + "/members", ann.bearer, "members");
    QCOMPARE(members.size(), 2);
    QCOMPARE(members.at(0).toObject().value("role").toString(), "owner");
    QCOMPARE(members.at(1).toObject().value("user_id").toString(), ann.id);

    // The member sees the account and what belongs to it, nothing else of the owner's.
    QString cursor;
    auto seen = pull(ann, &cursor);
    QCOMPARE(QSet<QString>(seen.keyBegin(), seen.keyEnd()),
        QSet<QString>({ "acc", "t1", "r1", "rec1", "p1" }));
    QCOMPARE(seen.value("t1").value("split_lines").toArray().size(), 1);

    // The account is the owner's to delete.
    const QJsonArray memberPush = push(ann,
        { syncChange("account", "acc", {}, "delete", 9),
            syncChange("csv_profile", "p2", { { "account_id", "private" } }) });
    QCOMPARE(pushStatuses(memberPush), QStringList({ "forbidden", "ok" }));
    QString ownerCursor;
    const auto ownerSees = pull(owner, &ownerCursor);
    QVERIFY(ownerSees.value("acc").value("deleted_at").toString().isEmpty());
    // Into an account not shared with her, a member writes only her own records.
    QVERIFY(!ownerSees.contains("p2"));
    // The member's copy names whose it is; the owner's names nobody.
    QCOMPARE(seen.value("acc").value("shared_by").toObject().value("email").toString(),
        "sharer@example.org");
    QVERIFY(!ownerSees.value("acc").contains("shared_by"));
    seen = pull(ann, &cursor);
    QCOMPARE(QSet<QString>(seen.keyBegin(), seen.keyEnd()), QSet<QString>({ "p2" }));

    // Every way a share ends leaves the member tombstones marked as such, and
    // their deletes for what they no longer see are answered and dropped.
    struct End {
        const char* what;
        std::function<int()> act;
    };
    const QList<End> ends {
        { "unshare",
            [&] { return call("DELETE", shares + "/share/" + ann.id.toLatin1(), owner).status; } },
        { "leaving", [&] { return call("POST", kAccountApi + "/group/leave", ann).status; } },
        { "removal",
            [&] {
                return call("DELETE", kAccountApi + "/group/members/" + ann.id.toLatin1(), owner)
                    .status;
            } },
        { "account deleted",
            [&] {
                const QJsonArray deleted
                    = push(owner, { syncChange("account", "acc", {}, "delete", 50) });
                return pushStatuses(deleted) == QStringList { "ok" } ? 204 : 500;
            } },
    };
    for (const End& end : ends) {
        const QString what = QString::fromLatin1(end.what);
        if (call("GET", kAccountApi + "/group", ann).status == 404)
            QCOMPARE(join(ann, invite(owner)), 200);
        QVERIFY2(call("POST", shares + "/share", owner, { { "user_id", ann.id } }).status == 201,
            qPrintable(what));
        QVERIFY2(pull(ann, &cursor).contains("acc"), qPrintable(what));
        QVERIFY2(end.act() == 204, qPrintable(what));
        seen = pull(ann, &cursor);
        QVERIFY2(QSet<QString>(seen.keyBegin(), seen.keyEnd())
                     .contains({ "acc", "t1", "r1", "rec1", "p1" }),
            qPrintable(what));
        for (const QJsonObject& record : std::as_const(seen)) {
            QVERIFY2(record.value("access_revoked").toBool()
                    && record.value("access_ended").toBool()
                    && !record.value("deleted_at").toString().isEmpty(),
                qPrintable(what + QJsonDocument(record).toJson()));
        }
        QCOMPARE(call("GET", shares + "/members", ann).status, 404);
        pull(owner, &ownerCursor);
        const QJsonArray late = push(ann,
            { syncChange("transaction", "t1", { { "account_id", "acc" } }, "delete", 99),
                syncChange("transaction", "t9", { { "account_id", "acc" } }) });
        QVERIFY2(pushStatuses(late) == QStringList({ "ok", "forbidden" }), qPrintable(what));
        QVERIFY2(pull(owner, &ownerCursor).isEmpty(), qPrintable(what));
        if (what == "account deleted")
            QCOMPARE(call("GET", shares + "/members", owner).status, 404);
    }

    // When the owner of a shared account is purged, the member keeps tombstones.
    const QJsonArray hers = push(ann, { syncChange("account", "hers", { { "name", "Hers" } }) });
    QCOMPARE(call("POST", sharesOf(hers) + "/share", ann, { { "user_id", owner.id } }).status, 201);
    QVERIFY(pull(owner, &ownerCursor).contains("hers"));
    QCOMPARE(call("DELETE", kAccountApi + "/profile", ann).status, 200);
    ServerClock::setOffset(31 * 24 * 3600);
    const Person later { owner.id, m_server->bearer(owner.id) };
    m_server->call("GET", "/.well-known/ledgerine.json");
    QVERIFY(!m_server->context().users.byId(ann.id));
    const QJsonObject gone = pull(later, &ownerCursor).value("hers");
    QVERIFY2(gone.value("access_revoked").toBool(), QJsonDocument(gone).toJson().constData());
    QCOMPARE(m_server->list(kAccountApi + "/group", later.bearer, "members").size(), 1);
}

void TestHouseholds::othersIdsGiveNothing()
{
    const Person owner = person("house-owner@example.org");
    const Person member = person("house-member@example.org");
    const Person intruder = person("intruder@example.org");
    QVERIFY(invite(intruder).contains("invite_code"));
    const QByteArray invitation = invite(owner).value("id").toString().toLatin1();
    QCOMPARE(join(member, invite(owner)), 200);
    const QByteArray shares = sharesOf(push(owner, { syncChange("account", "acc") }));
    QCOMPARE(call("POST", shares + "/share", owner, { { "user_id", member.id } }).status, 201);
    const QByteArray device = call(
        "POST", kAccountApi + "/devices/register", member, { { "device_fingerprint", "fp" } })
                                  .json()
                                  .value("id")
                                  .toString()
                                  .toLatin1();
    const QByteArray sessions = "/api/v1/realms/mellowind/users/me/sessions";
    const QByteArray session
        = m_server->list(sessions, member.bearer, "sessions").at(0)["id"].toString().toLatin1();
    const QByteArray memberId = member.id.toLatin1();
    const QList<std::tuple<QByteArray, QByteArray, QJsonObject>> attempts {
        { "GET", shares + "/members", {} },
        { "POST", shares + "/share", { { "user_id", member.id } } },
        { "DELETE", shares + "/share/" + memberId, {} },
        { "DELETE", kAccountApi + "/group/invitations/" + invitation, {} },
        { "DELETE", kAccountApi + "/group/members/" + memberId, {} },
        { "DELETE", sessions + '/' + session, {} },
        { "DELETE", kAccountApi + "/devices/" + device, {} },
    };
    for (const auto& [method, path, body] : attempts) {
        const HttpReply reply = call(method, path, intruder, body);
        QVERIFY2(reply.status == 403 || reply.status == 404, (path + reply.body).constData());
        // An error and its reason, never a record.
        QStringList keys = reply.json().keys();
        keys.removeAll("error");
        keys.removeAll("message");
        QVERIFY2(keys.isEmpty(), (path + reply.body).constData());
        // Nothing changed for the household.
        QVERIFY2(m_server->list(shares + "/members", member.bearer, "members").size() == 2, path.constData());
        QVERIFY2(
            m_server->list(kAccountApi + "/group", owner.bearer, "pending_invitations").size() == 1,
            path.constData());
        QVERIFY2(m_server->list(kAccountApi + "/devices", member.bearer, "devices").size() == 1,
            path.constData());
        QVERIFY2(call("GET", kAccountApi + "/profile", member).status == 200, path.constData());
    }
    // Nor does the intruder's push reach the owner's account.
    const QJsonArray forged = push(intruder,
        { syncChange("transaction", "t1", { { "account_id", "acc" } }),
            syncChange("csv_profile", "p1", { { "account_id", "acc" } }) });
    QCOMPARE(pushStatuses(forged), QStringList({ "ok", "ok" }));
    QString cursor;
    const auto ownerSees = pull(owner, &cursor);
    QVERIFY(!ownerSees.contains("t1") && !ownerSees.contains("p1"));
}

SERVER_TEST_MAIN(TestHouseholds)

#include "tst_households.moc"
