#include "windows/dialogs/PrintCommands.h"

#include "app/AppContext.h"
#include "app/Texts.h"
#include "platform/PlatformServices.h"
#include "windows/dialogs/frmPageSetup.h"
#include "windows/dialogs/frmPrint.h"

#include <QWidget>

namespace {

void BackToFront(AppContext &context, QWidget *owner)
{
    if (context.ending())
        return;
    context.dialogs().BringWindowToFront(owner);
    owner->update();
}

} // namespace

void OpenPageSetup(AppContext &context, QWidget *owner)
{
    {
        frmPageSetup dialog(context, owner);
        dialog.exec();
    }
    BackToFront(context, owner);
}

void OpenPrinterSetup(AppContext &context, QWidget *owner)
{
    context.platform().printerSetup(owner, Text(TextId::TipPrintSetup, context.app().GreekLanguage));
    BackToFront(context, owner);
}

void OpenPrint(AppContext &context, QWidget *owner)
{
    {
        frmPrint dialog(context, owner);
        dialog.exec();
    }
    BackToFront(context, owner);
}
