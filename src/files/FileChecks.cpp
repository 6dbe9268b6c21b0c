#include "files/FileChecks.h"

#include "files/FileSystemCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

ErrorCode GetFileAttributeFlags(const QString &path, FileAttributeFlags &flags)
{
    flags = {};
    if (path.isEmpty())
        return ErrorCode::FileNotFound;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return FileSystem::CodeOfErrno(errno, path);

    const QString fileName = QFileInfo(QDir::cleanPath(path)).fileName();
    flags.directory = S_ISDIR(info.st_mode);
    flags.hidden = fileName.startsWith(u'.') && fileName != u"." && fileName != u"..";
    flags.readOnly = ::access(name.constData(), W_OK) != 0;
    return ErrorCode::None;
}

bool FileExists(const QString &path)
{
    FileAttributeFlags flags;
    return GetFileAttributeFlags(path, flags) == ErrorCode::None && !flags.directory;
}

bool IsReadableRegularFile(const QString &path)
{
    ErrorCode error = ErrorCode::None;
    const int descriptor = FileSystem::OpenRegularFile(path, error);
    if (descriptor < 0)
        return false;
    ::close(descriptor);
    return true;
}
