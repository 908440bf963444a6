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
#include "services/import/CsvProfileService.h"
#include "services/import/ImportService.h"
#include "sync/SyncEngine.h"

#include <QSqlQuery>
#include <QTest>

namespace {

const QDate kDay(2025, 3, 14);

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
    // Two computers signed in through the server's page; they sync only when the test says so.
    for (std::unique_ptr<SyncSide>* side : { &m_a, &m_b }) {
        const auto tokens
            = m_server->signIn(QStringLiteral("ann@example.org"), QStringLiteral("correct horse"));
        QVERIFY(tokens);
        *side = std::make_unique<SyncSide>(
            m_server->config(), m_server->syncApiUrl(), tokens->access, tokens->refresh);
        QVERIFY((*side)->holdCycles());
    }
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
    // A bank's layout kept for an account travels with it.
    CsvMapping mapping;
    mapping.hasHeaderRow = true;
    const auto profile = a->importService()->profiles()->remember(
        checking.id, "Date,Payee,Amount\n", mapping, "Bank");
    QVERIFY(profile);

    // A page the store cannot keep goes whole, and search works after it as before.
    QSqlQuery refuse(b->database()->database());
    QVERIFY(refuse.exec("CREATE TRIGGER refuse_cursor BEFORE INSERT ON preferences WHEN new.key "
                        "= 'syncCursor' BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    QVERIFY(a.sync() && !b.sync());
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM transactions"), 1);
    QVERIFY(refuse.exec("DROP TRIGGER refuse_cursor"));
    QVERIFY(exchange());
    QCOMPARE(a.dump(), b.dump());
    QCOMPARE(b->splitLines()->findByTransaction(split.id).size(), 2);
    QVERIFY(b->transactions()->insert(Records::transaction(wallet.id, kDay, "Bakery", -200)));
    QCOMPARE(b.scalar("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH "
                      "'market OR coffee OR bakery'"),
        3);
    QVERIFY(b->importService()->profiles()->matching(checking.id, "Date,Payee,Amount\n1,2,3\n"));

    // Edits and deletions travel back the other way.
    QVERIFY(b.editPayee(split.id, "Farmers market"));
    QVERIFY(a->accountService()->remove(wallet.id).removed);
    QVERIFY(a->importService()->profiles()->rename(profile->id, "My bank"));
    QVERIFY(exchange());
    QCOMPARE(a.transaction(split.id).payee, QString("Farmers market"));
    QVERIFY(b->importService()->profiles()->named(checking.id, "My bank"));
    QVERIFY(b->accounts()->findById(wallet.id)->deletedAt.has_value());
    QCOMPARE(a.dump(), b.dump());

    // A restored account comes back on the other computer.
    QVERIFY(b->accounts()->restore(wallet.id));
    QVERIFY(b->importService()->profiles()->remove(profile->id));
    QVERIFY(b.sync() && a.sync());
    QVERIFY(!a->accounts()->findById(wallet.id)->deletedAt.has_value());
    QVERIFY(a->importService()->profiles()->profiles(checking.id).isEmpty());
    QCOMPARE(a.dump(), b.dump());

    // The same row edited on both sides.
    QVERIFY(a.editPayee(split.id, "Rent (March)"));
    QVERIFY(b.editPayee(split.id, "Landlord"));
    QVERIFY(a.sync());
    // The server keeps the first version and refuses the second computer's
    // edit made on the older one: neither overwrites the other.
    QVERIFY(b.sync());
    QVERIFY(a.sync());
    QCOMPARE(a.transaction(split.id).payee, QString("Rent (March)"));
    QCOMPARE(b.transaction(split.id).payee, QString("Landlord"));
    QVERIFY(b.transaction(split.id).syncStatus != SyncStatus::Synced);

    // The row waits for the user; keeping this computer's side goes up over
    // the server's version and settles it on both.
    QCOMPARE(b.transaction(split.id).syncStatus, SyncStatus::Conflict);
    b.engine()->keepMine(SyncEntity::Transaction, split.id);
    QVERIFY(b.settle() && b.sync() && a.sync());
    QCOMPARE(a.transaction(split.id).payee, QString("Landlord"));
    QCOMPARE(b.engine()->conflictCount(), 0);
    QCOMPARE(a.dump(), b.dump());
}

QTEST_MAIN(TestRealServer)
#include "tst_realserver.moc"
