#pragma once

#include "UpdateConfig.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;

namespace MellUpdate {

// Downloads the Markdown release notes of one release, in the user's language
// when the feed has them, else the plain ones.
class ReleaseNotesFetcher : public QObject {
    Q_OBJECT

public:
    // The notes of the configured current version.
    explicit ReleaseNotesFetcher(const UpdateConfig& config, QObject* parent = nullptr);
    // The notes at `notesUrl`; `agent` names the asker in the User-Agent.
    ReleaseNotesFetcher(const QUrl& notesUrl, const QString& agent, QObject* parent = nullptr);

    // Two lowercase letters; the system locale's language unless set.
    void setLanguage(const QString& language) { m_language = language; }
    void fetch();

    // <parent folder of the feed>/<version>/release-notes.md; empty without a feed.
    static QUrl notesUrl(const QUrl& manifestBaseUrl, const QString& version);
    // release-notes.md -> release-notes.<language>.md; none for English.
    static QUrl localizedUrl(const QUrl& notesUrl, const QString& language);

Q_SIGNALS:
    void notesReady(const QString& markdown);
    void notesUnavailable();

private:
    void get(const QUrl& url, bool isLocalized);

    QUrl m_url;
    QString m_agent;
    QString m_language;
    QNetworkAccessManager* m_network;
};

} // namespace MellUpdate
