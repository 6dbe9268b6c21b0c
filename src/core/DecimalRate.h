#pragma once

#include "core/Money.h"

#include <cstdint>
#include <optional>

// A rate as the exact value of its shortest decimal text: ±mantissa × 10^exponent.
// 1.95583 is {false, 195583, -5}, never the binary double 1.95582999999999...
struct DecimalRate
{
    bool negative = false;
    std::uint64_t mantissa = 0; // at most 17 digits; 0 only for a zero rate
    int exponent = 0;

    static DecimalRate fromDouble(double rate); // rate must be finite
    bool isZero() const { return mantissa == 0; }
};

// amount / rate, exactly, rounded to four decimals with halves to even.
// nullopt when the rate is zero or the quotient leaves the Money range.
std::optional<Money> DivideHalfEven(Money amount, const DecimalRate &rate);

// amount × rate, exactly, rounded to four decimals with halves away from zero.
// nullopt when the product leaves the Money range.
std::optional<Money> MultiplyHalfAwayFromZero(Money amount, const DecimalRate &rate);
