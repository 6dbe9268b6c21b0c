#pragma once

#include "app/logic/SettingsImport.h"
#include "windows/dialogs/SettingsTransferDialog.h"

class QCheckBox;

// The import dialog: copies a settings file from a folder the user chooses over
// the program's own, optionally moving the copy taken to the trash; importing
// the settings file ends the program.
class frmSettingsImport : public SettingsTransferDialog
{
    Q_OBJECT
public:
    frmSettingsImport(SharedDialogs &dialogs, SettingsStore &settings, QWidget *parent = nullptr);

protected:
    SettingsTransfer &model() override { return m_import; }
    TransferOutcome runAction() override { return m_import.importFiles(this); }
    void showMore() override;

private:
    SettingsImport m_import;
    QCheckBox *m_chkDeleteAfterImporting;
};
