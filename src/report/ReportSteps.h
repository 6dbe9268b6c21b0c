#pragma once

#include "report/PageSetup.h"
#include "report/ReportModel.h"
#include "report/ReportWords.h"

#include <QFlags>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The two forms of the report. The printer form has its margins, a page header
// on every page and a new sheet per page; the file form has the header once and
// no margins.
enum class ReportForm : quint8 {
    Printer = 1,
    File = 2,
};
Q_DECLARE_FLAGS(ReportForms, ReportForm)
Q_DECLARE_OPERATORS_FOR_FLAGS(ReportForms)

// One step of a print run: a line for one form, or the start of a new printer
// sheet. A run emits the steps in order, one at a time, and can stop between any
// two of them; with both forms, each line comes for the printer and then for the
// file, so a cancelled run leaves both at the same place.
struct ReportStep
{
    enum class Kind : quint8 {
        Line,
        NewPage, // printer only, between pages; text is empty
    };
    Kind kind = Kind::Line;
    ReportForm form = ReportForm::File;
    QString text;         // trailing spaces removed; for the printer after LeftMargin spaces
    bool endsRow = false; // the last step of a currency row: the run's progress moves on
};

// Currency rows on one page: LinesPerPage less the five header lines, and at
// least one, whatever the page setup holds.
int ReportRowsPerPage(int linesPerPage);
// Pages of a report of rowCount rows (the print dialog announces it).
int ReportPageCount(int rowCount, int linesPerPage);

// Every step of a run to the chosen forms. The date-time text is taken once, so
// all pages of one report carry the same time.
std::vector<ReportStep> BuildReportSteps(const ReportModel &model, const ReportWords &words, const QString &dateTime,
                                         ReportForms forms, const PageSetupValues &page,
                                         const QLocale &locale = QLocale());

// The table of the report as its file holds it, without the page header's
// title and rules: the column titles, then the data line of every row, trailing
// spaces removed; laid out for the widest number as the whole report is.
QStringList ReportFileTable(const ReportModel &model, const ReportWords &words, const QLocale &locale = QLocale());
