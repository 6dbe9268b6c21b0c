#pragma once

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

// The row texts of a result: "1,936 " and " 1,936.2700 " per slot, or after an
// overflow the overflow word in the source row and the no-result word in every
// other, in the chosen language. Tooltips are empty when hideToolTips is set.
std::array<RowText, CurrencyCount> RowTexts(const ConversionResult &result, const ConversionState &state,
                                            bool greek, bool hideToolTips, const QLocale &locale = QLocale());
