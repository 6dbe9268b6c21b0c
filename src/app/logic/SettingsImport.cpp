#include "app/logic/SettingsImport.h"

#include "app/services/ErrorTrap.h"
#include "app/services/SharedDialogs.h"
#include "files/FileChecks.h"
#include "files/FileOperations.h"
#include "files/FolderIdentity.h"
#include "files/PathParts.h"
#include "settings/IniAccess.h"

#include <QFileInfo>

SettingsImport::SettingsImport(SharedDialogs &dialogs, SettingsStore &settings, QString savedPathsFile)
    : SettingsTransfer(dialogs, settings, std::move(savedPathsFile),
                       {Setting::ImportIni, Setting::ImportSavedPaths, Setting::ImportFolder}, {"SIFL1000", "SIA1000"})
{
}

void SettingsImport::deleteAfterClicked(bool checked)
{
    m_deleteAfter = checked;
    choiceChanged();
}

QString SettingsImport::sourceOf(TransferBox box) const
{
    // A file without a name gives the folder itself, which is never usable.
    return AddTrailingSeparator(folder()) + FileNamePart(ownFile(box));
}

bool SettingsImport::usable(const QString &source) const
{
    // A folder, a FIFO or a device of that name would hang or break off the copy.
    return IsReadableRegularFile(source);
}

QString SettingsImport::refusal(TransferBox box, const QString &source) const
{
    // The program would not read a settings file this large; taken, it would
    // stand in the way of every later start.
    const qint64 limit = IniDocument::MaximumFileSize;
    if (box != TransferBox::Ini || QFileInfo(source).size() <= limit)
        return {};
    return Text(TextId::ImportTooLarge, language()).arg(source).arg(limit / (1024 * 1024));
}

bool SettingsImport::availableAtLoad(TransferBox box) const { return !folder().isEmpty() && usable(sourceOf(box)); }

void SettingsImport::folderChosen()
{
    for (const TransferBox box : TransferBoxes) {
        if (usable(sourceOf(box)))
            setFile(box, {file(box).checked, true, ownFile(box)});
        else
            setFile(box, {});
    }
}

void SettingsImport::loadMore(const IniDocument &ini)
{
    m_deleteAfter = ReadIniBoolean(ini, Setting::ImportDeleteAfter);
}

void SettingsImport::applyMore(IniDocument &ini) { WriteIniBoolean(ini, Setting::ImportDeleteAfter, m_deleteAfter); }

TransferOutcome SettingsImport::importFiles(QWidget *owner)
{
    const QString title = Text(TextId::ImportTitle, language());
    if (IsSameFolder(folder(), ownFolder())) {
        dialogs().ShowMessageBox(owner, title, Text(TextId::ImportSameFolder, language()), MessageStyle::Critical);
        return TransferOutcome::StayOpen;
    }
    const QStringList sources = checkedSources(owner, TextId::ImportTitle, TextId::ImportMissingFile);
    if (sources.isEmpty())
        return TransferOutcome::StayOpen;
    const bool settingsFileImported = file(TransferBox::Ini).checked;
    if (settingsFileImported
        && dialogs().ShowMessageBox(owner, title, Text(TextId::ImportQuestion, language()), MessageStyle::Question)
            != MessageAnswer::Yes)
        return TransferOutcome::StayOpen;

    // Over the program's own files: a link the user put in their place stays.
    const Failure copied = CopyOrMoveFiles(FileTransfer::Copy, sources, ownFolder(), LinkAtTarget::Followed);
    dialogs().BringWindowToFront(owner);
    if (refusedAsNotRegular(owner, copied))
        return TransferOutcome::StayOpen;
    if (copied.failed()) {
        // Nothing is deleted and the program goes on; the dialog stays open for another try.
        ErrorTrap trap(dialogs(), owner, QStringLiteral("SII1000"));
        return trap.check(copied) ? TransferOutcome::StayOpen : TransferOutcome::ProgramEnds;
    }
    if (m_deleteAfter) {
        // The import is done whatever becomes of the copies; a failure is only told.
        const Failure deleted = DeleteFiles(sources);
        dialogs().BringWindowToFront(owner);
        if (deleted.failed())
            dialogs().ShowMessageBox(owner, title, FailureDescription(deleted, language()), MessageStyle::Exclamation);
    }
    if (!settingsFileImported)
        return TransferOutcome::Close;
    dialogs().ShowMessageBox(owner, title, Text(TextId::ImportShutDown, language()), MessageStyle::Exclamation);
    dialogs().endProgram();
    return TransferOutcome::ProgramEnds;
}
