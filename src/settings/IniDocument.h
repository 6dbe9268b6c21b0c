#pragma once

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
// - text that is not valid UTF-8 is read as Windows-1253 (Greek), so files
//   written on Windows still read.
// An edit replaces only the value it changes and keeps every other byte; a new
// key goes at the end of its section, a new section at the end of the file,
// both with CR LF line ends.
class IniDocument
{
public:
    IniDocument() = default;
    static IniDocument fromBytes(QByteArray bytes);
    // The file's contents; a missing, unreadable or non-regular file gives an
    // empty document (reads then yield their defaults).
    static IniDocument load(const QString &path);

    // The value of a key as the profile reader returns it into a buffer of
    // bufferSize characters: at most bufferSize - 1 characters. Empty when the
    // section or key is missing.
    QString value(const QString &section, const QString &key, int bufferSize) const;

    // Sets a value, creating the section and key as needed. Line breaks in the
    // value are replaced by spaces so that a value can never become a new line.
    void setValue(const QString &section, const QString &key, const QString &value);

    const QByteArray &bytes() const { return m_bytes; }

    // Writes the document over the file atomically (QSaveFile: temporary file,
    // flush, rename), so a crash never leaves a half-written file. Returns 0 or
    // an error number of ErrorNumbers.h.
    qint32 save(const QString &path) const;

private:
    struct Line; // implementation detail of the parser
    struct Name;  // a looked-up section or key name, prepared once per lookup
    struct Span
    {
        qsizetype start = 0;
        qsizetype end = 0;
    };
    struct Key
    {
        Span name;
        bool asciiName = true; // lets most comparisons skip decoding
        Span value;            // the trimmed text after "=", quotes included
    };
    struct Section
    {
        Span name;
        bool asciiName = true;
        qsizetype firstKey = 0; // its keys are m_keys[firstKey, endKey), in file order
        qsizetype endKey = 0;
        qsizetype lastLineEnd = 0;      // a new key goes here, after the last non-blank line
        bool lastLineTerminated = true; // false when that line ends the file without a line end
    };

    // Parsed once per load or edit into spans of m_bytes, without a string per
    // key, so that even a huge file loads quickly.
    void buildIndex();
    bool matches(const Span &span, bool asciiSpan, const Name &name) const;
    const Section *findSection(const Name &name) const;
    const Key *findKey(const Section &section, const Name &name) const;
    QString decode(qsizetype start, qsizetype end) const;
    QByteArray encode(const QString &text) const;

    QByteArray m_bytes;
    bool m_utf8 = true;
    qsizetype m_bodyStart = 0;       // past a UTF-8 byte order mark
    std::vector<Section> m_sections; // in file order; lookups take the first match
    std::vector<Key> m_keys;
};
