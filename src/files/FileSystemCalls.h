#pragma once

#include "core/ErrorCode.h"

#include <QFileDevice>
#include <QString>

#include <optional>
#include <sys/stat.h>
#include <sys/types.h>

// The system calls behind the file procedures. Qt's file classes reduce most
// failures to "could not open"; these keep the reason (errno), so the user
// learns whether a folder is missing, access is denied or the disk is full.
namespace FileSystem {

// What a path names on disk, links followed: equal identities are one file or folder.
struct Identity
{
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const Identity &, const Identity &) = default;
};

// Empty when the path names nothing that can be examined.
std::optional<Identity> IdentityOf(const QString &path);
// The same for the entry itself: a link is not followed.
std::optional<Identity> EntryIdentityOf(const QString &path);

// The code for errno after a failed call on path. A missing entry is a missing
// file when its folder exists, and a missing path when the folder is missing too.
ErrorCode CodeOfErrno(int error, const QString &path);

// The code for a failed read or write of an open Qt file.
ErrorCode CodeOfFileError(QFileDevice::FileError error);

// Writes every byte to the descriptor, again after an interruption or a part
// written. DiskFull when the system takes no more (some file systems say so
// as 0 bytes written); otherwise the code for errno (path names nothing here).
ErrorCode WriteAll(int descriptor, const char *data, std::size_t size);

// Opens path for reading only when it is a regular file: a FIFO is never
// waited on, a device never opened. Returns the descriptor, or -1 with the
// reason in error. The caller closes the descriptor.
int OpenRegularFile(const QString &path, ErrorCode &error, Identity *identity = nullptr);

// Whether a new file may take the place of the entry at path, the entry itself
// looked at (a link is not followed): nothing there, a link or a regular file
// we may write can be replaced; a folder, a FIFO, a device or a socket is
// refused (NotRegularFile), as are a read-only file and a folder missing or
// closed to us. None when nothing is in the way; entry then holds what stands
// there, st_mode 0 when nothing does.
ErrorCode CheckReplaceable(const QString &path, struct stat *entry = nullptr);

// The folder a path lies in, absolute and clean.
QString FolderOf(const QString &path);

// Creates the folder with its missing parents.
ErrorCode MakeFolderPath(const QString &folder);

} // namespace FileSystem
