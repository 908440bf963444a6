#include "CsvImport.h"

#include "CsvReader.h"
#include "ImportLogging.h"
#include "ImportService.h"
#include "ImportText.h"
#include "data/AccountRepository.h"
#include "data/Ids.h"
#include "data/Money.h"
#include "data/SingleLine.h"
#include "data/TransactionRepository.h"
#include "services/TransactionService.h"

#include <QCoreApplication>
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

QString cell(const QStringList& row, int column)
{
    return column >= 0 && column < row.size() ? row.at(column) : QString();
}

// "1.234,56" and "12,50-" as the amount reader takes them.
QString amountText(QString text, bool decimalComma)
{
    text = text.trimmed();
    if (text.endsWith(QLatin1Char('-')))
        text = QLatin1Char('-') + text.chopped(1).trimmed();
    if (decimalComma)
        text.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

} // namespace

CsvImport::CsvImport(ImportService& service, const QString& accountId, const CsvMapping& mapping)
    : m_service(service)
    , m_accountId(accountId)
    , m_mapping(mapping)
{
}

ImportResult CsvImport::run(const QString& path, const QList<Account>& newAccounts)
{
    const ImportText::FileText file = ImportText::readFile(path);
    if (!file.error.isEmpty()) {
        qCWarning(lcImport).noquote() << file.error;
        m_result.fileErrors << file.error;
        return m_result;
    }
    const CsvMapping& m = m_mapping;
    const Table t = table(file.text);
    const QList<QStringList>& rows = t.rows;
    const qsizetype first = t.first;
    const int total = int(rows.size() - first);

    ImportRun run(m_service.runServices(), "CSV", m_service.progressReporter(),
        m_service.m_cancelRequested, m_result);
    run.planAccounts(newAccounts);
    run.setTotal(total);
    Q_EMIT m_service.importStarted(total);
    const auto account = run.account(m_accountId);
    const bool columnsValid = m.dateColumn >= 0 && m.payeeColumn >= 0
        && (m.amountColumn >= 0 || m.debitColumn >= 0 || m.creditColumn >= 0);
    if (!account || !columnsValid) {
        (columnsValid ? m_result.withoutAccount : m_result.invalid) = total;
        run.finish();
        return m_result;
    }
    if (!t.fits && total > 0)
        m_result.problems << tr(
            "No row has the %n columns the mapping needs; is the delimiter right?", nullptr,
            m_needed);
    m_currency = account->currency;
    for (qsizetype i = first; i < rows.size() && run.step(); ++i)
        importRow(run, rows.at(i), tr("Row %1").arg(i + 1));
    // Lines without a date after the last row that reads (totals, a closing
    // note) are no rows; in a file where nothing reads they tell what is wrong.
    if (m_anyRead)
        m_result.invalid -= m_trailingUnread;
    run.finish();
    return m_result;
}

std::optional<qint64> CsvImport::rowAmount(const QStringList& row) const
{
    const CsvMapping& m = m_mapping;
    const auto read = [this](const QString& text) {
        return ImportFields::amount(amountText(text, m_mapping.decimalComma), m_currency);
    };
    std::optional<qint64> amount;
    if (m.debitColumn >= 0 || m.creditColumn >= 0) {
        const QString out = cell(row, m.debitColumn);
        const QString in = cell(row, m.creditColumn);
        const auto paid = out.isEmpty() ? std::optional<qint64>(0) : read(out);
        const auto got = in.isEmpty() ? std::optional<qint64>(0) : read(in);
        if ((out.isEmpty() && in.isEmpty()) || !paid || !got)
            return std::nullopt;
        amount = qAbs(*got) - qAbs(*paid);
    } else {
        amount = read(cell(row, m.amountColumn));
        if (amount && m.directionColumn >= 0) {
            const QString way = cell(row, m.directionColumn);
            if (way.compare(m.outValue, Qt::CaseInsensitive) == 0)
                amount = -qAbs(*amount);
            else if (way.compare(m.inValue, Qt::CaseInsensitive) == 0)
                amount = qAbs(*amount);
            else
                return std::nullopt;
        }
    }
    if (!amount || !Money::isWithinLimit(*amount))
        return std::nullopt;
    return m.invert ? -*amount : *amount;
}

