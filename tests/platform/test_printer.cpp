#include "TestLocale.h"

#include "app/MainController.h"
#include "app/PrintJob.h"
#include "app/ReportTexts.h"
#include "platform/QtPlatformServices.h"
#include "report/ReportLines.h"
#include "report/ReportSteps.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The real printer, with every question answered: the file chooser names the
// PDF file, message boxes are only recorded.
class PdfPlatform : public QtPlatformServices
{
public:
    explicit PdfPlatform(QString folder) : m_folder(std::move(folder)) { }
    QString programFolder() const override { return m_folder; }
    Instance otherInstanceRunning() override { return Instance::Alone; }
    MessageAnswer messageBox(QWidget *, const QString &, const QString &text, MessageStyle,
                             const MessageButtons &) override
    {
        messages.append(text);
        return MessageAnswer::No;
    }
    void bringToFront(QWidget *) override { }
    QString chooseSaveFile(QWidget *, const SaveFileChoice &) override { return pdf; }

    QString pdf;
    QStringList messages;

private:
    QString m_folder;
};

QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(program);
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word
{
    QRectF box;
    QString text;
};

// Every word of the PDF with its box in points, page by page.
QList<QList<Word>> Words(const QString &pdf)
{
    QList<QList<Word>> pages;
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>|<page )re"));
    for (const QRegularExpressionMatch &m : word.globalMatch(Run(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"}))) {
        if (m.captured(1).isEmpty()) {
            pages.append(QList<Word>());
            continue;
        }
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        pages.last().append({QRectF(topLeft, bottomRight), m.captured(5)});
    }
    return pages;
}

// The lines of a page as a fixed-pitch font sets them, from the first word on:
// each word in the line and column its box says.
QStringList Lines(const QList<Word> &words, qreal advance)
{
    QStringList lines;
    const QPointF origin = words.value(0).box.topLeft();
    for (const Word &word : words) {
        const int line = qRound((word.box.top() - origin.y()) / word.box.height());
        const int column = qRound((word.box.left() - origin.x()) / advance);
        while (lines.size() <= line)
            lines.append(QString());
        lines[line] = lines[line].leftJustified(column, u' ') + word.text;
    }
    return lines;
}

} // namespace

// The printer form of the report, printed by the real printer to a PDF file and
// read back: the same lines as the text file, in a fixed-pitch font at the page
// setup's size, moved by the margins, on one page.
class TestPrinter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Prints the last conversion (1 EUR) to the PDF; the lines the file form would have.
    QStringList print(PdfPlatform &platform, bool greek, const PageSetupValues &page)
    {
        MainController controller(platform);
        if (!controller.StartUp())
            return {};
        controller.SetLanguage(greek);
        controller.ConvertCurrent(nullptr);
        controller.pageSetup() = page;
        PrintJob job(controller, nullptr);
        if (job.Print(PrintJob::ToPrinter, {}) != PrintJob::Outcome::Completed)
            return {};
        QStringList lines;
        std::array<QString, CurrencyCount> names;
        for (int slot = 0; slot < CurrencyCount; ++slot)
            names[std::size_t(slot)] = controller.rowTitle(slot);
        const ReportModel model = BuildReportModel(*controller.lastResult(), controller.state(), names);
        for (const ReportStep &step : BuildReportSteps(model, ReportWordsFor(greek), "-", ReportForm::File, page))
            lines.append(step.text);
        return lines;
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void printerForm_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::newRow("English, no margins") << false << "Courier New" << 8 << 0 << 0;
        QTest::newRow("Greek, margins") << true << "Courier New Greek" << 8 << 3 << 5;
        QTest::newRow("9 points, 80 lines a page, widest margins") << true << "Courier New" << 9 << 20 << 0;
    }

    void printerForm()
    {
        QFETCH(bool, greek);
        QFETCH(QString, font);
        QFETCH(int, size);
        QFETCH(int, top);
        QFETCH(int, left);
        PdfPlatform platform(m_dir.path());
        if (!platform.printerName().isEmpty() || !platform.printerFile().isEmpty())
            QSKIP("a printer is set up here: a test never prints on paper");

        // The same report without margins, to measure the margins against.
        platform.pdf = m_dir.filePath(QStringLiteral("plain.pdf"));
        const PageSetupValues plain{font, qint16(size), 0, 0, 80};
        QVERIFY(!print(platform, greek, plain).isEmpty());
        platform.pdf = m_dir.filePath(QStringLiteral("report.pdf"));
        const QStringList expected = print(platform, greek, {font, qint16(size), qint16(top), qint16(left), 80});
        QVERIFY(!expected.isEmpty());
        QVERIFY(platform.messages.isEmpty());

        // One page with the lines of the text file; the margins, the spaces at
        // the end and the date and time aside.
        QStringList text = Run(QStringLiteral("pdftotext"), {"-layout", platform.pdf, "-"}).split(u'\n');
        QCOMPARE(text.count(QStringLiteral("\f")), 1);
        text.removeAll(QStringLiteral("\f"));
        QCOMPARE(text.mid(1, expected.size() - 1).replaceInStrings(QRegularExpression(" +"), " "),
                 QStringList(expected.mid(1)).replaceInStrings(QRegularExpression(" +"), " "));

        // Column by column, in a fixed-pitch font at the chosen size, Greek and
        // Latin letters alike.
        const QList<QList<Word>> pages = Words(platform.pdf);
        QCOMPARE(pages.size(), 1);
        const auto rule = std::find_if(pages[0].begin(), pages[0].end(),
                                       [](const Word &word) { return word.text == QString(105, u'-'); });
        QVERIFY(rule != pages[0].end());
        const qreal advance = rule->box.width() / 105;
        QVERIFY(qAbs(advance / size - 0.6) < 0.005); // Courier New and its metric twin
        for (const Word &word : pages[0])
            QVERIFY2(qAbs(word.box.width() / word.text.size() - advance) < 0.01, qPrintable(word.text));
        const QStringList lines = Lines(pages[0], advance);
        QVERIFY(lines[0].startsWith(ReportWordsFor(greek).title + QStringLiteral("   ")));
        QCOMPARE(lines[0].size(), ReportLayout::Width);
        QCOMPARE(lines.mid(1), expected.mid(1, lines.size() - 1));
        QVERIFY(expected.mid(lines.size()).join(QString()).trimmed().isEmpty());

        // The margins move the whole report by whole lines and characters.
        const QList<QList<Word>> plainPages = Words(m_dir.filePath(QStringLiteral("plain.pdf")));
        const QRectF title = pages[0][0].box;
        const QRectF plainTitle = plainPages[0][0].box;
        const qreal lineSpacing = pages[0][0].box.height();
        QVERIFY(qAbs(title.left() - plainTitle.left() - left * advance) < 0.05);
        QVERIFY(qAbs(title.top() - plainTitle.top() - top * lineSpacing) < 0.5);
    }
};

QTEST_MAIN(TestPrinter)
#include "test_printer.moc"
