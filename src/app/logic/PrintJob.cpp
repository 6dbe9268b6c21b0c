#include "app/logic/PrintJob.h"

#include "app/services/AppContext.h"
#include "app/services/ErrorTrap.h"
#include "app/services/FileChooserFolder.h"
#include "app/texts/Texts.h"
#include "core/NumberText.h"
#include "files/SafeFile.h"
#include "platform/PlatformServices.h"
#include "report/ReportFileWriter.h"
#include "report/ReportLines.h"
#include "report/ReportSteps.h"
#include "settings/IniAccess.h"

#include <algorithm>
#include <optional>

PrintJob::PrintJob(AppContext &context, QWidget *owner)
    : m_context(context)
    , m_owner(owner)
{
}

int PrintJob::pageCount() const { return ReportPageCount(CurrencyCount, m_context.pageSetup().LinesPerPage); }

QString PrintJob::caption(qint16 destination) const
{
    const Language language = m_context.app().language();
    const QString pages = Text(TextId::PrintCaption, language).arg(pageCount());
    const PageFit fit = destination == ToFile ? PageFit{} : pageFit();
    if (fit.turned)
        return pages + u' '
            + (fit.reduced ? Text(TextId::PrintFitLandscapeSize, language).arg(fit.pointSize)
                           : Text(TextId::PrintFitLandscape, language));
    if (fit.reduced)
        return pages + u' ' + Text(TextId::PrintFitSize, language).arg(fit.pointSize);
    return pages;
}

PageFit PrintJob::pageFit() const { return fitOf(steps(ReportForm::Printer)); }

QString PrintJob::destinationCaption(qint16 destination) const
{
    const Language language = m_context.app().language();
    QString printer = m_context.platform().printerName();
    if (printer.isEmpty())
        printer = Text(TextId::PrintPdfPrinterName, language);
    switch (destination) {
    case ToPrinter:
        return Text(TextId::PrintToPrinter, language).arg(printer);
    case ToFile:
        return Text(TextId::PrintToFile, language);
    default:
        return Text(TextId::PrintToBoth, language).arg(printer);
    }
}

void PrintJob::keepDestination(qint16 destination) { m_context.setPrintDestination(destination); }

bool PrintJob::applyDestination(qint16 destination)
{
    ErrorTrap trap(m_context.dialogs(), m_owner, QStringLiteral("PACE1000"));
    keepDestination(destination);
    trap.check(m_context.settings().edit(
        [destination](IniDocument &ini) { WriteIniLong(ini, Setting::PrintDestination, destination); }));
    return !trap.ended();
}

double PrintJob::progressPercent(int current, int total)
{
    if (total <= 0)
        return 0;
    return std::clamp(double(current) / double(total) * 100.0, 0.0, 100.0);
}

QString PrintJob::progressText(int current, int total, const QLocale &locale)
{
    return FormatDouble(progressPercent(current, total), locale) + QStringLiteral(" %");
}

std::vector<ReportStep> PrintJob::steps(ReportForms forms) const
{
    return m_context.conversion().reportSteps(m_context.app().language(), forms, m_context.pageSetup(),
                                              ReportDateTimeText());
}

PageFit PrintJob::fitOf(const std::vector<ReportStep> &steps) const
{
    // The longest line the printer prints, its left margin included.
    qsizetype longest = 0;
    for (const ReportStep &step : steps) {
        if (step.form == ReportForm::Printer)
            longest = std::max(longest, step.text.size());
    }
    const PageSetupValues &page = m_context.pageSetup();
    return FitReportPage(longest, page.FontSize, m_context.platform().measurePrinter(page.FontName, page.FontSize));
}

QString PrintJob::ChooseFile(const QString &title, const QString &fileName, const QString &filter) const
{
    const SaveFileChoice choice{title, FileChooserFolder(m_context.app().ProgramFolder), fileName, filter};
    const QString path = m_context.platform().chooseSaveFile(m_owner, choice);
    m_context.dialogs().BringWindowToFront(m_owner);
    return path;
}

void PrintJob::refuseFile(const QString &file, const Failure &failure) const
{
    // Not an unexpected error: the user chose a file that cannot be written,
    // and can simply choose another. A folder at fault is named too.
    const Language language = m_context.app().language();
    const QString reason =
        failure.path == file ? ErrorDescription(failure.code, language) : FailureDescription(failure, language);
    m_context.dialogs().ShowMessageBox(m_owner, m_context.app().ProgramTitle,
                                       Text(TextId::PrintFileUnwritable, language).arg(file, reason),
                                       MessageStyle::Exclamation);
}

