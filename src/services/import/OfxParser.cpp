#include "OfxParser.h"

#include "data/Money.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

const QString kStatement = QStringLiteral("STMTRS");
const QString kCardStatement = QStringLiteral("CCSTMTRS");
const QString kTransaction = QStringLiteral("STMTTRN");

// The aggregates whose elements are read; an element belongs to the nearest
// of them, so an empty element left open in SGML does not hide the rest.
const QStringList kContexts = { kStatement, kCardStatement, kTransaction,
    QStringLiteral("BANKACCTFROM"), QStringLiteral("CCACCTFROM"), QStringLiteral("BANKACCTTO"),
    QStringLiteral("CCACCTTO"), QStringLiteral("LEDGERBAL"), QStringLiteral("AVAILBAL"),
    QStringLiteral("PAYEE"), QStringLiteral("CURRENCY"), QStringLiteral("ORIGCURRENCY") };

// Turns begin, element and end events of either syntax into statements.
class Builder {
public:
    void begin(const QString& tag)
    {
        m_stack.append(tag);
        if (tag == kStatement || tag == kCardStatement) {
            m_statement = OfxStatement();
            m_statement->creditCard = tag == kCardStatement;
        } else if (tag == kTransaction && m_statement) {
            m_transaction = OfxTransaction();
        }
    }

    void element(const QString& tag, const QString& value)
    {
        const QString context = this->context();
        if (m_transaction && context == kTransaction) {
            if (tag == QLatin1String("DTPOSTED"))
                m_transaction->date = OfxParser::date(value);
            else if (tag == QLatin1String("TRNAMT"))
                m_transaction->amount = value;
            else if (tag == QLatin1String("NAME") || tag == QLatin1String("PAYEE"))
                m_transaction->payee = value;
            else if (tag == QLatin1String("MEMO"))
                m_transaction->memo = value;
            else if (tag == QLatin1String("CHECKNUM"))
                m_transaction->checkNumber = value;
            else if (tag == QLatin1String("FITID"))
                m_transaction->fitId = value;
        } else if (m_transaction && context == QLatin1String("PAYEE")) {
            if (tag == QLatin1String("NAME") && m_transaction->payee.isEmpty())
                m_transaction->payee = value;
        } else if (!m_statement) {
            return;
        } else if (context == kStatement || context == kCardStatement) {
            if (tag == QLatin1String("CURDEF"))
                m_statement->currency = value.toUpper();
        } else if (context == QLatin1String("BANKACCTFROM")
            || context == QLatin1String("CCACCTFROM")) {
            if (tag == QLatin1String("ACCTID"))
                m_statement->accountId = value;
            else if (tag == QLatin1String("ACCTTYPE"))
                m_statement->accountType = value.toUpper();
        } else if (context == QLatin1String("LEDGERBAL")) {
            if (tag == QLatin1String("BALAMT"))
                m_statement->ledgerBalance = value;
            else if (tag == QLatin1String("DTASOF"))
                m_statement->ledgerDate = OfxParser::date(value);
        }
    }

    // Closes `tag` and whatever was left open inside it; false when it is not open.
    bool end(const QString& tag)
    {
        if (!m_stack.contains(tag))
            return false;
        while (!m_stack.isEmpty()) {
            const QString closed = m_stack.takeLast();
            if (closed == kTransaction && m_transaction && m_statement) {
                m_statement->transactions.append(*m_transaction);
                m_transaction.reset();
            } else if ((closed == kStatement || closed == kCardStatement) && m_statement) {
                m_file.statements.append(*m_statement);
                m_statement.reset();
            }
            if (closed == tag)
                break;
        }
        return true;
    }

    bool isOpen() const { return !m_stack.isEmpty(); }

    OfxFile take(const QString& error)
    {
        if (!error.isEmpty())
            return { {}, error };
        if (isOpen())
            return { {}, QStringLiteral("the file ends inside <%1>").arg(m_stack.last()) };
        return m_file;
    }

private:
    QString context() const
    {
        for (qsizetype i = m_stack.size() - 1; i >= 0; --i) {
            if (kContexts.contains(m_stack.at(i)))
                return m_stack.at(i);
        }
        return {};
    }

    QStringList m_stack;
    std::optional<OfxStatement> m_statement;
    std::optional<OfxTransaction> m_transaction;
    OfxFile m_file;
};

QString unescaped(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&nbsp;"), QLatin1String(" "))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text.simplified();
}

