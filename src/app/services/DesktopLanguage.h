#pragma once

#include <QStringList>

// Whether a first start, with no language stored yet, opens in Greek: the first
// of the desktop's interface languages that the program speaks decides ("de:el"
// is Greek, "en:el" English); a desktop that names neither gets English.
bool DesktopPrefersGreek(const QStringList &uiLanguages);
