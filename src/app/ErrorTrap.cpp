#include "app/ErrorTrap.h"

#include "app/SharedDialogs.h"
#include "app/Texts.h"
#include "platform/PlatformServices.h"

ErrorTrap::ErrorTrap(const SharedDialogs &dialogs, QWidget *owner, QString location)
    : m_dialogs(dialogs)
    , m_owner(owner)
    , m_location(std::move(location))
{
}

bool ErrorTrap::check(qint32 errorNumber)
{
    if (m_ended)
        return false;
    if (errorNumber == 0)
        return true;
    const AppValues &app = m_dialogs.app();
    const QString description = ErrorDescription(errorNumber, app.GreekLanguage);
    if (m_dialogs.ReportUnexpectedError(m_owner, app.ProgramTitle, errorNumber, description, m_location)) {
        m_ended = true;
        m_dialogs.platform().endProgram();
        return false;
    }
    return true;
}
