#pragma once

#include <QString>
#include <QUrl>

namespace MellUpdate {

// Where this build looks for new releases and which release it is.
struct UpdateConfig {
    QString app = QStringLiteral("ledgerine");
    QString channel = QStringLiteral("stable");
    // The folder that holds latest.json; empty when the build has no update server.
    QUrl manifestBaseUrl;
    QString currentVersion;

    // The environment variable LEDGERINE_UPDATE_URL wins over the address the
    // build was configured with; without either there is no update server.
    static UpdateConfig forThisBuild();

    bool hasServer() const { return !manifestBaseUrl.isEmpty(); }
};

} // namespace MellUpdate
