#pragma once

#include "app/logic/AmountEntry.h"
#include "app/logic/InputCurrencyValues.h"
#include "app/texts/RowSpeech.h"
#include "app/texts/RowTexts.h"
#include "app/texts/ToolkitTranslator.h"
#include "core/Conversion.h"
#include "settings/StateStore.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class AppContext;
class QWidget;

// What a step of the main window's logic changed, for the window to show.
struct MainChanges
{
    bool captions = false;     // the row titles: the additional currency was named
    bool rows = false;         // the amounts, and the status line with them
    std::optional<int> marked; // the row that carries the mark: the menu's check, the option, the focus
};

// Asks for the amount to convert from a slot, with the row marked meanwhile;
// the confirmed values, or none when the user cancelled.
using AmountQuestion = std::function<std::optional<InputCurrencyValues>(int slot)>;

// The main window's logic, without its widgets: the start-up's last steps, the
// language, the conversion flow with its save and its error report, and what
// the rows read. The window builds the widgets, forwards its events here and
// shows what each step changed.
class MainController
{
public:
    explicit MainController(AppContext &context);

    // The start-up's last steps, once the window is built and first shows: the
    // stored language is applied again and kept, so that the first start
    // creates the settings file, then the stored conversion runs without asking.
    MainChanges finishStartUp(QWidget *owner);

    // The interface language: the application's language and title, the toolkit's
    // own windows, and the stored key.
    void setLanguage(Language language);

    // A conversion the user started from a slot: asks for the amount, and when
    // it was confirmed takes it into the conversion state, converts, keeps the
    // state in the settings file and shows every row. The mark ends on the
    // current row either way. Nothing happens while another conversion waits
    // for its amount, or once the program is ending.
    MainChanges ConvertFrom(int slot, const AmountQuestion &askAmount, QWidget *owner);
    // Re-runs the current conversion without asking, as after a re-layout; not
    // while a conversion waits for its amount (that one shows the rows itself).
    MainChanges refreshConversion(QWidget *owner);

    // What the rows show, in the current language.
    QString rowTitle(int slot) const;
    // Before the first conversion, the lower end of the amount range.
    RowText rowText(int slot) const;
    // All fourteen at once, for showing every row: one pass, not fourteen.
    std::array<RowText, CurrencyCount> rowTexts() const;
    // What a screen reader says for each row, in the current language.
    std::array<RowSpeech, CurrencyCount> rowSpeech() const;
    // What Ctrl+C copies from a row: its rounded amount as shown, or its
    // unrounded amount (also while the tooltips are hidden), without padding.
    QString copyText(int slot, bool unrounded) const;
    // The status bar's road of the last conversion for a row (StatusTexts.h).
    QString statusLine(int slot) const;
    // What the amount dialog for a slot opens with.
    AmountEntry amountEntry(int slot) const;

    // Where the window was when the program last ended; none at a first start.
    std::optional<WindowPlace> keptWindowPlace() const;
    // Keeps the window's place for the next start. A failure is not reported:
    // the next conversion reports a settings file that cannot be written.
    void keepWindowPlace(const WindowPlace &place);

private:
    // A confirmed amount for the slot changes the conversion state.
    void confirmInput(int slot, const InputCurrencyValues &values);
    // Converts CurrentAmount from CurrentCurrency, keeps the result for the
    // rows and the state in the settings file; a failed save is reported (once
    // per cause) with the conversion's error location.
    void convertCurrent(QWidget *owner);
    // The mark's place after a conversion: the current row, or none once the program is ending.
    std::optional<int> markedRow() const;

    AppContext &m_context;
    bool m_converting = false;
    ToolkitTranslator m_toolkitTexts;
};
