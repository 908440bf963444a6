#include "SyncSide.h"

#include "EventWait.h"
#include "account/AccountClient.h"
#include "account/Client.h"
#include "account/FileTokenStore.h"
#include "account/TokenManager.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/TransactionRepository.h"
#include "sync/SyncEngine.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTest>

SyncSide::SyncSide(RealServer& server, const QString& email)
    : SyncSide(server, server.session(email))
{
}

SyncSide::SyncSide(RealServer& server, const RealServer::Tokens& tokens)
    : SyncSide(server.config(), server.syncApiUrl(), tokens.access, tokens.refresh)
{
    m_server = &server;
}

SyncSide::SyncSide(const MellAccount::ClientConfig& config, const QString& syncApiUrl,
    const QString& accessToken, const QString& refreshToken)
{
    QStandardPaths::setTestModeEnabled(true);
    // Tokens go to the owner-only file in the data directory, not a keyring.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("LEDGERINE_DATA_DIR", m_dir.path().toUtf8());
    qputenv("AUTH_BASE_URL", config.authBaseUrl.toUtf8());
    qputenv("AUTH_REALM_SLUG", config.realmSlug.toUtf8());
    qputenv("AUTH_CLIENT_ID", config.clientId.toUtf8());
    qputenv("ACCOUNT_API_URL", config.accountApiUrl.toUtf8());
    qputenv("SYNC_API_URL", syncApiUrl.toUtf8());
    MellAccount::FileTokenStore store(m_dir.filePath(QStringLiteral("secrets/tokens.json")));
    store.write(MellAccount::TokenStore::kAccessTokenKey, accessToken);
    store.write(MellAccount::TokenStore::kRefreshTokenKey, refreshToken);

    m_state = std::make_unique<AppState>();
    if (!m_state->initialize())
        qFatal("sync side could not be initialised in %s", qPrintable(m_dir.path()));
    qunsetenv("LEDGERINE_DATA_DIR");
    // The stored tokens are read away from the event loop's thread; the
    // side is signed in, and its first cycle under way, once they are here.
    if (!QTest::qWaitFor([this] { return m_state->cloudClient()->isAuthenticated(); }, 10000))
        qFatal("sync side never signed in");
}

SyncSide::~SyncSide()
{
    settle(10000);
    m_state.reset();
}

SyncEngine* SyncSide::engine() const
{
    return m_state->syncEngine();
}

void SyncSide::signInAs(const QString& email)
{
    Q_ASSERT(m_server);
    const RealServer::Tokens tokens = m_server->session(email);
    m_state->cloudClient()->tokenManager()->setTokens(tokens.access, tokens.refresh);
}

QString SyncSide::userId() const
{
    return MellAccount::subject(m_state->cloudClient()->tokenManager()->accessToken());
}

bool SyncSide::join(SyncSide& owner)
{
    QString code;
    owner->cloudClient()->accountClient()->generateInviteCode(
        [&code](const MellAccount::GroupInvitation& invitation, const QString&) {
            code = invitation.inviteCode;
        });
    std::optional<bool> joined;
    if (QTest::qWaitFor([&code] { return !code.isEmpty(); }, 30000))
        m_state->cloudClient()->accountClient()->joinGroup(
            code, [&joined](bool ok, const QString&) { joined = ok; });
    return QTest::qWaitFor([&joined] { return joined.has_value(); }, 30000) && *joined;
}

Transaction SyncSide::transaction(const QString& id) const
{
    return m_state->transactions()->findById(id).value_or(Transaction {});
}

bool SyncSide::editPayee(const QString& id, const QString& payee)
{
    Transaction t = transaction(id);
    t.payee = payee;
    t.updatedAt = Clock::nowUtc();
    t.syncStatus = SyncStatus::Pending;
    return m_state->transactions()->update(t);
}

bool SyncSide::settle(int timeoutMs)
{
    return waitUntil([this] { return !engine()->isRunning(); }, timeoutMs);
}

bool SyncSide::holdCycles()
{
    engine()->stopAutoSync();
    engine()->setRequestDelay(3600000);
    return settle();
}

int SyncSide::scalar(const QString& sql) const
{
    QSqlQuery query(m_state->database()->database());
    query.exec(sql);
    return query.next() ? query.value(0).toInt() : -1;
}

bool SyncSide::sync(int timeoutMs)
{
    if (!settle(timeoutMs))
        return false;
    int completed = 0;
    int failed = 0;
    QObject guard;
    QObject::connect(engine(), &SyncEngine::syncCompleted, &guard, [&] { ++completed; });
    QObject::connect(engine(), &SyncEngine::syncFailed, &guard, [&] { ++failed; });
    engine()->syncNow();
    // Ended or not, what it brought decides.
    (void)waitUntil([&] { return completed + failed > 0 && !engine()->isRunning(); }, timeoutMs);
    return completed > 0 && failed == 0;
}

QStringList SyncSide::dump() const
{
    QStringList rows;
    const QSqlDatabase db = m_state->database()->database();
    for (const char* table : { "accounts", "categories", "recurring_transactions", "transactions",
             "reconciliations", "csv_profiles" }) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(QLatin1String(table)));
        while (query.next()) {
            QStringList values { QLatin1String(table) };
            const QSqlRecord record = query.record();
            for (int i = 0; i < record.count(); ++i) {
                if (record.fieldName(i) != QLatin1String("change_count"))
                    values << record.fieldName(i) + QLatin1Char('=') + query.value(i).toString();
            }
            rows << values.join(QLatin1Char('|'));
        }
    }
    QSqlQuery lines(db);
    lines.exec(QStringLiteral("SELECT transaction_id, category_id, amount, memo FROM split_lines "
                              "ORDER BY transaction_id, category_id, amount, memo"));
    while (lines.next())
        rows << QStringLiteral("split|%1|%2|%3|%4")
                    .arg(lines.value(0).toString(), lines.value(1).toString(),
                        lines.value(2).toString(), lines.value(3).toString());
    return rows;
}
