#include "files/FileSystemCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileSystem {

namespace {

QByteArray Native(const QString &path) { return QFile::encodeName(path); }

} // namespace

QString FolderOf(const QString &path)
{
    return QFileInfo(QDir::cleanPath(QFileInfo(path).absoluteFilePath())).absolutePath();
}

std::optional<Identity> IdentityOf(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || ::stat(Native(path).constData(), &info) != 0)
        return std::nullopt;
    return Identity{info.st_dev, info.st_ino};
}

std::optional<Identity> EntryIdentityOf(const QString &path)
{
    struct stat info;
    if (path.isEmpty() || ::lstat(Native(path).constData(), &info) != 0)
        return std::nullopt;
    return Identity{info.st_dev, info.st_ino};
}

ErrorCode CodeOfErrno(int error, const QString &path)
{
    switch (error) {
    case 0:
        return ErrorCode::None;
    case ENOENT:
        return QFileInfo(FolderOf(path)).isDir() ? ErrorCode::FileNotFound : ErrorCode::PathNotFound;
    case ENOTDIR:
        return ErrorCode::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return ErrorCode::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // beyond the largest file we may write: as full as a full disk
        return ErrorCode::DiskFull;
    case EIO:
        return ErrorCode::DeviceIo;
    case EEXIST:
    case ENOTEMPTY:
        return ErrorCode::FileAlreadyExists;
    default: // a folder where a file should be, a name too long, a loop of links...
        return ErrorCode::PathFileAccess;
    }
}

ErrorCode WriteAll(int descriptor, const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? CodeOfErrno(errno, QString()) : ErrorCode::DiskFull;
        data += written;
        size -= std::size_t(written);
    }
    return ErrorCode::None;
}

ErrorCode CodeOfFileError(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::NoError:
        return ErrorCode::None;
    case QFileDevice::ResourceError: // how Qt reports ENOSPC
        return ErrorCode::DiskFull;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return ErrorCode::DeviceIo;
    case QFileDevice::PermissionsError:
        return ErrorCode::PermissionDenied;
    default:
        return ErrorCode::PathFileAccess;
    }
}

int OpenRegularFile(const QString &path, ErrorCode &error, Identity *identity)
{
    const QByteArray name = Native(path);
    struct stat info;
    // Looked at before opening, since opening a device can have effects of its own.
    if (path.isEmpty() || ::stat(name.constData(), &info) != 0) {
        error = path.isEmpty() ? ErrorCode::FileNotFound : CodeOfErrno(errno, path);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = ErrorCode::NotRegularFile;
        return -1;
    }
    // O_NONBLOCK: should a FIFO take the file's place in the meantime, open does not wait for a writer.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        error = CodeOfErrno(errno, path);
        return -1;
    }
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        error = ErrorCode::NotRegularFile;
        return -1;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (identity)
        *identity = Identity{info.st_dev, info.st_ino};
    error = ErrorCode::None;
    return descriptor;
}

ErrorCode CheckReplaceable(const QString &path, struct stat *entry)
{
    struct stat info = {};
    const QByteArray name = Native(path);
    if (path.isEmpty())
        return ErrorCode::FileNotFound;
    if (::lstat(name.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
            return ErrorCode::NotRegularFile;
        // A file the user made read-only is left alone, though the folder would let us replace it.
        if (S_ISREG(info.st_mode) && ::access(name.constData(), W_OK) != 0)
            return CodeOfErrno(errno, path);
    } else if (errno != ENOENT) {
        return CodeOfErrno(errno, path);
    } else {
        info.st_mode = 0;
    }
    // The new file is made in the folder, so the folder must let us write.
    const QString folder = FolderOf(path);
    if (::access(Native(folder).constData(), W_OK | X_OK) != 0)
        return errno == ENOENT ? ErrorCode::PathNotFound : CodeOfErrno(errno, folder);
    if (entry)
        *entry = info;
    return ErrorCode::None;
}

ErrorCode MakeFolderPath(const QString &folder)
{
    if (folder.isEmpty())
        return ErrorCode::PathNotFound;
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder))
        return ErrorCode::None;
    // mkpath keeps no reason: look at the nearest part of the path that exists.
    QString existing = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath())
        existing = QFileInfo(existing).absolutePath();
    if (!QFileInfo(existing).isDir())
        return ErrorCode::PathNotFound; // a file stands where a folder should be
    if (::access(Native(existing).constData(), W_OK | X_OK) != 0)
        return CodeOfErrno(errno, existing);
    return ErrorCode::PathFileAccess;
}

} // namespace FileSystem
