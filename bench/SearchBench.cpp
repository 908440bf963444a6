#include "BenchHarness.h"
#include "BenchSql.h"
#include "SyntheticLedger.h"

#include "app/AppState.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "services/PayeeService.h"
#include "ui/register/RegisterModel.h"
#include "ui/screens/PayeeScreen.h"
#include "ui/screens/SearchScreen.h"

#include <QDir>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTreeWidget>

#include <sqlite3.h>

// The search window, the payee window and a payee rename over the synthetic
// ledger of a million transactions, opened by the application state.
namespace {

const char* const kPayeeCountsSql
    = "SELECT payee, COUNT(*) FROM transactions WHERE deleted_at IS NULL AND payee != '' GROUP "
      "BY payee ORDER BY payee";
const char* const kRenameSql
    = "UPDATE transactions SET payee = ?, updated_at = ?, sync_status = 'pending' WHERE payee IN "
      "(SELECT value FROM json_each(?)) AND deleted_at IS NULL";

void measureTypedSearch(AppState& state)
{
    SearchScreen screen(&state);
    screen.resize(800, 550);
    screen.show();
    screen.refreshFilters();
    sqlite3* raw = state.database()->handle();
    const QString common = SyntheticLedger::commonPayeeWord();
    const QString rare = SyntheticLedger::rarePayeeWord();
    for (const QString& text :
        { common.left(4), rare.left(3) + QLatin1Char(' ') + common.left(3) }) {
        screen.searchLine()->setText(text);
        // The pause after typing is the debounce's; what follows it is measured.
        const double ms = Bench::medianMs(9, [&] {
            screen.performSearch();
            screen.view()->viewport()->repaint();
        });
        const std::string expression = TransactionRepository::matchExpression(text).toStdString();
        const double base = Bench::medianMs(
            9, [&] { BenchSql::rawRead(raw, BenchSql::searchSql(false), { expression }); });
        Bench::report(QStringLiteral("typed search \"%1\", results shown (%2 rows)")
                          .arg(text)
                          .arg(screen.model()->rowCount()),
            ms, base, QStringLiteral("< 50 ms"));
    }
}

void measurePayees(AppState& state)
{
    sqlite3* raw = state.database()->handle();
    PayeeScreen screen(&state);
    screen.resize(550, 500);
    screen.show();
    const double listMs = Bench::medianMs(5, [&] {
        screen.reload();
        screen.list()->viewport()->repaint();
    });
    const double listBase
        = Bench::medianMs(5, [&] { BenchSql::rawRead(raw, kPayeeCountsSql, {}); });
    Bench::report(QStringLiteral("payee window listing %1 payees with counts")
                      .arg(screen.list()->topLevelItemCount()),
        listMs, listBase, QStringLiteral("< 200 ms"));

    // One payee made to carry 10,000 transactions, renamed back and forth.
    QSqlQuery(state.database()->database())
        .exec(QStringLiteral("UPDATE transactions SET payee = 'Bench Payee A' WHERE rowid IN "
                             "(SELECT rowid FROM transactions WHERE deleted_at IS NULL ORDER BY "
                             "rowid LIMIT 10000)"));
    PayeeService* payees = state.payeeService();
    // The payee's current name, and the next one to give it.
    QString holder = QStringLiteral("Bench Payee A");
    int step = 0;
    const auto nextName = [&step] { return QStringLiteral("Bench Payee %1").arg(++step); };
    int renamed = 0;
    const double renameMs = Bench::medianMs(5, [&] {
        const QString next = nextName();
        renamed = payees->rename({ holder }, next).value_or(-1);
        holder = next;
    });
    const double renameBase = Bench::medianMs(5, [&] {
        const QString next = nextName();
        BenchSql::rawWrite(raw, "BEGIN", {});
        BenchSql::rawWrite(raw, kRenameSql,
            { next.toStdString(), "2025-01-01T00:00:00Z", "[\"" + holder.toStdString() + "\"]" });
        BenchSql::rawWrite(raw, "COMMIT", {});
        holder = next;
    });
    Bench::report(QStringLiteral("rename a payee of %1 transactions").arg(renamed), renameMs,
        renameBase, QStringLiteral("< 1 s"));
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("search"));
    const QString dir = context.workDir + QStringLiteral("/search");
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/ledgerine.db");
    {
        Database db;
        SyntheticLedger::Summary summary = SyntheticLedger::prepare(db, path);
        SyntheticLedger::addTransactions(db, summary, int(1'000'000 * context.scale));
        Bench::note(QStringLiteral("%1 transactions").arg(summary.transactions));
    }
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        if (state.initialize()) {
            measureTypedSearch(state);
            measurePayees(state);
        } else {
            Bench::note(QStringLiteral("the application state could not be initialised"));
        }
    }
    qunsetenv("LEDGERINE_DATA_DIR");
    Bench::removeDatabase(context, path);
}

const Bench::Registration registration(60, "search", run);

} // namespace
