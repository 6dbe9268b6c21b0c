#include "app/logic/AmountEntry.h"

#include "app/conversion/CurrencyChoice.h"
#include "core/NumberText.h"

namespace {

bool IsDecimalSeparator(const QString &text) { return text == u"." || text == u","; }

} // namespace

std::optional<QString> AmountStart(const QString &typed, bool keypad, const QLocale &locale)
{
    if (typed.size() != 1)
        return std::nullopt;
    const QChar key = typed.front();
    if ((key >= u'0' && key <= u'9') || typed == locale.decimalPoint() || key == u'-' || typed == locale.negativeSign())
        return typed;
    // Whatever the keyboard layout puts on the keypad's separator key, it means the decimal separator.
    if (keypad && IsDecimalSeparator(typed))
        return locale.decimalPoint();
    return std::nullopt;
}

AmountEntry::AmountEntry(const CurrentConversion &conversion, int slot, Language language)
    : m_slot(slot)
    , m_language(language)
    , m_rowTitle(conversion.rowTitle(slot, language))
    , m_euroTitle(conversion.rowTitle(0, language))
{
    const ConversionInput opened = conversion.inputFor(slot, language);
    m_name = opened.name;
    m_rate = opened.rate;
    m_amount = opened.amount;
    m_decimals = opened.decimals;
    m_captionName = m_rowTitle;
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
    m_name = CurrentConversion::acceptedName(m_name, m_language);
    m_captionName = m_name;
    rateLeft();
}

AmountEntry::Outcome AmountEntry::validate()
{
    nameLeft();
    return CurrentConversion::accept({m_name, m_rate, m_amount, m_decimals}, m_language);
}

PastedNumber AmountEntry::paste(const QString &pasted) const { return PasteNumber(pasted, OwnUnits(m_slot, m_name)); }

bool AmountEntry::typeFirst(const QString &typed)
{
    const bool taken =
        typed.size() == 1 && ((typed.front() >= u'0' && typed.front() <= u'9') || IsDecimalSeparator(typed));
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
        choices << LaterChoiceCaption(index, m_language);
    return choices;
}

void AmountEntry::chooseLater(int index)
{
    const ConversionInput later = CurrentConversion::laterInput(index, m_language);
    m_name = later.name;
    m_rate = later.rate;
    m_decimals = later.decimals;
    nameLeft();
}
