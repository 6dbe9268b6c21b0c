#include "app/services/CommandLine.h"

#include "app/conversion/CurrencyChoice.h"
#include "app/conversion/CurrentConversion.h"
#include "app/conversion/ListConversion.h"
#include "app/services/DesktopLanguage.h"
#include "app/services/ListCommand.h"
#include "app/services/SettingsLocation.h"
#include "app/texts/PrintableText.h"
#include "files/FileSystemCalls.h"
#include "settings/IniDocument.h"

#include <QCommandLineParser>
#include <QStringEncoder>
#include <QTextStream>

#include <array>
#include <cerrno>
#include <langinfo.h>
#include <optional>

namespace {

// The options, in the order the help lists them.
struct OptionEntry
{
    const char *shortName; // nullptr: none
    const char *name;
    TextId description;
    std::optional<TextId> arguments = std::nullopt; // what follows it, in the help; none: it takes no value
};
constexpr std::array Options = {
    OptionEntry{"h", "help", TextId::CommandHelpOption},
    OptionEntry{"v", "version", TextId::CommandVersionOption},
    OptionEntry{nullptr, "convert", TextId::CommandConvertOption, TextId::CommandConvertArguments},
    OptionEntry{nullptr, "convert-list", TextId::CommandListOption, TextId::CommandListArguments},
    OptionEntry{nullptr, "to", TextId::CommandToOption, TextId::CommandToArguments},
    OptionEntry{nullptr, "greek", TextId::CommandGreekOption},
    OptionEntry{nullptr, "english", TextId::CommandEnglishOption},
};
// Where the help's option descriptions start.
constexpr int DescriptionColumn = 30;

// The toolkit's own options, which the window's QApplication takes out of the
// arguments (a desktop session restores the program with -session): accepted,
// never listed.
const QStringList ToolkitValueOptions =
    QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
                   "display session style stylesheet")
        .split(u' ');
const QStringList ToolkitFlagOptions = {"reverse", "widgetcount"};

// A display for the window: a desktop session's, or a platform chosen for it.
bool DisplayAvailable(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display"))
        || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString Dashed(const QString &name) { return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name; }

// An option as the user typed it ("-AAAA" stays so), without a value given to it.
QString Typed(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments.mid(1)) {
        const QString option = argument.section(u'=', 0, 0);
        if (option == u'-' + name || option == QStringLiteral("--") + name)
            return option;
    }
    return Dashed(name);
}

// What a complaint repeats of an argument: its start, when it is long.
QString Echoed(const QString &argument)
{
    constexpr qsizetype Shown = 60;
    if (argument.size() <= Shown)
        return argument;
    const qsizetype cut = argument.at(Shown - 1).isHighSurrogate() ? Shown - 1 : Shown;
    return argument.left(cut) + QStringLiteral("...");
}

// The text as the terminal is to receive it. A character that is not printable
// (an escape sequence could retitle, clear or rewrite the terminal, a direction
// control reorder it) becomes the replacement character, the line break aside.
// The bytes follow the locale's character set; an ASCII locale (C, POSIX) is
// taken as UTF-8, as the toolkit takes it, so that Greek stays readable.
QByteArray ForTerminal(QString text)
{
    for (QChar &c : text) {
        if (c != u'\n' && IsUnprintable(c))
            c = QChar::ReplacementCharacter;
    }
    const QByteArray charset(::nl_langinfo(CODESET));
    QStringEncoder encoder(charset.constData());
    if (charset == "UTF-8" || charset == "ANSI_X3.4-1968" || !encoder.isValid())
        return text.toUtf8();
    // A character the set lacks comes out as the substitute control character.
    return QByteArray(encoder.encode(text)).replace('\x1a', '?');
}

// Writes the text to the descriptor as the terminal is to receive it; false
// when not all of it could be written.
bool WriteForTerminal(int descriptor, const QString &text)
{
    const QByteArray bytes = ForTerminal(text);
    return FileSystem::WriteAll(descriptor, bytes.constData(), bytes.size()) == bytes.size();
}

// The codes of the currencies fixed later, for the help: "SIT, CYP, ..., BGN".
QString LaterCodes()
{
    QStringList codes;
    for (const LaterChangeover &later : LaterChangeovers)
        codes << QLatin1String(later.code);
    return codes.join(QStringLiteral(", "));
}

} // namespace

