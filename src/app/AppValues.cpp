#include "app/AppValues.h"

#include "app/SettingsLocation.h"

#include <QDir>

void AppValues::setProgramFolder(const QString &folder)
{
    ProgramFolder = QDir::cleanPath(folder);
    const QString base = ProgramFolder + QLatin1Char('/');
    SettingsFile = SettingsFilePath(ProgramFolder, UserConfigFolder(), AdministratorsSettingsFile());
    GreekHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserGR.hlp");
    EnglishHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserUK.hlp");
}
