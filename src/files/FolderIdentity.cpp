#include "files/FolderIdentity.h"

#include "files/FileSystemCalls.h"

#include <QDir>
#include <QFileInfo>

bool IsSameFolder(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    const QFileInfo firstInfo(first);
    const QFileInfo secondInfo(second);
    const QString firstCanonical = firstInfo.canonicalFilePath();
    if (!firstCanonical.isEmpty() && firstCanonical == secondInfo.canonicalFilePath())
        return true;

    const auto firstIdentity = FileSystem::IdentityOf(first);
    const auto secondIdentity = FileSystem::IdentityOf(second);
    if (firstIdentity || secondIdentity)
        return firstIdentity == secondIdentity;
    return QDir::cleanPath(firstInfo.absoluteFilePath()) == QDir::cleanPath(secondInfo.absoluteFilePath());
}
