#pragma once

#include <QByteArray>
#include <QNetworkReply>
#include <QString>
#include <functional>

// What one HTTP exchange came to once read under a deadline and a size cap.
struct ReplyResult {
    enum class Failure { None, Transport, Timeout, TooLarge };

    Failure failure = Failure::None;
    // The HTTP status, or 0 when none arrived.
    int status = 0;
    // Empty unless the exchange completed.
    QByteArray body;
    // Why the exchange failed, for log lines and messages; never request data.
    QString errorText;

    bool failed() const { return failure != Failure::None; }
};

namespace BoundedReply {

struct Limits {
    int timeoutMs = 30000;
    qint64 maxBytes = 1024 * 1024;
};

// Reads `reply` until it finishes, the whole exchange outlasts the timeout or
// more than maxBytes arrive, then calls `done` once and deletes the reply
// later. A reply cut short after its status line (a dropped connection, a
// timeout, too many bytes) is a failure: a truncated body never passes for a
// complete one.
void read(QNetworkReply* reply, const Limits& limits, std::function<void(const ReplyResult&)> done);

} // namespace BoundedReply
