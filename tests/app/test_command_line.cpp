// The real program's command line, installed in a read-only folder, with folders of its own and no display.
#include "TestFiles.h"
#include "TestLocale.h"

#include <QDirIterator>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Every entry below the test's folder with its time and size: what a write would change.
    QStringList snapshot() const
    {
        QStringList entries;
        for (QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();)
            entries << it.next() + it.fileInfo().lastModified().toString(Qt::ISODateWithMs) + u' '
                    + QString::number(it.fileInfo().size());
        return entries;
    }
    bool write(const QString &name, const QByteArray &bytes) const
    {
        return bytes.isEmpty() || (QDir().mkpath(QFileInfo(path(name)).path()) && WriteFile(path(name), bytes));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        QVERIFY(QDir().mkpath(path("bin")) && QDir().mkpath(path("run")) && QDir().mkpath(path("tmp")));
        QVERIFY(QFile::copy(QStringLiteral(PROGRAM_PATH), path("bin/euro-changeover-adviser")));
        // No write bit: an installed program, for root too.
        QVERIFY(QFile::setPermissions(path("bin"), QFile::ReadOwner | QFile::ExeOwner));
        for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            m_environment.remove(display);
        for (const char *folder : {"XDG_CONFIG_HOME=home", "XDG_CONFIG_DIRS=etc", "XDG_RUNTIME_DIR=run", "TMPDIR=tmp"})
            m_environment.insert(QString(folder).section(u'=', 0, 0), path(QString(folder).section(u'=', 1)));
    }
    void cleanupTestCase()
    {
        QFile::setPermissions(path("bin"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");     // numbers written the en_US way, swapped under el_GR
        QTest::addColumn<QByteArray>("users");          // the user's settings; empty: none yet
        QTest::addColumn<QByteArray>("administrators"); // the administrator's starting settings
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // how standard output starts; "report": the report file's lines
        QTest::addColumn<QString>("err"); // how standard error starts
        const QByteArray greek("[General]\r\nLanguage=True\r\n"), none;
        const QByteArray gold("[General]\r\nOtherCurrency=Gold\r\n[Rates]\r\n13=0.5\r\n[Decimals]\r\n13=0\r\n");
        const auto row = [](const char *name, const QStringList &arguments, const QByteArray &users,
                            const QByteArray &administrators, int exitCode, const QString &out, const QString &err) {
            QTest::newRow(name) << arguments << users << administrators << exitCode << out << err;
        };
        row("help", {"--help"}, none, none, 0, "Usage: euro-changeover-adviser [OPTION]...\nConverts", "");
        row("version", {"-v"}, none, none, 0, "euro-changeover-adviser " PROJECT_VERSION "\n", "");
        row("unknown option", {"--greek", "--frobnicate"}, none, none, 2, "",
            "Άγνωστη επιλογή «--frobnicate».\nΧρήση:");
        row("stray argument", {"GRD"}, none, none, 2, "", "Unexpected argument 'GRD'.\nUsage:");
        row("no display, the stored language", {}, greek, none, 1, "", "Δεν υπάρχει οθόνη");
        row("1 EUR as the report file", {"--convert", "1", "eur", "--greek"}, none, none, 0, "report", "");
        row("the road", {"--english", "--convert", "1,000,000", "GRD"}, greek, none, 0,
            "1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD\nCurrency  ", "");
        // The report's code lays out the lines: a wide rate widens that column in every row, the titles too.
        row("a wide rate", {"--convert", "1", "eur"}, "[Rates]\r\n13=1000000\r\n", none, 0,
            "1 EUR → 1.0000 → 1.00 EUR\nCurrency" + QString(30, u' ') + "Exchange rate", "");
        row("administrator's before a first start", {"--convert", "3", "Other"}, none, gold, 0,
            "3 Gold → 6.00 EUR → 3.0000 → 3 Gold\n", "");
        row("user's own", {"--convert", "3", "OTHER"}, "[General]\r\nOtherCurrency=Silver\r\n", gold, 2, "",
            "Incorrect exchange rate.");
        row("refused amount", {"--convert", "-5", "GRD"}, greek, none, 2, "", "Ανακριβές ποσό.");
        row("unknown code", {"--convert", "5", "XEU"}, none, none, 2, "", "Unknown currency code 'XEU'.");
        // What is echoed is as typed, and cut; what a settings file names is shown, never obeyed by the terminal.
        row("an option as typed", {"-AAAA"}, none, none, 2, "", "Unknown option '-AAAA'.\nUsage:");
        row("a long argument cut", {QString(128 * 1024 - 1, u'A')}, none, none, 2, "", // as long as the system takes
            "Unexpected argument '" + QString(60, u'A') + "...'.\nUsage:");
        row("control characters from the file", {"--convert", "3", "other"},
            "[General]\r\nOtherCurrency=\x1b]0;x\x07\xe2\x80\xaeGold\r\n[Rates]\r\n13=0.5\r\n", none, 0,
            "3 \uFFFD]0;x\uFFFD\uFFFDGold → 6.00 EUR → 3.0000 → 3.00 \uFFFD]0;x\uFFFD\uFFFDGold\n", "");
        row("overflow", {"--convert", "922,337,203,685,477", "eur"}, none, none, 1,
            "Overflow: the program holds at most 922,337,203,685,477.5807 (922,337,203,685,477 EUR)\nCurrency", "");
    }
    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, users);
        QFETCH(QByteArray, administrators);
        QFETCH(QString, out);
        const QString settings = QStringLiteral("/euro-changeover-adviser/zkEuroChangeoverAdviser.ini");
        QVERIFY(QDir(path("home")).removeRecursively() && QDir(path("etc")).removeRecursively());
        QVERIFY(write("home" + settings, users) && write("etc" + settings, administrators));
        const QStringList before = snapshot();

        QProcess program;
        program.setProcessEnvironment(m_environment);
        for (QString &argument : arguments)
            argument = Localized(argument);
        program.start(path("bin/euro-changeover-adviser"), arguments);
        QVERIFY(program.waitForFinished(10000));

        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QTEST(program.exitCode(), "exitCode");
        if (out == u"report") {
            // The road, then the column titles and the data lines of the file the print dialog writes.
            const QStringList file =
                Localized(QString::fromUtf8(ReadFile(QFINDTESTDATA("../report/one_euro_greek.txt")))).split(u'\n');
            QString expected = Localized("1 EUR → 1.0000 → 1.00 EUR\n") + file[3] + u'\n';
            for (qsizetype line = 7; line < file.size(); line += 3)
                expected += file[line] + u'\n';
            QCOMPARE(output, expected);
        } else {
            QCOMPARE(output.left(out.size()), arguments.contains("--convert") ? Localized(out) : out);
        }
        // A conversion prints the road and fifteen report lines, overflowed or not.
        QVERIFY(!arguments.contains("--convert") || program.exitCode() == 2 || output.count(u'\n') == 16);
        QFETCH(QString, err);
        QCOMPARE(errors.left(err.isEmpty() ? errors.size() : err.size()), err);
        // Nothing is written, copied or locked, whatever the arguments.
        QCOMPARE(snapshot(), before);
    }

    // An answer that cannot be written is no success, as with cat and printf; a locale's own character set is
    // followed.
    void output_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output"); // where standard output goes: "full", "closed", or a locale's set
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString lost = "The answer could not be written to the standard output: ";
        QTest::newRow("help to a full disk") << QStringList{"--help"} << "full" << 1 << "" << lost + "Disk full.\n";
        QTest::newRow("version to a full disk") << QStringList{"-v"} << "full" << 1 << "" << lost + "Disk full.\n";
        QTest::newRow("a conversion to a full disk")
            << QStringList{"--convert", "5", "EUR"} << "full" << 1 << "" << lost + "Disk full.\n";
        QTest::newRow("a conversion to a closed output")
            << QStringList{"--convert", "5", "EUR"} << "closed" << 1 << "" << lost + "Path/File access error.\n";
        QTest::newRow("Greek in ISO-8859-7") << QStringList{"--greek", "--help"} << "ISO-8859-7" << 0
                                             << "Χρήση: euro-changeover-adviser [ΕΠΙΛΟΓΗ]...\n" << "";
    }
    void output()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QProcessEnvironment environment = m_environment;
        const bool charset = output.startsWith(u"ISO");
        if (charset) {
            QVERIFY(QDir().mkpath(path("locale"))
                    && QProcess::execute("localedef", {"-i", "el_GR", "-f", output, path("locale/el_GR." + output)}) == 0);
            environment.insert("LOCPATH", path("locale"));
            environment.insert("LC_ALL", "el_GR." + output);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        const QString redirect = output == u"full" ? " >/dev/full" : output == u"closed" ? " >&-" : "";
        program.start("/bin/sh", QStringList{"-c", "exec \"$0\" \"$@\"" + redirect, path("bin/euro-changeover-adviser")}
                                     + arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QTEST(program.exitCode(), "exitCode");
        QFETCH(QString, out);
        const QByteArray expected = charset ? QByteArray(QStringEncoder(qPrintable(output)).encode(out)) : out.toUtf8();
        QCOMPARE(program.readAllStandardOutput().left(expected.size()), expected);
        QTEST(QString::fromUtf8(program.readAllStandardError()), "err");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
