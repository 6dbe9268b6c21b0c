#pragma once

#include "core/Currencies.h"
#include "core/Money.h"

#include <QString>

#include <array>

// What OtherCurrencyMarker holds while the additional currency has no name of
// its own; the settings file stores the same text for it.
inline const QString UnnamedCurrencyMarker = QStringLiteral("?");

// What the program converts with: the rates and decimals in use, the last
// conversion and the additional currency's name. Lives for the whole run and
// changes only through a confirmed amount dialog. Numbers only: how they are
// shown is the business of the layers above.
struct ConversionState
{
    std::array<double, CurrencyCount> CurrencyRates = DefaultRates;
    std::array<qint16, CurrencyCount> CurrencyDecimals = DefaultDecimals;
    qint16 CurrentCurrency = 0;
    Money CurrentAmount = Money::fromRaw(Money::Scale);
    QString OtherCurrencyName; // empty while the currency is unnamed
    QString OtherCurrencyMarker = UnnamedCurrencyMarker;

    bool otherCurrencyUnnamed() const { return OtherCurrencyMarker == UnnamedCurrencyMarker; }

    // CurrencyDecimals[slot] as used: 0..4. Reading the settings clamps them, so
    // anything else is a programming error, asserted in debug builds and
    // clamped in release builds rather than crashing.
    int decimalsOf(int slot) const;
};
