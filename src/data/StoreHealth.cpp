#include "StoreHealth.h"

#include "DataLogging.h"

#include <QHash>
#include <QMutex>

#include <sqlite3.h>

namespace {

QMutex& mutex()
{
    static QMutex m;
    return m;
}

QHash<QString, QString>& damaged()
{
    static QHash<QString, QString> files;
    return files;
}

} // namespace

StoreHealth* StoreHealth::instance()
{
    static StoreHealth* health = new StoreHealth;
    return health;
}

bool StoreHealth::isDamageCode(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

QString StoreHealth::fileOf(sqlite3* handle)
{
    const char* name = handle ? sqlite3_db_filename(handle, "main") : nullptr;
    if (name && *name)
        return QString::fromUtf8(name);
    // A database in memory is its connection's alone.
    return QStringLiteral("memory:%1").arg(quintptr(handle), 0, 16);
}

bool StoreHealth::note(sqlite3* handle, int code, const QString& reason)
{
    if (!isDamageCode(code))
        return false;
    reportDamaged(fileOf(handle), reason);
    return true;
}

void StoreHealth::reportDamaged(const QString& file, const QString& reason)
{
    {
        const QMutexLocker lock(&mutex());
        if (damaged().contains(file))
            return;
        damaged().insert(file, reason);
    }
    qCCritical(lcDb).noquote() << "The ledger file is damaged:" << file << "-" << reason;
    Q_EMIT instance()->damageFound(file, reason);
}

void StoreHealth::forget(const QString& file)
{
    const QMutexLocker lock(&mutex());
    damaged().remove(file);
}

std::optional<QString> StoreHealth::damageOf(const QString& file)
{
    const QMutexLocker lock(&mutex());
    const auto found = damaged().constFind(file);
    if (found == damaged().cend())
        return std::nullopt;
    return *found;
}
