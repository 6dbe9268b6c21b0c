#pragma once

#include "core/ErrorCode.h"
#include "files/SafeFile.h"

#include <QString>
#include <QStringList>

// Creates the file empty, or puts an empty file in the place of an existing one.
ErrorCode CreateEmptyFile(const QString &path, LinkAtTarget link = LinkAtTarget::Replaced);

enum class FileTransfer {
    Copy,
    Move,
};

// Copies or moves each file into destinationFolder under its own name, creating
// the folder when it is missing and replacing a file of that name without a
// question. A copy is written as a SafeFile, so a failure or an interruption
// leaves the old file or the new one, never a part; it keeps the permissions of
// the file it replaces, and a link in the folder is replaced or followed as
// `link` says. A move renames, or copies and removes across file systems: the
// file keeps its own permissions, and a link in the folder is replaced. Only
// regular files are taken and replaced: a folder, FIFO, device or socket of
// that name is refused, and a file is never copied or moved onto itself.
// Stops at the first failure and names the file concerned (or the folder, when
// the folder is at fault); files already done stay done.
Failure CopyOrMoveFiles(FileTransfer transfer, const QStringList &files, const QString &destinationFolder,
                        LinkAtTarget link = LinkAtTarget::Replaced);

// Moves each file to the user's trash; where the trash cannot take it, the file
// is deleted. A link goes itself, never the file it points to; a folder in the
// list is refused. Stops at the first failure.
Failure DeleteFiles(const QStringList &files);
