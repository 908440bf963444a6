#include "Money.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

bool hasMinorUnit(Currency currency)
{
    return currency != Currency::JPY;
}

QString groupedWholeUnits(qint64 units)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(units);
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

    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    for (int i = 0; i < decimals; ++i)
        value *= 10;
    if (decimals > 0)
        value += fraction.toLongLong();
    if (roundingDigit >= QChar('5'))
        value += 1;
    return value;
}

} // namespace

namespace Money {

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR: return QStringLiteral("€");
    case Currency::GBP: return QStringLiteral("£");
    case Currency::JPY: return QStringLiteral("¥");
    default: return QStringLiteral("$");
    }
}

QString formatAmount(qint64 amount, Currency currency)
{
    // Magnitude as unsigned so that the most negative value survives.
    const quint64 magnitude = amount < 0 ? 0 - quint64(amount) : quint64(amount);
    QString body;
    if (hasMinorUnit(currency)) {
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
    const qint64 magnitude = amount < 0 ? -amount : amount;
    const QString number = formatAmount(magnitude, currency);
    return amount < 0 ? QStringLiteral("-%1%2").arg(symbol, number)
                      : QStringLiteral("%1%2").arg(symbol, number);
}

std::optional<qint64> tryParseAmount(const QString& text, Currency currency)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency));
    cleaned.remove(QChar(','));
    cleaned = cleaned.trimmed();
    if (cleaned.isEmpty())
        return 0;

    bool negative = false;
    if (cleaned.startsWith(QChar('-'))) {
        negative = true;
        cleaned = cleaned.mid(1).trimmed();
    }
    const auto value = decimalToMinorUnits(cleaned, hasMinorUnit(currency) ? 2 : 0);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

qint64 parseAmount(const QString& text, Currency currency)
{
    return tryParseAmount(text, currency).value_or(0);
}

qint64 centsFromValue(double value)
{
    const bool negative = value < 0;
    const auto cents = decimalToMinorUnits(QString::number(negative ? -value : value, 'f', 6), 2);
    const qint64 magnitude = cents.value_or(0);
    return negative ? -magnitude : magnitude;
}

} // namespace Money
