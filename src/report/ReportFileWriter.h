#pragma once

#include "core/ErrorCode.h"
#include "files/SafeFile.h"

#include <QString>

// The report as a plain text file: UTF-8, every line ended by CR LF, written as
// a SafeFile: the old file is replaced only on commit(), so a failed or
// abandoned run never leaves it half overwritten. A cancelled run commits the
// lines written so far.
class ReportFileWriter
{
public:
    explicit ReportFileWriter(const QString &path);

    Failure open();
    // After a failure every further call returns that failure.
    Failure writeLine(const QString &line);
    Failure commit();

private:
    SafeFile m_file;
};
