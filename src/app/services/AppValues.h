#pragma once

#include "app/texts/Language.h"

#include <QString>

// The values every window needs, filled by the start-up and the language switch.
// The settings file's path has its one home in the settings store (AppContext::settings()).
struct AppValues
{
    QString ProgramFolder;      // without a trailing separator
    bool GreekLanguage = false; // the interface language: ask language()
    QString ProgramTitle;
    bool HideToolTips = false; // when set, tooltips that show data are emptied

    Language language() const { return GreekLanguage ? Language::Greek : Language::English; }
    void setLanguage(Language language) { GreekLanguage = language == Language::Greek; }

    // The program's folder, cleaned of "." and ".." and a trailing separator.
    void setProgramFolder(const QString &folder);
};
