#include "QifImport.h"

#include "ImportLogging.h"
#include "ImportService.h"
#include "ImportText.h"
#include "data/AccountRepository.h"
#include "data/Ids.h"
#include "data/RecordRules.h"
#include "data/SingleLine.h"
#include "data/TransactionRepository.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

namespace {

const QString kHintStart = QStringLiteral("[→ ");

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The account named by a memo's leading hint, and the memo's own text after it.
std::optional<std::pair<QString, QString>> splitHint(const QString& memo)
{
    if (!memo.startsWith(kHintStart))
        return std::nullopt;
    const qsizetype close = memo.indexOf(QLatin1Char(']'), kHintStart.size());
    if (close < 0)
        return std::nullopt;
    QString rest = memo.mid(close + 1);
    if (rest.startsWith(QLatin1Char(' ')))
        rest.remove(0, 1);
    return std::pair(memo.mid(kHintStart.size(), close - kHintStart.size()), rest);
}

QString withHint(const QString& accountName, const QString& memo)
{
    const QString hint = ImportService::transferHint(accountName);
    return memo.isEmpty() ? hint : hint + QLatin1Char(' ') + memo;
}

// What the register shows for a record without a payee of its own.
QString payeeOf(const QifTransaction& t)
{
    if (!t.payee.isEmpty())
        return t.payee;
    if (!t.number.isEmpty() && !t.security.isEmpty())
        return QStringLiteral("%1: %2").arg(t.number, t.security);
    if (!t.security.isEmpty())
        return t.security;
    if (!t.number.isEmpty())
        return t.number;
    if (!t.transferAccount.isEmpty())
        return t.transferAccount;
    return QCoreApplication::translate("ImportService", "Imported transaction");
}

} // namespace

QifImport::QifImport(ImportService& service, const QHash<QString, QString>& mapping)
    : m_service(service)
{
    for (auto it = mapping.cbegin(); it != mapping.cend(); ++it)
        m_mapping.insert(it.key().toLower(), it.value());
}

std::optional<std::pair<QString, Currency>> QifImport::target(const QString& key)
{
    const QString accountId = m_mapping.value(key.toLower());
    if (accountId.isEmpty())
        return std::nullopt;
    auto found = m_targets.find(accountId);
    if (found == m_targets.end()) {
        const auto account = m_run->account(accountId);
        found = m_targets.insert(accountId,
            account ? std::optional(std::pair(accountId, account->currency)) : std::nullopt);
    }
    return *found;
}

void QifImport::readFile(const QString& path)
{
    const ImportText::FileText file = ImportText::readFile(path);
    if (!file.error.isEmpty()) {
        qCWarning(lcImport).noquote() << file.error;
        m_result.fileErrors << file.error;
        return;
    }
    QifFile qif = QifParser::parse(file.text);
    m_result.invalid += qif.invalid;
    m_result.unsupported += qif.unsupported;
    for (const QifCategory& category : std::as_const(qif.categories)) {
        const bool listed = std::any_of(m_listedCategories.cbegin(), m_listedCategories.cend(),
            [&](const QifCategory& c) { return c.name == category.name; });
        if (!listed)
            m_listedCategories.append(category);
    }
    for (QifTransaction& t : qif.transactions) {
        if (!makeRecord(std::move(t), path))
            ++m_result.invalid;
    }
}

bool QifImport::makeRecord(QifTransaction&& source, const QString& path)
{
    Record r;
    r.source = std::move(source);
    r.where = QCoreApplication::translate("ImportService", "%1, line %2")
                  .arg(QFileInfo(path).fileName())
                  .arg(r.source.line);
    r.payee = SingleLine::clean(payeeOf(r.source));
    r.id = Ids::newId();
    const auto account = target(r.source.account.isEmpty() ? path : r.source.account);
    if (account) {
        // Amounts are read in the target account's currency (whole yen for JPY).
        r.accountId = account->first;
        const auto amount = ImportFields::amount(r.source.amount, account->second);
        if (!amount)
            return false;
        r.amount = *amount;
        for (const QifSplit& split : std::as_const(r.source.splits)) {
            const auto part = ImportFields::amount(split.amount, account->second);
            if (!part)
                return false;
            r.splitAmounts.append(*part);
        }
    }
    if (!r.accountId.isEmpty())
        check(r);
    m_records.append(std::move(r));
    return true;
}

bool QifImport::canPair(const Record& r)
{
    return !r.refused && !r.source.transferAccount.isEmpty() && !r.source.account.isEmpty()
        && !r.accountId.isEmpty() && !sameName(r.source.transferAccount, r.source.account);
}

