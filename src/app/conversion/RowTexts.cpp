#include "app/conversion/RowTexts.h"

#include "app/texts/Texts.h"
#include "core/NumberText.h"

QString RowTitle(const ConversionState &state, int slot, Language language)
{
    if (slot == OtherCurrencyIndex && !state.otherCurrencyUnnamed()) {
        // A currency fixed later keeps the name the program gave it, in the
        // language of the moment; the file keeps whichever language it was chosen in.
        for (int index = 0; index < int(LaterChangeovers.size()); ++index) {
            for (const Language named : Languages) {
                if (state.OtherCurrencyName == LaterCurrencyName(index, named))
                    return LaterCurrencyName(index, language);
            }
        }
        return state.OtherCurrencyName;
    }
    return CurrencyCaption(slot, language);
}

QString CodeOfName(const QString &name)
{
    const auto letter = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    if (name.size() > 6 && letter(name[0]) && letter(name[1]) && letter(name[2]) && name.mid(3, 3) == u" - ")
        return name.left(3);
    return QString();
}

std::array<RowText, CurrencyCount> RowTexts(const ConversionResult &result, const ConversionState &state,
                                            Language language, bool hideToolTips, const QLocale &locale)
{
    // The five display patterns, built once: a conversion shows fourteen rows.
    static const std::array<QString, Money::Decimals + 1> patterns = {
        BuildAmountFormat(0), BuildAmountFormat(1), BuildAmountFormat(2), BuildAmountFormat(3), BuildAmountFormat(4)};
    std::array<RowText, CurrencyCount> rows;
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        RowText &row = rows[slot];
        if (!result.overflow) {
            const QString &pattern = patterns[std::size_t(state.decimalsOf(int(slot)))];
            row.caption = FormatAmount(result.rounded[slot], pattern, locale) + u' ';
            row.toolTip = u' ' + FormatAmount(result.unrounded[slot], UnroundedPattern, locale) + u' ';
        } else {
            // Wherever the range was left, the overflow is reported in the row converted
            // from; every other row simply has no result.
            const bool source = int(slot) == result.source;
            row.caption = Text(source ? TextId::OverflowCaption : TextId::UndefinedCaption, language);
            row.toolTip = Text(source ? TextId::OverflowToolTip : TextId::UndefinedToolTip, language);
        }
        if (hideToolTips)
            row.toolTip.clear();
    }
    return rows;
}

QString AmountTail(const QString &caption, const QLocale &locale)
{
    qsizetype start = caption.size();
    while (start > 0 && caption[start - 1] == u' ')
        --start;
    const qsizetype padding = start;
    while (start > 0 && caption[start - 1].isDigit())
        --start;
    const QString point = locale.decimalPoint();
    const qsizetype separator = start - point.size();
    if (start < padding && separator > 0 && caption[separator - 1].isDigit()
        && QStringView(caption).mid(separator, point.size()) == point)
        return caption.mid(separator);
    return caption.mid(padding);
}
