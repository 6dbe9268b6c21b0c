#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLocalServer;

// The lock that keeps a user to one running copy of the program. It lives in
// a folder of the user's own (their runtime folder, else one in their cache
// folder), never in a folder others may write: there another user could plant
// a lock that keeps every start out, or listen at the socket's name. The lock is held for as long as the
// object lives; a lock whose owner is gone (a crashed copy), and a lock file
// that holds nothing readable, are stale and taken over. Something else at the
// lock's path is no running copy: an empty folder or a link to nothing is taken
// away; anything else is left alone and said to be in the way.
class InstanceLock
{
public:
    enum class Result {
        Acquired,    // this copy is the only one
        HeldByOther, // another copy of this user runs
        Unavailable, // the lock file cannot be made: nothing keeps a second copy out
        // Not a lock file stands at the lock's path, and it is not ours to remove:
        FolderInTheWay,       // a folder that is not empty
        LinkInTheWay,         // a link to something that exists
        SpecialInTheWay,      // a FIFO, a socket or a device
        DanglingLinkInTheWay, // a link to nothing that this user may not remove
    };

    // The user's runtime folder; where there is none, a folder of the user's
    // own in their cache folder (OwnFolder). Empty when neither can be had:
    // then no lock can be taken.
    static QString userFolder();

    explicit InstanceLock(const QString &folder = userFolder());
    ~InstanceLock();

    // Takes the lock if it can; once it has it, keeps it and says so again.
    Result acquire();

    QString filePath() const { return m_path; }

    // A later copy calls the copy that holds the lock through a local socket
    // beside the lock; the call itself is the whole message, so nothing else
    // passes between the two. Once the lock is acquired, calls run `called`.
    // False when the socket cannot be made.
    bool listen(std::function<void()> called);
    // Calls the copy that holds the lock; false when none answers.
    bool callHolder() const;

private:
    QString socketPath() const;
    // What stands at the lock's path when it is not a regular file, once the
    // safe cases were cleared away; nothing when the way is clear.
    std::optional<Result> clearWay() const;

    QString m_path;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
