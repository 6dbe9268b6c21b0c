#include "report/ReportFileWriter.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace {

// Why the file could not be opened, told by what stands at the path.
ErrorCode OpenErrorCode(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        return ErrorCode::PathFileAccess;
    if (!info.dir().exists())
        return ErrorCode::PathNotFound;
    return ErrorCode::PermissionDenied;
}

// A write or the final flush failed; errno still tells a full disk from the rest.
ErrorCode WriteErrorCode(int error) { return error == ENOSPC ? ErrorCode::DiskFull : ErrorCode::DeviceIo; }

} // namespace

ReportFileWriter::ReportFileWriter(const QString &path)
    : m_path(path)
    , m_file(path)
{
    // Writing straight into the old file would lose it on a failure halfway.
    m_file.setDirectWriteFallback(false);
}

ReportFileWriter::~ReportFileWriter() = default;

Failure ReportFileWriter::failed(ErrorCode code)
{
    m_failure = Failure{code, m_path};
    m_file.cancelWriting();
    return m_failure;
}

Failure ReportFileWriter::open()
{
    if (m_failure.failed())
        return m_failure;
    if (!m_file.open(QIODevice::WriteOnly))
        return failed(OpenErrorCode(m_path));
    return {};
}

Failure ReportFileWriter::writeLine(const QString &line)
{
    if (m_failure.failed())
        return m_failure;
    QByteArray bytes = line.toUtf8();
    bytes += "\r\n";
    errno = 0;
    if (m_file.write(bytes) != bytes.size())
        return failed(WriteErrorCode(errno));
    return {};
}

Failure ReportFileWriter::commit()
{
    if (m_failure.failed())
        return m_failure;
    errno = 0;
    if (m_file.commit())
        return {};
    const int error = errno;
    m_failure =
        Failure{m_file.error() == QFileDevice::RenameError ? ErrorCode::PathFileAccess : WriteErrorCode(error), m_path};
    return m_failure;
}
