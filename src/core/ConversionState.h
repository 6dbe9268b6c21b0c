#pragma once

#include "core/Currencies.h"
#include "core/Money.h"

#include <QString>

#include <array>

// What the program converts with: the rates and decimals in use, the last
// conversion and the additional currency's name. Lives for the whole run,
// changes only through a confirmed amount dialog.
struct ConversionState
{
    std::array<double, CurrencyCount> CurrencyRates = DefaultRates;
    std::array<qint16, CurrencyCount> CurrencyDecimals = DefaultDecimals;
    std::array<QString, CurrencyCount> AmountFormats;
    qint16 CurrentCurrency = 0;
    Money CurrentAmount = Money::fromRaw(Money::Scale);
    QString OtherCurrencyName;
    QString OtherCurrencyMarker = QStringLiteral("?");

    ConversionState();
    // Rebuilds AmountFormats[slot] from CurrencyDecimals[slot].
    void BuildAmountFormat(int slot);
    // CurrencyDecimals[slot] as used: 0..4. Reading the settings clamps them, so
    // anything else is a programming error, asserted in debug builds and
    // clamped in release builds rather than crashing.
    int DecimalsOf(int slot) const;
};
