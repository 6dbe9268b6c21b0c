#include "windows/dialogs/PrintCommands.h"

#include "app/services/AppContext.h"
#include "app/texts/Texts.h"
#include "platform/PlatformServices.h"
#include "windows/ModalDialog.h"
#include "windows/dialogs/frmPageSetup.h"
#include "windows/dialogs/frmPrint.h"

void OpenPageSetup(AppContext &context, QWidget *owner)
{
    frmPageSetup dialog(context, owner);
    OpenModal(dialog, owner, context.dialogs());
}

void OpenPrinterSetup(AppContext &context, QWidget *owner)
{
    context.platform().printerSetup(owner, Text(TextId::TipPrintSetup, context.app().language()));
    ReturnFromModal(owner, context.dialogs());
}

void OpenPrint(AppContext &context, QWidget *owner)
{
    frmPrint dialog(context, owner);
    OpenModal(dialog, owner, context.dialogs());
}
