#pragma once

#include "app/AppValues.h"
#include "app/InputCurrencyValues.h"
#include "app/RowTexts.h"
#include "app/SharedDialogs.h"
#include "core/Conversion.h"
#include "core/ConversionState.h"
#include "platform/PlatformServices.h"
#include "report/PageSetup.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <optional>

class QWidget;

// Everything the main window shows and does that is not a widget: the start-up,
// the language, the conversion with its save and its error report, and what the
// rows read. The window builds the widgets and forwards its events here.
class MainController
{
public:
    explicit MainController(PlatformServices &platform);

    // The start-up before any window exists, in order: the program's folder and
    // settings file, the stored language and title, the refusal of a second
    // copy, then every other stored setting. False when the program must end
    // (a second copy, or the user chose to end after an error report).
    bool StartUp();

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
    const std::optional<ConversionResult> &lastResult() const { return m_result; }
    // What Ctrl+C copies from a row: its rounded amount as shown, or its
    // unrounded amount (also while the tooltips are hidden), without padding.
    QString copyText(int slot, bool unrounded) const;
    // The status bar's road of the last conversion for a row (StatusTexts.h).
    QString statusLine(int slot) const;

    AppValues &app() { return m_app; }
    const AppValues &app() const { return m_app; }
    SharedDialogs &dialogs() { return m_dialogs; }
    PlatformServices &platform() { return m_platform; }
    const ConversionState &state() const { return m_state; }
    SettingsStore &settings() { return m_settings; }
    PageSetupValues &pageSetup() { return m_pageSetup; }
    qint16 printDestination() const { return m_printDestination; }
    void setPrintDestination(qint16 destination) { m_printDestination = destination; }
    bool ending() const { return m_dialogs.ending(); }

private:
    bool CheckSingleInstance(const QString &title, bool otherInstance);
    // Why no lock keeps a second copy out, for a copy that could take none.
    QString LockMessage(PlatformServices::Instance instance) const;
    void LoadSettings();

    PlatformServices &m_platform;
    AppValues m_app;
    SharedDialogs m_dialogs;
    SettingsStore m_settings;
    ConversionState m_state;
    PageSetupValues m_pageSetup;
    qint16 m_printDestination = 0;
    std::optional<ConversionResult> m_result;
};
