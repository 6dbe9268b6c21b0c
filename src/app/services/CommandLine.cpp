#include "app/services/CommandLine.h"

#include "app/conversion/CurrentConversion.h"
#include "app/services/DesktopLanguage.h"
#include "app/services/SettingsLocation.h"
#include "files/FileSystemCalls.h"
#include "settings/IniDocument.h"

#include <QCommandLineParser>
#include <QStringEncoder>
#include <QTextStream>

#include <array>
#include <cerrno>
#include <langinfo.h>

namespace {

// The options, in the order the help lists them.
struct OptionEntry
{
    const char *shortName; // nullptr: none
    const char *name;
    TextId description;
};
constexpr std::array Options = {
    OptionEntry{"h", "help", TextId::CommandHelpOption},
    OptionEntry{"v", "version", TextId::CommandVersionOption},
    OptionEntry{nullptr, "convert", TextId::CommandConvertOption}, // the only one with a value
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

// Direction overrides and isolates, and the marks that steer them: from a
// settings file they would reorder what the terminal shows.
bool IsDirectionControl(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The text as the terminal is to receive it. A control character other than
// the line break (an escape sequence could retitle, clear or rewrite the
// terminal) or a direction control becomes the replacement character. The
// bytes follow the locale's character set; an ASCII locale (C, POSIX) is taken
// as UTF-8, as the toolkit takes it, so that Greek stays readable.
QByteArray ForTerminal(QString text)
{
    for (QChar &c : text) {
        if ((c.category() == QChar::Other_Control && c != u'\n') || IsDirectionControl(c.unicode()))
            c = QChar::ReplacementCharacter;
    }
    const QByteArray charset(::nl_langinfo(CODESET));
    QStringEncoder encoder(charset.constData());
    if (charset == "UTF-8" || charset == "ANSI_X3.4-1968" || !encoder.isValid())
        return text.toUtf8();
    // A character the set lacks comes out as the substitute control character.
    return QByteArray(encoder.encode(text)).replace('\x1a', '?');
}

// What a currency code names, in any letter case: a slot, and for a currency
// fixed later its index in LaterChangeovers, which converts in the additional
// currency's slot. A slot of -1: no currency has the code.
struct NamedCurrency
{
    int slot = -1;
    int later = -1;
};
NamedCurrency CurrencyOfCode(const QString &code)
{
    if (code.compare(QLatin1String("OTHER"), Qt::CaseInsensitive) == 0)
        return {OtherCurrencyIndex};
    for (int slot = 0; slot < OtherCurrencyIndex; ++slot) {
        if (code.compare(QLatin1String(CurrencyCodes[std::size_t(slot)]), Qt::CaseInsensitive) == 0)
            return {slot};
    }
    for (int later = 0; later < int(LaterChangeovers.size()); ++later) {
        if (code.compare(QLatin1String(LaterChangeovers[std::size_t(later)].code), Qt::CaseInsensitive) == 0)
            return {OtherCurrencyIndex, later};
    }
    return {};
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
        parser.addOption(entry.name == std::string_view("convert")
                             ? QCommandLineOption(names, {}, QStringLiteral("amount"))
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
        else
            misused(TextId::CommandUnknownOption, arguments.filter(QStringLiteral("=")).value(0, last));
        return;
    }
    const QStringList positional = parser.positionalArguments();
    const bool converting = parser.isSet(QStringLiteral("convert"));
    if (parser.isSet(QStringLiteral("help"))) {
        m_action = Action::Help;
    } else if (parser.isSet(QStringLiteral("version"))) {
        m_action = Action::Version;
    } else if (converting && positional.isEmpty()) {
        misused(TextId::CommandConvertNeeds, QStringLiteral("--convert"));
    } else if (positional.size() > (converting ? 1 : 0)) {
        misused(TextId::CommandStrayArgument, positional.constLast());
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
        if (entry.description == TextId::CommandConvertOption)
            names += u' ' + Text(TextId::CommandConvertArguments, language);
        names = names.size() < DescriptionColumn - 1 ? names.leftJustified(DescriptionColumn) : names + u'\n' + indent;
        help += names + Text(entry.description, language).replace(u'\n', u'\n' + indent) + u'\n';
    }
    if (full) {
        // The later currencies' codes follow the paragraph on the codes.
        QStringList details = Text(TextId::CommandDetails, language).split(QStringLiteral("\n\n"));
        details.insert(1, Text(TextId::CommandLaterCodes, language).arg(LaterCodes()));
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
    int code = answer(programFolder, desktopLanguages, answerStream, complaintStream, language);
    answerStream.flush();
    complaintStream.flush();
    // As cat and printf do: an answer lost on a full disk or a closed output is no success.
    const QByteArray bytes = ForTerminal(answered);
    if (FileSystem::WriteAll(out, bytes.constData(), bytes.size()) != bytes.size()) {
        const ErrorCode error = FileSystem::CodeOfErrno(errno, QString());
        complaint += Text(TextId::CommandOutputFailed, language).arg(ErrorDescription(error, language)) + u'\n';
        code = Failed;
    }
    const QByteArray said = ForTerminal(complaint);
    FileSystem::WriteAll(err, said.constData(), said.size());
    return code;
}

int CommandLine::answer(const QString &programFolder, const QStringList &desktopLanguages, QTextStream &out,
                        QTextStream &err, Language &language) const
{
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
    return convert(ini, language, out, err);
}

int CommandLine::convert(const IniDocument &ini, Language language, QTextStream &out, QTextStream &err) const
{
    CurrentConversion conversion;
    conversion.load(ini);
    const NamedCurrency currency = CurrencyOfCode(m_code);
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
