#include "Passwords.h"

#include "ServerLogging.h"

#include <QSemaphore>
#include <sodium.h>

namespace {

QSemaphore& hashing()
{
    static QSemaphore limit(2);
    return limit;
}

const QString& nobodysHash()
{
    static const QString hash = Passwords::hash(QStringLiteral("no account has this password"));
    return hash;
}

} // namespace

QString Passwords::hash(const QString& password)
{
    const QByteArray bytes = password.toUtf8();
    char encoded[crypto_pwhash_STRBYTES];
    hashing().acquire();
    const QSemaphoreReleaser slot(hashing());
    if (crypto_pwhash_str(encoded, bytes.constData(), quint64(bytes.size()),
            crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0) {
        qCWarning(lcAuth) << "Password hashing failed: out of memory";
        return QString();
    }
    return QString::fromLatin1(encoded);
}

bool Passwords::verify(const QString& encodedHash, const QString& password)
{
    const QByteArray stored = encodedHash.toLatin1();
    const QByteArray bytes = password.toUtf8();
    hashing().acquire();
    const QSemaphoreReleaser slot(hashing());
    return !stored.isEmpty()
        && crypto_pwhash_str_verify(stored.constData(), bytes.constData(), quint64(bytes.size()))
        == 0;
}

void Passwords::verifyNobody(const QString& password)
{
    verify(nobodysHash(), password + QStringLiteral("\n"));
}
