#pragma once

#include "platform/InstanceLock.h"
#include "platform/PlatformServices.h"

#include <future>
#include <memory>
#include <utility>

class QPrinter;

// The platform services on a real desktop.
class QtPlatformServices : public PlatformServices
{
public:
    // The instance lock being taken on a helper thread, and what taking it gave.
    using EarlyLock = std::future<std::pair<std::unique_ptr<InstanceLock>, InstanceLock::Result>>;
    // Starts taking the instance lock before the toolkit starts: the lock file
    // is synced to the disk as it is made, and that wait then overlaps the
    // toolkit's own start instead of following it. Call it before the
    // QApplication exists, and hand what it gives to the platform, whose
    // otherInstanceRunning() takes the answer.
    static EarlyLock lockEarly();

    explicit QtPlatformServices(EarlyLock earlyLock = {});
    ~QtPlatformServices() override;

    QString programFolder() const override;
    Instance otherInstanceRunning() override;
    void callOtherInstance() override;
    void whenCalledByOtherInstance(std::function<void()> called) override;
    QString instanceLockPath() const override;
    MessageAnswer messageBox(QWidget *owner, const QString &caption, const QString &text, MessageStyle style,
                             const MessageButtons &buttons) override;
    void bringToFront(QWidget *window) override;
    void beep() override;
    void endProgram() override;
    QStringList desktopLanguages() const override;
    // The same without a platform: what the command line follows.
    static QStringList systemLanguages();

    QString chooseSaveFile(QWidget *owner, const SaveFileChoice &choice) override;
    QString printerName() override;
    QString printerFile() override;
    bool printerSetup(QWidget *owner, const QString &title) override;
    PrinterMeasures measurePrinter(const QString &fontFamily, int largestSize) override;
    std::unique_ptr<PrinterSession> startPrinting(const PrinterDocument &document) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    QString compactPathForLabel(const QWidget *label, const QString &path) override;
    QString chooseFolder(QWidget *owner, const QString &startFolder, const QString &title) override;

    // True once the program was asked to end. QCoreApplication::exit is lost
    // when no event loop runs yet, so main() looks at this before it starts one.
    bool endRequested() const { return m_endRequested; }

protected:
    // Printing is made ready only when it is first used: a QPrinter asks the
    // print system for its printers, which the start-up need not wait for.
    QPrinter &printer();

private:
    EarlyLock m_earlyLock;
    std::unique_ptr<InstanceLock> m_instanceLock;
    std::function<void()> m_calledByOther;
    bool m_endRequested = false;
    std::unique_ptr<QPrinter> m_printer;
};
