#pragma once

#include "core/ErrorCode.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The settings file in memory, read and edited with the rules of Windows
// profile files:
// - section and key names match without regard to case, after trimming;
// - a value is the text after the first "=", trimmed, with one pair of matching
//   enclosing quotes (" or ') removed; lines without "=" are not keys;
// - the first of duplicate sections, and the first of duplicate keys, wins;
// - CR LF, LF and CR line ends are all read;
// - a line that is not valid UTF-8 is read as Windows-1253 (Greek), so files
//   written on Windows still read, and a UTF-8 line beside it reads as UTF-8.
// An edit replaces only the value it changes and keeps every other byte; a new
// key goes at the end of its section, a new section at the end of the file,
// both with CR LF line ends.
class IniDocument
{
public:
    // Larger than anything the program writes by far; such a file is not read.
    static constexpr qint64 MaximumFileSize = 16 * 1024 * 1024;

    IniDocument() = default;
    static IniDocument fromBytes(QByteArray bytes);
    // The file's contents. A missing file gives an empty document and no
    // failure (every read then gives its default). A file that cannot be read
    // (not a regular file, no permission, larger than MaximumFileSize) gives an
    // empty document and the failure, so that nobody writes over it.
    static IniDocument load(const QString &path, Failure *failure = nullptr);

    // The value of a key as the profile reader returns it into a buffer of
    // bufferSize characters: at most bufferSize - 1 characters. Empty when the
    // section or key is missing. quoted: whether a pair of quotes was removed.
    QString value(const QString &section, const QString &key, int bufferSize, bool *quoted = nullptr) const;

    // Sets a value, creating the section and key as needed. Line breaks in the
    // value are replaced by spaces so that a value can never become a new line.
    void setValue(const QString &section, const QString &key, const QString &value);

    const QByteArray &bytes() const { return m_bytes; }

    // Writes the document over the file as a SafeFile: whole or not at all, a
    // failure reported and the old file kept, the file's mode kept, a link at
    // the path followed.
    Failure save(const QString &path) const;

private:
    struct Line; // implementation detail of the parser
    struct Name; // a looked-up section or key name, prepared once per lookup
    enum class Encoding : quint8 {
        Ascii,
        Utf8,
        Windows1253
    };
    struct Span
    {
        qsizetype start = 0;
        qsizetype end = 0;
    };
    struct Key
    {
        Span name;
        Encoding encoding = Encoding::Ascii; // of its line; ASCII lets most comparisons skip decoding
        Span value;                          // the trimmed text after "=", quotes included
    };
    struct Section
    {
        Span name;
        Encoding encoding = Encoding::Ascii;
        qsizetype firstKey = 0; // its keys are m_keys[firstKey, endKey), in file order
        qsizetype endKey = 0;
        qsizetype lastLineEnd = 0;      // a new key goes here, after the last non-blank line
        bool lastLineTerminated = true; // false when that line ends the file without a line end
    };

    // Parsed once per load or edit into spans of m_bytes, without a string per
    // key, so that even a huge file loads quickly.
    void buildIndex();
    bool matches(const Span &span, Encoding encoding, const Name &name) const;
    const Section *findSection(const Name &name) const;
    const Key *findKey(const Section &section, const Name &name) const;
    QString decode(qsizetype start, qsizetype end, Encoding encoding) const;
    QByteArray encode(const QString &text, Encoding line) const;

    QByteArray m_bytes;
    bool m_legacy = false;           // some line is in Windows-1253
    qsizetype m_bodyStart = 0;       // past a UTF-8 byte order mark
    std::vector<Section> m_sections; // in file order; lookups take the first match
    std::vector<Key> m_keys;
};
