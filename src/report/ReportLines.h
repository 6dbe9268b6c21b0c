#pragma once

#include "core/Money.h"
#include "report/ReportModel.h"
#include "report/ReportWords.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>

// The text of the conversion report, line by line. Every line is laid out for a
// fixed-pitch font at 105 characters with spaces only. Columns (1-based) of a
// data line: name 1-30, rate 36-47 with its decimal separator in 41, rounded
// amount 52-75 (separator in 71), unrounded amount 82-105 (separator in 101).
// A number wider than its field is never cut: that column grows to the left in
// every row, its title and its rule too, so its decimal separators stay in one
// column and the columns after it move right together.
namespace ReportLayout {
constexpr int Width = 105;
constexpr int HeaderLines = 5;
constexpr int LinesPerRow = 3;
constexpr int NameWidth = 30;
constexpr int RateWidth = 12;
constexpr int AmountWidth = 24;
} // namespace ReportLayout

// How many characters each number column grows to the left so that the widest
// number of the report fits whole; zero for a report of ordinary numbers.
struct ReportColumnGrowth
{
    int rate = 0;
    int rounded = 0;
    int unrounded = 0;
    int total() const { return rate + rounded + unrounded; }
};
ReportColumnGrowth ReportColumnGrowthOf(const ReportModel &model, const QLocale &locale = QLocale());

// The page header's date and time: the long date, " - ", the long time, each trimmed.
QString ReportDateTimeText(const QDateTime &when = QDateTime::currentDateTime(), const QLocale &locale = QLocale());

// Title line (the date-time text ending in column 105, at least one space after
// the title), rule, empty line, column titles, column rule; each wider by as
// much as the columns grow.
std::array<QString, ReportLayout::HeaderLines> ReportHeaderLines(const ReportWords &words, const QString &dateTime,
                                                                 const ReportColumnGrowth &growth = {});

// The column titles line of the page header alone.
QString ReportColumnTitles(const ReportWords &words, const ReportColumnGrowth &growth = {});

// Two empty lines and the data line of a row. After an overflow both amount
// columns hold the failure word instead of a number.
std::array<QString, ReportLayout::LinesPerRow> ReportRowLines(const ReportRow &row, const ReportWords &words,
                                                              const QLocale &locale = QLocale(),
                                                              const ReportColumnGrowth &growth = {});

// The three number fields of a data line, for their columns.
// Rate: "#,##0.000000" of the rate's shortest decimal text, right-aligned in 12,
// trailing decimal zeros blanked and the separator too when no decimal is left.
QString ReportRateField(double rate, const QLocale &locale = QLocale());
// Rounded: the amount in its row's decimals, padded so that every row's decimal
// separator falls in the same column, right-aligned in 24.
QString ReportRoundedField(Money rounded, int decimals, const QLocale &locale = QLocale());
// Unrounded: four decimals, right-aligned in 24, zeros blanked like the rate's.
QString ReportUnroundedField(Money unrounded, const QLocale &locale = QLocale());
