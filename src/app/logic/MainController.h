#pragma once

#include "app/conversion/InputCurrencyValues.h"
#include "app/texts/ToolkitTranslator.h"
#include "settings/StateStore.h"

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
// language, and the flow of a conversion the user starts: ask for the amount,
// mark the row, convert, save, with the error report. What the rows, the status
// line and the reports show, the conversion itself gives (AppContext::conversion()).
// The window builds the widgets, forwards its events here and shows what each
// step changed.
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
    // it was confirmed takes it into the conversion, converts, keeps the state
    // in the settings file and shows every row. The mark ends on the current
    // row either way. Nothing happens while another conversion waits for its
    // amount, or once the program is ending.
    MainChanges ConvertFrom(int slot, const AmountQuestion &askAmount, QWidget *owner);
    // Re-runs the current conversion without asking, as after a re-layout; not
    // while a conversion waits for its amount (that one shows the rows itself).
    MainChanges refreshConversion(QWidget *owner);

    // Where the window was when the program last ended; none at a first start.
    std::optional<WindowPlace> keptWindowPlace() const;
    // Keeps the window's place for the next start. A failure is not reported:
    // the next conversion reports a settings file that cannot be written.
    void keepWindowPlace(const WindowPlace &place);

private:
    // Converts the current amount, keeps the state in the settings file; a
    // failed save is reported (once per cause) with the conversion's error location.
    void convertCurrent(QWidget *owner);
    // The mark's place after a conversion: the current row, or none once the program is ending.
    std::optional<int> markedRow() const;

    AppContext &m_context;
    bool m_converting = false;
    ToolkitTranslator m_toolkitTexts;
};
