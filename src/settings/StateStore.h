#pragma once

#include "core/ConversionState.h"
#include "settings/IniDocument.h"

#include <QString>

// Filling the conversion state from the settings file at start-up, in order:
// rates (any double, default the built-in rate), decimals (0 to 4, default the
// built-in decimals, then BuildAmountFormat), Last/ID (0 to 13, default 0),
// Last/Amount (default 1), General/OtherCurrency (at most 29 characters,
// default "?"; a stored name other than "?" becomes OtherCurrencyName and
// clears OtherCurrencyMarker).
void FillConversionState(ConversionState &state, const IniDocument &ini);

// Keeping the state after a conversion, in order: Last/ID, Last/Amount, the
// decimals of CurrentCurrency and, only for the additional currency, its rate
// and its name ("?" while it has none of its own, which also sets the marker).
void KeepConversionState(ConversionState &state, IniDocument &ini);
// The same written to the file as one atomic replacement. Returns 0 or an error number.
qint32 KeepConversionState(ConversionState &state, const QString &file);
