#include "SignInPages.h"

#include "Crypto.h"
#include "PageTexts.h"
#include "Passwords.h"
#include "ServerClock.h"
#include "ServerContext.h"
#include "ServerLogging.h"

#include <QHash>
#include <QUrl>
#include <QtEndian>

using PageTexts::Text;

namespace {

constexpr qint64 kFormLifetime = 30 * 60;
const QByteArray kCookie = "ledgerine_form";

// Which sign-in a page belongs to: what the desktop asked for.
struct Flow {
    QString clientId;
    QString redirectUri;
    QString state;
};

struct Page {
    Text title;
    bool registration = false;
    QString email;
    QString displayName;
    QString error;
};

QHash<QString, QString> parseForm(const QByteArray& body)
{
    QHash<QString, QString> fields;
    for (const QByteArray& pair : body.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        const auto decode = [](QByteArray part) {
            return QString::fromUtf8(QByteArray::fromPercentEncoding(part.replace('+', ' ')));
        };
        const QString key = decode(equals < 0 ? pair : pair.left(equals));
        if (!key.isEmpty() && !fields.contains(key))
            fields.insert(key, equals < 0 ? QString() : decode(pair.mid(equals + 1)));
    }
    return fields;
}

QByteArray cookieValue(const HttpRequest& request)
{
    for (const QByteArray& cookie : request.header("cookie").split(';')) {
        const QByteArray trimmed = cookie.trimmed();
        if (trimmed.startsWith(kCookie + '='))
            return trimmed.mid(kCookie.size() + 1);
    }
    return QByteArray();
}

bool isLoopbackRedirect(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    static const QStringList hosts
        = { QStringLiteral("127.0.0.1"), QStringLiteral("localhost"), QStringLiteral("::1") };
    return url.isValid() && url.scheme() == QLatin1String("http") && url.userInfo().isEmpty()
        && !url.hasFragment() && hosts.contains(url.host());
}

class Pages {
public:
    explicit Pages(ServerContext& context)
        : m_context(context)
        , m_accountPath(QStringLiteral("/%1/account").arg(context.config.realm))
    {
    }

    HttpResponse show(const HttpRequest& request, bool registration)
    {
        const QString language = PageTexts::languageFor(request.header("accept-language"));
        const auto query = [&request](const char* key) {
            return request.query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
        };
        const Flow flow { query("client_id"), query("redirect_uri"), query("state") };
        if (!isAcceptable(flow))
            return badLink(language);
        return form(flow, language,
            { registration ? Text::RegisterTitle : Text::SignInTitle, registration, {}, {}, {} },
            200);
    }

    HttpResponse signIn(const HttpRequest& request)
    {
        const Posted posted = postedForm(request);
        const Page page { Text::SignInTitle, false, posted.fields.value("email").trimmed(), {},
            {} };
        if (auto refused = refusal(request, posted, page))
            return *refused;
        const QString& language = posted.language;
        const Flow& flow = posted.flow;
        const QString& email = page.email;
        const QString password = posted.fields.value("password");
        const auto user = m_context.users.byEmail(email);
        // The same answer, after the same work, for an unknown address, a
        // wrong password and a disabled account.
        bool accepted = false;
        if (user)
            accepted = Passwords::verify(user->passwordHash, password) && !user->disabled;
        else
            Passwords::verifyNobody(password);
        if (!accepted) {
            m_context.guard.recordFailure(email, request.peer);
            qCInfo(lcAuth).noquote() << "Sign-in refused from" << request.peer;
            return formWith(flow, language, page, Text::WrongCredentials, 401);
        }
        // Signing in again before the deletion is due keeps the account.
        if (user->deletionRequestedAt > 0)
            m_context.users.cancelDeletion(user->id);
        return finish(request, flow, language, page, user->id);
    }

    HttpResponse registerAccount(const HttpRequest& request)
    {
        const Posted posted = postedForm(request);
        Page page { Text::RegisterTitle, true, posted.fields.value("email").trimmed(),
            posted.fields.value("display_name").trimmed().left(100), {} };
        if (auto refused = refusal(request, posted, page))
            return *refused;
        const QString& language = posted.language;
        const Flow& flow = posted.flow;
        const QString& email = page.email;
        const QString password = posted.fields.value("password");
        if (!UserStore::isPlausibleEmail(UserStore::normalEmail(email)))
            return formWith(flow, language, page, Text::EmailInvalid, 400);
        if (password.size() < Passwords::kMinimumLength)
            return formWith(flow, language, page, Text::PasswordTooShort, 400);
        if (password != posted.fields.value("password_again"))
            return formWith(flow, language, page, Text::PasswordsDiffer, 400);
        const QString hash = Passwords::hash(password);
        UserRecord user;
        const UserStore::AddResult added = hash.isEmpty()
            ? UserStore::AddResult::Failed
            : m_context.users.add(email, page.displayName, hash, &user);
        if (added == UserStore::AddResult::Exists) {
            // Counted like a failed sign-in, so the page cannot be used to
            // test many addresses quickly.
            m_context.guard.recordFailure(email, request.peer);
            return formWith(flow, language, page, Text::EmailTaken, 409);
        }
        if (added != UserStore::AddResult::Added)
            return formWith(flow, language, page, Text::Unavailable, 503);
        return finish(request, flow, language, page, user.id);
    }

private:
    // A posted form: its fields, the sign-in they belong to, the reader's language.
    struct Posted {
        QString language;
        QHash<QString, QString> fields;
        Flow flow;
    };

