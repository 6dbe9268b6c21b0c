#include "files/FileSystemCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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
    case ENAMETOOLONG:
        return ErrorCode::NameTooLong;
    default: // a folder where a file should be, a name too long, a loop of links...
        return ErrorCode::PathFileAccess;
    }
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

Failure CheckReplaceable(const QString &path, struct stat *entry, Replacement *how)
{
    struct stat info = {};
    const QByteArray name = Native(path);
    if (path.isEmpty())
        return {ErrorCode::FileNotFound, path};
    if (::lstat(name.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode))
            return {ErrorCode::NotRegularFile, path};
        // A file the user made read-only is left alone, though the folder would let us replace it.
        if (S_ISREG(info.st_mode) && ::access(name.constData(), W_OK) != 0)
            return {CodeOfErrno(errno, path), path};
    } else if (errno != ENOENT && errno != ENOTDIR) { // a missing folder is named below
        return {CodeOfErrno(errno, path), path};
    } else {
        info.st_mode = 0;
    }
    // A new file is made in the folder, so the folder must let us write, unless the file is rewritten where it is.
    const QString folder = FolderOf(path);
    const bool folderOpen = ::access(Native(folder).constData(), W_OK | X_OK) == 0;
    const int folderError = errno;
    const bool inPlace = how && S_ISREG(info.st_mode)
        && (info.st_nlink > 1 || info.st_uid != ::geteuid() || (!folderOpen && folderError == EACCES));
    if (!folderOpen && !inPlace)
        return {folderError == ENOENT ? ErrorCode::PathNotFound : CodeOfErrno(folderError, folder), folder};
    if (how)
        *how = inPlace ? Replacement::InPlace : Replacement::Rename;
    if (entry)
        *entry = info;
    return {};
}

QString LinkedFile(const QString &path)
{
    QString file = path;
    // As many links as the system itself follows before it calls it a loop.
    for (int links = 0; links <= 40; ++links) {
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t size = ::readlink(Native(file).constData(), target.data(), size_t(target.size()));
        if (size < 0)
            return file;
        const QString next = QFile::decodeName(target.left(size));
        file = QDir::cleanPath(QDir::isAbsolutePath(next) ? next : FolderOf(file) + u'/' + next);
    }
    return QString();
}

namespace {

const QByteArray AccessList = QByteArrayLiteral("system.posix_acl_access");

bool Carried(const QByteArray &name) { return name == AccessList || name.startsWith("user."); }

} // namespace

std::vector<Attribute> CarriedAttributes(const QString &path)
{
    std::vector<Attribute> attributes;
    const QByteArray file = Native(path);
    QByteArray names(qMax<ssize_t>(::listxattr(file.constData(), nullptr, 0), 0), Qt::Uninitialized);
    names.resize(qMax<ssize_t>(::listxattr(file.constData(), names.data(), size_t(names.size())), 0));
    for (const QByteArray &name : names.split('\0')) {
        QByteArray value(qMax<ssize_t>(::getxattr(file.constData(), name.constData(), nullptr, 0), 0),
                         Qt::Uninitialized);
        const ssize_t size = ::getxattr(file.constData(), name.constData(), value.data(), size_t(value.size()));
        if (Carried(name) && size >= 0)
            attributes.push_back({name, value.left(size)});
    }
    return attributes;
}

mode_t ModeBeforeAccessList(mode_t mode, const std::vector<Attribute> &attributes)
{
    for (const Attribute &attribute : attributes) {
        if (attribute.name != AccessList)
            continue;
        // The list as the kernel keeps it: a 4-byte version, then 8 bytes an entry: tag, permissions, id,
        // little-endian. The owning group's entry is tagged 4.
        const QByteArray &list = attribute.value;
        mode_t group = 0;
        for (qsizetype at = 4; at + 8 <= list.size(); at += 8) {
            if (qFromLittleEndian<quint16>(list.constData() + at) == 4)
                group = qFromLittleEndian<quint16>(list.constData() + at + 2) & 7;
        }
        return (mode & ~mode_t(S_IRWXG)) | (group << 3);
    }
    return mode;
}

void GiveAttributes(int descriptor, const std::vector<Attribute> &attributes)
{
    for (const Attribute &attribute : attributes)
        ::fsetxattr(descriptor, attribute.name.constData(), attribute.value.constData(), size_t(attribute.value.size()),
                    0);
}

ErrorCode MakeFolderPath(const QString &folder)
{
    if (folder.isEmpty())
        return ErrorCode::PathNotFound;
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    struct stat info;
    if (::stat(Native(clean).constData(), &info) == 0)
        return S_ISDIR(info.st_mode) ? ErrorCode::None : ErrorCode::PathNotFound; // a file where a folder should be
    if (errno != ENOENT)
        return CodeOfErrno(errno, clean);
    if (const ErrorCode parent = MakeFolderPath(FolderOf(clean)); parent != ErrorCode::None)
        return parent;
    if (::mkdir(Native(clean).constData(), 0777) != 0 && errno != EEXIST)
        return CodeOfErrno(errno, clean);
    return ErrorCode::None;
}

qsizetype WriteAll(int descriptor, const char *data, qsizetype size)
{
    qsizetype done = 0;
    while (done < size) {
        const ssize_t written = ::write(descriptor, data + done, size_t(size - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            break;
        }
        done += written;
    }
    return done;
}

int OpenClosedStandardDescriptors()
{
    int closed = 0;
    // In order: open() takes the lowest free number, the closed one.
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        closed |= 1 << descriptor;
        const int opened = ::open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != descriptor) {
            ::dup2(opened, descriptor);
            ::close(opened);
        }
    }
    return closed;
}

} // namespace FileSystem
