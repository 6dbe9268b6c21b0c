#pragma once

#include "app/texts/Language.h"

#include <QLocale>
#include <QString>

// The line under the amount dialog's amount field: what an amount may hold, in
// the user's number format ("Digits, the decimal separator '.'; at most
// 922,337,203,685,477.5807"), so that "1.5" under a decimal comma or twenty
// nines need not end in a bare "Incorrect amount.".
QString AmountInputHint(Language language, const QLocale &locale = QLocale());
