#include "app/InputHints.h"

#include "app/Texts.h"
#include "core/NumberText.h"

QString AmountInputHint(bool greek, const QLocale &locale)
{
    return Text(TextId::AmountHint, greek)
        .arg(locale.decimalPoint(), FormatAmount(Money::maximum(), UnroundedPattern, locale));
}
