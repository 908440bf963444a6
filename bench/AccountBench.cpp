#include "BenchHarness.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/TransactionScope.h"

#include <QSqlQuery>

namespace {

void run(Bench::Context& context)
{
    Bench::printHeader(QStringLiteral("accounts"));
    Database db;
    db.open(context.workDir + QStringLiteral("/accounts.db"));
    db.runMigrations();
    AccountRepository repo(&db);

    const int count = int(2000 * context.scale);
    const double insertMs = Bench::medianMs(1, [&] {
        TransactionScope scope(&db);
        for (int i = 0; i < count; ++i) {
            Account a;
            a.id = Ids::newId();
            a.name = QStringLiteral("Account %1").arg(i);
            a.sortOrder = i;
            a.createdAt = a.updatedAt = Clock::nowUtc();
            repo.insert(a);
        }
        scope.commit();
    });
    Bench::report(QStringLiteral("insert %1 accounts in one transaction").arg(count), insertMs);

    const double findMs = Bench::medianMs(9, [&] { repo.findAll(); });
    const double rawMs = Bench::medianMs(9, [&] {
        QSqlQuery q(db.database());
        q.exec(QStringLiteral("SELECT id, name, account_type, currency, institution, "
                              "account_number_last4, starting_balance, sort_order, is_shared, "
                              "version, sync_status, server_id, created_at, updated_at, deleted_at "
                              "FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"));
        QList<QVariantList> rows;
        while (q.next()) {
            QVariantList row;
            for (int c = 0; c < 15; ++c)
                row.append(q.value(c));
            rows.append(row);
        }
    });
    Bench::report(QStringLiteral("findAll of %1 accounts").arg(count), findMs, rawMs);
}

const Bench::Registration registration(10, "accounts", run);

} // namespace
