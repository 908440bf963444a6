#include "Currency.h"

QString currencyToText(Currency currency)
{
    switch (currency) {
    case Currency::USD: return QStringLiteral("USD");
    case Currency::EUR: return QStringLiteral("EUR");
    case Currency::GBP: return QStringLiteral("GBP");
    case Currency::CAD: return QStringLiteral("CAD");
    case Currency::AUD: return QStringLiteral("AUD");
    case Currency::JPY: return QStringLiteral("JPY");
    }
    return QStringLiteral("USD");
}

Currency currencyFromText(const QString& text)
{
    for (Currency c : { Currency::USD, Currency::EUR, Currency::GBP, Currency::CAD, Currency::AUD,
             Currency::JPY }) {
        if (currencyToText(c) == text)
            return c;
    }
    return Currency::USD;
}
