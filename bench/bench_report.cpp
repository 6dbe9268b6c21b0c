#include "app/conversion/ReportTexts.h"
#include "app/texts/Texts.h"
#include "report/ReportFileWriter.h"
#include "report/ReportLines.h"
#include "report/ReportSteps.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

// The print dialog builds the report when a run starts; the lines must be ready
// long before the user could notice (target: under 50 µs for the 14 rows), and
// a whole run to a text file must stay under 5 ms, the save to disk included.

namespace {

struct Conversion
{
    ConversionState state;
    ConversionResult result;
    std::array<QString, CurrencyCount> names;
};

// 1000.5 GRD with a named additional currency, in Greek: grouped amounts, long names.
Conversion GreekDrachmae()
{
    Conversion c;
    c.state.CurrentCurrency = 7;
    c.state.CurrentAmount = Money::fromRaw(10005000);
    c.state.CurrencyRates[OtherCurrencyIndex] = 118.25;
    c.result = Convert(c.state);
    for (int slot = 0; slot < CurrencyCount; ++slot)
        c.names[std::size_t(slot)] = CurrencyCaption(slot, Language::Greek);
    c.names[OtherCurrencyIndex] = QStringLiteral("Λεκ Αλβανίας");
    return c;
}

const QLocale Greek(QLocale::Greek, QLocale::Greece);

void BM_BuildReportModel(benchmark::State &loop)
{
    const Conversion c = GreekDrachmae();
    for (auto _ : loop)
        benchmark::DoNotOptimize(BuildReportModel(c.result, c.state, c.names));
}
BENCHMARK(BM_BuildReportModel);

// Model and every line of both forms, as a run to printer and file needs them.
void BM_BuildReport(benchmark::State &loop)
{
    const Conversion c = GreekDrachmae();
    const ReportWords words = ReportWordsFor(Language::Greek);
    const QString dateTime = ReportDateTimeText(QDateTime::currentDateTime(), Greek);
    PageSetupValues page;
    page.TopMargin = 2;
    page.LeftMargin = 5;
    for (auto _ : loop) {
        const ReportModel model = BuildReportModel(c.result, c.state, c.names);
        benchmark::DoNotOptimize(
            BuildReportSteps(model, words, dateTime, ReportForm::Printer | ReportForm::File, page, Greek));
    }
}
BENCHMARK(BM_BuildReport);

void BM_RunToTextFile(benchmark::State &loop)
{
    const Conversion c = GreekDrachmae();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PRN_Euro.txt"));
    for (auto _ : loop) {
        const ReportModel model = BuildReportModel(c.result, c.state, c.names);
        const QString dateTime = ReportDateTimeText(QDateTime::currentDateTime(), Greek);
        ReportFileWriter writer(path);
        writer.open(); // a failure sticks, and the commit reports it
        for (const ReportStep &step : BuildReportSteps(model, ReportWordsFor(Language::Greek), dateTime,
                                                       ReportForm::File, PageSetupValues(), Greek))
            writer.writeLine(step.text);
        if (writer.commit().failed())
            loop.SkipWithError("the report file could not be written");
    }
}
BENCHMARK(BM_RunToTextFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
