#include "UpdateRequest.h"

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

namespace MellUpdate {

void UpdateRequest::get(QNetworkAccessManager* network, const QUrl& url, const QString& agent,
    int timeoutMs, std::function<void(const ReplyResult&)> done)
{
    QNetworkRequest request(url);
    request.setHeader(
        QNetworkRequest::UserAgentHeader, QStringLiteral("MellUpdateQt/0.1 (%1)").arg(agent));
    request.setAttribute(
        QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    BoundedReply::read(network->get(request), { timeoutMs, kMaxBytes }, std::move(done));
}

} // namespace MellUpdate
