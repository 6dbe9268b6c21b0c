#include "windows/dialogs/frmSettingsExport.h"

#include "app/logic/PathKeeping.h"

frmSettingsExport::frmSettingsExport(SharedDialogs &dialogs, SettingsStore &settings, QWidget *parent)
    : SettingsTransferDialog(
        dialogs, "frmSettingsExport",
        {TextId::ExportTitle, TextId::ExportFrame, TextId::ExportTo, TextId::ExportButton, "cmdExport"}, parent)
    , m_export(dialogs, settings, SavedPathsFile)
{
    start();
}
