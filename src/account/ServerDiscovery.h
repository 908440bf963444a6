#pragma once

#include "SyncServer.h"

#include <QObject>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

namespace MellAccount {

// Asks the server at a typed address for its discovery document
// ("/.well-known/ledgerine.json") and says what it found.
class ServerDiscovery : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(const std::optional<SyncServer>& server, const QString& error)>;

    explicit ServerDiscovery(QObject* parent = nullptr);

    // "ledger.example.org" means https://ledger.example.org, "localhost:8765"
    // http://localhost:8765; plain http is for this computer only. An invalid
    // URL with the reason otherwise.
    static QUrl addressFrom(const QString& typed, QString* error);
    // Calls `done` once, with the server or a translated reason.
    void check(const QString& typed, Done done);

private:
    QNetworkAccessManager* m_network;
};

} // namespace MellAccount
