#pragma once

#include "core/ErrorCode.h"

#include <QFileDevice>
#include <QString>

#include <optional>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

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

// Opens path for reading only when it is a regular file: a FIFO is never
// waited on, a device never opened. Returns the descriptor, or -1 with the
// reason in error. The caller closes the descriptor.
int OpenRegularFile(const QString &path, ErrorCode &error, Identity *identity = nullptr);

// How a new file takes the place of a regular file. Renamed over it, as a
// rule, so that the file is whole or not at all. In place where a rename would
// break what others rely on: the file has other names (hard links) that would
// keep the old bytes, belongs to another user who would lose it to us, or lies
// in a folder we may not write though we may write the file.
enum class Replacement {
    Rename,
    InPlace,
};

// Whether a new file may take the place of the entry at path, the entry itself
// looked at (a link is not followed): nothing there, a link or a regular file
// we may write can be replaced; a folder, a FIFO, a device or a socket is
// refused (NotRegularFile), as is a read-only file. A folder missing or closed
// to us is refused naming the folder. Without `how`, a file is only ever
// renamed over; with it, `how` says how. None when nothing is in the way; entry
// then holds what stands there, st_mode 0 when nothing does.
Failure CheckReplaceable(const QString &path, struct stat *entry = nullptr, Replacement *how = nullptr);

// The file that a link at path (or a chain of links) ends in, whether it
// exists or not; path itself when it is no link. Empty for a loop of links.
QString LinkedFile(const QString &path);

// What a replacement carries over from the file it replaces besides the mode:
// its access list and the user's own extended attributes.
struct Attribute
{
    QByteArray name;
    QByteArray value;
};
std::vector<Attribute> CarriedAttributes(const QString &path);
// The mode the file may have until its access list is given: the group bits
// of a file with an access list are the list's mask, wider than what the list
// gives the owning group.
mode_t ModeBeforeAccessList(mode_t mode, const std::vector<Attribute> &attributes);
// Gives them to the open file, as far as its file system keeps them: one that
// cannot does not fail the write.
void GiveAttributes(int descriptor, const std::vector<Attribute> &attributes);

// The folder a path lies in, absolute and clean.
QString FolderOf(const QString &path);

// Creates the folder with its missing parents.
ErrorCode MakeFolderPath(const QString &folder);

// Writes the bytes at the descriptor's position. Returns how many were
// written; fewer than all of them, and errno says why (ENOSPC where a full
// file system said so by writing nothing).
qsizetype WriteAll(int descriptor, const char *data, qsizetype size);

// Opens /dev/null on each closed standard descriptor (0 to 2): a file opened
// later would otherwise take its number and receive what is meant for the
// terminal. Returns the descriptors that were closed, a bit each (1 << fd).
int OpenClosedStandardDescriptors();

} // namespace FileSystem
