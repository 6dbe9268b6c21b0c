#include "TestLocale.h"
#include "core/Conversion.h"

#include <QTest>

#include <boost/multiprecision/cpp_int.hpp>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;

namespace {

// An independent model of the conversion on exact rationals. The rate is the
// value of the double's shortest text; ties counts the halves met at each step.
cpp_int PowerOfTen(int exponent) { return boost::multiprecision::pow(cpp_int(10), unsigned(exponent)); }

cpp_rational ExactRate(double rate)
{
    char text[40];
    std::string digits(text, std::to_chars(text, text + sizeof text, rate, std::chars_format::scientific).ptr);
    int exponent = std::stoi(digits.substr(digits.find('e') + 1));
    digits.erase(digits.find('e'));
    if (const std::size_t point = digits.find('.'); point != std::string::npos) {
        exponent -= int(digits.size() - point - 1);
        digits.erase(point, 1);
    }
    return exponent >= 0 ? cpp_rational(cpp_int(digits) * PowerOfTen(exponent))
                         : cpp_rational(cpp_int(digits), PowerOfTen(-exponent));
}

// In ten-thousandths; nullopt beyond 64 bits.
std::optional<cpp_int> ExactRound(const cpp_rational &value, int decimals, bool halvesAway, int &ties)
{
    const cpp_rational scaled = value * PowerOfTen(decimals);
    cpp_int whole = numerator(scaled) / denominator(scaled); // towards zero
    const cpp_rational fraction = abs(scaled - cpp_rational(whole));
    ties += fraction == cpp_rational(1, 2) ? 1 : 0;
    if (fraction > cpp_rational(1, 2) || (fraction == cpp_rational(1, 2) && (halvesAway || whole % 2 != 0)))
        whole += scaled < 0 ? -1 : 1;
    const cpp_int raw = whole * PowerOfTen(Money::Decimals - decimals);
    if (raw < std::numeric_limits<qint64>::min() || raw > std::numeric_limits<qint64>::max())
        return std::nullopt;
    return raw;
}

// euroAmount, roundedEuroAmount, then unrounded and rounded per slot; empty for an overflow.
std::vector<cpp_int> ExactConvert(const ConversionState &state, std::array<int, 5> &ties)
{
    const int source = state.CurrentCurrency;
    const auto money = [](const cpp_int &raw) { return cpp_rational(raw, Money::Scale); };
    const auto euro = ExactRound(money(state.CurrentAmount.raw()), state.CurrencyDecimals[source], false, ties[0]);
    if (!euro || (source != 0 && ExactRate(state.CurrencyRates[source]) == 0))
        return {};
    std::vector<cpp_int> amounts{*euro, *euro};
    if (source != 0) {
        const auto quotient = ExactRound(money(*euro) / ExactRate(state.CurrencyRates[source]), 4, false, ties[1]);
        const auto rounded =
            quotient ? ExactRound(money(*quotient), state.CurrencyDecimals[0], false, ties[2]) : quotient;
        if (!rounded)
            return {};
        amounts = {*quotient, *rounded};
    }
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        const auto product = ExactRound(money(amounts[1]) * ExactRate(state.CurrencyRates[slot]), 4, true, ties[3]);
        const auto rounded =
            product ? ExactRound(money(*product), state.CurrencyDecimals[slot], false, ties[4]) : product;
        if (!rounded)
            return {};
        amounts.insert(amounts.end(), {*product, *rounded});
    }
    return amounts;
}

std::vector<cpp_int> Amounts(const ConversionResult &result)
{
    if (result.overflow)
        return {};
    std::vector<cpp_int> amounts{result.euroAmount.raw(), result.roundedEuroAmount.raw()};
    for (int slot = 0; slot < CurrencyCount; ++slot)
        amounts.insert(amounts.end(), {result.unrounded[slot].raw(), result.rounded[slot].raw()});
    return amounts;
}

// Random states, a good share of them built to land exactly on a half.
class CaseMaker
{
public:
    ConversionState next()
    {
        ConversionState state;
        for (int slot = 0; slot < CurrencyCount; ++slot) {
            state.CurrencyRates[slot] = rate();
            state.CurrencyDecimals[slot] = pick(0, 1) == 0 ? qint16(pick(0, 4)) : DefaultDecimals[slot];
        }
        const int source = int(pick(0, MaxCurrencyIndex));
        const qint64 sign = pick(0, 1) == 0 ? 1 : -1, kind = pick(0, 9);
        const qint64 step = qint64(std::pow(10, 4 - state.CurrencyDecimals[source]));
        state.CurrentCurrency = qint16(source);
        if (kind < 3 && step > 1) { // half a step of the source's decimals
            state.CurrentAmount = Money::fromRaw(sign * (digits(pick(1, 14)) * step + step / 2));
        } else if (kind < 5 && source != 0) { // a quotient of exactly half a ten-thousandth
            const qint64 rate = 2 * pick(1, 499) * qint64(std::pow(10, pick(0, 2)));
            state.CurrencyRates[source] = double(rate);
            state.CurrencyDecimals[source] = 4;
            state.CurrentAmount = Money::fromRaw(sign * (2 * digits(pick(1, 9)) + 1) * (rate / 2));
        } else {
            state.CurrentAmount = Money::fromRaw(sign * digits(pick(1, 18)));
        }
        return state;
    }

private:
    qint64 pick(qint64 low, qint64 high) { return std::uniform_int_distribution<qint64>(low, high)(m_random); }
    qint64 digits(qint64 count) { return pick(qint64(std::pow(10, count - 1)), qint64(std::pow(10, count)) - 1); }
    double rate()
    {
        const qint64 kind = pick(0, 99);
        if (kind < 65)
            return DefaultRates[std::size_t(pick(1, 12))];
        if (kind < 68)
            return 0;
        // Few digits and small exponents make ties likely; many digits reach 17.
        const bool few = kind < 88;
        const std::string text = std::to_string(digits(pick(1, few ? 3 : 17))) + 'e'
            + std::to_string(few             ? pick(-3, 1)
                                 : kind < 97 ? pick(-30, 30)
                                             : pick(-320, 300));
        double rate = 0;
        std::from_chars(text.data(), text.data() + text.size(), rate);
        return pick(0, 5) == 0 ? -rate : rate;
    }
    std::mt19937_64 m_random{20020228};
};

} // namespace

class TestConversion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void agreesWithExactRationals()
    {
        CaseMaker maker;
        std::array<int, 5> ties{}; // source, quotient, euro, product and slot roundings
        int overflows = 0;
        constexpr int Cases = 20000;
        for (int i = 0; i < Cases; ++i) {
            const ConversionState state = maker.next();
            const std::vector<cpp_int> expected = ExactConvert(state, ties);
            overflows += expected.empty() ? 1 : 0;
            if (Amounts(Convert(state)) != expected)
                QFAIL(qPrintable(QStringLiteral("case %1: raw %2 from %3 at %4")
                                     .arg(i)
                                     .arg(state.CurrentAmount.raw())
                                     .arg(state.CurrentCurrency)
                                     .arg(state.CurrencyRates[state.CurrentCurrency], 0, 'g', 17)));
        }
        // Unless the cases reach both outcomes and every kind of half, they prove little.
        QVERIFY2(overflows > Cases / 5 && overflows < Cases * 4 / 5, qPrintable(QString::number(overflows)));
        for (int count : ties)
            QVERIFY2(count > 100, qPrintable(QString::number(count)));
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "test_conversion.moc"
