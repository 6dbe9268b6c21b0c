#pragma once

#include <QString>
#include <QtGlobal>

// What went wrong, as a code (ErrorCodes.h). The layers below the texts
// report codes; the layer that owns the words turns a code into a description
// in the user's language, and the unexpected-error report shows the code's
// classic number.
enum class ErrorCode : quint8 {
    None,
#define ERROR_CODE(name, number) name,
#include "core/ErrorCodes.h"
#undef ERROR_CODE
};

// The number the error report shows for a code; 0 for none.
constexpr qint32 ErrorNumber(ErrorCode code)
{
    switch (code) {
    case ErrorCode::None:
        return 0;
#define ERROR_CODE(name, number)                                                                                       \
    case ErrorCode::name:                                                                                              \
        return number;
#include "core/ErrorCodes.h"
#undef ERROR_CODE
    }
    return ErrorNumber(ErrorCode::Unknown);
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
