#include "SyncWire.h"

#include "data/Ids.h"

#include <QJsonDocument>
#include <QSet>

namespace SyncWire {

namespace {

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

QString dateTimeText(const QDateTime& at)
{
    return at.isValid() ? at.toUTC().toString(Qt::ISODate) : QString();
}

QDateTime readDateTime(const QJsonValue& value)
{
    QDateTime at = QDateTime::fromString(value.toString(), Qt::ISODate);
    if (at.isValid())
        at = at.toUTC();
    return at;
}

qint64 readMoney(const QJsonValue& value)
{
    return value.toInteger();
}

// client_id and server_id lead every payload; the sync columns end it.
QJsonObject head(const QString& id, const SyncFields& fields)
{
    QJsonObject payload { { "client_id", id } };
    if (!fields.serverId.isEmpty())
        payload.insert("server_id", fields.serverId);
    return payload;
}

void tail(QJsonObject& payload, const SyncFields& fields, bool withVersion = true)
{
    if (withVersion)
        payload.insert("version", fields.version);
    payload.insert("created_at", dateTimeText(fields.createdAt));
    payload.insert("updated_at", dateTimeText(fields.updatedAt));
    if (fields.deletedAt)
        payload.insert("deleted_at", dateTimeText(*fields.deletedAt));
}

void readSyncFields(const QJsonObject& record, SyncFields& fields)
{
    fields.serverId = record.value("id").toString();
    fields.syncStatus = SyncStatus::Synced;
    fields.version = record.value("version").toInt(1);
    fields.createdAt = readDateTime(record.value("created_at"));
    fields.updatedAt = readDateTime(record.value("updated_at"));
    const QString deleted = record.value("deleted_at").toString();
    fields.deletedAt = deleted.isEmpty() ? std::nullopt : std::optional(readDateTime(deleted));
}

QString text(const QJsonObject& record, const char* member)
{
    return record.value(QLatin1String(member)).toString();
}

// One text per value such that a missing member, an empty text and an empty
// list read alike, and a list's order does not count.
QString canonical(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QJsonValue::Double: return QString::number(value.toInteger());
    case QJsonValue::String: return value.toString();
    case QJsonValue::Array: {
        QStringList items;
        for (const QJsonValue& item : value.toArray())
            items << QString::fromUtf8(
                QJsonDocument(item.toObject()).toJson(QJsonDocument::Compact));
        items.sort();
        return items.join(QLatin1Char('\n'));
    }
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    default: return {};
    }
}

} // namespace

bool sameContent(const QJsonObject& local, const QJsonObject& received)
{
    static const QSet<QString> bookkeeping { QStringLiteral("id"), QStringLiteral("client_id"),
        QStringLiteral("server_id"), QStringLiteral("version"), QStringLiteral("created_at"),
        QStringLiteral("updated_at"), QStringLiteral("deleted_at"),
        QStringLiteral("access_revoked"), QStringLiteral("shared_by") };
    const bool localDeleted = !local.value("deleted_at").toString().isEmpty();
    if (localDeleted != !received.value("deleted_at").toString().isEmpty())
        return false;
    if (localDeleted)
        return true;
    const QStringList localMembers = local.keys();
    QSet<QString> members(localMembers.cbegin(), localMembers.cend());
    for (const QString& member : received.keys())
        members.insert(member);
    for (const QString& member : std::as_const(members)) {
        if (bookkeeping.contains(member))
            continue;
        const QJsonValue mine = local.value(member);
        const QJsonValue theirs = received.value(member);
        const bool same = mine.isBool() || theirs.isBool() ? readBool(mine) == readBool(theirs)
                                                           : canonical(mine) == canonical(theirs);
        if (!same)
            return false;
    }
    return true;
}

bool accessEnded(const QJsonObject& record)
{
    return readBool(record.value("access_revoked"));
}

std::optional<QString> sharedBy(const QJsonObject& record)
{
    const QJsonValue value = record.value("shared_by");
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject owner = value.toObject();
    const QString name = owner.value("display_name").toString();
    return name.isEmpty() ? owner.value("email").toString() : name;
}

bool readBool(const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool();
    return value.isDouble() && value.toDouble() != 0;
}

QDate readDate(const QJsonValue& value)
{
    const QString text = value.toString();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid() && text.size() == 10)
        return date;
    return QDateTime::fromString(text, Qt::ISODate).date();
}

