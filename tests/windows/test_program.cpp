// Real copies of the program on an X display (under xvfb-run), their messages answered with xdotool.
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestProgram : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_program;
    QProcessEnvironment m_environment;

    static QString xdotool(const QStringList &arguments, const QString &display = {})
    {
        QProcess process;
        if (!display.isEmpty()) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("DISPLAY"), display);
            process.setProcessEnvironment(environment);
        }
        const bool xwininfo = arguments.value(0).startsWith(QLatin1String("x"));
        process.start(xwininfo ? arguments[0] : QStringLiteral("xdotool"), xwininfo ? arguments.mid(1) : arguments);
        process.waitForFinished(5000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    // A shown window of the process titled so (any when empty), none of the known ones. Titles are compared
    // here: xdotool's own search misses Greek ones.
    static QString waitForTitled(const QProcess &process, const QString &title = {}, const QStringList &known = {},
                                 const QString &display = {})
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000) {
            const QStringList windows = xdotool({"search", "--all", "--onlyvisible", "--pid",
                                                 QString::number(process.processId()), "--name", "."},
                                                display)
                                            .split(u'\n', Qt::SkipEmptyParts);
            for (const QString &window : windows) {
                if (!known.contains(window)
                    && (title.isEmpty() || xdotool({"getwindowname", window}, display) == title))
                    return window;
            }
            QTest::qWait(100);
        }
        return QString();
    }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")); }
    static void keys(const QString &window, const QString &keys)
    {
        xdotool({"windowfocus", "--sync", window});
        for (const QString &key : keys.split(u' ')) {
            xdotool({"key", key});
            QTest::qWait(150);
        }
    }
    // Started by a shell that runs `shellPrefix` first, then becomes the program (its process id stays).
    std::unique_ptr<QProcess> launch(const QString &shellPrefix = QString())
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        process->setProgram(QStringLiteral("/bin/sh"));
        process->setArguments({"-c", shellPrefix + "\nexec \"$0\"", m_program});
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->start();
        return process;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "run under xvfb-run");
        m_program = m_dir.filePath(QStringLiteral("euro-changeover-adviser"));
        QVERIFY(QFile::copy(QStringLiteral(PROGRAM_PATH), m_program));
        QVERIFY(WriteFile(settingsFile(), "[General]\r\nLanguage=True\r\n"));
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Folders of our own keep this test apart from any copy of the program running on the machine.
        m_environment.insert(QStringLiteral("TMPDIR"), m_dir.path());
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    }

    void secondCopyShowsMessageAndEnds()
    {
        const QString greekTitle = QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ");
        auto first = launch();
        const QString window = waitForTitled(*first);
        QVERIFY(!window.isEmpty());

        auto second = launch();
        // A dialog's title is its own text: the toolkit appends no application name.
        const QString message = waitForTitled(*second, greekTitle);
        QVERIFY2(!message.isEmpty(), "the second copy showed no message");
        // The pointer passes over the running copy's window meanwhile, as a user's does: without it, that copy
        // knows no time after the notice took the focus, and the X server refuses its focus as out of date.
        xdotool({"windowfocus", "--sync", message});
        xdotool({"mousemove", "--window", window, "2", "2"});
        xdotool({"key", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 10000);
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);

        QCOMPARE(first->state(), QProcess::Running);
        // Answered, the notice leaves the user at the copy that runs.
        QTRY_COMPARE_WITH_TIMEOUT(xdotool({"getwindowfocus"}), window, 5000);

        // A copy that crashed leaves its lock behind; the next start takes it over.
        first->kill();
        QVERIFY(first->waitForFinished(5000));
        auto third = launch();
        QVERIFY2(!waitForTitled(*third, greekTitle).isEmpty(), "the lock of a crashed copy was not taken over");
        QCOMPARE(third->state(), QProcess::Running);
        third->terminate();
        QVERIFY(third->waitForFinished(5000));
    }

    // "Yes" in an error report ends the program at once, also before the event loop runs: no file may grow, so
    // the first conversion's save fails as the window is first shown.
    void yesEndsTheProgram()
    {
        QVERIFY(WriteFile(settingsFile(), "[General]\r\nLanguage=False\r\n"));
        // The copy killed above left its lock; taking it over needs a write too.
        for (const QString &lock : QDir(m_dir.path()).entryList({QStringLiteral("*.lock*")}, QDir::Files))
            QFile::remove(m_dir.filePath(lock));
        auto program = launch(QStringLiteral("trap '' XFSZ; ulimit -f 0"));
        // No lock file can be written either, which the program says first.
        const QString warning = waitForTitled(*program);
        QVERIFY2(!warning.isEmpty(), "no warning about the lock");
        keys(warning, QStringLiteral("Return"));
        const QString report = waitForTitled(*program, QStringLiteral("Euro changeover adviser [ 342 ]"));
        QVERIFY2(!report.isEmpty(), "no error report");
        keys(report, QStringLiteral("Return"));
        QTRY_COMPARE_WITH_TIMEOUT(program->state(), QProcess::NotRunning, 5000);
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
        QCOMPARE(ReadFile(settingsFile()), QByteArray("[General]\r\nLanguage=False\r\n"));
    }

    // On a small screen (1024 by 768) at twice the scale, framed by a window manager of the test's own: the window
    // and its frame lie wholly on the screen, and the size it was fitted to there is not kept, so the next ordinary
    // start opens at the size a first start does.
    void smallScaledScreen()
    {
        // A missing tool fails the test: it is to be installed, not passed over.
        for (const QString tool : {"Xvfb", "openbox", "xwininfo", "xprop"}) // the last two: x11-utils
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     qPrintable(tool
                                + " is not installed: no screen of the test's own to frame the window on "
                                  "(scripts/debian-packages.txt lists it)"));
        // The server picks a free display itself and says which.
        QProcess screen, desktop;
        // Without -noreset it starts afresh whenever its last client leaves, and a
        // client arriving meanwhile (the window manager) finds no display.
        screen.start(QStringLiteral("Xvfb"),
                     {"-displayfd", "1", "-noreset", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(screen.waitForReadyRead(10000));
        const QString display = u':' + QString::fromLatin1(screen.readAllStandardOutput()).trimmed();
        const QDir folder(m_dir.filePath(QStringLiteral("small")));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        desktop.setProcessEnvironment(environment);
        desktop.setStandardInputFile(QProcess::nullDevice());
        desktop.start(QStringLiteral("openbox"), {"--sm-disable"});
        QVERIFY(desktop.waitForStarted());
        // The window manager says it manages the screen once it does.
        QTRY_VERIFY2_WITH_TIMEOUT(xdotool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, display).contains(u'#'),
                                  qPrintable(display + u' ' + QString::fromLocal8Bit(desktop.readAllStandardError())),
                                  15000);
        QVERIFY(QFile::copy(m_program, folder.filePath(QStringLiteral("euro-changeover-adviser"))));
        // Starts a copy, gives its window and the frame round it, and ends it as Ctrl+Q does.
        const auto run = [&](const QString &scale) {
            QProcess program;
            QProcessEnvironment scaled = environment;
            if (!scale.isEmpty())
                scaled.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
            program.setProcessEnvironment(scaled);
            program.start(folder.filePath(QStringLiteral("euro-changeover-adviser")));
            const QString window = waitForTitled(program, {}, {}, display);
            QTest::qWait(1000); // the window manager frames the window, the program fits it to the frame
            const QString own = xdotool({"xwininfo", "-id", window}, display);
            // left, right, top, bottom
            const QStringList frame =
                xdotool({"xprop", "-id", window, "_NET_FRAME_EXTENTS"}, display).section(u'=', 1).split(u',');
            xdotool({"windowactivate", "--sync", window}, display);
            xdotool({"key", "ctrl+q"}, display);
            program.waitForFinished(5000);
            const auto number = [](const QString &info, const char *name) {
                const qsizetype at = info.indexOf(QLatin1String(name));
                return at < 0 ? -1 : info.mid(at + qsizetype(qstrlen(name))).section(u'\n', 0, 0).trimmed().toInt();
            };
            const int left = number(own, "Absolute upper-left X:"), top = number(own, "Absolute upper-left Y:");
            const QSize size(number(own, "Width:"), number(own, "Height:"));
            const QRect framed = QRect(QPoint(left, top), size)
                                     .marginsAdded(QMargins(frame.value(0).toInt(), frame.value(2).toInt(),
                                                            frame.value(1).toInt(), frame.value(3).toInt()));
            return std::pair(framed, size);
        };
        const QString settings = folder.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini"));
        const QSize designed = run({}).second;
        QVERIFY(QFile::remove(settings));
        const QRect scaled = run(QStringLiteral("2")).first;
        QVERIFY2(QRect(0, 0, 1024, 768).contains(scaled),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(scaled.x())
                                .arg(scaled.y())
                                .arg(scaled.width())
                                .arg(scaled.height())));
        QVERIFY2(ReadFile(settings).contains("Width=0\r\nHeight=0\r\nMaximised=False\r\nPixelRatio=200"),
                 ReadFile(settings).constData());
        QCOMPARE(run({}).second, designed);
        desktop.terminate();
        QVERIFY(desktop.waitForFinished(5000));
        screen.terminate();
        QVERIFY(screen.waitForFinished(5000));
    }

    // Started with standard error closed and no runtime folder: the toolkit's warning about the folder must not
    // go into the display connection, which then took descriptor 2, or the window never appears.
    void closedStandardErrorLeavesTheDisplayAlone()
    {
        auto program = launch(QStringLiteral("exec 2>&-; unset XDG_RUNTIME_DIR"));
        QVERIFY2(!waitForTitled(*program, QStringLiteral("Euro changeover adviser")).isEmpty(), "no window");
        program->terminate();
        QVERIFY(program->waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
