#include "windows/dialogs/frmSettingsImport.h"

#include "app/logic/PathKeeping.h"
#include "app/services/SharedDialogs.h"

#include <QCheckBox>
#include <QSignalBlocker>

frmSettingsImport::frmSettingsImport(SharedDialogs &dialogs, SettingsStore &settings, QWidget *parent)
    : SettingsTransferDialog(
        dialogs, "frmSettingsImport",
        {TextId::ImportTitle, TextId::ImportFrame, TextId::ImportFrom, TextId::ImportButton, "cmdImport"}, parent)
    , m_import(dialogs, settings, SavedPathsFile)
{
    m_chkDeleteAfterImporting = new QCheckBox(Text(TextId::ImportDeleteAfter, dialogs.app().language()), this);
    m_chkDeleteAfterImporting->setObjectName(QStringLiteral("chkDeleteAfterImporting"));
    addOption(m_chkDeleteAfterImporting);
    connect(m_chkDeleteAfterImporting, &QCheckBox::toggled, this, [this](bool checked) {
        m_import.deleteAfterClicked(checked);
        showState();
    });
    start();
}

void frmSettingsImport::showMore()
{
    const QSignalBlocker shown(m_chkDeleteAfterImporting); // the state already holds it
    m_chkDeleteAfterImporting->setChecked(m_import.deleteAfter());
}
