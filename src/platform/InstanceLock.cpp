#include "platform/InstanceLock.h"

#include "platform/OwnFolder.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

QString InstanceLock::userFolder()
{
    const QString runtime = OwnFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    return runtime.isEmpty() ? OwnFolder(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)) : runtime;
}

InstanceLock::InstanceLock(const QString &folder)
    : m_path(folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("zkEuroChangeoverAdviser.lock")))
    , m_lock(m_path)
{
    // A running copy holds the lock however long it runs; only a lock whose
    // owner is gone counts as stale, never one that is merely old.
    m_lock.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

std::optional<InstanceLock::Result> InstanceLock::clearWay() const
{
    const QByteArray name = QFile::encodeName(m_path);
    struct stat entry;
    if (::lstat(name.constData(), &entry) != 0 || S_ISREG(entry.st_mode))
        return std::nullopt;
    if (S_ISDIR(entry.st_mode))
        return ::rmdir(name.constData()) == 0 ? std::nullopt : std::optional(Result::FolderInTheWay);
    if (S_ISLNK(entry.st_mode)) {
        struct stat target;
        if (::stat(name.constData(), &target) == 0 || errno != ENOENT)
            return Result::LinkInTheWay;
        return ::unlink(name.constData()) == 0 ? std::nullopt : std::optional(Result::DanglingLinkInTheWay);
    }
    return Result::SpecialInTheWay;
}

InstanceLock::Result InstanceLock::acquire()
{
    if (m_path.isEmpty())
        return Result::Unavailable;
    if (m_lock.isLocked())
        return Result::Acquired;
    if (const std::optional<Result> inTheWay = clearWay())
        return *inTheWay;
    if (m_lock.tryLock(0))
        return Result::Acquired;
    if (m_lock.error() != QLockFile::LockFailedError)
        return Result::Unavailable;

    // Qt judges a lock by the process it names. A file that names none (left
    // empty or damaged by a crash or a full disk) would keep every later copy
    // out for good. A copy that has just created its file may not have written
    // it yet, so look again a moment later before calling it stale; a running
    // owner's system lock on the file stops its removal in any case.
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock.getLockInfo(&pid, &host, &application))
        return Result::HeldByOther;
    QThread::msleep(100);
    if (m_lock.getLockInfo(&pid, &host, &application))
        return Result::HeldByOther;
    m_lock.removeStaleLockFile();
    if (m_lock.tryLock(0))
        return Result::Acquired;
    return m_lock.error() == QLockFile::LockFailedError ? Result::HeldByOther : Result::Unavailable;
}

QString InstanceLock::socketPath() const { return m_path.chopped(4) + QStringLiteral("socket"); }

bool InstanceLock::listen(std::function<void()> called)
{
    if (!m_lock.isLocked())
        return false;
    // Whoever holds the lock owns the socket: one left by a crashed copy goes.
    // Anything else at its name is not ours, and stays; this copy then runs
    // without being called.
    struct stat entry;
    if (::lstat(QFile::encodeName(socketPath()).constData(), &entry) == 0) {
        if (!S_ISSOCK(entry.st_mode))
            return false;
        QLocalServer::removeServer(socketPath());
    }
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath())) {
        m_server.reset();
        return false;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this, called] {
        while (QLocalSocket *caller = m_server->nextPendingConnection()) {
            caller->abort(); // nothing is read
            caller->deleteLater();
        }
        called();
    });
    return true;
}

bool InstanceLock::callHolder() const
{
    if (m_path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    constexpr int WaitMs = 2000;
    if (!socket.waitForConnected(WaitMs))
        return false;
    socket.disconnectFromServer();
    return true;
}
