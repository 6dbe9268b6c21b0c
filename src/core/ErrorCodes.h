// Every error code below the texts, one entry a code: its name and the number
// the error report shows for it. Users and support know these numbers from the
// program's long history, so they stay as they always were. ErrorCode.h makes
// the codes and their numbers of this list, and the texts give each code its
// description (TextId::Error<name>), so that a new code is one line here and
// its words one line there; a code without words does not build.
// ERROR_CODE(name, number)
// A list, not a header to include once: each use defines the entry macros and
// includes it again, so it has no include guard.

ERROR_CODE(Overflow, 6)
ERROR_CODE(FileTooLarge, 7) // out of memory: what reading such a file would run into
ERROR_CODE(DivisionByZero, 11)
ERROR_CODE(FileNotFound, 53)
ERROR_CODE(DeviceIo, 57)
ERROR_CODE(FileAlreadyExists, 58)
ERROR_CODE(DiskFull, 61)
ERROR_CODE(PermissionDenied, 70)
ERROR_CODE(PathFileAccess, 75)
ERROR_CODE(PathNotFound, 76)
ERROR_CODE(NotRegularFile, 75) // a folder, a FIFO, a device or a socket where a file was meant
ERROR_CODE(Unknown, 95)        // application-defined or object-defined error
ERROR_CODE(NameTooLong, 75)    // a path or a name longer than the system takes: 75, as before it had words
