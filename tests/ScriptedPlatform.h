#pragma once

#include "platform/PlatformServices.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A document the scripted printer took: its lines, with "<new page>" between sheets.
struct PrintedDocument
{
    PrinterDocument document;
    QStringList lines;
    bool ended = false;
};

// The platform as tests see it: message boxes, the file and folder choosers
// answer from a script and are recorded, beeps are counted, the printer records
// its lines, paths are shown unshortened, and ending the program is only noted.
class ScriptedPlatform : public PlatformServices
{
public:
    struct Message
    {
        QString caption, text;
        MessageStyle style;
        QWidget *owner = nullptr;
    };

    explicit ScriptedPlatform(QString folder = QString())
        : m_folder(std::move(folder))
    {
    }

    QString programFolder() const override { return m_folder; }
    Instance otherInstanceRunning() override { return real ? real->otherInstanceRunning() : instance; }
    QString instanceLockPath() const override { return real ? real->instanceLockPath() : QString(); }
    void callOtherInstance() override {}
    void whenCalledByOtherInstance(std::function<void()>) override {}
    MessageAnswer messageBox(QWidget *owner, const QString &caption, const QString &text, MessageStyle style,
                             const MessageButtons &) override
    {
        messages.append({caption, text, style, owner});
        return !answers.isEmpty() ? answers.takeFirst() : AsksYesOrNo(style) ? MessageAnswer::No : MessageAnswer::Ok;
    }
    void bringToFront(QWidget *) override { ++broughtToFront; }
    void beep() override { ++beeps; }
    void endProgram() override { ended = true; }
    QStringList desktopLanguages() const override { return languages; }

    QString chooseSaveFile(QWidget *, const SaveFileChoice &choice) override
    {
        fileChoices.append(choice);
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    QString printerName() override { return printer; }
    QString printerFile() override { return QString(); }
    bool printerSetup(QWidget *, const QString &title) override
    {
        printerSetupTitles.append(title);
        printer = printerAfterSetup.isEmpty() ? printer : printerAfterSetup;
        return !printerAfterSetup.isEmpty();
    }
    PrinterMeasures measurePrinter(const QString &, int) override { return measures; }
    std::unique_ptr<PrinterSession> startPrinting(const PrinterDocument &document) override
    {
        if (real)
            return real->startPrinting(document);
        if (printerRefuses)
            return nullptr;
        printed.append(std::make_shared<PrintedDocument>(PrintedDocument{document, {}, false}));
        return std::make_unique<Session>(*printed.last(), whilePrinting);
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        started.append(QStringList{program} + arguments);
        return startSucceeds;
    }
    QString compactPathForLabel(const QWidget *, const QString &path) override { return path; }
    QString chooseFolder(QWidget *, const QString &startFolder, const QString &title) override
    {
        chooserStarts.append(startFolder);
        chooserTitles.append(title);
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    PlatformServices *real = nullptr; // when set, the lock and the printer are its own
    Instance instance = Instance::Alone;
    QList<MessageAnswer> answers; // answers to the next questions; No once they run out
    QList<Message> messages;
    int beeps = 0, broughtToFront = 0;
    bool ended = false;
    QStringList languages{QStringLiteral("en-US")}; // the desktop's interface languages

    QStringList savePaths; // answers of the file chooser; cancelled once they run out
    QList<SaveFileChoice> fileChoices;
    QString printer = QStringLiteral("Scripted");
    QString printerAfterSetup; // the printer the setup chooses; empty: the setup is cancelled
    QStringList printerSetupTitles;
    bool printerRefuses = false;
    PrinterMeasures measures; // none: every line fits the page as it is set up
    QList<std::shared_ptr<PrintedDocument>> printed;
    std::function<void()> whilePrinting; // after each printed line
    QList<QStringList> started;          // each program started, followed by its arguments
    bool startSucceeds = true;
    QStringList folders; // the folder chooser's next answers; cancelled once they run out
    QStringList chooserStarts, chooserTitles;

private:
    struct Session : PrinterSession
    {
        Session(PrintedDocument &document, const std::function<void()> &hook)
            : document(document)
            , hook(hook)
        {
        }
        void printLine(const QString &text) override
        {
            document.lines.append(text);
            if (hook)
                hook();
        }
        void newPage() override { document.lines.append(QStringLiteral("<new page>")); }
        bool end() override { return document.ended = true; }
        PrintedDocument &document;
        const std::function<void()> &hook;
    };

    QString m_folder;
};
