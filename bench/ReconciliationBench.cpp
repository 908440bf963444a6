#include "BenchHarness.h"
#include "SyntheticLedger.h"

#include "app/AppState.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "services/ReconciliationService.h"
#include "ui/screens/ReconciliationModel.h"
#include "ui/screens/ReconciliationScreen.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/SmartAmountField.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>

#include <algorithm>

#include <sqlite3.h>

// Reconciling the busiest account of the synthetic ledger against a statement
// that holds all of its unreconciled transactions: 20,000 of them (times
// --scale) among 50,000, the older ones reconciled before.
namespace {

void exec(sqlite3* db, const QString& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK)
        qFatal("reconciliation bench: %s", error);
}

// Every transaction but the newest `open` reconciled; then no history.
void reset(sqlite3* db, const QString& accountId, int open)
{
    exec(db,
        QStringLiteral("UPDATE transactions SET reconciled = (rowid NOT IN (SELECT rowid FROM "
                       "transactions WHERE account_id = '%1' AND deleted_at IS NULL ORDER BY "
                       "date DESC, created_at DESC LIMIT %2)) WHERE account_id = '%1'")
            .arg(accountId)
            .arg(open));
    exec(db, QStringLiteral("DELETE FROM reconciliations WHERE account_id = '%1'").arg(accountId));
}

// The finish's statements through the C API: one update of the ticked rows
// and the history row, in one transaction.
void finishBaseline(sqlite3* db, const QString& accountId, const QString& idList)
{
    exec(db, QStringLiteral("BEGIN"));
    sqlite3_stmt* update = nullptr;
    sqlite3_prepare_v2(db,
        "UPDATE transactions SET cleared = 1, reconciled = 1, updated_at = "
        "'2025-07-01T10:00:00Z', sync_status = 'pending' WHERE account_id = ? AND deleted_at IS "
        "NULL AND reconciled = 0 AND id IN (SELECT value FROM json_each(?))",
        -1, &update, nullptr);
    const QByteArray account = accountId.toUtf8();
    const QByteArray ids = idList.toUtf8();
    sqlite3_bind_text(update, 1, account.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_text(update, 2, ids.constData(), -1, SQLITE_STATIC);
    sqlite3_step(update);
    sqlite3_finalize(update);
    exec(db,
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                       "statement_balance, reconciled_balance, completed_at, version, "
                       "sync_status, server_id, created_at, updated_at) VALUES ('baseline', "
                       "'%1', '2025-06-30', 0, 0, '2025-07-01T10:00:00Z', 1, 'pending', '', "
                       "'2025-07-01T10:00:00Z', '2025-07-01T10:00:00Z')")
            .arg(accountId));
    exec(db, QStringLiteral("COMMIT"));
}

