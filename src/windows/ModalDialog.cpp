#include "windows/ModalDialog.h"

#include "app/SharedDialogs.h"

#include <QDialog>

int OpenModal(QDialog &dialog, QWidget *owner, const SharedDialogs &dialogs)
{
    if (dialogs.ending())
        return QDialog::Rejected;
    const int result = dialog.exec();
    ReturnFromModal(owner, dialogs);
    return dialogs.ending() ? int(QDialog::Rejected) : result;
}

void ReturnFromModal(QWidget *owner, const SharedDialogs &dialogs)
{
    if (dialogs.ending())
        return;
    dialogs.BringWindowToFront(owner);
    owner->update();
}
