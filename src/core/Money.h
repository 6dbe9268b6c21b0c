#pragma once

#include <cstdint>
#include <optional>

// An amount of money: a signed 64-bit count of ten-thousandths of a unit, so
// exactly four decimals are held and no binary floating point is involved.
// Operations that can leave the range return std::nullopt (overflow) instead
// of a wrapped value.
class Money
{
public:
    static constexpr std::int64_t Scale = 10000;
    static constexpr int Decimals = 4;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }

    static constexpr Money minimum() { return Money(INT64_MIN); }
    static constexpr Money maximum() { return Money(INT64_MAX); }

    constexpr std::int64_t raw() const { return m_raw; }

    // Rounded to 0..4 decimals, halves to the even neighbour. Rounding away
    // from the ends of the range can overflow (…477.5807 to 0 decimals).
    std::optional<Money> roundedHalfEven(int decimals) const;

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;

private:
    constexpr explicit Money(std::int64_t raw)
        : m_raw(raw)
    {
    }
    std::int64_t m_raw = 0;
};
