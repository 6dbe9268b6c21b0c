#include "TestFiles.h"
#include "Unprivileged.h"

#include "app/logic/PrintJob.h"
#include "app/services/AppContext.h"
#include "platform/InstanceLock.h"
#include "platform/OwnFolder.h"
#include "platform/QtPlatformServices.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>

namespace {

// The real printer's page and fonts, writing its PDF file and the text file into the test's folder: it answers as
// the PDF printer does, so that a printer set up here never prints on paper.
struct PdfPrinter : QtPlatformServices
{
    using QtPlatformServices::printer;
    QString printerName() override { return {}; }
    QString printerFile() override { return {}; }
    QString chooseSaveFile(QWidget *, const SaveFileChoice &choice) override { return folder + u'/' + choice.fileName; }
    std::unique_ptr<PrinterSession> startPrinting(const PrinterDocument &document) override
    {
        printed = document;
        return QtPlatformServices::startPrinting(document);
    }
    QString folder;
    PrinterDocument printed;
};

QString PdfToText(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments + QStringList{QStringLiteral("-")});
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

    QtPlatformServices m_platform;

private slots:
    // The lock and its socket lie in a folder of the user's alone: the runtime folder, else one in the cache
    // folder, never the shared temporary folder; what stands at the lock is named for what it is.
    void lockPlace_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<QString>("expected"); // where the lock lies (and its folder's mode), then the result
        const auto row = [](const char *name, const char *plant, const char *expected) {
            QTest::newRow(name) << QString(plant) << QString(expected);
        };
        row("the runtime folder", "runtime", "runtime 700 acquired");
        row("no runtime folder: one of the user's own in the cache", "cache", "cache 700 acquired");
        row("no runtime folder, no cache folder yet", "cache new", "cache 700 acquired");
        row("the cache's open to others: no lock", "cache 777", "none unavailable");
        row("the cache's a link: no lock", "cache link", "none unavailable");
        row("another user's folder not taken", "/usr", "none unavailable");
        row("a link to nothing not ours to remove", "dangling", "runtime 500 dangling link");
    }
    void lockPlace()
    {
        QFETCH(QString, plant);
        if ((plant == u"/usr" || plant == u"dangling") && RanUnprivileged())
            return;
        QTemporaryDir dir;
        const QString run = dir.filePath("run"), own = dir.filePath("cache/" + QCoreApplication::applicationName());
        const QByteArray run8 = QFile::encodeName(run), own8 = QFile::encodeName(own), temporary = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] { qputenv("TMPDIR", temporary); });
        // No runtime folder: none set, and the toolkit's fall-back, runtime-<user> in the temporary folder, in the way.
        qputenv("XDG_RUNTIME_DIR", plant == u"runtime" ? run8 : QByteArray());
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath("cache")));
        QVERIFY(QDir().mkpath(run) && ::chmod(run8.constData(), 0700) == 0
                && (plant == u"cache new" || QDir().mkpath(dir.filePath("cache")))
                && WriteFile(dir.filePath("runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name), ""));
        QVERIFY(plant != u"cache 777" || (QDir().mkdir(own) && ::chmod(own8.constData(), 0777) == 0));
        QVERIFY(plant != u"cache link" || QFile::link(run, own));
        QVERIFY(plant != u"dangling"
                || (QFile::link(run + "/nowhere", run + "/zkEuroChangeoverAdviser.lock")
                    && ::chmod(run8.constData(), 0500) == 0));

        // A folder another user owns, though no one else may write it; a runtime folder the user closed.
        const QString folder = plant == u"/usr" ? OwnFolder(plant)
            : plant == u"dangling"              ? run
                                                : InstanceLock::userFolder();
        const char *results[] = {"acquired", "held", "unavailable", "folder", "link", "special", "dangling link"};
        struct stat info = {};
        const QString where = folder == run ? "runtime" : folder == own ? "cache" : folder.isEmpty() ? "none" : folder;
        const QString mode = ::stat(QFile::encodeName(folder).constData(), &info) == 0
            ? QStringLiteral(" %1").arg(info.st_mode & 0777, 0, 8)
            : QString();
        QTEST(where + mode + u' ' + results[int(InstanceLock(folder).acquire())], "expected");
        ::chmod(run8.constData(), 0700);
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
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("WWWW")));
        label.setFixedWidth(metrics.horizontalAdvance(QString(characters, u'x')));
        QTEST(m_platform.compactPathForLabel(&label, path), "expected");
    }

    // The whole report line on the printable page, whatever the size, the left margin and the printer's
    // orientation: read back from the PDF, every line is the text file's at its columns, and nothing lies beyond
    // the printable width. The caption says how the page holds it.
    void reportHoldsItsWholeLine_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("margin");
        QTest::addColumn<bool>("landscape"); // as the printer is set up
        QTest::addColumn<double>("rate");    // of the additional currency; a wide one widens every line
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("printed"); // the orientation and size printed, and what the caption adds
        const Language en = Language::English, el = Language::Greek;
        QTest::newRow("8, no margin") << 8 << 0 << false << 0.0 << en << "portrait 8 ";
        QTest::newRow("8, margin 30") << 8 << 30 << false << 0.0 << el << "landscape 8 Οριζόντιος προσανατολισμός.";
        QTest::newRow("9, a wide rate") << 9 << 0 << false << 1e6 << en << "landscape 9 Landscape orientation.";
        QTest::newRow("10, margin 15") << 10 << 15 << false << 0.0 << en << "landscape 10 Landscape orientation.";
        QTest::newRow("12, margin 30") << 12 << 30 << false << 0.0 << el
                                       << "landscape 10 Οριζόντιος προσανατολισμός, μέγεθος 10.";
        QTest::newRow("12, margin 30, landscape") << 12 << 30 << true << 0.0 << en << "landscape 10 Size 10.";
    }
    void reportHoldsItsWholeLine()
    {
        QFETCH(int, size);
        QFETCH(int, margin);
        QFETCH(bool, landscape);
        QFETCH(double, rate);
        QFETCH(Language, language);
        QTemporaryDir dir;
        PdfPrinter platform;
        platform.folder = dir.path();
        platform.printer().setPageSize(QPageSize(QPageSize::A4));
        platform.printer().setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        AppContext context(platform);
        context.app().setLanguage(language);
        ConversionState state;
        state.CurrencyRates[OtherCurrencyIndex] = rate;
        context.conversion() = CurrentConversion(state);
        context.pageSetup() = {CourierNewGreek, qint16(size), 0, qint16(margin), 30};
        PrintJob job(context, nullptr);
        const QString caption = job.caption(PrintJob::ToBoth);
        QCOMPARE(job.print(PrintJob::ToBoth, {}), PrintJob::Outcome::Completed);
        const PrinterDocument &printed = platform.printed;
        QTEST(QStringLiteral("%1 %2 ").arg(printed.landscape ? "landscape" : "portrait").arg(printed.pointSize)
                  + caption.section(QStringLiteral(". "), 1),
              "printed");

        // Courier New advances 0.6 of its size a character.
        const QString pdf = dir.filePath(QStringLiteral("PRN_Euro.pdf")),
                      pitch = QString::number(0.6 * printed.pointSize);
        const QStringList lines = PdfToText({"-layout", "-fixed", pitch, pdf}).split(u'\n');
        const QStringList file =
            QString::fromUtf8(ReadFile(dir.filePath("PRN_Euro.txt"))).split(QStringLiteral("\r\n"));
        const QString edge(lines[1].indexOf(u'-'), u' '); // the rule starts after the margin, at the page's own edge
        for (qsizetype i = 0; i + 1 < file.size(); ++i)   // the file ends in a line end
            QCOMPARE(lines[i], file[i].isEmpty() ? QString() : edge + file[i]);
        QPageLayout page = platform.printer().pageLayout();
        page.setOrientation(printed.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        for (const auto &word : QRegularExpression("xMax=\"([0-9.]+)\"").globalMatch(PdfToText({"-bbox", pdf})))
            QVERIFY2(word.captured(1).toDouble() <= page.paintRect(QPageLayout::Point).right(),
                     qPrintable(word.captured()));
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
