#pragma once

#include <QtGlobal>

// Error numbers handed from a failed step to the unexpected-error report.
// 0 means no error. Their descriptions, in both languages, are in Texts.
namespace ErrorNumber {
constexpr qint32 None = 0;
constexpr qint32 Overflow = 6;
constexpr qint32 DivisionByZero = 11;
constexpr qint32 FileNotFound = 53;
constexpr qint32 DeviceIoError = 57;
constexpr qint32 DiskFull = 61;
constexpr qint32 PermissionDenied = 70;
constexpr qint32 PathFileAccessError = 75;
} // namespace ErrorNumber
