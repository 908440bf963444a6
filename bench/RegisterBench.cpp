#include "BenchHarness.h"
#include "BenchSql.h"
#include "SyntheticLedger.h"

#include "app/AppState.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <sqlite3.h>

namespace {

const std::string kSortedSql = "SELECT " + BenchSql::kColumns + ", " + BenchSql::kDisplayName
    + " AS category_name FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
      "WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC";

double elapsedMs(const std::function<void()>& body)
{
    QElapsedTimer timer;
    timer.start();
    body();
    return timer.nsecsElapsed() / 1e6;
}

// One account of `size` transactions, with real widgets on the offscreen platform.
void measure(Bench::Context& context, int size)
{
    const QString dir = context.workDir + QStringLiteral("/register-%1").arg(size);
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/ledgerine.db");
    QString accountId;
    {
        Database db;
        SyntheticLedger::Summary ledger = SyntheticLedger::prepare(db, path);
        SyntheticLedger::addTransactions(db, ledger, size, true);
        accountId = ledger.accountIds.first();
    }
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    {
        AppState state;
        if (!state.initialize())
            qFatal("register bench: cannot open %s", qPrintable(dir));
        const int runs = size >= 1'000'000 ? 3 : 5;

        // The limit a whole-account load has: the sorted query alone.
        const double sortedMs = Bench::medianMs(size >= 1'000'000 ? 1 : runs, [&] {
            BenchSql::rawRead(state.database()->handle(), kSortedSql, { accountId.toStdString() });
        });
        Bench::report(
            QStringLiteral("%1 rows: the sorted C API query (whole account)").arg(size), sortedMs);

        RegisterScreen screen(&state);
        screen.resize(1280, 800);
        screen.show();
        QCoreApplication::processEvents();
        // Each run opens the register afresh, as choosing the account does.
        const double openMs = Bench::medianMs(runs, [&] {
            screen.setAccount(accountId);
            screen.repaint();
        });
        Bench::report(QStringLiteral("%1 rows: open, first screenful painted").arg(size), openMs,
            sortedMs, size >= 1'000'000 ? QStringLiteral("< 300 ms") : QStringLiteral("< 150 ms"));

        // A screenful down at a time from the top, then jumps to places
        // never shown, each painted.
        RegisterTableView* view = screen.view();
        QScrollBar* bar = view->verticalScrollBar();
        const auto scrollBy = [&](int to) {
            return elapsedMs([&] {
                bar->setValue(to);
                screen.repaint();
            });
        };
        bar->setValue(0);
        screen.repaint();
        std::vector<double> steps;
        for (int i = 1; i <= 40; ++i)
            steps.push_back(scrollBy(std::min(bar->maximum(), i * bar->pageStep())));
        std::sort(steps.begin(), steps.end());
        Bench::report(QStringLiteral("%1 rows: scroll a screenful (median of 40)").arg(size),
            steps[steps.size() / 2], std::nullopt, QStringLiteral("< 16 ms"));
        Bench::report(QStringLiteral("%1 rows: scroll a screenful (slowest of 40)").arg(size),
            steps.back(), std::nullopt, QStringLiteral("< 16 ms"));
        std::vector<double> jumps;
        for (int i = 1; i <= 9; ++i)
            jumps.push_back(scrollBy(bar->maximum() / 10 * i + 7));
        std::sort(jumps.begin(), jumps.end());
        Bench::report(
            QStringLiteral("%1 rows: jump to a place not yet shown (median of 9)").arg(size),
            jumps[jumps.size() / 2]);

        // Another column reads the whole account, as a sort must.
        if (size <= 100'000) {
            RegisterModel* model = screen.model();
            const double sortMs = Bench::medianMs(3, [&] {
                model->sort(RegisterModel::PayeeColumn, Qt::AscendingOrder);
                screen.repaint();
                model->sort(RegisterModel::DateColumn, Qt::AscendingOrder);
            });
            Bench::report(
                QStringLiteral("%1 rows: sort by Payee and back").arg(size), sortMs, sortedMs);
        }
    }
    qunsetenv("LEDGERINE_DATA_DIR");
    Bench::removeDatabase(context, path);
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("register"));
    Bench::note(QStringLiteral("load average %1").arg(Bench::loadAverage()));
    for (int size : { 10'000, 100'000, 1'000'000 })
        measure(context, std::max(1, int(size * context.scale)));
}

const Bench::Registration registration(30, "register", run);

} // namespace
