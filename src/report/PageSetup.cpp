#include "report/PageSetup.h"

#include "settings/IniAccess.h"
#include "settings/SettingsKeys.h"

namespace {

// Only monospaced fonts keep the report's columns aligned, and only these two
// are known to be installed with the program.
bool IsKnownFont(const QString &name)
{
    return name == QLatin1String("Courier New Greek") || name == QLatin1String("Courier New");
}

constexpr qint16 FontNameBufferSize = 100;

} // namespace

PageSetupValues LoadPageSetup(const IniDocument &ini)
{
    const PageSetupValues defaults;
    PageSetupValues values;
    values.FontName =
        ReadIniString(ini, Settings::PageSetup, Settings::FontName, defaults.FontName, FontNameBufferSize);
    if (!IsKnownFont(values.FontName))
        values.FontName = defaults.FontName;
    values.FontSize = ReadIniInteger(ini, Settings::PageSetup, Settings::FontSize, defaults.FontSize, 8, 12);
    values.TopMargin = ReadIniInteger(ini, Settings::PageSetup, Settings::TopMargin, defaults.TopMargin, 0, 20);
    values.LeftMargin = ReadIniInteger(ini, Settings::PageSetup, Settings::LeftMargin, defaults.LeftMargin, 0, 30);
    values.LinesPerPage =
        ReadIniInteger(ini, Settings::PageSetup, Settings::LinesPerPage, defaults.LinesPerPage, 30, 80);
    return values;
}

qint32 SavePageSetup(const PageSetupValues &values, const QString &file)
{
    IniDocument ini = IniDocument::load(file);
    WriteIniString(ini, Settings::PageSetup, Settings::FontName, values.FontName);
    WriteIniInteger(ini, Settings::PageSetup, Settings::FontSize, values.FontSize);
    WriteIniInteger(ini, Settings::PageSetup, Settings::TopMargin, values.TopMargin);
    WriteIniInteger(ini, Settings::PageSetup, Settings::LeftMargin, values.LeftMargin);
    WriteIniInteger(ini, Settings::PageSetup, Settings::LinesPerPage, values.LinesPerPage);
    return ini.save(file);
}
