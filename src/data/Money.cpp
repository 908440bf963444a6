#include "Money.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace {

QString groupedWholeUnits(qint64 units)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(units);
}

qint64 powerOfTen(int exponent)
{
    qint64 value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// Exact decimal reading: rounding happens on the digits, never on a double,
// so 0.125 is 13 cents and not whatever the binary fraction rounds to.
std::optional<qint64> decimalToMinorUnits(const QString& text, int decimals)
{
    static const QRegularExpression pattern(QStringLiteral("^\\+?(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QString whole = m.captured(1);
    QString fraction = m.captured(2);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (whole.size() > 15)
        return std::nullopt;

    const QChar roundingDigit = fraction.size() > decimals ? fraction.at(decimals) : QChar('0');
    fraction = fraction.left(decimals).leftJustified(decimals, QChar('0'));

    qint64 value = (whole.isEmpty() ? 0 : whole.toLongLong()) * powerOfTen(decimals);
    if (decimals > 0)
        value += fraction.toLongLong();
    if (roundingDigit >= QChar('5'))
        value += 1;
    return value;
}

// Where a full stop is written between thousands rather than before the
// cents: "2.000" is two thousand euros, and yen have no cents at all.
bool dotGroupsThousands(Currency currency)
{
    return currency == Currency::EUR || currency == Currency::JPY;
}

// One separator followed by exactly three digits, after a whole part that
// can start a group ("2.000", not "0.125").
bool groupsThreeDigits(const QString& text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    return text.count(separator) == 1 && text.size() - at - 1 == 3 && at >= 1 && at <= 3
        && text.at(0) != QChar('0');
}

// Rewrites typed digits with either convention into "1234.56"; empty when the
// separators make no sense ("1,2,3.4.5", "12..5").
QString normalizedDecimal(const QString& text, Currency currency)
{
    const qsizetype lastComma = text.lastIndexOf(QChar(','));
    const qsizetype lastDot = text.lastIndexOf(QChar('.'));
    QChar decimal;
    QChar group;
    if (lastComma >= 0 && lastDot >= 0) {
        decimal = lastComma > lastDot ? QChar(',') : QChar('.');
        group = lastComma > lastDot ? QChar('.') : QChar(',');
    } else if (lastComma >= 0) {
        // One comma not followed by exactly three digits is a decimal comma.
        const bool single = text.count(QChar(',')) == 1;
        if (single && text.size() - lastComma - 1 != 3)
            decimal = QChar(',');
        else
            group = QChar(',');
    } else if (lastDot >= 0) {
        if (text.count(QChar('.')) == 1
            && !(dotGroupsThousands(currency) && groupsThreeDigits(text, QChar('.'))))
            decimal = QChar('.');
        else
            group = QChar('.');
    }

    QString whole = text;
    QString fraction;
    bool hasFraction = false;
    if (!decimal.isNull()) {
        const qsizetype at = text.lastIndexOf(decimal);
        whole = text.left(at);
        fraction = text.mid(at + 1);
        hasFraction = true;
        if (fraction.contains(QChar(',')) || fraction.contains(QChar('.')))
            return {};
    }
    if (!group.isNull() && whole.contains(group)) {
        // Compiled once: imports read amounts by the hundred thousand.
        static const QRegularExpression byComma(QStringLiteral("^\\d{1,3}(?:,\\d{3})+$"));
        static const QRegularExpression byDot(QStringLiteral("^\\d{1,3}(?:\\.\\d{3})+$"));
        const QRegularExpression& grouped = group == QChar(',') ? byComma : byDot;
        if (!grouped.match(whole).hasMatch())
            return {};
        whole.remove(group);
    }
    if (whole.contains(QChar(',')) || whole.contains(QChar('.')))
        return {};
    return hasFraction ? whole + QChar('.') + fraction : whole;
}

// The typed text as plain digits with a full stop before the decimals
// ("1234.56"), without symbol, spaces and sign; empty when it is no number.
QString normalizedNumber(const QString& text, Currency currency, bool* negative)
{
    QString cleaned = text;
    cleaned.remove(Money::currencySymbol(currency));
    // Spaces (also the no-break kinds) may group digits.
    cleaned.remove(QChar(' '));
    cleaned.remove(QChar(0x00A0));
    cleaned.remove(QChar(0x202F));
    cleaned = cleaned.trimmed();
    if (cleaned.isEmpty())
        return QStringLiteral("0");
    const bool minus = cleaned.startsWith(QChar('-'));
    if (negative)
        *negative = minus;
    return normalizedDecimal(minus ? cleaned.mid(1) : cleaned, currency);
}

} // namespace

namespace Money {

bool isWithinLimit(qint64 amount)
{
    return amount >= -kMaxAmount && amount <= kMaxAmount;
}

QString limitMessage(Currency currency)
{
    return QCoreApplication::translate("Money", "Amounts are limited to %1")
        .arg(formatMoney(kMaxAmount, currency));
}

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR: return QStringLiteral("€");
    case Currency::GBP: return QStringLiteral("£");
    case Currency::JPY: return QStringLiteral("¥");
    default: return QStringLiteral("$");
    }
}

int decimals(Currency currency)
{
    return currency == Currency::JPY ? 0 : 2;
}

QString formatAmount(qint64 amount, Currency currency)
{
    // Magnitude as unsigned so that the most negative value survives.
    const quint64 magnitude = amount < 0 ? 0 - quint64(amount) : quint64(amount);
    QString body;
    if (decimals(currency) > 0) {
        body = QStringLiteral("%1.%2")
                   .arg(groupedWholeUnits(qint64(magnitude / 100)))
                   .arg(int(magnitude % 100), 2, 10, QChar('0'));
    } else {
        body = groupedWholeUnits(qint64(magnitude));
    }
    return amount < 0 ? QStringLiteral("-%1").arg(body) : body;
}

QString formatMoney(qint64 amount, Currency currency)
{
    const QString symbol = currencySymbol(currency);
    QString number = formatAmount(amount, currency);
    if (amount < 0)
        return QStringLiteral("-%1%2").arg(symbol, number.mid(1));
    return symbol + number;
}

int typedDecimals(const QString& text, Currency currency)
{
    const QString normalized = normalizedNumber(text, currency, nullptr);
    if (normalized.isEmpty())
        return -1;
    const qsizetype point = normalized.indexOf(QChar('.'));
    return point < 0 ? 0 : int(normalized.size() - point - 1);
}

QString noDecimalsMessage()
{
    return QCoreApplication::translate("Money", "Yen amounts have no decimals");
}

std::optional<qint64> tryParseAmount(const QString& text, Currency currency, QString* refusal)
{
    bool negative = false;
    const QString normalized = normalizedNumber(text, currency, &negative);
    if (normalized.isEmpty())
        return std::nullopt;
    // Rounding "1.5" to whole yen would store an amount nobody typed.
    const qsizetype point = normalized.indexOf(QChar('.'));
    if (decimals(currency) == 0 && point >= 0 && point + 1 < normalized.size()) {
        if (refusal)
            *refusal = noDecimalsMessage();
        return std::nullopt;
    }
    const auto value = decimalToMinorUnits(normalized, decimals(currency));
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

qint64 parseAmount(const QString& text, Currency currency)
{
    return tryParseAmount(text, currency).value_or(0);
}

qint64 fromValue(double value, Currency currency)
{
    const bool negative = value < 0;
    const auto units = decimalToMinorUnits(
        QString::number(negative ? -value : value, 'f', 6), decimals(currency));
    const qint64 magnitude = units.value_or(0);
    return negative ? -magnitude : magnitude;
}

double toValue(qint64 amount, Currency currency)
{
    return double(amount) / double(powerOfTen(decimals(currency)));
}

double maxValue(Currency currency)
{
    return toValue(kMaxAmount, currency);
}

} // namespace Money
