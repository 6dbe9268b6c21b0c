#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QWidget;

// The icon and the buttons of a message box. The values are the classic style
// numbers, which the program's texts and its users know them by.
enum class MessageStyle {
    Critical = 16,          // OK, stop icon
    Exclamation = 48,       // OK, warning icon
    Information = 64,       // OK, information icon
    Question = 36,          // Yes and No, question icon
    QuestionDefaultNo = 292 // Yes and No, question icon, No is the default
};

// The button a message box was closed with.
enum class MessageAnswer {
    Ok = 1,
    Yes = 6,
    No = 7
};

constexpr bool AsksYesOrNo(MessageStyle style)
{
    return style == MessageStyle::Question || style == MessageStyle::QuestionDefaultNo;
}

// Button captions in the interface language: Qt ships no Greek translation of
// its own, so the program hands them over with every message.
struct MessageButtons
{
    QString ok;
    QString yes;
    QString no;
};

// A save-file choice: the caller's words, where the chooser starts and the name
// it proposes. The chooser asks before replacing an existing file.
struct SaveFileChoice
{
    QString title;
    QString folder;
    QString fileName;
    QString filter; // "All files (*)"
};

// A document for the program's printer, set in one fixed-pitch font.
struct PrinterDocument
{
    QString name;       // what the print queue shows
    QString fontFamily; // requested by name; a metric twin stands in where it is absent
    int pointSize = 8;
    // When set, this document goes as a PDF into this open device, laid out as
    // for the printer, and the printer is not touched. The caller owns the
    // device and decides what becomes of the bytes: a PDF file is written whole
    // or not at all, which a printer writing its own file cannot promise.
    QIODevice *pdf = nullptr;
    bool landscape = false; // this document in landscape, however the printer is set up
};

// What the printer measures, in its device units, so that the program can
// decide how its lines fit: the printable width as the printer is set up and
// turned to landscape, and the advance of one character of a fixed-pitch font.
struct PrinterMeasures
{
    bool landscape = false; // the printer is set up in landscape
    double width = 0;
    double landscapeWidth = 0;
    std::vector<double> advances; // advances[size - 1]: at `size` points; none when nothing was measured
};

// One document being printed: lines one under the other from the top of the
// printable area; a line that would leave the sheet starts a new one.
class PrinterSession
{
public:
    virtual ~PrinterSession() = default;
    virtual void printLine(const QString &text) = 0;
    virtual void newPage() = 0;
    // Ends the document, so that what was printed so far is output. False when
    // the printer did not take it.
    virtual bool end() = 0;
};

// Everything the program asks of the desktop and of the person in front of it.
// The program uses the Qt implementation; tests replace it with scripted
// answers, so that no test ever waits for a person.
class PlatformServices
{
public:
    virtual ~PlatformServices() = default;

    // The folder that holds the program.
    virtual QString programFolder() const = 0;

    // Whether another copy of the program is running for this user. The first
    // copy holds a lock for its whole life; a lock left by a crashed copy is
    // stale and taken over. Unavailable: no lock could be made at all, so
    // nothing keeps a second copy out. The InTheWay ones: what stands at the
    // lock's path is not a lock file and not safe to take away, so no lock
    // could be made either.
    enum class Instance {
        Alone,
        OtherRunning,
        Unavailable,
        FolderInTheWay,       // a folder that is not empty
        LinkInTheWay,         // a link to something that exists
        SpecialInTheWay,      // a FIFO, a socket or a device
        DanglingLinkInTheWay, // a link to nothing that this user may not remove
    };
    virtual Instance otherInstanceRunning() = 0;
    // After OtherRunning: asks the copy that runs to bring its window to the
    // front. Nothing else passes between the two copies.
    virtual void callOtherInstance() = 0;
    // What this copy does when a later copy calls it.
    virtual void whenCalledByOtherInstance(std::function<void()> called) = 0;
    // Where the lock lies, to name it when something is in its way.
    virtual QString instanceLockPath() const = 0;

    // Shows a message box owned by the window (or by none) and returns the answer.
    virtual MessageAnswer messageBox(QWidget *owner, const QString &caption, const QString &text, MessageStyle style,
                                     const MessageButtons &buttons) = 0;

    // Restores the window if minimised and makes it the active window.
    virtual void bringToFront(QWidget *window) = 0;

    // The system's beep, for a refused key.
    virtual void beep() = 0;

    // Ends the program: every window closes and every event loop is left, the
    // nested ones of open modal dialogs included.
    virtual void endProgram() = 0;

    // The desktop's interface languages, most preferred first, as BCP 47 names
    // ("el-GR", "en"). What a first start, with no language stored, follows.
    virtual QStringList desktopLanguages() const = 0;

    // The save-file chooser, owned by the window. Empty when the user cancelled.
    virtual QString chooseSaveFile(QWidget *owner, const SaveFileChoice &choice) = 0;

    // The program's one printer, made when it is first used. Its name; empty
    // when it writes PDF files (no printer is installed, or the printer setup
    // chose printing to a file).
    virtual QString printerName() = 0;
    // The PDF file the printer setup chose, if any.
    virtual QString printerFile() = 0;
    // The system's printer setup, with the caller's title. False when cancelled.
    virtual bool printerSetup(QWidget *owner, const QString &title) = 0;
    // The printer's measures with the font at the sizes 1 to largestSize points.
    virtual PrinterMeasures measurePrinter(const QString &fontFamily, int largestSize) = 0;
    // Starts a document; null when the printer cannot take one.
    virtual std::unique_ptr<PrinterSession> startPrinting(const PrinterDocument &document) = 0;
    // Starts another program in a process of its own that outlives this one,
    // without waiting for it; false when it could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;

    // The path shortened to the label's width in its font: a path that fits is
    // returned as it is; otherwise the middle gives way to "..." and the last
    // part (the file's or the folder's own name) stays whole while it fits.
    virtual QString compactPathForLabel(const QWidget *label, const QString &path) = 0;

    // Lets the user pick a folder, starting in startFolder, under the title
    // given. Returns the folder with a trailing separator, or empty when the
    // user cancelled.
    virtual QString chooseFolder(QWidget *owner, const QString &startFolder, const QString &title) = 0;
};
