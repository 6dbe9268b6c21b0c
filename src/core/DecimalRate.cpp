#include "core/DecimalRate.h"

#include "core/WideInteger.h"

#include <QtGlobal>

#include <charconv>
#include <cmath>
#include <iterator>

DecimalRate DecimalRate::fromDouble(double rate)
{
    // Rates come from the catalogue or from texts ParseDouble accepted, so a
    // non-finite one is a programming error; release builds treat it as no rate.
    Q_ASSERT(std::isfinite(rate));
    DecimalRate result;
    if (rate == 0 || !std::isfinite(rate))
        return result;

    // The scientific form keeps the shortest digits (at most 17) even for large
    // whole numbers, which the fixed form would write out in full.
    char text[32];
    const char *end = std::to_chars(std::begin(text), std::end(text), rate, std::chars_format::scientific).ptr;
    const char *c = text;
    result.negative = *c == '-';
    if (result.negative)
        ++c;
    int fractionDigits = 0;
    bool inFraction = false;
    for (; *c != 'e'; ++c) {
        if (*c == '.') {
            inFraction = true;
            continue;
        }
        result.mantissa = result.mantissa * 10 + std::uint64_t(*c - '0');
        fractionDigits += inFraction ? 1 : 0;
    }
    ++c; // the exponent's sign is always written, and std::from_chars reads only "-"
    if (*c == '+')
        ++c;
    int exponent = 0;
    std::from_chars(c, end, exponent);
    result.exponent = exponent - fractionDigits;
    while (result.mantissa % 10 == 0) {
        result.mantissa /= 10;
        ++result.exponent;
    }
    return result;
}

std::optional<Money> DivideHalfEven(Money amount, const DecimalRate &rate)
{
    if (rate.isZero())
        return std::nullopt;
    const bool negative = (amount.raw() < 0) != rate.negative;
    const std::uint64_t dividend = MagnitudeOf(amount);

    if (rate.exponent >= 0) {
        // A divisor of 10^20 or more exceeds twice any amount: the quotient is
        // below one half and rounds to zero. Below that it fits in 128 bits.
        if (rate.exponent >= 20)
            return Money();
        const UInt128 divisor = UInt128(rate.mantissa) * PowersOfTen[std::size_t(rate.exponent)];
        return MoneyFromMagnitude(negative, QuotientHalfEven(UInt128(dividend), divisor));
    }

    // amount × 10^-exponent / mantissa as a long division, one decimal digit per
    // step: 10^-exponent may be far beyond 128 bits (rates down to 1e-324), but
    // the quotient is already too large after a few dozen digits.
    UInt128 quotient = dividend / rate.mantissa;
    std::uint64_t remainder = dividend % rate.mantissa;
    for (int digit = 0; digit < -rate.exponent; ++digit) {
        if (quotient > MoneyMagnitudeLimit)
            return std::nullopt;
        remainder *= 10; // below 10^18, as the mantissa has at most 17 digits
        quotient = quotient * 10 + remainder / rate.mantissa;
        remainder %= rate.mantissa;
    }
    const std::uint64_t rest = rate.mantissa - remainder;
    if (remainder > rest || (remainder == rest && (quotient & 1) != 0))
        ++quotient;
    return MoneyFromMagnitude(negative, quotient);
}

std::optional<Money> MultiplyHalfAwayFromZero(Money amount, const DecimalRate &rate)
{
    const bool negative = (amount.raw() < 0) != rate.negative;
    // Below 2^63 × 10^17 < 2^120.
    UInt128 product = UInt128(MagnitudeOf(amount)) * rate.mantissa;

    if (rate.exponent >= 0) {
        // Each step checks first, so a huge exponent ends after a few dozen steps.
        for (int step = 0; step < rate.exponent && product != 0; ++step) {
            if (product > MoneyMagnitudeLimit)
                return std::nullopt;
            product *= 10;
        }
    } else if (std::size_t(-rate.exponent) < PowersOfTen.size()) {
        const UInt128 divisor = PowersOfTen[std::size_t(-rate.exponent)];
        const UInt128 remainder = product % divisor;
        product = product / divisor + (remainder >= divisor - remainder ? 1 : 0);
    } else {
        // 10^39 and beyond exceed twice any product: less than half a unit.
        product = 0;
    }
    return MoneyFromMagnitude(negative, product);
}
