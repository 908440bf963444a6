#pragma once

#include <QByteArray>
#include <QString>

// Random bytes and hashes for tokens and keys (libsodium, Qt's HMAC).
namespace Crypto {

// Makes libsodium ready; false when it cannot be (no entropy source).
bool initialize();
QByteArray randomBytes(int count);
// `count` random bytes as base64url text without padding.
QString randomToken(int count = 32);
QString base64Url(const QByteArray& bytes);
// Empty when `text` is not base64url.
QByteArray fromBase64Url(const QByteArray& text);
QString sha256Hex(const QByteArray& bytes);
QByteArray hmacSha256(const QByteArray& key, const QByteArray& message);
// Compares in a time that does not depend on where the two differ.
bool sameBytes(const QByteArray& a, const QByteArray& b);
// A random UUID, lower case, without braces.
QString newId();

} // namespace Crypto
