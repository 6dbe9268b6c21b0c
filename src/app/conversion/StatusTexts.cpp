#include "app/conversion/StatusTexts.h"

#include "app/conversion/RowTexts.h"
#include "app/texts/Texts.h"
#include "core/NumberText.h"

#include <QStringList>

namespace {

// The decimals an amount really has: 1000.5000 has one.
int SignificantDecimals(Money amount)
{
    std::int64_t raw = amount.raw();
    int decimals = Money::Decimals;
    while (decimals > 0 && raw % 10 == 0) {
        raw /= 10;
        --decimals;
    }
    return decimals;
}

} // namespace

QString ConversionRoad(const ConversionResult &result, const ConversionState &state, int slot, const QString &otherName,
                       Language language, const QLocale &locale)
{
    // The additional currency goes by its code where its name starts with one,
    // as the twelve do, so that the line keeps room for the amounts.
    const QString otherCode = CodeOfName(otherName);
    const QString &otherUnit = otherCode.isEmpty() ? otherName : otherCode;
    const auto unit = [&otherUnit](int s) {
        return s == OtherCurrencyIndex ? otherUnit : QString::fromLatin1(CurrencyCodes[std::size_t(s)]);
    };
    const auto amount = [&locale](Money value, int decimals) {
        return FormatAmount(value, BuildAmountFormat(decimals), locale);
    };
    const int source = result.source;
    const QString entered = amount(state.CurrentAmount, SignificantDecimals(state.CurrentAmount)) + u' ' + unit(source);
    if (result.overflow) {
        if (!(state.CurrencyRates[std::size_t(source)] > 0))
            return Text(TextId::RoadZeroRate, language).arg(entered, unit(source));
        return Text(TextId::RoadOverflow, language)
            .arg(entered, FormatAmount(Money::maximum(), UnroundedPattern, locale));
    }
    QStringList steps{entered};
    const int sourceDecimals = state.decimalsOf(source);
    const std::optional<Money> roundedSource = state.CurrentAmount.roundedHalfEven(sourceDecimals);
    if (roundedSource && *roundedSource != state.CurrentAmount)
        steps << amount(*roundedSource, sourceDecimals) + u' ' + unit(source);
    if (source != 0)
        steps << amount(result.roundedEuroAmount, state.decimalsOf(0)) + u' ' + unit(0);
    steps << FormatAmount(result.unrounded[std::size_t(slot)], UnroundedPattern, locale)
          << amount(result.rounded[std::size_t(slot)], state.decimalsOf(slot)) + u' ' + unit(slot);
    return steps.join(RoadArrow);
}

QString CopiedMessage(const QString &copied, bool unrounded, Language language)
{
    return Text(unrounded ? TextId::CopiedUnrounded : TextId::CopiedRounded, language).arg(copied);
}
