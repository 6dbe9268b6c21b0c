#include "app/services/FileChooserFolder.h"

#include "app/services/SettingsLocation.h"

#include <QDir>
#include <QStandardPaths>
#include <QStorageInfo>

QString FileChooserFolder(const QString &programFolder)
{
    const QStorageInfo volume(programFolder);
    if (volume.isValid() && !volume.isReadOnly() && IsWritableFolder(volume.rootPath()))
        return volume.rootPath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}
