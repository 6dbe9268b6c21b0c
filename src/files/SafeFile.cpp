#include "files/SafeFile.h"

#include "files/FileSystemCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Larger writes are made at once; smaller ones are gathered first.
constexpr qsizetype BufferSize = 64 * 1024;

// A hidden name that says whose it is, with 16 random hexadecimal digits: no
// person names a file so, and no other program does.
const QString TemporaryPrefix = QStringLiteral(".zkEuroChangeoverAdviser-");
const QString TemporarySuffix = QStringLiteral(".tmp");

QString NewTemporaryName()
{
    return TemporaryPrefix + QStringLiteral("%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QChar(u'0'))
        + TemporarySuffix;
}

QByteArray Native(const QString &path) { return QFile::encodeName(path); }

// An unnamed file is given its name through its descriptor's entry in /proc.
bool CanNameUnnamedFiles() { return QFileInfo(QStringLiteral("/proc/self/fd")).isDir(); }

} // namespace

SafeFile::SafeFile(QString path, std::optional<mode_t> mode)
    : m_path(std::move(path))
    , m_mode(mode)
{
}

SafeFile::~SafeFile() { discard(); }

bool SafeFile::fail(ErrorCode code)
{
    if (!m_failure.failed())
        m_failure = {code, m_path};
    discard();
    return false;
}

bool SafeFile::failWithErrno() { return fail(FileSystem::CodeOfErrno(errno, m_path)); }

bool SafeFile::open(OpenMode mode)
{
    if (isOpen() || m_failure.failed() || mode != WriteOnly)
        return fail(ErrorCode::PathFileAccess);
    struct stat entry = {};
    if (const ErrorCode refused = FileSystem::CheckReplaceable(m_path, &entry); refused != ErrorCode::None)
        return fail(refused);
    if (!m_mode && S_ISREG(entry.st_mode))
        m_mode = entry.st_mode & 07777;
    m_folder = FileSystem::FolderOf(m_path);

    // 0666: the user's umask applies, as to any new file.
    if (CanNameUnnamedFiles())
        m_descriptor = ::open(Native(m_folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    // Not every file system makes unnamed files (a FAT stick does not): a named one then.
    for (int attempt = 0; m_descriptor < 0 && attempt < 16; ++attempt) {
        const QString name = QDir(m_folder).filePath(NewTemporaryName());
        m_descriptor = ::open(Native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m_descriptor >= 0)
            m_temporary = name;
        else if (errno != EEXIST)
            return failWithErrno();
    }
    if (m_descriptor < 0)
        return fail(ErrorCode::FileAlreadyExists);
    m_buffer.reserve(BufferSize);
    return QIODevice::open(mode);
}

qint64 SafeFile::readData(char *, qint64) { return -1; }

qint64 SafeFile::writeData(const char *data, qint64 size)
{
    if (m_failure.failed() || m_descriptor < 0)
        return -1;
    m_buffer.append(data, size);
    if (m_buffer.size() >= BufferSize && !flushBuffer())
        return -1;
    return size;
}

bool SafeFile::flushBuffer()
{
    const char *data = m_buffer.constData();
    qsizetype left = m_buffer.size();
    while (left > 0) {
        const ssize_t written = ::write(m_descriptor, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) // no room left, said as 0 bytes written by some file systems
            return written < 0 ? failWithErrno() : fail(ErrorCode::DiskFull);
        data += written;
        left -= written;
    }
    m_buffer.clear();
    return true;
}

bool SafeFile::giveName()
{
    if (!m_temporary.isEmpty())
        return true;
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_descriptor);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = QDir(m_folder).filePath(NewTemporaryName());
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, Native(name).constData(), AT_SYMLINK_FOLLOW) == 0) {
            m_temporary = name;
            return true;
        }
        if (errno != EEXIST)
            return failWithErrno();
    }
    return fail(ErrorCode::FileAlreadyExists);
}

Failure SafeFile::commit()
{
    if (!m_failure.failed() && m_descriptor < 0)
        fail(ErrorCode::PathFileAccess);
    if (m_failure.failed())
        return m_failure;
    // Every step is checked: a full disk may show only when the last bytes are
    // written, and an I/O error only when they are synced.
    if (!flushBuffer())
        return m_failure;
    if (m_mode && ::fchmod(m_descriptor, *m_mode) != 0) {
        failWithErrno();
        return m_failure;
    }
    // The bytes, and the size that reads them back, reach the disk before the
    // file takes the target's name; a failed sync is a failed write.
    if (::fdatasync(m_descriptor) != 0) {
        failWithErrno();
        return m_failure;
    }
    if (!giveName())
        return m_failure;
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    if (::close(descriptor) != 0) {
        failWithErrno();
        return m_failure;
    }
    // rename replaces the entry itself: a link there is replaced, not followed.
    if (::rename(Native(m_temporary).constData(), Native(m_path).constData()) != 0) {
        failWithErrno();
        return m_failure;
    }
    m_temporary.clear();
    QIODevice::close();
    return {};
}

void SafeFile::close() { discard(); }

void SafeFile::discard()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
    if (!m_temporary.isEmpty())
        ::unlink(Native(m_temporary).constData());
    m_temporary.clear();
    m_buffer.clear();
    if (isOpen())
        QIODevice::close();
}

bool IsOwnTemporaryName(const QString &fileName)
{
    static const QRegularExpression own(
        QStringLiteral("^%1[0-9a-f]{16}%2$")
            .arg(QRegularExpression::escape(TemporaryPrefix), QRegularExpression::escape(TemporarySuffix)));
    return own.match(fileName).hasMatch();
}

void RemoveOwnTemporaryFiles(const QString &folder)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!IsOwnTemporaryName(name))
            continue;
        const QByteArray path = Native(dir.filePath(name));
        struct stat info;
        // lstat: a link of that name is not ours, nor is a file of another user.
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
}
