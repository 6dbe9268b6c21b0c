#include "report/ReportFileWriter.h"

ReportFileWriter::ReportFileWriter(const QString &path)
    : m_file(path)
{
}

Failure ReportFileWriter::open()
{
    m_file.open();
    return m_file.failure();
}

Failure ReportFileWriter::writeLine(const QString &line)
{
    m_file.write(line.toUtf8() + "\r\n");
    return m_file.failure();
}

Failure ReportFileWriter::commit() { return m_file.commit(); }
