#include "app/AmountEntry.h"

#include "app/RowTexts.h"
#include "core/ConversionState.h"
#include "core/NumberText.h"

AmountEntry::AmountEntry(const ConversionState &state, int slot, const QString &amountCaption, Language language)
    : m_slot(slot)
    , m_language(language)
    , m_rowTitle(RowTitle(state, slot, language))
    , m_euroTitle(RowTitle(state, 0, language))
    , m_name(m_rowTitle)
    , m_rate(FormatDouble(state.CurrencyRates[std::size_t(slot)]))
    , m_amount(amountCaption.trimmed())
    , m_decimals(state.decimalsOf(slot))
    , m_captionName(m_rowTitle)
{
    rateLeft();
}

bool AmountEntry::nameAndRateLocked() const { return m_slot != OtherCurrencyIndex; }

QString AmountEntry::caption() const { return Text(TextId::InputCaption, m_language).arg(m_captionName); }

QString AmountEntry::frameTitle() const
{
    return Text(nameAndRateLocked() ? TextId::InputFixedRate : TextId::InputCurrentRate, m_language);
}

QString AmountEntry::convertReason() const
{
    // Only the rate ever disables Convert.
    return m_convertEnabled ? QString() : Text(TextId::ConvertNeedsRate, m_language);
}

void AmountEntry::setRate(const QString &rate)
{
    m_rate = rate;
    if (rate.isEmpty())
        m_convertEnabled = false;
    else
        enableForRate(); // text that is not a number leaves the button as it was
}

void AmountEntry::enableForRate()
{
    if (const std::optional<double> rate = ParseDouble(m_rate))
        m_convertEnabled = *rate > 0;
}

void AmountEntry::rateLeft()
{
    m_rateLine = QLatin1Char('(') + m_euroTitle + QStringLiteral(") 1 = ") + m_rate + QStringLiteral(" (") + m_name
        + QLatin1Char(')');
    enableForRate();
}

void AmountEntry::nameLeft()
{
    if (m_name.trimmed().isEmpty())
        m_name = CurrencyCaption(OtherCurrencyIndex, m_language);
    m_captionName = m_name;
    rateLeft();
}

AmountEntry::Outcome AmountEntry::validate()
{
    nameLeft();
    const std::optional<double> rate = ParseDouble(m_rate);
    if (!rate || *rate <= 0)
        return Refusal{TextId::BadRate, Field::Rate};
    const std::optional<Money> amount = ParseAmount(m_amount);
    if (!amount || amount->raw() < 0)
        return Refusal{TextId::BadAmount, Field::Amount};
    return InputCurrencyValues{*amount, qint16(m_decimals), *rate, m_name};
}
