#include "CsvProfileText.h"

#include "CsvReader.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Enough of a file to find its header, however many lines come before it.
constexpr qsizetype kShapeChars = 16 * 1024;
constexpr int kMaxColumn = 999;
constexpr int kMaxSkipLines = 10000;

} // namespace

namespace CsvProfileText {

QString headerShape(const QString& fileText, const CsvMapping& m)
{
    const QString text = CsvReader::skipLines(fileText.left(kShapeChars), m.skipLines);
    const QChar delimiter = m.delimiter.isNull() ? CsvReader::detectDelimiter(text) : m.delimiter;
    const QList<QStringList> rows = CsvReader::read(text, delimiter);
    const int needed = std::max({ m.dateColumn, m.payeeColumn, m.amountColumn, m.debitColumn,
                           m.creditColumn, m.directionColumn })
        + 1;
    const qsizetype start = CsvReader::tableStart(rows, needed);
    if (start >= rows.size())
        return {};
    const QStringList& top = rows.at(start);
    if (!m.hasHeaderRow)
        return QStringLiteral("%1|%2").arg(delimiter).arg(top.size());
    return QString(delimiter) + QLatin1Char('|') + top.join(QChar(0x1f)).toLower();
}

QString toJson(const CsvMapping& m)
{
    const QJsonObject object { { "date", m.dateColumn }, { "payee", m.payeeColumn },
        { "amount", m.amountColumn }, { "memo", m.memoColumn }, { "category", m.categoryColumn },
        { "debit", m.debitColumn }, { "credit", m.creditColumn },
        { "direction", m.directionColumn }, { "outValue", m.outValue }, { "inValue", m.inValue },
        { "header", m.hasHeaderRow }, { "dateFormat", m.dateFormat },
        { "delimiter", m.delimiter.isNull() ? QString() : QString(m.delimiter) },
        { "decimalComma", m.decimalComma }, { "invert", m.invert }, { "skipLines", m.skipLines } };
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

std::optional<CsvMapping> fromJson(const QString& json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    bool ok = true;
    const auto column = [&](const char* key) {
        const QJsonValue value = o.value(QLatin1String(key));
        const int n = value.isDouble() ? value.toInt(-2) : -1;
        ok = ok && (value.isUndefined() || value.isDouble()) && n >= -1 && n <= kMaxColumn;
        return n;
    };
    CsvMapping m;
    m.dateColumn = column("date");
    m.payeeColumn = column("payee");
    m.amountColumn = column("amount");
    m.memoColumn = column("memo");
    m.categoryColumn = column("category");
    m.debitColumn = column("debit");
    m.creditColumn = column("credit");
    m.directionColumn = column("direction");
    m.outValue = o.value(QLatin1String("outValue")).toString();
    m.inValue = o.value(QLatin1String("inValue")).toString();
    m.hasHeaderRow = o.value(QLatin1String("header")).toBool();
    m.dateFormat = o.value(QLatin1String("dateFormat")).toString();
    const QString delimiter = o.value(QLatin1String("delimiter")).toString();
    m.decimalComma = o.value(QLatin1String("decimalComma")).toBool();
    m.invert = o.value(QLatin1String("invert")).toBool();
    m.skipLines = o.value(QLatin1String("skipLines")).toInt(-1);
    if (!ok || m.dateColumn < 0 || m.payeeColumn < 0
        || (m.amountColumn < 0 && m.debitColumn < 0 && m.creditColumn < 0)
        || (m.directionColumn >= 0 && (m.outValue.isEmpty() || m.inValue.isEmpty()))
        || m.skipLines < 0 || m.skipLines > kMaxSkipLines
        || (!delimiter.isEmpty()
            && (delimiter.size() != 1 || !QStringView(u",;\t|").contains(delimiter.front()))))
        return std::nullopt;
    m.delimiter = delimiter.isEmpty() ? QChar() : delimiter.front();
    return m;
}

} // namespace CsvProfileText
