#include "Crypto.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QUuid>
#include <sodium.h>

bool Crypto::initialize()
{
    return sodium_init() >= 0;
}

QByteArray Crypto::randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(bytes.size()));
    return bytes;
}

QString Crypto::randomToken(int count)
{
    return base64Url(randomBytes(count));
}

QString Crypto::base64Url(const QByteArray& bytes)
{
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QByteArray Crypto::fromBase64Url(const QByteArray& text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text,
        QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals
            | QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

QString Crypto::sha256Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray Crypto::hmacSha256(const QByteArray& key, const QByteArray& message)
{
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha256);
}

bool Crypto::sameBytes(const QByteArray& a, const QByteArray& b)
{
    return a.size() == b.size()
        && sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

QString Crypto::newId()
{
    // QUuid::createUuid() takes its bytes from the system's random source.
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}
