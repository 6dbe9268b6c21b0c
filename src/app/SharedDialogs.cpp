#include "app/SharedDialogs.h"

#include "app/Texts.h"
#include "platform/PlatformServices.h"

#include <QWidget>

SharedDialogs::SharedDialogs(PlatformServices &platform, const AppValues &app)
    : m_platform(platform)
    , m_app(app)
{
}

int SharedDialogs::ShowMessageBox(QWidget *owner, const QString &caption, const QString &text, int style) const
{
    return m_platform.messageBox(owner, caption, text, style, m_app.GreekLanguage);
}

bool SharedDialogs::ReportUnexpectedError(QWidget *owner, const QString &title, qint32 number,
                                          const QString &description, const QString &location) const
{
    const QString caption = title + QStringLiteral(" [ ") + location + QStringLiteral(" ]");
    const QString text = UnexpectedErrorMessage(number, description, m_app.GreekLanguage);
    return ShowMessageBox(owner, caption, text, MessageStyle::Question) == MessageAnswer::Yes;
}

void SharedDialogs::BringWindowToFront(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}
