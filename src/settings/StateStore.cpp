#include "settings/StateStore.h"

#include "app/Texts.h"
#include "settings/IniAccess.h"
#include "settings/SettingsKeys.h"

namespace {

// The file holds "?" while the additional currency has no name of its own.
const QString NoName = QStringLiteral("?");
// Buffer size of the name: at most 29 characters, as the name field allows.
constexpr qint16 NameBufferSize = 30;

// What the amount dialog proposes, in either language, when the user gives the
// additional currency no name; stored, it would pin that language's word.
bool IsProposedName(const QString &name)
{
    return name == CurrencyCaption(OtherCurrencyIndex, true) || name == CurrencyCaption(OtherCurrencyIndex, false);
}

} // namespace

void FillConversionState(ConversionState &state, const IniDocument &ini)
{
    for (int slot = 0; slot < CurrencyCount; ++slot)
        state.CurrencyRates[slot] = ReadIniDouble(ini, Settings::Rates, QString::number(slot), DefaultRates[slot]);
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        state.CurrencyDecimals[slot] =
            ReadIniInteger(ini, Settings::Decimals, QString::number(slot), DefaultDecimals[slot], 0, 4);
        state.BuildAmountFormat(slot);
    }
    state.CurrentCurrency = ReadIniInteger(ini, Settings::Last, Settings::Id, 0, 0, MaxCurrencyIndex);
    state.CurrentAmount = ReadIniCurrency(ini, Settings::Last, Settings::Amount, Money::fromRaw(Money::Scale));
    state.OtherCurrencyMarker = ReadIniString(ini, Settings::General, Settings::OtherCurrency, NoName, NameBufferSize);
    if (state.OtherCurrencyMarker != NoName) {
        state.OtherCurrencyName = state.OtherCurrencyMarker;
        state.OtherCurrencyMarker.clear();
    }
}

void KeepConversionState(ConversionState &state, IniDocument &ini)
{
    const qint16 slot = state.CurrentCurrency;
    WriteIniInteger(ini, Settings::Last, Settings::Id, slot);
    WriteIniCurrency(ini, Settings::Last, Settings::Amount, state.CurrentAmount);
    WriteIniInteger(ini, Settings::Decimals, QString::number(slot), state.CurrencyDecimals[slot]);
    if (slot != OtherCurrencyIndex)
        return;
    WriteIniDouble(ini, Settings::Rates, QString::number(slot), state.CurrencyRates[slot]);
    if (IsProposedName(state.OtherCurrencyName)) {
        WriteIniString(ini, Settings::General, Settings::OtherCurrency, NoName);
        state.OtherCurrencyMarker = NoName;
    } else {
        WriteIniString(ini, Settings::General, Settings::OtherCurrency, state.OtherCurrencyName);
        state.OtherCurrencyMarker.clear();
    }
}

qint32 KeepConversionState(ConversionState &state, const QString &file)
{
    IniDocument ini = IniDocument::load(file);
    KeepConversionState(state, ini);
    return ini.save(file);
}
