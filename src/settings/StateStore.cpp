#include "settings/StateStore.h"

#include "settings/IniAccess.h"

#include <algorithm>

void FillConversionState(ConversionState &state, const IniDocument &ini)
{
    for (int slot = 0; slot < CurrencyCount; ++slot)
        state.CurrencyRates[std::size_t(slot)] = ReadIniDouble(ini, Setting::Rate, slot);
    for (int slot = 0; slot < CurrencyCount; ++slot)
        state.CurrencyDecimals[std::size_t(slot)] = ReadIniInteger(ini, Setting::Decimals, slot);
    state.CurrentCurrency = ReadIniInteger(ini, Setting::LastId);
    state.CurrentAmount = ReadIniCurrency(ini, Setting::LastAmount);
    state.OtherCurrencyMarker = ReadIniString(ini, Setting::OtherCurrency);
    state.OtherCurrencyName.clear();
    if (!state.otherCurrencyUnnamed()) {
        state.OtherCurrencyName = state.OtherCurrencyMarker;
        state.OtherCurrencyMarker.clear();
    }
}

void KeepConversionState(const ConversionState &state, IniDocument &ini)
{
    const qint16 slot = state.CurrentCurrency;
    WriteIniInteger(ini, Setting::LastId, slot);
    WriteIniCurrency(ini, Setting::LastAmount, state.CurrentAmount);
    WriteIniInteger(ini, Setting::Decimals, state.CurrencyDecimals[std::size_t(slot)], slot);
    if (slot != OtherCurrencyIndex)
        return;
    WriteIniDouble(ini, Setting::Rate, state.CurrencyRates[std::size_t(slot)], slot);
    WriteIniString(ini, Setting::OtherCurrency,
                   state.otherCurrencyUnnamed() ? UnnamedCurrencyMarker : state.OtherCurrencyName);
}

std::optional<WindowPlace> ReadWindowPlace(const IniDocument &ini)
{
    // Every place is kept with its state, so a stored state tells a kept place
    // without a size of its own from none at all.
    const std::optional<bool> maximised = ReadIniStoredBoolean(ini, Setting::WindowMaximised);
    const QRect geometry(ReadIniInteger(ini, Setting::WindowLeft), ReadIniInteger(ini, Setting::WindowTop),
                         ReadIniInteger(ini, Setting::WindowWidth), ReadIniInteger(ini, Setting::WindowHeight));
    if (!maximised && geometry.isEmpty())
        return std::nullopt;
    return WindowPlace{geometry, maximised.value_or(false), ReadIniInteger(ini, Setting::WindowPixelRatio)};
}

void KeepWindowPlace(const WindowPlace &place, IniDocument &ini)
{
    // Kept within what is read back, so that a far-off place is not lost as a whole.
    const auto write = [&ini](Setting setting, int value) {
        const SettingDefinition &definition = Definition(setting);
        WriteIniInteger(ini, setting, qint16(std::clamp(value, int(definition.minimum), int(definition.maximum))));
    };
    write(Setting::WindowLeft, place.geometry.left());
    write(Setting::WindowTop, place.geometry.top());
    write(Setting::WindowWidth, place.geometry.width());
    write(Setting::WindowHeight, place.geometry.height());
    WriteIniBoolean(ini, Setting::WindowMaximised, place.maximised);
    write(Setting::WindowPixelRatio, place.pixelRatio);
}
