#include "OfxImport.h"

#include "ImportLogging.h"
#include "ImportService.h"
#include "ImportText.h"
#include "data/Ids.h"
#include "data/SingleLine.h"
#include "data/StatementIdRepository.h"

#include <QDir>

namespace {

AccountType typeOf(const OfxStatement& statement)
{
    if (statement.creditCard)
        return AccountType::CreditCard;
    return statement.accountType == QLatin1String("SAVINGS") ? AccountType::Savings
                                                             : AccountType::Checking;
}

QString typeName(AccountType type)
{
    switch (type) {
    case AccountType::CreditCard: return OfxImport::tr("Credit Card");
    case AccountType::Savings: return OfxImport::tr("Savings");
    default: break;
    }
    return OfxImport::tr("Checking");
}

std::optional<Currency> keptCurrency(const QString& code)
{
    const Currency currency = currencyFromText(code);
    return currencyToText(currency) == code ? std::optional(currency) : std::nullopt;
}

} // namespace

OfxImport::OfxImport(
    ImportService& service, StatementIdRepository& ids, const QHash<QString, QString>& mapping)
    : m_service(service)
    , m_ids(ids)
    , m_mapping(mapping)
{
}

OfxFile OfxImport::load(const QString& path, QString& error)
{
    const ImportText::FileText file = ImportText::readFile(path);
    error = file.error;
    if (!error.isEmpty())
        return {};
    OfxFile ofx = OfxParser::parse(file.text);
    if (!ofx.error.isEmpty()) {
        qCWarning(lcImport).noquote() << "OFX file not read:" << path << ofx.error;
        error = tr("%1 is not a complete OFX file (%2): nothing was imported.")
                    .arg(QDir::toNativeSeparators(path), ofx.error);
    }
    return ofx;
}

OfxScan OfxImport::scan(const QString& path, const StatementIdRepository& ids)
{
    OfxScan scan;
    const OfxFile file = load(path, scan.error);
    for (const OfxStatement& statement : file.statements) {
        QifAccountEntry entry;
        entry.key = statement.accountId;
        entry.suggestedType = typeOf(statement);
        entry.displayName
            = tr("%1, account %2").arg(typeName(entry.suggestedType), statement.accountId);
        entry.newAccountName = QStringLiteral("%1 %2").arg(
            typeName(entry.suggestedType), statement.accountId.right(4));
        entry.currency = keptCurrency(statement.currency).value_or(Currency::USD);
        entry.preferredAccountId = ids.accountFor(statement.accountId);
        scan.statements.append(entry);
    }
    return scan;
}

ImportResult OfxImport::run(const QString& path, const QList<Account>& newAccounts)
{
    QString error;
    const OfxFile file = load(path, error);
    if (!error.isEmpty()) {
        m_result.fileErrors << error;
        return m_result;
    }
    int total = 0;
    for (const OfxStatement& statement : file.statements)
        total += int(statement.transactions.size());
    ImportRun run(m_service.runServices(), "OFX", m_service.progressReporter(),
        m_service.m_cancelRequested, m_result);
    run.planAccounts(newAccounts);
    run.setTotal(total);
    Q_EMIT m_service.importStarted(total);
    int row = 0;
    for (const OfxStatement& statement : file.statements) {
        if (run.isAbandoned())
            break;
        importStatement(run, statement, row);
    }
    run.finish();
    if (m_result.aborted)
        m_result.balances.clear();
    return m_result;
}

void OfxImport::importStatement(ImportRun& run, const OfxStatement& statement, int& row)
{
    const int count = int(statement.transactions.size());
    const QString accountId = m_mapping.value(statement.accountId);
    const auto account = run.account(accountId);
    if (!account) {
        m_result.withoutAccount += count;
        row += count;
        return;
    }
    // A statement in another currency would be stored as if it were in the
    // account's: refused whole, with the currency named.
    const QString code
        = statement.currency.isEmpty() ? currencyToText(account->currency) : statement.currency;
    const auto currency = keptCurrency(code);
    if (currency != account->currency) {
        m_result.invalid += count;
        m_result.problems << (currency
                ? tr("The statement of account %1 is in %2, but %3 is kept in %4: nothing of "
                     "it was imported.")
                      .arg(statement.accountId, code, account->name,
                          currencyToText(account->currency))
                : tr("The statement of account %1 is in %2, a currency this program does not "
                     "keep: nothing of it was imported.")
                      .arg(statement.accountId, code));
        row += count;
        return;
    }
    for (const OfxTransaction& record : statement.transactions) {
        if (!run.step())
            return;
        importRow(run, accountId, *currency, record, tr("Row %1").arg(++row));
    }
    // A planned account that received nothing was never made: nothing to remember it for.
    if (!run.isAbandoned() && !statement.accountId.isEmpty()
        && m_ids.statementAccountOf(accountId) != statement.accountId
        && !m_ids.remember(accountId, statement.accountId))
        run.abandon(QStringLiteral("the statement's account could not be remembered"));
    const auto balance = OfxParser::amount(statement.ledgerBalance, *currency);
    if (balance && statement.ledgerDate.isValid())
        m_result.balances.append({ accountId, *balance, statement.ledgerDate });
}

void OfxImport::importRow(ImportRun& run, const QString& accountId, Currency currency,
    const OfxTransaction& record, const QString& where)
{
    const auto amount = OfxParser::amount(record.amount, currency);
    if (!record.date.isValid() || !amount) {
        ++m_result.invalid;
        return;
    }
    Transaction t;
    t.id = Ids::newId();
    t.accountId = accountId;
    t.date = record.date;
    t.payee = SingleLine::clean(record.payee);
    if (t.payee.isEmpty())
        t.payee = tr("Imported transaction");
    t.amount = *amount;
    t.memo = SingleLine::clean(record.memo);
    t.checkNumber = SingleLine::clean(record.checkNumber);
    t.createdAt = t.updatedAt = run.now();
    // The bank's id tells rows apart that look alike (two coffees on one day);
    // only a row without one is compared by what it says.
    const QString key = ImportRun::duplicateKey(t.date, t.amount, t.payee);
    auto ids = m_importIds.find(accountId);
    if (ids == m_importIds.end())
        ids = m_importIds.insert(accountId, m_ids.importIds(accountId));
    if (record.fitId.isEmpty() ? run.isDuplicate(accountId, key) : ids->contains(record.fitId)) {
        ++m_result.duplicates;
        return;
    }
    if (const QString problem = run.problem(t, {}, {}); !problem.isEmpty()) {
        run.refuse(where, problem);
        return;
    }
    if (!run.store(where, t, {}))
        return;
    if (!record.fitId.isEmpty()) {
        if (!m_ids.setImportId(t.id, record.fitId)) {
            run.abandon(QStringLiteral("the row's import id could not be stored"));
            return;
        }
        ids->insert(record.fitId);
    }
    ++m_result.imported;
    run.remember(accountId, key);
}
