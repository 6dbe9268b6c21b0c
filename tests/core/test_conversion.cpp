#include "TestLocale.h"
#include "app/RowTexts.h"
#include "core/Conversion.h"
#include "core/NumberText.h"

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

ConversionState StateFor(int source, const char *pointAmount)
{
    ConversionState state;
    state.CurrentCurrency = qint16(source);
    state.CurrentAmount = ParseAmount(Localized(pointAmount)).value();
    return state;
}

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

// value rounded to `decimals`, in ten-thousandths; nullopt beyond 64 bits.
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
                                 + std::to_string(few ? pick(-3, 1) : kind < 97 ? pick(-30, 30) : pick(-320, 300));
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

    void knownResults_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<double>("otherRate");
        QTest::addColumn<int>("otherDecimals");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        const auto row = [](int source, const char *amount, int slot, const char *caption, const char *toolTip,
                            double otherRate = 0, int otherDecimals = 2) {
            QTest::addRow("%s from %d, row %d", amount, source, slot)
                << source << QString(amount) << otherRate << otherDecimals << slot << QString(caption)
                << QString(toolTip);
        };
        row(0, "1", 0, "1.00 ", " 1.0000 ");
        row(0, "1", 1, "13.76 ", " 13.7603 ");
        row(0, "1", 7, "341 ", " 340.7500 ");
        row(0, "1", 9, "1,936 ", " 1,936.2700 ");
        row(0, "1", 3, "1.96 ", " 1.9558 ");
        row(7, "1000", 0, "2.93 ", " 2.9300 ");
        row(7, "1000", 7, "998 ", " 998.3975 ");
        row(7, "1000", 3, "5.73 ", " 5.7306 ");
        row(7, "1000", 9, "5,673 ", " 5,673.2711 ");
        row(3, "100", 0, "51.13 ", " 51.1300 ");
        row(3, "100", 3, "100.00 ", " 100.0016 ");
        row(7, "1000.5", 7, "998 ", " 998.3975 ");   // as 1000
        row(7, "1001.5", 0, "2.94 ", " 2.9400 ");    // as 1002
        row(0, "922,337,203,685,477", 0, "Overflow ", " Overflow ");
        row(0, "922,337,203,685,477", 1, "Undefined ", " Undefined ");
        row(0, "1", 13, "1.2346 ", " 1.2346 ", 1.23456, 4);
        row(7, "1000", 13, "0.00 ", " 0.0000 ");      // the additional currency without a rate
        row(13, "5", 13, "Overflow ", " Overflow ");  // ... is no source
        row(13, "5", 0, "Undefined ", " Undefined ");
    }
    void knownResults()
    {
        QFETCH(int, source);
        QFETCH(QString, amount);
        QFETCH(double, otherRate);
        QFETCH(int, otherDecimals);
        QFETCH(int, slot);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        ConversionState state = StateFor(source, qPrintable(amount));
        state.CurrencyRates[OtherCurrencyIndex] = otherRate;
        state.CurrencyDecimals[OtherCurrencyIndex] = qint16(otherDecimals);
        const std::array<RowText, CurrencyCount> rows = RowTexts(Convert(state), state, false, false);
        QCOMPARE(rows[slot].caption, Localized(caption));
        QCOMPARE(rows[slot].toolTip, Localized(toolTip));
    }

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
