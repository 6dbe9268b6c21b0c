#pragma once

#include "app/InputCurrencyValues.h"
#include "app/RowTexts.h"
#include "core/Conversion.h"

#include <QString>

#include <array>

class AppContext;
class QWidget;

// The main window's logic, without its widgets: the language, the conversion
// with its save and its error report, and what the rows read. The window builds
// the widgets and forwards its events here.
class MainController
{
public:
    explicit MainController(AppContext &context);

    // The interface language: GreekLanguage, ProgramTitle and the stored key.
    void SetLanguage(bool greek);

    // A confirmed amount dialog for the slot changes the conversion state.
    void ConfirmInput(int slot, const InputCurrencyValues &values);
    // Converts CurrentAmount from CurrentCurrency, keeps the result for the
    // rows and the state in the settings file; a failed save is reported (once
    // per cause) with the conversion's error location.
    void ConvertCurrent(QWidget *owner);

    // What the rows show, in the current language.
    QString rowTitle(int slot) const;
    // Before the first conversion, the lower end of the amount range.
    RowText rowText(int slot) const;
    // All fourteen at once, for showing every row: one pass, not fourteen.
    std::array<RowText, CurrencyCount> rowTexts() const;
    // What Ctrl+C copies from a row: its rounded amount as shown, or its
    // unrounded amount (also while the tooltips are hidden), without padding.
    QString copyText(int slot, bool unrounded) const;
    // The status bar's road of the last conversion for a row (StatusTexts.h).
    QString statusLine(int slot) const;

    AppContext &context() const { return m_context; }

private:
    AppContext &m_context;
};
