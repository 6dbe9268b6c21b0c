#include "settings/IniDocument.h"

#include "files/FileSystemCalls.h"
#include "files/SafeFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <unistd.h>

struct IniDocument::Line
{
    qsizetype start = 0;
    qsizetype contentEnd = 0; // before the line end
    qsizetype end = 0;        // after the line end
};

struct IniDocument::Name
{
    explicit Name(const QString &name)
    {
        qsizetype start = 0;
        qsizetype end = name.size();
        while (start < end && (name[start] == u' ' || name[start] == u'\t'))
            ++start;
        while (end > start && (name[end - 1] == u' ' || name[end - 1] == u'\t'))
            --end;
        text = name.mid(start, end - start);
        ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
        if (ascii)
            latin1 = text.toLatin1();
    }

    QString text;
    bool ascii = false;
    QByteArray latin1; // the text's bytes in either encoding, when ascii
};

namespace {

// Windows-1253 from 0x80 to 0xFF; 0 marks the five bytes the code page leaves
// undefined. Written out here because Qt only reaches legacy code pages through
// ICU, which the program does not require.
constexpr std::array<char16_t, 128> Windows1253 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,      // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,      // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, // C8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,      // F8
};

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// Strict: overlong forms, surrogates and values past U+10FFFF are not UTF-8, so
// a Greek code page file is never mistaken for one.
bool IsValidUtf8(const uchar *p, const uchar *end)
{
    while (p < end) {
        const uchar lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int continuations;
        char32_t code;
        char32_t smallest;
        if ((lead & 0xE0) == 0xC0) {
            continuations = 1, code = lead & 0x1F, smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuations = 2, code = lead & 0x0F, smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuations = 3, code = lead & 0x07, smallest = 0x10000;
        } else {
            return false;
        }
        if (end - p <= continuations)
            return false;
        for (int i = 1; i <= continuations; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += continuations + 1;
    }
    return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void TrimBlanks(const char *data, qsizetype &start, qsizetype &end)
{
    while (start < end && IsBlank(data[start]))
        ++start;
    while (end > start && IsBlank(data[end - 1]))
        --end;
}

bool IsAscii(const char *data, qsizetype start, qsizetype end)
{
    return std::all_of(data + start, data + end, [](char c) { return uchar(c) < 0x80; });
}

bool FitsWindows1253(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() < 0x80
            || std::find(Windows1253.begin(), Windows1253.end(), c.unicode()) != Windows1253.end();
    });
}

} // namespace

IniDocument IniDocument::fromBytes(QByteArray bytes)
{
    IniDocument document;
    document.m_bytes = std::move(bytes);
    // Skipped whatever the encoding, so the first section header still counts.
    document.m_bodyStart = document.m_bytes.startsWith(Utf8Bom) ? Utf8Bom.size() : 0;
    document.buildIndex();
    return document;
}

IniDocument IniDocument::load(const QString &path, Failure *failure)
{
    auto fail = [&](ErrorCode code) {
        if (failure)
            *failure = {code, path};
        return IniDocument();
    };
    if (failure)
        *failure = {};
    const QFileInfo info(path);
    if (!info.exists())
        return {}; // no file yet: every value has its default, and the first save creates it
    if (!info.isFile())
        return fail(ErrorCode::NotRegularFile);
    // Reading a file far beyond anything the program writes would only exhaust
    // memory; such a file is not the program's and is left alone.
    if (info.size() > MaximumFileSize)
        return fail(ErrorCode::FileTooLarge);
    // Opened by the system call itself, which keeps the reason it was refused.
    ErrorCode refused = ErrorCode::None;
    const int descriptor = FileSystem::OpenRegularFile(path, refused);
    QFile file;
    if (descriptor < 0)
        return fail(refused);
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(ErrorCode::PathFileAccess);
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(ErrorCode::DeviceIo);
    return fromBytes(std::move(bytes));
}

void IniDocument::buildIndex()
{
    m_sections.clear();
    m_keys.clear();
    m_legacy = false;
    const char *data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    // Lines before the first section are not read.
    Section *current = nullptr;

    for (qsizetype position = m_bodyStart; position < size;) {
        Line line{position, position, position};
        while (line.contentEnd < size && data[line.contentEnd] != '\r' && data[line.contentEnd] != '\n')
            ++line.contentEnd;
        line.end = line.contentEnd;
        if (line.end < size && data[line.end] == '\r')
            ++line.end;
        if (line.end < size && data[line.end] == '\n')
            ++line.end;
        position = line.end;

        qsizetype start = line.start;
        qsizetype end = line.contentEnd;
        TrimBlanks(data, start, end);
        if (start == end)
            continue;
        const auto *bytes = reinterpret_cast<const uchar *>(data);
        const Encoding encoding = IsAscii(data, start, end)            ? Encoding::Ascii
            : IsValidUtf8(bytes + line.start, bytes + line.contentEnd) ? Encoding::Utf8
                                                                       : Encoding::Windows1253;
        m_legacy = m_legacy || encoding == Encoding::Windows1253;

        const qsizetype closing = data[start] == '[' ? QByteArrayView(data + start, end - start).lastIndexOf(']') : -1;
        if (closing > 0) {
            Span name{start + 1, start + closing};
            TrimBlanks(data, name.start, name.end);
            const auto keys = qsizetype(m_keys.size());
            current = &m_sections.emplace_back(Section{name, encoding, keys, keys});
        } else if (current) {
            const qsizetype equals = QByteArrayView(data + start, end - start).indexOf('=');
            if (equals >= 0) {
                Span name{start, start + equals};
                TrimBlanks(data, name.start, name.end);
                Span value{start + equals + 1, end};
                TrimBlanks(data, value.start, value.end);
                m_keys.push_back({name, encoding, value});
                current->endKey = qsizetype(m_keys.size());
            }
        }
        if (current) {
            current->lastLineEnd = line.end;
            current->lastLineTerminated = line.end > line.contentEnd;
        }
    }
}

