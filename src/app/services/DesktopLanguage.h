#pragma once

#include "app/texts/Language.h"

#include <QStringList>

class IniDocument;

// Whether a first start, with no language stored yet, opens in Greek: the first
// of the desktop's interface languages that the program speaks decides ("de:el"
// is Greek, "en:el" English); a desktop that names neither gets English.
bool DesktopPrefersGreek(const QStringList &uiLanguages);

// The language the program starts in, the window and the command line alike:
// the one the settings keep, else the desktop's (DesktopPrefersGreek).
Language StartingLanguage(const IniDocument &ini, const QStringList &uiLanguages);
