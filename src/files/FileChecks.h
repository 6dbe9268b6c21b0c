#pragma once

#include "core/ErrorCode.h"

#include <QString>

// The attributes the program asks about. Hidden is a name starting with ".",
// read-only a file we may not write; system and archive do not exist here and
// stay false.
struct FileAttributeFlags
{
    bool directory = false;
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
    bool archive = false;
};

// Reads the attributes of what path names (links followed). On failure (a
// missing entry, an empty path, a name the system refuses) the flags stay false.
ErrorCode GetFileAttributeFlags(const QString &path, FileAttributeFlags &flags);

// True when path names an existing entry that is not a folder.
bool FileExists(const QString &path);

// True when path is a regular file we may read: what an import may copy. A
// folder, a FIFO or a device of that name is refused, without waiting on the FIFO.
bool IsReadableRegularFile(const QString &path);
