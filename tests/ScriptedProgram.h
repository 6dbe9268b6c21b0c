#pragma once

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include "app/MainController.h"

#include <QTemporaryDir>

// The program started on the scripted platform in a folder of its own, from a
// settings file holding `ini`, with the stored conversion run as the main
// window runs it when it first shows; or, unless `now`, when start() is called.
struct ScriptedProgram
{
    explicit ScriptedProgram(const QByteArray &ini = QByteArray(), bool now = true)
    {
        WriteFile(path(QStringLiteral("zkEuroChangeoverAdviser.ini")), ini);
        if (now)
            start();
    }
    bool start()
    {
        const bool started = controller.StartUp();
        controller.ConvertCurrent(nullptr);
        return started;
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QByteArray ini() const { return ReadFile(path(QStringLiteral("zkEuroChangeoverAdviser.ini"))); }

    QTemporaryDir dir;
    ScriptedPlatform platform{dir.path()};
    MainController controller{platform};
};
