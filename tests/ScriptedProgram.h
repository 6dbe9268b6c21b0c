#pragma once

#include "ScriptedPlatform.h"
#include "TestFiles.h"

#include "app/logic/MainController.h"
#include "app/services/AppContext.h"

#include <QTemporaryDir>

// The program started on the scripted platform in a folder of its own, from a
// settings file holding `ini`, with the stored conversion run as the main
// window runs it when it first shows.
struct ScriptedProgram
{
    explicit ScriptedProgram(const QByteArray &ini = QByteArray())
    {
        WriteFile(path(QStringLiteral("zkEuroChangeoverAdviser.ini")), ini);
        context.startUp();
        controller.finishStartUp(nullptr);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QByteArray ini() const { return ReadFile(path(QStringLiteral("zkEuroChangeoverAdviser.ini"))); }

    QTemporaryDir dir;
    ScriptedPlatform platform{dir.path()};
    AppContext context{platform};
    MainController controller{context};
};
