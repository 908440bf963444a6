#pragma once

#include <QString>

namespace MellAccount {

// Who this program is to the cloud services and where they are.
struct ClientConfig {
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appName;
    QString appVersion;
    QString platform;

    // From the environment (AUTH_BASE_URL, AUTH_REALM_SLUG, ACCOUNT_API_URL,
    // AUTH_CLIENT_ID), else the sync server chosen in the preferences, else
    // the addresses this build was configured with.
    static ClientConfig fromEnvironment();
    // SYNC_API_URL, else the chosen server's, else the built-in sync API base.
    static QString syncApiUrlFromEnvironment();
    // The environment names a service address, so a chosen server is not used.
    static bool isSetByEnvironment();

    // Without an authentication server nobody can sign in, so nothing is sent.
    bool isConfigured() const { return !authBaseUrl.isEmpty(); }
};

} // namespace MellAccount
