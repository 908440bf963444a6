#include "BenchHarness.h"
#include "SyntheticLedger.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "services/ReportService.h"
#include "ui/screens/ReportsScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>

#include <algorithm>
#include <ctime>
#include <sqlite3.h>

// The reports over the synthetic ledger (1,000,000 transactions times
// --scale), each for all time over all accounts and over the busiest account.
// The baseline steps the very statements the service ran (captured from
// SQLite with their values) through the C API, reading every column.
namespace {

const QDate kToday(2025, 12, 31);
const ReportPeriod kAllTime { QDate(2000, 1, 1), kToday };
const char* const kCandidateIndex = "idx_transactions_live_report";

struct Report {
    const char* name;
    std::function<void(ReportService*, const ReportScope&)> run;
};

QList<Report> reports()
{
    const ReportPeriod earlier { QDate(2000, 1, 1), QDate(2020, 12, 31) };
    const ReportPeriod later { QDate(2021, 1, 1), kToday };
    return {
        { "category spending",
            [](ReportService* r, const ReportScope& s) { r->categorySpending(kAllTime, s); } },
        { "income vs expenses",
            [](ReportService* r, const ReportScope& s) { r->incomeVsExpenses(kAllTime, s); } },
        { "cash flow", [](ReportService* r, const ReportScope& s) { r->cashFlow(kAllTime, s); } },
        { "payee summary",
            [](ReportService* r, const ReportScope& s) { r->payeeSummary(kAllTime, s); } },
        { "tax report", [](ReportService* r, const ReportScope& s) { r->taxReport(kAllTime, s); } },
        { "account summary", [](ReportService* r, const ReportScope& s) { r->accountSummary(s); } },
        { "transaction list",
            [](ReportService* r, const ReportScope& s) { r->transactionList(kAllTime, s, {}); } },
        { "comparison, 2000-2020 vs 2021-",
            [earlier, later](ReportService* r, const ReportScope& s) {
                r->categoryComparison(earlier, later, s);
            } },
    };
}

int captureStatement(unsigned type, void* context, void* statement, void*)
{
    if (type != SQLITE_TRACE_STMT)
        return 0;
    char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    static_cast<QStringList*>(context)->append(QString::fromUtf8(sql));
    sqlite3_free(sql);
    return 0;
}

// The statements `body` runs, with their values in place.
QStringList captured(sqlite3* db, const std::function<void()>& body)
{
    QStringList statements;
    sqlite3_trace_v2(db, SQLITE_TRACE_STMT, captureStatement, &statements);
    body();
    sqlite3_trace_v2(db, 0, nullptr, nullptr);
    return statements;
}

void stepRaw(sqlite3* db, const QStringList& statements)
{
    for (const QString& sql : statements) {
        sqlite3_stmt* s = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), -1, &s, nullptr) != SQLITE_OK)
            qFatal("baseline prepare: %s", sqlite3_errmsg(db));
        qint64 sink = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(s); ++c)
                sink += sqlite3_column_bytes(s, c) + sqlite3_column_int64(s, c);
        }
        sqlite3_finalize(s);
        Q_UNUSED(sink);
    }
}

QString plan(sqlite3* db, const QString& sql)
{
    QStringList steps;
    sqlite3_stmt* s = nullptr;
    const QByteArray utf8 = (QStringLiteral("EXPLAIN QUERY PLAN ") + sql).toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), -1, &s, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(db));
    while (sqlite3_step(s) == SQLITE_ROW)
        steps << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 3)));
    sqlite3_finalize(s);
    return steps.join(QStringLiteral("; "));
}

// The median processor time of `count` runs.
double cpuMs(const std::function<void()>& body, int count = 1)
{
    QList<double> runs;
    for (int i = 0; i < count; ++i) {
        const std::clock_t start = std::clock();
        body();
        runs << 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
    }
    std::sort(runs.begin(), runs.end());
    return runs.at(runs.size() / 2);
}

void measureReports(AppState& state, const QString& accountId, bool showPlans)
{
    sqlite3* db = state.database()->handle();
    for (const Report& report : reports()) {
        for (const bool one : { false, true }) {
            const ReportScope scope { one ? accountId : QString(), std::nullopt };
            ReportService* service = state.reportService();
            const QStringList sql = captured(db, [&] { report.run(service, scope); });
            const double ms = Bench::medianMs(3, [&] { report.run(service, scope); });
            const double rawMs = Bench::medianMs(3, [&] { stepRaw(db, sql); });
            Bench::report(QStringLiteral("%1, %2").arg(QLatin1String(report.name),
                              one ? QStringLiteral("one account") : QStringLiteral("all accounts")),
                ms, rawMs, one ? QStringLiteral("< 100 ms") : QStringLiteral("< 300 ms"));
            // On a shared machine the wall clock counts the waits for a core;
            // the processor time of one run does not.
            Bench::note(QStringLiteral("  processor time: %1 ms, baseline %2 ms")
                            .arg(cpuMs([&] { report.run(service, scope); }), 0, 'f', 1)
                            .arg(cpuMs([&] { stepRaw(db, sql); }), 0, 'f', 1));
            if (showPlans && !sql.isEmpty())
                Bench::note(QStringLiteral("  plan: %1").arg(plan(db, sql.first())));
        }
    }
}

