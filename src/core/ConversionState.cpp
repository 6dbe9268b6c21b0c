#include "core/ConversionState.h"

#include <algorithm>

int ConversionState::decimalsOf(int slot) const
{
    const int decimals = CurrencyDecimals[std::size_t(slot)];
    Q_ASSERT(decimals >= 0 && decimals <= Money::Decimals);
    return std::clamp(decimals, 0, int(Money::Decimals));
}
