#include "DamagedFiles.h"

#include <QFile>
#include <QList>

#include <sqlite3.h>

bool DamagedFiles::overwriteLeafPage(const QString& path, const QString& object)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr)
        != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    QList<qint64> leaves;
    qint64 pageSize = 0;
    sqlite3_stmt* statement = nullptr;
    const QByteArray sql = "SELECT pageno FROM dbstat WHERE name = ?1 AND pagetype = 'leaf' "
                           "ORDER BY path";
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) == SQLITE_OK) {
        const QByteArray name = object.toUtf8();
        sqlite3_bind_text(statement, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        while (sqlite3_step(statement) == SQLITE_ROW)
            leaves << sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    if (sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &statement, nullptr) == SQLITE_OK
        && sqlite3_step(statement) == SQLITE_ROW)
        pageSize = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    if (leaves.isEmpty() || pageSize <= 0)
        return false;
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
        && file.seek((leaves.at(leaves.size() / 3) - 1) * pageSize)
        && file.write(QByteArray(pageSize, '\xff')) == pageSize;
}

QByteArray DamagedFiles::bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
