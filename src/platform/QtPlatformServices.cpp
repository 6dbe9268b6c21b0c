#include "platform/QtPlatformServices.h"

#include "platform/InstanceLock.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QWidget>

#include <tuple>

namespace {

const QString Dots = QStringLiteral("...");

// The length of a cut that does not split a character made of two halves.
qsizetype WholeCharacters(const QString &text, qsizetype length)
{
    return length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate() ? length - 1 : length;
}

// Keeps the start of the path and its last part, as the shell's path
// compaction does: the name the user looks for stays readable.
QString CompactPath(const QString &path, int width, const QFontMetrics &metrics)
{
    const auto fits = [&](const QString &text) { return metrics.horizontalAdvance(text) <= width; };
    if (fits(path))
        return path;
    // The last part keeps the separator before it, and a folder's trailing one.
    const qsizetype end = path.endsWith(u'/') ? path.size() - 1 : path.size();
    const qsizetype cut = end > 0 ? path.lastIndexOf(u'/', end - 1) : -1;
    const QString tail = cut < 0 ? path : path.mid(cut);
    const QString head = cut < 0 ? QString() : path.left(cut);
    if (!fits(Dots + tail)) {
        // Not even the last part fits: as much of its start as does.
        for (qsizetype keep = WholeCharacters(tail, tail.size() - 1); keep > 0;
             keep = WholeCharacters(tail, keep - 1)) {
            if (fits(tail.left(keep) + Dots))
                return tail.left(keep) + Dots;
        }
        return Dots;
    }
    for (qsizetype keep = WholeCharacters(head, head.size() - 1); keep > 0; keep = WholeCharacters(head, keep - 1)) {
        if (fits(head.left(keep) + Dots + tail))
            return head.left(keep) + Dots + tail;
    }
    return Dots + tail;
}

// The width a label gives its text: without its margins, and without the
// indent a framed label puts before the text, kept after it too so that the
// text does not touch the frame.
int TextWidth(const QWidget *widget)
{
    int width = widget->contentsRect().width();
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        int indent = label->indent();
        if (indent < 0)
            indent = label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2 : 0;
        width -= 2 * (label->margin() + indent);
    }
    return width;
}

// Names a file's type after its suffix in the words the toolkit is given
// ("Αρχείο txt") once the program gives it words of another language: the
// system describes types in the desktop's language, which need not be the
// program's. In English the system's descriptions stay.
class ChooserIconProvider : public QFileIconProvider
{
public:
    QString type(const QFileInfo &info) const override
    {
        const char *const context = "QAbstractFileIconProvider";
        const QString fileType = QCoreApplication::translate(context, "%1 File");
        if (!info.isFile() || fileType == QLatin1String("%1 File"))
            return QFileIconProvider::type(info);
        return info.suffix().isEmpty() ? QCoreApplication::translate(context, "File") : fileType.arg(info.suffix());
    }
};

// The toolkit's own chooser rather than the desktop's: it speaks the program's
// language, which need not be the desktop's. `types` outlives the dialog.
QString RunChooser(QFileDialog &dialog, ChooserIconProvider &types)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&types);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

QtPlatformServices::EarlyLock QtPlatformServices::lockEarly()
{
    // The toolkit takes the first thread that asks it for its thread for the
    // main one: this one asks before the helper does, or the application made
    // next would run its events on a thread the toolkit thinks is not its own.
    QThread::currentThread();
    return std::async(std::launch::async, [] {
        auto lock = std::make_unique<InstanceLock>();
        const InstanceLock::Result result = lock->acquire();
        return std::pair(std::move(lock), result);
    });
}

QtPlatformServices::QtPlatformServices(EarlyLock earlyLock)
    : m_earlyLock(std::move(earlyLock))
{
}

QtPlatformServices::~QtPlatformServices() = default;

QString QtPlatformServices::programFolder() const { return QCoreApplication::applicationDirPath(); }

