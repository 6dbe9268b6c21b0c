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

    const std::optional<EuroStep> euro = ToEuro(
        state.CurrentAmount, {rates[std::size_t(source)], state.decimalsOf(source), source == 0}, state.decimalsOf(0));
    if (!euro)
        return false;
    result.euroAmount = euro->euroAmount;
    result.roundedEuroAmount = euro->roundedEuroAmount;

    for (std::size_t slot = 0; slot < std::size_t(CurrencyCount); ++slot) {
        const std::optional<TargetAmount> target =
            FromEuro(euro->roundedEuroAmount, {rates[slot], state.decimalsOf(int(slot))});
        if (!target)
            return false;
        result.unrounded[slot] = target->unrounded;
        result.rounded[slot] = target->rounded;
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

std::optional<EuroStep> ToEuro(Money amount, const ConversionSide &source, int euroDecimals)
{
    // The amount as the source currency can hold it, then through the euro.
    const std::optional<Money> roundedSource = amount.roundedHalfEven(source.decimals);
    if (!roundedSource)
        return std::nullopt;
    if (source.euro)
        return EuroStep{*roundedSource, *roundedSource, *roundedSource};
    const std::optional<Money> euro = DivideHalfEven(*roundedSource, source.rate);
    if (!euro)
        return std::nullopt;
    const std::optional<Money> roundedEuro = euro->roundedHalfEven(euroDecimals);
    if (!roundedEuro)
        return std::nullopt;
    return EuroStep{*roundedSource, *euro, *roundedEuro};
}

std::optional<TargetAmount> FromEuro(Money roundedEuroAmount, const ConversionSide &target)
{
    const std::optional<Money> unrounded = MultiplyHalfAwayFromZero(roundedEuroAmount, target.rate);
    if (!unrounded)
        return std::nullopt;
    const std::optional<Money> rounded = unrounded->roundedHalfEven(target.decimals);
    if (!rounded)
        return std::nullopt;
    return TargetAmount{*unrounded, *rounded};
}
