#include "TestLocale.h"
#include "app/conversion/ReportTexts.h"
#include "app/texts/Texts.h"
#include "core/NumberText.h"
#include "report/ReportLines.h"
#include "report/ReportSteps.h"

#include <QRegularExpression>
#include <QtTest>

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

ReportRow Row(const QString &name, double rate, int decimals, const char *rounded, const char *unrounded)
{
    return ReportRow{name, rate, decimals, ReportAmounts{Amount(rounded), Amount(unrounded)}, false};
}

ReportModel model(qint16 source = 0, qint64 raw = Money::Scale, double otherRate = 0)
{
    std::array<QString, CurrencyCount> names;
    for (int slot = 0; slot < CurrencyCount; ++slot)
        names[std::size_t(slot)] = CurrencyCaption(slot, Language::Greek);
    ConversionState state;
    state.CurrentCurrency = source;
    state.CurrentAmount = Money::fromRaw(raw);
    state.CurrencyRates[OtherCurrencyIndex] = otherRate;
    return BuildReportModel(Convert(state), state, names);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void dataLine_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<ReportRow>("row");
        QTest::addColumn<QString>("expected"); // en_US number texts; swapped under el_GR
        const auto row = [](const char *name, Language language, const ReportRow &reportRow, const QString &expected) {
            QTest::newRow(name) << language << reportRow << expected;
        };
        // 1.0000005 is a half at the seventh decimal only as a decimal text; its double is just below.
        row("rate rounded on its decimals", Language::English, Row("Y", 1.0000005, 4, "-0.5", "-0.5"),
            At({{1, "Y"}, {40, "1.000001"}, {69, "-0.5000"}, {99, "-0.5"}}));
        // Cut at 30 without splitting the emoji's surrogate pair; the tab would shift the columns.
        row("name cut at 30", Language::English, Row("Currency\twith a very long nam😀 indeed", 0, 2, "0", "0"),
            At({{1, "Currency with a very long nam"}, {40, "0"}, {70, "0.00"}, {100, "0"}}));
        // After an overflow the row converted from reports it; the others have no result.
        const ReportModel overflowed = model(7, 9223372036854770000);
        row("overflow", Language::English, overflowed[7],
            At({{1, "GRD - Δραχμή Ελλάδος"}, {38, "340.75"}, {68, "Overflow"}, {98, "Overflow"}}));
        row("no result, Greek", Language::Greek, overflowed[0],
            At({{1, "EUR - Ευρώ"}, {40, "1"}, {63, "Απροσδιόριστο"}, {93, "Απροσδιόριστο"}}));
    }
    void dataLine()
    {
        QFETCH(Language, language);
        QFETCH(ReportRow, row);
        QFETCH(QString, expected);
        const auto lines = ReportRowLines(row, ReportWordsFor(language));
        QVERIFY(lines[0].isEmpty() && lines[1].isEmpty());
        QCOMPARE(lines[2].trimmed(), Localized(expected)); // no name here starts with a space
    }

    // A number wider than its field widens its column in every row, the title and the rule too: each column's
    // decimal separators stay in one column, and only then is a line longer than 105.
    void wideNumbersWidenTheirColumn_data()
    {
        QTest::addColumn<double>("rate"); // of the additional currency
        QTest::addColumn<int>("source");
        QTest::addColumn<qint64>("amount");   // ten-thousandths
        QTest::addColumn<QString>("columns"); // of the separators | where the column rule's and titles' parts end
        const qint64 one = Money::Scale, trillion = qint64(1e12) * one;
        QTest::newRow("1 EUR") << 0.0 << 0 << one << "41 71 101 | 30 47 75 105 | 8 47 75 105";
        QTest::newRow("a rate of a million") << 1e6 << 0 << one << "45 75 105 | 30 51 79 109 | 8 51 79 109";
        QTest::newRow("-100 trillion ITL") << 0.0 << 9 << -100 * trillion << "41 72 103 | 30 47 76 107 | 8 47 76 107";
    }
    void wideNumbersWidenTheirColumn()
    {
        QFETCH(double, rate);
        QFETCH(int, source);
        QFETCH(qint64, amount);
        const ReportModel report = model(qint16(source), amount, rate);
        const ReportWords words = ReportWordsFor(Language::English);
        const auto steps = BuildReportSteps(report, words, "", ReportForm::File, {});
        // The file's table is the file's own lines: its column titles, the column rule under them, and the line
        // that ends each row.
        const QStringList table = ReportFileTable(report, words);
        QStringList rows;
        QString rule;
        for (std::size_t i = 0; i + 1 < steps.size(); ++i)
            rule = steps[i].text == table[0] ? steps[i + 1].text : rule;
        for (const ReportStep &step : steps)
            if (step.endsRow)
                rows << step.text;
        QCOMPARE(table.mid(1), rows);
        QString separators(120, u' ');
        for (const QString &line : rows)
            for (qsizetype at = 30; (at = line.indexOf(QLocale().decimalPoint(), at + 1)) > 0;)
                separators[at] = u'.';
        QStringList columns;
        for (const QString &line : {separators, rule, table[0]}) { // parts apart by 3 spaces or more
            QStringList ends;
            for (const auto &part : QRegularExpression(QStringLiteral("\\S+( {1,2}\\S+)*")).globalMatch(line))
                ends << QString::number(part.capturedEnd());
            columns << ends.join(u' ');
        }
        QTEST(columns.join(QStringLiteral(" | ")), "columns");
    }

    void greekDate()
    {
        const QDateTime when(QDate(2025, 1, 6), QTime(10, 0), Qt::UTC);
        QCOMPARE(ReportDateTimeText(when, QLocale(QLocale::Greek, QLocale::Greece)),
                 QStringLiteral("Δευτέρα 6 Ιανουαρίου 2025 - 10:00:00 Π.Μ. UTC"));
    }

    // Printer form with a top margin of 1 and a left margin of 2.
    void pages_data()
    {
        QTest::addColumn<int>("forms");
        QTest::addColumn<int>("linesPerPage");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("summary"); // new pages, printer titles, file titles, steps
        const int printer = int(ReportForm::Printer), file = int(ReportForm::File);
        QTest::newRow("printer, 7 rows a page") << printer << 12 << 2 << "1 2 0 55";
        QTest::newRow("both, 7 rows a page") << (printer | file) << 12 << 2 << "1 2 1 102";
        QTest::newRow("no room for rows") << file << 5 << 14 << "0 0 1 47";
    }
    void pages()
    {
        QFETCH(int, forms);
        QFETCH(int, linesPerPage);
        QTEST(ReportPageCount(CurrencyCount, linesPerPage), "pages");
        const QString title = ReportWordsFor(Language::Greek).title, margin(2, u' ');
        const auto steps = BuildReportSteps(model(), ReportWordsFor(Language::Greek), "now",
                                            ReportForms::fromInt(forms), {QString(), 8, 1, 2, qint16(linesPerPage)});
        int counts[3] = {}, rowsEnded = 0;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const bool toPrinter = steps[i].form == ReportForm::Printer;
            if (steps[i].kind == ReportStep::Kind::NewPage) { // then the top margin and the header again
                ++counts[0];
                QVERIFY(steps[i + 1].text == margin && steps[i + 2].text.startsWith(margin + title));
                continue;
            }
            QCOMPARE(steps[i].text.startsWith(margin), toPrinter);
            QVERIFY(steps[i].text == margin || !steps[i].text.endsWith(u' '));
            counts[toPrinter ? 1 : 2] += steps[i].text.contains(title) ? 1 : 0;
            // A row ends on its data line, in the last form the step list writes.
            rowsEnded += steps[i].endsRow && !steps[i].text.trimmed().isEmpty()
                && (forms == int(ReportForm::Printer) || !toPrinter);
        }
        QTEST(QStringLiteral("%1 %2 %3 %4").arg(counts[0]).arg(counts[1]).arg(counts[2]).arg(steps.size()), "summary");
        QCOMPARE(rowsEnded, CurrencyCount);
    }
};

QTEST_APPLESS_MAIN(TestReport)
#include "test_report.moc"
