#include "TestLocale.h"
#include "core/DecimalRate.h"
#include "core/NumberText.h"

#include <QTest>

#include <limits>

using Outcome = std::optional<qint64>; // a raw amount, or nullopt for an overflow
using DoubleOutcome = std::optional<double>;

namespace {
constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();
Outcome RawOf(std::optional<Money> money) { return money ? Outcome(money->raw()) : std::nullopt; }
} // namespace

class TestMoney : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    // The ends of the range; everything between is left to the comparison with rationals.
    void roundedHalfEven_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<Outcome>("expected");
        QTest::newRow("max to 2 rounds in") << Max << 2 << Outcome(Max - 7);
        QTest::newRow("max to 3 overflows") << Max << 3 << Outcome();
        QTest::newRow("min to 2 rounds in") << Min << 2 << Outcome(Min + 8);
        QTest::newRow("min to 0 overflows") << Min << 0 << Outcome();
    }
    void roundedHalfEven()
    {
        QFETCH(qint64, raw);
        QFETCH(int, decimals);
        QTEST(RawOf(Money::fromRaw(raw).roundedHalfEven(decimals)), "expected");
    }
    void divideAndMultiply_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<double>("rate");
        QTest::addColumn<Outcome>("quotient");
        QTest::addColumn<Outcome>("product");
        QTest::newRow("min by 1e19 is -0.92") << Min << 1e19 << Outcome(-1) << Outcome();
        QTest::newRow("max by -1e-15") << Max << -1e-15 << Outcome() << Outcome(-9223);
        QTest::newRow("fits by 1e-4") << qint64(922337203685477) << 1e-4 << Outcome(9223372036854770000)
                                      << Outcome(92233720369);
        QTest::newRow("overflows by 1e-4") << qint64(922337203685478) << 1e-4 << Outcome() << Outcome(92233720369);
        QTest::newRow("min by -1") << Min << -1.0 << Outcome() << Outcome();
        QTest::newRow("max by -1") << Max << -1.0 << Outcome(-Max) << Outcome(-Max);
    }
    void divideAndMultiply()
    {
        QFETCH(qint64, raw);
        QFETCH(double, rate);
        const DecimalRate decimal = DecimalRate::fromDouble(rate);
        QTEST(RawOf(DivideHalfEven(Money::fromRaw(raw), decimal)), "quotient");
        QTEST(RawOf(MultiplyHalfAwayFromZero(Money::fromRaw(raw), decimal)), "product");
    }

    void formatAmount_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("min") << Min << 4 << "-922,337,203,685,477.5808";
        QTest::newRow("max rounds outwards") << Max << 0 << "922,337,203,685,478";
        QTest::newRow("one decimal") << qint64(12345000) << 1 << "1,234.5";
        QTest::newRow("carry into a new group") << qint64(9999999) << 2 << "1,000.00";
        QTest::newRow("rounds to zero: no minus") << qint64(-50) << 2 << "0.00";
    }
    void formatAmount()
    {
        QFETCH(qint64, raw);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(FormatAmount(Money::fromRaw(raw), BuildAmountFormat(decimals)), Localized(expected));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Outcome>("amount");
        QTest::addColumn<DoubleOutcome>("number");
        QTest::addColumn<bool>("integer");
        const auto row = [](const char *text, Outcome amount, DoubleOutcome number, bool integer) {
            QTest::addRow("\"%s\"", text) << QString(text) << amount << number << integer;
        };
        row(" +5 ", 50000, 5, true);
        row("-1,936.27", -19362700, -1936.27, false);
        row("1,000,000", 10000000000, 1e6, false); // typed amounts are grouped; stored integers never are
        row(".5", 5000, 0.5, false);
        row("0.00005", 0, 5e-5, false);                        // halves to even: down,
        row("-0.00015", -2, -1.5e-4, false);                   // up,
        row("0.0000500000000000000000000001", 1, 5e-5, false); // and beyond a half
        row("922,337,203,685,477.5807", Max, 922337203685477.5807, false);
        row("922337203685477.5808", {}, 922337203685477.5808, false);
        row("-922337203685477.58085", Min, -922337203685477.58085, false);
        row("-922337203685477.58086", {}, -922337203685477.58086, false);
        row("-2147483648", -21474836480000, -2147483648.0, true);
        row("2147483648", 21474836480000, 2147483648.0, false);
        row("1.00000000000000011102230246251565404236316680908203125", 10000, 1.0, false); // a tie
        row("1.00000000000000011102230246251565404236316680908203126", 10000, 1.0000000000000002, false);
        row("-1,000.5e1", {}, -10005, false);
        row("4.9e-324", {}, 5e-324, false);
        for (const char *refused : {"1e309", "1e-400", "2,5", "1,00", "1234,567", ",123", "1,000,", "1.000,5", "1e+",
                                    "e5", "", "   ", ".", ",", "-", "+-1", "1 000", "inf", "nan"})
            row(refused, {}, {}, false);
    }
    void parse()
    {
        QFETCH(QString, text);
        text = Localized(text);
        QTEST(RawOf(ParseAmount(text)), "amount");
        QTEST(ParseDouble(text), "number");
        QTEST(IsIntegerText(text, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()), "integer");
    }
};

QTEST_GUILESS_MAIN(TestMoney)
#include "test_money.moc"
