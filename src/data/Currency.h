#pragma once

#include <QString>

enum class Currency { USD, EUR, GBP, CAD, AUD, JPY };

QString currencyToText(Currency currency);
Currency currencyFromText(const QString& text);
