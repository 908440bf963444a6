#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class Store;

// The server's secret, made at first start and kept in the database so every
// server process on one database signs and checks the same way. Each use has
// a key of its own derived from it.
class ServerKeys {
public:
    static std::optional<ServerKeys> load(Store& store, QString* error);
    // Keys from a given secret (tests).
    explicit ServerKeys(const QByteArray& secret);

    // Signs access tokens (HS256).
    QByteArray accessTokens() const { return m_access; }
    // Binds pull cursors to their user.
    QByteArray cursors() const { return m_cursors; }
    // Anti-forgery tokens of the sign-in forms.
    QByteArray forms() const { return m_forms; }
    // Derives a rotated refresh token's successor from it.
    QByteArray refreshTokens() const { return m_refresh; }

private:
    QByteArray m_access;
    QByteArray m_cursors;
    QByteArray m_forms;
    QByteArray m_refresh;
};
