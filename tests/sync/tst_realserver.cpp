#include "RealServer.h"
#include "Records.h"
#include "account/Client.h"
#include "app/AppState.h"
#include "account/FileTokenStore.h"
#include "account/TokenManager.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/TransactionService.h"
#include "sync/SyncEngine.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTest>

namespace {

const QDate kDay(2025, 3, 14);

// One computer: a whole application state over its own data directory,
// signed in to the real server through its sign-in page.
class ServerSide {
public:
    ServerSide(RealServer& server, const RealServer::Tokens& tokens)
    {
        QStandardPaths::setTestModeEnabled(true);
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        const MellAccount::ClientConfig config = server.config();
        qputenv("LEDGERINE_DATA_DIR", m_dir.path().toUtf8());
        qputenv("AUTH_BASE_URL", config.authBaseUrl.toUtf8());
        qputenv("AUTH_REALM_SLUG", config.realmSlug.toUtf8());
        qputenv("AUTH_CLIENT_ID", config.clientId.toUtf8());
        qputenv("ACCOUNT_API_URL", config.accountApiUrl.toUtf8());
        qputenv("SYNC_API_URL", server.syncApiUrl().toUtf8());
        MellAccount::FileTokenStore store(m_dir.filePath(QStringLiteral("secrets/tokens.json")));
        store.write(MellAccount::TokenStore::kAccessTokenKey, tokens.access);
        store.write(MellAccount::TokenStore::kRefreshTokenKey, tokens.refresh);
        m_state = std::make_unique<AppState>();
        if (!m_state->initialize())
            qFatal("the computer could not start in %s", qPrintable(m_dir.path()));
        qunsetenv("LEDGERINE_DATA_DIR");
        engine()->stopAutoSync();
        engine()->setRequestDelay(3600000);
        settle();
    }

    ~ServerSide()
    {
        settle();
        m_state.reset();
    }

    AppState* operator->() const { return m_state.get(); }
    SyncEngine* engine() const { return m_state->syncEngine(); }

    bool settle()
    {
        return QTest::qWaitFor([this] { return !engine()->isRunning(); }, 60000);
    }

    // One whole cycle; true when it completed.
    bool sync()
    {
        if (!settle())
            return false;
        QSignalSpy completed(engine(), &SyncEngine::syncCompleted);
        QSignalSpy failed(engine(), &SyncEngine::syncFailed);
        engine()->syncNow();
        const bool ended = QTest::qWaitFor(
            [&] { return completed.size() + failed.size() > 0 && !engine()->isRunning(); }, 60000);
        return ended && completed.size() > 0 && failed.isEmpty();
    }

    Transaction transaction(const QString& id) const
    {
        return m_state->transactions()->findById(id).value_or(Transaction {});
    }

    // Accounts, transactions and split lines: what two computers in step hold alike.
    QStringList ledger() const
    {
        QStringList rows;
        for (const char* table : { "accounts", "transactions", "split_lines" }) {
            QSqlQuery query(m_state->database()->database());
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

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
};

void editPayee(ServerSide& side, const QString& id, const QString& payee)
{
    Transaction t = side.transaction(id);
    t.payee = payee;
    t.updatedAt = Clock::nowUtc();
    t.syncStatus = SyncStatus::Pending;
    QVERIFY(side->transactions()->update(t));
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
    void sameRowEditedOnBothSidesIsRefusedToTheLaterOne();

private:
    bool exchange() { return m_a->sync() && m_b->sync() && m_a->sync(); }

    std::unique_ptr<RealServer> m_server;
    std::unique_ptr<ServerSide> m_a;
    std::unique_ptr<ServerSide> m_b;
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
    m_a = std::make_unique<ServerSide>(*m_server, *first);
    m_b = std::make_unique<ServerSide>(*m_server, *second);
}

void TestRealServer::cleanup()
{
    m_a.reset();
    m_b.reset();
    m_server.reset();
}

void TestRealServer::twoComputersKeepOneLedger()
{
    ServerSide& a = *m_a;
    ServerSide& b = *m_b;
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
    QCOMPARE(a.ledger(), b.ledger());
    QCOMPARE(b->splitLines()->findByTransaction(split.id).size(), 2);

    // Edits and deletions travel back the other way.
    editPayee(b, split.id, "Farmers market");
    QVERIFY(a->accountService()->remove(wallet.id).removed);
    QVERIFY(exchange());
    QCOMPARE(a.transaction(split.id).payee, QString("Farmers market"));
    QVERIFY(b->accounts()->findById(wallet.id)->deletedAt.has_value());
    QCOMPARE(a.ledger(), b.ledger());

    // A restored account comes back on the other computer.
    QVERIFY(b->accounts()->restore(wallet.id));
    QVERIFY(b.sync() && a.sync());
    QVERIFY(!a->accounts()->findById(wallet.id)->deletedAt.has_value());
    QCOMPARE(a.ledger(), b.ledger());
}

void TestRealServer::sameRowEditedOnBothSidesIsRefusedToTheLaterOne()
{
    ServerSide& a = *m_a;
    ServerSide& b = *m_b;
    const Account checking = Records::account("Checking");
    QVERIFY(a->accounts()->insert(checking));
    const Transaction rent = Records::transaction(checking.id, kDay, "Rent", -90000);
    QVERIFY(a->transactions()->insert(rent));
    QVERIFY(exchange());

    editPayee(a, rent.id, "Rent (March)");
    editPayee(b, rent.id, "Landlord");
    QVERIFY(a.sync());
    // The server keeps the first version and refuses the second computer's
    // edit made on the older one: neither overwrites the other.
    QVERIFY(b.sync());
    QVERIFY(a.sync());
    QCOMPARE(a.transaction(rent.id).payee, QString("Rent (March)"));
    QCOMPARE(b.transaction(rent.id).payee, QString("Landlord"));
    QVERIFY(b.transaction(rent.id).syncStatus != SyncStatus::Synced);
}

QTEST_MAIN(TestRealServer)
#include "tst_realserver.moc"
