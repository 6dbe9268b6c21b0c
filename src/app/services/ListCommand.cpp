#include "app/services/ListCommand.h"

#include "app/texts/PrintableText.h"
#include "files/FileSystemCalls.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t ReadSize = 64 * 1024;
// What waits before it is written: a file's output goes in large writes.
constexpr std::size_t WriteSize = 64 * 1024;
// A line longer than this is no amount: only this much of it is kept, to be
// echoed cut, so that a file without line ends does not fill the memory.
constexpr std::size_t LongestLine = 1024;

bool IsAsciiBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Blanks around a line, as QString::trimmed takes them off ASCII text.
std::string_view TrimmedAscii(std::string_view line)
{
    while (!line.empty() && IsAsciiBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && IsAsciiBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

// Printable ASCII: such a line is read and echoed as it is.
bool IsPlainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

} // namespace

ListCommand::ListCommand(const ListConversion &conversion, Language language)
    : m_conversion(conversion)
    , m_language(language)
{
}

bool ListCommand::run(const QString &file, int output, const std::function<void(const QString &)> &complain)
{
    m_complain = complain;
    m_output = output;
    m_pending.reserve(WriteSize + 2 * LongestLine);
    const bool standardInput = file.isEmpty() || file == u"-";
    const QString inputName = standardInput ? Text(TextId::CommandStandardInput, m_language) : PrintableText(file);
    ErrorCode inputFailure = ErrorCode::None;
    int input = STDIN_FILENO;
    if (!standardInput) {
        // A FIFO the user names (a shell's <(...)) is read as standard input is.
        input = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
        struct stat entry = {};
        if (input < 0)
            inputFailure = FileSystem::CodeOfErrno(errno, file);
        else if (::fstat(input, &entry) == 0 && S_ISDIR(entry.st_mode))
            inputFailure = ErrorCode::NotRegularFile;
    }

    std::string carried; // a line begun in an earlier read
    bool cut = false;
    char buffer[ReadSize];
    while (inputFailure == ErrorCode::None && flush()) {
        const ssize_t size = ::read(input, buffer, sizeof buffer);
        if (size < 0 && errno == EINTR)
            continue;
        if (size < 0)
            inputFailure = FileSystem::CodeOfErrno(errno, file);
        if (size <= 0)
            break;
        const char *start = buffer;
        const char *end = buffer + size;
        while (start < end) {
            const char *lineEnd = static_cast<const char *>(std::memchr(start, '\n', std::size_t(end - start)));
            const char *partEnd = lineEnd ? lineEnd : end;
            if (carried.empty() && !cut && lineEnd && std::size_t(lineEnd - start) <= LongestLine) {
                convertLine({start, std::size_t(lineEnd - start)}, false);
            } else {
                const std::size_t room = LongestLine - std::min(LongestLine, carried.size());
                const std::size_t part = std::size_t(partEnd - start);
                carried.append(start, std::min(part, room));
                cut = cut || part > room;
                if (lineEnd) {
                    convertLine(carried, cut);
                    carried.clear();
                    cut = false;
                }
            }
            start = lineEnd ? lineEnd + 1 : end;
        }
    }
    // The last line may have no line end.
    if (inputFailure == ErrorCode::None && (!carried.empty() || cut))
        convertLine(carried, cut);
    if (input != STDIN_FILENO && input >= 0)
        ::close(input);

    if (flush()) {
        // A close is where some systems (a network file system) report a failed write.
        const int copy = ::dup(m_output);
        if (copy >= 0 && ::close(copy) != 0)
            m_outputFailure = {FileSystem::CodeOfErrno(errno, QString()), QString()};
    }
    if (inputFailure != ErrorCode::None)
        m_complain(FailureDescription({inputFailure, inputName}, m_language));
    if (m_outputFailure.failed())
        m_complain(
            Text(TextId::CommandOutputFailed, m_language).arg(ErrorDescription(m_outputFailure.code, m_language)));
    return m_allConverted && inputFailure == ErrorCode::None && !m_outputFailure.failed();
}

void ListCommand::convertLine(std::string_view line, bool cut)
{
    if (m_outputFailure.failed())
        return; // nothing more is written, so nothing more is read either
    ++m_lineNumber;
    ListLine converted;
    std::string_view echo = TrimmedAscii(line);
    QByteArray echoed; // the echo, where it is not the line's own bytes
    if (!cut && IsPlainAscii(echo)) {
        converted = m_conversion.convert(echo);
    } else {
        const QString text = QString::fromUtf8(line.data(), qsizetype(line.size())).trimmed();
        converted = cut ? ListLine::notConverted(ListLine::Kind::Refused) : m_conversion.convert(QStringView(text));
        echoed = PrintableText(text).toUtf8();
        if (cut)
            echoed += "…";
        echo = {echoed.constData(), std::size_t(echoed.size())};
    }
    m_conversion.appendLine(m_pending, echo, converted);
    m_pending += '\n';
    if (converted.kind == ListLine::Kind::Refused || converted.kind == ListLine::Kind::Overflow) {
        m_allConverted = false;
        m_complain(
            Text(TextId::CommandListLine, m_language).arg(m_lineNumber).arg(m_conversion.reason(converted.kind)));
    }
    if (m_pending.size() >= WriteSize)
        flush();
}

bool ListCommand::flush()
{
    const auto size = qsizetype(m_pending.size());
    if (!m_outputFailure.failed() && size > 0 && FileSystem::WriteAll(m_output, m_pending.data(), size) != size)
        m_outputFailure.code = FileSystem::CodeOfErrno(errno, QString());
    m_pending.clear();
    return !m_outputFailure.failed();
}