// The same rows marked one statement each, as writing every row through the
// transaction repository's update would.
void rowByRow(sqlite3* db, const QStringList& ids)
{
    exec(db, QStringLiteral("BEGIN"));
    sqlite3_stmt* update = nullptr;
    sqlite3_prepare_v2(db,
        "UPDATE transactions SET cleared = 1, reconciled = 1, updated_at = "
        "'2025-07-01T10:00:00Z', sync_status = 'pending' WHERE id = ?",
        -1, &update, nullptr);
    for (const QString& id : ids) {
        const QByteArray bytes = id.toUtf8();
        sqlite3_bind_text(update, 1, bytes.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(update);
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
    exec(db, QStringLiteral("ROLLBACK"));
}

std::unique_ptr<ReconciliationScreen> openScreen(AppState& state, const QString& accountId)
{
    auto screen = std::make_unique<ReconciliationScreen>(&state);
    screen->resize(1100, 720);
    screen->show();
    QApplication::processEvents();
    screen->setAccount(accountId);
    return screen;
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("reconciliation"));
    const QString dir = context.workDir + QStringLiteral("/reconciliation");
    QDir().mkpath(dir);
    const int open = int(20'000 * context.scale);
    QString accountId;
    {
        Database db;
        SyntheticLedger::Summary ledger
            = SyntheticLedger::prepare(db, dir + QStringLiteral("/ledgerine.db"));
        SyntheticLedger::addTransactions(db, ledger, int(500'000 * context.scale));
        accountId = ledger.accountIds.first();
        reset(db.handle(), accountId, open);
    }
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    AppState state;
    if (!state.initialize())
        qFatal("reconciliation bench: cannot open %s", qPrintable(dir));
    sqlite3* db = state.database()->handle();
    const int listed = int(state.transactions()->findUnreconciled(accountId).size());
    Bench::note(QStringLiteral("%1 unreconciled transactions in the account").arg(listed));

    const int runs = 5;
    auto screen = openScreen(state, accountId);
    const double openMs = Bench::medianMs(runs, [&] {
        screen->setAccount(accountId);
        screen->repaint();
    });
    const double openingMs
        = Bench::medianMs(runs, [&] { state.reconciliationService()->open(accountId); });
    const double readMs
        = Bench::medianMs(runs, [&] { state.transactions()->findUnreconciled(accountId); });
    Bench::report(QStringLiteral("setAccount until the table is painted"), openMs, std::nullopt,
        QStringLiteral("< 300 ms"));
    Bench::note(QStringLiteral("of which previous balance and default date %1 ms, "
                               "findUnreconciled %2 ms")
                    .arg(openingMs, 0, 'f', 1)
                    .arg(readMs, 0, 'f', 1));

    // Ticks spread over the list, each with the summary it updates.
    ReconciliationModel* model = screen->model();
    const int rows = model->rowCount();
    int next = 0;
    const double tickMs = Bench::medianMs(201, [&] {
        screen->onTransactionToggled(next);
        next = (next + 97) % rows;
    });
    Bench::report(QStringLiteral("a tick with its summary update"), tickMs, std::nullopt,
        QStringLiteral("< 5 ms"));
    const double tickPaintMs = Bench::medianMs(51, [&] {
        screen->table()->setCurrentIndex(model->index(next, ReconciliationModel::PayeeColumn));
        screen->onTransactionToggled(next);
        screen->repaint();
        next = (next + 97) % rows;
    });
    Bench::report(QStringLiteral("  the same with a repaint of the window"), tickPaintMs);

    // Finish with every row ticked, each run on a fresh screen over the same
    // rows, the only screen open as in use.
    screen.reset();
    QList<double> finishMs;
    QStringList ids;
    for (int run = 0; run < 3; ++run) {
        reset(db, accountId, open);
        auto fresh = openScreen(state, accountId);
        for (int row = 0; row < fresh->model()->rowCount(); ++row)
            fresh->model()->setTicked(row, true);
        const qint64 cleared = state.reconciliationService()->open(accountId)->previousBalance
            + fresh->model()->clearedDeposits() + fresh->model()->clearedWithdrawals();
        fresh->findChild<SmartAmountField*>(QStringLiteral("statementBalanceField"))
            ->setAmount(cleared);
        ids = fresh->model()->tickedIds();
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        QElapsedTimer timer;
        timer.start();
        fresh->finish();
        finishMs << timer.nsecsElapsed() / 1e6;
        if (state.transactions()->findUnreconciled(accountId).size() != 0)
            qFatal("reconciliation bench: the finish did not store");
    }
    std::sort(finishMs.begin(), finishMs.end());
    const QString idList = QStringLiteral("[\"%1\"]").arg(ids.join(QStringLiteral("\",\"")));
    QList<double> baselineRuns;
    for (int run = 0; run < 3; ++run) {
        reset(db, accountId, open);
        QElapsedTimer timer;
        timer.start();
        finishBaseline(db, accountId, idList);
        baselineRuns << timer.nsecsElapsed() / 1e6;
    }
    std::sort(baselineRuns.begin(), baselineRuns.end());
    const double baselineMs = baselineRuns.at(1);
    reset(db, accountId, open);
    const double rowByRowMs = Bench::medianMs(1, [&] { rowByRow(db, ids); });
    Bench::report(QStringLiteral("Finish with %1 ticked rows").arg(ids.size()), finishMs.at(1),
        baselineMs, QStringLiteral("< 1000 ms (baseline: its statements through the C API)"));
    Bench::note(QStringLiteral("the same rows updated one statement each: %1 ms")
                    .arg(rowByRowMs, 0, 'f', 0));
    qunsetenv("LEDGERINE_DATA_DIR");
}

const Bench::Registration registration(35, "reconciliation", run);

} // namespace
