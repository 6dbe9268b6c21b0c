#include "core/ConversionState.h"
#include "report/PageSetup.h"
#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"
#include "settings/StateStore.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

// Start-up reads every setting from one load of the file before the window
// shows (target: under 1 ms). Each confirmed conversion writes to the file, so
// a one-key write is timed as well; it is bound by the flush to disk.

namespace {

// The file as a Greek user's copy looks after some use: every section written,
// an additional currency, and a hand-edited comment.
QByteArray UsedSettingsFile()
{
    QByteArray bytes = "; Settings of the Euro changeover adviser\r\n"
                       "[General]\r\nLanguage=True\r\nToolTipText=False\r\nPrintDestination=1\r\n"
                       "OtherCurrency=Λεκ Αλβανίας\r\nInitialPath=/home/user/Documents/Reports\r\n"
                       "[Rates]\r\n";
    for (int slot = 0; slot < CurrencyCount; ++slot)
        bytes += QByteArray::number(slot) + '=' + QByteArray::number(slot == 13 ? 118.25 : DefaultRates[slot], 'g', 15)
            + "\r\n";
    bytes += "[Decimals]\r\n";
    for (int slot = 0; slot < CurrencyCount; ++slot)
        bytes += QByteArray::number(slot) + '=' + QByteArray::number(DefaultDecimals[slot]) + "\r\n";
    bytes += "[Last]\r\nID=7\r\nAmount=1000.5\r\n"
             "[PageSetup]\r\nFontName=Courier New Greek\r\nFontSize=10\r\nTopMargin=2\r\nLeftMargin=5\r\n"
             "LinesPerPage=60\r\n[ExportSettings]\r\nFolder=/home/user/Documents\r\n";
    return bytes;
}

QString WriteSettingsFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(SettingsFileName);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(UsedSettingsFile());
    return path;
}

void BM_ReadStartUpSettings(benchmark::State &loop)
{
    const QTemporaryDir dir;
    const QString path = WriteSettingsFile(dir);
    for (auto _ : loop) {
        const IniDocument ini = IniDocument::load(path);
        benchmark::DoNotOptimize(ReadIniBoolean(ini, Setting::Language));
        benchmark::DoNotOptimize(ReadIniBoolean(ini, Setting::ToolTipText));
        benchmark::DoNotOptimize(ReadIniInteger(ini, Setting::PrintDestination));
        benchmark::DoNotOptimize(LoadPageSetup(ini));
        ConversionState state;
        FillConversionState(state, ini);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(BM_ReadStartUpSettings)->Unit(benchmark::kMicrosecond);

void BM_WriteOneKey(benchmark::State &loop)
{
    const QTemporaryDir dir;
    SettingsStore store(WriteSettingsFile(dir));
    qint16 slot = 0;
    for (auto _ : loop) {
        benchmark::DoNotOptimize(store.edit([slot](IniDocument &ini) { WriteIniInteger(ini, Setting::LastId, slot); }));
        slot = qint16((slot + 1) % CurrencyCount);
    }
}
BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
