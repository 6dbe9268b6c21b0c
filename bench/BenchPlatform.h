#pragma once

#include "platform/QtPlatformServices.h"

// The real platform, but with its settings file and lock in a folder of the
// benchmark's own, so that a run never touches the user's settings.
class BenchPlatform : public QtPlatformServices
{
public:
    explicit BenchPlatform(QString folder, EarlyLock earlyLock = {})
        : QtPlatformServices(std::move(earlyLock))
        , m_folder(std::move(folder))
    {
    }
    QString programFolder() const override { return m_folder; }

private:
    QString m_folder;
};
