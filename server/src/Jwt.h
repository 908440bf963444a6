#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <optional>

// Compact JWTs signed with HMAC-SHA-256 (RFC 7519, "alg": "HS256").
namespace Jwt {

QString sign(const QJsonObject& claims, const QByteArray& key);
// The claims of a token whose header names HS256 and whose signature is
// right; the caller checks "exp" and the rest.
std::optional<QJsonObject> verify(const QString& token, const QByteArray& key);

} // namespace Jwt
