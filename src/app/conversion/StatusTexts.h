#pragma once

#include "app/texts/Language.h"
#include "core/Conversion.h"

#include <QLocale>
#include <QString>

// The arrow between two steps of a road.
inline constexpr QStringView RoadArrow = u" → ";

// The road of the last conversion through the euro, as the status bar under the
// rows shows it for one row: the amount as entered, its euro amount, then the
// row's unrounded and rounded amounts,
//   "1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD".
// A source amount with more decimals than its currency keeps shows its rounding
// as a step of its own; a conversion from the euro has no euro step. After an
// overflow the line says why, naming the largest amount the program can hold.
// Shown whatever ToolTipText says: it is where the unrounded amounts stay
// visible when the tooltips are hidden. `otherName` is the additional
// currency's row title: the road names it by the code the title starts with
// ("BGN - Bulgarian Lev" as BGN), else by the whole title.
QString ConversionRoad(const ConversionResult &result, const ConversionState &state, int slot, const QString &otherName,
                       Language language, const QLocale &locale = QLocale());

// What the status bar confirms after a copy: "Copied: 999,999".
QString CopiedMessage(const QString &copied, bool unrounded, Language language);
