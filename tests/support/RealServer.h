#pragma once

#include "TestHttpServer.h"
#include "account/ClientConfig.h"

#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

// The real ledgerine-server as a process of its own on a free loopback port,
// over an SQLite folder that goes away with it: the desktop's tests against
// the server households run. With front() a test server stands before it: the
// desktop then goes through it, so a test sees the requests and spoils answers.
class RealServer {
public:
    struct Tokens {
        QString access;
        QString refresh;
        // The server's id of the user.
        QString userId() const;
    };
    static constexpr const char* kPassword = "correct horse";

    RealServer() = default;
    ~RealServer();

    // Starts it and waits for its first line; false (with a warning) when it
    // does not start.
    bool start(const QStringList& options = {});
    // The address clients use: the front's once there is one.
    QString origin() const;
    TestHttpServer& front();
    // A user made with the server's own "user add".
    bool addUser(const QString& email, const QString& password, const QString& name = {});
    // How the desktop reaches it (the sync API address comes apart, as in the environment).
    MellAccount::ClientConfig config() const;
    QString syncApiUrl() const;
    // Through the sign-in page as a browser would fill it in: the tokens of
    // the redirect, or nothing when the page refused.
    std::optional<Tokens> signIn(const QString& email, const QString& password);
    // The sign-in page `page` filled in and sent: where it sends the browser.
    static QUrl fillIn(const QUrl& page, const QString& email, const QString& password);
    // A new session of `email`, made a user with kPassword on first use.
    Tokens session(const QString& email);
    // `name`'s address in the test function now running: tests sharing one
    // server never meet each other's users.
    static QString email(const QString& name);

private:
    QStringList storeOptions() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    std::unique_ptr<TestHttpServer> m_front;
    QSet<QString> m_users;
};
