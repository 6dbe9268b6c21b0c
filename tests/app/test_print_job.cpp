#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/FileChooserFolder.h"
#include "app/MainController.h"
#include "app/PageSetupEditor.h"
#include "app/PrintJob.h"
#include "app/Texts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The print run and the page setup without a window: what reaches the file and
// the printer, the progress, cancel, and what is kept or written.
class TestPrintJob : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;
    QStringList m_progress;
    int m_ends = 0;

    QString path(const char *name) const { return m_dir->filePath(QLatin1String(name)); }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void start(const QByteArray &ini = QByteArray())
    {
        QFile file(path("zkEuroChangeoverAdviser.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
        file.close();
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        m_controller->ConvertCurrent(nullptr);
    }
    // A window that records the progress and cancels once `cancelAfter` lines were emitted.
    PrintJob::Window window(int cancelAfter = -1)
    {
        auto yields = std::make_shared<int>(0);
        PrintJob::Window window;
        window.ends = [this] { ++m_ends; };
        window.yieldToEvents = [yields] { ++*yields; };
        window.cancelRequested = [yields, cancelAfter] { return *yields == cancelAfter + 1; };
        window.progress = [this](int fill, const QString &text) { m_progress.append(QString::number(fill) + u' ' + text); };
        return window;
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
        m_progress.clear();
        m_ends = 0;
    }

    // The report as a text file, byte for byte but for the date and time; the
    // old file is replaced whole. Hidden tooltips change nothing.
    void textFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("expected"); // en_US numbers, LF line ends
        QTest::newRow("1 EUR, Greek") << QByteArray("[General]\r\nLanguage=True\r\n")
                                      << QFINDTESTDATA("../report/one_euro_greek.txt");
        QTest::newRow("1000.5 GRD, named currency, hidden tooltips")
            << QByteArray("[General]\r\nToolTipText=True\r\nOtherCurrency=Zloty & Groszy\r\n[Rates]\r\n13=4.1234\r\n"
                          "[Decimals]\r\n13=4\r\n[Last]\r\nID=7\r\nAmount=1000.5\r\n")
            << QFINDTESTDATA("grd_english.txt");
    }
    void textFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, expected);
        start(ini);
        QVERIFY(QFile(path("PRN_Euro.txt")).open(QIODevice::WriteOnly)
                && QFile(path("PRN_Euro.txt")).resize(30000));
        m_platform->savePaths = {path("PRN_Euro.txt")};
        PrintJob job(*m_controller, nullptr);
        QCOMPARE(job.Print(PrintJob::ToFile, window()), PrintJob::Outcome::Completed);

        const QByteArray written = read(path("PRN_Euro.txt"));
        const QByteArray golden = Localized(QString::fromUtf8(read(expected))).toUtf8().replace("\n", "\r\n");
        const qsizetype titleEnd = golden.indexOf("\r\n");
        QVERIFY(written.startsWith(golden.left(titleEnd).left(40)));
        QCOMPARE(written.mid(written.indexOf("\r\n")), golden.mid(titleEnd));
        QVERIFY(m_platform->printed.isEmpty());
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(m_progress.size(), CurrencyCount);
        QCOMPARE(m_progress.last(), QStringLiteral("100 100 %"));
        QCOMPARE(m_ends, 1);
        // The chooser starts where the user can write, proposing the usual name.
        QCOMPARE(m_platform->fileChoices.size(), 1);
        QCOMPARE(m_platform->fileChoices[0].fileName, QStringLiteral("PRN_Euro.txt"));
        QVERIFY(QFileInfo(m_platform->fileChoices[0].folder).isDir());
    }

    void progressText_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("expected"); // en_US
        QTest::newRow("first row") << 1 << "7.14285714285714 %";
        QTest::newRow("second row") << 2 << "14.2857142857143 %";
        QTest::newRow("last row") << 14 << "100 %";
        QTest::newRow("below") << -3 << "0 %";
        QTest::newRow("above") << 15 << "100 %";
    }
    void progressText()
    {
        QFETCH(int, current);
        QFETCH(QString, expected);
        QCOMPARE(PrintJob::ProgressText(current, CurrencyCount), Localized(expected));
    }

    // A cancel between two lines: both destinations keep what came before it.
    void cancelKeepsTheLinesSoFar()
    {
        start();
        m_platform->savePaths = {path("PRN_Euro.txt")};
        PrintJob job(*m_controller, nullptr);
        QCOMPARE(job.Print(PrintJob::ToBoth, window(21)), PrintJob::Outcome::Cancelled);
        QCOMPARE(m_platform->printed.size(), 1);
        const PrintedDocument &printed = *m_platform->printed[0];
        QVERIFY(printed.ended);
        QCOMPARE(printed.lines.size(), 11); // printer and file take turns, the printer first
        QCOMPARE(read(path("PRN_Euro.txt")).count("\r\n"), 10);
        QCOMPARE(m_progress.size(), 1); // the first row was done
        QCOMPARE(m_ends, 1);
    }

    // Nothing is printed, and nothing said, when a file choice is cancelled.
    // With no printer installed the printer writes a PDF file the user chooses.
    void choices_data()
    {
        QTest::addColumn<qint16>("destination");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("proposed");
        QTest::addColumn<QString>("pdf");
        QTest::newRow("file cancelled") << PrintJob::ToBoth << "Laser" << QStringList() << QStringList{"PRN_Euro.txt"}
                                        << "-";
        QTest::newRow("PDF cancelled") << PrintJob::ToPrinter << "" << QStringList() << QStringList{"PRN_Euro.pdf"}
                                       << "-";
        QTest::newRow("PDF chosen") << PrintJob::ToPrinter << "" << QStringList{"out.pdf"}
                                    << QStringList{"PRN_Euro.pdf"} << "out.pdf";
        QTest::newRow("both to PDF") << PrintJob::ToBoth << "" << QStringList{"PRN_Euro.txt", "out.pdf"}
                                     << QStringList{"PRN_Euro.txt", "PRN_Euro.pdf"} << "out.pdf";
        QTest::newRow("printer asks nothing") << PrintJob::ToPrinter << "Laser" << QStringList() << QStringList()
                                              << "";
    }
    void choices()
    {
        QFETCH(qint16, destination);
        QFETCH(QString, printer);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, proposed);
        QFETCH(QString, pdf);
        start();
        m_platform->printer = printer;
        for (const QString &answer : answers)
            m_platform->savePaths.append(path(answer.toUtf8()));
        PrintJob job(*m_controller, nullptr);
        const PrintJob::Outcome outcome = job.Print(destination, window());
        QStringList asked;
        for (const SaveFileChoice &choice : m_platform->fileChoices)
            asked.append(choice.fileName);
        QCOMPARE(asked, proposed);
        QVERIFY(m_platform->messages.isEmpty());
        if (pdf == QLatin1String("-")) {
            QCOMPARE(outcome, PrintJob::Outcome::NotStarted);
            QVERIFY(m_platform->printed.isEmpty());
            QCOMPARE(m_ends, 0);
            return;
        }
        QCOMPARE(outcome, PrintJob::Outcome::Completed);
        QCOMPARE(m_platform->printed[0]->document.pdfFile, pdf.isEmpty() ? QString() : path(pdf.toUtf8()));
    }

    // A PDF file that cannot be made is the user's to change; a printer that
    // refuses is an error of the run.
    void printerRefuses_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("message");
        QTest::newRow("PDF") << "" << "The file '%1' cannot be written (Path/File access error).";
        QTest::newRow("printer") << "Laser" << "Error condition 57 with the description 'Device I/O error: Laser'";
    }
    void printerRefuses()
    {
        QFETCH(QString, printer);
        QFETCH(QString, message);
        start();
        m_platform->printer = printer;
        m_platform->printerRefuses = true;
        m_platform->savePaths = {path("PRN_Euro.txt"), path("out.pdf")};
        QVERIFY(QFile(path("PRN_Euro.txt")).open(QIODevice::WriteOnly) && QFile(path("PRN_Euro.txt")).resize(7));
        PrintJob job(*m_controller, nullptr);
        QVERIFY(job.Print(PrintJob::ToBoth, window()) != PrintJob::Outcome::Completed);
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY2(m_platform->messages[0].text.startsWith(message.replace(QStringLiteral("%1"), path("out.pdf"))),
                 qPrintable(m_platform->messages[0].text));
        QCOMPARE(read(path("PRN_Euro.txt")), QByteArray(7, '\0'));
        QCOMPARE(m_ends, 0);
    }

    // Close and Print and Close keep the destination; Apply also writes it.
    void destination()
    {
        start();
        PrintJob job(*m_controller, nullptr);
        job.KeepDestination(PrintJob::ToBoth);
        QCOMPARE(m_controller->printDestination(), PrintJob::ToBoth);
        QVERIFY(!read(path("zkEuroChangeoverAdviser.ini")).contains("PrintDestination"));
        QVERIFY(job.ApplyDestination(PrintJob::ToFile));
        QVERIFY(read(path("zkEuroChangeoverAdviser.ini")).contains("[General]\r\nPrintDestination=1\r\n"));
        QCOMPARE(job.Caption(), QStringLiteral("Print - Number of pages: 1."));
        m_platform->printer.clear();
        QCOMPARE(job.DestinationCaption(PrintJob::ToBoth), QStringLiteral("both PDF printer\nand Plain text file..."));
    }

    // OK: the next print uses the values, the file keeps the old ones. Apply writes them.
    void pageSetup()
    {
        start("[PageSetup]\r\nFontName=Arial\r\nFontSize=13\r\n");
        PageSetupEditor editor(*m_controller, nullptr);
        QVERIFY(!editor.greekFont());
        QCOMPARE(editor.value(PageSetupEditor::Number::FontSize), 8);
        editor.setValue(PageSetupEditor::Number::FontSize, 99);
        editor.setValue(PageSetupEditor::Number::TopMargin, -1);
        editor.setGreekFont(true);
        editor.Keep();
        const QByteArray before = read(path("zkEuroChangeoverAdviser.ini"));
        PrintJob(*m_controller, nullptr).Print(PrintJob::ToPrinter, window());
        QCOMPARE(m_platform->printed[0]->document.pointSize, 12);
        QCOMPARE(m_platform->printed[0]->document.fontFamily, QStringLiteral("Courier New Greek"));
        QCOMPARE(read(path("zkEuroChangeoverAdviser.ini")), before);
        QVERIFY(editor.Apply());
        QVERIFY(read(path("zkEuroChangeoverAdviser.ini"))
                    .contains("[PageSetup]\r\nFontName=Courier New Greek\r\nFontSize=12\r\nTopMargin=0\r\n"));
        QCOMPARE(PageSetupEditor::RangeText(PageSetupEditor::Number::LinesPerPage), QStringLiteral("30 - 80"));
    }

    // The chooser starts at the root of the program's volume when the user can
    // write there, and in the documents folder (or home) otherwise.
    void chooserFolder()
    {
        const QString elsewhere = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QStringList fallback = {elsewhere, QDir::homePath()};
        QVERIFY(fallback.contains(FileChooserFolder(QStringLiteral("/proc/self")))); // read-only root
        QVERIFY(fallback.contains(FileChooserFolder(m_dir->filePath(QStringLiteral("gone")))));
        const QString here = FileChooserFolder(m_dir->path());
        QVERIFY(fallback.contains(here) || m_dir->path().startsWith(here));
    }
};

QTEST_MAIN(TestPrintJob)
#include "test_print_job.moc"
