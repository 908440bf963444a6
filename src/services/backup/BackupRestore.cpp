#include "BackupRestore.h"

#include "ArchiveChecks.h"
#include "BackupLogging.h"
#include "BackupRowRules.h"
#include "BackupTables.h"
#include "ZipReader.h"
#include "data/Database.h"
#include "data/Money.h"
#include "data/SqlStatement.h"
#include "data/StoreError.h"
#include "data/StoreHealth.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionScope.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStorageInfo>
#include <memory>
#include <unordered_map>
#include <utility>

namespace {

// A crafted archive could make every row a new column combination.
constexpr size_t kMaxCachedStatements = 64;
constexpr int kMaxUnknownListed = 10;
constexpr int kMaxErrorsListed = 1000;

QString quoted(const QString& name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

bool isAmountColumn(const QString& name)
{
    return name == QLatin1String("amount") || name == QLatin1String("starting_balance")
        || name == QLatin1String("statement_balance")
        || name == QLatin1String("reconciled_balance");
}

bool toColumnValue(const QJsonValue& value, bool integerColumn, QVariant* out)
{
    switch (value.type()) {
    case QJsonValue::Null: *out = QVariant(); return true;
    case QJsonValue::Bool: *out = qint64(value.toBool() ? 1 : 0); return true;
    case QJsonValue::Double: {
        const qint64 integer = value.toInteger();
        if (double(integer) == value.toDouble()) {
            *out = integer;
            return true;
        }
        if (integerColumn)
            return false;
        *out = value.toDouble();
        return true;
    }
    case QJsonValue::String:
        if (integerColumn)
            return false;
        *out = value.toString();
        return true;
    default: return false;
    }
}

} // namespace

struct BackupRestore::Table {
    struct Column {
        int index = 0;
        bool integer = false;
    };
    // The statements are cached by the set of columns a row brings, one bit
    // per column, so the SQL text is built once per shape rather than per row.
    using Statements = std::unordered_map<quint64, std::unique_ptr<SqlStatement>>;

    int index = 0;
    const BackupTables::Table* definition = nullptr;
    QHash<QString, Column> columns; // every column, by name
    QStringList columnNames; // by index
    QSet<QString> unknown;
    bool moreUnknown = false;
    Statements lookups;
    Statements inserts;
    Statements updates;

    SqlStatement* statement(
        Database* db, Statements& cache, quint64 shape, const std::function<QString()>& sql)
    {
        auto found = cache.find(shape);
        if (found != cache.end())
            return found->second.get();
        if (cache.size() >= kMaxCachedStatements)
            cache.clear();
        return cache.emplace(shape, std::make_unique<SqlStatement>(db, sql())).first->second.get();
    }
};

BackupRestore::BackupRestore(Database* db, TransactionRepository* transactions,
    const BackupService::Limits& limits, const BackupService::Observer& observer)
    : m_db(db)
    , m_transactions(transactions)
    , m_limits(limits)
    , m_observer(observer)
{
}

bool BackupRestore::checkArchive(const ZipReader& zip, Result& result) const
{
    if (zip.entryCount() > m_limits.maxEntries) {
        result.errors
            << BackupService::tr("The backup holds more than %1 entries.").arg(m_limits.maxEntries);
        return false;
    }
    quint64 declared = 0;
    std::optional<ZipReader::Entry> manifest;
    const bool readable = zip.forEach([&](const ZipReader::Entry& entry) {
        declared += entry.size;
        if (entry.name == BackupTables::kManifestName)
            manifest = entry;
        return declared <= quint64(m_limits.maxTotalBytes);
    });
    if (!readable) {
        result.errors << BackupService::tr("Failed to open ZIP archive");
        return false;
    }
    if (declared > quint64(m_limits.maxTotalBytes)) {
        result.errors << BackupService::tr("The backup unpacks to more than %1 bytes.")
                             .arg(m_limits.maxTotalBytes);
        return false;
    }
    if (!checkExpansion(zip, declared, result))
        return false;
    if (!manifest) {
        result.errors << BackupService::tr("Invalid backup: missing manifest.json");
        return false;
    }
    QByteArray bytes;
    const ZipReader::Read read = zip.read(*manifest, m_limits.maxEntryBytes, &bytes);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (read == ZipReader::Read::TooLarge) {
        result.errors << BackupService::tr(
            "The backup entry %1 is larger than the limit of %2 bytes.")
                             .arg(QString::fromUtf8(manifest->name))
                             .arg(m_limits.maxEntryBytes);
        return false;
    }
    if (read != ZipReader::Read::Ok || parseError.error != QJsonParseError::NoError
        || !document.isObject()) {
        result.errors << BackupService::tr("Invalid backup: damaged manifest.json");
        return false;
    }
    const QJsonValue version = document.object().value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != BackupTables::kManifestVersion) {
        result.errors << BackupService::tr("Unsupported backup version: %1")
                             .arg(version.toVariant().toString());
        return false;
    }
    return true;
}

