#pragma once

#include "core/Money.h"

#include <array>
#include <cstdint>
#include <optional>

// Exact intermediate results of the money arithmetic need more than 64 bits:
// an amount times a 17-digit rate mantissa reaches 2^120.
__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// 10^0 to 10^38, every power of ten an unsigned 128-bit integer holds.
inline constexpr std::array<UInt128, 39> PowersOfTen = [] {
    std::array<UInt128, 39> powers{};
    UInt128 power = 1;
    for (UInt128 &entry : powers) {
        entry = power;
        power *= 10; // wraps harmlessly once, after 10^38 is stored
    }
    return powers;
}();

// The magnitude of Money::minimum(), the largest any amount has.
inline constexpr UInt128 MoneyMagnitudeLimit = UInt128(1) << 63;

// |raw| without the overflow that negating INT64_MIN would be.
constexpr std::uint64_t MagnitudeOf(Money amount)
{
    const std::uint64_t raw = std::uint64_t(amount.raw());
    return amount.raw() < 0 ? 0 - raw : raw;
}

// numerator / divisor rounded to an integer, halves to the even neighbour.
// The remainder is compared with what is left of the divisor rather than
// doubled, so no value of the type can overflow.
template<typename Unsigned>
constexpr Unsigned QuotientHalfEven(Unsigned numerator, Unsigned divisor)
{
    const Unsigned quotient = numerator / divisor;
    const Unsigned remainder = numerator % divisor;
    const Unsigned rest = divisor - remainder;
    const bool up = remainder > rest || (remainder == rest && (quotient & 1) != 0);
    return quotient + (up ? 1 : 0);
}

// The amount of that sign and magnitude, or nullopt beyond the Money range.
// A zero magnitude is zero whatever the sign.
constexpr std::optional<Money> MoneyFromMagnitude(bool negative, UInt128 magnitude)
{
    if (magnitude > MoneyMagnitudeLimit - (negative ? 0 : 1))
        return std::nullopt;
    const Int128 raw = negative ? -Int128(magnitude) : Int128(magnitude);
    return Money::fromRaw(std::int64_t(raw));
}
