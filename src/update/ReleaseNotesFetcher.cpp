#include "ReleaseNotesFetcher.h"

#include "UpdateRequest.h"
#include "net/NetworkPolicy.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QTimer>

namespace MellUpdate {

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig& config, QObject* parent)
    : ReleaseNotesFetcher(
        notesUrl(config.manifestBaseUrl, config.currentVersion), config.app, parent)
{
}

ReleaseNotesFetcher::ReleaseNotesFetcher(
    const QUrl& notesUrl, const QString& agent, QObject* parent)
    : QObject(parent)
    , m_url(notesUrl)
    , m_agent(agent)
    , m_language(QLocale::system().name().left(2))
    , m_network(new QNetworkAccessManager(this))
{
}

QUrl ReleaseNotesFetcher::notesUrl(const QUrl& manifestBaseUrl, const QString& version)
{
    if (manifestBaseUrl.isEmpty() || version.isEmpty())
        return {};
    QString path = manifestBaseUrl.path();
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    path = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (path.isEmpty())
        path = QStringLiteral("/");
    QUrl url = manifestBaseUrl;
    url.setQuery(QString());
    url.setPath(path + version + QLatin1String("/release-notes.md"));
    return url;
}

QUrl ReleaseNotesFetcher::localizedUrl(const QUrl& notesUrl, const QString& language)
{
    static const QRegularExpression twoLetters(QStringLiteral("^[a-z]{2}$"));
    const QString path = notesUrl.path();
    if (language == QLatin1String("en") || !twoLetters.match(language).hasMatch()
        || !path.endsWith(QLatin1String(".md")))
        return {};
    QUrl url = notesUrl;
    url.setPath(path.chopped(3) + QLatin1Char('.') + language + QLatin1String(".md"));
    return url;
}

void ReleaseNotesFetcher::fetch()
{
    if (!NetworkPolicy::isAllowedTarget(m_url)) {
        // Callers connect after construction; answer from the event loop.
        QTimer::singleShot(0, this, &ReleaseNotesFetcher::notesUnavailable);
        return;
    }
    const QUrl localized = localizedUrl(m_url, m_language);
    if (localized.isEmpty())
        get(m_url, false);
    else
        get(localized, true);
}

void ReleaseNotesFetcher::get(const QUrl& url, bool isLocalized)
{
    UpdateRequest::get(m_network, url, m_agent, UpdateRequest::kTimeoutMs,
        [this, isLocalized](const ReplyResult& reply) {
            const bool found = !reply.failed() && reply.status >= 200 && reply.status <= 299
                && !reply.body.isEmpty();
            if (found)
                Q_EMIT notesReady(QString::fromUtf8(reply.body));
            else if (isLocalized)
                get(m_url, false);
            else
                Q_EMIT notesUnavailable();
        });
}

} // namespace MellUpdate
