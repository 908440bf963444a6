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

    // What kind of trouble the last checkFailed() reported, for telling the user.
    enum class Failure { None, Configuration, Network, Manifest, TooOld };
    Failure lastFailure() const { return m_failure; }
    // For TooOld: the version the offered release must be installed over.
    QString minimumVersion() const { return m_minimumVersion; }

Q_SIGNALS:
    void updateAvailable(const MellUpdate::Artifact& artifact);
    void upToDate();
    void checkFailed(const QString& reason);

private:
    void onManifestReply(const ReplyResult& reply);
    void fail(Failure failure, const QString& reason);

    UpdateConfig m_config;
    QNetworkAccessManager* m_network;
    int m_timeoutMs;
    bool m_inFlight = false;
    Failure m_failure = Failure::None;
    QString m_minimumVersion;
};

} // namespace MellUpdate
