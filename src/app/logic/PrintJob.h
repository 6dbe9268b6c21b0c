#pragma once

#include "core/ErrorCode.h"
#include "report/PageFit.h"
#include "report/ReportSteps.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <vector>

class AppContext;
class QWidget;

// The print dialog's logic, without its widgets: the page count and the
// captions, the destination the dialog keeps or writes, and the print run.
class PrintJob
{
public:
    // The destinations, numbered as the dialog's options and the settings file number them.
    static constexpr qint16 ToPrinter = 0;
    static constexpr qint16 ToFile = 1;
    static constexpr qint16 ToBoth = 2;

    // What a run needs of the window that shows it. Each may be left empty.
    struct Window
    {
        std::function<void()> starts;          // the window becomes busy: controls disabled, cancel enabled
        std::function<void()> ends;            // and idle again, however the run ended
        std::function<void()> yieldToEvents;   // pending events run, so the cancel button works
        std::function<bool()> cancelRequested; // read before every line
        std::function<void(int fill, const QString &text)> progress; // fill 0 to 100
        std::function<void(const QString &path)> saved;              // a file written whole: the report file, the PDF
    };

    enum class Outcome {
        NotStarted, // no file chosen, or a chosen file that cannot be written: nothing printed
        Completed,
        Cancelled, // the lines so far were printed and written
        Failed,    // a failure was reported on the way
    };

    PrintJob(AppContext &context, QWidget *owner);

    // Pages of the report with the current page setup.
    int pageCount() const;
    // "Print - Number of pages: 1.", and when the destination takes in the
    // printer and the report's line does not fit the page as it is set up, how
    // the print holds it: "Landscape orientation, size 9."
    QString caption(qint16 destination) const;
    // How the next print sets the report on the printer's page.
    PageFit pageFit() const;
    // The caption of a destination option, naming the current printer.
    QString destinationCaption(qint16 destination) const;

    // Close and Print and Close keep the destination for the running program.
    void keepDestination(qint16 destination);
    // Apply keeps it and writes it to the settings file; a failed write is
    // reported under "PACE1000". False when the program is ending.
    bool applyDestination(qint16 destination);

    // The run: asks for the file (and, with no printer installed, for the PDF
    // file), then prints the report line by line, yielding and checking for a
    // cancel before every line. The printer document is always ended and the
    // file always committed, also after a cancel; a PDF file takes the place of
    // the chosen one only once its document was ended whole. Failures go to
    // "PCE1000", and a run with one never counts as completed.
    Outcome print(qint16 destination, const Window &window);

    // The progress after `current` of `total` rows: the percentage, within 0
    // and 100, unrounded in the regional general number format, then " %".
    static double progressPercent(int current, int total);
    static QString progressText(int current, int total, const QLocale &locale = QLocale());

private:
    std::vector<ReportStep> steps(ReportForms forms) const;
    PageFit fitOf(const std::vector<ReportStep> &steps) const;
    QString ChooseFile(const QString &title, const QString &fileName, const QString &filter) const;
    void refuseFile(const QString &file, const Failure &failure) const;

    AppContext &m_context;
    QWidget *m_owner;
};
