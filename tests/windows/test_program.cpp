// Real copies of the program on an X display (under xvfb-run), their messages answered with xdotool.
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
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

    static QString xdotool(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral("xdotool"), arguments);
        process.waitForFinished(5000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    // A shown window of the process titled so (any when empty), none of the known ones. Titles are compared
    // here: xdotool's own search misses Greek ones.
    static QString waitForTitled(const QProcess &process, const QString &title = {}, const QStringList &known = {})
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000) {
            const QStringList windows = xdotool({"search", "--all", "--onlyvisible", "--pid",
                                                 QString::number(process.processId()), "--name", "."})
                                            .split(u'\n', Qt::SkipEmptyParts);
            for (const QString &window : windows) {
                if (!known.contains(window) && (title.isEmpty() || xdotool({"getwindowname", window}) == title))
                    return window;
            }
            QTest::qWait(100);
        }
        return QString();
    }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")); }
    static void keys(const QString &window, const QString &keys)
    {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        for (const QString &key : keys.split(u' ')) {
            xdotool({QStringLiteral("key"), key});
            QTest::qWait(150);
        }
    }
    std::unique_ptr<QProcess> launch(const QString &shellPrefix = QString())
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        if (shellPrefix.isEmpty()) {
            process->setProgram(m_program);
        } else {
            process->setProgram(QStringLiteral("/bin/sh"));
            process->setArguments({QStringLiteral("-c"), shellPrefix + QStringLiteral("; exec \"$0\""), m_program});
        }
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
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), message});
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("2"), QStringLiteral("2")});
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 10000);
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);

        QCOMPARE(first->state(), QProcess::Running);
        // Answered, the notice leaves the user at the copy that runs.
        QTRY_COMPARE_WITH_TIMEOUT(xdotool({QStringLiteral("getwindowfocus")}), window, 5000);

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