    static Posted postedForm(const HttpRequest& request)
    {
        Posted posted { PageTexts::languageFor(request.header("accept-language")),
            parseForm(request.body), {} };
        posted.flow = { posted.fields.value("client_id"), posted.fields.value("redirect_uri"),
            posted.fields.value("state") };
        return posted;
    }

    // The answer when the form cannot be taken at all: a sign-in this server
    // does not serve, a form it did not make, or too many failures.
    std::optional<HttpResponse> refusal(
        const HttpRequest& request, const Posted& posted, const Page& page)
    {
        if (!isAcceptable(posted.flow))
            return badLink(posted.language);
        if (!formTokenHolds(
                request, posted.flow, posted.fields.value("form_token"), page.registration))
            return formWith(posted.flow, posted.language, page, Text::FormExpired, 400);
        if (m_context.guard.isBlocked(page.email, request.peer))
            return formWith(posted.flow, posted.language, page, Text::TooManyAttempts, 429);
        return std::nullopt;
    }

    bool isAcceptable(const Flow& flow) const
    {
        return m_context.config.clientIds.contains(flow.clientId)
            && isLoopbackRedirect(flow.redirectUri) && flow.state.size() <= 1000;
    }

    HttpResponse finish(const HttpRequest& request, const Flow& flow, const QString& language,
        const Page& page, const QString& userId)
    {
        const auto tokens = m_context.sessions.open(
            userId, QString::fromUtf8(request.header("user-agent")), request.peer);
        if (!tokens)
            return formWith(flow, language, page, Text::Unavailable, 503);
        QByteArray fragment = "access_token=" + QUrl::toPercentEncoding(tokens->access)
            + "&refresh_token=" + QUrl::toPercentEncoding(tokens->refresh)
            + "&token_type=Bearer&expires_in=" + QByteArray::number(SessionStore::kAccessLifetime);
        if (!flow.state.isEmpty())
            fragment += "&state=" + QUrl::toPercentEncoding(flow.state);
        HttpResponse response = HttpResponse::redirect(
            QUrl(flow.redirectUri, QUrl::StrictMode).toEncoded() + '#' + fragment);
        // The form's cookie has served its purpose.
        response.headers.append({ QByteArray("Set-Cookie"), cookie(QByteArray(), 0) });
        return response;
    }

    // A form token: a random nonce that the cookie repeats, its expiry, and a
    // MAC over both and the sign-in it belongs to.
    QByteArray formMac(const QByteArray& nonceAndExpiry, const Flow& flow, bool registration) const
    {
        return Crypto::hmacSha256(m_context.keys.forms(),
            (registration ? "register\n" : "login\n") + nonceAndExpiry + '\n'
                + flow.clientId.toUtf8() + '\n' + flow.redirectUri.toUtf8() + '\n'
                + flow.state.toUtf8());
    }

    bool formTokenHolds(
        const HttpRequest& request, const Flow& flow, const QString& token, bool registration) const
    {
        const QByteArray raw = Crypto::fromBase64Url(token.toLatin1());
        if (raw.size() != 16 + 8 + 32)
            return false;
        const QByteArray nonceAndExpiry = raw.left(24);
        const qint64 expiry = qFromBigEndian<qint64>(nonceAndExpiry.constData() + 16);
        return Crypto::sameBytes(raw.mid(24), formMac(nonceAndExpiry, flow, registration))
            && expiry > ServerClock::now()
            && Crypto::sameBytes(Crypto::fromBase64Url(cookieValue(request)), raw.left(16));
    }

    QByteArray cookie(const QByteArray& value, qint64 lifetime) const
    {
        return kCookie + '=' + value + "; Path=" + m_accountPath.toUtf8()
            + "; HttpOnly; SameSite=Strict; Max-Age=" + QByteArray::number(lifetime);
    }

    HttpResponse badLink(const QString& language) const
    {
        const QString title = PageTexts::text(Text::SignInTitle, language);
        return HttpResponse::html(400,
            document(language, title,
                QStringLiteral("<p class=\"error\">%1</p>")
                    .arg(PageTexts::text(Text::BadLink, language).toHtmlEscaped())));
    }

    HttpResponse formWith(
        const Flow& flow, const QString& language, Page page, Text error, int status)
    {
        page.error = PageTexts::text(error, language);
        return form(flow, language, page, status);
    }

