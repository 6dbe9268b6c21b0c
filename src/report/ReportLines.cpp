#include "report/ReportLines.h"

#include "core/DecimalRate.h"
#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string>

namespace {

constexpr int RateDecimals = 6;
constexpr int ColumnTitleWidths[] = {30, 13, 24, 27};
constexpr int ColumnGaps[] = {4, 4, 3};
// Between the fields of a data line: name, rate, rounded, unrounded.
constexpr int DataGaps[] = {5, 4, 6};

const QChar Space = u' ';

// Spaces after a rounded amount, by its decimals, so that the decimal separator,
// or where it would be, lands in the same column for every row.
constexpr int RoundedPadding[] = {5, 3, 2, 1, 0};

QString RightAligned(const QString &text, int width) { return text.rightJustified(width, Space); }

// Blanks the trailing zeros of a number that ends in `decimals` decimals; when
// none is left, the decimal separator before them goes too.
void BlankTrailingZeros(QString &field, int decimals, qsizetype separatorLength)
{
    qsizetype end = field.size();
    while (end > 0 && field[end - 1] == u'0')
        field[--end] = Space;
    if (field.size() - end >= decimals) {
        const qsizetype separator = field.size() - decimals - separatorLength;
        for (qsizetype i = std::max<qsizetype>(separator, 0); i < field.size() - decimals; ++i)
            field[i] = Space;
    }
}

// The name as one field: control characters (a tab pasted into a name) would
// break the alignment, and a cut must not split a character in two.
QString NameField(const QString &name)
{
    QString field = name.left(ReportLayout::NameWidth);
    if (field.size() == ReportLayout::NameWidth && field.back().isHighSurrogate())
        field.chop(1);
    for (QChar &c : field)
        if (c.category() == QChar::Other_Control)
            c = Space;
    return field.leftJustified(ReportLayout::NameWidth, Space);
}

// Adds one to a string of decimal digits; true when it carried out of the front.
bool IncrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// "#,##0.000000" of the rate's exact shortest decimal text. More than six
// decimals are rounded on those digits, halves away from zero, as display
// formats round; nothing goes through binary arithmetic.
QString FormatRate(double rate, const QLocale &locale)
{
    const DecimalRate decimal = DecimalRate::fromDouble(rate);
    char mantissa[24];
    std::string digits(mantissa, std::to_chars(std::begin(mantissa), std::end(mantissa), decimal.mantissa).ptr);
    std::string integer;
    std::string fraction;
    if (decimal.exponent >= 0) {
        integer = digits + std::string(std::size_t(decimal.exponent), '0');
    } else {
        const std::size_t fractionLength = std::size_t(-decimal.exponent);
        if (digits.size() <= fractionLength)
            digits.insert(0, fractionLength - digits.size() + 1, '0');
        integer = digits.substr(0, digits.size() - fractionLength);
        fraction = digits.substr(digits.size() - fractionLength);
    }
    if (fraction.size() > std::size_t(RateDecimals)) {
        const bool up = fraction[RateDecimals] >= '5';
        fraction.resize(RateDecimals);
        if (up && IncrementDigits(fraction) && IncrementDigits(integer))
            integer.insert(0, 1, '1');
    }
    fraction.resize(RateDecimals, '0');

    const bool zero =
        integer.find_first_not_of('0') == std::string::npos && fraction.find_first_not_of('0') == std::string::npos;
    const QString group = locale.groupSeparator();
    QString text;
    text.reserve(qsizetype(integer.size() + integer.size() / 3 * std::size_t(group.size()) + RateDecimals + 3));
    if (decimal.negative && !zero)
        text += u'-';
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i != 0 && (integer.size() - i) % 3 == 0)
            text += group;
        text += QChar::fromLatin1(integer[i]);
    }
    text += locale.decimalPoint();
    text += QLatin1String(fraction.data(), qsizetype(fraction.size()));
    return text;
}

} // namespace

QString ReportDateTimeText(const QDateTime &when, const QLocale &locale)
{
    // The time is formatted from the whole date-time so that a zone in the
    // long time format is the zone of `when`.
    return locale.toString(when.date(), QLocale::LongFormat).trimmed() + QStringLiteral(" - ")
        + locale.toString(when, locale.timeFormat(QLocale::LongFormat)).trimmed();
}

