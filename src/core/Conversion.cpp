#include "core/Conversion.h"

#include "core/DecimalRate.h"

#include <algorithm>
#include <bit>

namespace {

// The rates as exact decimals. Finding a double's shortest text is most of the
// cost of a conversion, yet the rates change only through the amount dialog, so
// each thread keeps the last ones, compared bit for bit.
const std::array<DecimalRate, CurrencyCount> &DecimalRates(const std::array<double, CurrencyCount> &rates)
{
    thread_local std::array<std::uint64_t, CurrencyCount> lastBits{}; // all 0.0, whose decimal is the zero rate
    thread_local std::array<DecimalRate, CurrencyCount> decimals{};
    for (std::size_t slot = 0; slot < rates.size(); ++slot) {
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(rates[slot]);
        if (bits != lastBits[slot]) {
            lastBits[slot] = bits;
            decimals[slot] = DecimalRate::fromDouble(rates[slot]);
        }
    }
    return decimals;
}

// Fills every amount of the result; false as soon as one leaves the range.
bool ConvertAll(const ConversionState &state, ConversionResult &result)
{
    Q_ASSERT(IsCurrencyIndex(state.CurrentCurrency));
    const std::array<DecimalRate, CurrencyCount> &rates = DecimalRates(state.CurrencyRates);
    const int source = std::clamp(int(state.CurrentCurrency), 0, MaxCurrencyIndex);

    // The amount as the source currency can hold it, then through the euro.
    const std::optional<Money> roundedSource = state.CurrentAmount.roundedHalfEven(state.decimalsOf(source));
    if (!roundedSource)
        return false;
    if (source == 0) {
        result.euroAmount = *roundedSource;
        result.roundedEuroAmount = *roundedSource;
    } else {
        const std::optional<Money> euro = DivideHalfEven(*roundedSource, rates[std::size_t(source)]);
        if (!euro)
            return false;
        const std::optional<Money> roundedEuro = euro->roundedHalfEven(state.decimalsOf(0));
        if (!roundedEuro)
            return false;
        result.euroAmount = *euro;
        result.roundedEuroAmount = *roundedEuro;
    }

    for (std::size_t slot = 0; slot < std::size_t(CurrencyCount); ++slot) {
        const std::optional<Money> unrounded = MultiplyHalfAwayFromZero(result.roundedEuroAmount, rates[slot]);
        if (!unrounded)
            return false;
        const std::optional<Money> rounded = unrounded->roundedHalfEven(state.decimalsOf(int(slot)));
        if (!rounded)
            return false;
        result.unrounded[slot] = *unrounded;
        result.rounded[slot] = *rounded;
    }
    return true;
}

} // namespace

ConversionResult Convert(const ConversionState &state)
{
    ConversionResult result;
    if (ConvertAll(state, result)) {
        result.source = state.CurrentCurrency;
        return result;
    }
    // Nothing of a partial conversion is kept: the whole result is an overflow.
    ConversionResult overflowed;
    overflowed.overflow = true;
    overflowed.source = state.CurrentCurrency;
    return overflowed;
}