CsvImport::Table CsvImport::table(const QString& fileText)
{
    const CsvMapping& m = m_mapping;
    const QString text = CsvReader::skipLines(fileText, m.skipLines);
    Table t;
    t.rows = CsvReader::read(
        text, m.delimiter.isNull() ? CsvReader::detectDelimiter(text) : m.delimiter);
    // Paid-out and paid-in cells at the end of a line may be left out.
    m_needed = std::max({ m.dateColumn, m.payeeColumn, m.amountColumn, m.directionColumn }) + 1;
    // Lines about the account before the table are no rows; when no line is
    // wide enough, every one of them is a row that does not fit.
    const qsizetype start = CsvReader::tableStart(t.rows, m_needed);
    t.fits = start < t.rows.size();
    t.first = std::min((t.fits ? start : 0) + (m.hasHeaderRow ? 1 : 0), t.rows.size());
    m_order
        = m.dateFormat.isEmpty() ? csvDateOrder(t.rows, t.first, m.dateColumn) : DateOrder::Unknown;
    return t;
}

CsvImport::Reading CsvImport::read(const QStringList& row) const
{
    const CsvMapping& m = m_mapping;
    Reading r;
    r.t.accountId = m_accountId;
    r.t.date = ImportFields::csvDate(cell(row, m.dateColumn), m.dateFormat, m_order);
    r.t.payee = SingleLine::clean(cell(row, m.payeeColumn));
    r.t.memo = SingleLine::clean(cell(row, m.memoColumn));
    const auto amount = rowAmount(row);
    r.t.amount = amount.value_or(0);
    if (row.size() < m_needed)
        r.reason = tr("the row has %n column(s), the mapping needs %1", nullptr, int(row.size()))
                       .arg(m_needed);
    else if (!r.t.date.isValid())
        r.reason = tr("the date does not read");
    else if (!amount)
        r.reason = tr("the amount does not read");
    return r;
}

void CsvImport::importRow(ImportRun& run, const QStringList& row, const QString& where)
{
    Reading r = read(row);
    if (!r.reason.isEmpty()) {
        ++m_result.invalid;
        m_trailingUnread = r.t.date.isValid() ? 0 : m_trailingUnread + 1;
        return;
    }
    m_trailingUnread = 0;
    m_anyRead = true;
    Transaction& t = r.t;
    t.id = Ids::newId();
    t.createdAt = t.updatedAt = run.now();
    const QString key = ImportRun::duplicateKey(t.date, t.amount, t.payee);
    if (run.isDuplicate(m_accountId, key)) {
        ++m_result.duplicates;
        return;
    }
    const QString category = cell(row, m_mapping.categoryColumn);
    if (const QString problem = run.problem(t, {}, { category }); !problem.isEmpty()) {
        run.refuse(where, problem);
        return;
    }
    const auto categoryId = run.categoryId(category);
    if (!categoryId)
        return;
    t.categoryId = *categoryId;
    if (!run.store(where, t, {}))
        return;
    ++m_result.imported;
    run.remember(m_accountId, key);
}

QList<CsvPreviewRow> CsvImport::preview(const QString& text, int limit)
{
    if (const auto account = m_service.m_accounts->findById(m_accountId))
        m_currency = account->currency;
    const Table t = table(text);
    QList<CsvPreviewRow> shown;
    QList<Reading> readings;
    // Lines without a date after the last row that reads are a footer, no rows.
    qsizetype lastRead = -1;
    for (qsizetype i = t.first; i < t.rows.size(); ++i) {
        if (i - t.first < limit)
            readings.append(read(t.rows.at(i)));
        const Reading& r = i - t.first < limit ? readings.last() : read(t.rows.at(i));
        if (r.reason.isEmpty())
            lastRead = i;
    }
    QSet<QString> keys;
    for (const Transaction& stored : m_service.m_transactions->findByAccount(m_accountId))
        keys.insert(ImportRun::duplicateKey(stored.date, stored.amount, stored.payee));
    for (qsizetype n = 0; n < readings.size(); ++n) {
        const Reading& r = readings.at(n);
        const qsizetype i = t.first + n;
        if (lastRead >= 0 && i > lastRead && !r.t.date.isValid())
            break;
        CsvPreviewRow row;
        row.line = int(i + 1);
        row.date = r.t.date;
        row.payee = r.t.payee;
        if (r.reason.isEmpty() || r.t.amount != 0)
            row.amount = r.t.amount;
        row.reason = r.reason.isEmpty() ? TransactionService::refusal(r.t, {}) : r.reason;
        const QString key = ImportRun::duplicateKey(r.t.date, r.t.amount, r.t.payee);
        if (!row.reason.isEmpty())
            row.status = CsvPreviewRow::Status::Invalid;
        else if (keys.contains(key))
            row.status = CsvPreviewRow::Status::Duplicate;
        keys.insert(key);
        shown.append(row);
    }
    return shown;
}
