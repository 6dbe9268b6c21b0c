#pragma once

#include "app/logic/SettingsExport.h"
#include "windows/dialogs/SettingsTransferDialog.h"

// The export dialog: copies the program's settings file into a folder the user chooses.
class frmSettingsExport : public SettingsTransferDialog
{
    Q_OBJECT
public:
    frmSettingsExport(SharedDialogs &dialogs, SettingsStore &settings, QWidget *parent = nullptr);

protected:
    SettingsTransfer &model() override { return m_export; }
    TransferOutcome runAction() override { return m_export.exportFiles(this); }

private:
    SettingsExport m_export;
};
