#pragma once

#include "SyncConflicts.h"
#include "SyncEntity.h"
#include "SyncLedger.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <functional>

class Database;
class AccountRepository;
class TransactionRepository;
class CategoryRepository;
class RecurringRepository;
class ReconciliationRepository;
class CsvProfileRepository;
class SplitLineRepository;
class PreferencesRepository;
class SyncApplier;
namespace MellAccount {
class ApiClient;
}

// Keeps the local store and the cloud copy in step. One cycle pushes every
// pending row in batches, then pulls the server's changes after the saved
// cursor page by page, several pages merged in one unit of work, each page
// kept whole or not at all. The first cycle with a cloud account pulls the
// whole stream before it pushes anything, so that what the account already
// holds is compared, not overwritten. One cycle runs at a time; a request
// during a cycle runs one more after it.
class SyncEngine : public QObject {
    Q_OBJECT
    Q_PROPERTY(SyncState state READ state NOTIFY stateChanged)

public:
    enum SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3, Paused = 4 };
    Q_ENUM(SyncState)

    static constexpr int kPushBatch = 500;
    static constexpr int kPullPage = 200;
    static constexpr int kMaxPagesPerCycle = 50;
    // Pulled records written in one unit of work: fewer commits, while the
    // window stays responsive between them.
    static constexpr int kPullRecordsPerWrite = 1000;
    static constexpr int kDebounceMs = 2000;
    static constexpr int kAutoSyncMs = 300000;
    static inline const QString kCursorKey = QStringLiteral("syncCursor");
    static inline const QString kLastSyncKey = QStringLiteral("lastSyncTimestamp");
    // The cloud account and address the cursor and server ids belong to.
    static inline const QString kAccountKey = QStringLiteral("syncAccount");
    // Set while the account named there has not been pulled from whole yet.
    static inline const QString kPullFirstKey = QStringLiteral("syncPullFirst");

    SyncEngine(MellAccount::ApiClient* syncApi, Database* db, AccountRepository* accounts,
        TransactionRepository* transactions, CategoryRepository* categories,
        RecurringRepository* recurring, ReconciliationRepository* reconciliations,
        SplitLineRepository* splitLines, PreferencesRepository* preferences,
        CsvProfileRepository* csvProfiles, QObject* parent = nullptr);
    ~SyncEngine() override;

    void setCanSync(std::function<bool()> canSync) { m_canSync = std::move(canSync); }
    // Who is signed in; with the sync address it names the place synced with.
    void setUserId(std::function<QString()> userId) { m_userId = std::move(userId); }

    void syncNow();
    void requestSync();
    // How long after the last requestSync the cycle starts (kDebounceMs).
    void setRequestDelay(int ms) { m_debounce.setInterval(ms); }
    void startAutoSync(int intervalMs = kAutoSyncMs);
    void stopAutoSync();
    bool isAutoSyncActive() const { return m_autoTimer.isActive(); }
    // Every live row goes up again and the whole stream comes down again,
    // starting with the next cycle (at once when none runs).
    void forceFullSync();

    // After accountChangeDetected: upload this computer's data to the place
    // signed in to now (once its own records were pulled and compared), or
    // leave it alone for this session.
    void adoptAccount();
    void declineAccount();

    SyncState state() const { return m_state; }
    static QString stateText(SyncState state);
    // What the status line says: the state, or how many records the server
    // refused in the last cycle.
    QString statusText() const;
    int rejectedCount() const { return m_rejected; }
    QString lastError() const { return m_lastError; }
    // When a cycle last completed; invalid when none has.
    QDateTime lastSyncTime() const;
    bool isRunning() const { return m_running; }
    int conflictCount() const;
    QList<SyncConflict> conflicts() const;
    // Settle a conflict: this computer's side goes up over the server's, or
    // the server's replaces it. Either way a cycle follows at once.
    void keepMine(SyncEntity entity, const QString& id);
    void useTheirs(SyncEntity entity, const QString& id);

Q_SIGNALS:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString& error);
    void dataChanged();
    void conflictCountChanged(int count);
    // The data here was synced with another cloud account or address; asked
    // once until adoptAccount or declineAccount answers.
    void accountChangeDetected();
    // The owner of `accountName` stopped sharing it while a change of this
    // user's to it waited: the change was dropped.
    void accessEnded(const QString& accountName);

private:
    void setState(SyncState state);
    QString currentAccount() const;
    bool switchToCurrentAccount();
    void startCycle();
    void runFullResync();
    void gatherChanges();
    void pushNextBatch();
    void onPushReply(bool ok, int status, const QJsonObject& body);
    void startPull();
    void pullChanges(const QString& cursor);
    void onPullReply(const QString& cursor, bool ok, int status, const QJsonObject& body);
    // The pages fetched and not written yet; false (the cycle failed) when
    // one of them could not be kept.
    bool applyHeldPages();
    void checkIntegrity(const QJsonObject& integrity);
    void fail(const QString& error);
    void finishCycle(bool completed);
    // What every ending cycle tells: merged data, conflicts, dropped changes.
    void announceEnd();
    void publishConflicts();

    MellAccount::ApiClient* m_api;
    Database* m_db;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    SplitLineRepository* m_splitLines;
    PreferencesRepository* m_preferences;
    CsvProfileRepository* m_csvProfiles;
    SyncLedger* m_ledger;
    SyncApplier* m_applier;
    SyncConflicts* m_conflictList;

    std::function<bool()> m_canSync;
    std::function<QString()> m_userId;
    QTimer m_autoTimer;
    QTimer m_debounce;
    SyncState m_state = Idle;
    QString m_lastError;
    bool m_running = false;
    bool m_resync = false;
    bool m_fullSyncRequested = false;
    bool m_rewindRequested = false;
    bool m_pullingFirst = false;
    // Between accountChangeDetected and its answer.
    bool m_asking = false;
    bool m_adoptRequested = false;
    QString m_declinedAccount;
    // Records the server refused (other than conflicts) in this cycle, and
    // how many of them still waited at the end of the last one that completed.
    QList<SyncLedger::Row> m_notAccepted;
    int m_rejected = 0;
    QSet<QString> m_droppedAccounts;
    int m_pages = 0;
    // A page with the cursor to store with it (none for a stalled page).
    struct HeldPage {
        QJsonObject body;
        QString cursor;
    };
    QList<HeldPage> m_held;
    int m_heldRecords = 0;
    int m_appliedAtStart = 0;
    int m_conflicts = -1;
    QJsonArray m_queue;
    // Local id -> change count of each pending row, as read for this cycle's push.
    std::array<QHash<QString, qint64>, SyncEntities::kAll.size()> m_changeCounts;
};
