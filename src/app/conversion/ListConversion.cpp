#include "app/conversion/ListConversion.h"

#include "app/conversion/CurrentConversion.h"
#include "app/conversion/NumberPaste.h"
#include "app/conversion/RowTexts.h"

namespace {

// A currency fixed later holds its official rate, the decimal text itself.
ConversionSide SideOf(const ConversionState &state, const CurrencyChoice &choice)
{
    if (choice.later >= 0) {
        const LaterChangeover &later = LaterChangeovers[std::size_t(choice.later)];
        return {DecimalRate::fromDouble(ParseStoredDouble(QLatin1String(later.rate)).value_or(0)),
                LaterChangeoverDecimals};
    }
    return {DecimalRate::fromDouble(state.CurrencyRates[std::size_t(choice.slot)]), state.decimalsOf(choice.slot),
            choice.slot == 0};
}

} // namespace

ListConversion::ListConversion(const ConversionState &state, CurrencyChoice from, CurrencyChoice to, Language language,
                               const QLocale &locale)
    : m_from(SideOf(state, from))
    , m_to(SideOf(state, to))
    , m_euroDecimals(state.decimalsOf(0))
    , m_language(language)
    , m_locale(locale)
    , m_separators(locale)
    , m_ownUnits(OwnUnits(from.slot, ChoiceCaption(state, from, language)))
{
    // As the amount dialog refuses it, the euro's too.
    if (m_from.rate.isZero() || m_from.rate.negative)
        m_refusal = TextId::BadRate;
    for (int decimals = 0; decimals <= Money::Decimals; ++decimals)
        m_patterns[std::size_t(decimals)] = BuildAmountFormat(decimals);
}

ListLine ListConversion::convertAmount(const std::optional<Money> &amount) const
{
    if (!amount || m_refusal)
        return ListLine::notConverted(ListLine::Kind::Refused);
    const std::optional<EuroStep> euro = ToEuro(*amount, m_from, m_euroDecimals);
    const std::optional<TargetAmount> target =
        euro ? FromEuro(euro->roundedEuroAmount, m_to) : std::optional<TargetAmount>();
    if (!target)
        return ListLine::notConverted(ListLine::Kind::Overflow);
    return {ListLine::Kind::Converted, euro->source, target->rounded, target->unrounded};
}

ListLine ListConversion::convertPasted(const QString &trimmed) const
{
    const PastedNumber pasted = PasteNumber(trimmed, m_ownUnits, m_locale);
    const QString *number = std::get_if<QString>(&pasted);
    return convertAmount(number ? CurrentConversion::acceptedAmount(*number, m_locale) : std::nullopt);
}

ListLine ListConversion::convert(QStringView trimmed) const
{
    if (trimmed.isEmpty())
        return {};
    // A plain number reads as the paste rule reads it: nothing to take off,
    // and the rule of a typed amount, which cannot be negative without a sign.
    const PlainReading plain = ReadPlainAmount(trimmed, m_separators);
    return plain.plain ? convertAmount(plain.amount) : convertPasted(trimmed.toString());
}

ListLine ListConversion::convert(std::string_view trimmed) const
{
    if (trimmed.empty())
        return {};
    const PlainReading plain = ReadPlainAmount(trimmed, m_separators);
    return plain.plain ? convertAmount(plain.amount)
                       : convertPasted(QString::fromLatin1(trimmed.data(), qsizetype(trimmed.size())));
}

QString ListConversion::reason(ListLine::Kind kind) const
{
    switch (kind) {
    case ListLine::Kind::Refused:
        return Text(m_refusal.value_or(TextId::BadAmount), m_language);
    case ListLine::Kind::Overflow:
        return Text(TextId::ListOverflow, m_language);
    default:
        return QString();
    }
}

QString ListConversion::roundedText(const ListLine &line) const
{
    return line.kind == ListLine::Kind::Converted ? toText(line.rounded) : QString();
}

QString ListConversion::unroundedText(const ListLine &line) const
{
    return line.kind == ListLine::Kind::Converted ? FormatAmount(line.unrounded, UnroundedPattern, m_locale)
                                                  : QString();
}

QString ListConversion::fromText(Money amount) const
{
    return FormatAmount(amount, m_patterns[std::size_t(m_from.decimals)], m_locale);
}

QString ListConversion::toText(Money amount) const
{
    return FormatAmount(amount, m_patterns[std::size_t(m_to.decimals)], m_locale);
}

void ListConversion::appendLine(std::string &out, std::string_view asRead, const ListLine &line) const
{
    if (line.kind == ListLine::Kind::Blank)
        return;
    out += asRead;
    out += '\t';
    if (line.kind == ListLine::Kind::Converted) {
        AppendAmountUtf8(out, line.rounded, m_to.decimals, m_separators);
        out += '\t';
        AppendAmountUtf8(out, line.unrounded, Money::Decimals, m_separators);
    } else {
        out += '\t';
    }
}
