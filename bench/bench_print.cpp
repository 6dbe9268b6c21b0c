// A whole print run as the print dialog makes it, through the real platform:
// the report built, every line emitted with the dialog's yield before it, and
// the destination finished. Targets: under 5 ms to the text file (the save to
// disk included), under 200 ms to a PDF file.
#include "BenchPlatform.h"
#include "app/logic/MainController.h"
#include "app/logic/PrintJob.h"
#include "app/services/AppContext.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

// The real platform with the file chooser answered.
class PrintPlatform : public BenchPlatform
{
public:
    using BenchPlatform::BenchPlatform;
    Instance otherInstanceRunning() override { return Instance::Alone; }
    void bringToFront(QWidget *) override { }
    QString chooseSaveFile(QWidget *, const SaveFileChoice &choice) override
    {
        return QDir(programFolder()).filePath(choice.fileName);
    }
};

void run(benchmark::State &loop, qint16 destination)
{
    QTemporaryDir folder;
    PrintPlatform platform(folder.path());
    AppContext context(platform);
    MainController controller(context);
    context.startUp();
    controller.setLanguage(Language::Greek);
    controller.refreshConversion(nullptr);
    if (destination != PrintJob::ToFile && !platform.printerName().isEmpty()) {
        loop.SkipWithError("a printer is installed: the benchmark does not print on paper");
        return;
    }
    PrintJob job(context, nullptr);
    PrintJob::Window window;
    window.yieldToEvents = [] { QCoreApplication::processEvents(); };
    window.progress = [](int, const QString &) {};
    for (auto _ : loop) {
        if (job.print(destination, window) != PrintJob::Outcome::Completed) {
            loop.SkipWithError("the run did not complete");
            break;
        }
    }
}

void BM_PrintRunToTextFile(benchmark::State &loop) { run(loop, PrintJob::ToFile); }
BENCHMARK(BM_PrintRunToTextFile)->Unit(benchmark::kMillisecond);

void BM_PrintRunToPdf(benchmark::State &loop) { run(loop, PrintJob::ToPrinter); }
BENCHMARK(BM_PrintRunToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
