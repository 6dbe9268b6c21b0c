#pragma once

#include <QString>
#include <QtGlobal>

// What went wrong, as a code. The layers below the texts report codes; the
// layer that owns the words turns a code into a description in the user's
// language, and the unexpected-error report shows the code's classic number.
enum class ErrorCode : quint8 {
    None,
    Overflow,
    FileTooLarge,
    DivisionByZero,
    FileNotFound,
    DeviceIo,
    FileAlreadyExists,
    DiskFull,
    PermissionDenied,
    PathFileAccess,
    PathNotFound,
    NotRegularFile, // a folder, a FIFO, a device or a socket where a file was meant
    Unknown,
    NameTooLong, // a path or one of its names longer than the system takes
};

// The number the error report shows for a code. Users and support know these
// numbers from the program's long history, so they stay as they always were.
constexpr qint32 ErrorNumber(ErrorCode code)
{
    switch (code) {
    case ErrorCode::None:
        return 0;
    case ErrorCode::Overflow:
        return 6;
    case ErrorCode::FileTooLarge:
        return 7; // out of memory: what reading such a file would run into
    case ErrorCode::DivisionByZero:
        return 11;
    case ErrorCode::FileNotFound:
        return 53;
    case ErrorCode::DeviceIo:
        return 57;
    case ErrorCode::FileAlreadyExists:
        return 58;
    case ErrorCode::DiskFull:
        return 61;
    case ErrorCode::PermissionDenied:
        return 70;
    case ErrorCode::PathFileAccess:
    case ErrorCode::NotRegularFile:
    case ErrorCode::NameTooLong: // reported as a path/file access error before it had words of its own
        return 75;
    case ErrorCode::PathNotFound:
        return 76;
    case ErrorCode::Unknown:
        break;
    }
    return 95; // application-defined or object-defined error
}

// A failed step: its code and, for a file operation, the file it concerned,
// so that the report can say which file is in the way.
struct Failure
{
    ErrorCode code = ErrorCode::None;
    QString path;

    bool failed() const { return code != ErrorCode::None; }
    friend bool operator==(const Failure &, const Failure &) = default;
};