CommandLine::CommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Single-dash words are whole names, as the toolkit's own "-platform".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionEntry &entry : Options) {
        QStringList names{QString::fromLatin1(entry.name)};
        if (entry.shortName)
            names.prepend(QString::fromLatin1(entry.shortName));
        parser.addOption(entry.arguments ? QCommandLineOption(names, {}, QStringLiteral("value"))
                                         : QCommandLineOption(names));
    }
    for (const QString &name : ToolkitValueOptions)
        parser.addOption(QCommandLineOption(name, {}, name));
    for (const QString &name : ToolkitFlagOptions)
        parser.addOption(QCommandLineOption(name));

    const auto misused = [this](TextId problem, const QString &subject) {
        m_action = Action::Wrong;
        m_problem = problem;
        m_subject = Echoed(subject);
    };
    const bool parsed = parser.parse(arguments);
    // The last of --greek and --english wins, as later options do elsewhere;
    // it also chooses the language of a complaint about the others.
    for (const QString &name : parser.optionNames()) {
        if (name == QLatin1String("greek") || name == QLatin1String("english"))
            m_language = name == QLatin1String("greek") ? Language::Greek : Language::English;
    }
    if (!parsed) {
        // Unless an option is unknown, a value is missing at the end ("--convert")
        // or was given to an option that takes none ("--help=x").
        const QStringList unknown = parser.unknownOptionNames();
        const QString &last = arguments.constLast();
        if (!unknown.isEmpty())
            misused(TextId::CommandUnknownOption, Typed(arguments, unknown.constFirst()));
        else if (last == QLatin1String("--convert") || last == QLatin1String("-convert"))
            misused(TextId::CommandConvertNeeds, QStringLiteral("--convert"));
        else if (const QString bare = QString(last).remove(0, last.startsWith(QLatin1String("--")) ? 2 : 1);
                 bare == QLatin1String("convert-list") || bare == QLatin1String("to"))
            misused(TextId::CommandNeedsCode, Dashed(bare));
        else
            misused(TextId::CommandUnknownOption, arguments.filter(QStringLiteral("=")).value(0, last));
        return;
    }
    const QStringList positional = parser.positionalArguments();
    const bool converting = parser.isSet(QStringLiteral("convert"));
    const bool listing = parser.isSet(QStringLiteral("convert-list"));
    if (parser.isSet(QStringLiteral("help"))) {
        m_action = Action::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        m_action = Action::Version;
    } else if (converting && listing) {
        misused(TextId::CommandListWithConvert, QStringLiteral("--convert"));
    } else if (parser.isSet(QStringLiteral("to")) && !listing) {
        misused(TextId::CommandToNeedsList, QStringLiteral("--to"));
    } else if (converting && positional.isEmpty()) {
        misused(TextId::CommandConvertNeeds, QStringLiteral("--convert"));
    } else if (positional.size() > (converting || listing ? 1 : 0)) {
        misused(TextId::CommandStrayArgument, positional.constLast());
    } else if (listing) {
        // At most one file; none, or "-", is standard input.
        m_action = Action::ConvertList;
        m_code = parser.value(QStringLiteral("convert-list"));
        m_to = parser.value(QStringLiteral("to"));
        m_file = positional.value(0);
    } else if (converting) {
        m_action = Action::Convert;
        m_amount = parser.value(QStringLiteral("convert"));
        m_code = positional.constFirst();
    } else if (m_language) {
        misused(TextId::CommandLanguageAlone,
                Dashed(*m_language == Language::Greek ? QStringLiteral("greek") : QStringLiteral("english")));
    } else if (!DisplayAvailable(parser)) {
        m_action = Action::NoDisplay;
    }
}

QString CommandLine::HelpText(Language language, bool full)
{
    QString help = Text(TextId::CommandUsage, language).arg(ProgramName) + u'\n';
    if (full)
        help += Text(TextId::CommandAbout, language) + u'\n';
    help += u'\n' + Text(TextId::CommandOptions, language) + u'\n';
    const QString indent(DescriptionColumn, u' ');
    for (const OptionEntry &entry : Options) {
        QString names = entry.shortName ? QStringLiteral("  -%1, --").arg(QLatin1String(entry.shortName))
                                        : QStringLiteral("      --");
        names += QLatin1String(entry.name);
        if (entry.arguments)
            names += u' ' + Text(*entry.arguments, language);
        names = names.size() < DescriptionColumn - 1 ? names.leftJustified(DescriptionColumn) : names + u'\n' + indent;
        help += names + Text(entry.description, language).replace(u'\n', u'\n' + indent) + u'\n';
    }
    if (full) {
        // The later currencies' codes follow the paragraph on the codes.
        QStringList details = Text(TextId::CommandDetails, language).split(QStringLiteral("\n\n"));
        details.insert(1, Text(TextId::CommandLaterCodes, language).arg(LaterCodes()));
        details.insert(2, Text(TextId::CommandListDetails, language));
        help += u'\n' + details.join(QStringLiteral("\n\n")) + u'\n';
    }
    return help;
}

