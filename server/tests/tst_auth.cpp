#include "Jwt.h"
#include "ServerClock.h"
#include "ServerContext.h"
#include "ServerTest.h"

#include <QJsonArray>
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

} // namespace

// Signing in through the page, tokens, sessions, the user's own account.
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

    QString m_ann;
};

void TestAuth::initTestCase()
{
    ServerConfig config;
    config.trustForwardedFor = true;
    QVERIFY(startServer(config));
    m_ann = m_server->addUser(QStringLiteral("ann@example.org"));
}

void TestAuth::init()
{
    // Each test starts after the previous one's failed attempts have aged out.
    static qint64 offset = 0;
    ServerClock::setOffset(offset += 120);
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
    ServerClock::setOffset(ServerClock::now() - QDateTime::currentSecsSinceEpoch() + 61);
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
    ServerClock::setOffset(ServerClock::now() - QDateTime::currentSecsSinceEpoch() + 61);
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
    ServerClock::setOffset(
        ServerClock::now() - QDateTime::currentSecsSinceEpoch() + 31 * 24 * 3600);
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

SERVER_TEST_MAIN(TestAuth)

#include "tst_auth.moc"
