#include "ImportService.h"

#include "CsvImport.h"
#include "CsvProfileService.h"
#include "ImportLogging.h"
#include "ImportText.h"
#include "OfxImport.h"
#include "QifImport.h"
#include "QifParser.h"
#include "data/AccountRepository.h"
#include "data/CsvProfileRepository.h"
#include "data/StatementIdRepository.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

AccountType suggestedType(const QifAccount& account)
{
    switch (account.kind) {
    case QifAccountKind::CreditCard: return AccountType::CreditCard;
    case QifAccountKind::Investment: return AccountType::Investment;
    case QifAccountKind::Cash: return AccountType::Cash;
    case QifAccountKind::OtherAsset:
    case QifAccountKind::OtherLiability: return AccountType::Other;
    case QifAccountKind::Bank: break;
    }
    return account.name.contains(QLatin1String("saving"), Qt::CaseInsensitive)
        ? AccountType::Savings
        : AccountType::Checking;
}

} // namespace

ImportResult& ImportResult::operator+=(const ImportResult& other)
{
    imported += other.imported;
    duplicates += other.duplicates;
    invalid += other.invalid;
    unsupported += other.unsupported;
    withoutAccount += other.withoutAccount;
    transfersLinked += other.transfersLinked;
    retroactiveLinks += other.retroactiveLinks;
    insertFailures += other.insertFailures;
    adjusted += other.adjusted;
    aborted = aborted || other.aborted;
    cancelled = cancelled || other.cancelled;
    if (abortReason.isEmpty())
        abortReason = other.abortReason;
    if (failure.isEmpty())
        failure = other.failure;
    fileErrors += other.fileErrors;
    problems += other.problems;
    balances += other.balances;
    return *this;
}

ImportService::ImportService(Database* db, AccountRepository* accounts,
    AccountService* accountService, TransactionRepository* transactions,
    CategoryRepository* categories, TransactionService* writer, QObject* parent)
    : QObject(parent)
    , m_db(db)
    , m_accounts(accounts)
    , m_accountService(accountService)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_writer(writer)
    , m_statementIds(new StatementIdRepository(db, this))
    , m_profiles(new CsvProfileService(new CsvProfileRepository(db, this), this))
{
}

QString ImportService::transferHint(const QString& accountName)
{
    return QStringLiteral("[→ %1]").arg(accountName);
}

void ImportService::cancel()
{
    m_cancelRequested = true;
}

ImportRun::Services ImportService::runServices() const
{
    return { m_db, m_accounts, m_accountService, m_transactions, m_categories, m_writer };
}

ImportRun::Progress ImportService::progressReporter()
{
    return [this](int current, int total) { Q_EMIT importProgress(current, total); };
}

ImportResult ImportService::importCsv(const QString& path, const QString& accountId,
    const CsvMapping& mapping, const QList<Account>& newAccounts)
{
    m_cancelRequested = false;
    return CsvImport(*this, accountId, mapping).run(path, newAccounts);
}

QList<CsvPreviewRow> ImportService::previewCsv(
    const QString& text, const QString& accountId, const CsvMapping& mapping, int limit)
{
    return CsvImport(*this, accountId, mapping).preview(text, limit);
}

ImportResult ImportService::importQif(const QStringList& paths,
    const QHash<QString, QString>& mapping, const QList<Account>& newAccounts)
{
    m_cancelRequested = false;
    return QifImport(*this, mapping).run(paths, newAccounts);
}

ImportResult ImportService::importOfx(
    const QString& path, const QHash<QString, QString>& mapping, const QList<Account>& newAccounts)
{
    m_cancelRequested = false;
    return OfxImport(*this, *m_statementIds, mapping).run(path, newAccounts);
}

OfxScan ImportService::scanOfx(const QString& path) const
{
    return OfxImport::scan(path, *m_statementIds);
}

bool ImportService::isOfx(const QString& text)
{
    return OfxParser::looksLikeOfx(text);
}

QifScan ImportService::scanQifAccounts(const QStringList& paths)
{
    QifScan scan;
    QSet<QString> listed;
    for (const QString& path : paths) {
        const ImportText::FileText file = ImportText::readFile(path);
        if (!file.error.isEmpty()) {
            scan.fileErrors << file.error;
            continue;
        }
        const QifFile qif = QifParser::parse(file.text);
        scan.transactions += int(qif.transactions.size());
        for (const QifAccount& account : qif.accounts) {
            if (listed.contains(account.name.toLower()))
                continue;
            listed.insert(account.name.toLower());
            scan.accounts.append(
                { account.name, account.name, false, suggestedType(account), {}, {}, {} });
        }
        const bool headerless = std::any_of(qif.transactions.cbegin(), qif.transactions.cend(),
            [](const QifTransaction& t) { return t.account.isEmpty(); });
        if (headerless) {
            scan.accounts.append(
                { path, tr("%1 (no account header)").arg(QFileInfo(path).fileName()), true,
                    AccountType::Checking, {}, {}, {} });
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return scan;
}