int CommandLine::run(const QString &programFolder, const QStringList &desktopLanguages, int out, int err) const
{
    QString answered;
    QString complaint;
    QTextStream answerStream(&answered);
    QTextStream complaintStream(&complaint);
    Language language = Language::English;
    int code = answer(programFolder, desktopLanguages, {out, err, answerStream, complaintStream}, language);
    answerStream.flush();
    complaintStream.flush();
    // As cat and printf do: an answer lost on a full disk or a closed output is no success.
    if (!WriteForTerminal(out, answered)) {
        const ErrorCode error = FileSystem::CodeOfErrno(errno, QString());
        complaint += Text(TextId::CommandOutputFailed, language).arg(ErrorDescription(error, language)) + u'\n';
        code = Failed;
    }
    WriteForTerminal(err, complaint);
    return code;
}

int CommandLine::answer(const QString &programFolder, const QStringList &desktopLanguages, const Streams &streams,
                        Language &language) const
{
    QTextStream &out = streams.answer;
    QTextStream &err = streams.complaint;
    if (m_action == Action::Version) {
        language = m_language.value_or(Language::English);
        out << ProgramName << u' ' << QStringLiteral(EURO_VERSION) << u'\n';
        return Done;
    }
    // The settings the window would use, read where it would find them: the
    // administrator's starting settings until a first start copied them.
    Failure unreadable;
    const IniDocument ini = IniDocument::load(ProgramSettingsFile(programFolder).current(), &unreadable);
    // The language the window would start in, unless one was asked for.
    language = m_language.value_or(StartingLanguage(ini, desktopLanguages));
    switch (m_action) {
    case Action::Help:
        out << HelpText(language, true);
        return Done;
    case Action::NoDisplay:
        err << Text(TextId::CommandNoDisplay, language).arg(ProgramName) << u'\n';
        return Failed;
    case Action::Wrong:
        err << Text(m_problem, language).arg(m_subject) << u'\n' << HelpText(language, false);
        return Misused;
    default:
        break;
    }
    if (unreadable.failed()) {
        err << FailureDescription(unreadable, language) << u'\n';
        return Failed;
    }
    if (m_action == Action::ConvertList)
        return convertList(ini, language, streams);
    return convert(ini, language, out, err);
}

int CommandLine::convert(const IniDocument &ini, Language language, QTextStream &out, QTextStream &err) const
{
    CurrentConversion conversion;
    conversion.load(ini);
    const CurrencyChoice currency = CurrencyOfCode(m_code);
    if (currency.slot < 0) {
        err << Text(TextId::CommandUnknownCode, language).arg(Echoed(m_code)) << u'\n';
        return Misused;
    }
    // A currency fixed later stands in for the additional currency for this
    // conversion only; the stored one is neither used nor changed.
    ConversionInput input = currency.later >= 0 ? CurrentConversion::laterInput(currency.later, language)
                                                : conversion.inputFor(currency.slot, language);
    input.amount = m_amount;
    const CurrentConversion::Acceptance accepted = CurrentConversion::accept(input, language);
    if (const auto *refusal = std::get_if<CurrentConversion::Refusal>(&accepted)) {
        err << Text(refusal->message, language) << u'\n';
        return Misused;
    }
    conversion.take(currency.slot, std::get<InputCurrencyValues>(accepted));
    conversion.convert();
    out << conversion.road(currency.slot, language) << u'\n';
    for (const QString &line : conversion.reportTable(language))
        out << line << u'\n';
    return conversion.overflowed() ? Failed : Done;
}

int CommandLine::convertList(const IniDocument &ini, Language language, const Streams &streams) const
{
    QTextStream &err = streams.complaint;
    CurrentConversion conversion;
    conversion.load(ini);
    const CurrencyChoice from = CurrencyOfCode(m_code);
    const CurrencyChoice to = m_to.isEmpty() ? CurrencyChoice{0} : CurrencyOfCode(m_to);
    for (const auto &[choice, code] : {std::pair(from, m_code), std::pair(to, m_to)}) {
        if (!choice.valid()) {
            err << Text(TextId::CommandUnknownCode, language).arg(Echoed(code)) << u'\n';
            return Misused;
        }
    }
    const ListConversion list(conversion.state(), from, to, language);
    if (const std::optional<TextId> refusal = list.refusal()) {
        err << Text(*refusal, language) << u'\n';
        return Misused;
    }
    // The list's lines leave as they are converted, and each one refused is said
    // at once, so that neither waits for the end of a long list in memory.
    const int errDescriptor = streams.errDescriptor;
    const auto say = [errDescriptor](const QString &message) { WriteForTerminal(errDescriptor, message + u'\n'); };
    return ListCommand(list, language).run(m_file, streams.outDescriptor, say) ? Done : Failed;
}