    HttpResponse form(const Flow& flow, const QString& language, const Page& page, int status)
    {
        QByteArray nonceAndExpiry = Crypto::randomBytes(16) + QByteArray(8, Qt::Uninitialized);
        qToBigEndian(ServerClock::now() + kFormLifetime, nonceAndExpiry.data() + 16);
        const QString token
            = Crypto::base64Url(nonceAndExpiry + formMac(nonceAndExpiry, flow, page.registration));
        const auto t
            = [&language](Text text) { return PageTexts::text(text, language).toHtmlEscaped(); };
        const auto hidden = [](const char* name, const QString& value) {
            return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">")
                .arg(QLatin1String(name), value.toHtmlEscaped());
        };
        const auto field = [](const QString& label, const char* name, const char* type,
                               const QString& value, const char* autocomplete) {
            return QStringLiteral("<label>%1<input name=\"%2\" type=\"%3\" value=\"%4\" "
                                  "autocomplete=\"%5\" required></label>")
                .arg(label, QLatin1String(name), QLatin1String(type), value.toHtmlEscaped(),
                    QLatin1String(autocomplete));
        };
        QString body;
        if (!page.error.isEmpty())
            body += QStringLiteral("<p class=\"error\">%1</p>").arg(page.error.toHtmlEscaped());
        body += QStringLiteral("<form method=\"post\" action=\"%1/%2\">")
                    .arg(m_accountPath,
                        page.registration ? QStringLiteral("register") : QStringLiteral("login"));
        body += hidden("client_id", flow.clientId) + hidden("redirect_uri", flow.redirectUri)
            + hidden("state", flow.state) + hidden("form_token", token);
        body += field(t(Text::Email), "email", "email", page.email, "username");
        if (page.registration)
            body += field(t(Text::DisplayName), "display_name", "text", page.displayName, "name");
        body += field(t(Text::Password), "password", "password", QString(),
            page.registration ? "new-password" : "current-password");
        if (page.registration)
            body += field(
                t(Text::ConfirmPassword), "password_again", "password", QString(), "new-password");
        body += QStringLiteral("<button type=\"submit\">%1</button></form>")
                    .arg(t(page.registration ? Text::CreateAccount : Text::SignIn));
        // Links keep the sign-in's parameters, so either page finishes it.
        if (page.registration || m_context.config.openRegistration) {
            const QString other
                = QStringLiteral("%1/%2?%3")
                      .arg(m_accountPath,
                          page.registration ? QStringLiteral("login") : QStringLiteral("register"),
                          QString::fromLatin1(flowQuery(flow)));
            body += QStringLiteral("<p><a href=\"%1\">%2</a></p>")
                        .arg(other.toHtmlEscaped(),
                            t(page.registration ? Text::HaveAccount : Text::CreateAccount));
        }
        HttpResponse response = HttpResponse::html(
            status, document(language, PageTexts::text(page.title, language), body));
        response.headers.append({ QByteArray("Set-Cookie"),
            cookie(Crypto::base64Url(nonceAndExpiry.left(16)).toLatin1(), kFormLifetime) });
        return response;
    }

    static QByteArray flowQuery(const Flow& flow)
    {
        return "client_id=" + QUrl::toPercentEncoding(flow.clientId)
            + "&redirect_uri=" + QUrl::toPercentEncoding(flow.redirectUri)
            + "&state=" + QUrl::toPercentEncoding(flow.state);
    }

    static QByteArray document(const QString& language, const QString& title, const QString& body)
    {
        return QStringLiteral(
            "<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"utf-8\">"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
            "<title>%2</title><style>"
            "body{font-family:sans-serif;background:#F0F4F2;color:#1B2D26;margin:0}"
            "main{max-width:22em;margin:4em auto;background:#fff;padding:2em;border-radius:8px}"
            "h1{font-size:1.3em}label{display:block;margin:1em 0}"
            "input{display:block;width:100%;box-sizing:border-box;padding:.5em;margin-top:.3em}"
            "button{background:#00897B;color:#fff;border:0;border-radius:4px;padding:.6em 1.5em}"
            ".error{color:#C62828}</style></head><body><main><h1>%2</h1>%3</main></body></html>")
            .arg(language, title.toHtmlEscaped(), body)
            .toUtf8();
    }

    ServerContext& m_context;
    QString m_accountPath;
};

} // namespace

void SignInPages::addRoutes(Router& router, ServerContext& context)
{
    auto pages = std::make_shared<Pages>(context);
    const QString base = QStringLiteral("/%1/account").arg(context.config.realm);
    router.add("GET", base + "/login", [pages](const HttpRequest& request, const QStringList&) {
        return pages->show(request, false);
    });
    router.add("POST", base + "/login",
        [pages](const HttpRequest& request, const QStringList&) { return pages->signIn(request); });
    if (!context.config.openRegistration)
        return;
    router.add("GET", base + "/register", [pages](const HttpRequest& request, const QStringList&) {
        return pages->show(request, true);
    });
    router.add("POST", base + "/register", [pages](const HttpRequest& request, const QStringList&) {
        return pages->registerAccount(request);
    });
}
