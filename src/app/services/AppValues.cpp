#include "app/services/AppValues.h"

#include <QDir>

void AppValues::setProgramFolder(const QString &folder)
{
    ProgramFolder = QDir::cleanPath(folder);
    const QString base = ProgramFolder + QLatin1Char('/');
    GreekHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserGR.hlp");
    EnglishHelpFile = base + QStringLiteral("zkEuroChangeoverAdviserUK.hlp");
}
