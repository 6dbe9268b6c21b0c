#pragma once

#include "core/ConversionState.h"
#include "core/DecimalRate.h"
#include "core/Money.h"

#include <array>
#include <optional>

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

// The two halves of every conversion, for one amount to one currency at a time
// (a list of amounts converts each so). A currency as a conversion sees it: its
// rate (units per 1 EUR) as an exact decimal and its decimals; the euro itself
// is never divided by its rate.
struct ConversionSide
{
    DecimalRate rate;
    int decimals = 0;
    bool euro = false;
};

// To the euro: the amount rounded to the source's decimals, divided by its rate
// (halves to even), then rounded to the euro's decimals. None on an overflow or
// a zero rate.
struct EuroStep
{
    Money source; // the amount as the source currency holds it
    Money euroAmount;
    Money roundedEuroAmount;
};
std::optional<EuroStep> ToEuro(Money amount, const ConversionSide &source, int euroDecimals);

// From the euro: the rounded euro amount times the rate, rounded to four
// decimals (halves away from zero), then to the target's decimals. None on an overflow.
struct TargetAmount
{
    Money unrounded;
    Money rounded;
};
std::optional<TargetAmount> FromEuro(Money roundedEuroAmount, const ConversionSide &target);
