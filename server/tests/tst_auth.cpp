#include "Jwt.h"
#include "ServerClock.h"
#include "ServerContext.h"
#include "ServerTest.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QByteArray kClient = "7d2e94b0c1f35a86e0b4d2c9f817a3e5";
const QByteArray kRealm = "/api/v1/realms/mellowind";
const QString kRedirect = QStringLiteral("http://localhost:19876/callback");

// A sign-in page as the browser holds it: its form token and cookie.
struct Form {
    int status = 0;
    QByteArray page;
    QString token;
    QByteArray cookie;
};

struct Tokens {
    QString access;
    QString refresh;
};



const QByteArray kAccountApi = "/account/v1";
const QByteArray kSyncApi = "/ledgerine/v1";

// The sharing routes of the account a push stored first.
QByteArray sharesOf(const QJsonArray& pushed)
{
    return kSyncApi + "/accounts/"
        + pushed.at(0).toObject().value("server_id").toString().toLatin1();
}

} // namespace

// Signing in through the page, tokens, sessions, the user's own account;
// households, invitations, shared accounts and who may touch what.
class TestAuth : public ServerTestCase {
    Q_OBJECT

public:
    using ServerTestCase::ServerTestCase;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void pageServesOnlyTheDesktopsSignIn_data();
    void pageServesOnlyTheDesktopsSignIn();
    void signInRedirectsAndRefreshRotates();
    void refusalsReadAlikeAndAreLimited();
    void userSessionsAndPassword();
    void profileDevicesAndDeletion();
    void registrationWhenOpen();
    void invitationsAndSeats();
    void sharesFollowMembership();
    void othersIdsGiveNothing();

private:
    Form openForm(TestServer& server, const QString& state = QStringLiteral("s1"),
        const QByteArray& page = "login");
    // From `address`, as the proxy in front of the server reports it.
    HttpReply submit(TestServer& server, const Form& form,
        const QList<QPair<QString, QString>>& fields, const QString& state = QStringLiteral("s1"),
        const QByteArray& page = "login", const QByteArray& address = "203.0.113.1");
    std::optional<Tokens> signIn(const QString& email, const QString& password);
    HttpReply refresh(const QString& token);
    // users/me for a bearer header or a bare access token.
    HttpReply me(const QByteArray& bearer) { return m_server->call("GET", kRealm + "/users/me", bearer); }
    HttpReply me(const QString& access) { return me("Bearer " + access.toLatin1()); }

    // Moves the server's clock on.
    static void laterBy(qint64 seconds)
    {
        ServerClock::setOffset(ServerClock::now() - QDateTime::currentSecsSinceEpoch() + seconds);
    }
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

    QString m_ann;
};

void TestAuth::initTestCase()
{
    ServerConfig config;
    config.trustForwardedFor = true;
    config.groupSeats = 3;
    QVERIFY(startServer(config));
    m_ann = m_server->addUser(QStringLiteral("ann@example.org"));
}

void TestAuth::init()
{
    // Each test starts after the previous one's failed attempts have aged out.
    laterBy(120);
}

void TestAuth::cleanupTestCase()
{
    m_server.reset();
    ServerClock::setOffset(0);
}

Form TestAuth::openForm(TestServer& server, const QString& state, const QByteArray& page)
{
    const QByteArray target = "/mellowind/account/" + page + "?client_id=" + kClient
        + "&redirect_uri=" + QUrl::toPercentEncoding(kRedirect)
        + "&state=" + QUrl::toPercentEncoding(state);
    const HttpReply reply = request(server.port(), "GET", target);
    static const QRegularExpression token(QStringLiteral("name=\"form_token\" value=\"([^\"]+)\""));
    return { reply.status, reply.body, token.match(QString::fromUtf8(reply.body)).captured(1),
        reply.header("Set-Cookie").split(';').value(0) };
}

