#include "TestFiles.h"

#include "app/AppContext.h"
#include "app/PrintJob.h"
#include "platform/InstanceLock.h"
#include "platform/QtPlatformServices.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The real printer set up for A4 paper, writing its PDF files and the text file into a folder of the test's.
class PdfPrinter : public QtPlatformServices
{
public:
    PdfPrinter(QString folder, bool landscape)
        : m_folder(std::move(folder))
    {
        printer().setPageSize(QPageSize(QPageSize::A4));
        printer().setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
    QString chooseSaveFile(QWidget *, const SaveFileChoice &choice) override
    {
        return QDir(m_folder).filePath(choice.fileName);
    }
    std::unique_ptr<PrinterSession> startPrinting(const PrinterDocument &document) override
    {
        printed = document;
        return QtPlatformServices::startPrinting(document);
    }
    // Where the printable area ends, in points from the paper's left edge.
    double printableRight(bool landscape)
    {
        QPageLayout layout = printer().pageLayout();
        layout.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        return layout.paintRect(QPageLayout::Point).right();
    }

    // One character's advance in the printed document, in points.
    QString pitch()
    {
        return QString::number(measurePrinter(printed.fontFamily, printed.pointSize).advances.back() * 72
                               / printer().resolution());
    }

    PrinterDocument printed;

private:
    QString m_folder;
};

QString PdfToText(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments + QStringList{QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QtPlatformServices m_platform;

private slots:
    // Two copies, and a lock left by a crashed copy, are tested in test_program with real copies.
    void staleLockTakenOver()
    {
        for (const char *contents : {"", "\177ELF\n\n"}) {
            QTemporaryDir dir;
            InstanceLock lock(dir.path());
            QVERIFY(WriteFile(lock.filePath(), contents));
            QCOMPARE(lock.acquire(), InstanceLock::Result::Acquired);
            QCOMPARE(InstanceLock(dir.path()).acquire(), InstanceLock::Result::HeldByOther);
        }
    }

    void compactPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("expected");
        const QString file = QStringLiteral("/home/user/backups/zkEuroChangeoverAdviser.ini");
        QTest::newRow("fits") << file << 46 << file;
        QTest::newRow("middle gives way") << file << 40 << "/home/use.../zkEuroChangeoverAdviser.ini";
        QTest::newRow("only the name fits") << file << 31 << ".../zkEuroChangeoverAdviser.ini";
        QTest::newRow("name cut at its end") << file << 12 << "/zkEuroCh...";
        QTest::newRow("folder keeps its name") << "/media/usb-stick/settings/" << 20 << "/media/.../settings/";
        QTest::newRow("no separator") << "zkEuroChangeoverAdviser.ini" << 10 << "zkEuroC...";
    }
    void compactPath()
    {
        QFETCH(QString, path);
        QFETCH(int, characters);
        QLabel label;
        label.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        const QFontMetrics metrics = label.fontMetrics();
        if (metrics.horizontalAdvance(QStringLiteral("iiii")) != metrics.horizontalAdvance(QStringLiteral("WWWW")))
            QSKIP("no fixed-pitch font");
        label.setFixedWidth(metrics.horizontalAdvance(QString(characters, u'x')));
        QTEST(m_platform.compactPathForLabel(&label, path), "expected");
    }

    // The whole report line on the printable page, whatever the size, the left margin and the printer's
    // orientation: read back from the PDF, every line is the text file's at its columns, and nothing lies beyond
    // the printable width. The caption says how the page holds it; the page setup keeps its size.
    void reportHoldsItsWholeLine_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("margin");
        QTest::addColumn<bool>("landscape"); // as the printer is set up
        QTest::addColumn<double>("rate");    // of the additional currency; a wide one widens every line
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("printed"); // the orientation and size printed, and what the caption adds
        const auto row = [](const char *name, int size, int margin, bool landscape, double rate, Language language,
                            const QString &printed) {
            QTest::newRow(name) << size << margin << landscape << rate << language << printed;
        };
        row("8, no margin", 8, 0, false, 0, Language::English, "portrait 8 ");
        row("8, margin 30", 8, 30, false, 0, Language::Greek, "landscape 8 Οριζόντια σελίδα.");
        row("9, a wide rate", 9, 0, false, 1e6, Language::English, "landscape 9 Landscape.");
        row("10, margin 15", 10, 15, false, 0, Language::English, "landscape 10 Landscape.");
        row("12, margin 30", 12, 30, false, 0, Language::Greek, "landscape 10 Οριζόντια σελίδα, μέγεθος 10.");
        row("12, margin 30, set up in landscape", 12, 30, true, 0, Language::English, "landscape 10 Size 10.");
    }
    void reportHoldsItsWholeLine()
    {
        QFETCH(int, size);
        QFETCH(int, margin);
        QFETCH(bool, landscape);
        QFETCH(double, rate);
        QFETCH(Language, language);
        QTemporaryDir dir;
        PdfPrinter platform(dir.path(), landscape);
        if (!platform.printerName().isEmpty() || !platform.printerFile().isEmpty())
            QSKIP("a printer is set up here: a test never prints on paper");
        AppContext context(platform);
        context.app().setLanguage(language);
        context.state().CurrencyRates[OtherCurrencyIndex] = rate;
        context.pageSetup() = {CourierNewGreek, qint16(size), 0, qint16(margin), 30};
        PrintJob job(context, nullptr);
        const QString caption = job.caption(PrintJob::ToBoth);
        QCOMPARE(job.print(PrintJob::ToBoth, {}), PrintJob::Outcome::Completed);
        const PrinterDocument &printed = platform.printed;
        QTEST(QStringLiteral("%1 %2 ").arg(printed.landscape ? "landscape" : "portrait").arg(printed.pointSize)
                  + caption.section(QStringLiteral(". "), 1),
              "printed");
        QCOMPARE(context.pageSetup().FontSize, size);

        const QString pdf = dir.filePath(QStringLiteral("PRN_Euro.pdf"));
        const QStringList file = QString::fromUtf8(ReadFile(dir.filePath(QStringLiteral("PRN_Euro.txt")))).split("\r\n");
        const QStringList lines = PdfToText({"-layout", "-fixed", platform.pitch(), pdf}).split(u'\n');
        const QString edge(lines[1].indexOf(u'-'), u' '); // the rule starts after the margin, at the page's own edge
        for (qsizetype i = 0; i + 1 < file.size(); ++i)  // the file ends in a line end
            QCOMPARE(lines[i], file[i].isEmpty() ? QString() : edge + file[i]);
        double right = 0;
        for (const QRegularExpressionMatch &word : QRegularExpression(QStringLiteral("xMax=\"([0-9.]+)\"")).globalMatch(
                 PdfToText({"-bbox", pdf})))
            right = std::max(right, word.captured(1).toDouble());
        QVERIFY2(right <= platform.printableRight(printed.landscape), qPrintable(QString::number(right)));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
