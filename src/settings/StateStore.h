#pragma once

#include "core/ConversionState.h"
#include "settings/IniDocument.h"

// Filling the conversion state from the settings at start-up, in order: the
// rates, the decimals (each with the catalogue's value as default), the last
// currency and amount, and the additional currency's name ("?" while unnamed).
void FillConversionState(ConversionState &state, const IniDocument &ini);

// Keeping the state after a conversion, in order: the last currency and amount,
// the decimals of the last currency and, only for the additional currency, its
// rate and its name ("?" while it has none of its own).
void KeepConversionState(const ConversionState &state, IniDocument &ini);