QJsonObject payload(const Account& a)
{
    QJsonObject p = head(a.id, a);
    p.insert("name", a.name);
    p.insert("account_type", accountTypeToText(a.type));
    p.insert("currency", currencyToText(a.currency));
    p.insert("is_shared", a.isShared);
    p.insert("institution", a.institution);
    p.insert("account_number_last4", a.accountNumberLast4);
    p.insert("starting_balance", a.startingBalance);
    p.insert("sort_order", a.sortOrder);
    tail(p, a);
    return p;
}

QJsonObject payload(const Category& c)
{
    QJsonObject p = head(c.id, c);
    p.insert("name", c.name);
    p.insert("category_type", categoryTypeToText(c.type));
    p.insert("parent_id", c.parentId);
    p.insert("is_tax_relevant", c.isTaxRelevant);
    p.insert("tax_category", c.taxCategory);
    p.insert("icon", c.icon);
    p.insert("color", c.color);
    p.insert("is_default", c.isDefault);
    p.insert("account_id", c.accountId);
    tail(p, c);
    return p;
}

QJsonObject payload(const RecurringTransaction& r)
{
    QJsonObject p = head(r.id, r);
    p.insert("account_id", r.accountId);
    p.insert("payee", r.payee);
    p.insert("memo", r.memo);
    p.insert("amount", r.amount);
    p.insert("category_id", r.categoryId);
    p.insert("transfer_dest_account_id", r.transferDestAccountId);
    p.insert("frequency", frequencyToText(r.frequency));
    p.insert("start_date", dateText(r.startDate));
    if (r.endDate && r.endDate->isValid())
        p.insert("end_date", dateText(*r.endDate));
    p.insert("next_due_date", dateText(r.nextDueDate));
    p.insert("auto_post", r.autoPost);
    p.insert("is_active", r.isActive);
    // The change object around it carries the version.
    tail(p, r, false);
    return p;
}

QJsonObject payload(const Transaction& t, const QList<SplitLine>& lines)
{
    QJsonObject p = head(t.id, t);
    p.insert("account_id", t.accountId);
    p.insert("date", dateText(t.date));
    p.insert("payee", t.payee);
    p.insert("memo", t.memo);
    p.insert("amount", t.amount);
    p.insert("category_id", t.categoryId);
    p.insert("check_number", t.checkNumber);
    p.insert("cleared", t.cleared);
    p.insert("reconciled", t.reconciled);
    p.insert("transfer_link_id", t.transferLinkId);
    p.insert("transfer_dest_account_id", t.transferDestAccountId);
    p.insert("is_split", t.isSplit);
    p.insert("recurring_id", t.recurringId);
    tail(p, t);
    if (t.isSplit) {
        QJsonArray array;
        for (const SplitLine& line : lines)
            array.append(QJsonObject { { "category_id", line.categoryId },
                { "amount", line.amount }, { "memo", line.memo } });
        p.insert("split_lines", array);
    }
    return p;
}

QJsonObject payload(const Reconciliation& r)
{
    QJsonObject p = head(r.id, r);
    p.insert("account_id", r.accountId);
    p.insert("statement_date", dateText(r.statementDate));
    p.insert("statement_balance", r.statementBalance);
    p.insert("reconciled_balance", r.reconciledBalance);
    p.insert("completed_at", dateTimeText(r.completedAt));
    tail(p, r);
    return p;
}

QJsonObject payload(const CsvProfileRecord& profile)
{
    QJsonObject p = head(profile.id, profile);
    p.insert("account_id", profile.accountId);
    p.insert("name", profile.name);
    p.insert("header_shape", profile.headerShape);
    p.insert("mapping", QJsonDocument::fromJson(profile.mapping.toUtf8()).object());
    tail(p, profile);
    return p;
}

Account account(const QJsonObject& record, const QString& localId)
{
    Account a;
    a.id = localId;
    a.name = text(record, "name");
    a.type = accountTypeFromText(text(record, "account_type"));
    a.currency = currencyFromText(text(record, "currency"));
    a.isShared = readBool(record.value("is_shared"));
    a.institution = text(record, "institution");
    a.accountNumberLast4 = text(record, "account_number_last4");
    a.startingBalance = readMoney(record.value("starting_balance"));
    a.sortOrder = record.value("sort_order").toInt();
    readSyncFields(record, a);
    return a;
}

