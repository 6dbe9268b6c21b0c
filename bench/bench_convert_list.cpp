// Many amounts at once. A million drachma amounts converted to the euro by the
// program itself (--convert-list, its start included) and, in the same run,
// the same file divided by awk, which only divides floats: ours at most twice
// awk's time, with a peak memory under 40 MB. The same file through the command
// line's own code path in this process, and 100,000 of its lines converted as
// the list dialog converts a paste.
#include "BenchPlatform.h"
#include "app/conversion/CurrentConversion.h"
#include "app/logic/AmountList.h"
#include "app/services/AppValues.h"
#include "app/services/ListCommand.h"
#include "app/services/SharedDialogs.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int MillionLines = 1000000;
constexpr int PastedLines = 100000;

// Whole drachmae up to a hundred million, one a line, the same every run.
QByteArray Drachmae(int lines)
{
    QRandomGenerator random(28);
    QByteArray text;
    text.reserve(qsizetype(lines) * 10);
    for (int line = 0; line < lines; ++line)
        text += QByteArray::number(random.bounded(1, 100000000)) + '\n';
    return text;
}

// The file of a million of them, in the folder; empty when it could not be written.
QString MillionLinesFile(const QTemporaryDir &folder)
{
    const QString file = folder.filePath(QStringLiteral("drachmae.txt"));
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(Drachmae(MillionLines)) >= 0 && out.flush() ? file : QString();
}

struct Run
{
    double seconds = 0;
    double peakMegabytes = 0;
    bool done = false;
};

// A program run with its output thrown away: its time from start to end and its peak memory.
Run Spawn(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t child = 0;
    Run run;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        struct rusage usage = {};
        run.done = wait4(child, &status, 0, &usage) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
        run.seconds = double(timer.nsecsElapsed()) / 1e9;
        run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

void BM_ConvertListAgainstAwk(benchmark::State &loop)
{
    QTemporaryDir folder;
    const QString file = MillionLinesFile(folder);
    if (file.isEmpty()) {
        loop.SkipWithError("the input file could not be written");
        return;
    }
    // The program's own settings stay out of it: those of the folder, none.
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", folder.path().toLocal8Bit());
    const std::string input = file.toStdString();
    double ours = 0, awk = 0, peak = 0;
    for (auto _ : loop) {
        const Run program = Spawn({PROGRAM_PATH, "--convert-list", "GRD", input});
        const Run divided = Spawn({"awk", "{printf \"%.2f\\n\", $1/340.75}", input});
        if (!program.done || !divided.done) {
            loop.SkipWithError("a run failed");
            return;
        }
        ours += program.seconds;
        awk += divided.seconds;
        peak = std::max(peak, program.peakMegabytes);
    }
    loop.counters["ours_s"] = ours / double(loop.iterations());
    loop.counters["awk_s"] = awk / double(loop.iterations());
    loop.counters["ratio"] = ours / awk;
    loop.counters["peak_MB"] = peak;
}
BENCHMARK(BM_ConvertListAgainstAwk)->Unit(benchmark::kMillisecond)->Iterations(5);

// The command line's own code path in this process, from the file to the output.
void BM_ListCommandMillionLines(benchmark::State &loop)
{
    QTemporaryDir folder;
    const QString file = MillionLinesFile(folder);
    if (file.isEmpty()) {
        loop.SkipWithError("the input file could not be written");
        return;
    }
    const ListConversion list(ConversionState(), CurrencyChoice{7}, CurrencyChoice{0}, Language::English);
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    for (auto _ : loop) {
        if (!ListCommand(list, Language::English).run(file, nothing, [](const QString &) {})) {
            loop.SkipWithError("a line was not converted");
            break;
        }
    }
    ::close(nothing);
    loop.SetItemsProcessed(loop.iterations() * MillionLines);
}
BENCHMARK(BM_ListCommandMillionLines)->Unit(benchmark::kMillisecond);

// A paste of 100,000 lines as the list dialog converts it, to the results it shows.
void BM_ListDialogPaste(benchmark::State &loop)
{
    QTemporaryDir folder;
    BenchPlatform platform(folder.path());
    AppValues app;
    SharedDialogs dialogs(platform, app);
    CurrentConversion conversion;
    AmountList list(dialogs, conversion);
    list.setFrom(7);
    const QString pasted = QString::fromLatin1(Drachmae(PastedLines));
    for (auto _ : loop) {
        list.setInput(pasted);
        while (!list.convertSome(5000)) { }
        list.publish();
        benchmark::DoNotOptimize(list.totalRounded());
    }
    loop.SetItemsProcessed(loop.iterations() * PastedLines);
}
BENCHMARK(BM_ListDialogPaste)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
