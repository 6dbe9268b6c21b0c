#pragma once

#include "app/services/AppValues.h"
#include "core/ErrorCode.h"
#include "platform/PlatformServices.h"

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// The message box, the unexpected-error report, bring-to-front and the end of
// the program, shared by every window. Texts follow the interface language at
// the moment of the call.
class SharedDialogs
{
public:
    SharedDialogs(PlatformServices &platform, const AppValues &app);

    MessageAnswer ShowMessageBox(QWidget *owner, const QString &caption, const QString &text, MessageStyle style) const;

    // Asks whether to end the program after an unexpected error; true means Yes.
    // Never ends the program itself: the caller does.
    bool ReportUnexpectedError(QWidget *owner, const QString &title, qint32 number, const QString &description,
                               const QString &location) const;

    // Restores the window if minimised and makes it the active window.
    void BringWindowToFront(QWidget *window) const;

    // Ends the program: runs what must happen first (the settings stop being
    // written), then leaves every event loop. Handlers that see ending() stop.
    void endProgram();
    bool ending() const { return m_ending; }
    void setBeforeEnd(std::function<void()> beforeEnd) { m_beforeEnd = std::move(beforeEnd); }

    // Whether a failure was reported already; remembers it when not. A cause
    // that persists (a settings file that cannot be written) is reported once,
    // not at every re-run of the conversion.
    bool firstReportOf(const Failure &failure);

    PlatformServices &platform() const { return m_platform; }
    const AppValues &app() const { return m_app; }

private:
    PlatformServices &m_platform;
    const AppValues &m_app;
    std::function<void()> m_beforeEnd;
    QList<Failure> m_reported;
    bool m_ending = false;
};
