#include "app/AppValues.h"

#include "settings/SettingsTable.h"

#include <QDir>

void AppValues::setProgramFolder(const QString &folder)
{
    ProgramFolder = QDir::cleanPath(folder);
    const QString base = ProgramFolder + QLatin1Char('/');
    SettingsFile = base + SettingsFileName;
    GreekHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserGR.hlp");
    EnglishHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserUK.hlp");
}
