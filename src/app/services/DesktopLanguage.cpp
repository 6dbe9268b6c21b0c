#include "app/services/DesktopLanguage.h"

#include "settings/IniAccess.h"

bool DesktopPrefersGreek(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        // "el", "el-GR", "el_GR.UTF-8": only the language part counts.
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
        if (language == QLatin1String("el"))
            return true;
        if (language == QLatin1String("en"))
            return false;
    }
    return false;
}

Language StartingLanguage(const IniDocument &ini, const QStringList &uiLanguages)
{
    const std::optional<bool> storedGreek = ReadIniStoredBoolean(ini, Setting::Language);
    return storedGreek.value_or(DesktopPrefersGreek(uiLanguages)) ? Language::Greek : Language::English;
}
