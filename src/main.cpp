#include "app/services/AppContext.h"
#include "app/services/CommandLine.h"
#include "files/FileSystemCalls.h"
#include "platform/QtPlatformServices.h"
#include "windows/ProgramStyle.h"
#include "windows/main/frmMain.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char *argv[])
{
    // Before anything opens a file or a display connection: neither may take the
    // number of a closed standard stream and receive what is meant for it.
    const int closed = FileSystem::OpenClosedStandardDescriptors();
    // Names the configuration folders, whatever the program file is called.
    QCoreApplication::setApplicationName(ProgramName);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine commandLine(arguments);
    if (!commandLine.opensWindow()) {
        // No window, so no display either: help, version, a conversion, or
        // why the window cannot open.
        QCoreApplication application(argc, argv);
        // An answer to a standard output that was closed is lost, as to a full disk.
        return commandLine.run(QCoreApplication::applicationDirPath(), QtPlatformServices::systemLanguages(),
                               closed & 2 ? -1 : STDOUT_FILENO, STDERR_FILENO);
    }

    // The instance lock is taken while the toolkit starts: its file's way to
    // the disk need not hold up the first frame.
    QtPlatformServices::EarlyLock lock = QtPlatformServices::lockEarly();
    QApplication application(argc, argv);
    ProgramStyle::use();
    QtPlatformServices platform(std::move(lock));
    AppContext context(platform);
    // A second copy, or an error report answered Yes, ends the program before
    // any window exists.
    if (!context.startUp())
        return 0;
    frmMain window(context);
    // A second copy, refused, calls this one to the front.
    platform.whenCalledByOtherInstance([&window] { window.comeToFront(); });
    window.show();
    // The first conversion runs as the window is shown, before the event loop:
    // ending there cannot leave a loop that has not started yet.
    if (platform.endRequested())
        return 0;
    const int result = QApplication::exec();
    return platform.endRequested() ? 0 : result;
}
