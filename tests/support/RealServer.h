#pragma once

#include "account/ClientConfig.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// The real ledgerine-server as a process of its own on a free loopback port,
// over an SQLite folder that goes away with it: the desktop's tests against
// the server households run.
class RealServer {
public:
    struct Tokens {
        QString access;
        QString refresh;
    };

    RealServer() = default;
    ~RealServer();

    // Starts it and waits for its first line; false (with a warning) when it
    // does not start.
    bool start(const QStringList& options = {});
    QString origin() const;
    // A user made with the server's own "user add".
    bool addUser(const QString& email, const QString& password, const QString& name = {});
    // How the desktop reaches it (the sync API address comes apart, as in the environment).
    MellAccount::ClientConfig config() const;
    QString syncApiUrl() const;
    // Through the sign-in page as a browser would fill it in: the tokens of
    // the redirect, or nothing when the page refused.
    std::optional<Tokens> signIn(const QString& email, const QString& password);

private:
    QStringList storeOptions() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};
