#include "RealServer.h"

#include "account/TokenManager.h"

#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTest>
#include <QUrlQuery>

namespace {

const QString kRedirect = QStringLiteral("http://localhost:1/callback");
// The sessions the tests open go by this name.
const QString kUserAgent = QStringLiteral("Ledgerine tests");

QNetworkReply* finished(QNetworkReply* reply)
{
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 30000))
        qWarning("The sync server did not answer %s", qPrintable(reply->url().toString()));
    return reply;
}

} // namespace

RealServer::~RealServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(20000))
            m_process.kill();
    }
}

QStringList RealServer::storeOptions() const
{
    return { QStringLiteral("--data-dir"), m_dir.path() };
}

bool RealServer::start(const QStringList& options)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE),
        storeOptions() + QStringList { QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0") }
            + options);
    if (!m_process.waitForStarted(10000)
        || !QTest::qWaitFor(
            [this] { return m_process.canReadLine() || m_process.state() != QProcess::Running; },
            30000)) {
        qWarning("ledgerine-server did not start: %s", qPrintable(m_process.errorString()));
        return false;
    }
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    const auto match
        = QRegularExpression(QStringLiteral("^listening on http://127\\.0\\.0\\.1:(\\d+)$"))
              .match(line);
    m_port = quint16(match.captured(1).toUInt());
    if (m_port == 0)
        qWarning("ledgerine-server said \"%s\"", qPrintable(line));
    return m_port != 0;
}

QString RealServer::origin() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_front ? m_front->serverPort() : m_port);
}

TestHttpServer& RealServer::front()
{
    if (!m_front) {
        m_front = std::make_unique<TestHttpServer>();
        m_front->forwardTo(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port)));
    }
    return *m_front;
}

QString RealServer::Tokens::userId() const
{
    return MellAccount::subject(access);
}

RealServer::Tokens RealServer::session(const QString& email)
{
    if (!m_users.contains(email)) {
        if (!addUser(email, QLatin1String(kPassword)))
            qWarning("ledgerine-server did not add %s", qPrintable(email));
        m_users.insert(email);
    }
    return signIn(email, QLatin1String(kPassword)).value_or(Tokens {});
}

QString RealServer::email(const QString& name)
{
    return QStringLiteral("%1.%2@example.org")
        .arg(name, QString::fromLatin1(QTest::currentTestFunction()).toLower());
}

bool RealServer::addUser(const QString& email, const QString& password, const QString& name)
{
    m_users.insert(email);
    QProcess add;
    QStringList arguments
        = storeOptions() + QStringList { QStringLiteral("user"), QStringLiteral("add"), email };
    if (!name.isEmpty())
        arguments << QStringLiteral("--name") << name;
    add.start(QStringLiteral(LEDGERINE_SERVER_EXECUTABLE), arguments);
    add.write(password.toUtf8() + '\n');
    add.closeWriteChannel();
    return add.waitForFinished(30000) && add.exitStatus() == QProcess::NormalExit
        && add.exitCode() == 0;
}

MellAccount::ClientConfig RealServer::config() const
{
    MellAccount::ClientConfig config;
    config.authBaseUrl = origin();
    config.realmSlug = QStringLiteral("mellowind");
    config.accountApiUrl = origin() + QStringLiteral("/account/v1");
    config.clientId = QStringLiteral("7d2e94b0c1f35a86e0b4d2c9f817a3e5");
    config.appId = QStringLiteral("com.mellowindvantor.ledgerine");
    config.appName = QStringLiteral("Mellowind Ledgerine");
    config.appVersion = QStringLiteral("1.1.0");
    return config;
}

QString RealServer::syncApiUrl() const
{
    return origin() + QStringLiteral("/ledgerine/v1");
}

QUrl RealServer::fillIn(const QUrl& page, const QString& email, const QString& password)
{
    QNetworkAccessManager network;
    network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    QNetworkRequest get(page);
    get.setHeader(QNetworkRequest::UserAgentHeader, kUserAgent);
    QNetworkReply* form = finished(network.get(get));
    const QString token
        = QRegularExpression(QStringLiteral("name=\"form_token\" value=\"([^\"]+)\""))
              .match(QString::fromUtf8(form->readAll()))
              .captured(1);
    form->deleteLater();

    const QUrlQuery asked(page);
    QUrlQuery fields;
    for (const auto& [name, value] :
        { std::pair { "form_token", token }, { "email", email }, { "password", password } })
        fields.addQueryItem(
            QLatin1String(name), QString::fromLatin1(QUrl::toPercentEncoding(value)));
    for (const char* name : { "client_id", "redirect_uri", "state" })
        fields.addQueryItem(QLatin1String(name),
            QString::fromLatin1(QUrl::toPercentEncoding(
                asked.queryItemValue(QLatin1String(name), QUrl::FullyDecoded))));
    QNetworkRequest post(page.adjusted(QUrl::RemoveQuery));
    post.setHeader(
        QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    post.setHeader(QNetworkRequest::UserAgentHeader, kUserAgent);
    QNetworkReply* answer
        = finished(network.post(post, fields.toString(QUrl::FullyEncoded).toLatin1()));
    answer->deleteLater();
    return QUrl::fromEncoded(answer->rawHeader("Location"));
}

std::optional<RealServer::Tokens> RealServer::signIn(const QString& email, const QString& password)
{
    QUrl page(origin() + QStringLiteral("/mellowind/account/login"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("client_id"), config().clientId);
    query.addQueryItem(
        QStringLiteral("redirect_uri"), QString::fromLatin1(QUrl::toPercentEncoding(kRedirect)));
    query.addQueryItem(QStringLiteral("state"), QStringLiteral("tests"));
    page.setQuery(query);
    const QUrlQuery result(fillIn(page, email, password).fragment(QUrl::FullyEncoded));
    const Tokens tokens { result.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded),
        result.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded) };
    if (tokens.access.isEmpty() || tokens.refresh.isEmpty())
        return std::nullopt;
    return tokens;
}
