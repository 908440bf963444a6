#include "Jwt.h"

#include "Crypto.h"

#include <QJsonDocument>

namespace {

QByteArray encodePart(const QJsonObject& object)
{
    return Crypto::base64Url(QJsonDocument(object).toJson(QJsonDocument::Compact)).toLatin1();
}

std::optional<QJsonObject> decodePart(const QByteArray& part)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(Crypto::fromBase64Url(part), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

} // namespace

QString Jwt::sign(const QJsonObject& claims, const QByteArray& key)
{
    const QByteArray signedPart
        = encodePart({ { "alg", "HS256" }, { "typ", "JWT" } }) + '.' + encodePart(claims);
    return QString::fromLatin1(
        signedPart + '.' + Crypto::base64Url(Crypto::hmacSha256(key, signedPart)).toLatin1());
}

std::optional<QJsonObject> Jwt::verify(const QString& token, const QByteArray& key)
{
    const QByteArray bytes = token.toLatin1();
    const QList<QByteArray> parts = bytes.split('.');
    if (parts.size() != 3 || token.size() > 4096)
        return std::nullopt;
    const QByteArray signature = Crypto::fromBase64Url(parts.at(2));
    const QByteArray expected = Crypto::hmacSha256(key, parts.at(0) + '.' + parts.at(1));
    if (!Crypto::sameBytes(signature, expected))
        return std::nullopt;
    // Only after the signature: the header then is ours, but "alg" is still
    // checked so no other algorithm is ever taken on a token's word.
    const auto header = decodePart(parts.at(0));
    if (!header || header->value("alg").toString() != QLatin1String("HS256"))
        return std::nullopt;
    return decodePart(parts.at(1));
}