BackupRestore::Result BackupRestore::run(
    const ZipReader& zip, Policy policy, const BeforeChange& beforeChange)
{
    Result result;
    if (!checkArchive(zip, result))
        return result;
    QString failure;
    m_beforeChange = beforeChange;
    // Every entry but the manifest is a row.
    m_rowsTotal = zip.entryCount() > 0 ? zip.entryCount() - 1 : 0;

    bool ok = true;
    {
        TransactionScope scope(m_db);
        // Rows come in by the thousand: index them for search in one go.
        TransactionBulkInsert searchIndex(m_db, m_transactions);
        // After the safety copy, which reads through the indexes.
        if (insertsMostTransactions()) {
            m_beforeChange = [once = m_beforeChange, &searchIndex](QString* failure) {
                if (once && !once(failure))
                    return false;
                searchIndex.deferIndexes();
                return true;
            };
        }
        BackupRowRules rules(m_db);
        m_rules = &rules;
        m_db->noteFailure(0);
        if (!rules.countSplitLines(zip, m_limits.maxEntryBytes)) {
            failure = BackupService::tr("Failed to open ZIP archive");
            ok = false;
        }
        for (int i = 0; ok && i < int(BackupTables::kTables.size()); ++i) {
            Table table;
            table.index = i;
            table.definition = &BackupTables::kTables[i];
            SqlStatement columns(m_db,
                QStringLiteral("PRAGMA table_info(%1)")
                    .arg(quoted(QLatin1String(table.definition->name))),
                {});
            while (columns.next()) {
                const int index = int(table.columns.size());
                table.columnNames << columns.row().text(1);
                table.columns.insert(columns.row().text(1),
                    { index,
                        columns.row().text(2).contains(
                            QLatin1String("INT"), Qt::CaseInsensitive) });
            }
            if (columns.failed() || !table.columns.contains(QStringLiteral("id"))
                || table.columns.size() > 64) {
                failure
                    = columns.failed() ? columns.errorText() : BackupService::tr("unknown table");
                ok = false;
                break;
            }
            ok = restoreTable(zip, table, policy, result, &failure);
        }
        m_rules = nullptr;
        m_beforeChange = {};
        if (ok && !searchIndex.finish()) {
            failure = StoreError::reason(m_db->lastFailure());
            ok = false;
        }
        if (ok && !scope.commit()) {
            failure = StoreError::reason(m_db->lastFailure());
            ok = false;
        }
        // The rollback puts the search triggers back with everything else.
        if (!ok)
            searchIndex.abandon();
    }
    if (!ok && result.cancelled) {
        qCInfo(lcBackup) << "Backup restore cancelled";
        result.tables = {};
        return result;
    }
    if (!ok) {
        qCWarning(lcBackup).noquote() << "BackupService restore failed:" << failure;
        result.tables = {};
        result.errors << BackupService::tr("Nothing was restored: %1.").arg(failure);
        return result;
    }
    result.completed = true;
    qCInfo(lcBackup).noquote() << "Backup restored: applied" << result.applied() << "skipped"
                               << result.skipped() << "errors" << result.errors.size();
    return result;
}

bool BackupRestore::insertsMostTransactions() const
{
    // Building an index once costs about what keeping it costs for a tenth
    // of its rows, and small restores are quick either way. Rows already
    // stored are rewritten only in the columns that differ, which seldom
    // touches an index, so only the rows the store lacks count.
    if (m_rowsTotal < m_limits.rebuildIndexesFrom)
        return false;
    SqlStatement stored(m_db, QStringLiteral("SELECT COUNT(*) FROM transactions"), {});
    if (!stored.next())
        return false;
    const quint64 count = quint64(stored.row().int64(0));
    return m_rowsTotal > count && m_rowsTotal - count >= count / 4;
}