void QifImport::pairTransfers()
{
    // Records that could be one side of a transfer, by date and amount, in file order.
    QHash<QPair<QDate, qint64>, QList<qsizetype>> byDateAndAmount;
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        if (canPair(m_records.at(i)))
            byDateAndAmount[qMakePair(m_records.at(i).source.date, m_records.at(i).amount)].append(
                i);
    }
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        Record& a = m_records[i];
        if (a.partner >= 0 || !canPair(a))
            continue;
        for (const qsizetype j : byDateAndAmount.value(qMakePair(a.source.date, -a.amount))) {
            Record& b = m_records[j];
            if (j <= i || b.partner >= 0 || b.accountId == a.accountId
                || !sameName(b.source.transferAccount, a.source.account)
                || !sameName(b.source.account, a.source.transferAccount))
                continue;
            a.partner = j;
            b.partner = i;
            break;
        }
    }
}

void QifImport::unpair(Record& r)
{
    if (r.partner < 0)
        return;
    m_records[r.partner].partner = -1;
    r.partner = -1;
}

QString QifImport::key(const Record& r) const
{
    return ImportRun::duplicateKey(r.source.date, r.amount, r.payee);
}

QList<QifImport::HintCandidate>& QifImport::candidates(const QString& accountId)
{
    auto found = m_candidates.find(accountId);
    if (found != m_candidates.end())
        return *found;
    QList<HintCandidate> list;
    for (const Transaction& t : m_service.m_transactions->findByAccount(accountId)) {
        if (!t.transferLinkId.isEmpty())
            continue;
        if (const auto hint = splitHint(t.memo))
            list.append({ t.id, hint->first, t.date, t.amount });
    }
    return *m_candidates.insert(accountId, list);
}

bool QifImport::findEarlierSide(
    const Record& r, Transaction& t, std::optional<Transaction>& earlier)
{
    ImportRun& run = *m_run;
    const QString transfer = r.source.transferAccount;
    const auto other = target(transfer);
    if (other && other->first != r.accountId) {
        QList<HintCandidate>& list = candidates(other->first);
        const auto match = std::find_if(list.cbegin(), list.cend(), [&](const HintCandidate& c) {
            return c.date == t.date && c.amount == -t.amount
                && sameName(c.accountName, r.source.account);
        });
        if (match != list.cend()) {
            earlier = m_service.m_transactions->findById(match->id);
            const auto hint = earlier ? splitHint(earlier->memo) : std::nullopt;
            if (!hint) {
                run.abandon(QStringLiteral("retroactive candidate lost its hint"));
                return false;
            }
            list.erase(match);
            t.transferLinkId = earlier->id;
            t.transferDestAccountId = other->first;
            earlier->memo = hint->second;
            earlier->transferLinkId = t.id;
            earlier->transferDestAccountId = r.accountId;
            earlier->updatedAt = run.now();
            earlier->version += 1;
            earlier->syncStatus = SyncStatus::Pending;
            return true;
        }
    }
    t.memo = withHint(transfer, t.memo);
    return true;
}

QStringList QifImport::splitCategories(const Record& r) const
{
    QStringList names;
    qint64 rest = r.amount;
    for (qsizetype i = 0; i < r.source.splits.size(); ++i) {
        const QifSplit& split = r.source.splits.at(i);
        // Every line needs a category; a transfer line says where it went in its memo.
        names << (split.category.isEmpty()
                ? QCoreApplication::translate("ImportService", "Uncategorized")
                : split.category);
        rest -= r.splitAmounts.at(i);
    }
    // Lines that do not add up to the amount are made to: a split whose
    // categories disagree with its total would show one figure and count another.
    if (!r.source.splits.isEmpty() && rest != 0)
        names << QCoreApplication::translate("ImportService", "Uncategorized");
    return names;
}

QList<SplitLine> QifImport::splitLines(const Record& r, const QStringList& categoryIds) const
{
    QList<SplitLine> lines;
    qint64 rest = r.amount;
    for (qsizetype i = 0; i < r.source.splits.size(); ++i) {
        const QifSplit& split = r.source.splits.at(i);
        SplitLine line;
        line.id = Ids::newId();
        line.amount = r.splitAmounts.at(i);
        line.categoryId = categoryIds.value(i);
        line.memo = split.transferAccount.isEmpty() ? split.memo
                                                    : withHint(split.transferAccount, split.memo);
        line.createdAt = line.updatedAt = m_run->now();
        lines.append(line);
        rest -= line.amount;
    }
    if (!lines.isEmpty() && rest != 0) {
        SplitLine line = lines.constLast();
        line.id = Ids::newId();
        line.amount = rest;
        line.categoryId = categoryIds.value(lines.size());
        line.memo.clear();
        lines.append(line);
    }
    return lines;
}

