#include "TestLocale.h"
#include "app/ReportTexts.h"
#include "app/Texts.h"
#include "core/NumberText.h"
#include "report/ReportFileWriter.h"
#include "report/ReportLines.h"
#include "report/ReportSteps.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ReportRow)
Q_DECLARE_METATYPE(ErrorCode)

namespace {

// A line with each text starting at its 1-based column and spaces between.
QString At(std::initializer_list<std::pair<int, QString>> texts)
{
    QString line;
    for (const auto &[column, text] : texts)
        line = line.leftJustified(column - 1, u' ') + text;
    return line;
}

Money Amount(const char *pointText) { return ParseAmount(Localized(pointText)).value(); }

ReportRow Row(const QString &name, double rate, int decimals, Money rounded, Money unrounded)
{
    return ReportRow{name, rate, decimals, ReportAmounts{rounded, unrounded}, false};
}

ReportRow Failed(const QString &name, double rate, bool source) { return ReportRow{name, rate, 2, {}, source}; }

ReportModel OneEuro(bool greek)
{
    std::array<QString, CurrencyCount> names;
    for (int slot = 0; slot < CurrencyCount; ++slot)
        names[std::size_t(slot)] = CurrencyCaption(slot, greek);
    ConversionState state;
    return BuildReportModel(Convert(state), state, names);
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void dataLine_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<ReportRow>("row");
        QTest::addColumn<QString>("expected"); // en_US number texts; swapped under el_GR
        const Money min = Money::minimum();
        QTest::newRow("GRD after 1 EUR")
            << false << Row("GRD - Greek Drachma", 340.75, 0, Amount("341"), Amount("340.75"))
            << At({{1, "GRD - Greek Drachma"}, {38, "340.75"}, {68, "341"}, {98, "340.75"}});
        QTest::newRow("EUR rate 1") << true << Row("EUR - Ευρώ", 1, 2, Amount("1"), Amount("1"))
                                    << At({{1, "EUR - Ευρώ"}, {40, "1"}, {70, "1.00"}, {100, "1"}});
        QTest::newRow("rate 10, zero") << false << Row("X", 10, 2, Money(), Money())
                                       << At({{1, "X"}, {39, "10"}, {70, "0.00"}, {100, "0"}});
        QTest::newRow("3 decimals") << true << Row("DEM", 1.95583, 3, Amount("1.956"), Amount("1.9558"))
                                    << At({{1, "DEM"}, {40, "1.95583"}, {70, "1.956"}, {100, "1.9558"}});
        // 1.0000005 is a half at the seventh decimal only as a decimal text; its double is just below.
        QTest::newRow("rate rounded on its decimals")
            << false << Row("Y", 1.0000005, 4, Amount("-0.5"), Amount("-0.5"))
            << At({{1, "Y"}, {40, "1.000001"}, {69, "-0.5000"}, {99, "-0.5"}});
        QTest::newRow("name cut at 30")
            << false << Row("Currency with a very long name indeed", 0, 2, Money(), Money())
            << At({{1, "Currency with a very long name"}, {40, "0"}, {70, "0.00"}, {100, "0"}});
        QTest::newRow("wide numbers grow left")
            << false << Row("Z", 1234567.891, 4, min, min)
            << At({{1, "Z"}, {36, "1,234,567.891"}, {56, "-922,337,203,685,477.5808"},
                   {87, "-922,337,203,685,477.5808"}});
        QTest::newRow("overflow") << false << Failed("EUR - Euro", 1, true)
                                  << At({{1, "EUR - Euro"}, {40, "1"}, {68, "Overflow"}, {98, "Overflow"}});
        QTest::newRow("undefined, Greek")
            << true << Failed("GRD", 340.75, false)
            << At({{1, "GRD"}, {38, "340.75"}, {63, "Απροσδιόριστο"}, {93, "Απροσδιόριστο"}});
    }

