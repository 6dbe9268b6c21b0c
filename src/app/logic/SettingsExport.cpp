#include "app/logic/SettingsExport.h"

#include "app/services/ErrorTrap.h"
#include "app/services/SharedDialogs.h"
#include "files/FileChecks.h"
#include "files/FileOperations.h"
#include "files/FolderIdentity.h"

SettingsExport::SettingsExport(SharedDialogs &dialogs, SettingsStore &settings, QString savedPathsFile)
    : SettingsTransfer(dialogs, settings, std::move(savedPathsFile),
                       {Setting::ExportIni, Setting::ExportSavedPaths, Setting::ExportFolder}, {"SEFL1000", "SEA1000"})
{
}

bool SettingsExport::usable(const QString &source) const
{
    // A file we may not read is not missing: the copy says why it fails.
    return FileExists(source);
}

TransferOutcome SettingsExport::exportFiles(QWidget *owner)
{
    // The same folder on disk, whatever the path says (a link, "..", letter
    // case that the file system ignores): copying a file onto itself could empty it.
    if (IsSameFolder(ownFolder(), folder())) {
        dialogs().ShowMessageBox(owner, Text(TextId::ExportTitle, language()),
                                 Text(TextId::ExportSameFolder, language()), MessageStyle::Critical);
        return TransferOutcome::StayOpen;
    }
    const QStringList sources = checkedSources(owner, TextId::ExportTitle, TextId::ExportMissingFile);
    if (sources.isEmpty())
        return TransferOutcome::StayOpen;
    const Failure copied = CopyOrMoveFiles(FileTransfer::Copy, sources, folder());
    dialogs().BringWindowToFront(owner);
    if (refusedAsNotRegular(owner, copied))
        return TransferOutcome::StayOpen;
    ErrorTrap trap(dialogs(), owner, QStringLiteral("SEE1000"));
    return trap.check(copied) ? TransferOutcome::Close : TransferOutcome::ProgramEnds;
}
