#include "app/services/AppValues.h"

#include <QDir>

void AppValues::setProgramFolder(const QString &folder) { ProgramFolder = QDir::cleanPath(folder); }