// OFX 1.x: the header lines, then tags where an element's closing tag may be
// left out; an aggregate's may not.
OfxFile parseSgml(const QString& text)
{
    Builder builder;
    qsizetype pos = text.indexOf(QLatin1String("<OFX>"), 0, Qt::CaseInsensitive);
    if (pos < 0)
        return { {}, QStringLiteral("no <OFX> element") };
    bool sawOfx = false;
    while (true) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), pos);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('>'), open);
        if (close < 0)
            return builder.take(QStringLiteral("the file ends inside a tag"));
        const QString tag = text.mid(open + 1, close - open - 1).trimmed().toUpper();
        pos = close + 1;
        if (tag.startsWith(QLatin1Char('?')) || tag.startsWith(QLatin1Char('!')) || tag.isEmpty())
            continue;
        if (tag.startsWith(QLatin1Char('/'))) {
            builder.end(tag.mid(1).trimmed());
            if (!builder.isOpen())
                break;
            continue;
        }
        sawOfx = true;
        const qsizetype next = text.indexOf(QLatin1Char('<'), pos);
        const QString value = unescaped(text.mid(pos, next < 0 ? -1 : next - pos));
        if (value.isEmpty()) {
            builder.begin(tag);
            continue;
        }
        builder.element(tag, value);
        pos = next < 0 ? text.size() : next;
        // The element's own closing tag, when the file writes it.
        const QString own = QStringLiteral("</%1>").arg(tag);
        if (QStringView(text).mid(pos, own.size()).compare(own, Qt::CaseInsensitive) == 0)
            pos += own.size();
        if (!builder.isOpen())
            return builder.take(QStringLiteral("an element outside <OFX>"));
    }
    return sawOfx ? builder.take({}) : OfxFile { {}, QStringLiteral("no <OFX> element") };
}

OfxFile parseXml(const QString& text)
{
    struct Open {
        QString tag;
        QString text;
        bool begun = false;
    };
    Builder builder;
    QList<Open> open;
    QXmlStreamReader xml(text);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!open.isEmpty() && !open.last().begun) {
                builder.begin(open.last().tag);
                open.last().begun = true;
            }
            open.append({ xml.name().toString().toUpper(), {}, false });
            break;
        case QXmlStreamReader::Characters:
            if (!open.isEmpty())
                open.last().text += xml.text();
            break;
        case QXmlStreamReader::EndElement: {
            const Open closed = open.takeLast();
            if (closed.begun)
                builder.end(closed.tag);
            else if (const QString value = closed.text.simplified(); !value.isEmpty())
                builder.element(closed.tag, value);
            break;
        }
        default: break;
        }
    }
    if (xml.hasError())
        return { {}, xml.errorString() };
    return builder.take({});
}

} // namespace

namespace OfxParser {

bool looksLikeOfx(const QString& text)
{
    const QStringView head = QStringView(text).left(4096);
    return head.contains(QLatin1String("OFXHEADER"), Qt::CaseInsensitive)
        || head.contains(QLatin1String("<OFX>"), Qt::CaseInsensitive);
}

OfxFile parse(const QString& text)
{
    const qsizetype ofx = text.indexOf(QLatin1String("<OFX>"), 0, Qt::CaseInsensitive);
    const bool xml = text.left(ofx < 0 ? text.size() : ofx).contains(QLatin1String("<?xml"));
    return xml ? parseXml(text.trimmed()) : parseSgml(text);
}

QDate date(const QString& text)
{
    static const QRegularExpression day(QStringLiteral("^\\s*(\\d{4})(\\d{2})(\\d{2})"));
    const QRegularExpressionMatch match = day.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

std::optional<qint64> amount(const QString& text, Currency currency)
{
    static const QRegularExpression number(
        QStringLiteral("^([+-]?)(\\d{0,15})(?:[.,](\\d{0,9}))?$"));
    const QRegularExpressionMatch match = number.match(text.trimmed());
    if (!match.hasMatch() || (match.capturedLength(2) == 0 && match.capturedLength(3) == 0))
        return std::nullopt;
    const int decimals = Money::decimals(currency);
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // Digits beyond the currency's decimals round half away from zero.
    QString fraction = match.captured(3);
    const bool roundUp = fraction.size() > decimals && fraction.at(decimals) >= QLatin1Char('5');
    fraction = fraction.left(decimals).leftJustified(decimals, QLatin1Char('0'));
    const qint64 value
        = match.captured(2).toLongLong() * scale + fraction.toLongLong() + (roundUp ? 1 : 0);
    if (!Money::isWithinLimit(value))
        return std::nullopt;
    return match.captured(1) == QLatin1String("-") ? -value : value;
}

} // namespace OfxParser
