#include "BenchHarness.h"
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

#include <algorithm>

namespace {

// The register of the account holding a tenth of the ledger, with real widgets
// on the offscreen platform.
void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("register"));
    const QString dir = context.workDir + QStringLiteral("/register");
    QDir().mkpath(dir);
    QString accountId;
    {
        Database db;
        SyntheticLedger::Summary ledger
            = SyntheticLedger::prepare(db, dir + QStringLiteral("/ledgerine.db"));
        SyntheticLedger::addTransactions(db, ledger, int(1'000'000 * context.scale));
        accountId = ledger.accountIds.first();
    }
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    AppState state;
    if (!state.initialize())
        qFatal("register bench: cannot open %s", qPrintable(dir));

    const int runs = 5;
    QList<TransactionRow> rows;
    const double repositoryMs
        = Bench::medianMs(runs, [&] { rows = state.transactions()->findRegisterRows(accountId); });
    RegisterModel bare;
    const double modelMs = Bench::medianMs(runs, [&] { bare.setRows(rows); });
    Bench::report(QStringLiteral("findRegisterRows, %1 rows").arg(rows.size()), repositoryMs);
    Bench::report(QStringLiteral("model setRows (date sort)"), modelMs);

    RegisterScreen screen(&state);
    screen.resize(1280, 800);
    screen.show();
    QCoreApplication::processEvents();
    const double openMs = Bench::medianMs(runs, [&] {
        screen.setAccount(accountId);
        screen.repaint();
    });
    Bench::report(QStringLiteral("setAccount + reload + paint"), openMs, std::nullopt,
        QStringLiteral("< 500 ms"));
    Bench::note(QStringLiteral("of which repository %1 ms, model %2 ms, the rest view and paint")
                    .arg(repositoryMs, 0, 'f', 0)
                    .arg(modelMs, 0, 'f', 0));

    RegisterModel* model = screen.model();
    const double sortMs = Bench::medianMs(runs, [&] {
        model->sort(RegisterModel::PayeeColumn, Qt::AscendingOrder);
        model->sort(RegisterModel::DateColumn, Qt::AscendingOrder);
    });
    const double dateSortMs = Bench::medianMs(
        runs, [&] { model->sort(RegisterModel::DateColumn, Qt::AscendingOrder); });
    // What sorting would cost comparing strings from scratch for every pair.
    const double naiveMs = Bench::medianMs(1, [&] {
        QList<TransactionRow> copy = rows;
        std::stable_sort(copy.begin(), copy.end(), [](const auto& a, const auto& b) {
            return QString::localeAwareCompare(a.payee, b.payee) < 0;
        });
    });
    Bench::report(QStringLiteral("sort by Payee, %1 rows").arg(rows.size()), sortMs - dateSortMs,
        naiveMs, QStringLiteral("< 500 ms (baseline: pairwise locale compare)"));

    // data() as the view asks while scrolling: every role of every cell of a screenful.
    const int roles[] = { Qt::DisplayRole, Qt::ForegroundRole, Qt::BackgroundRole, Qt::FontRole,
        Qt::TextAlignmentRole, Qt::DecorationRole };
    const int first = std::max(0, model->rowCount() / 2);
    qint64 calls = 0;
    QElapsedTimer timer;
    timer.start();
    for (int pass = 0; pass < 20; ++pass) {
        for (int r = first; r < first + 30 && r < model->rowCount(); ++r) {
            for (int c = 0; c < RegisterModel::ColumnCount; ++c) {
                for (int role : roles) {
                    model->index(r, c).data(role);
                    ++calls;
                }
            }
        }
    }
    const double perCallUs = timer.nsecsElapsed() / 1000.0 / double(calls);
    Bench::report(
        QStringLiteral("data() per call while scrolling (us, %1 calls)").arg(calls), perCallUs);
    const double scrollMs = Bench::medianMs(runs, [&] {
        screen.view()->scrollTo(model->index(first, 0));
        screen.repaint();
        screen.view()->scrollTo(model->index(first / 2, 0));
        screen.repaint();
    });
    Bench::report(QStringLiteral("scroll a screenful and repaint (two jumps)"), scrollMs);
    qunsetenv("LEDGERINE_DATA_DIR");
}

const Bench::Registration registration(30, "register", run);

} // namespace