Category category(const QJsonObject& record, const QString& localId)
{
    Category c;
    c.id = localId;
    c.name = text(record, "name");
    c.type = categoryTypeFromText(text(record, "category_type"));
    c.parentId = text(record, "parent_id");
    c.isTaxRelevant = readBool(record.value("is_tax_relevant"));
    c.taxCategory = text(record, "tax_category");
    c.icon = text(record, "icon");
    c.color = text(record, "color");
    c.isDefault = readBool(record.value("is_default"));
    c.accountId = text(record, "account_id");
    readSyncFields(record, c);
    return c;
}

RecurringTransaction recurring(const QJsonObject& record, const QString& localId)
{
    RecurringTransaction r;
    r.id = localId;
    r.accountId = text(record, "account_id");
    r.payee = text(record, "payee");
    r.memo = text(record, "memo");
    r.amount = readMoney(record.value("amount"));
    r.categoryId = text(record, "category_id");
    r.transferDestAccountId = text(record, "transfer_dest_account_id");
    r.frequency = frequencyFromText(text(record, "frequency"));
    r.startDate = readDate(record.value("start_date"));
    const QDate end = readDate(record.value("end_date"));
    if (end.isValid())
        r.endDate = end;
    r.nextDueDate = readDate(record.value("next_due_date"));
    r.autoPost = readBool(record.value("auto_post"));
    r.isActive = readBool(record.value("is_active"));
    readSyncFields(record, r);
    return r;
}

Transaction transaction(const QJsonObject& record, const QString& localId)
{
    Transaction t;
    t.id = localId;
    t.accountId = text(record, "account_id");
    t.date = readDate(record.value("date"));
    t.payee = text(record, "payee");
    t.memo = text(record, "memo");
    t.amount = readMoney(record.value("amount"));
    t.categoryId = text(record, "category_id");
    t.checkNumber = text(record, "check_number");
    t.cleared = readBool(record.value("cleared"));
    t.reconciled = readBool(record.value("reconciled"));
    t.transferLinkId = text(record, "transfer_link_id");
    t.transferDestAccountId = text(record, "transfer_dest_account_id");
    t.isSplit = readBool(record.value("is_split"));
    t.recurringId = text(record, "recurring_id");
    readSyncFields(record, t);
    return t;
}

Reconciliation reconciliation(const QJsonObject& record, const QString& localId)
{
    Reconciliation r;
    r.id = localId;
    r.accountId = text(record, "account_id");
    r.statementDate = readDate(record.value("statement_date"));
    r.statementBalance = readMoney(record.value("statement_balance"));
    r.reconciledBalance = readMoney(record.value("reconciled_balance"));
    r.completedAt = readDateTime(record.value("completed_at"));
    readSyncFields(record, r);
    return r;
}

CsvProfileRecord csvProfile(const QJsonObject& record, const QString& localId)
{
    CsvProfileRecord p;
    p.id = localId;
    p.accountId = text(record, "account_id");
    p.name = text(record, "name");
    p.headerShape = text(record, "header_shape");
    const QJsonValue mapping = record.value("mapping");
    if (mapping.isObject())
        p.mapping
            = QString::fromUtf8(QJsonDocument(mapping.toObject()).toJson(QJsonDocument::Compact));
    readSyncFields(record, p);
    return p;
}

QList<SplitLine> splitLines(const QJsonArray& lines, const Transaction& t)
{
    QList<SplitLine> out;
    for (const QJsonValue& value : lines) {
        const QJsonObject line = value.toObject();
        out.append({ Ids::newId(), t.id, line.value("category_id").toString(),
            readMoney(line.value("amount")), line.value("memo").toString(), t.createdAt,
            t.updatedAt });
    }
    return out;
}

QJsonArray records(const QJsonObject& page, SyncEntity entity)
{
    switch (entity) {
    case SyncEntity::Account: return page.value("accounts").toArray();
    case SyncEntity::Category: return page.value("categories").toArray();
    case SyncEntity::Recurring:
        return page.contains("recurring_transactions")
            ? page.value("recurring_transactions").toArray()
            : page.value("recurring").toArray();
    case SyncEntity::Transaction: return page.value("transactions").toArray();
    case SyncEntity::Reconciliation: return page.value("reconciliations").toArray();
    case SyncEntity::CsvProfile: return page.value("csv_profiles").toArray();
    }
    return {};
}

qsizetype recordCount(const QJsonObject& page)
{
    qsizetype count = 0;
    for (const SyncEntity entity : SyncEntities::kAll)
        count += records(page, entity).size();
    return count;
}

} // namespace SyncWire