HttpReply TestAuth::submit(TestServer& server, const Form& form,
    const QList<QPair<QString, QString>>& fields, const QString& state, const QByteArray& page,
    const QByteArray& address)
{
    QUrlQuery body;
    body.addQueryItem(QStringLiteral("client_id"), QString::fromLatin1(kClient));
    body.addQueryItem(QStringLiteral("redirect_uri"), kRedirect);
    body.addQueryItem(QStringLiteral("state"), state);
    body.addQueryItem(QStringLiteral("form_token"), form.token);
    for (const auto& [name, value] : fields)
        body.addQueryItem(name, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    return request(server.port(), "POST", "/mellowind/account/" + page,
        body.toString(QUrl::FullyEncoded).toLatin1(),
        { { "Content-Type", "application/x-www-form-urlencoded" }, { "Cookie", form.cookie },
            { "X-Forwarded-For", "198.51.100.7, " + address } });
}

std::optional<Tokens> TestAuth::signIn(const QString& email, const QString& password)
{
    const HttpReply reply
        = submit(*m_server, openForm(*m_server), { { "email", email }, { "password", password } });
    const QUrlQuery fragment(
        QUrl::fromEncoded(reply.header("Location")).fragment(QUrl::FullyEncoded));
    if (reply.status != 303)
        return std::nullopt;
    return Tokens { fragment.queryItemValue("access_token"),
        fragment.queryItemValue("refresh_token") };
}

HttpReply TestAuth::refresh(const QString& token)
{
    return m_server->call("POST", kRealm + "/auth/token/refresh", {}, { { "refresh_token", token } });
}

void TestAuth::pageServesOnlyTheDesktopsSignIn_data()
{
    QTest::addColumn<QByteArray>("clientId");
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<QByteArray>("language");
    // The page's title when it is served; the refusal's text otherwise.
    QTest::addColumn<QString>("text");

    const QString title = QStringLiteral("Sign in to Mellowind Ledgerine");
    const QString bad = QStringLiteral("This sign-in link is not valid.");
    const QByteArray none;
    QTest::newRow("desktop") << kClient << kRedirect << none << title;
    QTest::newRow("[::1]") << kClient << "http://[::1]:4242/callback" << none << title;
    QTest::newRow("German") << kClient << kRedirect << QByteArray("de-CH, en;q=0.5")
                            << "Bei Mellowind Ledgerine anmelden";
    QTest::newRow("Japanese by weight") << kClient << kRedirect << QByteArray("en;q=0.2, ja")
                                        << QString::fromUtf8("Mellowind Ledgerine にサインイン");
    QTest::newRow("unknown client") << QByteArray("someone-else") << kRedirect << none << bad;
    QTest::newRow("https redirect") << kClient << "https://localhost/callback" << none << bad;
    QTest::newRow("lookalike host") << kClient << "http://localhost.example.org/" << none << bad;
    QTest::newRow("other loopback address") << kClient << "http://127.0.0.2/" << none << bad;
    QTest::newRow("user info") << kClient << "http://x@localhost:1/callback" << none << bad;
    QTest::newRow("fragment") << kClient << "http://localhost:1/callback#x" << none << bad;
    QTest::newRow("no redirect") << kClient << QString() << none << bad;
}

void TestAuth::pageServesOnlyTheDesktopsSignIn()
{
    QFETCH(QByteArray, clientId);
    QFETCH(QString, redirect);
    QFETCH(QByteArray, language);
    QFETCH(QString, text);
    const int status = text == "This sign-in link is not valid." ? 400 : 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    if (!language.isEmpty())
        headers.append({ "Accept-Language", language });
    const HttpReply reply = request(m_server->port(), "GET",
        "/mellowind/account/login?client_id=" + clientId
            + "&redirect_uri=" + QUrl::toPercentEncoding(redirect) + "&state=x",
        {}, headers);
    QCOMPARE(reply.status, status);
    QVERIFY2(QString::fromUtf8(reply.body).contains(text), reply.body.constData());
    QCOMPARE(reply.body.contains("form_token"), status == 200);
    QCOMPARE(reply.header("X-Frame-Options"), QByteArray("DENY"));
}

void TestAuth::signInRedirectsAndRefreshRotates()
{
    const QString state = QStringLiteral("a b&c=ä/?");
    const Form form = openForm(*m_server, state);
    QVERIFY(form.cookie.startsWith("ledgerine_form="));
    const HttpReply reply = submit(*m_server, form,
        { { "email", "  Ann@Example.org " }, { "password", "correct horse" } }, state);
    QCOMPARE(reply.status, 303);
    const QUrl location = QUrl::fromEncoded(reply.header("Location"));
    QCOMPARE(location.adjusted(QUrl::RemoveFragment).toString(), kRedirect);
    const QUrlQuery fragment(location.fragment(QUrl::FullyEncoded));
    QCOMPARE(fragment.queryItemValue("state", QUrl::FullyDecoded), state);
    QCOMPARE(fragment.queryItemValue("token_type"), "Bearer");
    const Tokens first { fragment.queryItemValue("access_token", QUrl::FullyDecoded),
        fragment.queryItemValue("refresh_token", QUrl::FullyDecoded) };

    // The claims the desktop reads, signed with the server's key.
    const auto claims = Jwt::verify(first.access, m_server->context().keys.accessTokens());
    QVERIFY(claims);
    QCOMPARE(claims->value("sub").toString(), m_ann);
    QCOMPARE(claims->value("exp").toInteger() - claims->value("iat").toInteger(), 900);
    QCOMPARE(me(first.access).json().value("email").toString(), "ann@example.org");
    // The token ends when it expires; the refresh token renews it.
    ServerClock::setOffset(claims->value("exp").toInteger() - QDateTime::currentSecsSinceEpoch());
    QCOMPARE(me(first.access).status, 401);
    const HttpReply rotated = refresh(first.refresh);
    QCOMPARE(rotated.status, 200);
    const Tokens second { rotated.json().value("access_token").toString(),
        rotated.json().value("refresh_token").toString() };
    QVERIFY(second.refresh != first.refresh && second.access != first.access);
    // The answer was lost and the old token comes again: the same pair.
    QCOMPARE(refresh(first.refresh).json(), rotated.json());
    const HttpReply third = refresh(second.refresh);
    const QString thirdAccess = third.json().value("access_token").toString();
    QCOMPARE(third.status, 200);
    QCOMPARE(me(thirdAccess).status, 200);

    // After the grace period the old token is someone's copy: the session ends.
    laterBy(61);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("came back after the grace period"));
    QCOMPARE(refresh(first.refresh).status, 401);
    QCOMPARE(refresh(third.json().value("refresh_token").toString()).status, 401);
    QCOMPARE(me(thirdAccess).status, 401);
    QCOMPARE(refresh(QStringLiteral("made-up")).json().value("error").toString(), "invalid_grant");
}

