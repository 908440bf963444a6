#include "SyncEngine.h"

#include "SyncApplier.h"
#include "SyncLedger.h"
#include "SyncLogging.h"
#include "SyncWire.h"
#include "account/ApiClient.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QUrlQuery>

namespace {

QJsonObject change(SyncEntity entity, const QString& id, const SyncFields& fields,
    const QJsonObject& payload)
{
    return { { "entity_type", SyncEntities::wireType(entity) }, { "entity_id", id },
        { "action", fields.deletedAt ? "delete" : "upsert" }, { "version", fields.version },
        { "payload", payload } };
}

std::optional<int> versionOf(const QJsonObject& result, const char* key = "version")
{
    const QJsonValue version = result.value(QLatin1String(key));
    return version.isDouble() ? std::optional(version.toInt()) : std::nullopt;
}

// The version the server holds, which a refused row must reach to be taken:
// "server_version" from ledgerine-server, "version" from other services.
std::optional<int> refusedAtVersion(const QJsonObject& result)
{
    const auto held = versionOf(result, "server_version");
    return held ? held : versionOf(result);
}

} // namespace

SyncEngine::SyncEngine(MellAccount::ApiClient* syncApi, Database* db,
    AccountRepository* accounts, TransactionRepository* transactions,
    CategoryRepository* categories, RecurringRepository* recurring,
    ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
    PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_api(syncApi)
    , m_db(db)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_splitLines(splitLines)
    , m_preferences(preferences)
    , m_ledger(new SyncLedger(db, this))
    , m_applier(new SyncApplier(db,
          { accounts, categories, recurring, transactions, reconciliations, splitLines },
          m_ledger))
{
    m_autoTimer.setSingleShot(false);
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_autoTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(&m_debounce, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_api, &MellAccount::ApiClient::authenticationRequired, this,
        [this] { setState(Error); });
}

SyncEngine::~SyncEngine()
{
    delete m_applier;
}

QString SyncEngine::stateText(SyncState state)
{
    switch (state) {
    case Idle: return tr("Synced");
    case Syncing: return tr("Syncing...");
    case Error: return tr("Sync error");
    case Offline: return tr("Offline");
    }
    return tr("Unknown");
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

int SyncEngine::conflictCount() const
{
    return m_ledger->conflictCount();
}

QDateTime SyncEngine::lastSyncTime() const
{
    return QDateTime::fromString(m_preferences->value(kLastSyncKey), Qt::ISODate);
}

void SyncEngine::requestSync()
{
    m_debounce.start();
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_autoTimer.start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync()
{
    m_autoTimer.stop();
}

QString SyncEngine::currentAccount() const
{
    const QString user = m_userId ? m_userId() : QString();
    return user + QLatin1Char('@') + m_api->baseUrl().toString(QUrl::StripTrailingSlash);
}

void SyncEngine::syncNow()
{
    if (m_canSync && !m_canSync()) {
        m_resync = false;
        // A cycle in flight ends by itself; a new one must not start beside it.
        if (!m_running)
            setState(Idle);
        return;
    }
    if (m_running) {
        m_resync = true;
        return;
    }
    startCycle();
}

void SyncEngine::startCycle()
{
    // Without a fresh token the user is unknown until the request refreshes
    // it; the place is checked again at the next cycle.
    const QString user = m_userId ? m_userId() : QString();
    const QString account = currentAccount();
    const QString known = user.isEmpty() ? account : m_preferences->value(kAccountKey);
    if (!known.isEmpty() && known != account) {
        m_resync = false;
        setState(Idle);
        if (account != m_declinedAccount)
            Q_EMIT accountChangeDetected();
        return;
    }
    if (known.isEmpty() && !user.isEmpty())
        m_preferences->set(kAccountKey, account);

    m_running = true;
    m_resync = false;
    m_lastError.clear();
    m_appliedAtStart = m_applier->appliedCount();
    setState(Syncing);
    if (m_fullSyncRequested)
        runFullResync();
    gatherChanges();
}

void SyncEngine::forceFullSync()
{
    m_fullSyncRequested = true;
    syncNow();
}

void SyncEngine::runFullResync()
{
    m_fullSyncRequested = false;
    const int accounts = m_accounts->markAllPendingForResync();
    const int categories = m_categories->markAllPendingForResync();
    const int transactions = m_transactions->markAllPendingForResync();
    const int recurrings = m_recurring->markAllPendingForResync();
    const int reconciliations = m_reconciliations->markAllPendingForResync();
    qCInfo(lcSync) << "Force Full Sync: marked pending —"
                   << "accounts:" << accounts << "categories:" << categories
                   << "transactions:" << transactions << "recurrings:" << recurrings
                   << "reconciliations:" << reconciliations;
    m_preferences->remove(kCursorKey);
    m_preferences->remove(kLastSyncKey);
}

void SyncEngine::adoptAccount()
{
    if (m_running) {
        // Decided again once the cycle in flight is over.
        m_resync = true;
        return;
    }
    if (!m_ledger->resetForNewAccount()) {
        fail(tr("Could not prepare the data for the new account"));
        return;
    }
    m_preferences->remove(kCursorKey);
    m_preferences->remove(kLastSyncKey);
    m_preferences->set(kAccountKey, currentAccount());
    m_declinedAccount.clear();
    syncNow();
}

void SyncEngine::declineAccount()
{
    m_declinedAccount = currentAccount();
}

void SyncEngine::gatherChanges()
{
    m_queue = QJsonArray();
    for (const SyncEntity entity : SyncEntities::kAll)
        m_changeCounts[int(entity)] = m_ledger->pendingChangeCounts(entity);

    for (const Account& a : m_accounts->findPending())
        m_queue.append(change(SyncEntity::Account, a.id, a, SyncWire::payload(a)));
    for (const Category& c : m_categories->findPending())
        m_queue.append(change(SyncEntity::Category, c.id, c, SyncWire::payload(c)));
    for (const RecurringTransaction& r : m_recurring->findPending())
        m_queue.append(change(SyncEntity::Recurring, r.id, r, SyncWire::payload(r)));
    for (const Transaction& t : m_transactions->findPending()) {
        const QList<SplitLine> lines
            = t.isSplit ? m_splitLines->findByTransaction(t.id) : QList<SplitLine>();
        m_queue.append(change(SyncEntity::Transaction, t.id, t, SyncWire::payload(t, lines)));
    }
    for (const Reconciliation& r : m_reconciliations->findPending())
        m_queue.append(change(SyncEntity::Reconciliation, r.id, r, SyncWire::payload(r)));

    if (m_queue.isEmpty()) {
        startPull();
        return;
    }
    qCInfo(lcSync) << "Pushing" << m_queue.size() << "changes (in batches of" << kPushBatch << ")";
    pushNextBatch();
}

void SyncEngine::pushNextBatch()
{
    if (m_queue.isEmpty()) {
        startPull();
        return;
    }
    QJsonArray batch;
    const qsizetype size = std::min<qsizetype>(m_queue.size(), kPushBatch);
    for (qsizetype i = 0; i < size; ++i)
        batch.append(m_queue.at(i));
    // Dropping from the front of a large array one by one is quadratic.
    QJsonArray rest;
    for (qsizetype i = size; i < m_queue.size(); ++i)
        rest.append(m_queue.at(i));
    m_queue = rest;
    qCInfo(lcSync) << "Push batch:" << batch.size() << "changes," << m_queue.size() << "remaining";
    m_api->post(QStringLiteral("/sync/push"), { { "changes", batch } },
        [this](bool ok, int status, const QJsonObject& body) { onPushReply(ok, status, body); });
}

void SyncEngine::onPushReply(bool ok, int status, const QJsonObject& body)
{
    if (!ok) {
        fail(tr("Push failed (HTTP %1)").arg(status));
        return;
    }
    int accepted = 0;
    int errors = 0;
    const QJsonArray results = body.value("results").toArray();
    // One unit of work for the whole batch: a write per row on its own would
    // wait for the disk 500 times.
    TransactionScope scope(m_db);
    for (const QJsonValue& value : results) {
        const QJsonObject result = value.toObject();
        const QString resultStatus = result.value("status").toString();
        const QString entityId = result.value("entity_id").toString();
        const QString entityType = result.value("entity_type").toString();
        const auto entity = SyncEntities::fromWireType(entityType);
        if (resultStatus == QLatin1String("ok")) {
            ++accepted;
            if (entity)
                m_ledger->accept(*entity, entityId, result.value("server_id").toString(),
                    versionOf(result), m_changeCounts[int(*entity)].value(entityId, -1));
            continue;
        }
        ++errors;
        qCWarning(lcSync).noquote()
            << "Push result not ok — leaving record pending:" << entityType << entityId
            << "status=" << resultStatus << "message=" << result.value("message").toString();
        if (entity && resultStatus == QLatin1String("conflict")
            && m_ledger->refuse(*entity, entityId, refusedAtVersion(result),
                m_changeCounts[int(*entity)].value(entityId, -1)))
            qCWarning(lcSync).noquote() << "Sync conflict: the server refused" << entityType
                                        << entityId << SyncLedger::kRefusalsBeforeConflict
                                        << "times; it waits for the user";
    }
    scope.commit();
    if (errors > 0)
        qCWarning(lcSync).noquote() << "Push batch:" << accepted << "ok," << errors
                                    << "errors — failed records remain pending for next sync";
    pushNextBatch();
}

void SyncEngine::startPull()
{
    if (m_fullSyncRequested) {
        finishCycle(false);
        return;
    }
    m_pages = 0;
    pullChanges(m_preferences->value(kCursorKey));
}

void SyncEngine::pullChanges(const QString& cursor)
{
    QUrlQuery query;
    if (!cursor.isEmpty())
        query.addQueryItem(QStringLiteral("cursor"), cursor);
    query.addQueryItem(QStringLiteral("limit"), QString::number(kPullPage));
    m_api->get(
        QStringLiteral("/sync/pull"),
        [this, cursor](bool ok, int status, const QJsonObject& body) {
            onPullReply(cursor, ok, status, body);
        },
        query);
}

void SyncEngine::onPullReply(
    const QString& cursor, bool ok, int status, const QJsonObject& body)
{
    if (!ok) {
        fail(tr("Pull failed (HTTP %1)").arg(status));
        return;
    }
    if (m_fullSyncRequested) {
        // The stream starts over with the next cycle; this cursor is stale.
        finishCycle(false);
        return;
    }
    const QString next = body.value("cursor").toString();
    const bool hasMore = body.value("has_more").toBool();
    const bool stalled = hasMore && (next.isEmpty() || next == cursor);
    const bool applied = m_applier->applyPage(body, [&] {
        return next.isEmpty() || stalled || m_preferences->set(kCursorKey, next);
    });
    if (!applied) {
        fail(tr("Could not store the pulled changes"));
        return;
    }
    if (body.value("integrity").isObject())
        checkIntegrity(body.value("integrity").toObject());
    if (stalled) {
        fail(tr("The server did not move on from its position in the change stream"));
        return;
    }
    ++m_pages;
    if (hasMore && m_pages < kMaxPagesPerCycle) {
        pullChanges(next);
        return;
    }
    // The rest follows at once in another cycle, from the saved cursor.
    if (hasMore)
        m_resync = true;
    finishCycle(true);
}

void SyncEngine::checkIntegrity(const QJsonObject& integrity)
{
    const int server = integrity.value("category_count").toInt();
    const int local = m_categories->count();
    if (server >= 1 && server != local)
        qCWarning(lcSync).noquote()
            << "Category count mismatch: local=" << local << "server=" << server
            << "(informational only — use Force Full Sync if data appears wrong)";
}

void SyncEngine::fail(const QString& error)
{
    m_lastError = error;
    qCWarning(lcSync).noquote() << "Sync failed:" << error;
    m_running = false;
    setState(Error);
    Q_EMIT syncFailed(error);
    const int conflicts = conflictCount();
    if (conflicts != m_conflicts)
        Q_EMIT conflictCountChanged(m_conflicts = conflicts);
    if (m_resync)
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
}

void SyncEngine::finishCycle(bool completed)
{
    m_running = false;
    if (completed) {
        m_preferences->set(kLastSyncKey, Clock::nowIso());
        setState(Idle);
        Q_EMIT syncCompleted();
        if (m_applier->appliedCount() != m_appliedAtStart)
            Q_EMIT dataChanged();
    } else {
        m_resync = true;
    }
    const int conflicts = conflictCount();
    if (conflicts != m_conflicts)
        Q_EMIT conflictCountChanged(m_conflicts = conflicts);
    if (m_resync)
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
}
