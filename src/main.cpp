#include "app/AppContext.h"
#include "platform/QtPlatformServices.h"
#include "windows/main/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QtPlatformServices platform;
    AppContext context(platform);
    // A second copy, or an error report answered Yes, ends the program before
    // any window exists.
    if (!context.startUp())
        return 0;
    frmMain window(context);
    window.show();
    // The first conversion runs as the window is shown, before the event loop:
    // ending there cannot leave a loop that has not started yet.
    if (platform.endRequested())
        return 0;
    const int result = QApplication::exec();
    return platform.endRequested() ? 0 : result;
}
