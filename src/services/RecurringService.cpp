#include "RecurringService.h"

#include "RecurringLogging.h"
#include "TransactionService.h"
#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/RecordRules.h"
#include "data/RecurringRepository.h"
#include "data/Savepoint.h"
#include "data/SingleLine.h"
#include "data/StoreError.h"
#include "data/TransactionBulkInsert.h"
#include "data/TransactionRepository.h"
#include "data/TransactionScope.h"

#include <sqlite3.h>

namespace {

// Shared by every installation, so that all of them name an occurrence alike.
const QUuid kOccurrenceNamespace { QStringLiteral("a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e") };
const QDate kEarliestDate { 2000, 1, 1 };

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

RecurringService::RecurringService(Database* db, RecurringRepository* recurring,
    TransactionRepository* transactions, AccountRepository* accounts, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

QString RecurringService::occurrenceId(
    const QString& scheduleId, const QDate& date, bool destinationLeg)
{
    QString key = scheduleId + QLatin1Char(':') + dateText(date);
    if (destinationLeg)
        key += QStringLiteral(":dest");
    return Ids::nameBased(kOccurrenceNamespace, key);
}

QDate RecurringService::nextDate(const QDate& date, Frequency frequency)
{
    // Month steps clamp to the end of a shorter month and stay there.
    switch (frequency) {
    case Frequency::Daily: return date.addDays(1);
    case Frequency::Weekly: return date.addDays(7);
    case Frequency::Biweekly: return date.addDays(14);
    case Frequency::Monthly: return date.addMonths(1);
    case Frequency::Quarterly: return date.addMonths(3);
    case Frequency::SemiAnnual: return date.addMonths(6);
    case Frequency::Annual: return date.addYears(1);
    }
    return date.addMonths(1);
}

bool RecurringService::isBrokenDate(const QDate& date)
{
    return !date.isValid() || date < kEarliestDate;
}

bool RecurringService::confirm(const RecurringTransaction& schedule)
{
    return confirmWithResult(schedule) == ConfirmResult::Confirmed;
}

RecurringService::ConfirmResult RecurringService::confirmWithResult(
    const RecurringTransaction& schedule)
{
    auto current = m_recurring->findById(schedule.id);
    if (!current || current->deletedAt)
        return ConfirmResult::NotFound;
    const ConfirmResult result = post(*current);
    if (result == ConfirmResult::Confirmed)
        announcePendingCount();
    return result;
}

RecurringService::ConfirmResult RecurringService::checkTransfer(
    const RecurringTransaction& s, QString& legPayee) const
{
    legPayee = s.payee;
    if (s.transferDestAccountId.isEmpty())
        return ConfirmResult::Confirmed;
    const auto destination = m_accounts->findById(s.transferDestAccountId);
    // A leg in an account that is gone would take the money out of sight.
    if (!destination || destination->deletedAt || destination->id == s.accountId) {
        qCWarning(lcRecurring).noquote() << "RecurringService: skipping transfer post for" << s.id
                                         << s.payee << "— destination account not found";
        return ConfirmResult::TransferAccountMissing;
    }
    const auto source = m_accounts->findById(s.accountId);
    if (source && source->currency != destination->currency) {
        qCWarning(lcRecurring).noquote() << "RecurringService: skipping transfer post for" << s.id
                                         << s.payee << "— source and destination currencies differ";
        return ConfirmResult::CurrencyMismatch;
    }
    // A transfer memorized from the register keeps the register's names, so
    // the other account reads its own direction of the money.
    if (source
        && (s.payee == TransactionService::transferToPayee(destination->name)
            || s.payee == TransactionService::transferFromPayee(destination->name)))
        legPayee = TransactionService::transferPayeeFor(-s.amount, source->name);
    return ConfirmResult::Confirmed;
}

RecurringService::ConfirmResult RecurringService::post(RecurringTransaction& s)
{
    if (isBrokenDate(s.nextDueDate)) {
        qCWarning(lcRecurring).noquote()
            << "RecurringService::confirm refusing record with broken date:" << s.id << s.payee
            << s.nextDueDate.toString(Qt::ISODate) << "— quarantining (deactivating)";
        deactivate(s);
        return ConfirmResult::BrokenDate;
    }
    if (!Money::isWithinLimit(s.amount)) {
        qCWarning(lcRecurring).noquote()
            << "RecurringService: amount beyond the limit in" << s.id << s.payee << s.amount;
        return ConfirmResult::AmountTooLarge;
    }
    // Refused before anything is written, so the schedule stays as it was.
    QString legPayee;
    if (const ConfirmResult transfer = checkTransfer(s, legPayee);
        transfer != ConfirmResult::Confirmed)
        return transfer;

    Transaction main;
    main.id = occurrenceId(s.id, s.nextDueDate);
    main.accountId = s.accountId;
    main.date = s.nextDueDate;
    main.payee = s.payee;
    main.memo = s.memo;
    main.amount = s.amount;
    main.categoryId = s.categoryId;
    main.recurringId = s.id;
    main.createdAt = main.updatedAt = Clock::nowUtc();
    const bool transfer = !s.transferDestAccountId.isEmpty();
    if (transfer) {
        main.transferDestAccountId = s.transferDestAccountId;
        main.transferLinkId = occurrenceId(s.id, s.nextDueDate, true);
    }

    RecurringTransaction advanced = s;
    advance(advanced);

    Savepoint step(m_db);
    if (!step.isOpen())
        return storeFailed();
    // The id is the occurrence's: an insert refused because it exists means
    // this date was posted before, here or on another computer.
    const auto insert = [this](const Transaction& t) {
        return m_bulk ? m_bulk->insert(t) : m_transactions->insert(t);
    };
    if (!insert(main))
        return StoreError::isRowFailure(m_db->lastFailure()) && m_transactions->findById(main.id)
            ? ConfirmResult::AlreadyPosted
            : storeFailed();
    if (transfer) {
        Transaction leg = TransactionService::transferLeg(main, main.transferLinkId);
        leg.payee = legPayee;
        leg.memo = main.memo;
        leg.categoryId = main.categoryId;
        leg.recurringId = main.recurringId;
        if (!insert(leg))
            return storeFailed();
    }
    if (!m_recurring->update(advanced) || !step.release())
        return storeFailed();
    s = advanced;
    return ConfirmResult::Confirmed;
}

void RecurringService::advance(RecurringTransaction& s) const
{
    s.nextDueDate = nextDate(s.nextDueDate, s.frequency);
    s.updatedAt = Clock::nowUtc();
    s.syncStatus = SyncStatus::Pending;
    if (s.endDate && s.nextDueDate > *s.endDate)
        s.isActive = false;
}

bool RecurringService::deactivate(RecurringTransaction s)
{
    s.isActive = false;
    s.updatedAt = Clock::nowUtc();
    s.syncStatus = SyncStatus::Pending;
    return m_recurring->update(s);
}

void RecurringService::quarantine(const RecurringTransaction& s, const QString& reason)
{
    qCWarning(lcRecurring).noquote()
        << "Quarantining recurring" << s.id << s.payee << "— auto-deactivating. Reason:" << reason
        << "nextDueDate=" + s.nextDueDate.toString(Qt::ISODate);
    if (const auto current = m_recurring->findById(s.id))
        deactivate(*current);
}

bool RecurringService::skip(const QString& scheduleId)
{
    auto s = m_recurring->findById(scheduleId);
    if (!s || s->deletedAt)
        return false;
    advance(*s);
    if (!m_recurring->update(*s))
        return false;
    announcePendingCount();
    return true;
}

RecurringService::ConfirmResult RecurringService::storeFailed()
{
    const int code = m_db->lastFailure();
    if (!StoreError::isRowFailure(code) || m_db->unitLost())
        m_runFailure = code ? code : SQLITE_ERROR;
    return ConfirmResult::StoreFailed;
}

int RecurringService::finishRun(TransactionScope& run, TransactionBulkInsert& bulk, int posted)
{
    m_bulk = nullptr;
    if (!m_runFailure && bulk.finish() && run.commit()) {
        m_runProblem.clear();
        return posted;
    }
    // The rollback puts the search triggers back with everything else.
    bulk.abandon();
    const int code = m_runFailure ? m_runFailure : m_db->lastFailure();
    m_runProblem = tr("No recurring transactions were posted: %1.").arg(StoreError::reason(code));
    qCWarning(lcRecurring).noquote()
        << "RecurringService: the run could not be stored and was rolled back:"
        << StoreError::reason(code);
    return 0;
}

int RecurringService::confirmAll()
{
    // One database transaction for the lot; each confirm is a step of it that
    // stands or falls on its own, unless the store itself fails.
    m_runFailure = 0;
    TransactionScope run(m_db);
    TransactionBulkInsert bulk(m_db, m_transactions);
    m_bulk = &bulk;
    int confirmed = 0;
    for (RecurringTransaction s : m_recurring->findDue(Clock::today())) {
        if (post(s) == ConfirmResult::Confirmed)
            ++confirmed;
        if (m_runFailure)
            break;
    }
    confirmed = finishRun(run, bulk, confirmed);
    if (confirmed > 0)
        announcePendingCount();
    return confirmed;
}

int RecurringService::autoPostDue()
{
    const QDate today = Clock::today();
    m_runFailure = 0;
    TransactionScope run(m_db);
    TransactionBulkInsert bulk(m_db, m_transactions);
    m_bulk = &bulk;
    int posted = 0;
    for (RecurringTransaction s : m_recurring->findDue(today)) {
        if (!s.autoPost)
            continue;
        if (isBrokenDate(s.nextDueDate)) {
            quarantine(s, QStringLiteral("broken next_due_date"));
            continue;
        }
        if (post(s) == ConfirmResult::Confirmed)
            posted += 1 + catchUp(s, today);
        if (m_runFailure)
            break;
    }
    posted = finishRun(run, bulk, posted);
    if (posted > 0) {
        qCInfo(lcRecurring).noquote() << "RecurringService: auto-posted" << posted;
        announcePendingCount();
    }
    return posted;
}

int RecurringService::catchUp(RecurringTransaction s, const QDate& today)
{
    // The cap counts the posts after the first. A schedule that is caught up
    // by the last of them stays active; one with an occurrence still due
    // after that is deactivated rather than left to flood the register.
    int further = 0;
    QDate lastPosted;
    while (s.isActive && s.nextDueDate.isValid()) {
        if (s.nextDueDate < kEarliestDate) {
            quarantine(s, QStringLiteral("advanced to broken date during catchup"));
            break;
        }
        if (s.nextDueDate > today || s.nextDueDate == lastPosted)
            break;
        if (further == kCatchUpCap) {
            quarantine(s, QStringLiteral("hit catchup cap in single tick"));
            break;
        }
        lastPosted = s.nextDueDate;
        if (post(s) != ConfirmResult::Confirmed)
            break;
        ++further;
    }
    return further;
}

int RecurringService::pendingCount() const
{
    return m_recurring->countDue(Clock::today());
}

QList<RecurringTransaction> RecurringService::allSchedules() const
{
    return m_recurring->findAll();
}

namespace {

bool fitForStore(RecurringTransaction& s)
{
    s.payee = SingleLine::clean(s.payee);
    s.memo = SingleLine::clean(s.memo);
    return Money::isWithinLimit(s.amount) && RecordRules::scheduleProblem(s).isEmpty();
}

} // namespace

bool RecurringService::addSchedule(const RecurringTransaction& schedule)
{
    RecurringTransaction s = schedule;
    return fitForStore(s) && m_recurring->insert(s);
}

bool RecurringService::updateSchedule(const RecurringTransaction& schedule)
{
    RecurringTransaction s = schedule;
    return fitForStore(s) && m_recurring->update(s);
}

bool RecurringService::removeSchedule(const QString& scheduleId)
{
    return m_recurring->softDelete(scheduleId);
}

void RecurringService::announcePendingCount()
{
    Q_EMIT pendingCountChanged(pendingCount());
}
