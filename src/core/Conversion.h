#pragma once

#include "core/ConversionState.h"
#include "core/Money.h"

#include <array>

// The outcome of converting CurrentAmount from CurrentCurrency through the euro
// to every slot. Either every slot has a result, or the conversion overflowed.
struct ConversionResult
{
    bool overflow = false;
    int source = 0;                               // the slot converted from
    Money euroAmount;                             // the source amount in EUR, four decimals, halves to even
    Money roundedEuroAmount;                      // euroAmount rounded to the euro's decimals
    std::array<Money, CurrencyCount> unrounded{}; // product rounded to 4 decimals, halves away from zero
    std::array<Money, CurrencyCount> rounded{};   // unrounded rounded to the slot's decimals, halves to even
};

// The whole arithmetic of one conversion, exact for every input. A zero rate
// for the source slot, or any result beyond the Money range, is an overflow.
ConversionResult Convert(const ConversionState &state);
