#include "SqlStatement.h"

#include "Database.h"
#include "StatementCache.h"
#include "StoreHealth.h"

#include <sqlite3.h>

namespace {

// Which values Qt's driver binds as NULL.
bool boundAsNull(const QVariant& value)
{
    if (value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString: return static_cast<const QString*>(value.constData())->isNull();
    case QMetaType::QByteArray: return static_cast<const QByteArray*>(value.constData())->isNull();
    case QMetaType::QDate: return !value.toDate().isValid();
    case QMetaType::QTime: return !value.toTime().isValid();
    case QMetaType::QDateTime: return !value.toDateTime().isValid();
    default: return false;
    }
}

} // namespace

SqlStatement::SqlStatement(const Database* db, const QString& sql, const QVariantList& values)
{
    if (prepare(db, sql) && !bind(values)) {
        if (!StatementCache::giveBack(m_db, m_statement))
            sqlite3_finalize(m_statement);
        m_statement = nullptr;
        m_failed = true;
    }
}

SqlStatement::SqlStatement(const Database* db, const QString& sql)
{
    prepare(db, sql);
}

bool SqlStatement::prepare(const Database* db, const QString& sql)
{
    m_db = db;
    sqlite3* handle = db->handle();
    const QByteArray utf8 = sql.toUtf8();
    if (!handle) {
        m_failed = true;
        m_error = QStringLiteral("database not open");
        return false;
    }
    m_statement = StatementCache::take(db, utf8);
    if (m_statement)
        return true;
    const int rc
        = sqlite3_prepare_v2(handle, utf8.constData(), int(utf8.size()), &m_statement, nullptr);
    if (rc != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(handle));
        m_code = rc & 0xff;
        StoreHealth::note(handle, rc, m_error);
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        m_failed = true;
        return false;
    }
    return true;
}

bool SqlStatement::bind(const QVariantList& values)
{
    if (!m_statement)
        return false;
    int index = 1;
    for (const QVariant& value : values) {
        int rc = SQLITE_OK;
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            rc = sqlite3_bind_int64(m_statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
            rc = sqlite3_bind_double(m_statement, index, value.toDouble());
            break;
        default:
            if (boundAsNull(value)) {
                rc = sqlite3_bind_null(m_statement, index);
            } else {
                const QString text = value.toString();
                rc = sqlite3_bind_text16(m_statement, index, text.utf16(),
                    int(text.size() * sizeof(char16_t)), SQLITE_TRANSIENT);
            }
        }
        if (rc != SQLITE_OK) {
            m_error = QString::fromUtf8(sqlite3_errstr(rc));
            return false;
        }
        ++index;
    }
    return true;
}

bool SqlStatement::execute()
{
    if (!m_statement)
        return false;
    if (m_db->unitLost()) {
        m_error = QStringLiteral("the unit of work was already rolled back");
        m_code = SQLITE_ABORT;
        return false;
    }
    const int rc = sqlite3_step(m_statement);
    const bool ok = rc == SQLITE_DONE || rc == SQLITE_ROW;
    if (!ok) {
        m_error = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
        m_code = rc & 0xff;
        m_db->noteFailure(m_code);
        StoreHealth::note(sqlite3_db_handle(m_statement), rc, m_error);
    }
    sqlite3_reset(m_statement);
    return ok;
}

void SqlStatement::reset()
{
    if (m_statement)
        sqlite3_reset(m_statement);
    m_failed = false;
}

SqlStatement::~SqlStatement()
{
    if (!StatementCache::giveBack(m_db, m_statement))
        sqlite3_finalize(m_statement);
}

bool SqlStatement::next()
{
    if (!m_statement || m_failed)
        return false;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    m_failed = rc != SQLITE_DONE;
    if (m_failed) {
        m_error = QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement)));
        m_code = rc & 0xff;
        StoreHealth::note(sqlite3_db_handle(m_statement), rc, m_error);
    }
    // Let go of the read snapshot at once rather than when the object dies.
    sqlite3_reset(m_statement);
    return false;
}
