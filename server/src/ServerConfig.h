#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the server tells clients about itself and whom it lets in.
struct ServerConfig {
    // The realm segment of the sign-in and token addresses.
    QString realm = QStringLiteral("mellowind");
    // Client ids the sign-in page accepts; the desktop's own by default.
    QStringList clientIds = { QStringLiteral("7d2e94b0c1f35a86e0b4d2c9f817a3e5") };
    // The sign-in page offers "Create account".
    bool openRegistration = false;
    // The address clients reach the server at ("https://ledger.example.org");
    // empty: the scheme and Host of each request.
    QString publicUrl;
    // Behind a reverse proxy on this machine: the client's address is the last
    // one the proxy adds to X-Forwarded-For.
    bool trustForwardedFor = false;
    // Seats of a group its owner starts by inviting.
    int groupSeats = 5;
    // How long a deleted account can still be recovered by signing in.
    qint64 deletionDelay = 30 * 24 * 3600;
};
