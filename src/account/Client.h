#pragma once

#include "AuthState.h"
#include "ClientConfig.h"

#include <QObject>
#include <memory>

namespace MellAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// The cloud account as the rest of the program sees it: the user's tokens, one
// API client per service (authentication, account, sync) and the sign-in.
class Client : public QObject {
    Q_OBJECT

public:
    // Tokens go to the platform's secret store.
    explicit Client(const ClientConfig& config, QObject* parent = nullptr);
    Client(
        const ClientConfig& config, std::unique_ptr<TokenStore> store, QObject* parent = nullptr);

    // Start-up's client: endpoints from the environment or the build, logged,
    // with the sync API's base set.
    static Client* fromEnvironment(QObject* parent);

    // Restores the sign-in from the stored tokens; a client without services
    // touches no store.
    void initialize();
    bool isAuthenticated() const;

    const ClientConfig& config() const { return m_config; }
    // Points every service at the addresses of `config` and `syncApiUrl`
    // (another sync server chosen in the preferences). Only while signed
    // out: tokens belong to the server that issued them.
    void setServices(const ClientConfig& config, const QString& syncApiUrl);
    bool isConfigured() const { return m_config.isConfigured(); }
    // What the cloud entries say while no service is configured.
    static QString notConfiguredMessage();

    TokenManager* tokenManager() const { return m_tokens; }
    AuthClient* authClient() const { return m_auth; }
    AccountClient* accountClient() const { return m_account; }
    ApiClient* authApi() const { return m_authApi; }
    ApiClient* accountApi() const { return m_accountApi; }
    ApiClient* syncApi() const { return m_syncApi; }

    // `configured` when set, else the system's kernel type: "linux", "macos",
    // "windows", or the kernel type itself for any other.
    static QString derivePlatform(const QString& configured, const QString& kernelType);

Q_SIGNALS:
    // A refresh token was refused on some call: the user must sign in again.
    void authenticationRequired();
    void authStateChanged(MellAccount::AuthState state);

private:
    ClientConfig m_config;
    TokenManager* m_tokens;
    ApiClient* m_authApi;
    ApiClient* m_accountApi;
    ApiClient* m_syncApi;
    AuthClient* m_auth;
    AccountClient* m_account;
};

} // namespace MellAccount