QString ReportColumnTitles(const ReportWords &words, const ReportColumnGrowth &growth)
{
    const QString titles[] = {words.currencyTitle, words.rateTitle, words.roundedTitle, words.unroundedTitle};
    const int grown[] = {0, growth.rate, growth.rounded, growth.unrounded};
    QString columnTitles;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            columnTitles += QString(ColumnGaps[i - 1], Space);
        columnTitles += QString(grown[i], Space) + titles[i].leftJustified(ColumnTitleWidths[i], Space);
    }
    return columnTitles;
}

std::array<QString, ReportLayout::HeaderLines> ReportHeaderLines(const ReportWords &words, const QString &dateTime,
                                                                 const ReportColumnGrowth &growth)
{
    const int width = ReportLayout::Width + growth.total();
    const QString rule(width, u'-');
    const qsizetype gap = std::max<qsizetype>(1, width - words.title.size() - dateTime.size());

    const int grown[] = {0, growth.rate, growth.rounded, growth.unrounded};
    QString columnRule;
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            columnRule += QString(ColumnGaps[i - 1], Space);
        columnRule += QString(ColumnTitleWidths[i] + grown[i], u'-');
    }
    return {words.title + QString(gap, Space) + dateTime, rule, QString(), ReportColumnTitles(words, growth),
            columnRule};
}

ReportColumnGrowth ReportColumnGrowthOf(const ReportModel &model, const QLocale &locale)
{
    const auto beyond = [](int grown, const QString &field, int width) {
        return std::max(grown, int(field.size()) - width);
    };
    ReportColumnGrowth growth;
    for (const ReportRow &row : model) {
        growth.rate = beyond(growth.rate, ReportRateField(row.rate, locale), ReportLayout::RateWidth);
        if (!row.amounts)
            continue;
        growth.rounded = beyond(growth.rounded, ReportRoundedField(row.amounts->rounded, row.decimals, locale),
                                ReportLayout::AmountWidth);
        growth.unrounded =
            beyond(growth.unrounded, ReportUnroundedField(row.amounts->unrounded, locale), ReportLayout::AmountWidth);
    }
    return growth;
}

QString ReportRateField(double rate, const QLocale &locale)
{
    QString field = RightAligned(FormatRate(rate, locale), ReportLayout::RateWidth);
    BlankTrailingZeros(field, RateDecimals, locale.decimalPoint().size());
    return field;
}

QString ReportRoundedField(Money rounded, int decimals, const QLocale &locale)
{
    static const QString patterns[] = {BuildAmountFormat(0), BuildAmountFormat(1), BuildAmountFormat(2),
                                       BuildAmountFormat(3), BuildAmountFormat(4)};
    const int kept = std::clamp(decimals, 0, int(Money::Decimals));
    const QString text = FormatAmount(rounded, patterns[kept], locale) + QString(RoundedPadding[kept], Space);
    return RightAligned(text, ReportLayout::AmountWidth);
}

QString ReportUnroundedField(Money unrounded, const QLocale &locale)
{
    QString field = RightAligned(FormatAmount(unrounded, UnroundedPattern, locale), ReportLayout::AmountWidth);
    BlankTrailingZeros(field, Money::Decimals, locale.decimalPoint().size());
    return field;
}

std::array<QString, ReportLayout::LinesPerRow> ReportRowLines(const ReportRow &row, const ReportWords &words,
                                                              const QLocale &locale, const ReportColumnGrowth &growth)
{
    const int roundedWidth = ReportLayout::AmountWidth + growth.rounded;
    const int unroundedWidth = ReportLayout::AmountWidth + growth.unrounded;
    QString rounded;
    QString unrounded;
    if (row.amounts) {
        rounded = RightAligned(ReportRoundedField(row.amounts->rounded, row.decimals, locale), roundedWidth);
        unrounded = RightAligned(ReportUnroundedField(row.amounts->unrounded, locale), unroundedWidth);
    } else {
        const QString &word = row.source ? words.overflow : words.undefined;
        rounded = RightAligned(word, roundedWidth);
        unrounded = RightAligned(word, unroundedWidth);
    }

    QString line = NameField(row.name);
    line.reserve(ReportLayout::Width + growth.total());
    line += QString(DataGaps[0], Space);
    line += RightAligned(ReportRateField(row.rate, locale), ReportLayout::RateWidth + growth.rate);
    line += QString(DataGaps[1], Space);
    line += rounded;
    line += QString(DataGaps[2], Space);
    line += unrounded;
    return {QString(), QString(), line};
}
