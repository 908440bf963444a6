#include "SyncEngine.h"

#include "SyncApplier.h"
#include "SyncLedger.h"
#include "SyncLogging.h"
#include "SyncWire.h"
#include "account/ApiClient.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/CsvProfileRepository.h"
#include "data/PreferencesRepository.h"
#include "data/ReconciliationRepository.h"
#include "data/RecurringRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <QUrlQuery>

namespace {

QJsonObject change(
    SyncEntity entity, const QString& id, const SyncFields& fields, const QJsonObject& payload)
{
    return { { "entity_type", SyncEntities::wireType(entity) }, { "entity_id", id },
        { "action", fields.deletedAt ? "delete" : "upsert" }, { "version", fields.version },
        { "payload", payload } };
}

std::optional<int> intOf(const QJsonObject& result, const char* member)
{
    const QJsonValue value = result.value(QLatin1String(member));
    return value.isDouble() ? std::optional(value.toInt()) : std::nullopt;
}

} // namespace

SyncEngine::SyncEngine(MellAccount::ApiClient* syncApi, Database* db, AccountRepository* accounts,
    TransactionRepository* transactions, CategoryRepository* categories,
    RecurringRepository* recurring, ReconciliationRepository* reconciliations,
    SplitLineRepository* splitLines, PreferencesRepository* preferences,
    CsvProfileRepository* csvProfiles, QObject* parent)
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
    , m_csvProfiles(csvProfiles)
    , m_ledger(new SyncLedger(db, this))
    , m_applier(new SyncApplier(db,
          { accounts, categories, recurring, transactions, reconciliations, splitLines,
              csvProfiles },
          m_ledger))
    , m_conflictList(new SyncConflicts(db,
          { accounts, categories, recurring, transactions, reconciliations, splitLines,
              csvProfiles },
          m_ledger, m_applier))
{
    m_autoTimer.setSingleShot(false);
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(kDebounceMs);
    connect(&m_autoTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(&m_debounce, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(
        m_api, &MellAccount::ApiClient::authenticationRequired, this, [this] { setState(Error); });
}

SyncEngine::~SyncEngine()
{
    delete m_conflictList;
    delete m_applier;
}

QString SyncEngine::stateText(SyncState state)
{
    switch (state) {
    case Idle: return tr("Synced");
    case Syncing: return tr("Syncing...");
    case Error: return tr("Sync error");
    case Offline: return tr("Offline");
    case Paused: return tr("Sync paused");
    }
    return tr("Unknown");
}

QString SyncEngine::statusText() const
{
    if (m_state == Idle && m_rejected > 0)
        return tr("%n record(s) not accepted", nullptr, m_rejected);
    return stateText(m_state);
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

QList<SyncConflict> SyncEngine::conflicts() const
{
    return m_conflictList->list();
}

void SyncEngine::publishConflicts()
{
    const int conflicts = conflictCount();
    if (conflicts != m_conflicts)
        Q_EMIT conflictCountChanged(m_conflicts = conflicts);
}

void SyncEngine::keepMine(SyncEntity entity, const QString& id)
{
    if (!m_conflictList->keepMine(entity, id))
        return;
    publishConflicts();
    syncNow();
}

void SyncEngine::useTheirs(SyncEntity entity, const QString& id)
{
    const SyncConflicts::Outcome outcome = m_conflictList->useTheirs(entity, id);
    if (outcome == SyncConflicts::Outcome::Failed)
        return;
    publishConflicts();
    if (outcome == SyncConflicts::Outcome::Settled)
        Q_EMIT dataChanged();
    else
        m_rewindRequested = true;
    syncNow();
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
    if (m_adoptRequested && !switchToCurrentAccount())
        return;
    // Without a fresh token the user is unknown until the request refreshes
    // it; the place is checked again at the next cycle.
    const QString user = m_userId ? m_userId() : QString();
    const QString account = currentAccount();
    const QString known = user.isEmpty() ? account : m_preferences->value(kAccountKey);
    if (!known.isEmpty() && known != account) {
        m_resync = false;
        setState(Paused);
        if (account != m_declinedAccount && !m_asking) {
            m_asking = true;
            Q_EMIT accountChangeDetected();
        }
        return;
    }
    if (known.isEmpty() && !user.isEmpty()) {
        m_preferences->set(kAccountKey, account);
        m_preferences->set(kPullFirstKey, account);
    }

    m_running = true;
    m_resync = false;
    m_lastError.clear();
    m_notAccepted.clear();
    m_appliedAtStart = m_applier->appliedCount();
    setState(Syncing);
    if (m_fullSyncRequested)
        runFullResync();
    m_pullingFirst = m_preferences->value(kPullFirstKey) == account;
    if (m_pullingFirst) {
        qCInfo(lcSync) << "First sync with this account: pulling its records before pushing";
        startPull();
        return;
    }
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
    const int profiles = m_csvProfiles->markAllPendingForResync();
    qCInfo(lcSync) << "Force Full Sync: marked pending —"
                   << "accounts:" << accounts << "categories:" << categories
                   << "transactions:" << transactions << "recurrings:" << recurrings
                   << "reconciliations:" << reconciliations << "import profiles:" << profiles;
    m_preferences->remove(kCursorKey);
    m_preferences->remove(kLastSyncKey);
}

bool SyncEngine::switchToCurrentAccount()
{
    m_adoptRequested = false;
    const QString account = currentAccount();
    if (m_preferences->value(kAccountKey) == account)
        return true;
    if (!m_ledger->resetForNewAccount()) {
        fail(tr("Could not prepare the data for the new account"));
        return false;
    }
    m_preferences->remove(kCursorKey);
    m_preferences->remove(kLastSyncKey);
    m_preferences->set(kAccountKey, account);
    m_preferences->set(kPullFirstKey, account);
    return true;
}

void SyncEngine::adoptAccount()
{
    m_asking = false;
    m_declinedAccount.clear();
    if (m_running) {
        // Decided once the cycle in flight is over.
        m_adoptRequested = true;
        m_resync = true;
        return;
    }
    if (switchToCurrentAccount())
        syncNow();
}

void SyncEngine::declineAccount()
{
    m_asking = false;
    m_declinedAccount = currentAccount();
    if (!m_running)
        setState(Paused);
}

void SyncEngine::gatherChanges()
{
    // Rows of an account no longer shared with this user never go up.
    for (const QString& account : m_ledger->dropChangesWithoutAccess())
        m_droppedAccounts.insert(account);
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
    for (const CsvProfileRecord& p : m_csvProfiles->findPending())
        m_queue.append(change(SyncEntity::CsvProfile, p.id, p, SyncWire::payload(p)));

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
                    intOf(result, "version"), m_changeCounts[int(*entity)].value(entityId, -1));
            continue;
        }
        ++errors;
        qCWarning(lcSync).noquote()
            << "Push result not ok — leaving record pending:" << entityType << entityId
            << "status=" << resultStatus << "message=" << result.value("message").toString();
        if (resultStatus != QLatin1String("conflict")) {
            // A server from before import profiles refuses them: they wait
            // here for one that takes them, and the ledger's own records do
            // not look refused because of them.
            if (entity && *entity != SyncEntity::CsvProfile)
                m_notAccepted.append({ *entity, entityId });
            continue;
        }
        // Made alike on another computer that pushed it first: the server's
        // copy comes with the pull.
        if (entity && m_ledger->yieldUntouched(*entity, entityId))
            continue;
        // The server's version says what a change must be made on to win.
        const auto serverVersion = intOf(result, "server_version");
        if (entity
            && m_ledger->markConflict(
                *entity, entityId, serverVersion ? serverVersion : intOf(result, "version")))
            qCWarning(lcSync).noquote() << "Sync conflict:" << entityType << entityId
                                        << "changed here and on the server; it waits for the user";
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
    if (m_rewindRequested) {
        // A row waits for the server's record, which the cursor has passed.
        m_rewindRequested = false;
        m_preferences->remove(kCursorKey);
    }
    m_pages = 0;
    m_held.clear();
    m_heldRecords = 0;
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

void SyncEngine::onPullReply(const QString& cursor, bool ok, int status, const QJsonObject& body)
{
    if (!ok) {
        // The pages that did arrive are kept.
        if (applyHeldPages())
            fail(tr("Pull failed (HTTP %1)").arg(status));
        return;
    }
    if (m_fullSyncRequested) {
        // The stream starts over with the next cycle; this cursor is stale.
        m_held.clear();
        finishCycle(false);
        return;
    }
    const QString next = body.value("cursor").toString();
    const bool hasMore = body.value("has_more").toBool();
    const bool stalled = hasMore && (next.isEmpty() || next == cursor);
    m_held.append({ body, stalled ? QString() : next });
    m_heldRecords += SyncWire::recordCount(body);
    ++m_pages;
    const bool goOn = hasMore && !stalled && m_pages < kMaxPagesPerCycle;
    if (goOn && m_heldRecords < kPullRecordsPerWrite) {
        pullChanges(next);
        return;
    }
    if (!applyHeldPages())
        return;
    if (stalled) {
        fail(tr("The server did not move on from its position in the change stream"));
        return;
    }
    if (goOn) {
        pullChanges(next);
        return;
    }
    // The rest follows at once in another cycle, from the saved cursor.
    if (hasMore)
        m_resync = true;
    if (std::exchange(m_pullingFirst, false) && !hasMore) {
        // The account's records are all here and compared: this computer's
        // own changes may go up now.
        m_preferences->remove(kPullFirstKey);
        gatherChanges();
        return;
    }
    finishCycle(true);
}

bool SyncEngine::applyHeldPages()
{
    if (m_held.isEmpty())
        return true;
    const QList<HeldPage> held = std::exchange(m_held, {});
    m_heldRecords = 0;
    QList<QJsonObject> pages;
    for (const HeldPage& page : held)
        pages << page.body;
    const qsizetype kept = m_applier->applyPages(pages, [&](qsizetype page) {
        const QString& next = held.at(page).cursor;
        return next.isEmpty() || m_preferences->set(kCursorKey, next);
    });
    for (qsizetype page = 0; page < kept; ++page) {
        if (pages.at(page).value("integrity").isObject())
            checkIntegrity(pages.at(page).value("integrity").toObject());
    }
    if (kept == pages.size())
        return true;
    fail(tr("Could not store the pulled changes"));
    return false;
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
    m_pullingFirst = false;
    setState(Error);
    Q_EMIT syncFailed(error);
    announceEnd();
    if (m_resync)
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
}

void SyncEngine::finishCycle(bool completed)
{
    m_running = false;
    if (completed) {
        m_rejected = m_ledger->pendingAmong(m_notAccepted);
        m_preferences->set(kLastSyncKey, Clock::nowIso());
        setState(Idle);
        Q_EMIT syncCompleted();
    } else {
        m_resync = true;
    }
    announceEnd();
    if (m_resync)
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
}

void SyncEngine::announceEnd()
{
    m_applier->endPull();
    for (const QString& account : m_applier->takeDroppedAccounts())
        m_droppedAccounts.insert(account);
    // Once per cycle, however many rows it wrote: listeners read everything again.
    if (m_applier->appliedCount() != m_appliedAtStart || !m_droppedAccounts.isEmpty())
        Q_EMIT dataChanged();
    m_appliedAtStart = m_applier->appliedCount();
    publishConflicts();
    for (const QString& id : std::exchange(m_droppedAccounts, {})) {
        const auto account = m_accounts->findById(id);
        Q_EMIT accessEnded(account ? account->name : id);
    }
}
