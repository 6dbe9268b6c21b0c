#pragma once

#include "app/texts/Texts.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <variant>

// The characters a number field takes as typed: ASCII digits, the comma and the
// point (either may be the locale's decimal or grouping separator).
bool IsNumberFieldCharacter(QChar c);

// Text pasted into a number field, taken as users paste it: blanks and line
// ends around it are dropped, and so is a unit of the field's own currency
// before or after the number ("€ 1.234,56" in the euro's field, "1,234.56 DEM"
// in the mark's); the locale's grouping separators are accepted where they
// group properly. The result is the text the field then holds, or why the text
// is not taken: it is not a number, it is negative, or it names another currency.
using PastedNumber = std::variant<QString, TextId>;
PastedNumber PasteNumber(const QString &pasted, const QStringList &ownUnits, const QLocale &locale = QLocale());

// A currency's own units for that rule: its slot's code, and for the euro its
// sign too; for the additional currency the code its name starts with
// ("BGN - Bulgarian Lev"), if any.
QStringList OwnUnits(int slot, const QString &name);
