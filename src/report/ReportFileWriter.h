#pragma once

#include "core/ErrorCode.h"

#include <QSaveFile>
#include <QString>

// The report as a plain text file: UTF-8, every line ended by CR LF. Lines go to
// a temporary file beside the chosen one, which replaces the old file only on
// commit(), so a failed or abandoned run never leaves the user's old file half
// overwritten. A cancelled run commits the lines written so far.
class ReportFileWriter
{
public:
    explicit ReportFileWriter(const QString &path);
    ~ReportFileWriter(); // without a commit the temporary file is removed and the old file stays

    ReportFileWriter(const ReportFileWriter &) = delete;
    ReportFileWriter &operator=(const ReportFileWriter &) = delete;

    Failure open();
    // After a failure every further call returns that failure.
    Failure writeLine(const QString &line);
    Failure commit();

private:
    Failure failed(ErrorCode code);

    QString m_path;
    QSaveFile m_file;
    Failure m_failure;
};
