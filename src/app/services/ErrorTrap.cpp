#include "app/services/ErrorTrap.h"

#include "app/services/SharedDialogs.h"
#include "app/texts/Texts.h"

ErrorTrap::ErrorTrap(SharedDialogs &dialogs, QWidget *owner, QString location)
    : m_dialogs(dialogs)
    , m_owner(owner)
    , m_location(std::move(location))
{
}

bool ErrorTrap::check(const Failure &failure)
{
    if (m_dialogs.ending())
        return false;
    if (!failure.failed())
        return true;
    const AppValues &app = m_dialogs.app();
    const QString description = FailureDescription(failure, app.language());
    if (m_dialogs.ReportUnexpectedError(m_owner, app.ProgramTitle, ErrorNumber(failure.code), description,
                                        m_location)) {
        m_dialogs.endProgram();
        return false;
    }
    return true;
}

bool ErrorTrap::checkOnce(const Failure &failure)
{
    if (failure.failed() && !m_dialogs.firstReportOf(failure))
        return !ended();
    return check(failure);
}

bool ErrorTrap::ended() const { return m_dialogs.ending(); }
