#include "platform/QtPlatformServices.h"

#include "platform/InstanceLock.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QWidget>

QtPlatformServices::QtPlatformServices() = default;
QtPlatformServices::~QtPlatformServices() = default;

QString QtPlatformServices::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

PlatformServices::Instance QtPlatformServices::otherInstanceRunning()
{
    if (!m_instanceLock)
        m_instanceLock = std::make_unique<InstanceLock>();
    switch (m_instanceLock->acquire()) {
    case InstanceLock::Result::Acquired:
        return Instance::Alone;
    case InstanceLock::Result::HeldByOther:
        return Instance::OtherRunning;
    case InstanceLock::Result::Unavailable:
        break;
    }
    return Instance::Unavailable;
}

MessageAnswer QtPlatformServices::messageBox(QWidget *owner, const QString &caption, const QString &text,
                                             MessageStyle style, const MessageButtons &buttons)
{
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (style) {
    case MessageStyle::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageStyle::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageStyle::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageStyle::Question:
    case MessageStyle::QuestionDefaultNo:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (AsksYesOrNo(style)) {
        QPushButton *yes = box.addButton(buttons.yes, QMessageBox::YesRole);
        QPushButton *no = box.addButton(buttons.no, QMessageBox::NoRole);
        box.setDefaultButton(style == MessageStyle::QuestionDefaultNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QPushButton *ok = box.addButton(buttons.ok, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtPlatformServices::bringToFront(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
}

void QtPlatformServices::beep()
{
    QApplication::beep();
}

void QtPlatformServices::endProgram()
{
    m_endRequested = true;
    // Leaves every event loop, the nested ones of open modal dialogs included;
    // the windows close when main() returns.
    QCoreApplication::exit(0);
}

bool QtPlatformServices::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
