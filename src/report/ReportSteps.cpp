#include "report/ReportSteps.h"

#include "report/ReportLines.h"

#include <algorithm>

namespace {

QString WithoutTrailingSpaces(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ')
        --end;
    return line.left(end);
}

} // namespace

int ReportRowsPerPage(int linesPerPage) { return std::max(1, linesPerPage - ReportLayout::HeaderLines); }

int ReportPageCount(int rowCount, int linesPerPage)
{
    const int rowsPerPage = ReportRowsPerPage(linesPerPage);
    return (std::max(rowCount, 0) + rowsPerPage - 1) / rowsPerPage;
}

std::vector<ReportStep> BuildReportSteps(const ReportModel &model, const ReportWords &words, const QString &dateTime,
                                         ReportForms forms, const PageSetupValues &page, const QLocale &locale)
{
    const bool printer = forms.testFlag(ReportForm::Printer);
    const bool file = forms.testFlag(ReportForm::File);
    const int rowsPerPage = ReportRowsPerPage(page.LinesPerPage);
    const int pages = ReportPageCount(int(model.size()), page.LinesPerPage);
    const QString margin(std::max<int>(page.LeftMargin, 0), u' ');

    std::vector<ReportStep> steps;
    const int pageStart = std::max<int>(page.TopMargin, 0) + ReportLayout::HeaderLines + 1;
    steps.reserve(std::size_t((printer ? pages * pageStart : 0) + (file ? ReportLayout::HeaderLines : 0))
                  + model.size() * ReportLayout::LinesPerRow * (printer && file ? 2 : 1));

    const auto add = [&](const QString &line, bool toPrinter, bool toFile) {
        QString text = WithoutTrailingSpaces(line);
        if (toPrinter)
            steps.push_back({ReportStep::Kind::Line, ReportForm::Printer, margin + text});
        if (toFile)
            steps.push_back({ReportStep::Kind::Line, ReportForm::File, std::move(text)});
    };

    // Every row is laid out for the widest number of the report, so the columns stay aligned.
    const ReportColumnGrowth growth = ReportColumnGrowthOf(model, locale);
    const std::array<QString, ReportLayout::HeaderLines> header = ReportHeaderLines(words, dateTime, growth);
    int rowCounter = rowsPerPage;
    int pageNumber = 0;
    for (const ReportRow &row : model) {
        if (rowCounter == rowsPerPage) {
            rowCounter = 0;
            ++pageNumber;
            if (printer) {
                if (pageNumber > 1)
                    steps.push_back({ReportStep::Kind::NewPage, ReportForm::Printer, QString()});
                for (int i = 0; i < page.TopMargin; ++i)
                    add(QStringLiteral(" "), true, false);
            }
            for (const QString &line : header)
                add(line, printer, file && pageNumber == 1);
        }
        for (const QString &line : ReportRowLines(row, words, locale, growth))
            add(line, printer, file);
        steps.back().endsRow = true;
        ++rowCounter;
    }
    return steps;
}

QStringList ReportFileTable(const ReportModel &model, const ReportWords &words, const QLocale &locale)
{
    const ReportColumnGrowth growth = ReportColumnGrowthOf(model, locale);
    QStringList table{WithoutTrailingSpaces(ReportColumnTitles(words, growth))};
    for (const ReportRow &row : model)
        table << WithoutTrailingSpaces(ReportRowLines(row, words, locale, growth).back());
    return table;
}