PrintJob::Outcome PrintJob::print(qint16 destination, const Window &window)
{
    const AppValues &app = m_context.app();
    const Language language = app.language();
    PlatformServices &platform = m_context.platform();
    const bool toFile = destination == ToFile || destination == ToBoth;
    const bool toPrinter = destination == ToPrinter || destination == ToBoth;

    QString filePath;
    if (toFile) {
        filePath = ChooseFile(Text(TextId::PrintFileTitle, language), QStringLiteral("PRN_Euro.txt"),
                              Text(TextId::PrintFileFilter, language));
        if (filePath.isEmpty())
            return Outcome::NotStarted;
    }
    QString chosenPdf;
    if (toPrinter && platform.printerName().isEmpty() && platform.printerFile().isEmpty()) {
        chosenPdf = ChooseFile(Text(TextId::PrintPdfTitle, language), QStringLiteral("PRN_Euro.pdf"),
                               Text(TextId::PrintPdfFilter, language));
        if (chosenPdf.isEmpty())
            return Outcome::NotStarted;
    }

    // Both destinations are made ready before anything is printed, so that a
    // file that cannot be written stops the run with nothing printed.
    std::optional<ReportFileWriter> file;
    if (toFile) {
        file.emplace(filePath);
        if (const Failure failure = file->open(); failure.failed()) {
            refuseFile(filePath, failure);
            return Outcome::NotStarted;
        }
    }
    ReportForms forms;
    forms.setFlag(ReportForm::Printer, toPrinter);
    forms.setFlag(ReportForm::File, toFile);
    const std::vector<ReportStep> steps = this->steps(forms);

    // A PDF file, chosen here or in the printer setup, is written whole or not at all.
    const QString pdfPath = toPrinter && chosenPdf.isEmpty() ? platform.printerFile() : chosenPdf;
    std::optional<SafeFile> pdf;
    if (!pdfPath.isEmpty()) {
        pdf.emplace(pdfPath);
        if (!pdf->open()) {
            refuseFile(pdfPath, pdf->failure());
            return Outcome::NotStarted;
        }
    }
    ErrorTrap trap(m_context.dialogs(), m_owner, QStringLiteral("PCE1000"));
    std::unique_ptr<PrinterSession> printer;
    if (toPrinter) {
        // The size and orientation that hold the whole line, for this run only.
        const PageFit fit = fitOf(steps);
        printer = platform.startPrinting(
            {app.ProgramTitle, m_context.pageSetup().FontName, fit.pointSize, pdf ? &*pdf : nullptr, fit.landscape});
        if (!printer) {
            if (pdf) {
                refuseFile(pdfPath, {ErrorCode::PathFileAccess, pdfPath});
                return Outcome::NotStarted;
            }
            trap.check(Failure{ErrorCode::DeviceIo, platform.printerName()});
            return Outcome::Failed;
        }
    }

    if (window.starts)
        window.starts();
    bool cancelled = false;
    bool failed = false;
    bool pdfFailed = false;
    int rowsDone = 0;
    for (const ReportStep &step : steps) {
        if (window.yieldToEvents)
            window.yieldToEvents();
        if (trap.ended())
            break;
        if (window.cancelRequested && window.cancelRequested()) {
            cancelled = true;
            break;
        }
        if (step.form == ReportForm::Printer) {
            if (step.kind == ReportStep::Kind::NewPage)
                printer->newPage();
            else
                printer->printLine(step.text);
            if (pdf && !pdfFailed && pdf->failure().failed()) {
                // The old PDF stays as it was; the text file, if any, goes on.
                failed = pdfFailed = true;
                if (!trap.check(pdf->failure()))
                    break;
            }
        } else if (file) {
            if (const Failure failure = file->writeLine(step.text); failure.failed()) {
                // The old file stays as it was; the printer, if any, goes on.
                failed = true;
                file.reset();
                if (!trap.check(failure))
                    break;
            }
        }
        if (step.endsRow && window.progress) {
            ++rowsDone;
            window.progress(qRound(progressPercent(rowsDone, CurrencyCount)), progressText(rowsDone, CurrencyCount));
        }
    }

    // The end of every run, a cancelled one too: what was written so far
    // replaces the file, and what was printed so far is output.
    if (file) {
        if (const Failure failure = file->commit(); failure.failed()) {
            failed = true;
            trap.check(failure);
        } else if (window.saved) {
            window.saved(filePath);
        }
    }
    const bool printed = !printer || printer->end();
    if (!printed) {
        failed = true;
        trap.check(Failure{ErrorCode::DeviceIo, pdf ? pdfPath : platform.printerName()});
    }
    // The PDF takes its file's place only once the whole document went into it.
    if (pdf && printed && !pdfFailed) {
        if (const Failure failure = pdf->commit(); failure.failed()) {
            failed = true;
            trap.check(failure);
        } else if (window.saved) {
            window.saved(pdfPath);
        }
    }
    if (window.ends)
        window.ends();
    if (failed || trap.ended())
        return Outcome::Failed;
    return cancelled ? Outcome::Cancelled : Outcome::Completed;
}
