#pragma once

#include "SharingBackend.h"

namespace MellAccount {

class ApiClient;

// Per-account shares on the sync API. The account is named by its server id.
class AccountSharingService : public SharingBackend {
    Q_OBJECT

public:
    explicit AccountSharingService(ApiClient* syncApi, QObject* parent = nullptr);

    void listMembers(const QString& accountId, MembersCallback callback) override;
    void shareWith(const QString& accountId, const QString& target, const QString& role,
        ShareCallback callback) override;
    void removeShare(
        const QString& accountId, const QString& userId, DoneCallback callback) override;

private:
    ApiClient* m_syncApi;
};

} // namespace MellAccount
