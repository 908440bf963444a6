#include "BenchHarness.h"
#include "SyntheticLedger.h"

#include "data/Database.h"
#include "data/StoreCheck.h"

#include <QElapsedTimer>

#include <ctime>

// The integrity check every start runs off the window's thread, over the
// synthetic ledger of a million transactions.
namespace {

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("integrity"));
    Bench::note(QStringLiteral("load average before measuring: %1").arg(Bench::loadAverage()));
    const int count = qMax(1000, int(1'000'000 * context.scale));
    const QString path = context.workDir + QStringLiteral("/integrity.db");
    {
        Database db;
        SyntheticLedger::Summary ledger = SyntheticLedger::prepare(db, path);
        SyntheticLedger::addTransactions(db, ledger, count);
    }
    // The first read after generating finds the pages in the system's cache,
    // as a start after a recent session does.
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpu = std::clock();
    const StoreCheck::Outcome outcome = StoreCheck::run(path);
    Bench::report(QStringLiteral("PRAGMA quick_check of %1 transactions").arg(count),
        timer.nsecsElapsed() / 1e6);
    Bench::note(QStringLiteral("%1; CPU time %2 ms; the check runs on a thread of its own, so "
                               "the window is usable meanwhile")
                    .arg(outcome.ran ? (
                             outcome.problem.isEmpty() ? QStringLiteral("sound") : outcome.problem)
                                     : QStringLiteral("DID NOT RUN"))
                    .arg(double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC, 0, 'f', 0));
    Bench::removeDatabase(context, path);
}

const Bench::Registration registration(65, "integrity", run);

} // namespace
