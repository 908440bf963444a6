#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QUrl>
#include <optional>

// Debian's Chromium, headless, driven over the DevTools protocol on the pipe
// of --remote-debugging-pipe (JSON messages ending in a NUL byte on file
// descriptors 3 and 4): it opens a page, and a test runs script in it to fill
// in and send a form as a person would. The event loop keeps running while it
// waits, so a listener in the same process can serve the browser.
class HeadlessChromium {
public:
    explicit HeadlessChromium(const QString& profileDirectory);
    ~HeadlessChromium();
    HeadlessChromium(const HeadlessChromium&) = delete;
    HeadlessChromium& operator=(const HeadlessChromium&) = delete;

    // Starts the browser on `url`; false with a warning when it cannot.
    bool open(const QUrl& url);
    // The value of `expression` in the page, once it is true-ish (or the
    // time is up: nothing).
    std::optional<QJsonValue> waitFor(const QString& expression, int timeoutMs = 30000);
    std::optional<QJsonValue> evaluate(const QString& expression, int timeoutMs = 10000);

private:
    std::optional<QJsonObject> call(
        const QString& method, const QJsonObject& params, const QString& session, int timeoutMs);
    bool readMessages(int timeoutMs);

    QString m_profile;
    QProcess m_process;
    int m_toBrowser = -1;
    int m_fromBrowser = -1;
    int m_nextId = 0;
    QString m_session;
    QByteArray m_pending;
    QList<QJsonObject> m_replies;
};
