#include "core/Money.h"

#include "core/WideInteger.h"

#include <algorithm>

std::optional<Money> Money::roundedHalfEven(int decimals) const
{
    // Callers pass 0..4; anything else is clamped rather than read past the
    // table of powers of ten.
    const int kept = std::clamp(decimals, 0, Decimals);
    const std::uint64_t step = std::uint64_t(PowersOfTen[Decimals - kept]);
    // Working on the magnitude makes halves go to even symmetrically around zero.
    const std::uint64_t steps = QuotientHalfEven(MagnitudeOf(*this), step);
    return MoneyFromMagnitude(m_raw < 0, UInt128(steps) * step);
}
