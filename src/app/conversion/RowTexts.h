#pragma once

#include "app/texts/Language.h"
#include "core/Conversion.h"

#include <QLocale>
#include <QString>

#include <array>

// What one row's amount shows: the label's caption and its tooltip.
struct RowText
{
    QString caption;
    QString toolTip;
};

// A row's title in the chosen language: the additional currency's own name
// once it has one, else the built-in caption. A name that is exactly one the
// program gives a currency fixed later ("BGN - Bulgarian Lev", in either
// language) follows the language; a name the user typed stays as typed.
QString RowTitle(const ConversionState &state, int slot, Language language);

// The three-letter code a currency's name starts with, as the program writes
// its names ("BGN - Bulgarian Lev" is BGN); empty when it starts with none.
QString CodeOfName(const QString &name);

// The row texts of a result: "1,936 " and " 1,936.2700 " per slot, or after an
// overflow the overflow word in the source row and the no-result word in every
// other, in the chosen language. Tooltips are empty when hideToolTips is set.
std::array<RowText, CurrencyCount> RowTexts(const ConversionResult &result, const ConversionState &state,
                                            Language language, bool hideToolTips, const QLocale &locale = QLocale());

// The part of an amount caption that stands right of its whole number: the
// decimal separator with the decimals and the padding (".00 "), or only the
// padding of a whole amount ("1,936 ") or of a failure word. Captions whose
// tails are right-aligned to one width have their decimal separators in one
// column.
QString AmountTail(const QString &caption, const QLocale &locale = QLocale());
