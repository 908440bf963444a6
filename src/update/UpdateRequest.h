#pragma once

#include "net/BoundedReply.h"

#include <QString>
#include <functional>

class QNetworkAccessManager;
class QUrl;

namespace MellUpdate::UpdateRequest {

constexpr int kTimeoutMs = 30000;
constexpr qint64 kMaxBytes = 1024 * 1024;

// An anonymous GET of the release feed, introducing itself as `agent`, that
// follows redirects only when they do not lower security.
void get(QNetworkAccessManager* network, const QUrl& url, const QString& agent, int timeoutMs,
    std::function<void(const ReplyResult&)> done);

} // namespace MellUpdate::UpdateRequest
