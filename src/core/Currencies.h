#pragma once

#include <QtGlobal>

#include <array>

// The fourteen currency slots, in the fixed order of the rows, the "Convert from"
// menu items, the settings keys "0" to "13" and the report lines.
constexpr int MaxCurrencyIndex = 13;
constexpr int OtherCurrencyIndex = 13;
constexpr int CurrencyCount = MaxCurrencyIndex + 1;

// ISO codes; the additional currency has none (its menu item reads "Other").
inline constexpr std::array<const char *, CurrencyCount> CurrencyCodes = {
    "EUR", "ATS", "BEF", "DEM", "ESP", "FIM", "FRF", "GRD", "IEP", "ITL", "LUF", "NLG", "PTE", ""};

// Units of each currency per 1 EUR, as irrevocably fixed; 0 means that the
// additional currency has no rate yet.
inline constexpr std::array<double, CurrencyCount> DefaultRates = {
    1, 13.7603, 40.3399, 1.95583, 166.386, 5.94573, 6.55957, 340.75, 0.787564, 1936.27, 40.3399, 2.20371, 200.482, 0};

inline constexpr std::array<qint16, CurrencyCount> DefaultDecimals = {2, 2, 0, 2, 0, 2, 2, 0, 2, 0, 0, 2, 0, 2};

constexpr bool IsCurrencyIndex(int slot) { return slot >= 0 && slot <= MaxCurrencyIndex; }

// The currencies whose rates were irrevocably fixed after the twelve, in the
// order of their changeovers: code, units per 1 EUR as the official decimal
// text (never a binary double), and the year of the changeover. None has a slot
// of its own; each is converted as the additional currency, with two decimals.
struct LaterChangeover
{
    const char *code;
    const char *rate;
    int year;
};
inline constexpr std::array<LaterChangeover, 9> LaterChangeovers = {{
    {"SIT", "239.640", 2007},
    {"CYP", "0.585274", 2008},
    {"MTL", "0.429300", 2008},
    {"SKK", "30.1260", 2009},
    {"EEK", "15.6466", 2011},
    {"LVL", "0.702804", 2014},
    {"LTL", "3.45280", 2015},
    {"HRK", "7.53450", 2023},
    {"BGN", "1.95583", 2026},
}};
constexpr qint16 LaterChangeoverDecimals = 2;
