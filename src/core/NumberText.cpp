#include "core/NumberText.h"

#include "core/WideInteger.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace {

// How much of the number grammar a reader accepts.
enum class Grammar {
    Integer,    // sign and digits
    Decimal,    // ... and a decimal separator with digits
    Scientific, // ... and an exponent
};

// A number text taken apart: ASCII digits without separators.
struct NumberParts
{
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    std::string exponent; // optional sign and digits; empty without an exponent
};

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads a trimmed text with the locale's separators. Grouping separators are only
// accepted where they form proper groups (one to three digits, then groups of
// exactly three), so that "2.5" typed under a locale that groups with "." is
// refused instead of being silently read as 25.
// The separators a reader accepts: the locale's for typed text, or none for
// grouping and either "." or "," as the decimal separator for stored text.
struct Separators
{
    QString group;
    QString point;
    QString otherPoint; // a second decimal separator, or empty
};

Separators RegionalSeparators(const QLocale &locale)
{
    return {locale.groupSeparator(), locale.decimalPoint(), QString()};
}

Separators StoredSeparators() { return {QString(), QStringLiteral("."), QStringLiteral(",")}; }

std::optional<NumberParts> SplitNumber(QStringView text, const Separators &separators, Grammar grammar)
{
    const QString &group = separators.group;
    NumberParts parts;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        parts.negative = text[i++] == u'-';

    bool grouped = false;
    int groupLength = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            parts.integerDigits += char(text[i++].unicode());
            ++groupLength;
        } else if (!group.isEmpty() && text.mid(i).startsWith(group)) {
            const bool wellFormed = grouped ? groupLength == 3 : groupLength >= 1 && groupLength <= 3;
            if (!wellFormed)
                return std::nullopt;
            grouped = true;
            groupLength = 0;
            i += group.size();
        } else {
            break;
        }
    }
    if (grouped && groupLength != 3)
        return std::nullopt;

    const QStringView rest = text.mid(i);
    const QString &point = !separators.otherPoint.isEmpty() && rest.startsWith(separators.otherPoint)
        ? separators.otherPoint
        : separators.point;
    if (grammar != Grammar::Integer && rest.startsWith(point)) {
        i += point.size();
        while (i < text.size() && IsDigit(text[i]))
            parts.fractionDigits += char(text[i++].unicode());
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        return std::nullopt;

    if (grammar == Grammar::Scientific && i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            parts.exponent += char(text[i++].unicode());
        const qsizetype digitsStart = i;
        while (i < text.size() && IsDigit(text[i]))
            parts.exponent += char(text[i++].unicode());
        if (i == digitsStart)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return parts;
}

// What a number is written into: a QString, or UTF-8 bytes for many numbers in a row.
void Put(QString &text, char c) { text += QChar::fromLatin1(c); }
void Put(std::string &text, char c) { text += c; }
void Put(QString &text, const char *digits, qsizetype length) { text += QLatin1String(digits, length); }
void Put(std::string &text, const char *digits, qsizetype length) { text.append(digits, std::size_t(length)); }

// Writes a magnitude held in units of 10^-kept with `decimals` decimals
// (kept <= decimals; the extra ones are zeros), a minus when negative and not
// zero, grouped with `group` (none when empty).
template<typename Text>
void ComposeNumber(Text &text, bool negative, std::uint64_t units, int kept, int decimals, const Text &group,
                   const Text &point)
{
    const std::uint64_t scale = std::uint64_t(PowersOfTen[kept]);
    char integer[24];
    const char *integerEnd = std::to_chars(std::begin(integer), std::end(integer), units / scale).ptr;
    const qsizetype integerLength = integerEnd - integer;

    if (negative && units != 0)
        Put(text, '-');
    for (qsizetype i = 0; i < integerLength; ++i) {
        if (i != 0 && (integerLength - i) % 3 == 0)
            text += group;
        Put(text, integer[i]);
    }
    if (decimals > 0) {
        text += point;
        std::uint64_t fraction = units % scale;
        char digits[Money::Decimals];
        for (int i = kept - 1; i >= 0; --i, fraction /= 10)
            digits[i] = char('0' + fraction % 10);
        Put(text, digits, kept);
        for (int zeros = decimals - kept; zeros > 0; --zeros)
            Put(text, '0');
    }
}

// An amount with `decimals` decimals (0 and more), rounded half to even to at most four first.
template<typename Text>
void ComposeAmount(Text &text, Money amount, int decimals, const Text &group, const Text &point)
{
    const int kept = std::min(decimals, Money::Decimals);
    // Rounded on the unsigned magnitude, which has room for the range ends
    // rounding outwards (…477.5807 shows as …478 with no decimals).
    const std::uint64_t step = std::uint64_t(PowersOfTen[Money::Decimals - kept]);
    const std::uint64_t units = QuotientHalfEven(MagnitudeOf(amount), step);
    ComposeNumber(text, amount.raw() < 0, units, kept, decimals, group, point);
}

} // namespace

