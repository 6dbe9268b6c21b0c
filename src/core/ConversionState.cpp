#include "core/ConversionState.h"

#include "core/NumberText.h"

#include <algorithm>

ConversionState::ConversionState()
{
    for (int slot = 0; slot < CurrencyCount; ++slot)
        BuildAmountFormat(slot);
}

void ConversionState::BuildAmountFormat(int slot)
{
    AmountFormats[std::size_t(slot)] = AmountPattern(DecimalsOf(slot));
}

int ConversionState::DecimalsOf(int slot) const
{
    const int decimals = CurrencyDecimals[std::size_t(slot)];
    Q_ASSERT(decimals >= 0 && decimals <= Money::Decimals);
    return std::clamp(decimals, 0, int(Money::Decimals));
}
