#include "app/services/SharedDialogs.h"

#include "app/texts/Texts.h"

SharedDialogs::SharedDialogs(PlatformServices &platform, const AppValues &app)
    : m_platform(platform)
    , m_app(app)
{
}

MessageAnswer SharedDialogs::ShowMessageBox(QWidget *owner, const QString &caption, const QString &text,
                                            MessageStyle style) const
{
    return m_platform.messageBox(owner, caption, text, style, MessageButtonTexts(m_app.language()));
}

bool SharedDialogs::ReportUnexpectedError(QWidget *owner, const QString &title, qint32 number,
                                          const QString &description, const QString &location) const
{
    const QString caption = title + QStringLiteral(" [ ") + location + QStringLiteral(" ]");
    const QString text = UnexpectedErrorMessage(number, description, m_app.language());
    return ShowMessageBox(owner, caption, text, MessageStyle::Question) == MessageAnswer::Yes;
}

void SharedDialogs::BringWindowToFront(QWidget *window) const { m_platform.bringToFront(window); }

void SharedDialogs::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    if (m_beforeEnd)
        m_beforeEnd();
    m_platform.endProgram();
}

bool SharedDialogs::firstReportOf(const Failure &failure)
{
    if (m_reported.contains(failure))
        return false;
    m_reported.append(failure);
    return true;
}
