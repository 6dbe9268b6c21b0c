// The real program's command line, installed in a read-only folder, with folders of its own and no display.
#include "TestFiles.h"
#include "TestLocale.h"

#include <QDirIterator>
#include <QProcess>
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

    // The program run with these arguments on a desktop of this language (LANGUAGE), from the user's and the
    // administrator's settings (empty: none); it writes, copies and locks nothing, whatever it is given.
    struct Ran
    {
        int exitCode = -1;
        QString out, err;
    };
    Ran runProgram(QStringList arguments, const QByteArray &users, const QByteArray &administrators,
                   const QString &desktop = QStringLiteral("en"))
    {
        const QString settings = QStringLiteral("/euro-changeover-adviser/zkEuroChangeoverAdviser.ini");
        Ran ran;
        if (!QDir(path("home")).removeRecursively() || !QDir(path("etc")).removeRecursively()
            || !write("home" + settings, users) || !write("etc" + settings, administrators))
            return ran;
        const QStringList before = snapshot();
        QProcess program;
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("LANGUAGE"), desktop);
        program.setProcessEnvironment(environment);
        for (QString &argument : arguments)
            argument = Localized(argument);
        program.start(path("bin/euro-changeover-adviser"), arguments);
        if (!program.waitForFinished(10000) || program.exitStatus() != QProcess::NormalExit || snapshot() != before)
            return ran;
        return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
                QString::fromUtf8(program.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        QVERIFY(QDir().mkpath(path("bin")) && QDir().mkpath(path("run")) && QDir().mkpath(path("tmp")));
        QVERIFY(QFile::copy(QStringLiteral(PROGRAM_PATH), path("bin/euro-changeover-adviser")));
        // No write bit: an installed program, for root too.
        QVERIFY(QFile::setPermissions(path("bin"), QFile::ReadOwner | QFile::ExeOwner));
        // A locale in the Greek character set of its own, made where nothing else sees it.
        QVERIFY(QDir().mkpath(path("locale"))
                && QProcess::execute("localedef", {"-i", "el_GR", "-f", "ISO-8859-7", path("locale/el_GR.ISO-8859-7")})
                    == 0);
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
        QTest::addColumn<QString>("desktop");           // the desktop's language
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // how standard output starts
        QTest::addColumn<QString>("err"); // how standard error starts
        const QByteArray greek("[General]\r\nLanguage=True\r\n"), none;
        const QByteArray gold("[General]\r\nOtherCurrency=Gold\r\n[Rates]\r\n13=0.5\r\n[Decimals]\r\n13=0\r\n");
        const auto row = [](const char *name, const QStringList &arguments, const QByteArray &users,
                            const QByteArray &administrators, const char *desktop, int exitCode, const QString &out,
                            const QString &err) {
            QTest::newRow(name) << arguments << users << administrators << QString(desktop) << exitCode << out << err;
        };
        row("help", {"--help"}, none, none, "en", 0, "Usage: euro-changeover-adviser [OPTION]...\nConverts", "");
        row("version", {"-v"}, none, none, "en", 0, "euro-changeover-adviser " PROJECT_VERSION "\n", "");
        row("unknown option", {"--greek", "--frobnicate"}, none, none, "en", 2, "",
            "Άγνωστη επιλογή «--frobnicate».\nΧρήση:");
        row("stray argument", {"GRD"}, none, none, "en", 2, "", "Unexpected argument 'GRD'.\nUsage:");
        row("no display, the stored language", {}, greek, none, "en", 1, "", "Δεν υπάρχει οθόνη");
        // The language the window would start in: the desktop's until one is stored, then the stored one.
        row("a Greek desktop, nothing stored", {"--convert", "1000", "GRD"}, none, none, "el", 0,
            "1,000 GRD → 2.93 EUR → 998.3975 → 998 GRD\nΝόμισμα   ", "");
        row("a Greek desktop, English stored", {"--convert", "1000", "GRD"}, "[General]\r\nLanguage=False\r\n", none,
            "el", 0, "1,000 GRD → 2.93 EUR → 998.3975 → 998 GRD\nCurrency  ", "");
        row("asked for, over the stored one", {"--english", "--convert", "1,000,000", "grd"}, greek, none, "el", 0,
            "1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD\nCurrency  ", "");
        // The report's code lays out the lines: a wide rate widens that column in every row, the titles too.
        row("a wide rate", {"--convert", "1", "eur"}, "[Rates]\r\n13=1000000\r\n", none, "en", 0,
            "1 EUR → 1.0000 → 1.00 EUR\nCurrency" + QString(30, u' ') + "Exchange rate", "");
        row("administrator's before a first start", {"--convert", "3", "Other"}, none, gold, "en", 0,
            "3 Gold → 6.00 EUR → 3.0000 → 3 Gold\n", "");
        // A rate of more digits than the amount dialog shows converts as the window converts it at its start.
        row("a rate of seventeen digits", {"--convert", "300,000,000,000", "other"},
            "[General]\r\nOtherCurrency=Gold\r\n[Rates]\r\n13=1.2345678901234567\r\n", none, "en", 0,
            "300,000,000,000 Gold → 243,000,002,187.00 EUR → 300,000,000,000.0000 → 300,000,000,000.00 Gold\n", "");
        // What the amount dialog refuses, in its order and with its words.
        row("user's own, no rate", {"--convert", "-3", "OTHER"}, "[General]\r\nOtherCurrency=Silver\r\n", gold, "en", 2,
            "", "Incorrect exchange rate.");
        row("refused amount", {"--convert", "-5", "GRD"}, greek, none, "en", 2, "", "Ανακριβές ποσό.");
        row("unknown code", {"--convert", "5", "XEU"}, none, none, "en", 2, "", "Unknown currency code 'XEU'.");
        // What is echoed is as typed, and cut; what a settings file names is shown, never obeyed by the terminal.
        row("an option as typed", {"-AAAA"}, none, none, "en", 2, "", "Unknown option '-AAAA'.\nUsage:");
        row("a long argument cut", {QString(128 * 1024 - 1, u'A')}, none, none, "en", 2, "", // the longest one taken
            "Unexpected argument '" + QString(60, u'A') + "...'.\nUsage:");
        row("control characters from the file", {"--convert", "3", "other"},
            "[General]\r\nOtherCurrency=\x1b]0;x\x07\xe2\x80\xaeGold\r\n[Rates]\r\n13=0.5\r\n", none, "en", 0,
            "3 \uFFFD]0;x\uFFFD\uFFFDGold → 6.00 EUR → 3.0000 → 3.00 \uFFFD]0;x\uFFFD\uFFFDGold\n", "");
        row("overflow", {"--convert", "922,337,203,685,477", "eur"}, none, none, "en", 1,
            "Overflow: the program holds at most 922,337,203,685,477.5807 (922,337,203,685,477 EUR)\nCurrency", "");
    }
    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, users);
        QFETCH(QByteArray, administrators);
        QFETCH(QString, desktop);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const Ran ran = runProgram(arguments, users, administrators, desktop);
        QTEST(ran.exitCode, "exitCode");
        QCOMPARE(ran.out.left(out.size()), arguments.contains("--convert") ? Localized(out) : out);
        // A conversion prints the road, then the report's column titles and fourteen lines, overflowed or not.
        QVERIFY(!arguments.contains("--convert") || ran.exitCode == 2 || ran.out.count(u'\n') == 16);
        QCOMPARE(ran.err.left(err.isEmpty() ? ran.err.size() : err.size()), err);
    }

    // The currencies fixed later, in either letter case and either language, against their official rates with two
    // decimals, in the additional currency's row: the stored additional currency is neither used nor changed.
    void laterCurrencies_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("row"); // the additional currency's data line, its blanks run together
        const QStringList rows = {
            "sit|--english|100 SIT → 0.42 EUR → 100.6488 → 100.65 SIT|SIT - Slovenian Tolar 239.64 100.65 100.6488",
            "Cyp|--greek|100 CYP → 170.86 EUR → 99.9999 → 100.00 CYP|CYP - Λίρα Κύπρου 0.585274 100.00 99.9999",
            "MTL|--english|100 MTL → 232.94 EUR → 100.0011 → 100.00 MTL|MTL - Maltese Lira 0.4293 100.00 100.0011",
            "skk|--greek|100 SKK → 3.32 EUR → 100.0183 → 100.02 SKK|SKK - Κορόνα Σλοβακίας 30.126 100.02 100.0183",
            "EEK|--english|100 EEK → 6.39 EUR → 99.9818 → 99.98 EEK|EEK - Estonian Kroon 15.6466 99.98 99.9818",
            "lVl|--greek|100 LVL → 142.29 EUR → 100.0020 → 100.00 LVL|LVL - Λατς Λετονίας 0.702804 100.00 100.002",
            "ltl|--english|100 LTL → 28.96 EUR → 99.9931 → 99.99 LTL|LTL - Lithuanian Litas 3.4528 99.99 99.9931",
            "HRK|--greek|100 HRK → 13.27 EUR → 99.9828 → 99.98 HRK|HRK - Κούνα Κροατίας 7.5345 99.98 99.9828",
            "bgn|--english|100 BGN → 51.13 EUR → 100.0016 → 100.00 BGN|BGN - Bulgarian Lev 1.95583 100.00 100.0016"};
        for (const QString &row : rows) {
            const QStringList parts = row.split(u'|');
            QTest::newRow(qPrintable(parts[0])) << parts[0] << parts[1] << parts[2] << parts[3];
        }
    }
    void laterCurrencies()
    {
        QFETCH(QString, code);
        QFETCH(QString, language);
        const QByteArray gold("[General]\r\nOtherCurrency=Gold\r\n[Rates]\r\n13=0.5\r\n[Decimals]\r\n13=0\r\n");
        const Ran ran = runProgram({language, "--convert", "100", code}, gold, {});
        QCOMPARE(ran.exitCode, 0);
        const QStringList lines = ran.out.split(u'\n');
        QCOMPARE(lines.size(), 17);
        QFETCH(QString, road);
        QFETCH(QString, row);
        QCOMPARE(lines[0], Localized(road));
        QCOMPARE(lines[15].simplified(), Localized(row));
    }

    // An answer that cannot be written is no success, as with cat and printf; a locale's own character set is
    // followed.
    void output_data()
    {
        QTest::addColumn<QString>("command"); // for the shell; "$0" is the program
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out"); // how it starts
        QTest::addColumn<QString>("err");
        const QString lost = "The answer could not be written to the standard output: ";
        const auto row = [](const char *name, const char *command, int exitCode, const char *out, const QString &err) {
            QTest::newRow(name) << QString(command) << exitCode << QByteArray(out) << err;
        };
        row("help to a full disk", "\"$0\" --help >/dev/full", 1, "", lost + "Disk full.\n");
        row("version to a full disk", "\"$0\" -v >/dev/full", 1, "", lost + "Disk full.\n");
        row("a conversion to a full disk", "\"$0\" --convert 5 EUR >/dev/full", 1, "", lost + "Disk full.\n");
        row("a conversion to a closed output", "\"$0\" --convert 5 EUR >&-", 1, "", lost + "Path/File access error.\n");
        row("Greek in ISO-8859-7", "LC_ALL=el_GR.ISO-8859-7 \"$0\" --greek --help", 0, "\xd7\xf1\xde\xf3\xe7: euro",
            "");
    }
    void output()
    {
        QFETCH(QString, command);
        QProcess program;
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        environment.insert(QStringLiteral("LOCPATH"), path("locale"));
        program.setProcessEnvironment(environment);
        program.start("/bin/sh", {"-c", "exec env " + command, path("bin/euro-changeover-adviser")});
        QVERIFY(program.waitForFinished(10000));
        QTEST(program.exitCode(), "exitCode");
        QFETCH(QByteArray, out);
        QCOMPARE(program.readAllStandardOutput().left(out.size()), out);
        QTEST(QString::fromUtf8(program.readAllStandardError()), "err");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
