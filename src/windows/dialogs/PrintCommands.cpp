#include "windows/dialogs/PrintCommands.h"

#include "app/MainController.h"
#include "app/Texts.h"
#include "platform/PlatformServices.h"
#include "windows/dialogs/frmPageSetup.h"
#include "windows/dialogs/frmPrint.h"

#include <QWidget>

namespace {

void BackToFront(MainController &controller, QWidget *owner)
{
    if (controller.ending())
        return;
    controller.dialogs().BringWindowToFront(owner);
    owner->update();
}

} // namespace

void OpenPageSetup(MainController &controller, QWidget *owner)
{
    {
        frmPageSetup dialog(controller, owner);
        dialog.exec();
    }
    BackToFront(controller, owner);
}

void OpenPrinterSetup(MainController &controller, QWidget *owner)
{
    controller.platform().printerSetup(owner, Text(TextId::TipPrintSetup, controller.app().GreekLanguage));
    BackToFront(controller, owner);
}

void OpenPrint(MainController &controller, QWidget *owner)
{
    {
        frmPrint dialog(controller, owner);
        dialog.exec();
    }
    BackToFront(controller, owner);
}
