// How quickly the About box opens: built, laid out and first painted.
//
// First opening: a fresh copy of the program starts, shows its main window,
// and then times its first About box, which reads its picture, its fonts and
// its texts for the first time. Later openings: box after box in one process.
// Each reports the time on the clock and, as a counter, the processor time,
// which other work on a shared machine disturbs less. Run it on the display
// you care about, e.g. under xvfb-run, or with QT_QPA_PLATFORM=offscreen.
#include "BenchPlatform.h"
#include "app/services/AppContext.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/main/frmMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace {

// Notes the first paint of a widget.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *watched) { watched->installEventFilter(this); }
    void wait()
    {
        while (!m_painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

qint64 processorNs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Opening
{
    qint64 wallNs;
    qint64 processorNs;
};

// Opens one box over the main window, waits for its first frame and closes it.
Opening openOnce(AppContext &context, QWidget *mainWindow)
{
    QElapsedTimer timer;
    timer.start();
    const qint64 processor = processorNs();
    frmAbout box(context.dialogs(), mainWindow);
    FirstPaint paint(box.findChild<QLabel *>(QStringLiteral("lblCopyright")));
    box.show();
    paint.wait();
    const Opening opening{timer.nsecsElapsed(), processorNs() - processor};
    box.close();
    return opening;
}

// The program up to its shown main window, in the language asked for.
struct Program
{
    QTemporaryDir folder;
    std::unique_ptr<BenchPlatform> platform;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<frmMain> window;

    explicit Program(Language language)
    {
        QFile settings(folder.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")));
        if (settings.open(QIODevice::WriteOnly))
            settings.write(language == Language::Greek ? "[General]\r\nLanguage=True\r\n"
                                                       : "[General]\r\nLanguage=False\r\n");
        settings.close();
        platform = std::make_unique<BenchPlatform>(folder.path());
        context = std::make_unique<AppContext>(*platform);
        context->startUp();
        window = std::make_unique<frmMain>(*context);
        FirstPaint paint(window->findChild<QLabel *>(QStringLiteral("lblAmount_13")));
        window->show();
        paint.wait();
    }
    Opening open() { return openOnce(*context, window.get()); }
};

int child(int argc, char **argv)
{
    QApplication application(argc, argv);
    Program program(qstrcmp(argv[2], "greek") == 0 ? Language::Greek : Language::English);
    const Opening opening = program.open();
    std::printf("%lld %lld\n", static_cast<long long>(opening.wallNs), static_cast<long long>(opening.processorNs));
    return 0;
}

QString g_self;

void firstOpening(benchmark::State &state, const char *language)
{
    double processorMs = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(g_self, {QStringLiteral("--child"), QLatin1String(language)});
        if (!process.waitForFinished(20000) || process.exitCode() != 0) {
            state.SkipWithError("the box never showed");
            break;
        }
        const QList<QByteArray> times = process.readAllStandardOutput().trimmed().split(' ');
        state.SetIterationTime(times.value(0).toDouble() / 1e9);
        processorMs += times.value(1).toDouble() / 1e6;
    }
    state.counters["processor_ms"] = processorMs / double(state.iterations());
}

void laterOpening(benchmark::State &state, Language language)
{
    Program program(language);
    program.open();
    double processorMs = 0;
    for (auto _ : state) {
        const Opening opening = program.open();
        state.SetIterationTime(double(opening.wallNs) / 1e9);
        processorMs += double(opening.processorNs) / 1e6;
    }
    state.counters["processor_ms"] = processorMs / double(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(firstOpening, english, "english")->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstOpening, greek, "greek")->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(laterOpening, english, Language::English)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(laterOpening, language, Language::Greek)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);
    QApplication application(argc, argv);
    g_self = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
