// libFuzzer driver: file bytes through the decoder, the CSV reader (with the
// delimiter it detects), the QIF and OFX parsers, the amount and date readers
// (month names and typed patterns too), the reader of kept CSV profiles and
// the record rules. Beyond crashes it
// checks what the importer relies on: valid UTF-8 decodes losslessly, no
// amount beyond the limit and no invalid date comes out, every record knows
// its line, and what the rules let through is within their limits.
//
//   build-fuzz/tests/fuzz/fuzz_import -max_total_time=600 corpus tests/data/fixtures/import

#include "data/Money.h"
#include "data/RecordRules.h"
#include "services/import/CsvProfileText.h"
#include "services/import/CsvReader.h"
#include "services/import/ImportFields.h"
#include "services/import/ImportText.h"
#include "services/import/OfxParser.h"
#include "services/import/QifParser.h"

#include <cstdint>
#include <cstdlib>

namespace {

using ImportFields::DateOrder;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void readAmount(const QString& text)
{
    for (const Currency currency : { Currency::USD, Currency::JPY }) {
        const auto amount = ImportFields::amount(text, currency);
        check(!amount || (Money::isWithinLimit(*amount) && ImportFields::isAmount(text)));
    }
}

void readDate(const QString& text)
{
    for (const DateOrder order :
        { DateOrder::Unknown, DateOrder::MonthFirst, DateOrder::DayFirst }) {
        for (const QString& pattern : { QString(), QStringLiteral("dd.MM.yy"),
                 QStringLiteral("d MMM yyyy") }) {
            const QDate csv = ImportFields::csvDate(text, pattern, order);
            check(csv.isNull() || csv.isValid());
        }
        const QDate qif = ImportFields::qifDate(text, order);
        check(qif.isNull() || qif.isValid());
    }
    ImportFields::csvDateOrderHint(text);
    ImportFields::qifDateOrderHint(text);
}

// A record the rules let in keeps to every limit they name.
void checkRules(const QifTransaction& source)
{
    Transaction t;
    t.date = source.date;
    t.payee = source.payee;
    t.memo = source.memo;
    t.checkNumber = source.number;
    QList<SplitLine> lines(source.splits.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i].memo = source.splits.at(i).memo;
    if (!RecordRules::transactionProblem(t).isEmpty()
        || !RecordRules::splitLinesProblem(lines).isEmpty())
        return;
    check(RecordRules::isDateInRange(t.date));
    check(RecordRules::characters(t.payee) <= RecordRules::kMaxNameLength);
    check(RecordRules::characters(t.memo) <= RecordRules::kMaxMemoLength);
    check(RecordRules::characters(t.checkNumber) <= RecordRules::kMaxCheckNumberLength);
    check(lines.size() <= RecordRules::kMaxSplitLines);
}

// A stored profile that reads as a mapping writes back to the same mapping,
// and the shape of any text under it is found without a crash.
void readProfile(const QString& text)
{
    const auto mapping = CsvProfileText::fromJson(text);
    if (!mapping)
        return;
    const QString json = CsvProfileText::toJson(*mapping);
    const auto again = CsvProfileText::fromJson(json);
    check(again && CsvProfileText::toJson(*again) == json);
    CsvProfileText::headerShape(text, *mapping);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = ImportText::decode(bytes);
    if (ImportText::isStrictUtf8(bytes) && !bytes.startsWith("\xEF\xBB\xBF")
        && !bytes.startsWith("\xFF\xFE") && !bytes.startsWith("\xFE\xFF"))
        check(text.toUtf8() == bytes);
    ImportText::looksLikeText(text);
    readProfile(text);

    const QifFile qif = QifParser::parse(text);
    for (const QifTransaction& t : qif.transactions) {
        check(t.date.isValid());
        check(t.line >= 1);
        check(ImportFields::isAmount(t.amount));
        readAmount(t.amount);
        for (const QifSplit& split : t.splits)
            check(ImportFields::isAmount(split.amount));
        checkRules(t);
    }

    for (const OfxStatement& statement : OfxParser::parse(text).statements) {
        for (const OfxTransaction& t : statement.transactions) {
            check(t.date.isNull() || t.date.isValid());
            for (const Currency currency : { Currency::USD, Currency::JPY })
                check(Money::isWithinLimit(OfxParser::amount(t.amount, currency).value_or(0)));
        }
    }

    const QList<QStringList> rows = CsvReader::read(text, CsvReader::detectDelimiter(text));
    CsvReader::tableStart(rows, 3);
    int cells = 0;
    for (const QStringList& row : rows) {
        for (const QString& cell : row) {
            check(cell == cell.trimmed());
            if (++cells > 400)
                return 0;
            readAmount(cell);
            readDate(cell);
        }
    }
    return 0;
}
