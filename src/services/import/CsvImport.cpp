#include "CsvImport.h"

#include "CsvReader.h"
#include "ImportLogging.h"
#include "ImportService.h"
#include "ImportText.h"
#include "data/Ids.h"
#include "data/SingleLine.h"

#include <QCoreApplication>

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
    const QList<QStringList> rows = CsvReader::read(file.text);
    const CsvMapping& m = m_mapping;
    const int needed = std::max({ m.dateColumn, m.payeeColumn, m.amountColumn }) + 1;
    // Lines about the account before the table are no rows; when no line is
    // wide enough, every one of them is a row that does not fit.
    const qsizetype start = CsvReader::tableStart(rows, needed);
    const bool fits = start < rows.size();
    const qsizetype first = std::min((fits ? start : 0) + (m.hasHeaderRow ? 1 : 0), rows.size());
    const int total = int(rows.size() - first);

    ImportRun run(m_service.runServices(), "CSV", m_service.progressReporter(),
        m_service.m_cancelRequested, m_result);
    run.planAccounts(newAccounts);
    run.setTotal(total);
    Q_EMIT m_service.importStarted(total);
    const auto account = run.account(m_accountId);
    const bool columnsValid = m.dateColumn >= 0 && m.payeeColumn >= 0 && m.amountColumn >= 0;
    if (!account || !columnsValid) {
        (columnsValid ? m_result.withoutAccount : m_result.invalid) = total;
        run.finish();
        return m_result;
    }
    if (!fits && total > 0)
        m_result.problems << tr(
            "No row has the %n columns the mapping needs; is the delimiter right?", nullptr,
            needed);
    m_currency = account->currency;
    m_order = m.dateFormat.isEmpty() ? csvDateOrder(rows, first, m.dateColumn) : DateOrder::Unknown;
    for (qsizetype i = first; i < rows.size() && run.step(); ++i)
        importRow(run, rows.at(i), tr("Row %1").arg(i + 1));
    run.finish();
    return m_result;
}

void CsvImport::importRow(ImportRun& run, const QStringList& row, const QString& where)
{
    const CsvMapping& m = m_mapping;
    const QDate date = ImportFields::csvDate(cell(row, m.dateColumn), m.dateFormat, m_order);
    const auto amount = ImportFields::amount(cell(row, m.amountColumn), m_currency);
    if (row.size() <= std::max({ m.dateColumn, m.payeeColumn, m.amountColumn }) || !date.isValid()
        || !amount) {
        ++m_result.invalid;
        return;
    }
    Transaction t;
    t.id = Ids::newId();
    t.accountId = m_accountId;
    t.date = date;
    t.payee = SingleLine::clean(row.at(m.payeeColumn));
    t.amount = *amount;
    t.memo = SingleLine::clean(cell(row, m.memoColumn));
    t.createdAt = t.updatedAt = run.now();
    const QString key = ImportRun::duplicateKey(t.date, t.amount, t.payee);
    if (run.isDuplicate(m_accountId, key)) {
        ++m_result.duplicates;
        return;
    }
    const QString category = cell(row, m.categoryColumn);
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
