#include "platform/QtPlatformServices.h"
#include "windows/main/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QtPlatformServices platform;
    frmMain window(platform);
    if (platform.endRequested())
        return 0;
    window.show();
    const int result = QApplication::exec();
    return platform.endRequested() ? 0 : result;
}
