#include "app/logic/AmountEntry.h"

#include "app/texts/RowTexts.h"
#include "core/ConversionState.h"
#include "core/NumberText.h"

namespace {

bool IsDecimalSeparator(const QString &text) { return text == u"." || text == u","; }

} // namespace

std::optional<QString> AmountStart(const QString &typed, bool keypad, const QLocale &locale)
{
    if (typed.size() != 1)
        return std::nullopt;
    const QChar key = typed.front();
    if ((key >= u'0' && key <= u'9') || typed == locale.decimalPoint() || key == u'-'
        || typed == locale.negativeSign())
        return typed;
    // Whatever the keyboard layout puts on the keypad's separator key, it means the decimal separator.
    if (keypad && IsDecimalSeparator(typed))
        return locale.decimalPoint();
    return std::nullopt;
}

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

bool AmountEntry::typeFirst(const QString &typed)
{
    const bool taken = typed.size() == 1 && ((typed.front() >= u'0' && typed.front() <= u'9') || IsDecimalSeparator(typed));
    if (taken) {
        m_amount = typed;
        m_typedFirst = true;
    }
    return taken;
}

QStringList AmountEntry::laterChoices() const
{
    QStringList choices;
    if (nameAndRateLocked())
        return choices;
    for (int index = 0; index < int(LaterChangeovers.size()); ++index)
        choices << QStringLiteral("%1 (%2)").arg(LaterCurrencyName(index, m_language)).arg(LaterChangeovers[std::size_t(index)].year);
    return choices;
}

void AmountEntry::chooseLater(int index)
{
    m_name = LaterCurrencyName(index, m_language);
    // The official text, trailing zeros and all, with the regional separator.
    m_rate = QLatin1String(LaterChangeovers[std::size_t(index)].rate);
    m_rate.replace(u'.', QLocale().decimalPoint());
    m_decimals = LaterChangeoverDecimals;
    nameLeft();
}
