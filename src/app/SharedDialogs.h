#pragma once

#include "app/AppValues.h"

#include <QString>

class PlatformServices;
class QWidget;

// The message box, the unexpected-error report and bring-to-front, shared by
// every window. Texts follow the interface language at the moment of the call.
class SharedDialogs
{
public:
    SharedDialogs(PlatformServices &platform, const AppValues &app);

    // Returns the answer: MessageAnswer::Ok, Yes or No.
    int ShowMessageBox(QWidget *owner, const QString &caption, const QString &text, int style) const;

    // Asks whether to end the program after an unexpected error; true means Yes.
    // Never ends the program itself: the caller does.
    bool ReportUnexpectedError(QWidget *owner, const QString &title, qint32 number, const QString &description,
                               const QString &location) const;

    // Restores the window if minimised and makes it the active window.
    static void BringWindowToFront(QWidget *window);

    PlatformServices &platform() const { return m_platform; }
    const AppValues &app() const { return m_app; }

private:
    PlatformServices &m_platform;
    const AppValues &m_app;
};
