#pragma once

#include "core/ErrorCode.h"

#include <QFileDevice>
#include <QString>

#include <optional>
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

// The code for errno after a failed call on path. A missing entry is a missing
// file when its folder exists, and a missing path when the folder is missing too.
ErrorCode CodeOfErrno(int error, const QString &path);

// The code for a failed read or write of an open Qt file.
ErrorCode CodeOfFileError(QFileDevice::FileError error);

// Opens path for reading only when it is a regular file: a FIFO is never
// waited on, a device never opened. Returns the descriptor, or -1 with the
// reason in error. The caller closes the descriptor.
int OpenRegularFile(const QString &path, ErrorCode &error, Identity *identity = nullptr);

// What stops a file from being written or replaced at path: a folder of that
// name, a file that may not be written, a folder missing or closed to us.
// None when nothing is seen in the way.
ErrorCode WhyNotWritable(const QString &path);

// Creates the folder with its missing parents.
ErrorCode MakeFolderPath(const QString &folder);

} // namespace FileSystem
