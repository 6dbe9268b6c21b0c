#pragma once

#include "core/Money.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Number text with the user's regional separators. The interface language never
// changes how numbers are written; only the locale does. Every function takes
// the locale explicitly, defaulting to QLocale() (the system locale unless a
// test pinned another with QLocale::setDefault).

// The display pattern family: "###,###,###,###,##0" plus "." and one "0" per
// decimal. "," stands for the grouping and "." for the decimal separator.
QString BuildAmountFormat(int decimals);
// The pattern of unrounded amounts ("###,###,###,###,##0.0000").
inline const QString UnroundedPattern = QStringLiteral("###,###,###,###,##0.0000");

// Formats an amount with one of the patterns above: grouped in threes, at least
// one integer digit, exactly the pattern's decimals, a leading minus when
// negative. The amount is rounded half to even to the pattern's decimals first.
QString FormatAmount(Money amount, const QString &pattern, const QLocale &locale = QLocale());

// A locale's separators, looked up once for writing or reading many amounts.
struct NumberSeparators
{
    explicit NumberSeparators(const QLocale &locale = QLocale());

    QString group;
    QString point;
    std::string groupUtf8;
    std::string pointUtf8;
    // The two as single characters where they are the comma and the point
    // (either way round); 0 where the locale separates otherwise.
    char groupCharacter = 0;
    char pointCharacter = 0;
};

// FormatAmount's text for a pattern of `decimals` decimals, grouped, appended
// as UTF-8: a column of amounts written without a QString for each.
void AppendAmountUtf8(std::string &out, Money amount, int decimals, const NumberSeparators &separators);

// The shortest text of an amount: regional decimal separator, no grouping, no
// trailing zeros ("1", "1000.5"). How amounts are kept in the settings file.
QString FormatAmountShort(Money amount, const QLocale &locale = QLocale());

// A double in its shortest form with at most 15 significant digits and the
// regional decimal separator (340.75, 0.787564, 1E+300, 0).
QString FormatDouble(double value, const QLocale &locale = QLocale());

// Reads an amount typed with the regional separators: optional sign, digits with
// optional grouping separators, optional decimal separator and digits. More than
// four decimals are brought to four with halves to even. nullopt when the text
// is not such a number or leaves the range. Surrounding spaces are ignored.
std::optional<Money> ParseAmount(const QString &text, const QLocale &locale = QLocale());

// ParseAmount, fast, for a trimmed text of ASCII digits and the locale's two
// separators when they are the comma and the point: a column of plain numbers.
// Not plain (a text that holds anything else, or is longer than
// PlainAmountLength, or a locale that separates otherwise): ParseAmount decides.
// Plain: the amount, or none where ParseAmount reads none.
inline constexpr std::size_t PlainAmountLength = 64;
struct PlainReading
{
    bool plain = false;
    std::optional<Money> amount;
};
PlainReading ReadPlainAmount(std::string_view text, const NumberSeparators &separators);
PlainReading ReadPlainAmount(QStringView text, const NumberSeparators &separators);

// Reads a double written like an amount, optionally followed by an exponent
// ("1E+300", "2.5e-7"). nullopt when not a number or not finite.
std::optional<double> ParseDouble(const QString &text, const QLocale &locale = QLocale());

// Numbers as the settings file keeps them, whatever the locale that wrote them:
// an optional sign, digits, and at most one separator, "." or ",", which is the
// decimal separator. The file never holds grouping separators, so "1.234" is one
// and a bit under every locale, and a file travels between regional settings.
std::optional<Money> ParseStoredAmount(const QString &text);
// ... optionally followed by an exponent ("1E+300").
std::optional<double> ParseStoredDouble(const QString &text);

// Reads a whole number: an optional sign and digits, fitting a 32-bit integer.
// nullopt otherwise.
std::optional<qint32> ParseInteger(const QString &text);
// True when ParseInteger reads the text and the value lies within [minimum, maximum].
bool IsIntegerText(const QString &text, qint32 minimum, qint32 maximum);
// True when the trimmed text converts to an amount in range.
bool IsCurrencyText(const QString &text, const QLocale &locale = QLocale());
// True when the trimmed text converts to a finite double.
bool IsDoubleText(const QString &text, const QLocale &locale = QLocale());
