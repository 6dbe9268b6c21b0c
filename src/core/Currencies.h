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
