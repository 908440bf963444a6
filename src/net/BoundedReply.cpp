#include "BoundedReply.h"

#include <QTimer>

namespace {

class ReplyWatch : public QObject {
public:
    ReplyWatch(QNetworkReply* reply, const BoundedReply::Limits& limits,
        std::function<void(const ReplyResult&)> done)
        : QObject(reply)
        , m_reply(reply)
        , m_maxBytes(limits.maxBytes)
        , m_done(std::move(done))
    {
        connect(reply, &QNetworkReply::readyRead, this, &ReplyWatch::take);
        connect(reply, &QNetworkReply::finished, this, &ReplyWatch::finish);
        auto* deadline = new QTimer(this);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, this, [this] { stop(ReplyResult::Failure::Timeout); });
        deadline->start(limits.timeoutMs);
    }

private:
    void take()
    {
        m_body += m_reply->readAll();
        if (m_body.size() > m_maxBytes)
            stop(ReplyResult::Failure::TooLarge);
    }

    void stop(ReplyResult::Failure why)
    {
        if (m_failure != ReplyResult::Failure::None || m_reply->isFinished())
            return;
        m_failure = why;
        m_reply->abort();
    }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        if (m_failure == ReplyResult::Failure::None)
            take();

        ReplyResult result;
        result.status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.failure = m_failure;
        const QNetworkReply::NetworkError error = m_reply->error();
        // Errors below the content range are about the connection, not an HTTP
        // status the server chose to send.
        if (result.failure == ReplyResult::Failure::None && error != QNetworkReply::NoError
            && (result.status == 0 || error < QNetworkReply::ContentAccessDenied))
            result.failure = ReplyResult::Failure::Transport;

        switch (result.failure) {
        case ReplyResult::Failure::None: result.body = m_body; break;
        case ReplyResult::Failure::Timeout: result.errorText = QStringLiteral("timeout"); break;
        case ReplyResult::Failure::TooLarge:
            result.errorText = QStringLiteral("reply larger than %1 bytes").arg(m_maxBytes);
            break;
        case ReplyResult::Failure::Transport: result.errorText = m_reply->errorString(); break;
        }
        if (result.failed())
            result.status = 0;

        m_reply->deleteLater();
        auto done = std::move(m_done);
        done(result);
    }

    QNetworkReply* m_reply;
    qint64 m_maxBytes;
    std::function<void(const ReplyResult&)> m_done;
    QByteArray m_body;
    ReplyResult::Failure m_failure = ReplyResult::Failure::None;
    bool m_finished = false;
};

} // namespace

void BoundedReply::read(
    QNetworkReply* reply, const Limits& limits, std::function<void(const ReplyResult&)> done)
{
    new ReplyWatch(reply, limits, std::move(done));
}
