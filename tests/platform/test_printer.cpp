#include "ScriptedProgram.h"

#include "platform/QtPlatformServices.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real printer to a PDF file, read back with pdftotext in its layout mode at the font's pitch: the
// lines must come out column by column, one under the other, on one page.
class TestPrinter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QtPlatformServices m_platform;

private slots:
    void initTestCase()
    {
        if (!m_platform.printerName().isEmpty() || !m_platform.printerFile().isEmpty())
            QSKIP("a printer is set up here: a test never prints on paper");
    }

    void printerForm_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("size");
        QTest::newRow("Courier New, 8 points") << "Courier New" << 8;
        QTest::newRow("Courier New Greek, where it is missing, 9 points") << "Courier New Greek" << 9;
    }
    void printerForm()
    {
        QFETCH(QString, font);
        QFETCH(int, size);
        const QStringList expected =
            QString::fromUtf8(ReadFile(QFINDTESTDATA("../report/one_euro_greek.txt"))).split(u'\n');
        const QString pdf = m_dir.filePath(QStringLiteral("%1.pdf").arg(size));
        {
            const std::unique_ptr<PrinterSession> printer = m_platform.startPrinting({"Euro", font, size, pdf});
            QVERIFY(printer);
            for (const QString &line : expected)
                printer->printLine(line);
            QVERIFY(printer->end());
        }

        // Courier New and its metric twin advance 0.6 of the size per character;
        // the columns come out right only in a fixed-pitch font of that size.
        QProcess pdfToText;
        pdfToText.start(QStringLiteral("pdftotext"), {"-fixed", QString::number(0.6 * size), pdf, "-"});
        QVERIFY(pdfToText.waitForFinished());
        const QStringList lines = QString::fromUtf8(pdfToText.readAllStandardOutput()).split(u'\n');
        QCOMPARE(lines.filter(QStringLiteral("\f")).size(), 1);
        const QString edge(lines[1].indexOf(u'-'), u' ');   // the rule line starts at the page's own edge
        for (qsizetype i = 0; i + 1 < expected.size(); ++i) // the golden ends in a line end
            QCOMPARE(lines[i], expected[i].isEmpty() ? QString() : edge + expected[i]);
    }
};

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
