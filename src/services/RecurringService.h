#pragma once

#include "data/RecurringTransaction.h"

#include <QDate>
#include <QList>
#include <QObject>

class AccountRepository;
class Database;
class RecurringRepository;
class TransactionBulkInsert;
class TransactionRepository;
class TransactionScope;

// Turns schedules into transactions: posts an occurrence when the user
// confirms it, moves a schedule past one when it is skipped, and posts every
// due occurrence of the automatic schedules, catching up on missed dates.
// Occurrence ids are derived from the schedule and the date, so one
// occurrence can never be stored twice, whichever installation posted it.
class RecurringService : public QObject {
    Q_OBJECT

public:
    enum class ConfirmResult {
        Confirmed,
        NotFound,
        BrokenDate, // deactivated instead
        AlreadyPosted,
        CurrencyMismatch,
        TransferAccountMissing,
        AmountTooLarge,
        StoreFailed
    };

    // One run posts the first due occurrence of a schedule and at most this
    // many more; a schedule still behind after that is deactivated.
    static constexpr int kCatchUpCap = 365;

    RecurringService(Database* db, RecurringRepository* recurring,
        TransactionRepository* transactions, AccountRepository* accounts,
        QObject* parent = nullptr);

    // The id of the occurrence of `scheduleId` on `date`; the destination leg
    // of a transfer has an id of its own.
    static QString occurrenceId(
        const QString& scheduleId, const QDate& date, bool destinationLeg = false);
    static QDate nextDate(const QDate& date, Frequency frequency);
    // Invalid, or before 1 January 2000.
    static bool isBrokenDate(const QDate& date);

    // Posts the schedule's current occurrence and advances it, all or nothing.
    bool confirm(const RecurringTransaction& schedule);
    ConfirmResult confirmWithResult(const RecurringTransaction& schedule);
    bool skip(const QString& scheduleId);
    // One occurrence of every due schedule; how many were posted.
    int confirmAll();
    // Every due occurrence of the automatic schedules up to today; how many
    // transactions were posted (a transfer's two legs count once).
    int autoPostDue();
    // Why the last run of confirmAll or autoPostDue stored nothing, as the user
    // is told ("No recurring transactions were posted: the disk is full.");
    // empty when it went through.
    QString lastRunProblem() const { return m_runProblem; }
    int pendingCount() const;
    QList<RecurringTransaction> allSchedules() const;

    // Schedules as the screens edit them.
    bool addSchedule(const RecurringTransaction& schedule);
    bool updateSchedule(const RecurringTransaction& schedule);
    bool removeSchedule(const QString& scheduleId);

Q_SIGNALS:
    void pendingCountChanged(int count);

private:
    // Posts the occurrence of `schedule` in a step of its own and, on
    // success, leaves the advanced schedule in it.
    ConfirmResult post(RecurringTransaction& schedule);
    // Whether a transfer schedule can post; on success, the payee of its
    // destination leg.
    ConfirmResult checkTransfer(const RecurringTransaction& schedule, QString& legPayee) const;
    // Posts the occurrences after the first that are due by `today`.
    int catchUp(RecurringTransaction schedule, const QDate& today);
    void advance(RecurringTransaction& schedule) const;
    bool deactivate(RecurringTransaction schedule);
    void quarantine(const RecurringTransaction& schedule, const QString& reason);
    void announcePendingCount();
    // A failed write of an occurrence: its own when the store refused that
    // row, else the end of the whole run.
    ConfirmResult storeFailed();
    // Commits a run of posts, or says why it stored nothing; the posts kept.
    int finishRun(TransactionScope& run, TransactionBulkInsert& bulk, int posted);

    Database* m_db;
    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
    // SQLite's code of the failure that ends the run in progress; 0 while none did.
    int m_runFailure = 0;
    QString m_runProblem;
    // The run's inserts, indexed for search once at its end; null outside a run.
    TransactionBulkInsert* m_bulk = nullptr;
};
