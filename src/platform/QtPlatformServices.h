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
    bool otherInstanceRunning() override;
    int messageBox(QWidget *owner, const QString &caption, const QString &text, int style, bool greek) override;
    void beep() override;
    void endProgram() override;

    bool endRequested() const { return m_endRequested; }

private:
    std::unique_ptr<InstanceLock> m_instanceLock;
    bool m_endRequested = false;
};