PlatformServices::Instance QtPlatformServices::otherInstanceRunning()
{
    InstanceLock::Result result = InstanceLock::Result::Unavailable;
    if (m_earlyLock.valid()) {
        std::tie(m_instanceLock, result) = m_earlyLock.get();
    } else {
        if (!m_instanceLock)
            m_instanceLock = std::make_unique<InstanceLock>();
        result = m_instanceLock->acquire();
    }
    switch (result) {
    case InstanceLock::Result::Acquired:
        // A copy that cannot be called still runs; a later one only shows its notice.
        m_instanceLock->listen([this] {
            if (m_calledByOther)
                m_calledByOther();
        });
        return Instance::Alone;
    case InstanceLock::Result::HeldByOther:
        return Instance::OtherRunning;
    case InstanceLock::Result::Unavailable:
        break;
    case InstanceLock::Result::FolderInTheWay:
        return Instance::FolderInTheWay;
    case InstanceLock::Result::LinkInTheWay:
        return Instance::LinkInTheWay;
    case InstanceLock::Result::SpecialInTheWay:
        return Instance::SpecialInTheWay;
    case InstanceLock::Result::DanglingLinkInTheWay:
        return Instance::DanglingLinkInTheWay;
    }
    return Instance::Unavailable;
}

void QtPlatformServices::callOtherInstance()
{
    if (m_instanceLock)
        m_instanceLock->callHolder();
}

void QtPlatformServices::whenCalledByOtherInstance(std::function<void()> called)
{
    m_calledByOther = std::move(called);
}

QString QtPlatformServices::instanceLockPath() const { return m_instanceLock ? m_instanceLock->filePath() : QString(); }

