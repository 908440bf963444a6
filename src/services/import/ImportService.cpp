#include "ImportService.h"

#include "CsvReader.h"
#include "ImportFields.h"
#include "ImportLogging.h"
#include "ImportText.h"
#include "QifImport.h"
#include "QifParser.h"
#include "data/AccountRepository.h"
#include "data/Ids.h"
#include "data/SingleLine.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

using ImportFields::DateOrder;

// A file whose dates put a number above 12 first, and never second, is day
// first throughout; reading each row on its own would mix the two orders.
DateOrder csvDateOrder(const QList<QStringList>& rows, qsizetype first, int column)
{
    bool dayFirst = false;
    bool monthFirst = false;
    for (qsizetype i = first; i < rows.size(); ++i) {
        if (column >= rows.at(i).size())
            continue;
        const DateOrder hint = ImportFields::csvDateOrderHint(rows.at(i).at(column));
        dayFirst = dayFirst || hint == DateOrder::DayFirst;
        monthFirst = monthFirst || hint == DateOrder::MonthFirst;
    }
    if (dayFirst != monthFirst)
        return dayFirst ? DateOrder::DayFirst : DateOrder::MonthFirst;
    return DateOrder::Unknown;
}

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
    aborted = aborted || other.aborted;
    cancelled = cancelled || other.cancelled;
    if (abortReason.isEmpty())
        abortReason = other.abortReason;
    fileErrors += other.fileErrors;
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
    return { m_db, m_accountService, m_transactions, m_categories, m_writer };
}

ImportRun::Progress ImportService::progressReporter()
{
    return [this](int current, int total) { Q_EMIT importProgress(current, total); };
}

ImportResult ImportService::importCsv(const QString& path, const QString& accountId,
    const CsvMapping& mapping, const QList<Account>& newAccounts)
{
    m_cancelRequested = false;
    ImportResult result;
    const ImportText::FileText file = ImportText::readFile(path);
    if (!file.error.isEmpty()) {
        qCWarning(lcImport).noquote() << file.error;
        result.fileErrors << file.error;
        return result;
    }
    const QList<QStringList> rows = CsvReader::read(file.text);
    const int needed
        = std::max({ mapping.dateColumn, mapping.payeeColumn, mapping.amountColumn }) + 1;
    const qsizetype first = std::min(
        CsvReader::tableStart(rows, needed) + (mapping.hasHeaderRow ? 1 : 0), rows.size());
    const int total = int(rows.size() - first);

    ImportRun run(runServices(), "CSV", progressReporter(), m_cancelRequested);
    run.setTotal(total);
    Q_EMIT importStarted(total);
    if (!run.createAccounts(newAccounts)) {
        run.abandon(result, QStringLiteral("the new account could not be stored"));
        run.finish(result);
        return result;
    }
    const auto account = accountId.isEmpty() ? std::nullopt : m_accounts->findById(accountId);
    const bool columnsValid
        = mapping.dateColumn >= 0 && mapping.payeeColumn >= 0 && mapping.amountColumn >= 0;
    if (!account || account->deletedAt || !columnsValid) {
        (columnsValid ? result.withoutAccount : result.invalid) = total;
        run.finish(result);
        return result;
    }

    const DateOrder order = mapping.dateFormat.isEmpty()
        ? csvDateOrder(rows, first, mapping.dateColumn)
        : DateOrder::Unknown;
    const auto cell = [](const QStringList& row, int column) {
        return column >= 0 && column < row.size() ? row.at(column) : QString();
    };
    for (qsizetype i = first; i < rows.size() && run.step(); ++i) {
        const QStringList& row = rows.at(i);
        if (row.size() < needed) {
            ++result.invalid;
            continue;
        }
        const QDate date
            = ImportFields::csvDate(row.at(mapping.dateColumn), mapping.dateFormat, order);
        const auto amount = ImportFields::amount(row.at(mapping.amountColumn), account->currency);
        if (!date.isValid() || !amount) {
            ++result.invalid;
            continue;
        }
        Transaction t;
        t.id = Ids::newId();
        t.accountId = accountId;
        t.date = date;
        t.payee = SingleLine::clean(row.at(mapping.payeeColumn));
        t.amount = *amount;
        t.memo = SingleLine::clean(cell(row, mapping.memoColumn));
        t.createdAt = t.updatedAt = run.now();
        const QString key = ImportRun::duplicateKey(t.date, t.amount, t.payee);
        if (run.isDuplicate(accountId, key)) {
            ++result.duplicates;
            continue;
        }
        t.categoryId = run.categoryId(cell(row, mapping.categoryColumn));
        if (!run.store(t, {})) {
            ++result.insertFailures;
            continue;
        }
        ++result.imported;
        run.remember(accountId, key);
    }
    run.finish(result);
    return result;
}

ImportResult ImportService::importQif(const QStringList& paths,
    const QHash<QString, QString>& mapping, const QList<Account>& newAccounts)
{
    m_cancelRequested = false;
    return QifImport(*this, mapping).run(paths, newAccounts);
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
            scan.accounts.append({ account.name, account.name, false, suggestedType(account) });
        }
        const bool headerless = std::any_of(qif.transactions.cbegin(), qif.transactions.cend(),
            [](const QifTransaction& t) { return t.account.isEmpty(); });
        if (headerless) {
            scan.accounts.append(
                { path, tr("%1 (no account header)").arg(QFileInfo(path).fileName()), true,
                    AccountType::Checking });
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return scan;
}
