#pragma once

#include "app/conversion/CurrentConversion.h"
#include "app/conversion/NumberPaste.h"
#include "app/texts/Texts.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// What a key typed on the main window starts an amount with: a digit, the
// decimal separator (the keypad's separator key types the locale's), or a
// minus sign, which the amount then refuses as its field does. nullopt for
// every other key.
std::optional<QString> AmountStart(const QString &typed, bool keypad, const QLocale &locale = QLocale());

// The amount dialog's logic, without its widgets: what its fields open with for
// a slot, which of them are locked, the captions that follow the typed name and
// rate, when Convert is enabled, what a paste puts in a number field, and the
// check of what was typed, which is the conversion's own (CurrentConversion::accept).
// The dialog hands in its fields' texts as they change and tells when a field
// is left; it shows this state, as the settings dialogs show theirs.
class AmountEntry
{
public:
    using Field = CurrentConversion::Field;
    using Refusal = CurrentConversion::Refusal;
    using Outcome = CurrentConversion::Acceptance;

    // For a slot of the conversion; the amount opens with what its row shows
    // (a number, or a failure word after an overflow).
    AmountEntry(const CurrentConversion &conversion, int slot, Language language);

    int slot() const { return m_slot; }
    Language language() const { return m_language; }
    // Only the additional currency's name and rate can be changed; only the euro's decimals cannot.
    bool nameAndRateLocked() const;
    bool decimalsLocked() const { return m_slot == 0; }

    // The fields' texts as last handed in; they open with the row's title, the
    // slot's rate, its amount without padding and its decimals.
    const QString &name() const { return m_name; }
    const QString &rate() const { return m_rate; }
    const QString &amount() const { return m_amount; }
    int decimals() const { return m_decimals; }
    // The row's title the dialog was opened for.
    const QString &rowTitle() const { return m_rowTitle; }

    // "Convert 'GRD - Greek Drachma' to all other currencies", with the name as last left.
    QString caption() const;
    // " Fixed exchange rate ", or " Current exchange rate " for the additional currency.
    QString frameTitle() const;
    // "(EUR - Euro) 1 = 340.75 (GRD - Greek Drachma)", as last rebuilt.
    const QString &rateLine() const { return m_rateLine; }
    bool convertEnabled() const { return m_convertEnabled; }
    // Why Convert is disabled; empty while it is enabled.
    QString convertReason() const;

    void setName(const QString &name) { m_name = name; }
    // Each change of the rate: empty disables Convert, a number enables it when
    // above 0, anything else leaves it as it was.
    void setRate(const QString &rate);
    void setAmount(const QString &amount) { m_amount = amount; }
    void setDecimals(int decimals) { m_decimals = decimals; }

    // What a paste into the amount or the rate field puts there, or why it
    // does not: the field's own currency is its slot's code (and for the euro
    // its sign too), for the additional currency the code its name starts with.
    PastedNumber paste(const QString &pasted) const;

    // The amount opens holding a key typed on the main window instead of the
    // row's amount, when its field would take that key (a digit or a
    // separator); false when it would refuse it.
    bool typeFirst(const QString &typed);
    bool typedFirst() const { return m_typedFirst; }

    // The currencies fixed later, offered for the additional currency as
    // "BGN - Bulgarian Lev (2026)"; none for the other slots.
    QStringList laterChoices() const;
    // Choosing one fills its name, its official rate and two decimals, which
    // the user may still edit; the caption and the rate line follow at once.
    void chooseLater(int index);

    // Leaving the rate rebuilds the rate line from the typed rate and name.
    void rateLeft();
    // Leaving the name: an empty one becomes the built-in name of the
    // language; the caption and the rate line follow it.
    void nameLeft();

    // Convert: leaves the name first, then checks what was typed as every
    // conversion is checked.
    Outcome validate();

private:
    void enableForRate();

    const int m_slot;
    const Language m_language;
    const QString m_rowTitle;
    const QString m_euroTitle;
    QString m_name;
    QString m_rate;
    QString m_amount;
    int m_decimals = 0;
    QString m_captionName;
    QString m_rateLine;
    bool m_convertEnabled = true;
    bool m_typedFirst = false;
};
