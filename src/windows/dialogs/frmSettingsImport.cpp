#include "windows/dialogs/frmSettingsImport.h"

#include "app/PathKeeping.h"
#include "app/SharedDialogs.h"

#include <QCheckBox>

frmSettingsImport::frmSettingsImport(SharedDialogs &dialogs, SettingsStore &settings, QWidget *parent)
    : SettingsTransferDialog(
        dialogs, "frmSettingsImport",
        {TextId::ImportTitle, TextId::ImportFrame, TextId::ImportFrom, TextId::ImportButton, "cmdImport"}, parent)
    , m_import(dialogs, settings, SavedPathsFile)
{
    m_chkDeleteAfterImporting = new QCheckBox(Text(TextId::ImportDeleteAfter, dialogs.app().language()), this);
    m_chkDeleteAfterImporting->setObjectName(QStringLiteral("chkDeleteAfterImporting"));
    addOption(m_chkDeleteAfterImporting);
    connect(m_chkDeleteAfterImporting, &QCheckBox::clicked, this, [this](bool checked) {
        m_import.deleteAfterClicked(checked);
        showState();
    });
    start();
}

void frmSettingsImport::showMore() { m_chkDeleteAfterImporting->setChecked(m_import.deleteAfter()); }
