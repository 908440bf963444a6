#include "HeadlessChromium.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QStandardPaths>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

// A descriptor above 4, closed on exec: the child's 3 and 4 are made from these.
int highDescriptor(int fd)
{
    const int high = fcntl(fd, F_DUPFD_CLOEXEC, 10);
    close(fd);
    return high;
}

} // namespace

HeadlessChromium::HeadlessChromium(const QString& profileDirectory)
    : m_profile(profileDirectory)
{
}

HeadlessChromium::~HeadlessChromium()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
    for (int fd : { m_toBrowser, m_fromBrowser }) {
        if (fd >= 0)
            close(fd);
    }
}

bool HeadlessChromium::open(const QUrl& url)
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    int commands[2];
    int answers[2];
    if (chromium.isEmpty() || pipe(commands) != 0 || pipe(answers) != 0) {
        qWarning("chromium is missing (scripts/install-deps.sh installs it) or no pipe");
        return false;
    }
    const int childReads = highDescriptor(commands[0]);
    const int childWrites = highDescriptor(answers[1]);
    m_toBrowser = highDescriptor(commands[1]);
    m_fromBrowser = highDescriptor(answers[0]);
    m_process.setChildProcessModifier([childReads, childWrites] {
        dup2(childReads, 3);
        dup2(childWrites, 4);
    });
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(chromium,
        { QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
            QStringLiteral("--remote-debugging-pipe"),
            QStringLiteral("--user-data-dir=") + m_profile, QStringLiteral("about:blank") });
    const bool started = m_process.waitForStarted(10000);
    close(childReads);
    close(childWrites);
    if (!started) {
        qWarning("chromium did not start: %s", qPrintable(m_process.errorString()));
        return false;
    }
    const auto target = call(QStringLiteral("Target.createTarget"),
        { { "url", QString::fromLatin1(url.toEncoded()) } }, QString(), 30000);
    const auto attached = target
        ? call(QStringLiteral("Target.attachToTarget"),
            { { "targetId", target->value("targetId") }, { "flatten", true } }, QString(), 30000)
        : std::nullopt;
    if (!attached) {
        qWarning("chromium did not open the page: %s", m_process.readAll().constData());
        return false;
    }
    m_session = attached->value("sessionId").toString();
    return true;
}

bool HeadlessChromium::readMessages(int timeoutMs)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    pollfd fd { m_fromBrowser, POLLIN, 0 };
    if (poll(&fd, 1, timeoutMs) <= 0)
        return false;
    char buffer[65536];
    const ssize_t got = read(m_fromBrowser, buffer, sizeof buffer);
    if (got <= 0)
        return false;
    m_pending.append(buffer, got);
    qsizetype end = 0;
    while ((end = m_pending.indexOf('\0')) >= 0) {
        const QJsonObject message = QJsonDocument::fromJson(m_pending.left(end)).object();
        m_pending.remove(0, end + 1);
        // Events have no id: nothing here waits for them.
        if (message.contains("id"))
            m_replies.append(message);
    }
    return true;
}

std::optional<QJsonObject> HeadlessChromium::call(
    const QString& method, const QJsonObject& params, const QString& session, int timeoutMs)
{
    const int id = ++m_nextId;
    QJsonObject message { { "id", id }, { "method", method }, { "params", params } };
    if (!session.isEmpty())
        message.insert("sessionId", session);
    const QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact) + '\0';
    if (write(m_toBrowser, bytes.constData(), size_t(bytes.size())) != bytes.size())
        return std::nullopt;
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        for (qsizetype i = 0; i < m_replies.size(); ++i) {
            if (m_replies.at(i).value("id").toInt() != id)
                continue;
            const QJsonObject reply = m_replies.takeAt(i);
            if (reply.contains("error"))
                return std::nullopt;
            return reply.value("result").toObject();
        }
        readMessages(20);
    }
    return std::nullopt;
}

std::optional<QJsonValue> HeadlessChromium::evaluate(const QString& expression, int timeoutMs)
{
    const auto result = call(QStringLiteral("Runtime.evaluate"),
        { { "expression", expression }, { "returnByValue", true } }, m_session, timeoutMs);
    if (!result || result->contains("exceptionDetails"))
        return std::nullopt;
    return result->value("result").toObject().value("value");
}

std::optional<QJsonValue> HeadlessChromium::waitFor(const QString& expression, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const auto value = evaluate(expression, 5000);
        if (value && !value->isNull() && !value->isUndefined() && value->toVariant().toBool())
            return value;
        QDeadlineTimer pause(100);
        while (!pause.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return std::nullopt;
}