bool BackupRestore::checkExpansion(const ZipReader& zip, quint64 unpacked, Result& result) const
{
    const QStorageInfo disk(QFileInfo(StoreHealth::fileOf(m_db->handle())).absolutePath());
    const QString problem = ArchiveChecks::expansionProblem(unpacked, zip.archiveSize(),
        disk.isValid() ? disk.bytesAvailable() : -1, m_limits.maxExpansion);
    if (problem.isEmpty())
        return true;
    result.errors << problem;
    return false;
}

bool BackupRestore::beforeWrite(QString* failure)
{
    const BeforeChange once = std::exchange(m_beforeChange, {});
    return !once || once(failure);
}

bool BackupRestore::step(Result& result, QString* failure)
{
    if (m_observer.cancelRequested && m_observer.cancelRequested->load()) {
        result.cancelled = true;
        *failure = BackupService::tr("the restore was cancelled");
        return false;
    }
    if (m_observer.progress)
        m_observer.progress(++m_rowsDone, m_rowsTotal);
    return true;
}

bool BackupRestore::restoreTable(
    const ZipReader& zip, Table& table, Policy policy, Result& result, QString* failure)
{
    const QByteArray prefix = QByteArray(table.definition->folder) + '/';
    const QString tableName = quoted(QLatin1String(table.definition->name));
    BackupService::TableCounts& counts = result.tables[table.index];
    auto error = [&result](const QString& text) {
        if (result.errors.size() < kMaxErrorsListed)
            result.errors << text;
    };
    bool runOk = true;

    auto applyRow = [&](const QString& entryName, const QJsonObject& object) {
        if (const QString problem = m_rules->problem(table.index, object); !problem.isEmpty()) {
            ++counts.skipped;
            ++counts.refused;
            error(BackupService::tr("%1: refused: %2").arg(entryName, problem));
            return;
        }
        QVariant byColumn[64];
        quint64 shape = 0;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const auto column = table.columns.constFind(it.key());
            if (column == table.columns.cend()) {
                if (table.unknown.size() < kMaxUnknownListed)
                    table.unknown.insert(it.key().left(40));
                else
                    table.moreUnknown = true;
                continue;
            }
            QVariant value;
            if (!toColumnValue(it.value(), column->integer, &value)) {
                error(BackupService::tr("%1: invalid value for %2").arg(entryName, it.key()));
                ++counts.skipped;
                return;
            }
            if (isAmountColumn(it.key()) && !Money::isWithinLimit(value.toLongLong())) {
                error(BackupService::tr("%1: amount beyond the limit").arg(entryName));
                ++counts.skipped;
                return;
            }
            byColumn[column->index] = value;
            shape |= quint64(1) << column->index;
        }
        // Restored rows are sent again at the next synchronisation.
        auto force = [&](const QString& name, const QVariant& value) {
            const auto column = table.columns.constFind(name);
            if (column == table.columns.cend())
                return;
            byColumn[column->index] = value;
            shape |= quint64(1) << column->index;
        };
        force(QStringLiteral("sync_status"), QStringLiteral("pending"));
        // No server id is stored as the empty text, as for any new row.
        force(QStringLiteral("server_id"), QString(QLatin1String("")));
        force(QStringLiteral("version"), qint64(1));

        // In the table's column order, so that rows of one shape bind alike
        // whatever order their documents list the members in.
        QStringList names;
        QVariantList values;
        for (int i = 0; i < table.columnNames.size(); ++i) {
            if (shape & (quint64(1) << i)) {
                names << table.columnNames[i];
                values << byColumn[i];
            }
        }
        const qsizetype idAt = names.indexOf(QStringLiteral("id"));
        const QString id = idAt >= 0 && values[idAt].typeId() == QMetaType::QString
            ? values[idAt].toString()
            : QString();
        if (id.isEmpty()) {
            ++counts.skipped;
            return;
        }

        // Which stored values already match the backup's: a backup restored
        // over the ledger it came from rewrites only what differs, so the
        // indexes of unchanged columns are left alone.
        SqlStatement* lookup = table.statement(m_db, table.lookups, shape, [&] {
            QStringList same;
            for (const QString& name : names)
                same << quoted(name) + QStringLiteral(" IS ?");
            return QStringLiteral("SELECT rowid, updated_at, %1 FROM %2 WHERE id = ?")
                .arg(same.join(QStringLiteral(", ")), tableName);
        });
        lookup->bind(values + QVariantList { id });
        const bool found = lookup->next();
        const qint64 rowid = found ? lookup->row().int64(0) : 0;
        const QString storedUpdated = found ? lookup->row().text(1) : QString();
        QList<qsizetype> differing;
        for (qsizetype i = 0; found && i < names.size(); ++i) {
            if (lookup->row().int64(int(i) + 2) != 1)
                differing << i;
        }
        if (lookup->failed()) {
            *failure = StoreError::reason(lookup->errorCode());
            runOk = false;
            return;
        }
        lookup->reset();
        SqlStatement* statement = nullptr;
        if (!found) {
            statement = table.statement(m_db, table.inserts, shape, [&] {
                QStringList columns;
                for (const QString& name : names)
                    columns << quoted(name);
                return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(tableName, columns.join(QStringLiteral(", ")),
                        QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
            });
        } else {
            if (policy == Policy::SkipExisting) {
                ++counts.skipped;
                return;
            }
            if (policy == Policy::KeepNewer) {
                const qsizetype at = names.indexOf(QStringLiteral("updated_at"));
                const QString backupUpdated = at >= 0 ? values[at].toString() : QString();
                if (backupUpdated.isEmpty() || !(backupUpdated > storedUpdated)) {
                    ++counts.skipped;
                    return;
                }
            }
            if (differing.isEmpty()) {
                ++counts.applied;
                return;
            }
            quint64 changed = 0;
            QVariantList changedValues;
            for (const qsizetype i : std::as_const(differing)) {
                changed |= quint64(1) << table.columns.value(names[i]).index;
                changedValues << values[i];
            }
            values = changedValues << rowid;
            statement = table.statement(m_db, table.updates, changed, [&] {
                QStringList assignments;
                for (const qsizetype i : std::as_const(differing))
                    assignments << quoted(names[i]) + QStringLiteral(" = ?");
                return QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                    .arg(tableName, assignments.join(QStringLiteral(", ")));
            });
        }
        if (!beforeWrite(failure)) {
            runOk = false;
            return;
        }
        if (statement->bind(values) && statement->execute()) {
            ++counts.applied;
            return;
        }
        if (statement->isValid() && !StoreError::isRowFailure(statement->errorCode())) {
            *failure = StoreError::reason(statement->errorCode());
            runOk = false;
            return;
        }
        ++counts.skipped;
        error(BackupService::tr("%1: not restored: %2").arg(entryName, statement->errorText()));
    };

    const bool readable = zip.forEach([&](const ZipReader::Entry& entry) {
        if (!entry.name.startsWith(prefix) || !entry.name.endsWith(".json"))
            return true;
        const QString entryName = QString::fromUtf8(entry.name);
        if (!step(result, failure)) {
            runOk = false;
            return false;
        }
        if (ArchiveChecks::leavesFolder(entry.name)) {
            error(BackupService::tr("%1: refused: the path leaves its folder").arg(entryName));
            return true;
        }
        QByteArray bytes;
        const ZipReader::Read read = zip.read(entry, m_limits.maxEntryBytes, &bytes);
        if (read == ZipReader::Read::TooLarge) {
            *failure = BackupService::tr("the backup entry %1 is larger than the limit of %2 bytes")
                           .arg(entryName)
                           .arg(m_limits.maxEntryBytes);
            runOk = false;
            return false;
        }
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
        if (read != ZipReader::Read::Ok || parseError.error != QJsonParseError::NoError
            || !document.isObject() || document.object().isEmpty()) {
            error(BackupService::tr("%1: invalid JSON").arg(entryName));
            return true;
        }
        applyRow(entryName, document.object());
        return runOk;
    });
    if (!readable) {
        *failure = BackupService::tr("Failed to open ZIP archive");
        return false;
    }
    if (!table.unknown.isEmpty()) {
        QStringList names = table.unknown.values();
        names.sort();
        error(BackupService::tr("%1: members that are not columns were ignored: %2%3")
                  .arg(QLatin1String(table.definition->folder), names.join(QStringLiteral(", ")),
                      table.moreUnknown ? QStringLiteral(", ...") : QString()));
    }
    return runOk;
}
