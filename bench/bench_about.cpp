// How quickly the About box opens: built, laid out and first painted.
//
// First opening: a fresh process times its first About box, from before the box
// is built to its first painted frame, so that the fonts, the picture and the
// texts are all read for the first time. Later openings: the same in one
// process, box after box. Run it on the display you care about, e.g. under
// xvfb-run, or with QT_QPA_PLATFORM=offscreen.
#include "app/AppValues.h"
#include "app/SharedDialogs.h"
#include "app/Texts.h"
#include "platform/QtPlatformServices.h"
#include "windows/dialogs/frmAbout.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>

#include <cstdio>

namespace {

// Notes the first paint of the box's last-laid-out text.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget *watched) { watched->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Opens one box, waits for its first frame and closes it; returns the nanoseconds it took.
qint64 openOnce(SharedDialogs &dialogs)
{
    QElapsedTimer timer;
    timer.start();
    frmAbout box(dialogs);
    FirstPaint paint(box.findChild<QLabel *>(QStringLiteral("lblCopyright")));
    box.show();
    while (!paint.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const qint64 elapsed = timer.nsecsElapsed();
    box.close();
    return elapsed;
}

struct Program
{
    QtPlatformServices platform;
    AppValues app;
    SharedDialogs dialogs{platform, app};

    explicit Program(bool greek)
    {
        app.GreekLanguage = greek;
        app.ProgramTitle = Text(TextId::ProgramTitle, greek);
    }
};

int child(int argc, char **argv)
{
    QApplication application(argc, argv);
    Program program(qstrcmp(argv[2], "greek") == 0);
    std::printf("%lld\n", static_cast<long long>(openOnce(program.dialogs)));
    return 0;
}

QString g_self;

void firstOpening(benchmark::State &state, const char *language)
{
    for (auto _ : state) {
        QProcess process;
        process.start(g_self, {QStringLiteral("--child"), QLatin1String(language)});
        if (!process.waitForFinished(20000) || process.exitCode() != 0) {
            state.SkipWithError("the box never showed");
            break;
        }
        state.SetIterationTime(process.readAllStandardOutput().trimmed().toDouble() / 1e9);
    }
}

void laterOpening(benchmark::State &state, bool greek)
{
    Program program(greek);
    openOnce(program.dialogs);
    for (auto _ : state)
        state.SetIterationTime(double(openOnce(program.dialogs)) / 1e9);
}

} // namespace

BENCHMARK_CAPTURE(firstOpening, english, "english")->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(firstOpening, greek, "greek")->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(laterOpening, english, false)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(laterOpening, greek, true)->UseManualTime()->Unit(benchmark::kMillisecond);

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
