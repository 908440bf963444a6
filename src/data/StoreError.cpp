#include "StoreError.h"

#include <QCoreApplication>

#include <sqlite3.h>

namespace StoreError {

bool isRowFailure(int code)
{
    switch (code & 0xff) {
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
    case SQLITE_RANGE: return true;
    default: return false;
    }
}

QString reason(int code)
{
    const auto text
        = [](const char* source) { return QCoreApplication::translate("StoreError", source); };
    switch (code & 0xff) {
    case SQLITE_FULL: return text(QT_TRANSLATE_NOOP("StoreError", "the disk is full"));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return text(
            QT_TRANSLATE_NOOP("StoreError", "another program is writing to the ledger file"));
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return text(QT_TRANSLATE_NOOP("StoreError", "the ledger file cannot be written"));
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return text(QT_TRANSLATE_NOOP("StoreError", "the ledger file is damaged"));
    case SQLITE_IOERR:
        return text(QT_TRANSLATE_NOOP("StoreError", "the disk could not be written"));
    case SQLITE_NOMEM: return text(QT_TRANSLATE_NOOP("StoreError", "there is not enough memory"));
    case SQLITE_OK: return text(QT_TRANSLATE_NOOP("StoreError", "the database refused a change"));
    default: break;
    }
    return QCoreApplication::translate("StoreError", "the database refused a change (%1)")
        .arg(QString::fromUtf8(sqlite3_errstr(code)));
}

} // namespace StoreError
