#pragma once

#include "app/conversion/CurrentConversion.h"
#include "app/services/AppValues.h"
#include "app/services/SharedDialogs.h"
#include "platform/PlatformServices.h"
#include "report/PageSetup.h"
#include "settings/SettingsStore.h"

// What lives for the whole run: the platform, the application values, the
// shared dialogs, the settings file, the conversion (its state and its last
// result), the page setup and the print destination. Filled by the start-up before any
// window exists; the windows and their logic classes take from it what they use.
class AppContext
{
public:
    explicit AppContext(PlatformServices &platform);
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;

    // The start-up before any window exists, in order: the program's folder and
    // settings file, the stored language and title, the refusal of a second
    // copy, then every other stored setting. False when the program must end
    // (a second copy, or the user chose to end after an error report).
    bool startUp();

    PlatformServices &platform() const { return m_platform; }
    AppValues &app() { return m_app; }
    const AppValues &app() const { return m_app; }
    SharedDialogs &dialogs() { return m_dialogs; }
    const SharedDialogs &dialogs() const { return m_dialogs; }
    // The settings file; its path is the one the program uses everywhere.
    SettingsStore &settings() { return m_settings; }
    // The one conversion, whose views the rows, the status line, the report and
    // the command line show.
    CurrentConversion &conversion() { return m_conversion; }
    const CurrentConversion &conversion() const { return m_conversion; }
    PageSetupValues &pageSetup() { return m_pageSetup; }
    const PageSetupValues &pageSetup() const { return m_pageSetup; }
    qint16 printDestination() const { return m_printDestination; }
    void setPrintDestination(qint16 destination) { m_printDestination = destination; }
    bool ending() const { return m_dialogs.ending(); }

private:
    bool CheckSingleInstance(const QString &title, bool otherInstance);
    // Why no lock keeps a second copy out, for a copy that could take none.
    QString lockMessage(PlatformServices::Instance instance) const;
    void loadSettings();

    PlatformServices &m_platform;
    AppValues m_app;
    SharedDialogs m_dialogs;
    SettingsStore m_settings;
    CurrentConversion m_conversion;
    PageSetupValues m_pageSetup;
    qint16 m_printDestination = 0;
};
