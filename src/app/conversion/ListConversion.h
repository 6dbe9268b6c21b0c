#pragma once

#include "app/conversion/CurrencyChoice.h"
#include "app/texts/Texts.h"
#include "core/Conversion.h"
#include "core/NumberText.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <string>
#include <string_view>

// One line of a list, converted.
struct ListLine
{
    enum class Kind : quint8 {
        Blank,     // nothing but blanks: it stays a blank line
        Converted, // an amount, converted
        Refused,   // not an amount the amount dialog would take, or nothing converts from the source
        Overflow,  // an amount whose conversion leaves the range
    };
    Kind kind = Kind::Blank;
    Money amount;    // Converted: the amount as converted, rounded to the source's decimals
    Money rounded;   // the result as the target's row shows it
    Money unrounded; // and as its tooltip shows it, four decimals

    static ListLine notConverted(Kind kind)
    {
        ListLine line;
        line.kind = kind;
        return line;
    }
};

// Many amounts of one currency converted to another, each as the window
// converts it: the amount rounded to the source's decimals, to the euro, the
// euro amount rounded, then to the target, with the rates and decimals of the
// state (a currency fixed later at its official rate with two decimals). Each
// line is read as a paste into the amount dialog's field is, and taken by the
// same rule as a typed amount (CurrentConversion::accept). The command line's
// --convert-list and the list dialog share it, and so write the same text.
class ListConversion
{
public:
    ListConversion(const ConversionState &state, CurrencyChoice from, CurrencyChoice to, Language language,
                   const QLocale &locale = QLocale());

    // Why no line converts: the source's rate is not above 0, as the amount
    // dialog would refuse it. None otherwise.
    std::optional<TextId> refusal() const { return m_refusal; }
    int fromDecimals() const { return m_from.decimals; }
    int toDecimals() const { return m_to.decimals; }

    // A line without its surrounding blanks (QString::trimmed). Plain numbers
    // ("1.234,56" under a decimal comma) are read fast; anything else by the
    // paste rule itself.
    ListLine convert(QStringView trimmed) const;
    // The same for a line of ASCII characters, trimmed alike.
    ListLine convert(std::string_view trimmed) const;

    // Why a line of this kind was not converted, in the language: the amount
    // dialog's "Incorrect amount.", or the overflow. Empty for the others.
    QString reason(ListLine::Kind kind) const;

    // The results in the regional number format the window shows them in.
    QString roundedText(const ListLine &line) const;
    QString unroundedText(const ListLine &line) const;
    // An amount of the source or of the target, as its row would show it.
    QString fromText(Money amount) const;
    QString toText(Money amount) const;
    // The line's text for a file, the clipboard or the command line: the
    // amount as read, a tab, the rounded result, a tab and the unrounded one,
    // in UTF-8, without its line end. A blank line stays empty; a line not
    // converted keeps its place with empty results. `asRead` is printable.
    void appendLine(std::string &out, std::string_view asRead, const ListLine &line) const;

private:
    ListLine convertAmount(const std::optional<Money> &amount) const;
    ListLine convertPasted(const QString &trimmed) const;

    ConversionSide m_from;
    ConversionSide m_to;
    int m_euroDecimals = 2;
    std::optional<TextId> m_refusal;
    Language m_language;
    QLocale m_locale;
    NumberSeparators m_separators;
    QStringList m_ownUnits;
    std::array<QString, Money::Decimals + 1> m_patterns;
};
