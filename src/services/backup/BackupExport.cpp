#include "BackupExport.h"

#include "BackupLogging.h"
#include "BackupTables.h"
#include "ZipWriter.h"
#include "data/Clock.h"
#include "data/Database.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>
#include <cmath>

#include <sqlite3.h>

namespace {

void appendString(QByteArray& out, const char* text, int length)
{
    static const char kHex[] = "0123456789abcdef";
    out.append('"');
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '"': out.append("\\\""); break;
        case '\\': out.append("\\\\"); break;
        case '\n': out.append("\\n"); break;
        case '\r': out.append("\\r"); break;
        case '\t': out.append("\\t"); break;
        default:
            if (c < 0x20)
                out.append("\\u00").append(kHex[c >> 4]).append(kHex[c & 15]);
            else
                out.append(char(c));
        }
    }
    out.append('"');
}

bool isAscii(const char* text, int length)
{
    for (int i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    }
    return true;
}

void appendText(QByteArray& out, sqlite3_stmt* statement, int column)
{
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    const int length = sqlite3_column_bytes(statement, column);
    if (isAscii(text, length)) {
        appendString(out, text, length);
        return;
    }
    // Invalid UTF-8 in the store would make the whole document unreadable.
    const QByteArray clean = QString::fromUtf8(text, length).toUtf8();
    appendString(out, clean.constData(), int(clean.size()));
}

// The row in the indented layout of QJsonDocument, written directly: building
// a QJsonObject per row takes longer than reading and compressing it.
void rowDocument(sqlite3_stmt* statement, QByteArray& out)
{
    out.resize(0);
    out.append("{\n");
    const int columns = sqlite3_column_count(statement);
    for (int c = 0; c < columns; ++c) {
        out.append("    ");
        const char* name = sqlite3_column_name(statement, c);
        appendString(out, name, int(qstrlen(name)));
        out.append(": ");
        switch (sqlite3_column_type(statement, c)) {
        case SQLITE_NULL: out.append("null"); break;
        case SQLITE_INTEGER:
            out.append(QByteArray::number(sqlite3_column_int64(statement, c)));
            break;
        case SQLITE_FLOAT: {
            const double value = sqlite3_column_double(statement, c);
            out.append(std::isfinite(value) ? QByteArray::number(value, 'g', 17) : "null");
            break;
        }
        default: appendText(out, statement, c);
        }
        out.append(c + 1 < columns ? ",\n" : "\n");
    }
    out.append("}\n");
}

QByteArray entryName(const char* folder, sqlite3_stmt* statement, int idColumn)
{
    const QString id
        = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, idColumn)),
            sqlite3_column_bytes(statement, idColumn));
    // Ids are UUIDs; anything else must not become a path when unpacked.
    return QByteArray(folder) + '/' + QUrl::toPercentEncoding(id) + ".json";
}

} // namespace

bool BackupExport::write(QIODevice* device, QString* error) const
{
    auto failed = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    sqlite3* handle = m_db->handle();
    if (!handle)
        return failed(QStringLiteral("database not open"));

    ZipWriter zip(device, Clock::nowUtc().toLocalTime());
    QJsonObject manifest;
    manifest.insert(QStringLiteral("version"), BackupTables::kManifestVersion);
    manifest.insert(QStringLiteral("exportedAt"), Clock::nowIso());
    QByteArray document;
    for (const auto& table : BackupTables::kTables) {
        // Parents first, so a restore never meets a child before its parent.
        const QByteArray sql = QByteArray("SELECT * FROM ") + table.name
            + (qstrcmp(table.name, "categories") == 0 ? " ORDER BY parent_id IS NOT NULL" : "");
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(handle, sql.constData(), -1, &statement, nullptr) != SQLITE_OK) {
            const QString reason = QString::fromUtf8(sqlite3_errmsg(handle));
            sqlite3_finalize(statement);
            qCWarning(lcBackup).noquote() << "BackupService export query failed:" << reason;
            return failed(reason);
        }
        int idColumn = -1;
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            if (qstrcmp(sqlite3_column_name(statement, c), "id") == 0)
                idColumn = c;
        }
        qint64 count = 0;
        int rc = SQLITE_ROW;
        while (idColumn >= 0 && (rc = sqlite3_step(statement)) == SQLITE_ROW) {
            rowDocument(statement, document);
            if (!zip.addFile(entryName(table.folder, statement, idColumn), document))
                break;
            ++count;
        }
        const QString reason = idColumn < 0 ? QStringLiteral("no id column")
                                            : QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_finalize(statement);
        if (zip.hasFailed())
            return failed(zip.errorString());
        if (rc != SQLITE_DONE) {
            qCWarning(lcBackup).noquote() << "BackupService export query failed:" << reason;
            return failed(reason);
        }
        manifest.insert(QLatin1String(table.manifestCount), count);
    }
    zip.addFile(
        BackupTables::kManifestName, QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    if (!zip.close())
        return failed(zip.errorString());
    return true;
}
