#include "BenchHarness.h"
#include "SyntheticLedger.h"

#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/RecurringRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"
#include "services/RecurringService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>

#include <algorithm>
#include <sqlite3.h>
#include <string>

namespace {

const QDate kToday(2025, 6, 18);

struct Case {
    QString name;
    QList<RecurringTransaction> schedules;
};

RecurringTransaction schedule(
    const SyntheticLedger::Summary& ledger, int i, Frequency frequency, const QDate& due)
{
    RecurringTransaction r;
    r.id = Ids::newId();
    r.accountId = ledger.accountIds[i % ledger.accountIds.size()];
    r.payee = QStringLiteral("Standing order %1").arg(i);
    r.memo = i % 2 ? QStringLiteral("auto") : QString();
    r.amount = -(1000 + i);
    r.categoryId = ledger.categoryIds[i % ledger.categoryIds.size()];
    r.frequency = frequency;
    r.startDate = due;
    r.nextDueDate = due;
    r.autoPost = true;
    // Every tenth one moves money to the next account.
    if (i % 10 == 0)
        r.transferDestAccountId = ledger.accountIds[(i + 1) % ledger.accountIds.size()];
    r.createdAt = r.updatedAt = Clock::nowUtc();
    return r;
}

// 100 daily schedules 400 days behind (each stopped by the catch-up cap) and
// 400 monthly ones up to a year behind.
Case behind(const SyntheticLedger::Summary& ledger, double scale)
{
    Case c { QStringLiteral("500 schedules, 100 daily 400 days behind"), {} };
    const int daily = qMax(1, int(100 * scale));
    for (int i = 0; i < daily; ++i)
        c.schedules << schedule(ledger, i, Frequency::Daily, kToday.addDays(-400));
    for (int i = 0; i < qMax(4, int(400 * scale)); ++i)
        c.schedules << schedule(ledger, daily + i, Frequency::Monthly, kToday.addMonths(-(i % 12)));
    return c;
}

Case dueToday(const SyntheticLedger::Summary& ledger, double scale)
{
    Case c { QStringLiteral("2,000 schedules all due today"), {} };
    for (int i = 0; i < qMax(20, int(2000 * scale)); ++i)
        c.schedules << schedule(ledger, i, Frequency::Monthly, kToday);
    return c;
}

// The rows a run writes, worked out without the service: each occurrence up
// to today, at most the first and kCatchUpCap more per schedule.
struct Occurrence {
    const RecurringTransaction* schedule;
    QDate date;
};

QList<Occurrence> occurrences(const Case& c)
{
    QList<Occurrence> out;
    for (const RecurringTransaction& r : c.schedules) {
        QDate date = r.nextDueDate;
        for (int n = 0; date <= kToday && n <= RecurringService::kCatchUpCap; ++n) {
            out.append({ &r, date });
            date = RecurringService::nextDate(date, r.frequency);
        }
    }
    return out;
}

void bindText(sqlite3_stmt* s, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(s, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void insertRaw(sqlite3_stmt* s, const RecurringTransaction& r, const QString& id,
    const QString& account, const QDate& date, qint64 amount, const QString& link,
    const QString& dest, const std::string& now)
{
    bindText(s, 1, id);
    bindText(s, 2, account);
    bindText(s, 3, date.toString(Qt::ISODate));
    bindText(s, 4, r.payee);
    bindText(s, 5, r.memo);
    sqlite3_bind_int64(s, 6, amount);
    bindText(s, 7, r.categoryId);
    bindText(s, 8, link);
    bindText(s, 9, dest);
    bindText(s, 10, r.id);
    sqlite3_bind_text(s, 11, now.c_str(), -1, SQLITE_STATIC);
    if (sqlite3_step(s) != SQLITE_DONE)
        qFatal("baseline insert: %s", sqlite3_errmsg(sqlite3_db_handle(s)));
    sqlite3_reset(s);
}

// The same inserts and schedule updates through prepared C API statements in
// one database transaction, without steps that can fail on their own.
void rawPost(Database& db, const QList<Occurrence>& list)
{
    sqlite3* raw = db.handle();
    sqlite3_exec(raw, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(raw,
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
        "recurring_id, version, sync_status, server_id, created_at, updated_at) VALUES (?1, ?2, "
        "?3, ?4, ?5, ?6, ?7, '', 0, 0, ?8, ?9, 0, ?10, 1, 'pending', '', ?11, ?11)",
        -1, &insert, nullptr);
    sqlite3_stmt* advance = nullptr;
    sqlite3_prepare_v2(raw,
        "UPDATE recurring_transactions SET next_due_date = ?, updated_at = ?, sync_status = "
        "'pending' WHERE id = ?",
        -1, &advance, nullptr);
    const std::string now = Clock::nowIso().toStdString();
    for (const Occurrence& o : list) {
        const RecurringTransaction& r = *o.schedule;
        const QString id = RecurringService::occurrenceId(r.id, o.date);
        const bool transfer = !r.transferDestAccountId.isEmpty();
        const QString legId
            = transfer ? RecurringService::occurrenceId(r.id, o.date, true) : QString();
        insertRaw(
            insert, r, id, r.accountId, o.date, r.amount, legId, r.transferDestAccountId, now);
        if (transfer)
            insertRaw(
                insert, r, legId, r.transferDestAccountId, o.date, -r.amount, id, r.accountId, now);
        bindText(advance, 1, RecurringService::nextDate(o.date, r.frequency).toString(Qt::ISODate));
        sqlite3_bind_text(advance, 2, now.c_str(), -1, SQLITE_STATIC);
        bindText(advance, 3, r.id);
        if (sqlite3_step(advance) != SQLITE_DONE)
            qFatal("baseline update: %s", sqlite3_errmsg(raw));
        sqlite3_reset(advance);
    }
    sqlite3_finalize(insert);
    sqlite3_finalize(advance);
    sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
}

// A copy of the prepared database for each run, so every run starts behind.
template <class Body>
double timeOnCopy(const Bench::Context& context, const QString& source, Body body)
{
    const QString path = context.workDir + QStringLiteral("/recurring-run.db");
    Bench::Context scratch = context;
    scratch.keep = false;
    Bench::removeDatabase(scratch, path);
    if (!QFile::copy(source, path))
        qFatal("cannot copy %s", qPrintable(source));
    Database db;
    if (!db.open(path))
        qFatal("cannot open %s", qPrintable(path));
    QElapsedTimer timer;
    timer.start();
    body(db);
    return timer.nsecsElapsed() / 1e6;
}

using CaseBuilder = Case (*)(const SyntheticLedger::Summary&, double);

// The median of three runs on fresh copies.
template <class Body> double median(const Bench::Context& context, const QString& source, Body body)
{
    QList<double> runs;
    for (int i = 0; i < 3; ++i)
        runs << timeOnCopy(context, source, body);
    std::sort(runs.begin(), runs.end());
    return runs.at(1);
}

void measure(const Bench::Context& context, CaseBuilder build)
{
    const QString source = context.workDir + QStringLiteral("/recurring.db");
    Case c;
    {
        Database db;
        const SyntheticLedger::Summary ledger = SyntheticLedger::prepare(db, source);
        c = build(ledger, context.scale);
        RecurringRepository repo(&db);
        TransactionScope scope(&db);
        for (const RecurringTransaction& r : std::as_const(c.schedules))
            repo.insert(r);
        scope.commit();
    }
    const QList<Occurrence> expected = occurrences(c);

    int posted = 0;
    const double ms = median(context, source, [&posted](Database& db) {
        RecurringRepository recurring(&db);
        TransactionRepository transactions(&db);
        AccountRepository accounts(&db);
        RecurringService service(&db, &recurring, &transactions, &accounts);
        posted = service.autoPostDue();
    });
    const double rawMs
        = median(context, source, [&expected](Database& db) { rawPost(db, expected); });

    Bench::report(QStringLiteral("autoPostDue: %1").arg(c.name), ms, rawMs,
        QStringLiteral("10,000 posts < 2 s"));
    Bench::note(QStringLiteral("%1 occurrences posted (%2 expected), %3 posts/s, so 10,000 posts "
                               "in %4 ms")
                    .arg(posted)
                    .arg(expected.size())
                    .arg(qRound(posted / (ms / 1000.0)))
                    .arg(qRound(10000 * ms / qMax(1, posted))));
    Bench::removeDatabase(context, source);
    Bench::removeDatabase(context, context.workDir + QStringLiteral("/recurring-run.db"));
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("recurring"));
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
    Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), Qt::UTC));
    // A line per capped schedule would bury the table.
    QLoggingCategory::setFilterRules(QStringLiteral("ledgerine.*=false"));
    measure(context, behind);
    measure(context, dueToday);
    QLoggingCategory::setFilterRules(QString());
    Clock::clearFixed();
}

const Bench::Registration registration(50, "recurring", run);

} // namespace
