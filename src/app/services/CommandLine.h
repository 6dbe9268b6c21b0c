#pragma once

#include "app/texts/Texts.h"

#include <QString>
#include <QStringList>

#include <optional>

// The program's file name, which also names its configuration folders.
inline const QString ProgramName = QStringLiteral("euro-changeover-adviser");

class IniDocument;
class QTextStream;

// The program's command line, read before anything that needs a display.
// Without options the window opens. --help and --version print and end.
// --convert AMOUNT CODE converts as the window does, with the settings the
// window would use, and prints the road of the conversion, then the report's
// column titles and data lines as the report file has them. The code of a
// currency fixed later converts as the additional currency at its official rate.
// --convert-list CODE [--to CODE] [FILE] converts every amount of FILE (or of
// standard input), one a line, from one currency to another (EUR without
// --to), as the window converts each (ListCommand). It reads the
// settings and never writes them, and takes no single-instance lock, so it may
// run while the window is open.
class CommandLine
{
public:
    // The exit codes.
    static constexpr int Done = 0;
    static constexpr int Failed = 1;  // an overflow, unreadable settings, no display for the window,
                                      // a line of a list not converted, its input unread, its output unwritten
    static constexpr int Misused = 2; // a wrong option, amount or currency code

    // Reads the arguments (the program's own name first) and the environment's
    // display. Nothing is printed yet: the words depend on the stored language.
    explicit CommandLine(const QStringList &arguments);

    // True when the window is to open: no option of ours, and a display to open it on.
    bool opensWindow() const { return m_action == Action::Window; }

    // Does what the arguments ask for, other than opening the window, reading
    // the settings of the program in programFolder, in the language the window
    // would start in on a desktop of these interface languages, unless one was
    // asked for, and writes the answer and any complaint to the descriptors.
    // What is written has no control character but the line break, and follows
    // the locale's character set. An answer that cannot be written all is a
    // failure, said on `err`. Returns the exit code.
    int run(const QString &programFolder, const QStringList &desktopLanguages, int out, int err) const;

    // The help in the chosen language: the usage and the options, and when
    // full, what the program does, the currency codes and the exit codes.
    static QString HelpText(Language language, bool full);

private:
    enum class Action {
        Window,
        NoDisplay,
        Help,
        Version,
        Convert,
        ConvertList,
        Wrong, // m_problem says how, about m_subject
    };

    // Where an answer goes: the descriptors, and the texts gathered to be
    // written there whole once the answer is complete. A list writes its lines
    // to the descriptors as it goes.
    struct Streams
    {
        int outDescriptor;
        int errDescriptor;
        QTextStream &answer;
        QTextStream &complaint;
    };
    int answer(const QString &programFolder, const QStringList &desktopLanguages, const Streams &streams,
               Language &language) const;
    int convert(const IniDocument &ini, Language language, QTextStream &out, QTextStream &err) const;
    int convertList(const IniDocument &ini, Language language, const Streams &streams) const;

    Action m_action = Action::Window;
    TextId m_problem = TextId::CommandUnknownOption;
    QString m_subject;
    std::optional<Language> m_language; // the language asked for; none: the stored one
    QString m_amount;
    QString m_code;
    QString m_to;   // --to: the list's target currency; empty: EUR
    QString m_file; // the list's file; empty or "-": standard input
};
