// The real program's command line, installed in a read-only folder, with folders of its own and no display.
#include "TestFiles.h"
#include "TestLocale.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

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

    // The program run with these arguments on a desktop of this language (LANGUAGE), from the user's and the
    // administrator's settings (empty: none); it writes, copies and locks nothing, whatever it is given.
    struct Ran
    {
        int exitCode = -1;
        QString out, err;
    };
    // Standard input is `input`, standard output `output` when one is named ("closed": none).
    Ran runProgram(QStringList arguments, const QByteArray &users, const QByteArray &administrators,
                   const QString &desktop = QStringLiteral("en"), const QByteArray &input = {},
                   const QString &output = {})
    {
        const QString settings = QStringLiteral("/euro-changeover-adviser/zkEuroChangeoverAdviser.ini");
        Ran ran;
        if (!QDir(path("home")).removeRecursively() || !QDir(path("etc")).removeRecursively()
            || (!users.isEmpty() && !WriteFile(path("home" + settings), users))
            || (!administrators.isEmpty() && !WriteFile(path("etc" + settings), administrators)))
            return ran;
        const QStringList before = snapshot();
        QProcess program;
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("LANGUAGE"), desktop);
        program.setProcessEnvironment(environment);
        for (QString &argument : arguments)
            argument = Localized(argument);
        if (output == u"closed")
            program.setChildProcessModifier([] { ::close(STDOUT_FILENO); });
        else if (!output.isEmpty())
            program.setStandardOutputFile(output);
        program.start(path("bin/euro-changeover-adviser"), arguments);
        program.write(input);
        program.closeWriteChannel();
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

    // The answers on standard output and standard error, and the exit code. --convert-list: each line converted as
    // the window converts it, against the exact results, in the regional format; what is not an amount or overflows
    // keeps its place and is named on standard error; the input is a file, "-" or standard input alike; an input that
    // cannot be read or an output that cannot be written is never success.
    void run_data()
    {
        QTest::addColumn<QStringList>("arguments");     // numbers the en_US way, swapped under el_GR; FILE: the input
        QTest::addColumn<QByteArray>("users");          // the user's settings; empty: none yet
        QTest::addColumn<QByteArray>("administrators"); // the administrator's starting settings
        QTest::addColumn<QString>("desktop");           // the desktop's language
        QTest::addColumn<QString>("input");             // written as the arguments are
        QTest::addColumn<QString>("output");            // where standard output goes, else a pipe
        QTest::addColumn<int>("exitCode");
        // Empty or ending in a line break: the whole answer, else how it starts ($DIR: the test's folder).
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QByteArray greek("[General]\r\nLanguage=True\r\n"), none;
        const QByteArray gold("[General]\r\nOtherCurrency=Gold\r\n[Rates]\r\n13=0.5\r\n[Decimals]\r\n13=0\r\n");
        const auto row = [](const char *name, const QStringList &arguments, const QByteArray &users,
                            const QByteArray &administrators, const char *desktop, int exitCode, const QString &out,
                            const QString &err) {
            QTest::newRow(name) << arguments << users << administrators << QString(desktop) << QString() << QString()
                                << exitCode << out << err;
        };
        row("help", {"--help"}, none, none, "en", 0, "Usage: euro-changeover-adviser [OPTION]...\nConverts", "");
        row("help in Greek", {"--greek", "--help"}, none, none, "en", 0, "Χρήση: euro-changeover-adviser", "");
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
            "3 Gold → 6.00 EUR → 3.0000 → 3 Gold\nCurrency", "");
        // A rate of more digits than the amount dialog shows converts as the window converts it at its start.
        row("a rate of seventeen digits", {"--convert", "300,000,000,000", "other"},
            "[General]\r\nOtherCurrency=Gold\r\n[Rates]\r\n13=1.2345678901234567\r\n", none, "en", 0,
            "300,000,000,000 Gold → 243,000,002,187.00 EUR → 300,000,000,000.0000 → 300,000,000,000.00 Gold\nCurrency",
            "");
        // A currency fixed later at its own rate, not the stored additional currency's.
        row("a later currency, in Greek", {"--greek", "--convert", "100", "bgn"}, gold, none, "en", 0,
            "100 BGN → 51.13 EUR → 100.0016 → 100.00 BGN\nΝόμισμα", "");
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
            "3 \uFFFD]0;x\uFFFD\uFFFDGold → 6.00 EUR → 3.0000 → 3.00 \uFFFD]0;x\uFFFD\uFFFDGold\nCurrency", "");
        // A list's options: a currency code each, --to only with --convert-list, at most one file, one action.
        row("list without a code", {"--convert-list"}, none, none, "en", 2, "",
            "'--convert-list' needs a currency code.\nUsage:");
        row("to without a list", {"--to", "DEM"}, none, none, "en", 2, "",
            "'--to' chooses the currency '--convert-list' converts to: use it with '--convert-list'.\nUsage:");
        row("two files", {"--convert-list", "GRD", "a", "b"}, none, none, "en", 2, "", "Unexpected argument 'b'.");
        row("two actions", {"--convert", "5", "GRD", "--convert-list", "GRD"}, none, none, "en", 2, "",
            "'--convert' and '--convert-list' do not go together.");
        row("overflow", {"--convert", "922,337,203,685,477", "eur"}, none, none, "en", 1,
            "Overflow: the program holds at most 922,337,203,685,477.5807 (922,337,203,685,477 EUR)\nCurrency", "");
        const QString drachmae("1000000\n1,000.5\n  340.75 \r\n\n999,999,999,999");
        const QString euro("1000000\t2,934.70\t2,934.7000\n1,000.5\t2.93\t2.9300\n340.75\t1.00\t1.0000\n\n"
                           "999,999,999,999\t2,934,702,861.33\t2,934,702,861.3300\n");
        const auto list = [](const char *name, const QStringList &arguments, const QByteArray &users,
                             const QString &input, const char *output, int exitCode, const QString &out,
                             const QString &err) {
            QTest::newRow(name) << arguments << users << QByteArray() << QStringLiteral("en") << input
                                << QString(output) << exitCode << out << err;
        };
        list("a file", {"--convert-list", "grd", "FILE"}, {}, drachmae, "", 0, euro, "");
        list("standard input", {"--convert-list", "GRD"}, {}, drachmae, "", 0, euro, "");
        list("standard input as -", {"--convert-list", "GRD", "--to", "eur", "-"}, {}, drachmae, "", 0, euro, "");
        list("between two of the twelve", {"--convert-list", "DEM", "--to", "frf"}, {}, "100\n0.01\n12,345.678\n", "",
             0, "100\t335.39\t335.3908\n0.01\t0.07\t0.0656\n12,345.678\t41,405.65\t41,405.6457\n", "");
        list("between two fixed later", {"--convert-list", "sit", "--to", "Hrk"}, gold, "100\n1,234.56\n", "", 0,
             "100\t3.16\t3.1645\n1,234.56\t38.80\t38.8027\n", "");
        list("from the euro to one fixed later", {"--convert-list", "EUR", "--to", "BGN"}, {}, "100\n51.13\n", "", 0,
             "100\t195.58\t195.5830\n51.13\t100.00\t100.0016\n", "");
        list("the user's own", {"--convert-list", "other"}, gold, "3\n1.5", "", 0,
             "3\t6.00\t6.0000\n1.5\t4.00\t4.0000\n", "");
        // As a paste into the amount dialog: its own code is taken off, another currency's is refused.
        list("own and other units", {"--convert-list", "ITL"}, {}, "ITL 1,936.27\n1,000 DEM\n", "", 1,
             "ITL 1,936.27\t1.00\t1.0000\n1,000 DEM\t\t\n", "line 2: Incorrect amount.\n");
        list("refused, overflowing, printable", {"--greek", "--convert-list", "EUR", "--to", "GRD"}, {},
             "5\n-5\n922,337,203,685,477\nab\x1b[2J\u202Ec\n", "", 1,
             "5\t1,704\t1,703.7500\n-5\t\t\n922,337,203,685,477\t\t\nab\uFFFD[2J\uFFFDc\t\t\n",
             "γραμμή 2: Ανακριβές ποσό.\nγραμμή 3: Υπερχείλιση: το αποτέλεσμα είναι μεγαλύτερο από όσο χωρά η "
             "εφαρμογή.\n"
             "γραμμή 4: Ανακριβές ποσό.\n");
        // A line far longer than any amount is refused, echoed cut, whether it ends in the first read or not.
        list("lines too long", {"--convert-list", "GRD", "FILE"}, {},
             QString(1100, u'7') + "\n5\n" + QString(70000, u'7'), "", 1,
             QString(1024, u'7') + "…\t\t\n5\t0.01\t0.0100\n" + QString(1024, u'7') + "…\t\t\n",
             "line 1: Incorrect amount.\nline 3: Incorrect amount.\n");
        list("no rate to convert from", {"--convert-list", "OTHER"}, {}, "1\n", "", 2, "",
             "Incorrect exchange rate.\n");
        list("a missing file", {"--convert-list", "GRD", "$DIR/missing"}, {}, "", "", 1, "",
             "File not found: $DIR/missing\n");
        list("a folder", {"--convert-list", "GRD", "$DIR"}, {}, "", "", 1, "", "Not a regular file: $DIR\n");
        list("an unknown code", {"--convert-list", "GRD", "--to", "XEU"}, {}, "1\n", "", 2, "",
             "Unknown currency code 'XEU'.\n");
        const QString lost = "The answer could not be written to the standard output: ";
        list("a full disk", {"--convert-list", "GRD"}, {}, drachmae, "/dev/full", 1, "", lost + "Disk full.\n");
        list("a conversion to a full disk", {"--convert", "5", "EUR"}, {}, "", "/dev/full", 1, "",
             lost + "Disk full.\n");
        list("the help to a full disk", {"--help"}, {}, "", "/dev/full", 1, "", lost + "Disk full.\n");
        list("the version to a full disk", {"-v"}, {}, "", "/dev/full", 1, "", lost + "Disk full.\n");
        list("a conversion to a closed output", {"--convert", "5", "EUR"}, {}, "", "closed", 1, "",
             lost + "Path/File access error.\n");
    }
    void run()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, users);
        QFETCH(QByteArray, administrators);
        QFETCH(QString, desktop);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const QByteArray bytes = Localized(input).toUtf8();
        const qsizetype file = arguments.indexOf("FILE");
        if (file >= 0) {
            QVERIFY(WriteFile(path("list"), bytes)); // a name that reads the same under either locale
            arguments[file] = path("list");
        }
        arguments.replaceInStrings("$DIR", m_dir.path());
        const Ran ran = runProgram(arguments, users, administrators, desktop, file >= 0 ? QByteArray() : bytes, output);
        QTEST(ran.exitCode, "exitCode");
        const auto shown = [](const QString &answer, const QString &expected) {
            return expected.isEmpty() || expected.endsWith(u'\n') ? answer : answer.left(expected.size());
        };
        const bool converts = arguments.contains("--convert") || arguments.contains("--convert-list");
        QCOMPARE(shown(ran.out, out), converts ? Localized(out) : out);
        // A conversion prints the road, then the report's column titles and fourteen lines, overflowed or not.
        QVERIFY(!arguments.contains("--convert") || ran.exitCode == 2 || !output.isEmpty()
                || ran.out.count(u'\n') == 16);
        // The help, which names --convert-list with an example, fits a terminal 80 characters wide.
        QVERIFY(!arguments.contains("--help") || !output.isEmpty()
                || ran.out.contains("--convert-list GRD ledger.txt"));
        for (const QString &line : ran.out.split(u'\n'))
            QVERIFY2(!arguments.contains("--help") || line.size() <= 80, qPrintable(line));
        err.replace("$DIR", m_dir.path());
        QCOMPARE(shown(ran.err, err), err);
    }

    // A locale's own character set is followed.
    void greekInTheLocalesCharacterSet()
    {
        QProcess program;
        QProcessEnvironment environment = m_environment;
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("el_GR.ISO-8859-7"));
        environment.insert(QStringLiteral("LOCPATH"), path("locale"));
        program.setProcessEnvironment(environment);
        program.start(path("bin/euro-changeover-adviser"), {"--greek", "--help"});
        QVERIFY(program.waitForFinished(10000) && program.exitCode() == 0);
        const QByteArray greek = "\xd7\xf1\xde\xf3\xe7: euro"; // "Χρήση: euro"
        QCOMPARE(program.readAllStandardOutput().left(greek.size()), greek);
        QCOMPARE(program.readAllStandardError(), QByteArray());
    }

    // Typed at it line by line, --convert-list answers each line before it reads the next.
    void convertListAnswersEachLine()
    {
        QProcess program;
        program.setProcessEnvironment(m_environment);
        program.start(path("bin/euro-changeover-adviser"), {"--convert-list", "EUR", "--to", "DEM"});
        QStringList answers;
        for (const char *line : {"1", "abc", "2"}) {
            program.write(line + QByteArray("\n"));
            while (program.bytesAvailable() == 0 && program.waitForReadyRead(10000)) { }
            answers << QString::fromUtf8(program.readAll());
        }
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(10000) && program.exitCode() == 1);
        QCOMPARE(answers, QStringList({Localized("1\t1.96\t1.9558\n"), "abc\t\t\n", Localized("2\t3.91\t3.9117\n")}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
