#include "app/SettingsLocation.h"

#include "files/FileOperations.h"
#include "settings/SettingsTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool IsWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    // isWritable() asks the system (access()), which also knows about read-only
    // mounts and access lists; the bits catch the folder root was meant to leave alone.
    return info.isDir() && info.isWritable() && (info.permissions() & anyWrite);
}

namespace {

// The menu entry that the install rules put beside the program's bin folder.
bool IsInstalled(const QString &programFolder)
{
    return QFileInfo::exists(programFolder + QStringLiteral("/../share/applications/euro-changeover-adviser.desktop"));
}

} // namespace

QString SettingsFilePath(const QString &programFolder, const QString &configFolder)
{
    const QString beside = QDir(programFolder).filePath(SettingsFileName);
    if (configFolder.isEmpty() || (IsWritableFolder(programFolder) && !IsInstalled(programFolder)))
        return beside;

    const QString own = QDir(configFolder).filePath(SettingsFileName);
    if (!QDir().mkpath(configFolder) || QFileInfo::exists(own) || !QFileInfo::exists(beside))
        return own;
    // Copied whole or not at all, so an interrupted copy never leaves half a
    // settings file behind.
    if (!CopyOrMoveFiles(FileTransfer::Copy, {beside}, configFolder).failed()) {
        // The administrator's file may be read-only; the user's copy must take
        // the user's changes.
        QFile::setPermissions(own, QFile::permissions(own) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return own;
}