QString BuildAmountFormat(int decimals)
{
    QString pattern = QStringLiteral("###,###,###,###,##0");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    return pattern;
}

QString FormatAmount(Money amount, const QString &pattern, const QLocale &locale)
{
    const qsizetype point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(QStringView(pattern).mid(point + 1).count(u'0'));
    QString text;
    text.reserve(32);
    ComposeAmount(text, amount, decimals, pattern.contains(u',') ? locale.groupSeparator() : QString(),
                  locale.decimalPoint());
    return text;
}

void AppendAmountUtf8(std::string &out, Money amount, int decimals, const NumberSeparators &separators)
{
    ComposeAmount(out, amount, decimals, separators.groupUtf8, separators.pointUtf8);
}

QString FormatAmountShort(Money amount, const QLocale &locale)
{
    std::uint64_t units = MagnitudeOf(amount);
    int kept = Money::Decimals;
    while (kept > 0 && units % 10 == 0) {
        units /= 10;
        --kept;
    }
    QString text;
    ComposeNumber(text, amount.raw() < 0, units, kept, kept, QString(), locale.decimalPoint());
    return text;
}

NumberSeparators::NumberSeparators(const QLocale &locale)
    : group(locale.groupSeparator())
    , point(locale.decimalPoint())
    , groupUtf8(group.toStdString())
    , pointUtf8(point.toStdString())
{
    // A column of plain numbers is read fast where the two separators are the
    // comma and the point, as in most of Europe and the English-speaking world.
    if ((group == u"," && point == u".") || (group == u"." && point == u",")) {
        groupCharacter = char(group[0].unicode());
        pointCharacter = char(point[0].unicode());
    }
}

QString FormatDouble(double value, const QLocale &locale)
{
    // A negative zero would otherwise be written "-0".
    if (value == 0)
        return QStringLiteral("0");
    // "%.15g": fixed from 1e-4 up to 1e15, otherwise "1.5e-07"; trailing zeros dropped.
    char buffer[32];
    const char *end = std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::general, 15).ptr;
    QString text;
    for (const char *c = buffer; c != end; ++c) {
        if (*c == '.')
            text += locale.decimalPoint();
        else
            text += QChar::fromLatin1(*c == 'e' ? 'E' : *c);
    }
    return text;
}

