#include "windows/ModalDialog.h"

#include "app/services/SharedDialogs.h"
#include "windows/Resizer.h"

#include <QDialog>

int OpenModal(QDialog &dialog, QWidget *owner, const SharedDialogs &dialogs)
{
    if (dialogs.ending())
        return QDialog::Rejected;
    // It grows and shrinks with its user, and opens as large as its owner is.
    const Resizer *owners = Resizer::of(owner);
    Resizer::install(&dialog, owners ? owners->scale() : 1.0);
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