    void dataLine()
    {
        QFETCH(bool, greek);
        QFETCH(ReportRow, row);
        QFETCH(QString, expected);
        const auto lines = ReportRowLines(row, ReportWordsFor(greek));
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2].trimmed(), Localized(expected)); // no name here starts with a space
    }

    // The Greek header is in the file below, byte for byte.
    void englishHeader()
    {
        const ReportWords words = ReportWordsFor(false);
        const QString dateTime = QStringLiteral("Monday, January 6, 2025 - 10:00:00 AM UTC");
        const auto lines = ReportHeaderLines(words, dateTime);
        QCOMPARE(lines[0], words.title + QString(41, u' ') + dateTime);
        QCOMPARE(lines[3], At({{1, "Currency"}, {35, "Exchange rate"}, {62, "Rounded amount"}, {90, "Unrounded amount"}}));
        QCOMPARE(lines[4], At({{1, QString(30, u'-')}, {35, QString(13, u'-')}, {52, QString(24, u'-')},
                               {79, QString(27, u'-')}}));
        // A date-time text too long for the line keeps one space after the title.
        QCOMPARE(ReportHeaderLines(words, QString(90, u'9'))[0], words.title + u' ' + QString(90, u'9'));
        const QDateTime when(QDate(2025, 1, 6), QTime(10, 0), Qt::UTC);
        QCOMPARE(ReportDateTimeText(when, QLocale(QLocale::Greek, QLocale::Greece)),
                 QStringLiteral("Δευτέρα 6 Ιανουαρίου 2025 - 10:00:00 Π.Μ. UTC"));
    }

    // After an overflow the rows hold no numbers; the source row reports it.
    void modelAfterOverflow()
    {
        ConversionState state;
        state.CurrentAmount = Money::fromRaw(9223372036854770000);
        const ReportModel model = BuildReportModel(Convert(state), state, {});
        QVERIFY(model[0].source && !model[0].amounts && !model[1].source && !model[13].amounts);
    }

    // Printer form with a top margin of 1 and a left margin of 2.
    void pages_data()
    {
        QTest::addColumn<int>("forms");
        QTest::addColumn<int>("linesPerPage");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("summary"); // new pages, printer titles, file titles, steps
        const int printer = int(ReportForm::Printer), file = int(ReportForm::File);
        QTest::newRow("printer, 30") << printer << 30 << 1 << "0 1 0 48";
        QTest::newRow("file, 30") << file << 30 << 1 << "0 0 1 47";
        QTest::newRow("printer, 7 rows a page") << printer << 12 << 2 << "1 2 0 55";
        QTest::newRow("both, 7 rows a page") << (printer | file) << 12 << 2 << "1 2 1 102";
        QTest::newRow("no room for rows") << file << 5 << 14 << "0 0 1 47";
    }

    void pages()
    {
        QFETCH(int, forms);
        QFETCH(int, linesPerPage);
        QFETCH(int, pages);
        QFETCH(QString, summary);
        QCOMPARE(ReportPageCount(CurrencyCount, linesPerPage), pages);
        const PageSetupValues page{QString(), 8, 1, 2, qint16(linesPerPage)};
        const ReportWords words = ReportWordsFor(true);
        const QString title = words.title, margin(2, u' ');
        const auto steps = BuildReportSteps(OneEuro(true), words, "now", ReportForms::fromInt(forms), page);
        int counts[3] = {};
        int rowsEnded = 0;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const bool toPrinter = steps[i].form == ReportForm::Printer;
            // A row ends on its data line, in the last form the step list writes.
            if (steps[i].endsRow) {
                ++rowsEnded;
                QVERIFY(!steps[i].text.trimmed().isEmpty());
                QVERIFY(forms == int(ReportForm::Printer) || steps[i].form == ReportForm::File);
            }
            if (steps[i].kind == ReportStep::Kind::NewPage) {
                ++counts[0]; // then the top margin and the header again
                QVERIFY(steps[i + 1].text == margin && steps[i + 2].text.startsWith(margin + title));
                continue;
            }
            QVERIFY(steps[i].text.startsWith(toPrinter ? margin : QString()));
            QVERIFY(steps[i].text == margin || !steps[i].text.endsWith(u' '));
            counts[toPrinter ? 1 : 2] += steps[i].text.contains(title) ? 1 : 0;
        }
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(counts[0]).arg(counts[1]).arg(counts[2]).arg(steps.size()), summary);
        QCOMPARE(rowsEnded, CurrencyCount);
    }

    void fileByteForByte()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("PRN_Euro.txt"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(20000, 'x')) == 20000);
        old.close();
        ReportFileWriter writer(path);
        QCOMPARE(writer.open(), Failure());
        for (const ReportStep &step : BuildReportSteps(OneEuro(true), ReportWordsFor(true), QStringLiteral("τώρα"),
                                                       ReportForm::File, PageSetupValues()))
            QCOMPARE(writer.writeLine(step.text), Failure());
        QCOMPARE(ReadAll(path), QByteArray(20000, 'x')); // untouched until the commit
        QCOMPARE(writer.commit(), Failure());
        const QString expected = Localized(QString::fromUtf8(ReadAll(QFINDTESTDATA("one_euro_greek.txt"))));
        QCOMPARE(ReadAll(path), expected.toUtf8().replace("\n", "\r\n"));
    }

    void fileFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ErrorCode>("code");
        QTest::newRow("missing folder") << "missing/PRN_Euro.txt" << ErrorCode::PathNotFound;
        QTest::newRow("a folder") << "." << ErrorCode::PathFileAccess;
        QTest::newRow("folder not writable") << "/sys/PRN_Euro.txt" << ErrorCode::PermissionDenied;
    }

    void fileFailures()
    {
        QFETCH(QString, name);
        QFETCH(ErrorCode, code);
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(name);
        ReportFileWriter writer(path);
        QCOMPARE(writer.open(), (Failure{code, path}));
        writer.writeLine(QStringLiteral("x"));
        QCOMPARE(writer.commit(), (Failure{code, path})); // the first failure sticks
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "test_report.moc"
