#include "app/services/SettingsLocation.h"

#include "files/FileOperations.h"
#include "settings/SettingsTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

SettingsPlace FindSettingsFile(const QString &programFolder, const QString &configFolder,
                               const QString &administratorsFile)
{
    if (configFolder.isEmpty() || (IsWritableFolder(programFolder) && !IsInstalled(programFolder)))
        return {QDir(programFolder).filePath(SettingsFileName), QString()};
    const QString own = QDir(configFolder).filePath(SettingsFileName);
    if (QFileInfo::exists(own) || !QFileInfo::exists(administratorsFile))
        return {own, QString()};
    return {own, administratorsFile};
}

QString SettingsFilePath(const QString &programFolder, const QString &configFolder, const QString &administratorsFile)
{
    const SettingsPlace place = FindSettingsFile(programFolder, configFolder, administratorsFile);
    const bool usersOwn = !configFolder.isEmpty() && place.file == QDir(configFolder).filePath(SettingsFileName);
    // Copied whole or not at all, so an interrupted copy never leaves half a
    // settings file behind.
    if (usersOwn && QDir().mkpath(configFolder) && !place.firstStart.isEmpty()
        && !CopyOrMoveFiles(FileTransfer::Copy, {place.firstStart}, configFolder).failed()) {
        // The administrator's file is usually read-only; the user's copy must
        // take the user's changes.
        QFile::setPermissions(place.file, QFile::permissions(place.file) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return place.file;
}

QString UserConfigFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation); }

QString AdministratorsSettingsFile()
{
    const QString own = UserConfigFolder();
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation)) {
        const QString file = QDir(folder).filePath(SettingsFileName);
        if (folder != own && QFileInfo(file).isFile())
            return file;
    }
    return QString();
}
