#include "files/FileOperations.h"

#include "files/FileSystemCalls.h"
#include "files/PathParts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileSystem::CodeOfErrno;

// The copy takes the mode of the file it replaces, or the given one.
Failure CopyFile(const QString &source, const QString &target, std::optional<mode_t> mode = std::nullopt)
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
    // A file is never copied onto itself (through a link, say), as the shell refuses it too.
    if (FileSystem::IdentityOf(target) == sourceIdentity)
        return {ErrorCode::PathFileAccess, target};
    if (const ErrorCode inTheWay = FileSystem::WhyNotWritable(target); inTheWay != ErrorCode::None)
        return {inTheWay, target};

    QSaveFile output(target);
    output.setDirectWriteFallback(false); // writing in place could leave a part of the file
    if (!output.open(QIODevice::WriteOnly))
        return {FileSystem::CodeOfFileError(output.error()), target};
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 count = input.read(buffer.data(), buffer.size());
        if (count < 0)
            return {ErrorCode::DeviceIo, source};
        if (count == 0)
            break;
        if (output.write(buffer.constData(), count) != count)
            return {FileSystem::CodeOfFileError(output.error()), target};
    }
    if (mode && ::fchmod(output.handle(), *mode) != 0)
        return {CodeOfErrno(errno, target), target};
    if (!output.commit())
        return {FileSystem::CodeOfFileError(output.error()), target};
    return {};
}

Failure MoveFile(const QString &source, const QString &target)
{
    const QByteArray sourceName = QFile::encodeName(source);
    struct stat info;
    if (::stat(sourceName.constData(), &info) != 0)
        return {CodeOfErrno(errno, source), source};
    if (!S_ISREG(info.st_mode))
        return {ErrorCode::PathFileAccess, source};
    if (FileSystem::IdentityOf(target) == FileSystem::Identity{info.st_dev, info.st_ino})
        return {ErrorCode::PathFileAccess, target};
    if (const ErrorCode inTheWay = FileSystem::WhyNotWritable(target); inTheWay != ErrorCode::None)
        return {inTheWay, target};

    if (::rename(sourceName.constData(), QFile::encodeName(target).constData()) == 0)
        return {};
    if (errno != EXDEV)
        return {CodeOfErrno(errno, source), source};
    // Another file system: rename cannot cross it. The file keeps its own mode, as with a rename.
    if (const Failure copied = CopyFile(source, target, info.st_mode & 07777); copied.failed())
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

ErrorCode CreateEmptyFile(const QString &path)
{
    if (path.isEmpty())
        return ErrorCode::FileNotFound;
    // O_NONBLOCK: a FIFO of that name without a reader fails at once instead of waiting.
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const int descriptor = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (descriptor < 0)
        return CodeOfErrno(errno, path);
    return ::close(descriptor) == 0 ? ErrorCode::None : CodeOfErrno(errno, path);
}

Failure CopyOrMoveFiles(FileTransfer transfer, const QStringList &files, const QString &destinationFolder)
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
        const Failure failure = transfer == FileTransfer::Copy ? CopyFile(source, target) : MoveFile(source, target);
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
