#pragma once

#include "platform/PlatformServices.h"

#include <memory>

class InstanceLock;

// The platform services on a real desktop.
class QtPlatformServices : public PlatformServices
{
public:
    QtPlatformServices();
    ~QtPlatformServices() override;

    QString programFolder() const override;
    Instance otherInstanceRunning() override;
    MessageAnswer messageBox(QWidget *owner, const QString &caption, const QString &text, MessageStyle style,
                             const MessageButtons &buttons) override;
    void bringToFront(QWidget *window) override;
    void beep() override;
    void endProgram() override;
    QString compactPathForLabel(const QWidget *label, const QString &path) override;
    QString chooseFolder(QWidget *owner, const QString &startFolder, const QString &title) override;

    // True once the program was asked to end. QCoreApplication::exit is lost
    // when no event loop runs yet, so main() looks at this before it starts one.
    bool endRequested() const { return m_endRequested; }

private:
    std::unique_ptr<InstanceLock> m_instanceLock;
    bool m_endRequested = false;
};
