#include "settings/StateStore.h"

#include "settings/IniAccess.h"

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