namespace {

// The amount of a sign and its digits, without separators.
std::optional<Money> AmountOfDigits(bool negative, std::string_view integer, std::string_view fraction)
{
    UInt128 units = 0;
    for (char digit : integer) {
        units = units * 10 + UInt128(digit - '0');
        // Stopping early keeps any number of digits from overflowing the sum.
        if (units > MoneyMagnitudeLimit)
            return std::nullopt;
    }
    for (std::size_t i = 0; i < std::size_t(Money::Decimals); ++i)
        units = units * 10 + UInt128(i < fraction.size() ? fraction[i] - '0' : 0);

    // Decimals beyond four are rounded on the digits themselves, halves to even,
    // so that "0.00005" is exactly a half and nothing passes through a double.
    if (fraction.size() > std::size_t(Money::Decimals)) {
        const char first = fraction[Money::Decimals];
        const bool beyondHalf = fraction.find_first_not_of('0', Money::Decimals + 1) != std::string::npos;
        if (first > '5' || (first == '5' && (beyondHalf || (units & 1) != 0)))
            ++units;
    }
    return MoneyFromMagnitude(negative, units);
}

std::optional<Money> AmountOf(const std::optional<NumberParts> &parts)
{
    if (!parts)
        return std::nullopt;
    return AmountOfDigits(parts->negative, parts->integerDigits, parts->fractionDigits);
}

std::optional<double> DoubleOf(const std::optional<NumberParts> &parts)
{
    if (!parts)
        return std::nullopt;
    // Rebuilt in the C form so that std::from_chars rounds it correctly.
    std::string plain = parts->negative ? "-" : "";
    plain += parts->integerDigits.empty() ? "0" : parts->integerDigits;
    plain += '.' + parts->fractionDigits + 'e' + (parts->exponent.empty() ? "0" : parts->exponent);

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// ReadPlainAmount for either kind of text: SplitNumber's grammar for a text
// that holds nothing but digits and the two separators.
template<typename Char>
PlainReading ReadPlain(const Char *text, std::size_t size, const NumberSeparators &separators)
{
    const Char group = Char(separators.groupCharacter);
    const Char point = Char(separators.pointCharacter);
    const auto digit = [](Char c) { return c >= Char('0') && c <= Char('9'); };
    if (group == 0 || size == 0 || size > PlainAmountLength
        || !std::all_of(text, text + size, [&](Char c) { return digit(c) || c == group || c == point; }))
        return {};
    char integer[PlainAmountLength];
    char fraction[PlainAmountLength];
    std::size_t integerLength = 0;
    std::size_t fractionLength = 0;
    std::size_t i = 0;
    bool grouped = false;
    int groupLength = 0;
    for (; i < size && text[i] != point; ++i) {
        if (digit(text[i])) {
            integer[integerLength++] = char(text[i]);
            ++groupLength;
            continue;
        }
        // One to three digits, then groups of exactly three.
        if (grouped ? groupLength != 3 : groupLength < 1 || groupLength > 3)
            return {true, std::nullopt};
        grouped = true;
        groupLength = 0;
    }
    if (grouped && groupLength != 3)
        return {true, std::nullopt};
    if (i < size) {
        for (++i; i < size && digit(text[i]); ++i)
            fraction[fractionLength++] = char(text[i]);
    }
    // Something after the decimals, or no digit at all.
    if (i != size || (integerLength == 0 && fractionLength == 0))
        return {true, std::nullopt};
    return {true, AmountOfDigits(false, {integer, integerLength}, {fraction, fractionLength})};
}

} // namespace

std::optional<Money> ParseAmount(const QString &text, const QLocale &locale)
{
    return AmountOf(SplitNumber(QStringView(text).trimmed(), RegionalSeparators(locale), Grammar::Decimal));
}

std::optional<double> ParseDouble(const QString &text, const QLocale &locale)
{
    return DoubleOf(SplitNumber(QStringView(text).trimmed(), RegionalSeparators(locale), Grammar::Scientific));
}

PlainReading ReadPlainAmount(std::string_view text, const NumberSeparators &separators)
{
    return ReadPlain(text.data(), text.size(), separators);
}

PlainReading ReadPlainAmount(QStringView text, const NumberSeparators &separators)
{
    return ReadPlain(text.utf16(), std::size_t(text.size()), separators);
}

std::optional<Money> ParseStoredAmount(const QString &text)
{
    return AmountOf(SplitNumber(QStringView(text).trimmed(), StoredSeparators(), Grammar::Decimal));
}

std::optional<double> ParseStoredDouble(const QString &text)
{
    return DoubleOf(SplitNumber(QStringView(text).trimmed(), StoredSeparators(), Grammar::Scientific));
}

std::optional<qint32> ParseInteger(const QString &text)
{
    const std::optional<NumberParts> parts =
        SplitNumber(QStringView(text).trimmed(), StoredSeparators(), Grammar::Integer);
    if (!parts)
        return std::nullopt;
    qint64 value = 0;
    for (char digit : parts->integerDigits) {
        value = value * 10 + (digit - '0');
        if (value > qint64(1) << 32) // beyond any qint32 either way; stop before overflowing
            return std::nullopt;
    }
    if (parts->negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

bool IsIntegerText(const QString &text, qint32 minimum, qint32 maximum)
{
    const std::optional<qint32> value = ParseInteger(text);
    return value && *value >= minimum && *value <= maximum;
}

bool IsCurrencyText(const QString &text, const QLocale &locale) { return ParseAmount(text, locale).has_value(); }

bool IsDoubleText(const QString &text, const QLocale &locale) { return ParseDouble(text, locale).has_value(); }
