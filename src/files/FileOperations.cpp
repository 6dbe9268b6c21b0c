#include "files/FileOperations.h"

#include "files/FileSystemCalls.h"
#include "files/PathParts.h"
#include "files/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileSystem::CodeOfErrno;

// The copy takes the mode of the file it replaces, or the given one.
Failure CopyFile(const QString &source, const QString &target, LinkAtTarget link,
                 std::optional<mode_t> mode = std::nullopt)
{
    ErrorCode error = ErrorCode::None;
    FileSystem::Identity sourceIdentity;
    const int descriptor = FileSystem::OpenRegularFile(source, error, &sourceIdentity);
    if (descriptor < 0)
        return {error, source};
    QFile input;
    if (!input.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {ErrorCode::PathFileAccess, source};
    }
    // A file is never copied onto itself, as the shell refuses it too. A link
    // there to the source is only a name, unless it is followed.
    if ((link == LinkAtTarget::Followed ? FileSystem::IdentityOf(target) : FileSystem::EntryIdentityOf(target))
        == sourceIdentity)
        return {ErrorCode::PathFileAccess, target};

    SafeFile output(target, link, mode);
    if (!output.open())
        return output.failure();
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 count = input.read(buffer.data(), buffer.size());
        if (count < 0)
            return {ErrorCode::DeviceIo, source};
        if (count == 0)
            break;
        if (output.write(buffer.constData(), count) != count)
            return output.failure();
    }
    return output.commit();
}

Failure MoveFile(const QString &source, const QString &target)
{
    const QByteArray sourceName = QFile::encodeName(source);
    struct stat info;
    if (::stat(sourceName.constData(), &info) != 0)
        return {CodeOfErrno(errno, source), source};
    if (!S_ISREG(info.st_mode))
        return {ErrorCode::NotRegularFile, source};
    if (FileSystem::EntryIdentityOf(target) == FileSystem::Identity{info.st_dev, info.st_ino})
        return {ErrorCode::PathFileAccess, target};
    if (const Failure inTheWay = FileSystem::CheckReplaceable(target); inTheWay.failed())
        return inTheWay;

    if (::rename(sourceName.constData(), QFile::encodeName(target).constData()) == 0)
        return {};
    if (errno != EXDEV)
        return {CodeOfErrno(errno, source), source};
    // Another file system: rename cannot cross it. The file keeps its own mode, as with a rename.
    if (const Failure copied = CopyFile(source, target, LinkAtTarget::Replaced, info.st_mode & 07777); copied.failed())
        return copied;
    if (::unlink(sourceName.constData()) != 0)
        return {CodeOfErrno(errno, source), source};
    return {};
}

bool MakeOwnFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    return (::mkdir(name.constData(), 0700) == 0 || errno == EEXIST) && QFileInfo(folder).isDir()
        && ::access(name.constData(), W_OK | X_OK) == 0;
}

// Whether the trash in the user's data folder can take files. QFile::moveToTrash
// (Qt 6.4) does not make the data folder itself; when it cannot make the trash
// there it moves the file into "files" under the current folder instead, and
// when the trash's "info" folder may not be written it loops for ever. So it is
// only called once the trash stands ready.
bool HomeTrashUsable()
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome))
        return false;
    const QString trash = dataHome + QStringLiteral("/Trash");
    return MakeOwnFolder(trash) && MakeOwnFolder(trash + QStringLiteral("/files"))
        && MakeOwnFolder(trash + QStringLiteral("/info"));
}

} // namespace

ErrorCode CreateEmptyFile(const QString &path, LinkAtTarget link)
{
    SafeFile file(path, link);
    if (!file.open())
        return file.failure().code;
    return file.commit().code;
}

Failure CopyOrMoveFiles(FileTransfer transfer, const QStringList &files, const QString &destinationFolder,
                        LinkAtTarget link)
{
    if (files.isEmpty())
        return {};
    if (const ErrorCode folderError = FileSystem::MakeFolderPath(destinationFolder); folderError != ErrorCode::None)
        return {folderError, destinationFolder};
    const QDir destination(destinationFolder);
    for (const QString &source : files) {
        const QString name = FileNamePart(source);
        if (name.isEmpty() || name == u"." || name == u"..")
            return {ErrorCode::PathFileAccess, source};
        const QString target = destination.filePath(name);
        const Failure failure =
            transfer == FileTransfer::Copy ? CopyFile(source, target, link) : MoveFile(source, target);
        if (failure.failed())
            return failure;
    }
    return {};
}

Failure DeleteFiles(const QStringList &files)
{
    const bool trashUsable = !files.isEmpty() && HomeTrashUsable();
    for (const QString &file : files) {
        const QByteArray name = QFile::encodeName(file);
        struct stat info;
        // lstat: a link is deleted itself, never the file it points to.
        if (file.isEmpty() || ::lstat(name.constData(), &info) != 0)
            return {file.isEmpty() ? ErrorCode::FileNotFound : CodeOfErrno(errno, file), file};
        if (S_ISDIR(info.st_mode))
            return {ErrorCode::PathFileAccess, file};
        if (trashUsable && QFile::moveToTrash(file))
            continue;
        if (::unlink(name.constData()) != 0)
            return {CodeOfErrno(errno, file), file};
    }
    return {};
}
