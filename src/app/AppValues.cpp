#include "app/AppValues.h"

#include "app/SettingsLocation.h"

#include <QDir>
#include <QStandardPaths>

void AppValues::setProgramFolder(const QString &folder)
{
    ProgramFolder = QDir::cleanPath(folder);
    const QString base = ProgramFolder + QLatin1Char('/');
    SettingsFile = SettingsFilePath(ProgramFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    GreekHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserGR.hlp");
    EnglishHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserUK.hlp");
}
