#include "app/conversion/CurrentConversion.h"
#include "core/Conversion.h"

#include <benchmark/benchmark.h>

#include <QLocale>

// One conversion runs on every confirmed amount and redraws all fourteen rows;
// it should stay far below anything a user could notice (target: under 2 µs).

namespace {

ConversionState GreekDrachmae()
{
    ConversionState state;
    state.CurrentCurrency = 7;
    state.CurrentAmount = Money::fromRaw(10005000); // 1000.5 GRD: a half at the source's decimals
    return state;
}

void BM_Convert(benchmark::State &loop)
{
    const ConversionState state = GreekDrachmae();
    for (auto _ : loop)
        benchmark::DoNotOptimize(Convert(state));
}
BENCHMARK(BM_Convert);

// As the window converts and shows its rows: through the one conversion.
void BM_ConvertAndRowTexts(benchmark::State &loop)
{
    CurrentConversion conversion(GreekDrachmae());
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    for (auto _ : loop) {
        conversion.convert();
        benchmark::DoNotOptimize(conversion.rowTexts(Language::Greek, false));
    }
}
BENCHMARK(BM_ConvertAndRowTexts);

} // namespace

BENCHMARK_MAIN();
