#pragma once

#include "app/conversion/ListConversion.h"
#include "core/ErrorCode.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

// What --convert-list does once its currencies are known: reads amounts, one a
// line, from a file or from standard input, and writes each line's conversion
// (ListConversion::appendLine) in the order read, as it goes, so that memory
// does not grow with the input. Its output leaves whenever it would wait for
// more input, so a line typed at a terminal is answered at once. Which lines
// were not converted, and why the input or the output failed, goes to the
// error stream in the language asked for; what it echoes is printable.
class ListCommand
{
public:
    ListCommand(const ListConversion &conversion, Language language);

    // Reads `file` (standard input when empty or "-") to its end and writes to
    // the `output` descriptor, then closes a copy of it, so that a failure the
    // system reports only at the close is seen too. True when every line was
    // blank or converted; false when one was not, or the input could not be
    // read, or the output not written: that is never counted as done.
    bool run(const QString &file, int output, const std::function<void(const QString &)> &complain);

private:
    void convertLine(std::string_view line, bool cut);
    // Writes what is waiting; false once the output failed.
    bool flush();

    const ListConversion &m_conversion;
    const Language m_language;
    std::function<void(const QString &)> m_complain;
    int m_output = -1;
    std::string m_pending;
    qint64 m_lineNumber = 0;
    bool m_allConverted = true;
    Failure m_outputFailure;
};
