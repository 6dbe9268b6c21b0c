#include "files/SafeFile.h"

#include "platform/OwnFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>

#include <cerrno>
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

QString RandomDigits()
{
    return QStringLiteral("%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QChar(u'0'));
}

QString NewTemporaryName() { return TemporaryPrefix + RandomDigits() + TemporarySuffix; }

QByteArray Native(const QString &path) { return QFile::encodeName(path); }

// An unnamed file is given its name through its descriptor's entry in /proc.
bool CanNameUnnamedFiles() { return QFileInfo(QStringLiteral("/proc/self/fd")).isDir(); }

// Writes the bytes over the file from its start, cuts it to their length and
// syncs it. `changed`: whether the file may differ from before, also after a failure.
bool Rewrite(int descriptor, const QByteArray &bytes, bool &changed)
{
    changed = false;
    if (::lseek(descriptor, 0, SEEK_SET) != 0)
        return false;
    const qsizetype written = FileSystem::WriteAll(descriptor, bytes.constData(), bytes.size());
    changed = written > 0 || bytes.isEmpty();
    return written == bytes.size() && ::ftruncate(descriptor, bytes.size()) == 0 && ::fsync(descriptor) == 0;
}

bool RemovesLeftovers = false;
QSet<QString> ClearedFolders;

QString CleanFolder(const QString &folder) { return QDir::cleanPath(QFileInfo(folder).absoluteFilePath()); }

} // namespace

SafeFile::SafeFile(QString path, LinkAtTarget link, std::optional<mode_t> mode)
    : m_path(std::move(path))
    , m_link(link)
    , m_mode(mode)
{
}

SafeFile::~SafeFile() { discard(); }

bool SafeFile::fail(ErrorCode code) { return fail(Failure{code, m_path}); }

bool SafeFile::fail(const Failure &failure)
{
    if (!m_failure.failed())
        m_failure = failure;
    discard();
    return false;
}

bool SafeFile::failWithErrno() { return fail(FileSystem::CodeOfErrno(errno, m_path)); }

bool SafeFile::open(OpenMode mode)
{
    if (isOpen() || m_failure.failed() || mode != WriteOnly)
        return fail(ErrorCode::PathFileAccess);
    m_target = m_link == LinkAtTarget::Followed ? FileSystem::LinkedFile(m_path) : m_path;
    if (m_target.isEmpty())
        return fail(ErrorCode::PathFileAccess); // a loop of links
    struct stat entry = {};
    FileSystem::Replacement how = FileSystem::Replacement::Rename;
    if (const Failure refused = FileSystem::CheckReplaceable(m_target, &entry, &how); refused.failed())
        return fail(refused);
    m_folder = FileSystem::FolderOf(m_target);
    if (RemovesLeftovers && !ClearedFolders.contains(m_folder))
        RemoveOwnTemporaryFiles(m_folder);
    if (how == FileSystem::Replacement::InPlace) {
        // Everything is kept until the commit, which writes the file at once.
        m_inPlace = true;
        m_identity = {entry.st_dev, entry.st_ino};
        return QIODevice::open(mode);
    }
    if (!m_mode && S_ISREG(entry.st_mode)) {
        m_attributes = FileSystem::CarriedAttributes(m_target);
        m_mode = FileSystem::ModeBeforeAccessList(entry.st_mode & 07777, m_attributes);
    }
    // Never more open than the file it replaces, even where its mode cannot be
    // set afterwards; a new file has the usual mode, the user's umask applied.
    const mode_t created = m_mode ? *m_mode & 0666 : 0666;
    if (CanNameUnnamedFiles())
        m_descriptor = ::open(Native(m_folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, created);
    // Not every file system makes unnamed files (a FAT stick does not): a named one then.
    for (int attempt = 0; m_descriptor < 0 && attempt < 16; ++attempt) {
        const QString name = QDir(m_folder).filePath(NewTemporaryName());
        m_descriptor = ::open(Native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, created);
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
    if (m_failure.failed() || !isOpen())
        return -1;
    m_buffer.append(data, size);
    if (!m_inPlace && m_buffer.size() >= BufferSize && !flushBuffer())
        return -1;
    return size;
}

bool SafeFile::flushBuffer()
{
    if (FileSystem::WriteAll(m_descriptor, m_buffer.constData(), m_buffer.size()) != m_buffer.size())
        return failWithErrno();
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

bool SafeFile::rewriteInPlace()
{
    const int target = ::open(Native(m_target).constData(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (target < 0)
        return failWithErrno();
    const auto closeTarget = qScopeGuard([target] { ::close(target); });
    struct stat info;
    // Another file took its place since it was looked at: not the one to rewrite.
    if (::fstat(target, &info) != 0 || !S_ISREG(info.st_mode)
        || FileSystem::Identity{info.st_dev, info.st_ino} != m_identity)
        return fail(ErrorCode::PathFileAccess);
    QFile reader;
    QByteArray old;
    if (!reader.open(target, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)
        || (old = reader.readAll(), reader.error() != QFileDevice::NoError))
        return fail(ErrorCode::DeviceIo);

    // The old bytes are safe on disk before the first of them is overwritten.
    const QString cache = OwnFolder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    if (cache.isEmpty())
        return fail({ErrorCode::PathFileAccess, QStandardPaths::writableLocation(QStandardPaths::CacheLocation)});
    const QString backupPath =
        QDir(cache).filePath(QFileInfo(m_target).fileName() + u'.' + RandomDigits() + QStringLiteral(".bak"));
    SafeFile backup(backupPath, LinkAtTarget::Replaced, 0600);
    if (!backup.open() || backup.write(old) != old.size() || backup.commit().failed())
        return fail(backup.failure());

    bool changed = false;
    if (!Rewrite(target, m_buffer, changed)) {
        const int error = errno;
        // Put back; should that fail too, the copy stays for the user.
        if (!changed || Rewrite(target, old, changed))
            ::unlink(Native(backupPath).constData());
        errno = error;
        return failWithErrno();
    }
    ::unlink(Native(backupPath).constData());
    return true;
}

Failure SafeFile::commit()
{
    if (!m_failure.failed() && !isOpen())
        fail(ErrorCode::PathFileAccess);
    if (m_failure.failed())
        return m_failure;
    if (m_inPlace) {
        if (rewriteInPlace())
            discard();
        return m_failure;
    }
    // Every step is checked: a full disk may show only when the last bytes are
    // written, and an I/O error only when they are synced.
    if (!flushBuffer())
        return m_failure;
    // Kept as far as the file system keeps them: one without modes (a FAT stick)
    // has none to lose, and the file was made no more open than the old one.
    if (m_mode)
        ::fchmod(m_descriptor, *m_mode);
    FileSystem::GiveAttributes(m_descriptor, m_attributes);
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
    if (::rename(Native(m_temporary).constData(), Native(m_target).constData()) != 0) {
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
    // The whole name: "$" alone would also match before a final line break.
    static const QRegularExpression own(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(TemporaryPrefix) + QStringLiteral("[0-9a-f]{16}")
                                            + QRegularExpression::escape(TemporarySuffix)));
    return own.match(fileName).hasMatch();
}

void RemoveOwnTemporaryFiles(const QString &folder)
{
    const QDir dir(folder);
    ClearedFolders.insert(CleanFolder(folder));
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

void RemoveLeftoversBeforeWrites(bool runsAlone)
{
    RemovesLeftovers = runsAlone;
    ClearedFolders.clear();
}
