#include "app/conversion/CurrencyChoice.h"

#include "app/conversion/RowTexts.h"
#include "app/texts/Texts.h"

namespace {

const QLatin1String OtherCode("OTHER");

} // namespace

CurrencyChoice CurrencyChoiceAt(int index)
{
    Q_ASSERT(index >= 0 && index < CurrencyChoiceCount);
    return index < CurrencyCount ? CurrencyChoice{index} : CurrencyChoice{OtherCurrencyIndex, index - CurrencyCount};
}

int IndexOfChoice(const CurrencyChoice &choice)
{
    return choice.later >= 0 ? CurrencyCount + choice.later : choice.slot;
}

CurrencyChoice CurrencyOfCode(const QString &code)
{
    if (code.compare(OtherCode, Qt::CaseInsensitive) == 0)
        return {OtherCurrencyIndex};
    for (int slot = 0; slot < OtherCurrencyIndex; ++slot) {
        if (code.compare(QLatin1String(CurrencyCodes[std::size_t(slot)]), Qt::CaseInsensitive) == 0)
            return {slot};
    }
    for (int later = 0; later < int(LaterChangeovers.size()); ++later) {
        if (code.compare(QLatin1String(LaterChangeovers[std::size_t(later)].code), Qt::CaseInsensitive) == 0)
            return {OtherCurrencyIndex, later};
    }
    return {};
}

QString LaterChoiceCaption(int index, Language language)
{
    return QStringLiteral("%1 (%2)")
        .arg(LaterCurrencyName(index, language))
        .arg(LaterChangeovers[std::size_t(index)].year);
}

QString ChoiceCaption(const ConversionState &state, const CurrencyChoice &choice, Language language)
{
    return choice.later >= 0 ? LaterChoiceCaption(choice.later, language) : RowTitle(state, choice.slot, language);
}

QString ChoiceCode(const ConversionState &state, const CurrencyChoice &choice, Language language)
{
    if (choice.later >= 0)
        return QLatin1String(LaterChangeovers[std::size_t(choice.later)].code);
    if (choice.slot != OtherCurrencyIndex)
        return QLatin1String(CurrencyCodes[std::size_t(choice.slot)]);
    const QString code = CodeOfName(RowTitle(state, OtherCurrencyIndex, language));
    return code.isEmpty() ? QString(OtherCode) : code;
}
