#include "AccountSharingService.h"

#include "AccountClient.h"
#include "AccountLogging.h"
#include "ApiClient.h"
#include "PathSegment.h"

#include <QTimer>

namespace MellAccount {

namespace {

// Answers after the caller has returned, as a request would.
void later(QObject* context, std::function<void()> answer)
{
    QTimer::singleShot(0, context, std::move(answer));
}

} // namespace

AccountSharingService::AccountSharingService(ApiClient* syncApi, QObject* parent)
    : SharingBackend(parent)
    , m_syncApi(syncApi)
{
}

void AccountSharingService::listMembers(const QString& accountId, MembersCallback callback)
{
    const auto account = pathSegment(accountId);
    if (!account) {
        later(this, [callback] { callback({}); });
        return;
    }
    m_syncApi->get(QStringLiteral("/accounts/%1/members").arg(*account),
        [callback](bool ok, int, const QJsonObject& body) {
            callback(ok ? ShareMember::listFromJson(body) : QList<ShareMember>());
        });
}

void AccountSharingService::shareWith(
    const QString& accountId, const QString& target, const QString& role, ShareCallback callback)
{
    const auto account = pathSegment(accountId);
    if (!account || target.trimmed().isEmpty()) {
        qCWarning(lcAccount) << "AccountSharingService: nothing to share or nobody to share with";
        later(
            this, [callback] { callback(false, tr("Failed to share account (HTTP %1)").arg(0)); });
        return;
    }
    QJsonObject body;
    if (target.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), target);
    body.insert(QStringLiteral("user_id"), target);
    body.insert(QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role);
    m_syncApi->post(QStringLiteral("/accounts/%1/share").arg(*account), body,
        [callback](bool ok, int status, const QJsonObject& reply) {
            if (ok) {
                callback(true, QString());
                return;
            }
            // Servers that pair a code with a sentence put the sentence in "message".
            QString error = AccountClient::reasonOf(reply);
            if (error.isEmpty())
                error = reply.value(QLatin1String("error")).toString();
            if (error.isEmpty())
                error = tr("Failed to share account (HTTP %1)").arg(status);
            callback(false, error);
        });
}

void AccountSharingService::removeShare(
    const QString& accountId, const QString& userId, DoneCallback callback)
{
    const auto account = pathSegment(accountId);
    const auto user = pathSegment(userId);
    if (!account || !user) {
        later(this, [callback] { callback(false); });
        return;
    }
    m_syncApi->remove(QStringLiteral("/accounts/%1/share/%2").arg(*account, *user),
        [callback](bool ok, int, const QJsonObject&) { callback(ok); });
}

} // namespace MellAccount
