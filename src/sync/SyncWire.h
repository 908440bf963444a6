#pragma once

#include "SyncEntity.h"
#include "data/Account.h"
#include "data/Category.h"
#include "data/CsvProfileRepository.h"
#include "data/Reconciliation.h"
#include "data/RecurringTransaction.h"
#include "data/SplitLine.h"
#include "data/Transaction.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <optional>

// Records as the sync API carries them: money in cents, flags as booleans,
// dates "yyyy-MM-dd", date-times ISO 8601 ("" when unset).
namespace SyncWire {

QJsonObject payload(const Account& account);
QJsonObject payload(const Category& category);
QJsonObject payload(const RecurringTransaction& recurring);
// "split_lines" is added only for a split transaction.
QJsonObject payload(const Transaction& transaction, const QList<SplitLine>& lines);
QJsonObject payload(const Reconciliation& reconciliation);
// The mapping goes as a JSON object.
QJsonObject payload(const CsvProfileRecord& profile);

// The payload of a record that has no rows of its own beside it.
template <typename Record> QJsonObject payloadOf(const Record& record)
{
    return payload(record);
}

// Received records with the given local id, the server's id and status synced.
// Unknown enumeration texts fall back to the repositories' defaults.
Account account(const QJsonObject& record, const QString& localId);
Category category(const QJsonObject& record, const QString& localId);
RecurringTransaction recurring(const QJsonObject& record, const QString& localId);
Transaction transaction(const QJsonObject& record, const QString& localId);
Reconciliation reconciliation(const QJsonObject& record, const QString& localId);
// The mapping is kept as compact JSON text; empty when the record has none.
CsvProfileRecord csvProfile(const QJsonObject& record, const QString& localId);
// The received split lines of a transaction, each with a new id.
QList<SplitLine> splitLines(const QJsonArray& lines, const Transaction& transaction);

// Whether a local row (its payload) and a received record say the same, the
// bookkeeping of either side (ids, versions, timestamps) left aside; two
// deletions are the same whatever they held.
bool sameContent(const QJsonObject& local, const QJsonObject& received);
// A record the server hands out because the user's access to its account
// ended, not because anyone deleted it.
bool accessEnded(const QJsonObject& record);
// Who shares a received account with this user ("shared_by": the owner's
// "display_name", else "email"); nothing for the user's own accounts.
std::optional<QString> sharedBy(const QJsonObject& record);

// The records of one entity a pull page brings.
QJsonArray records(const QJsonObject& page, SyncEntity entity);
// All the records a pull page brings.
qsizetype recordCount(const QJsonObject& page);

// A JSON boolean, or a number (non-zero is true).
bool readBool(const QJsonValue& value);
// "yyyy-MM-dd", else the date of an ISO 8601 date-time; invalid otherwise.
QDate readDate(const QJsonValue& value);

} // namespace SyncWire
