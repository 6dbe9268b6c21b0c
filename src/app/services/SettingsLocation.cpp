#include "app/services/SettingsLocation.h"

#include "files/FileOperations.h"
#include "settings/SettingsTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool IsWritable(const QFileInfo &info)
{
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    // isWritable() asks the system (access()), which also knows about read-only
    // mounts and access lists; the bits catch what root was meant to leave alone.
    return info.isWritable() && (info.permissions() & anyWrite);
}

// The menu entry that the install rules put beside the program's bin folder.
bool IsInstalled(const QString &programFolder)
{
    return QFileInfo::exists(programFolder + QStringLiteral("/../share/applications/euro-changeover-adviser.desktop"));
}

} // namespace

bool IsWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && IsWritable(info);
}

SettingsPlace FindSettingsFile(const QString &programFolder, const QString &configFolder,
                               const QString &administratorsFile)
{
    const QString beside = QDir(programFolder).filePath(SettingsFileName);
    const QFileInfo besideInfo(beside);
    const bool portable = !IsInstalled(programFolder)
        && (IsWritableFolder(programFolder) || (besideInfo.isFile() && IsWritable(besideInfo)));
    if (configFolder.isEmpty() || portable)
        return {beside, QString()};
    const QString own = QDir(configFolder).filePath(SettingsFileName);
    if (QFileInfo::exists(own) || !QFileInfo::exists(administratorsFile))
        return {own, QString()};
    return {own, administratorsFile};
}

SettingsPlace ProgramSettingsFile(const QString &programFolder)
{
    return FindSettingsFile(programFolder, UserConfigFolder(), AdministratorsSettingsFile(programFolder));
}

SettingsPlace PrepareSettingsFile(const SettingsPlace &place)
{
    // The folder is made ready for the first write. The copy is made whole or
    // not at all, so an interrupted copy never leaves half a settings file
    // behind; a link the user put in its place is followed.
    const QString folder = QFileInfo(place.file).absolutePath();
    if (!QDir().mkpath(folder) || place.firstStart.isEmpty()
        || CopyOrMoveFiles(FileTransfer::Copy, {place.firstStart}, folder, LinkAtTarget::Followed).failed())
        return place;
    // The administrator's file is usually read-only; the user's copy must
    // take the user's changes.
    QFile::setPermissions(place.file, QFile::permissions(place.file) | QFile::ReadOwner | QFile::WriteOwner);
    return {place.file, QString()};
}

QString UserConfigFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

QString AdministratorsSettingsFile(const QString &programFolder)
{
    const QString own = UserConfigFolder();
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation)) {
        const QString file = QDir(folder).filePath(SettingsFileName);
        if (folder != own && QFileInfo(file).isFile())
            return file;
    }
    const QString beside = QDir(programFolder).filePath(SettingsFileName);
    return QFileInfo(beside).isFile() ? beside : QString();
}
