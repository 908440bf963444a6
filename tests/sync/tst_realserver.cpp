#include "RealServer.h"
#include "Records.h"
#include "SyncSide.h"
#include "app/AppState.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/TransactionService.h"
#include "sync/SyncEngine.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

const QDate kDay(2025, 3, 14);

// A computer signed in to the real server through its sign-in page; it syncs
// only when the test says so.
std::unique_ptr<SyncSide> signedIn(RealServer& server, const RealServer::Tokens& tokens)
{
    auto side = std::make_unique<SyncSide>(
        server.config(), server.syncApiUrl(), tokens.access, tokens.refresh);
    (*side)->syncEngine()->stopAutoSync();
    (*side)->syncEngine()->setRequestDelay(3600000);
    side->settle();
    return side;
}

// Accounts, transactions and split lines: what two computers in step hold alike.
QStringList ledger(const SyncSide& side)
{
    QStringList rows;
    for (const char* table : { "accounts", "transactions", "split_lines" }) {
        QSqlQuery query(side->database()->database());
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(QLatin1String(table)));
        while (query.next()) {
            QStringList values { QLatin1String(table) };
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i) {
                // Split lines get ids of their own on each computer.
                const QString field = record.fieldName(i);
                if (field != QLatin1String("change_count")
                    && (field != QLatin1String("id") || qstrcmp(table, "split_lines") != 0))
                    values << field + QLatin1Char('=') + query.value(i).toString();
            }
            rows << values.join(QLatin1Char('|'));
        }
    }
    rows.sort();
    return rows;
}

} // namespace

// Two computers of one user synchronised through the real ledgerine-server
// (a process on a free loopback port over a temporary SQLite folder), signed
// in through its page. The fake cloud of the sync engine tests stays for the
// faults only a fake can stage.
class TestRealServer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void twoComputersKeepOneLedger();
    void sameRowEditedOnBothSidesWaitsForTheUser();

private:
    bool exchange() { return m_a->sync() && m_b->sync() && m_a->sync(); }

    std::unique_ptr<RealServer> m_server;
    std::unique_ptr<SyncSide> m_a;
    std::unique_ptr<SyncSide> m_b;
};

void TestRealServer::init()
{
    m_server = std::make_unique<RealServer>();
    QVERIFY(m_server->start());
    QVERIFY(m_server->addUser(QStringLiteral("ann@example.org"), QStringLiteral("correct horse")));
    const auto first
        = m_server->signIn(QStringLiteral("ann@example.org"), QStringLiteral("correct horse"));
    const auto second
        = m_server->signIn(QStringLiteral("ann@example.org"), QStringLiteral("correct horse"));
    QVERIFY(first && second);
    m_a = signedIn(*m_server, *first);
    m_b = signedIn(*m_server, *second);
}

void TestRealServer::cleanup()
{
    m_a.reset();
    m_b.reset();
    m_server.reset();
}

void TestRealServer::twoComputersKeepOneLedger()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking", 10000);
    QVERIFY(a->accounts()->insert(checking));
    const QList<Category> categories = a->categories()->findAll();
    QVERIFY(categories.size() >= 2);
    Transaction split = Records::transaction(checking.id, kDay, "Market", -5000);
    split.isSplit = true;
    QCOMPARE(
        a->transactionService()->save(split,
            QList<SplitLine> { { Ids::newId(), {}, categories.at(0).id, -3000, "paint", {}, {} },
                { Ids::newId(), {}, categories.at(1).id, -2000, "kit", {}, {} } },
            true),
        TransactionService::Result::Saved);
    const Account wallet = Records::account("Wallet");
    QVERIFY(b->accounts()->insert(wallet));
    const Transaction coffee = Records::transaction(wallet.id, kDay, "Coffee", -350);
    QVERIFY(b->transactions()->insert(coffee));

    QVERIFY(exchange());
    QCOMPARE(ledger(a), ledger(b));
    QCOMPARE(b->splitLines()->findByTransaction(split.id).size(), 2);

    // Edits and deletions travel back the other way.
    QVERIFY(b.editPayee(split.id, "Farmers market"));
    QVERIFY(a->accountService()->remove(wallet.id).removed);
    QVERIFY(exchange());
    QCOMPARE(a.transaction(split.id).payee, QString("Farmers market"));
    QVERIFY(b->accounts()->findById(wallet.id)->deletedAt.has_value());
    QCOMPARE(ledger(a), ledger(b));

    // A restored account comes back on the other computer.
    QVERIFY(b->accounts()->restore(wallet.id));
    QVERIFY(b.sync() && a.sync());
    QVERIFY(!a->accounts()->findById(wallet.id)->deletedAt.has_value());
    QCOMPARE(ledger(a), ledger(b));
}

void TestRealServer::sameRowEditedOnBothSidesWaitsForTheUser()
{
    SyncSide& a = *m_a;
    SyncSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    const Transaction rent = Records::transaction(checking.id, kDay, "Rent", -90000);
    QVERIFY(a->transactions()->insert(rent));
    QVERIFY(exchange());

    QVERIFY(a.editPayee(rent.id, "Rent (March)"));
    QVERIFY(b.editPayee(rent.id, "Landlord"));
    QVERIFY(a.sync());
    // The server keeps the first version and refuses the second computer's
    // edit made on the older one: neither overwrites the other.
    QVERIFY(b.sync());
    QVERIFY(a.sync());
    QCOMPARE(a.transaction(rent.id).payee, QString("Rent (March)"));
    QCOMPARE(b.transaction(rent.id).payee, QString("Landlord"));
    QVERIFY(b.transaction(rent.id).syncStatus != SyncStatus::Synced);

    // The row waits for the user; keeping this computer's side goes up over
    // the server's version and settles it on both.
    QCOMPARE(b.transaction(rent.id).syncStatus, SyncStatus::Conflict);
    b.engine()->keepMine(SyncEntity::Transaction, rent.id);
    QVERIFY(b.settle() && b.sync() && a.sync());
    QCOMPARE(a.transaction(rent.id).payee, QString("Landlord"));
    QCOMPARE(b.engine()->conflictCount(), 0);
    QCOMPARE(ledger(a), ledger(b));
}

QTEST_MAIN(TestRealServer)
#include "tst_realserver.moc"