void TestAuth::refusalsReadAlikeAndAreLimited()
{
    const QString bob = m_server->addUser(QStringLiteral("bob@example.org"));
    const auto attempt = [this](const QString& email, const QString& password,
                             const QByteArray& address = "203.0.113.1") {
        return submit(*m_server, openForm(*m_server),
            { { "email", email }, { "password", password } }, QStringLiteral("s1"), "login",
            address);
    };
    const auto message = [](const HttpReply& reply) {
        static const QRegularExpression error(QStringLiteral("<p class=\"error\">([^<]*)</p>"));
        return error.match(QString::fromUtf8(reply.body)).captured(1);
    };
    const HttpReply wrongPassword = attempt("bob@example.org", "not the one");
    const HttpReply unknown = attempt("nobody@example.org", "not the one");
    m_server->context().users.setDisabled(bob, true);
    const HttpReply disabled = attempt("bob@example.org", "correct horse");
    m_server->context().users.setDisabled(bob, false);
    for (const HttpReply& reply : { wrongPassword, unknown, disabled }) {
        QCOMPARE(reply.status, 401);
        QCOMPARE(message(reply), "The e-mail address or the password is not right.");
    }
    // A form without its cookie, or posted for another sign-in, was not ours.
    Form forged = openForm(*m_server);
    QCOMPARE(submit(*m_server, forged,
                 { { "email", "bob@example.org" }, { "password", "correct horse" } },
                 QStringLiteral("another state"))
                 .status,
        400);
    forged.cookie = "ledgerine_form=AAAAAAAAAAAAAAAAAAAAAA";
    QCOMPARE(message(submit(*m_server, forged,
                 { { "email", "bob@example.org" }, { "password", "correct horse" } })),
        "The form has expired. Please enter your details again.");

    // Five failures for one account in a minute, from anywhere: the right
    // password waits too, until the minute is over.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(
            attempt("bob@example.org", "guess", "203.0.113.1" + QByteArray::number(i)).status, 401);
    QCOMPARE(attempt("bob@example.org", "correct horse", "203.0.113.20").status, 429);
    // Five from one address, whatever the accounts.
    QCOMPARE(attempt("guess1@example.org", "guess").status, 401);
    QCOMPARE(attempt("guess2@example.org", "guess").status, 401);
    QCOMPARE(attempt("ann@example.org", "correct horse").status, 429);
    QCOMPARE(attempt("ann@example.org", "correct horse", "203.0.113.31").status, 303);
    laterBy(61);
    QCOMPARE(attempt("bob@example.org", "correct horse", "203.0.113.20").status, 303);
}

void TestAuth::userSessionsAndPassword()
{
    // The desktop's account screen lists, revokes, renames and changes the
    // password against this server; here what it cannot see.
    const QString carl
        = m_server->addUser(QStringLiteral("carl@example.org"), QStringLiteral("first password"));
    const QByteArray here = m_server->bearer(carl);
    const QByteArray other = m_server->bearer(carl);
    const auto change = [&](const QString& current, const QString& wanted) {
        return m_server
            ->call("POST", kRealm + "/users/me/password", here,
                { { "current_password", current }, { "new_password", wanted } })
            .status;
    };
    QCOMPARE(change("first password", "short"), 400);
    QCOMPARE(change("first password", "second password"), 204);
    // The other sessions end with the old password; this one goes on.
    QCOMPARE(me(other).status, 401);
    QCOMPARE(me(here).status, 200);
    QVERIFY(signIn("carl@example.org", "second password"));
}

