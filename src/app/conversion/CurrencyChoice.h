#pragma once

#include "app/texts/Language.h"
#include "core/ConversionState.h"

#include <QString>

// A currency a conversion can be asked for by name, from the command line or
// in a list's choices: a row of the window (a slot), or a currency fixed later,
// which the window converts in the additional currency's row at its official
// rate with two decimals.
struct CurrencyChoice
{
    int slot = -1;  // 0 to 13; -1: no currency
    int later = -1; // its index in LaterChangeovers, for a currency fixed later

    bool valid() const { return slot >= 0; }
    friend bool operator==(const CurrencyChoice &, const CurrencyChoice &) = default;
};

// The choices a list offers, in order: the fourteen rows, then the currencies
// fixed later in the order of their changeovers.
inline constexpr int CurrencyChoiceCount = CurrencyCount + int(LaterChangeovers.size());
CurrencyChoice CurrencyChoiceAt(int index);
int IndexOfChoice(const CurrencyChoice &choice);

// What a currency code names, in any letter case: EUR, one of the twelve,
// OTHER for the additional currency, or a currency fixed later. Not valid when
// no currency has the code.
CurrencyChoice CurrencyOfCode(const QString &code);

// A choice as the lists offer it: its row's title, or for a currency fixed
// later its name and the year of its changeover, "BGN - Bulgarian Lev (2026)".
QString ChoiceCaption(const ConversionState &state, const CurrencyChoice &choice, Language language);
QString LaterChoiceCaption(int index, Language language);
// The code a choice is known by: "GRD", "BGN", or for the additional currency
// the code its name starts with, else "OTHER".
QString ChoiceCode(const ConversionState &state, const CurrencyChoice &choice, Language language);
