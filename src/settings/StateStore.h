#pragma once

#include "core/ConversionState.h"
#include "settings/IniDocument.h"

#include <QRect>

#include <optional>

// Filling the conversion state from the settings at start-up, in order: the
// rates, the decimals (each with the catalogue's value as default), the last
// currency and amount, and the additional currency's name ("?" while unnamed).
void FillConversionState(ConversionState &state, const IniDocument &ini);

// Keeping the state after a conversion, in order: the last currency and amount,
// the decimals of the last currency and, only for the additional currency, its
// rate and its name ("?" while it has none of its own).
void KeepConversionState(const ConversionState &state, IniDocument &ini);

// The main window's place: its geometry when not maximised, and whether it
// was. The size is empty where the user chose none (the window then opens at
// the size it was designed at); the pixel ratio, in percent, is the screen's
// under which the place was taken: a place means nothing under another.
struct WindowPlace
{
    QRect geometry;
    bool maximised = false;
    int pixelRatio = 100;
};

// The place kept when the program last ended; none when none is kept.
std::optional<WindowPlace> ReadWindowPlace(const IniDocument &ini);
void KeepWindowPlace(const WindowPlace &place, IniDocument &ini);
