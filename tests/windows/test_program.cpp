// Starts real copies of the program on an X display (the test runs under
// xvfb-run) and answers their messages with xdotool.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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
    // The first top-level window of a process whose title matches, once it has one.
    static QString waitForWindow(const QProcess &process, const QString &title = QStringLiteral("."))
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000) {
            const QStringList windows = xdotool({QStringLiteral("search"), QStringLiteral("--all"),
                                                 QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(process.processId()),
                                                 QStringLiteral("--name"), title})
                                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (!windows.isEmpty())
                return windows.constFirst();
            QTest::qWait(100);
        }
        return QString();
    }
    // Waits for a window of the process titled exactly so that is none of the
    // known ones. Titles are compared here: xdotool's own search misses Greek ones.
    static QString waitForTitled(const QProcess &process, const QString &title, const QStringList &known = {})
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 15000) {
            const QStringList windows = xdotool({QStringLiteral("search"), QStringLiteral("--all"),
                                                 QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                                 QString::number(process.processId()), QStringLiteral("--name"),
                                                 QStringLiteral(".")})
                                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (const QString &window : windows) {
                if (!known.contains(window) && xdotool({QStringLiteral("getwindowname"), window}) == title)
                    return window;
            }
            QTest::qWait(100);
        }
        return QString();
    }
    // Gives the window the keyboard and types the keys, one xdotool key at a time.
    static void keys(const QString &window, const QStringList &keys)
    {
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        for (const QString &key : keys) {
            xdotool({QStringLiteral("key"), key});
            QTest::qWait(150);
        }
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        QFile settings(m_dir.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[General]\r\nLanguage=True\r\n");
        settings.close();
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Folders of our own keep this test apart from any copy of the program
        // running on the machine.
        m_environment.insert(QStringLiteral("TMPDIR"), m_dir.path());
        m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path());
    }

    void secondCopyShowsMessageAndEnds()
    {
        auto first = launch();
        QVERIFY(!waitForWindow(*first).isEmpty());

        auto second = launch();
        const QString message = waitForWindow(*second);
        QVERIFY2(!message.isEmpty(), "the second copy showed no message");
        QVERIFY(xdotool({QStringLiteral("getwindowname"), message}).startsWith(QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ")));
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), message});
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);

        QTest::qWait(300);
        QCOMPARE(first->state(), QProcess::Running);

        // A copy that crashed leaves its lock behind; the next start takes it over.
        first->kill();
        QVERIFY(first->waitForFinished(5000));
        auto third = launch();
        const QString window = waitForWindow(*third);
        QVERIFY2(!window.isEmpty(), qPrintable(QStringLiteral("state %1, exit %2, output: %3 / windows: %4")
                                                   .arg(third->state()).arg(third->exitCode())
                                                   .arg(QString::fromUtf8(third->readAll()))
                                                   .arg(xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral(".")}))));
        QCOMPARE(xdotool({QStringLiteral("getwindowname"), window}), QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QCOMPARE(third->state(), QProcess::Running);
        third->terminate();
        QVERIFY(third->waitForFinished(5000));
    }

    // "Yes" in an error report ends the program at once, also when it is
    // answered before the event loop runs: the first conversion's save fails
    // (no file may grow, so every save fails as the window is first shown).
    void yesEndsTheProgram()
    {
        QFile settings(m_dir.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[General]\r\nLanguage=False\r\n");
        settings.close();
        // The copy killed above left its lock; taking it over needs a write too.
        for (const QString &lock : QDir(m_dir.path()).entryList({QStringLiteral("*.lock*")}, QDir::Files))
            QFile::remove(m_dir.filePath(lock));
        auto program = launch(QStringLiteral("trap '' XFSZ; ulimit -f 0"));
        // No lock file can be written either, which the program says first.
        const QString warning = waitForWindow(*program);
        QVERIFY2(!warning.isEmpty(), "no warning about the lock");
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), warning});
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        const QString report = waitForWindow(*program, QStringLiteral("\\[ 342 \\]$"));
        QVERIFY2(!report.isEmpty(), "no error report");
        xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), report});
        xdotool({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY(program->waitForFinished(5000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), QByteArray("[General]\r\nLanguage=False\r\n"));
    }

    // Settings A exported, the settings changed to B, A imported: the import
    // ends the program with code 0 and leaves A byte for byte, and the next
    // start shows A's language and conversion. The dialogs' stored choices
    // name the backup folder, so the keyboard alone drives them: F10 opens the
    // menu bar, two steps right reach Settings, Import... comes first in it.
    void exportThenImportRestoresTheSettings()
    {
        const QString settings = m_dir.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini"));
        const QString backup = m_dir.filePath(QStringLiteral("backup"));
        const QString choices = QStringLiteral("[ExportSettings]\r\nIni=True\r\nFolder=%1\r\n"
                                               "[ImportSettings]\r\nIni=True\r\nFolder=%1\r\n").arg(backup);
        QFile file(settings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\r\nLanguage=True\r\nOtherCurrency=Zloty\r\n[Last]\r\nID=13\r\nAmount=5\r\n"
                   "[Rates]\r\n13=4\r\n" + choices.toUtf8());
        file.close();

        auto exporting = launch();
        QString window = waitForTitled(*exporting, QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QVERIFY(!window.isEmpty());
        // A, as the program keeps it once it has started.
        const QByteArray a = read(settings);
        keys(window, {QStringLiteral("F10"), QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Down"),
                      QStringLiteral("Return")});
        const QString exportDialog = waitForTitled(*exporting, QStringLiteral("Εξαγωγή ρυθμίσεων"));
        QVERIFY2(!exportDialog.isEmpty(), "no export dialog");
        keys(exportDialog, {QStringLiteral("Return")});
        QTRY_COMPARE(read(backup + QStringLiteral("/zkEuroChangeoverAdviser.ini")), a);
        exporting->terminate();
        QVERIFY(exporting->waitForFinished(5000));

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\r\nLanguage=False\r\n[Last]\r\nID=3\r\n" + choices.toUtf8());
        file.close();
        auto importing = launch();
        window = waitForTitled(*importing, QStringLiteral("Euro changeover adviser"));
        QVERIFY(!window.isEmpty());
        keys(window,
             {QStringLiteral("F10"), QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Return")});
        const QString importDialog = waitForTitled(*importing, QStringLiteral("Import settings"));
        QVERIFY2(!importDialog.isEmpty(), "no import dialog");
        keys(importDialog, {QStringLiteral("Return")});
        const QString question = waitForTitled(*importing, QStringLiteral("Import settings"), {importDialog});
        QVERIFY2(!question.isEmpty(), "no question");
        keys(question, {QStringLiteral("Return")});
        const QString notice = waitForTitled(*importing, QStringLiteral("Import settings"), {importDialog, question});
        QVERIFY2(!notice.isEmpty(), "no shut-down notice");
        keys(notice, {QStringLiteral("Return")});
        // keys() lets events run, so the end may have been seen already.
        QTRY_COMPARE_WITH_TIMEOUT(importing->state(), QProcess::NotRunning, 5000);
        QCOMPARE(importing->exitStatus(), QProcess::NormalExit);
        QCOMPARE(importing->exitCode(), 0);
        QCOMPARE(read(settings), a);

        // Enter converts again from the row last converted from, whose name the amount dialog shows.
        auto again = launch();
        window = waitForTitled(*again, QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QVERIFY2(!window.isEmpty(), "not in Greek");
        keys(window, {QStringLiteral("Return")});
        QVERIFY(!waitForTitled(*again, QStringLiteral("Μετατροπή «Zloty» σε όλα τα άλλα νομίσματα")).isEmpty());
        again->terminate();
        QVERIFY(again->waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
