#pragma once

#include "app/conversion/InputCurrencyValues.h"
#include "app/conversion/RowSpeech.h"
#include "app/conversion/RowTexts.h"
#include "app/texts/Texts.h"
#include "core/Conversion.h"
#include "report/ReportSteps.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>
#include <vector>

class IniDocument;

// What is to be converted, as text: what the amount dialog's fields hold, or
// what the command line was given.
struct ConversionInput
{
    QString name;
    QString rate;
    QString amount;
    int decimals = 0;
};

// The program's one conversion: the state it converts with (the rates and
// decimals in use, the last currency and amount, the additional currency's
// name) and the last result; the rule for what may be converted, shared by the
// amount dialog and the command line; and every view of the result, so that
// the window's rows, its status line, the printed report, the report file and
// the command line show one answer.
class CurrentConversion
{
public:
    // Why an input was refused: the message, and the field to correct.
    enum class Field {
        Rate,
        Amount
    };
    struct Refusal
    {
        TextId message;
        Field field;
    };
    using Acceptance = std::variant<InputCurrencyValues, Refusal>;

    explicit CurrentConversion(const ConversionState &state = ConversionState());

    // What may be converted, in this order: a rate that is a number above 0,
    // then an amount that is a number, 0 or more. A blank name is the
    // language's built-in one (acceptedName).
    static Acceptance accept(const ConversionInput &input, Language language, const QLocale &locale = QLocale());
    // The amount part of that rule, for an amount alone (a line of a list):
    // none when it is not a number, 0 or more.
    static std::optional<Money> acceptedAmount(const QString &amount, const QLocale &locale = QLocale());
    static QString acceptedName(const QString &name, Language language);

    // What a slot's input holds before anything is typed: its row's title, its
    // rate, the amount its row shows, its decimals.
    ConversionInput inputFor(int slot, Language language) const;
    // A currency fixed later (by its index in LaterChangeovers) as the
    // additional currency's input: its name in the language, its official rate
    // with the locale's decimal separator and two decimals; no amount yet.
    static ConversionInput laterInput(int index, Language language, const QLocale &locale = QLocale());

    // The state as the settings file keeps it.
    void load(const IniDocument &ini);
    void keep(IniDocument &ini) const;

    const ConversionState &state() const { return m_state; }
    int currentSlot() const { return m_state.CurrentCurrency; }
    // True once converted; before, the rows show the lower end of the range.
    bool converted() const { return m_result.has_value(); }
    bool overflowed() const { return m_result && m_result->overflow; }

    // An accepted input for a slot becomes the state's last currency and
    // amount, with the slot's decimals, and for the additional currency its
    // rate (unless it is the rate as shown) and name (none while it is one of
    // the built-in names).
    void take(int slot, const InputCurrencyValues &values);
    // Converts the last amount from the last currency, and keeps the result.
    void convert();

    // The views, in the language asked for.
    QString rowTitle(int slot, Language language) const;
    std::array<RowText, CurrencyCount> rowTexts(Language language, bool hideToolTips) const;
    // What a screen reader says for each row: the unrounded amounts whatever the tooltips show.
    std::array<RowSpeech, CurrencyCount> rowSpeech(Language language) const;
    // What a copy of a row takes: its rounded amount as shown, or its
    // unrounded amount, without padding.
    QString copyText(int slot, bool unrounded, Language language) const;
    // The road of the last conversion to a row (StatusTexts.h); empty before the first.
    QString road(int slot, Language language) const;
    // The report as the print run emits it, and the report file's table (its
    // column titles and data lines) as the command line prints it. Before the
    // first conversion, of the state as it stands.
    std::vector<ReportStep> reportSteps(Language language, ReportForms forms, const PageSetupValues &page,
                                        const QString &dateTime) const;
    QStringList reportTable(Language language) const;

private:
    ReportModel reportModel(Language language) const;

    ConversionState m_state;
    std::optional<ConversionResult> m_result;
};
