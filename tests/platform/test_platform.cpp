#include "TestFiles.h"

#include "platform/QtPlatformServices.h"

#include <QFontDatabase>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestPlatform : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QtPlatformServices m_platform;

private slots:
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
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        {
            // Into the device given, whatever printer may be set up here: a test never prints on paper.
            const std::unique_ptr<PrinterSession> printer = m_platform.startPrinting({"Euro", font, size, &file});
            QVERIFY(printer);
            for (const QString &line : expected)
                printer->printLine(line);
            QVERIFY(printer->end());
        }
        file.close();

        // Courier New advances 0.6 of the size a character: only that font at that size keeps the columns.
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

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
