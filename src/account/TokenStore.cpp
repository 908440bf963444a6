#include "TokenStore.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace MellAccount {

void TokenStore::open(Opened opened)
{
    opened({ read(kAccessTokenKey).value_or(QString()), read(kRefreshTokenKey).value_or(QString()),
        false });
}

void TokenStore::clear()
{
    removeKey(kAccessTokenKey);
    removeKey(kRefreshTokenKey);
}

QString TokenStore::directoryKey(const QString& dataDirectory)
{
    const QFileInfo info(dataDirectory);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    return QString::fromLatin1(
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex());
}

} // namespace MellAccount
