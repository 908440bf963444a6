#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

namespace MellAccount {

// A sync server the user chose in the preferences by its address, with the
// services its discovery document named. Kept in the settings ("syncServer/...");
// the cloud environment variables still win over it (ClientConfig).
struct SyncServer {
    QString address;
    QString version;
    QString authBaseUrl;
    QString realm;
    QString clientId;
    QString accountApiUrl;
    QString syncApiUrl;

    // The document's services, when it names all of them at addresses this
    // program may use; otherwise nothing.
    static std::optional<SyncServer> fromDiscovery(
        const QString& address, const QJsonObject& document);

    static std::optional<SyncServer> stored();
    void store() const;
    static void forget();
};

} // namespace MellAccount