void TestAuth::profileDevicesAndDeletion()
{
    // Registering and listing devices the desktop's account tests walk; here
    // a removal.
    const QString dora = m_server->addUser(QStringLiteral("dora@example.org"));
    const QByteArray bearer = m_server->bearer(dora);
    const QJsonObject device = m_server
                                   ->call("POST", "/account/v1/devices/register", bearer,
                                       { { "device_fingerprint", "f1" } })
                                   .json();
    const QByteArray path = "/account/v1/devices/" + device.value("id").toString().toLatin1();
    QCOMPARE(m_server->call("DELETE", path, bearer).status, 204);

    // Deleting signs out everywhere; signing in within 30 days keeps the account.
    const HttpReply deleted = m_server->call("DELETE", "/account/v1/profile", bearer);
    QCOMPARE(deleted.json().value("status").toString(), "pending_deletion");
    QCOMPARE(m_server->call("GET", "/account/v1/profile", bearer).status, 401);
    const auto back = signIn("dora@example.org", "correct horse");
    QVERIFY(back);
    const QByteArray signedInAgain = "Bearer " + back->access.toLatin1();
    QCOMPARE(m_server->call("GET", "/account/v1/profile", signedInAgain).json().value("status"), "active");
    // Otherwise the account and its records go once the 30 days are over.
    const QString ed = m_server->addUser(QStringLiteral("ed@example.org"));
    QCOMPARE(m_server->call("DELETE", "/account/v1/profile", m_server->bearer(ed)).status, 200);
    laterBy(31 * 24 * 3600);
    m_server->call("GET", "/.well-known/ledgerine.json");
    QVERIFY(!m_server->context().users.byEmail("ed@example.org"));
    QVERIFY(m_server->context().users.byEmail("dora@example.org"));
}

void TestAuth::registrationWhenOpen()
{
    QCOMPARE(
        request(m_server->port(), "GET", "/mellowind/account/register?client_id=" + kClient).status,
        404);
    QVERIFY(!openForm(*m_server).page.contains("/account/register"));

    ServerConfig config;
    config.openRegistration = true;
    TestServer open(m_backend, config);
    QVERIFY(open.start());
    QVERIFY(openForm(open).page.contains("/mellowind/account/register?client_id="));
    const auto attempt = [&](const QString& email, const QString& password, const QString& again) {
        return submit(open, openForm(open, QStringLiteral("s1"), "register"),
            { { "email", email }, { "display_name", "Fay" }, { "password", password },
                { "password_again", again } },
            QStringLiteral("s1"), "register")
            .status;
    };
    QCOMPARE(attempt("fay@example.org", "long enough", "different"), 400);
    QCOMPARE(attempt("fay@example.org", "short", "short"), 400);
    QCOMPARE(attempt("not an address", "long enough", "long enough"), 400);
    QCOMPARE(attempt("fay@example.org", "long enough", "long enough"), 303);
    QCOMPARE(open.context().users.byEmail("fay@example.org")->displayName, "Fay");
    QCOMPARE(attempt("FAY@example.org", "long enough", "long enough"), 409);
}

TestAuth::Person TestAuth::person(const QString& email)
{
    const QString id = m_server->addUser(email);
    return { id, m_server->bearer(id) };
}

QJsonObject TestAuth::invite(const Person& owner, const QString& email)
{
    QJsonObject body;
    if (!email.isEmpty())
        body.insert("email", email);
    const HttpReply reply = call("POST", kAccountApi + "/group/invite", owner, body);
    if (reply.status != 201)
        qWarning("invite answered %d: %s", reply.status, reply.body.constData());
    return reply.json();
}

QHash<QString, QJsonObject> TestAuth::pull(const Person& who, QString* cursor)
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

void TestAuth::invitationsAndSeats()
{
    // The desktop's account tests walk the owner's and the member's answers;
    // here the codes a household can be joined with, and its end.
    Person owner = person("owner@example.org");
    Person ann = person("member@example.org");
    Person bob = person("joiner@example.org");
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
    laterBy(8 * 24 * 3600);
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

void TestAuth::sharesFollowMembership()
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
    laterBy(31 * 24 * 3600);
    const Person later { owner.id, m_server->bearer(owner.id) };
    m_server->call("GET", "/.well-known/ledgerine.json");
    QVERIFY(!m_server->context().users.byId(ann.id));
    const QJsonObject gone = pull(later, &ownerCursor).value("hers");
    QVERIFY2(gone.value("access_revoked").toBool(), QJsonDocument(gone).toJson().constData());
    QCOMPARE(m_server->list(kAccountApi + "/group", later.bearer, "members").size(), 1);
}

void TestAuth::othersIdsGiveNothing()
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

SERVER_TEST_MAIN(TestAuth)

#include "tst_auth.moc"
