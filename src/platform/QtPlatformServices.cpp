#include "platform/QtPlatformServices.h"

#include "app/Texts.h"
#include "platform/InstanceLock.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

QtPlatformServices::QtPlatformServices() = default;
QtPlatformServices::~QtPlatformServices() = default;

QString QtPlatformServices::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

bool QtPlatformServices::otherInstanceRunning()
{
    if (!m_instanceLock)
        m_instanceLock = std::make_unique<InstanceLock>();
    const InstanceLock::Result result = m_instanceLock->acquire();
    // Not being able to lock at all is no sign of another copy; say so, and run.
    if (result == InstanceLock::Result::Unavailable)
        qWarning("Cannot create the lock file %s", qPrintable(m_instanceLock->filePath()));
    return result == InstanceLock::Result::HeldByOther;
}

int QtPlatformServices::messageBox(QWidget *owner, const QString &caption, const QString &text, int style, bool greek)
{
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    // The style's bits as on Windows: 0x0F the buttons (4 = Yes and No), 0x70
    // the icon, 0x100 the second button as the default.
    switch (style & 0x70) {
    case 16:
        box.setIcon(QMessageBox::Critical);
        break;
    case 32:
        box.setIcon(QMessageBox::Question);
        break;
    case 48:
        box.setIcon(QMessageBox::Warning);
        break;
    case 64:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if ((style & 0x0F) == 4) {
        QPushButton *yes = box.addButton(Text(TextId::ButtonYes, greek), QMessageBox::YesRole);
        QPushButton *no = box.addButton(Text(TextId::ButtonNo, greek), QMessageBox::NoRole);
        const bool noIsDefault = (style & 0x100) != 0;
        box.setDefaultButton(noIsDefault ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    QPushButton *ok = box.addButton(Text(TextId::ButtonOk, greek), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtPlatformServices::beep()
{
    QApplication::beep();
}

void QtPlatformServices::endProgram()
{
    m_endRequested = true;
    // Leaves every event loop, the nested ones of open modal dialogs included.
    QCoreApplication::exit(0);
}
