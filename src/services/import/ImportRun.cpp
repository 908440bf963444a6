#include "ImportRun.h"

#include "ImportLogging.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Ids.h"
#include "data/SingleLine.h"
#include "data/TransactionRepository.h"
#include "services/AccountService.h"
#include "services/TransactionService.h"

#include <QCoreApplication>

namespace {

constexpr int kProgressEvery = 100;

} // namespace

ImportRun::ImportRun(
    const Services& services, const char* kind, Progress progress, const bool& cancelRequested)
    : m_services(services)
    , m_kind(kind)
    , m_scope(services.db)
    , m_bulk(services.db, services.transactions)
    , m_progress(std::move(progress))
    , m_cancelRequested(cancelRequested)
    , m_now(Clock::nowUtc())
{
    for (const Category& c : m_services.categories->findAll()) {
        if (!m_categoryIds.contains(c.name))
            m_categoryIds.insert(c.name, c.id);
    }
}

bool ImportRun::createAccounts(const QList<Account>& accounts)
{
    for (const Account& account : accounts) {
        if (!m_services.accounts->create(account, m_now.date()))
            return false;
    }
    return true;
}

bool ImportRun::step()
{
    ++m_current;
    if (m_current % kProgressEvery == 0) {
        m_progress(m_current, m_total);
        // Lets the progress dialog paint and hear its Cancel button.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return !m_cancelRequested;
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

QString ImportRun::categoryId(const QString& rawName, CategoryType type)
{
    const QString name = SingleLine::clean(rawName);
    if (name.isEmpty())
        return {};
    const auto found = m_categoryIds.constFind(name);
    if (found != m_categoryIds.constEnd())
        return *found;
    Category category;
    category.id = Ids::newId();
    category.name = name;
    category.type = type;
    category.createdAt = category.updatedAt = m_now;
    if (!m_services.categories->insert(category))
        return {};
    m_categoryIds.insert(name, category.id);
    return category.id;
}

bool ImportRun::store(const Transaction& t, const QList<SplitLine>& lines)
{
    if (m_services.writer->saveNew(t, lines, m_bulk) == TransactionService::Result::Saved)
        return true;
    qCWarning(lcImport).noquote()
        << QStringLiteral("%1 import: insert failed for").arg(QLatin1String(m_kind))
        << t.date.toString(Qt::ISODate) << t.payee << "amount" << t.amount << "account"
        << t.accountId;
    return false;
}

bool ImportRun::update(const Transaction& t)
{
    return m_services.writer->save(t, std::nullopt, false) == TransactionService::Result::Saved;
}

void ImportRun::abandon(ImportResult& result, const QString& reason)
{
    m_abandoned = true;
    result.aborted = true;
    result.abortReason = reason;
}

void ImportRun::finish(ImportResult& result)
{
    if (!m_abandoned && m_cancelRequested) {
        abandon(result, QStringLiteral("cancelled"));
        result.cancelled = true;
    }
    if (!m_abandoned && !(m_bulk.finish() && m_scope.commit()))
        abandon(result, QStringLiteral("the database could not store the import"));
    if (m_abandoned) {
        qCWarning(lcImport).noquote()
            << QStringLiteral("%1 import aborted:").arg(QLatin1String(m_kind))
            << result.abortReason;
        // What the run counted as stored was rolled back with it.
        result.imported = 0;
        result.transfersLinked = 0;
        result.retroactiveLinks = 0;
    }
    m_progress(m_total, m_total);
}
