#include "BenchHarness.h"
#include "SyntheticLedger.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QSqlQuery>

#include <algorithm>

// The main window over the synthetic ledger: ten accounts of 100,000
// transactions each (times --scale).
namespace {

class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// The balance query as it ran before the live-amount index existed.
void sumWithoutTheIndex(Database* db, const QString& accountId)
{
    QSqlQuery q(db->database());
    q.prepare(
        QStringLiteral(
            "SELECT a.id, a.starting_balance + COALESCE((SELECT SUM(t.amount) FROM transactions t "
            "INDEXED BY idx_transactions_account_id WHERE t.account_id = a.id AND t.deleted_at IS "
            "NULL), 0) FROM accounts a WHERE a.deleted_at IS NULL")
        + (accountId.isEmpty() ? QString() : QStringLiteral(" AND a.id = ?")));
    if (!accountId.isEmpty())
        q.addBindValue(accountId);
    q.exec();
    while (q.next()) { }
}

void measureRefresh(AppState& state, const QString& busyAccount, int accountCount)
{
    MainWindow window(&state);
    window.show();
    QApplication::processEvents();
    TransactionRepository* transactions = state.transactions();

    const double allMs = Bench::medianMs(5, [&] { state.accounts()->balances(); });
    const double allBaseMs = Bench::medianMs(5, [&] { sumWithoutTheIndex(state.database(), {}); });
    Bench::report(QStringLiteral("balances() of %1 accounts").arg(accountCount), allMs, allBaseMs);
    const double oneMs = Bench::medianMs(9, [&] { state.accounts()->balances({ busyAccount }); });
    const double oneBaseMs
        = Bench::medianMs(9, [&] { sumWithoutTheIndex(state.database(), busyAccount); });
    Bench::report(QStringLiteral("balances() of one account"), oneMs, oneBaseMs);

    // What a commit sets off: the store names the account, the window refreshes.
    const double commitMs
        = Bench::medianMs(9, [&] { Q_EMIT transactions->transactionsChanged(busyAccount); });
    Bench::report(QStringLiteral("onAccountsChanged after a commit to one account"), commitMs,
        std::nullopt, QStringLiteral("< 50 ms"));
    const double quietMs = Bench::medianMs(9, [&] { window.onAccountsChanged(); });
    Bench::report(QStringLiteral("onAccountsChanged, no transaction changed"), quietMs);
    const double everyMs
        = Bench::medianMs(5, [&] { Q_EMIT transactions->transactionsChanged(QString()); });
    Bench::report(QStringLiteral("onAccountsChanged, every balance read again"), everyMs);

    const double reloadMs = Bench::medianMs(3, [&] { window.registerScreen()->reload(); });
    Bench::report(QStringLiteral("register reload of the shown account"), reloadMs);
    const double rowsMs
        = Bench::medianMs(3, [&] { state.transactions()->findRegisterRows(busyAccount); });
    Bench::report(QStringLiteral("  of which findRegisterRows"), rowsMs);
}

void measureFirstPaint(AppState& state)
{
    QList<double> constructMs;
    const double firstPaintMs = Bench::medianMs(3, [&] {
        QElapsedTimer timer;
        timer.start();
        MainWindow window(&state);
        constructMs << timer.nsecsElapsed() / 1e6;
        PaintWatch watch;
        window.registerScreen()->view()->viewport()->installEventFilter(&watch);
        window.show();
        while (!watch.painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    });
    std::sort(constructMs.begin(), constructMs.end());
    Bench::report(QStringLiteral("construct to first register paint"), firstPaintMs, std::nullopt,
        QStringLiteral("< 1000 ms"));
    Bench::report(
        QStringLiteral("  of which construction"), constructMs.at(constructMs.size() / 2));
    // The register's own part: the same screen made and loaded on its own.
    const double registerMs = Bench::medianMs(3, [&] {
        RegisterScreen screen(&state);
        screen.setAccount(state.currentAccountId());
    });
    Bench::report(QStringLiteral("  of which the register screen loading its account"), registerMs);
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("main window"));
    const QString dir = context.workDir + QStringLiteral("/mainwindow");
    QDir().mkpath(dir);
    int accountCount = 0;
    {
        Database db;
        SyntheticLedger::Summary summary
            = SyntheticLedger::prepare(db, dir + QStringLiteral("/ledgerine.db"));
        SyntheticLedger::addTransactions(db, summary, int(1'000'000 * context.scale));
        accountCount = int(summary.accountIds.size());
        Bench::note(QStringLiteral("%1 accounts, %2 transactions")
                        .arg(accountCount)
                        .arg(summary.transactions));
    }
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    AppState state;
    if (!state.initialize()) {
        Bench::note(QStringLiteral("the application state could not be initialised"));
        return;
    }
    const QList<Account> accounts = state.accounts()->findAll();
    state.setCurrentAccountId(accounts.first().id);

    const double perRegisterMs = Bench::medianMs(1, [&] {
        for (const Account& account : accounts)
            state.transactions()->findRegisterRows(account.id);
    });
    Bench::report(QStringLiteral("every balance through its register rows"), perRegisterMs);

    measureRefresh(state, accounts.first().id, accountCount);
    measureFirstPaint(state);
    qunsetenv("LEDGERINE_DATA_DIR");
}

const Bench::Registration registration(40, "mainwindow", run);

} // namespace