MessageAnswer QtPlatformServices::messageBox(QWidget *owner, const QString &caption, const QString &text,
                                             MessageStyle style, const MessageButtons &buttons)
{
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (style) {
    case MessageStyle::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageStyle::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageStyle::Question:
    case MessageStyle::QuestionDefaultNo:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (AsksYesOrNo(style)) {
        QPushButton *yes = box.addButton(buttons.yes, QMessageBox::YesRole);
        QPushButton *no = box.addButton(buttons.no, QMessageBox::NoRole);
        box.setDefaultButton(style == MessageStyle::QuestionDefaultNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QPushButton *ok = box.addButton(buttons.ok, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtPlatformServices::bringToFront(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void QtPlatformServices::beep() { QApplication::beep(); }

void QtPlatformServices::endProgram()
{
    m_endRequested = true;
    // Leaves every event loop, the nested ones of open modal dialogs included;
    // the windows close when main() returns.
    QCoreApplication::exit(0);
}

QStringList QtPlatformServices::desktopLanguages() const { return systemLanguages(); }

QStringList QtPlatformServices::systemLanguages()
{
    // On Linux this follows LANGUAGE, then LC_ALL, LC_MESSAGES and LANG.
    return QLocale::system().uiLanguages();
}

QString QtPlatformServices::chooseSaveFile(QWidget *owner, const SaveFileChoice &choice)
{
    // The chooser asks before replacing a file that exists.
    ChooserIconProvider types;
    QFileDialog dialog(owner, choice.title, choice.folder, choice.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(choice.fileName);
    return RunChooser(dialog, types);
}

QPrinter &QtPlatformServices::printer()
{
    // Where no printer is installed Qt gives a PDF printer, so printing to a
    // PDF file is always possible.
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

QString QtPlatformServices::printerName()
{
    QPrinter &device = printer();
    return device.outputFormat() == QPrinter::PdfFormat ? QString() : device.printerName();
}

QString QtPlatformServices::printerFile()
{
    QPrinter &device = printer();
    return device.outputFormat() == QPrinter::PdfFormat ? device.outputFileName() : QString();
}

bool QtPlatformServices::printerSetup(QWidget *owner, const QString &title)
{
    QPrintDialog dialog(&printer(), owner);
    dialog.setWindowTitle(title);
    // The report chooses its own pages; the dialog chooses the printer, the paper and a file.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

// "Courier New Greek" was the Greek-coded twin of "Courier New"; a Unicode font
// serves both, so where the twin is not installed Courier New stands in, or its
// metric twin Liberation Mono. Whatever is found, a fixed-pitch font keeps the
// columns.
QFont ReportFont(const QString &family, int pointSize)
{
    const QString courierNew = QStringLiteral("Courier New");
    const bool installed = family == courierNew || QFontDatabase::hasFamily(family);
    QFont font(installed ? family : courierNew);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(pointSize);
    return font;
}

class QtPrinterSession final : public PrinterSession
{
public:
    explicit QtPrinterSession(QPrinter &printer)
        : m_printer(printer)
    {
    }
    ~QtPrinterSession() override { end(); }

    bool begin(const PrinterDocument &document)
    {
        m_device = &m_printer;
        QPageLayout layout = m_printer.pageLayout();
        if (document.landscape)
            layout.setOrientation(QPageLayout::Landscape);
        if (document.pdf) {
            // Laid out as the printer would lay it out: its paper and resolution.
            m_pdf = std::make_unique<QPdfWriter>(document.pdf);
            m_pdf->setTitle(document.name);
            m_pdf->setPageLayout(layout);
            m_pdf->setResolution(m_printer.resolution());
            m_device = m_pdf.get();
        } else {
            m_printer.setDocName(document.name);
            m_printer.setFullPage(false);
            // The orientation is this document's only: the next one is set as
            // the printer setup left it.
            m_restoreOrientation = m_printer.pageLayout().orientation();
            m_restore = true;
            m_printer.setPageOrientation(layout.orientation());
        }
        if (!m_painter.begin(m_device)) {
            restore();
            return false;
        }
        m_painter.setFont(ReportFont(document.fontFamily, document.pointSize));
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        m_ascent = metrics.ascent();
        m_lineSpacing = metrics.lineSpacing();
        const int resolution = m_pdf ? m_pdf->resolution() : m_printer.resolution();
        m_pageHeight = m_device->pageLayout().paintRectPixels(resolution).height();
        return true;
    }

    void printLine(const QString &text) override
    {
        if (!m_painter.isActive())
            return;
        if (m_y > 0 && m_y + m_lineSpacing > m_pageHeight)
            newPage();
        m_painter.drawText(QPointF(0, m_y + m_ascent), text);
        m_y += m_lineSpacing;
    }

    void newPage() override
    {
        if (m_painter.isActive() && m_device->newPage())
            m_y = 0;
    }

    bool end() override
    {
        if (!m_painter.isActive())
            return m_ended;
        m_ended = m_painter.end() && (m_pdf || m_printer.printerState() != QPrinter::Error);
        restore();
        return m_ended;
    }

private:
    void restore()
    {
        if (!m_restore)
            return;
        m_restore = false;
        m_printer.setPageOrientation(m_restoreOrientation);
    }

    QPrinter &m_printer;
    std::unique_ptr<QPdfWriter> m_pdf;
    QPagedPaintDevice *m_device = nullptr;
    QPainter m_painter;
    QPageLayout::Orientation m_restoreOrientation = QPageLayout::Portrait;
    bool m_restore = false;
    bool m_ended = false;
    qreal m_y = 0;
    qreal m_ascent = 0;
    qreal m_lineSpacing = 1;
    qreal m_pageHeight = 0;
};

} // namespace

PrinterMeasures QtPlatformServices::measurePrinter(const QString &fontFamily, int largestSize)
{
    QPrinter &device = printer();
    const QPageLayout layout = device.pageLayout();
    QPageLayout turned = layout;
    turned.setOrientation(QPageLayout::Landscape);
    PrinterMeasures measures{layout.orientation() == QPageLayout::Landscape,
                             double(layout.paintRectPixels(device.resolution()).width()),
                             double(turned.paintRectPixels(device.resolution()).width()),
                             {}};
    for (int size = 1; size <= largestSize; ++size)
        measures.advances.push_back(QFontMetricsF(ReportFont(fontFamily, size), &device).horizontalAdvance(u'0'));
    return measures;
}

std::unique_ptr<PrinterSession> QtPlatformServices::startPrinting(const PrinterDocument &document)
{
    auto session = std::make_unique<QtPrinterSession>(printer());
    if (!session->begin(document))
        return nullptr;
    return session;
}

bool QtPlatformServices::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString QtPlatformServices::compactPathForLabel(const QWidget *label, const QString &path)
{
    return CompactPath(path, TextWidth(label), label->fontMetrics());
}

QString QtPlatformServices::chooseFolder(QWidget *owner, const QString &startFolder, const QString &title)
{
    ChooserIconProvider types;
    QFileDialog dialog(owner, title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const QString folder = RunChooser(dialog, types);
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}
