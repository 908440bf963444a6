#include "BackupRowRules.h"

#include "BackupService.h"
#include "BackupTables.h"
#include "ZipReader.h"
#include "data/RecordRules.h"
#include "data/SqlValue.h"
#include "data/SqlStatement.h"

#include <QDate>
#include <QJsonDocument>

namespace {

enum TableIndex { Accounts, Categories, Transactions, SplitLines, Recurring, Reconciliations };

QString text(const QJsonObject& row, const char* column)
{
    return row.value(QLatin1String(column)).toString();
}

bool hasControlCharacters(const QString& text)
{
    return std::any_of(
        text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// A date column: "yyyy-MM-dd" text of a real day in range; null only where allowed.
QString dateProblem(const QJsonObject& row, const char* column, bool optional = false)
{
    const QJsonValue value = row.value(QLatin1String(column));
    if (optional && (value.isNull() || value.isUndefined()))
        return {};
    const QString text = value.toString();
    const QDate date = text.size() == 10 ? SqlValue::parseDate(text) : QDate();
    return RecordRules::dateProblem(date);
}

bool isTrue(const QJsonValue& value)
{
    return value.isBool() ? value.toBool() : value.toDouble() != 0;
}

QString firstOf(std::initializer_list<QString> problems)
{
    for (const QString& problem : problems) {
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace

BackupRowRules::BackupRowRules(Database* db)
    : m_db(db)
{
}

bool BackupRowRules::countSplitLines(const ZipReader& zip, qint64 maxEntryBytes)
{
    const QByteArray prefix = QByteArray(BackupTables::kTables[SplitLines].folder) + '/';
    return zip.forEach([&](const ZipReader::Entry& entry) {
        if (!entry.name.startsWith(prefix) || !entry.name.endsWith(".json"))
            return true;
        QByteArray bytes;
        if (zip.read(entry, maxEntryBytes, &bytes) == ZipReader::Read::Ok) {
            const QString id
                = QJsonDocument::fromJson(bytes).object().value("transaction_id").toString();
            if (!id.isEmpty())
                ++m_splitLines[id];
        }
        return true;
    });
}

QString BackupRowRules::transactionProblem(const QJsonObject& row) const
{
    const QString id = text(row, "id");
    if (!id.isEmpty() && text(row, "transfer_link_id") == id)
        return BackupService::tr("The transaction is linked to itself as a transfer.");
    const int lines = m_splitLines.value(id);
    if (QString problem = RecordRules::splitLineCountProblem(lines); !problem.isEmpty())
        return problem;
    if (isTrue(row.value("is_split")) && lines == 0) {
        SqlStatement stored(m_db,
            QStringLiteral("SELECT 1 FROM split_lines WHERE transaction_id = ? LIMIT 1"), { id });
        if (!stored.next())
            return BackupService::tr("The transaction is split but has no split lines.");
    }
    return firstOf({ dateProblem(row, "date"), RecordRules::payeeProblem(text(row, "payee")),
        RecordRules::memoProblem(text(row, "memo")),
        RecordRules::checkNumberProblem(text(row, "check_number")) });
}

QString BackupRowRules::problem(int tableIndex, const QJsonObject& row)
{
    for (auto it = row.begin(); it != row.end(); ++it) {
        if (it->isString() && hasControlCharacters(it->toString()))
            return BackupService::tr("The member %1 holds control characters.").arg(it.key());
    }
    switch (tableIndex) {
    case Categories:
        if (!text(row, "parent_id").isEmpty() && text(row, "parent_id") == text(row, "id"))
            return BackupService::tr("The category is its own parent.");
        return RecordRules::categoryNameProblem(text(row, "name"));
    case Transactions: {
        QString refused = transactionProblem(row);
        if (!refused.isEmpty())
            m_refusedTransactions.insert(text(row, "id"));
        return refused;
    }
    case SplitLines:
        if (m_refusedTransactions.contains(text(row, "transaction_id")))
            return BackupService::tr("Its transaction was not restored.");
        return RecordRules::memoProblem(text(row, "memo"));
    case Recurring:
        return firstOf({ dateProblem(row, "start_date"), dateProblem(row, "next_due_date"),
            dateProblem(row, "end_date", true), RecordRules::payeeProblem(text(row, "payee")),
            RecordRules::memoProblem(text(row, "memo")) });
    case Reconciliations: return dateProblem(row, "statement_date");
    default: break;
    }
    return {};
}
