#pragma once

#include "core/ConversionState.h"
#include "core/Money.h"

#include <QLocale>
#include <QString>

#include <array>

// The outcome of converting CurrentAmount from CurrentCurrency through the euro
// to every slot. Either every slot has a result, or the conversion overflowed.
struct ConversionResult
{
    bool overflow = false;
    Money euroAmount;        // the source amount in EUR, four decimals, halves to even
    Money roundedEuroAmount; // euroAmount rounded to the euro's decimals
    std::array<Money, CurrencyCount> unrounded{}; // product rounded to 4 decimals, halves away from zero
    std::array<Money, CurrencyCount> rounded{};   // unrounded rounded to the slot's decimals, halves to even
};

// The whole arithmetic of one conversion, exact for every input. A zero rate
// for the source slot, or any result beyond the Money range, is an overflow.
ConversionResult Convert(const ConversionState &state);

// What one row shows: the label's caption and its tooltip.
struct RowText
{
    QString caption;
    QString toolTip;
};

// The row texts of a result: "1,936 " and " 1,936.2700 " per slot, or after an
// overflow the overflow word in the source row and the no-result word in every
// other, in the chosen language. Tooltips are empty when hideToolTips is set.
std::array<RowText, CurrencyCount> RowTexts(const ConversionResult &result, const ConversionState &state,
                                            bool greek, bool hideToolTips, const QLocale &locale = QLocale());
