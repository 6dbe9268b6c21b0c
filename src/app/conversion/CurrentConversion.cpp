#include "app/conversion/CurrentConversion.h"

#include "app/conversion/ReportTexts.h"
#include "app/conversion/StatusTexts.h"
#include "core/NumberText.h"
#include "settings/StateStore.h"

namespace {

// Until the first conversion every amount shows the lower end of the range.
const QString InitialAmountCaption = QStringLiteral("-922.337.203.685.477,5808");

} // namespace

CurrentConversion::CurrentConversion(const ConversionState &state)
    : m_state(state)
{
}

CurrentConversion::Acceptance CurrentConversion::accept(const ConversionInput &input, Language language,
                                                        const QLocale &locale)
{
    const std::optional<double> rate = ParseDouble(input.rate, locale);
    if (!rate || *rate <= 0)
        return Refusal{TextId::BadRate, Field::Rate};
    const std::optional<Money> amount = acceptedAmount(input.amount, locale);
    if (!amount)
        return Refusal{TextId::BadAmount, Field::Amount};
    return InputCurrencyValues{*amount, qint16(input.decimals), *rate, acceptedName(input.name, language)};
}

std::optional<Money> CurrentConversion::acceptedAmount(const QString &amount, const QLocale &locale)
{
    const std::optional<Money> value = ParseAmount(amount, locale);
    if (!value || value->raw() < 0)
        return std::nullopt;
    return value;
}

QString CurrentConversion::acceptedName(const QString &name, Language language)
{
    return name.trimmed().isEmpty() ? CurrencyCaption(OtherCurrencyIndex, language) : name;
}

ConversionInput CurrentConversion::inputFor(int slot, Language language) const
{
    return {rowTitle(slot, language), FormatDouble(m_state.CurrencyRates[std::size_t(slot)]),
            rowTexts(language, false)[std::size_t(slot)].caption.trimmed(), m_state.decimalsOf(slot)};
}

ConversionInput CurrentConversion::laterInput(int index, Language language, const QLocale &locale)
{
    // The official text, trailing zeros and all, with the regional separator.
    QString rate = QLatin1String(LaterChangeovers[std::size_t(index)].rate);
    rate.replace(u'.', locale.decimalPoint());
    return {LaterCurrencyName(index, language), rate, QString(), LaterChangeoverDecimals};
}

void CurrentConversion::load(const IniDocument &ini) { FillConversionState(m_state, ini); }

void CurrentConversion::keep(IniDocument &ini) const { KeepConversionState(m_state, ini); }

void CurrentConversion::take(int slot, const InputCurrencyValues &values)
{
    m_state.CurrentCurrency = qint16(slot);
    m_state.CurrentAmount = values.amount;
    m_state.CurrencyDecimals[std::size_t(slot)] = values.decimals;
    if (slot != OtherCurrencyIndex)
        return;
    // A rate confirmed as it was shown (its shortest text, at most 15 digits)
    // keeps the exact value it stood for, so that converting again converts
    // as before.
    double &rate = m_state.CurrencyRates[std::size_t(slot)];
    if (ParseDouble(FormatDouble(rate)) != values.rate)
        rate = values.rate;
    // The built-in name of either language is what the dialog proposes for an
    // unnamed currency; kept as a name it would pin that language's word.
    const bool builtIn = values.name == CurrencyCaption(OtherCurrencyIndex, Language::English)
        || values.name == CurrencyCaption(OtherCurrencyIndex, Language::Greek);
    m_state.OtherCurrencyName = builtIn ? QString() : values.name;
    m_state.OtherCurrencyMarker = builtIn ? UnnamedCurrencyMarker : QString();
}

void CurrentConversion::convert() { m_result = Convert(m_state); }

QString CurrentConversion::rowTitle(int slot, Language language) const { return RowTitle(m_state, slot, language); }

std::array<RowText, CurrencyCount> CurrentConversion::rowTexts(Language language, bool hideToolTips) const
{
    if (!m_result) {
        std::array<RowText, CurrencyCount> initial;
        initial.fill({InitialAmountCaption, QString()});
        return initial;
    }
    return RowTexts(*m_result, m_state, language, hideToolTips);
}

std::array<RowSpeech, CurrencyCount> CurrentConversion::rowSpeech(Language language) const
{
    const std::array<RowText, CurrencyCount> texts = rowTexts(language, false);
    std::array<RowSpeech, CurrencyCount> speech;
    for (int slot = 0; slot < CurrencyCount; ++slot)
        speech[std::size_t(slot)] = SpeechOf(rowTitle(slot, language), texts[std::size_t(slot)]);
    return speech;
}

QString CurrentConversion::copyText(int slot, bool unrounded, Language language) const
{
    const RowText text = rowTexts(language, false)[std::size_t(slot)];
    return ((unrounded && m_result) ? text.toolTip : text.caption).trimmed();
}

QString CurrentConversion::road(int slot, Language language) const
{
    if (!m_result)
        return QString();
    return ConversionRoad(*m_result, m_state, slot, rowTitle(OtherCurrencyIndex, language), language);
}

ReportModel CurrentConversion::reportModel(Language language) const
{
    std::array<QString, CurrencyCount> names;
    for (int slot = 0; slot < CurrencyCount; ++slot)
        names[std::size_t(slot)] = rowTitle(slot, language);
    return BuildReportModel(m_result ? *m_result : Convert(m_state), m_state, names);
}

std::vector<ReportStep> CurrentConversion::reportSteps(Language language, ReportForms forms,
                                                       const PageSetupValues &page, const QString &dateTime) const
{
    return BuildReportSteps(reportModel(language), ReportWordsFor(language), dateTime, forms, page);
}

QStringList CurrentConversion::reportTable(Language language) const
{
    return ReportFileTable(reportModel(language), ReportWordsFor(language));
}
