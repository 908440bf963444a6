#include "BenchHarness.h"

#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/register/RegisterScreen.h"
#include "ui/register/RegisterTableView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QSqlQuery>

#include <algorithm>

// The main window over ten accounts of 100,000 transactions each (times
// --scale). Filling the store takes minutes; with the environment variable
// LEDGERINE_BENCH_MAINWINDOW_DIR set, the store there is filled once and reused.
namespace {

constexpr int kAccounts = 10;

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

// Bulk rows straight through SQL: the repositories' one-by-one inserts would
// take far longer for a million rows, and the tables are what is measured.
void fill(AppState& state, int perAccount)
{
    QStringList categories;
    for (const Category& c : state.categories()->findAll())
        categories << c.id;
    TransactionScope scope(state.database());
    for (int a = 0; a < kAccounts; ++a) {
        Account account;
        account.id = Ids::newId();
        account.name = QStringLiteral("Account %1").arg(a + 1);
        account.sortOrder = a;
        account.startingBalance = a % 2 ? 0 : 100'000;
        account.createdAt = account.updatedAt = Clock::nowUtc();
        state.accounts()->insert(account);

        QSqlQuery insert(state.database()->database());
        insert.prepare(QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
            "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, "
            "is_split, recurring_id, version, sync_status, server_id, created_at, updated_at) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, '', ?, ?, '', '', 0, '', 1, 'pending', '', ?, ?)"));
        const QDate first(2015, 1, 1);
        const QString stamp = Clock::nowIso();
        for (int i = 0; i < perAccount; ++i) {
            insert.addBindValue(Ids::newId());
            insert.addBindValue(account.id);
            insert.addBindValue(first.addDays(i / 30).toString(Qt::ISODate));
            insert.addBindValue(QStringLiteral("Payee %1").arg(i % 500));
            insert.addBindValue(i % 7 ? QString() : QStringLiteral("memo %1").arg(i));
            insert.addBindValue(qint64(i % 5 ? -(1000 + i % 9000) : 250'000));
            insert.addBindValue(i % 4 && !categories.isEmpty()
                    ? QVariant(categories.at(i % categories.size()))
                    : QVariant(QMetaType::fromType<QString>()));
            insert.addBindValue(i % 3 == 0 ? 1 : 0);
            insert.addBindValue(i % 6 == 0 ? 1 : 0);
            insert.addBindValue(stamp);
            insert.addBindValue(stamp);
            insert.exec();
        }
        // A few deleted rows that must not count.
        QSqlQuery remove(state.database()->database());
        remove.prepare(QStringLiteral("UPDATE transactions SET deleted_at = ? WHERE rowid IN "
                                      "(SELECT rowid FROM transactions WHERE account_id = ? "
                                      "LIMIT 25)"));
        remove.addBindValue(stamp);
        remove.addBindValue(account.id);
        remove.exec();
    }
    scope.commit();
}

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

void measureRefresh(AppState& state, const QString& busyAccount)
{
    MainWindow window(&state);
    window.show();
    QApplication::processEvents();
    TransactionRepository* transactions = state.transactions();

    const double allMs = Bench::medianMs(5, [&] { state.accounts()->balances(); });
    const double allBaseMs = Bench::medianMs(5, [&] { sumWithoutTheIndex(state.database(), {}); });
    Bench::report(QStringLiteral("balances() of %1 accounts").arg(kAccounts), allMs, allBaseMs);
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
}

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("main window"));
    const QString kept = qEnvironmentVariable("LEDGERINE_BENCH_MAINWINDOW_DIR");
    const QString dir = kept.isEmpty() ? context.workDir + QStringLiteral("/mainwindow") : kept;
    QDir().mkpath(dir);
    qputenv("LEDGERINE_DATA_DIR", dir.toUtf8());
    AppState state;
    if (!state.initialize()) {
        Bench::note(QStringLiteral("the application state could not be initialised"));
        return;
    }
    const int perAccount = int(100'000 * context.scale);
    if (state.accounts()->findAll().isEmpty()) {
        QElapsedTimer fillTimer;
        fillTimer.start();
        fill(state, perAccount);
        Bench::note(QStringLiteral("%1 accounts of %2 transactions stored in %3 s")
                        .arg(kAccounts)
                        .arg(perAccount)
                        .arg(fillTimer.elapsed() / 1000.0, 0, 'f', 1));
    }
    const QList<Account> accounts = state.accounts()->findAll();
    state.setCurrentAccountId(accounts.first().id);

    const double perRegisterMs = Bench::medianMs(1, [&] {
        for (const Account& account : accounts)
            state.transactions()->findRegisterRows(account.id);
    });
    Bench::report(QStringLiteral("every balance through its register rows"), perRegisterMs);

    measureRefresh(state, accounts.first().id);
    measureFirstPaint(state);
    qunsetenv("LEDGERINE_DATA_DIR");
}

const Bench::Registration registration(40, "mainwindow", run);

} // namespace
