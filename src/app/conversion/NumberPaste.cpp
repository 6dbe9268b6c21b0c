#include "app/conversion/NumberPaste.h"

#include "app/conversion/RowTexts.h"
#include "core/Currencies.h"
#include "core/NumberText.h"

#include <algorithm>

namespace {

// Takes a unit of the field's own currency off the start or the end, with the
// blanks between it and the number.
void DropOwnUnit(QString &text, const QStringList &units)
{
    for (const QString &unit : units) {
        if (text.size() > unit.size() && text.startsWith(unit, Qt::CaseInsensitive)) {
            text = text.mid(unit.size()).trimmed();
            break;
        }
    }
    for (const QString &unit : units) {
        if (text.size() > unit.size() && text.endsWith(unit, Qt::CaseInsensitive)) {
            text = text.chopped(unit.size()).trimmed();
            break;
        }
    }
}

// A currency's code in capitals ("GRD") or a currency sign ("£").
bool IsUnit(const QString &text)
{
    const auto capital = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    return (text.size() == 3 && std::all_of(text.cbegin(), text.cend(), capital))
        || (text.size() == 1 && text[0].category() == QChar::Symbol_Currency);
}

// The number of a text that is a unit and a number, in either order; empty when it is not one.
QString NumberBesideUnit(const QString &text)
{
    for (const qsizetype length : {1, 3}) {
        if (text.size() > length && IsUnit(text.left(length)))
            return text.mid(length).trimmed();
        if (text.size() > length && IsUnit(text.right(length)))
            return text.chopped(length).trimmed();
    }
    return QString();
}

// A number as the field would take it typed, the locale's grouping separators
// included: only what the field takes, and what reads as a number.
bool IsFieldNumber(const QString &text, const QLocale &locale)
{
    QString bare = text;
    bare.remove(locale.groupSeparator());
    return std::all_of(bare.cbegin(), bare.cend(), IsNumberFieldCharacter) && ParseDouble(text, locale).has_value();
}

} // namespace

bool IsNumberFieldCharacter(QChar c) { return (c >= u'0' && c <= u'9') || c == u',' || c == u'.'; }

PastedNumber PasteNumber(const QString &pasted, const QStringList &ownUnits, const QLocale &locale)
{
    QString text = pasted.trimmed();
    DropOwnUnit(text, ownUnits);
    if (IsFieldNumber(text, locale)) {
        // A grouping separator the field does not take as typed (a no-break
        // space) is dropped: the number reads the same without it.
        if (!std::all_of(text.cbegin(), text.cend(), IsNumberFieldCharacter))
            text.remove(locale.groupSeparator());
        return text;
    }
    for (const QString &minus : {QStringLiteral("-"), locale.negativeSign()}) {
        if (text.startsWith(minus) && IsFieldNumber(text.mid(minus.size()).trimmed(), locale))
            return TextId::PasteNegative;
    }
    // A number with a unit other than the field's own is another currency's amount.
    if (IsFieldNumber(NumberBesideUnit(text), locale))
        return TextId::PasteOtherCurrency;
    return TextId::PasteNotNumber;
}

QStringList OwnUnits(int slot, const QString &name)
{
    QStringList units;
    if (slot == 0)
        units << QStringLiteral("€");
    const QString code =
        slot == OtherCurrencyIndex ? CodeOfName(name) : QString::fromLatin1(CurrencyCodes[std::size_t(slot)]);
    if (!code.isEmpty())
        units << code;
    return units;
}
