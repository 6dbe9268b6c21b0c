// The main window's speed and memory.
//
// Start-up: the program, a window of the same shape built from plain Qt parts,
// and a bare QMainWindow of the same size are each started as a fresh process,
// timed from the start of the process to the first frame of the window, and
// their resident memory read at that moment. The window of the same shape is
// the yardstick: what the program takes beyond it is the program's own work.
// Run it on the display you care about, e.g. under xvfb-run, or with
// QT_QPA_PLATFORM=offscreen, with a runtime folder of its own
// (XDG_RUNTIME_DIR), so that a copy of the program running elsewhere cannot
// hold the lock.
//
// Conversion: one conversion re-run in a shown window, with the rows repainted
// and the settings file saved, as after the user confirmed the amount dialog.
//
// Resize step: the user drags the window's corner by one step (10 pixels each
// way, at about one and a half times its designed size): the fonts, pictures
// and controls are scaled and the window is laid out and painted again. One
// frame of a smooth drag is 16 ms.
#include "BenchPlatform.h"
#include "app/services/AppContext.h"
#include "windows/Resizer.h"
#include "windows/main/frmMain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return 0;
}

// Reports "ready <KiB> <width> <height>" once `watched` has painted, then quits.
class FirstFrame : public QObject
{
public:
    FirstFrame(QWidget *window, QWidget *watched)
        : m_window(window)
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                std::printf("ready %ld %d %d\n", residentKiB(), m_window->width(), m_window->height());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};

// A window of the program's shape made of plain Qt parts and nothing else:
// the menu bar, a bar of picture buttons, fourteen rows of option, title,
// amount and button, and a status bar, with the same pictures loaded the
// toolkit's own way. What the program takes beyond it is its own work.
int SameShape(int, char **argv)
{
    const char *pictures[] = {"flag_eur", "flag_ats", "flag_bef", "flag_dem", "flag_esp", "flag_fim", "flag_frf",
                              "flag_grd", "flag_iep", "flag_itl", "flag_luf", "flag_nlg", "flag_pte", "flag_other"};
    const char *buttons[] = {"icon_page_setup",       "icon_printer_setup",  "icon_print",
                             "icon_settings",         "icon_help",           "icon_copyright",
                             "icon_language_english", "icon_language_greek", "icon_exit"};
    auto icon = [](const char *name) { return QIcon(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name))); };
    QMainWindow window;
    for (const char *title : {"File", "Tools", "Settings", "Convert from", "Help"})
        window.menuBar()->addMenu(QLatin1String(title))->addAction(QStringLiteral("Item"));
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    auto *bar = new QHBoxLayout;
    for (const char *name : buttons) {
        auto *button = new QToolButton(central);
        button->setIcon(icon(name));
        button->setIconSize(QSize(28, 28));
        button->setAutoRaise(true);
        bar->addWidget(button);
    }
    layout->addLayout(bar);
    auto *rows = new QGridLayout;
    QLabel *last = nullptr;
    for (int row = 0; row < 14; ++row) {
        auto *option = new QRadioButton(central);
        option->setIcon(icon(pictures[row]));
        option->setIconSize(QSize(36, 24));
        auto *go = new QPushButton(central);
        go->setIcon(icon("icon_convert"));
        go->setIconSize(QSize(20, 20));
        last = new QLabel(QStringLiteral("1,936.27 "), central);
        last->setFrameShape(QFrame::StyledPanel);
        rows->addWidget(option, row, 0);
        rows->addWidget(new QLabel(QStringLiteral("GRD - Greek Drachma"), central), row, 1);
        rows->addWidget(last, row, 2);
        rows->addWidget(go, row, 3);
    }
    layout->addLayout(rows);
    window.setCentralWidget(central);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("1,000 GRD -> 2.93 EUR"), &window));
    window.resize(QString::fromLocal8Bit(argv[4]).toInt(), QString::fromLocal8Bit(argv[5]).toInt());
    FirstFrame frame(&window, last);
    window.show();
    return QApplication::exec();
}

int child(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QString mode = QString::fromLocal8Bit(argv[2]);
    BenchPlatform platform(QString::fromLocal8Bit(argv[3]));
    if (mode == QLatin1String("program")) {
        AppContext context(platform);
        if (!context.startUp())
            return 1;
        frmMain window(context);
        FirstFrame frame(&window, window.findChild<QLabel *>(QStringLiteral("lblAmount_13")));
        window.show();
        return QApplication::exec();
    }
    if (mode == QLatin1String("shape"))
        return SameShape(argc, argv);
    QMainWindow window;
    auto *label = new QLabel(QStringLiteral("1.00 "), &window);
    window.setCentralWidget(label);
    window.resize(QString::fromLocal8Bit(argv[4]).toInt(), QString::fromLocal8Bit(argv[5]).toInt());
    FirstFrame frame(&window, label);
    window.show();
    return QApplication::exec();
}

QString g_self;
QStringList g_size = {QStringLiteral("640"), QStringLiteral("700")};

void startup(benchmark::State &state, const char *mode)
{
    QTemporaryDir folder;
    double kib = 0;
    for (auto _ : state) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(g_self, QStringList{QStringLiteral("--child"), QLatin1String(mode), folder.path()} + g_size);
        if (!process.waitForReadyRead(20000)) {
            state.SkipWithError("the window never showed");
            break;
        }
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        const QList<QByteArray> words = process.readAllStandardOutput().trimmed().split(' ');
        kib += words.value(1).toDouble();
        if (QLatin1String(mode) == QLatin1String("program"))
            g_size = {QString::fromLatin1(words.value(2)), QString::fromLatin1(words.value(3))};
        process.waitForFinished();
    }
    state.counters["resident_MiB"] = kib / 1024 / double(state.iterations());
}

// The program's window, started in a folder of its own and shown.
struct ShownWindow
{
    QTemporaryDir folder;
    BenchPlatform platform{folder.path()};
    AppContext context{platform};
    bool started = context.startUp();
    frmMain window{context};

    ShownWindow()
    {
        window.show();
        QApplication::processEvents();
    }
};

void confirmedConversion(benchmark::State &state)
{
    ShownWindow shown;
    frmMain &window = shown.window;
    for (auto _ : state) {
        window.refreshConversion();
        window.centralWidget()->repaint();
    }
}

void resizeStep(benchmark::State &state)
{
    ShownWindow shown;
    frmMain &window = shown.window;
    const QSize large = Resizer::of(&window)->sizeAt(1.5);
    bool step = false;
    double scales = 0;
    for (auto _ : state) {
        step = !step;
        window.resize(large + (step ? QSize(10, 10) : QSize()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        window.repaint();
        scales += Resizer::of(&window)->scale();
    }
    // About 1.5: every step was scaled anew.
    state.counters["mean_scale"] = scales / double(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(startup, program, "program")->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startup, same_shape, "shape")->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startup, bare_window, "bare")->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(confirmedConversion)->Unit(benchmark::kMicrosecond);
BENCHMARK(resizeStep)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc >= 6 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv);
    QApplication application(argc, argv);
    g_self = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
