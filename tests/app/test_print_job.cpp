#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/FileChooserFolder.h"
#include "app/PrintJob.h"

#include <QStandardPaths>
#include <QTest>

// The print run without a window: the file, the progress, the printer or its PDF file.
class TestPrintJob : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    // In Greek with the tooltips hidden: the text file still holds the unrounded amounts. Without a printer
    // the user picks a PDF file or cancels quietly; after any failure the old text file stays as it was.
    void print_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("file");    // the text file chosen
        QTest::addColumn<QString>("pdf");     // the PDF file chosen
        QTest::addColumn<QString>("message"); // in the folder %1; empty: none, and the printer takes the document
        const auto row = [](const char *name, const char *printer, const char *file, const char *pdf,
                            const QString &message) {
            QTest::newRow(name) << QString(printer) << QString(file) << QString(pdf) << message;
        };
        row("PDF cancelled", "", "PRN_Euro.txt", "", "");
        row("PDF chosen", "", "PRN_Euro.txt", "out.pdf", "");
        row("PDF cannot be made", "", "PRN_Euro.txt", "out.pdf",
            "Το αρχείο «%1/out.pdf» δεν μπορεί να γραφτεί (Σφάλμα πρόσβασης σε διαδρομή ή αρχείο).");
        row("text file cannot be made", "Laser", "gone/PRN_Euro.txt", "",
            "Το αρχείο «%1/gone/PRN_Euro.txt» δεν μπορεί να γραφτεί (Η διαδρομή δεν βρέθηκε). Δεν εκτυπώθηκε");
        row("printer refuses", "Laser", "PRN_Euro.txt", "",
            "Παρουσιάσθηκε το σφάλμα με αριθμό 57 και περιγραφή «Σφάλμα εισόδου/εξόδου συσκευής: Laser»");
    }
    void print()
    {
        QFETCH(QString, printer);
        QFETCH(QString, file);
        QFETCH(QString, pdf);
        QFETCH(QString, message);
        ScriptedProgram program("[General]\r\nLanguage=True\r\nToolTipText=True\r\n");
        QVERIFY(WriteFile(program.path("PRN_Euro.txt"), "old"));
        program.platform.printer = printer;
        program.platform.printerRefuses = !message.isEmpty();
        program.platform.savePaths = {program.path(file), pdf.isEmpty() ? pdf : program.path(pdf)};
        QStringList progress;
        PrintJob::Window window;
        window.progress = [&](int fill, const QString &text) { progress.append(QString::number(fill) + u' ' + text); };
        const bool done =
            PrintJob(program.controller, nullptr).Print(PrintJob::ToBoth, window) == PrintJob::Outcome::Completed;

        QCOMPARE(program.platform.fileChoices.last().fileName, printer.isEmpty() ? "PRN_Euro.pdf" : "PRN_Euro.txt");
        QCOMPARE(done, !pdf.isEmpty() && message.isEmpty());
        QCOMPARE(program.platform.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(program.platform.messages[0].text.startsWith(message.replace("%1", program.dir.path())));
        const QByteArray written = ReadFile(program.path("PRN_Euro.txt"));
        QCOMPARE(written == "old", !done);
        if (!done)
            return;
        QCOMPARE(program.platform.printed[0]->document.pdfFile, program.path(pdf));
        const QString golden = Localized(QString::fromUtf8(ReadFile(QFINDTESTDATA("../report/one_euro_greek.txt"))));
        QCOMPARE(written.mid(written.indexOf("\r\n") + 2), golden.section(u'\n', 1).toUtf8().replace("\n", "\r\n"));
        QCOMPARE(progress.first() + " / " + progress.last(), Localized("7 7.14285714285714 % / 100 100 %"));
    }

    // Choosers start at the root of the program's volume if the user can write there, else in documents (or home).
    void chooserFolder()
    {
        const QStringList elsewhere = {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                       QDir::homePath()};
        QVERIFY(elsewhere.contains(FileChooserFolder(QStringLiteral("/proc/self")))); // no write bits at its root
        const QString here = FileChooserFolder(QDir::tempPath());
        QVERIFY(elsewhere.contains(here) || QDir::tempPath().startsWith(here));
    }
};

QTEST_MAIN(TestPrintJob)
#include "test_print_job.moc"