bool IniDocument::matches(const Span &span, Encoding encoding, const Name &name) const
{
    if (encoding == Encoding::Ascii && name.ascii) {
        const QByteArrayView stored(m_bytes.constData() + span.start, span.end - span.start);
        return stored.size() == name.latin1.size() && stored.compare(name.latin1, Qt::CaseInsensitive) == 0;
    }
    return decode(span.start, span.end, encoding).compare(name.text, Qt::CaseInsensitive) == 0;
}

// The first match wins, so later duplicates of a section or key are never seen.
const IniDocument::Section *IniDocument::findSection(const Name &name) const
{
    for (const Section &section : m_sections)
        if (matches(section.name, section.encoding, name))
            return &section;
    return nullptr;
}

const IniDocument::Key *IniDocument::findKey(const Section &section, const Name &name) const
{
    for (qsizetype i = section.firstKey; i < section.endKey; ++i)
        if (matches(m_keys[std::size_t(i)].name, m_keys[std::size_t(i)].encoding, name))
            return &m_keys[std::size_t(i)];
    return nullptr;
}

QString IniDocument::decode(qsizetype start, qsizetype end, Encoding encoding) const
{
    const char *data = m_bytes.constData() + start;
    const qsizetype size = end - start;
    if (encoding != Encoding::Windows1253)
        return QString::fromUtf8(data, size);
    QString text(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = uchar(data[i]);
        const char16_t code = byte < 0x80 ? char16_t(byte) : Windows1253[byte - 0x80];
        text[i] = code ? QChar(code) : QChar(QChar::ReplacementCharacter);
    }
    return text;
}

QByteArray IniDocument::encode(const QString &text, Encoding line) const
{
    // A line keeps the encoding it was read in, so that an edit never changes
    // how another line reads; a new line follows the file (Windows-1253 once the
    // file holds such a line). Text the code page cannot hold goes in UTF-8,
    // never as "?", so nothing typed is lost.
    const bool legacy = line == Encoding::Windows1253 || (line == Encoding::Ascii && m_legacy);
    if (!legacy || !FitsWindows1253(text))
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            bytes.append(char(c.unicode()));
            continue;
        }
        const auto *found = std::find(Windows1253.begin(), Windows1253.end(), c.unicode());
        bytes.append(char(0x80 + (found - Windows1253.begin())));
    }
    return bytes;
}

QString IniDocument::value(const QString &section, const QString &key, int bufferSize, bool *quoted) const
{
    if (quoted)
        *quoted = false;
    if (bufferSize <= 1)
        return {};
    const Section *foundSection = findSection(Name(section));
    const Key *found = foundSection ? findKey(*foundSection, Name(key)) : nullptr;
    if (!found)
        return {};

    qsizetype start = found->value.start;
    qsizetype end = found->value.end;
    if (end - start >= 2 && (m_bytes[start] == '"' || m_bytes[start] == '\'') && m_bytes[end - 1] == m_bytes[start]) {
        ++start;
        --end;
        if (quoted)
            *quoted = true;
    }
    QString text = decode(start, end, found->encoding);
    if (text.size() >= bufferSize) {
        qsizetype length = bufferSize - 1;
        if (text[length - 1].isHighSurrogate())
            --length;
        text.truncate(length);
    }
    return text;
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    QString singleLine = value;
    singleLine.replace(u'\r', u' ').replace(u'\n', u' ');

    if (const Section *found = findSection(Name(section))) {
        if (const Key *existing = findKey(*found, Name(key))) {
            m_bytes.replace(existing->value.start, existing->value.end - existing->value.start,
                            encode(singleLine, existing->encoding));
        } else {
            const QByteArray newLine =
                encode(key, Encoding::Ascii) + '=' + encode(singleLine, Encoding::Ascii) + LineEnd;
            m_bytes.insert(found->lastLineEnd, found->lastLineTerminated ? newLine : LineEnd + newLine);
        }
    } else {
        const QByteArray newLine = encode(key, Encoding::Ascii) + '=' + encode(singleLine, Encoding::Ascii) + LineEnd;
        if (m_bytes.size() > m_bodyStart && !m_bytes.endsWith('\r') && !m_bytes.endsWith('\n'))
            m_bytes.append(LineEnd);
        m_bytes.append('[' + encode(section, Encoding::Ascii) + ']' + LineEnd + newLine);
    }
    buildIndex();
}

Failure IniDocument::save(const QString &path) const
{
    // The settings file is the user's own: a link there is theirs, and stays.
    SafeFile file(path, LinkAtTarget::Followed);
    if (!file.open())
        return file.failure();
    file.write(m_bytes);
    return file.commit();
}
