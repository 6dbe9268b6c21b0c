#pragma once

#include "core/Conversion.h"
#include "core/Currencies.h"
#include "core/Money.h"

#include <QString>

#include <array>
#include <optional>

// The two amounts of a row as the last conversion left them.
struct ReportAmounts
{
    Money rounded;   // rounded to the row's decimals
    Money unrounded; // four decimals
};

// One currency row of the report: everything its data line shows, as values.
struct ReportRow
{
    QString name; // the row title as the main window shows it
    double rate = 0;
    int decimals = 0;                     // 0 to 4
    std::optional<ReportAmounts> amounts; // none: the conversion overflowed
    bool source = false;                  // the row converted from; it reports the overflow
};

using ReportModel = std::array<ReportRow, CurrencyCount>;

// The report of a conversion. The amounts come from the result itself, not from
// the row texts on screen, so hidden tooltips or a language switch change nothing.
ReportModel BuildReportModel(const ConversionResult &result, const ConversionState &state,
                             const std::array<QString, CurrencyCount> &rowNames);