Transaction QifImport::transactionOf(const Record& r) const
{
    const QifTransaction& s = r.source;
    Transaction t;
    t.id = r.id;
    t.accountId = r.accountId;
    t.date = s.date;
    t.payee = r.payee;
    t.amount = r.amount;
    t.memo = SingleLine::clean(s.memo);
    t.checkNumber = s.number;
    t.cleared = s.cleared;
    t.reconciled = s.reconciled;
    t.isSplit = !s.splits.isEmpty();
    t.createdAt = t.updatedAt = m_run->now();
    return t;
}

void QifImport::check(Record& r)
{
    const Transaction t = transactionOf(r);
    const QString problem = m_run->problem(
        t, splitLines(r, {}), t.isSplit ? splitCategories(r) : QStringList { r.source.category });
    if (problem.isEmpty())
        return;
    m_run->refuse(r.where, problem);
    r.refused = true;
}

void QifImport::importRecord(Record& r)
{
    if (r.accountId.isEmpty()) {
        ++m_result.withoutAccount;
        return;
    }
    ImportRun& run = *m_run;
    if (r.refused)
        return;
    if (run.isDuplicate(r.accountId, key(r))) {
        ++m_result.duplicates;
        unpair(r);
        return;
    }
    // A pair whose other side repeats a stored transaction is no pair: this
    // side may still find that stored one through its hint.
    if (r.partner >= 0) {
        const Record& other = m_records.at(r.partner);
        if (!other.stored && run.isDuplicate(other.accountId, key(other)))
            unpair(r);
    }

    const QifTransaction& s = r.source;
    Transaction t = transactionOf(r);
    // A split transaction's categories are those of its lines.
    const QStringList categories = t.isSplit ? splitCategories(r) : QStringList { s.category };
    const bool adjusted = t.isSplit && categories.size() > s.splits.size();

    std::optional<Transaction> earlier;
    if (r.partner >= 0) {
        const Record& other = m_records.at(r.partner);
        t.transferLinkId = other.id;
        t.transferDestAccountId = other.accountId;
    } else if (!s.transferAccount.isEmpty() && !sameName(s.transferAccount, s.account)) {
        if (!findEarlierSide(r, t, earlier))
            return;
        // The hint may make the memo too long.
        if (const QString problem = run.problem(t, {}, {}); !problem.isEmpty()) {
            run.refuse(r.where, problem);
            return;
        }
    }

    QStringList categoryIds;
    for (const QString& name : categories) {
        const auto id = run.categoryId(name);
        if (!id)
            return;
        categoryIds << *id;
    }
    if (!t.isSplit)
        t.categoryId = categoryIds.value(0);
    if (!run.store(r.where, t, splitLines(r, categoryIds))) {
        unpair(r);
        return;
    }
    r.stored = true;
    if (earlier) {
        if (!run.update(*earlier))
            return;
        ++m_result.transfersLinked;
        ++m_result.retroactiveLinks;
    }
    if (r.partner >= 0 && m_records.at(r.partner).stored)
        ++m_result.transfersLinked;
    if (adjusted)
        ++m_result.adjusted;
    ++m_result.imported;
    run.remember(r.accountId, key(r));
}

void QifImport::createListedCategories()
{
    for (const QifCategory& category : std::as_const(m_listedCategories)) {
        const QString problem = RecordRules::categoryNameProblem(SingleLine::clean(category.name));
        if (!problem.isEmpty()) {
            m_result.problems << QCoreApplication::translate("ImportService", "%1: %2")
                                     .arg(category.name.left(40), problem);
            continue;
        }
        if (!m_run->categoryId(
                category.name, category.income ? CategoryType::Income : CategoryType::Expense))
            return;
    }
}

ImportResult QifImport::run(const QStringList& paths, const QList<Account>& newAccounts)
{
    ImportRun run(m_service.runServices(), "QIF", m_service.progressReporter(),
        m_service.m_cancelRequested, m_result);
    m_run = &run;
    run.planAccounts(newAccounts);
    for (const QString& path : paths)
        readFile(path);
    pairTransfers();

    const int total = int(m_records.size());
    run.setTotal(total);
    Q_EMIT m_service.importStarted(total);
    createListedCategories();
    for (Record& r : m_records) {
        if (!run.step())
            break;
        importRecord(r);
    }
    run.finish();
    m_run = nullptr;
    return m_result;
}
