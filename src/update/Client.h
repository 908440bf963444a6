#pragma once

#include "Artifact.h"
#include "UpdateConfig.h"
#include "net/BoundedReply.h"

#include <QObject>

class QNetworkAccessManager;

namespace MellUpdate {

// Asks the release feed whether a newer build exists for this platform.
class Client : public QObject {
    Q_OBJECT

public:
    explicit Client(const UpdateConfig& config, QObject* parent = nullptr);
    // A client that deletes itself after its first result.
    static Client* createOneShot(const UpdateConfig& config, QObject* parent);

    // One manifest request at a time; a call while one runs is ignored.
    void check();
    // The whole request must end within this time.
    void setTransferTimeout(int ms) { m_timeoutMs = ms; }

Q_SIGNALS:
    void updateAvailable(const MellUpdate::Artifact& artifact);
    void upToDate();
    void checkFailed(const QString& reason);

private:
    void onManifestReply(const ReplyResult& reply);

    UpdateConfig m_config;
    QNetworkAccessManager* m_network;
    int m_timeoutMs;
    bool m_inFlight = false;
};

} // namespace MellUpdate
