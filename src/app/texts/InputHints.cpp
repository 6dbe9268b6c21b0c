#include "app/texts/InputHints.h"

#include "app/texts/Texts.h"
#include "core/NumberText.h"

QString AmountInputHint(Language language, const QLocale &locale)
{
    return Text(TextId::AmountHint, language)
        .arg(locale.decimalPoint(), FormatAmount(Money::maximum(), UnroundedPattern, locale));
}
