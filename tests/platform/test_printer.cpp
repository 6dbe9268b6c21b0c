#include "TestLocale.h"

#include "app/MainController.h"
#include "app/PrintJob.h"
#include "app/ReportTexts.h"
#include "platform/QtPlatformServices.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The real printer, writing the PDF file its chooser names; nothing asks a person.
class PdfPlatform : public QtPlatformServices
{
public:
    explicit PdfPlatform(QString folder) : m_folder(std::move(folder)) { }
    QString programFolder() const override { return m_folder; }
    Instance otherInstanceRunning() override { return Instance::Alone; }
    MessageAnswer messageBox(QWidget *, const QString &, const QString &, MessageStyle, const MessageButtons &) override
    {
        return MessageAnswer::No;
    }
    void bringToFront(QWidget *) override { }
    QString chooseSaveFile(QWidget *, const SaveFileChoice &) override { return pdf; }
    QString pdf;

private:
    QString m_folder;
};

QString PdfToText(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments + QStringList{QStringLiteral("-")});
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// The distinct tops of the words, in points from the top of the page.
QList<double> LineTops(const QString &pdf)
{
    QList<double> tops;
    static const QRegularExpression top(QStringLiteral("yMin=\"([\\d.]+)\""));
    for (const QRegularExpressionMatch &match : top.globalMatch(PdfToText({QStringLiteral("-bbox"), pdf})))
        if (tops.isEmpty() || tops.last() != match.captured(1).toDouble())
            tops.append(match.captured(1).toDouble());
    return tops;
}

} // namespace

// The printer form, printed by the real printer to a PDF file and read back
// with pdftotext in its layout mode at the font's pitch: the text file's lines
// column by column, moved by the margins, on one page.
class TestPrinter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Prints the first conversion (1 EUR), in Greek, with the page setup.
    bool print(PdfPlatform &platform, const QString &pdf, const PageSetupValues &page)
    {
        platform.pdf = m_dir.filePath(pdf);
        MainController controller(platform);
        controller.StartUp();
        controller.SetLanguage(true);
        controller.ConvertCurrent(nullptr);
        controller.pageSetup() = page;
        return PrintJob(controller, nullptr).Print(PrintJob::ToPrinter, {}) == PrintJob::Outcome::Completed;
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void printerForm_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::newRow("no margins") << "Courier New" << 8 << 0 << 0;
        QTest::newRow("Greek font, margins") << "Courier New Greek" << 8 << 3 << 5;
        QTest::newRow("9 points, widest top margin") << "Courier New" << 9 << 20 << 1;
    }
    void printerForm()
    {
        QFETCH(QString, font);
        QFETCH(int, size);
        QFETCH(int, top);
        QFETCH(int, left);
        PdfPlatform platform(m_dir.path());
        if (!platform.printerName().isEmpty() || !platform.printerFile().isEmpty())
            QSKIP("a printer is set up here: a test never prints on paper");
        QVERIFY(print(platform, "plain.pdf", {font, qint16(size), 0, 0, 80}));
        QVERIFY(print(platform, "report.pdf", {font, qint16(size), qint16(top), qint16(left), 80}));
        QFile golden(QFINDTESTDATA("../report/one_euro_greek.txt"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        const QStringList expected = Localized(QString::fromUtf8(golden.readAll())).split(u'\n');

        // Courier New and its metric twin advance 0.6 of the size per character;
        // the columns come out right only in a fixed-pitch font of that size.
        const QString pitch = QString::number(0.6 * size);
        const QString plain = PdfToText({"-fixed", pitch, m_dir.filePath("plain.pdf")});
        const QStringList lines = PdfToText({"-fixed", pitch, m_dir.filePath("report.pdf")}).split(u'\n');
        QCOMPARE(lines.filter(QStringLiteral("\f")).size(), 1);
        const qsizetype page = plain.section(u'\n', 1, 1).indexOf(u'-'); // the rule line starts at the page's own edge
        QVERIFY(lines[0].startsWith(QString(page + left, u' ') + ReportWordsFor(true).title + "   "));
        for (qsizetype i = 1; i + 1 < expected.size(); ++i) { // the date and time aside; the golden ends in a line end
            const QString margin = expected[i].isEmpty() ? QString() : QString(page + left, u' ');
            QCOMPARE(lines[i], margin + expected[i]);
        }
        const QList<double> plainTops = LineTops(m_dir.filePath("plain.pdf"));
        const double lineSpacing = plainTops[1] - plainTops[0];
        QVERIFY(qAbs(LineTops(m_dir.filePath("report.pdf"))[0] - plainTops[0] - top * lineSpacing) < 0.5);
    }
};

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
