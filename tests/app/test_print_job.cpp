#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/FileChooserFolder.h"
#include "app/PrintJob.h"

#include <QStandardPaths>
#include <QTest>

// The print run without a window: what reaches the file and the printer, the
// progress, the PDF file where no printer is installed, and where choosers start.
class TestPrintJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    // The report as a text file, byte for byte but for the date and time, with
    // the unrounded amounts whether or not the tooltips show them.
    void textFile_data()
    {
        QTest::addColumn<QByteArray>("general");
        QTest::newRow("tooltips shown") << QByteArray("Language=True\r\n");
        QTest::newRow("tooltips hidden") << QByteArray("Language=True\r\nToolTipText=True\r\n");
    }
    void textFile()
    {
        QFETCH(QByteArray, general);
        ScriptedProgram program("[General]\r\n" + general);
        program.platform.savePaths = {program.path("PRN_Euro.txt")};
        QStringList progress;
        PrintJob::Window window;
        window.progress = [&](int fill, const QString &text) { progress.append(QString::number(fill) + u' ' + text); };
        QCOMPARE(PrintJob(program.controller, nullptr).Print(PrintJob::ToFile, window), PrintJob::Outcome::Completed);

        const QByteArray written = ReadFile(program.path("PRN_Euro.txt"));
        QString expected = Localized(QString::fromUtf8(ReadFile(QFINDTESTDATA("../report/one_euro_greek.txt"))));
        const QByteArray golden = expected.toUtf8().replace("\n", "\r\n");
        QVERIFY(written.startsWith(golden.left(golden.indexOf("   ") + 3)));
        QCOMPARE(written.mid(written.indexOf("\r\n")), golden.mid(golden.indexOf("\r\n")));
        QCOMPARE(progress.size(), CurrencyCount);
        QCOMPARE(progress.first(), Localized(QStringLiteral("7 7.14285714285714 %")));
        QCOMPARE(progress.last(), QStringLiteral("100 100 %"));
        QCOMPARE(program.platform.fileChoices[0].fileName, QStringLiteral("PRN_Euro.txt"));
    }

    // Where no printer is installed the printer writes a PDF file the user
    // chooses; nothing is printed, and nothing said, when that choice is
    // cancelled. A PDF file that cannot be made is the user's to change, a
    // printer that refuses is an error of the run; the text file stays as it was.
    void printerAndPdf_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("refuses");
        QTest::addColumn<QString>("message");
        QTest::newRow("PDF cancelled") << "" << false << "-";
        QTest::newRow("PDF chosen") << "" << false << "";
        QTest::newRow("PDF cannot be made") << "" << true << "The file '%1' cannot be written (Path/File access error).";
        QTest::newRow("printer") << "Laser" << false << "";
        QTest::newRow("printer refuses") << "Laser" << true << "Error condition 57 with the description 'Device I/O "
                                                               "error: Laser'";
    }
    void printerAndPdf()
    {
        QFETCH(QString, printer);
        QFETCH(bool, refuses);
        QFETCH(QString, message);
        ScriptedProgram program;
        QVERIFY(WriteFile(program.path("PRN_Euro.txt"), "old"));
        program.platform.printer = printer;
        program.platform.printerRefuses = refuses;
        program.platform.savePaths = {program.path("PRN_Euro.txt")};
        if (message != QLatin1String("-"))
            program.platform.savePaths.append(program.path("out.pdf"));
        const bool done = PrintJob(program.controller, nullptr).Print(PrintJob::ToBoth, {})
            == PrintJob::Outcome::Completed;

        QCOMPARE(program.platform.fileChoices.last().fileName, printer.isEmpty() ? "PRN_Euro.pdf" : "PRN_Euro.txt");
        QCOMPARE(done, message.isEmpty());
        QCOMPARE(ReadFile(program.path("PRN_Euro.txt")) == "old", !done);
        if (done)
            QCOMPARE(program.platform.printed[0]->document.pdfFile, printer.isEmpty() ? program.path("out.pdf") : "");
        else if (message != QLatin1String("-"))
            QVERIFY(program.platform.messages.value(0).text.startsWith(message.replace("%1", program.path("out.pdf"))));
        QCOMPARE(program.platform.messages.size(), message.size() > 1 ? 1 : 0);
    }

    // The chooser starts at the root of the program's volume when the user can
    // write there, and in the documents folder (or home) otherwise.
    void chooserFolder()
    {
        const QStringList elsewhere = {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                       QDir::homePath()};
        QVERIFY(elsewhere.contains(FileChooserFolder(QStringLiteral("/proc/self")))); // no write bits at its root
        QVERIFY(elsewhere.contains(FileChooserFolder(QStringLiteral("/gone/for/good"))));
        const QString here = FileChooserFolder(QDir::tempPath());
        QVERIFY(elsewhere.contains(here) || QDir::tempPath().startsWith(here));
    }
};

QTEST_MAIN(TestPrintJob)
#include "test_print_job.moc"