// Runs the events until the tab's report is in.
void waitFor(const ReportsScreen& screen, int tab)
{
    while (screen.isComputing(tab))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

void measureScreen(AppState& state)
{
    ReportsScreen screen(&state);
    screen.resize(1000, 700);
    screen.show();
    QApplication::processEvents();
    waitFor(screen, ReportsScreen::CategorySpendingTab);
    screen.periodBox()->setCurrentIndex(screen.periodBox()->findText(QStringLiteral("All Time")));
    waitFor(screen, ReportsScreen::CategorySpendingTab);
    // What the window's own thread spends; the sums run on the reports' thread.
    const double callMs = Bench::medianMs(3, [&] {
        screen.tabs()->setCurrentIndex(0);
        screen.runReport();
        screen.tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
        screen.runReport();
    });
    waitFor(screen, ReportsScreen::TransactionsTab);
    Bench::report(QStringLiteral("runReport, \"All Time\": the window's thread, per call"),
        callMs / 2, std::nullopt, QStringLiteral("never freezes"));
    const double firstMs = Bench::medianMs(3, [&] {
        screen.tabs()->setCurrentIndex(0);
        screen.runReport();
        waitFor(screen, 0);
    });
    Bench::report(
        QStringLiteral("runReport, \"All Time\": the tab on screen, until shown"), firstMs);
    const auto everyTab = [&] {
        screen.tabs()->setCurrentIndex(0);
        screen.runReport();
        waitFor(screen, 0);
        for (int tab = 1; tab < ReportsScreen::TabCount; ++tab) {
            screen.tabs()->setCurrentIndex(tab);
            waitFor(screen, tab);
        }
    };
    const double allMs = Bench::medianMs(1, everyTab);
    Bench::report(QStringLiteral("runReport, \"All Time\", then every tab shown and painted"),
        allMs, std::nullopt, QStringLiteral("< 1500 ms"));
    Bench::note(QStringLiteral("  processor time of the window's thread and the reports' thread: "
                               "%1 ms")
                    .arg(cpuMs(everyTab), 0, 'f', 1));
}

bool hasIndex(Database* db, const char* name)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db->handle(),
        "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?", -1, &s, nullptr);
    sqlite3_bind_text(s, 1, name, -1, SQLITE_STATIC);
    const bool found = sqlite3_step(s) == SQLITE_ROW;
    sqlite3_finalize(s);
    return found;
}

void exec(Database* db, const QString& sql)
{
    if (sqlite3_exec(db->handle(), sql.toUtf8().constData(), nullptr, nullptr, nullptr)
        != SQLITE_OK)
        qFatal("%s: %s", qPrintable(sql), sqlite3_errmsg(db->handle()));
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("reports"));
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
    Clock::setFixedUtc(QDateTime(kToday, QTime(12, 0), Qt::UTC));
    const QString dir = context.workDir + QStringLiteral("/reports");
    QDir().mkpath(dir);
    {
        Database db;
        SyntheticLedger::Summary summary
            = SyntheticLedger::prepare(db, dir + QStringLiteral("/ledgerine.db"));
        SyntheticLedger::addTransactions(db, summary, int(1'000'000 * context.scale));
        Bench::note(QStringLiteral("%1 accounts, %2 transactions, %3 split lines")
                        .arg(summary.accountIds.size())
                        .arg(summary.transactions)
                        .arg(summary.splitLines));
    }
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        if (!state.initialize()) {
            Bench::note(QStringLiteral("the application state could not be initialised"));
            return;
        }
        const QString busiest = state.accounts()->findAll().first().id;
        Database* db = state.database();
        const bool indexed = hasIndex(db, kCandidateIndex);
        Bench::note(QStringLiteral("with the schema as migrated (%1 %2):")
                        .arg(QLatin1String(kCandidateIndex),
                            indexed ? QStringLiteral("present") : QStringLiteral("absent")));
        measureReports(state, busiest, true);
        measureScreen(state);

        // The same again with the report index the other way round, to show what it is worth.
        if (indexed)
            exec(db, QStringLiteral("DROP INDEX %1").arg(QLatin1String(kCandidateIndex)));
        else
            exec(db,
                QStringLiteral(
                    "CREATE INDEX %1 ON transactions(date, account_id, amount, "
                    "category_id, is_split, transfer_link_id, deleted_at) WHERE deleted_at IS NULL")
                    .arg(QLatin1String(kCandidateIndex)));
        Bench::note(QStringLiteral("with %1 %2:")
                        .arg(QLatin1String(kCandidateIndex),
                            indexed ? QStringLiteral("dropped") : QStringLiteral("created")));
        measureReports(state, busiest, true);
        measureScreen(state);
    }
    qunsetenv("LEDGERINE_DATA_DIR");
    Bench::removeDatabase(context, dir + QStringLiteral("/ledgerine.db"));
    Clock::clearFixed();
}

const Bench::Registration registration(60, "reports", run);

} // namespace
