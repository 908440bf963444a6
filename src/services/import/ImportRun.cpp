#include "ImportRun.h"

#include "ImportLogging.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/RecordRules.h"
#include "data/SingleLine.h"
#include "data/StoreError.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/TransactionService.h"

#include <QCoreApplication>

namespace {

constexpr int kProgressEvery = 100;
// Enough reasons to see what is wrong with a file, not a list of every row.
constexpr int kProblemsListed = 20;

} // namespace

ImportRun::ImportRun(const Services& services, const char* kind, Progress progress,
    const bool& cancelRequested, ImportResult& result)
    : m_services(services)
    , m_kind(kind)
    , m_result(result)
    , m_scope(services.db)
    , m_bulk(services.db, services.transactions)
    , m_progress(std::move(progress))
    , m_cancelRequested(cancelRequested)
    , m_now(Clock::nowUtc())
{
    // A failure before this run must not be taken for this run's.
    m_services.db->noteFailure(0);
    for (const Category& c : m_services.categories->findAll()) {
        if (!m_categoryIds.contains(c.name))
            m_categoryIds.insert(c.name, c.id);
    }
}

void ImportRun::planAccounts(const QList<Account>& accounts)
{
    for (const Account& account : accounts) {
        if (!m_services.accountRepository->findById(account.id))
            m_planned.insert(account.id, account);
    }
}

std::optional<Account> ImportRun::account(const QString& id) const
{
    if (id.isEmpty())
        return std::nullopt;
    if (const auto planned = m_planned.constFind(id); planned != m_planned.cend())
        return *planned;
    const auto stored = m_services.accountRepository->findById(id);
    return stored && !stored->deletedAt ? stored : std::nullopt;
}

bool ImportRun::createPlannedAccount(const QString& accountId)
{
    const auto planned = m_planned.constFind(accountId);
    if (planned == m_planned.cend())
        return true;
    const Account account = *planned;
    m_planned.erase(planned);
    return m_services.accounts->create(account, m_now.date());
}

bool ImportRun::step()
{
    ++m_current;
    if (m_current % kProgressEvery == 0) {
        m_progress(m_current, m_total);
        // Lets the progress dialog paint and hear its Cancel button.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return !m_cancelRequested && !m_abandoned;
}

QString ImportRun::duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    return QStringLiteral("%1|%2|%3").arg(date.toString(Qt::ISODate)).arg(amount).arg(payee);
}

bool ImportRun::isDuplicate(const QString& accountId, const QString& key)
{
    auto keys = m_keys.find(accountId);
    if (keys == m_keys.end()) {
        keys = m_keys.insert(accountId, {});
        for (const Transaction& t : m_services.transactions->findByAccount(accountId))
            keys->insert(duplicateKey(t.date, t.amount, t.payee));
    }
    return keys->contains(key);
}

void ImportRun::remember(const QString& accountId, const QString& key)
{
    m_keys[accountId].insert(key);
}

QString ImportRun::problem(
    const Transaction& t, const QList<SplitLine>& lines, const QStringList& categories) const
{
    if (QString refusal = TransactionService::refusal(t, lines); !refusal.isEmpty())
        return refusal;
    // Each line is read within the limit; what they leave of the amount may not be.
    for (const SplitLine& line : lines) {
        if (!Money::isWithinLimit(line.amount)) {
            const auto target = account(t.accountId);
            return Money::limitMessage(target ? target->currency : Currency::USD);
        }
    }
    for (const QString& name : categories) {
        if (QString refusal = RecordRules::categoryNameProblem(SingleLine::clean(name));
            !refusal.isEmpty())
            return refusal;
    }
    return {};
}

void ImportRun::refuse(const QString& where, const QString& reason)
{
    ++m_result.invalid;
    if (m_result.problems.size() < kProblemsListed)
        m_result.problems << tr("%1: %2").arg(where, reason);
}

std::optional<QString> ImportRun::categoryId(const QString& rawName, CategoryType type)
{
    const QString name = SingleLine::clean(rawName);
    if (name.isEmpty())
        return QString();
    const auto found = m_categoryIds.constFind(name);
    if (found != m_categoryIds.constEnd())
        return *found;
    Category category;
    category.id = Ids::newId();
    category.name = name;
    category.type = type;
    category.createdAt = category.updatedAt = m_now;
    if (!m_services.categories->insert(category)) {
        fail("category insert failed");
        return std::nullopt;
    }
    m_categoryIds.insert(name, category.id);
    return category.id;
}

bool ImportRun::store(const QString& where, const Transaction& t, const QList<SplitLine>& lines)
{
    if (!createPlannedAccount(t.accountId)) {
        fail("account insert failed");
        return false;
    }
    switch (m_services.writer->saveNew(t, lines, m_bulk)) {
    case TransactionService::Result::Saved: return true;
    case TransactionService::Result::Refused:
        refuse(where, TransactionService::refusal(t, lines));
        return false;
    default: break;
    }
    qCWarning(lcImport).noquote()
        << QStringLiteral("%1 import: insert failed for").arg(QLatin1String(m_kind))
        << t.date.toString(Qt::ISODate) << t.payee << "amount" << t.amount << "account"
        << t.accountId;
    fail("insert failed");
    return false;
}

bool ImportRun::update(const Transaction& t)
{
    if (m_services.writer->save(t, std::nullopt, false) == TransactionService::Result::Saved)
        return true;
    fail("failed to update retroactive partner");
    return false;
}

void ImportRun::fail(const char* what)
{
    const int code = m_services.db->lastFailure();
    abandon(QStringLiteral("%1: %2").arg(QLatin1String(what), StoreError::reason(code)),
        tr("Nothing was imported: %1.").arg(StoreError::reason(code)));
}

void ImportRun::abandon(const QString& reason, const QString& userText)
{
    if (m_abandoned)
        return;
    m_abandoned = true;
    m_result.aborted = true;
    m_result.abortReason = reason;
    m_result.failure = userText.isEmpty()
        ? tr("Nothing was imported: the import could not be completed (%1).").arg(reason)
        : userText;
}

void ImportRun::finish()
{
    if (!m_abandoned && m_cancelRequested) {
        abandon(QStringLiteral("cancelled"), tr("Nothing was imported: the import was cancelled."));
        m_result.cancelled = true;
    }
    if (!m_abandoned && !m_bulk.finish())
        fail("the search index could not be updated");
    if (!m_abandoned && !m_scope.commit())
        fail("the import could not be committed");
    if (m_abandoned) {
        // The rollback puts the search triggers back with everything else.
        m_bulk.abandon();
        qCWarning(lcImport).noquote()
            << QStringLiteral("%1 import aborted:").arg(QLatin1String(m_kind))
            << m_result.abortReason;
        // What the run counted as stored was rolled back with it.
        m_result.imported = 0;
        m_result.transfersLinked = 0;
        m_result.retroactiveLinks = 0;
        m_result.adjusted = 0;
    }
    m_progress(m_total, m_total);
}
