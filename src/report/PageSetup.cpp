#include "report/PageSetup.h"

#include "settings/IniAccess.h"

namespace {

// Only monospaced fonts keep the report's columns aligned, and only these two
// are known to be installed with the program.
bool IsKnownFont(const QString &name) { return name == CourierNewGreek || name == CourierNew; }

} // namespace

PageSetupValues LoadPageSetup(const IniDocument &ini)
{
    PageSetupValues values;
    values.FontName = ReadIniString(ini, Setting::FontName);
    if (!IsKnownFont(values.FontName))
        values.FontName = QString::fromUtf8(Definition(Setting::FontName).defaultText);
    values.FontSize = ReadIniInteger(ini, Setting::FontSize);
    values.TopMargin = ReadIniInteger(ini, Setting::TopMargin);
    values.LeftMargin = ReadIniInteger(ini, Setting::LeftMargin);
    values.LinesPerPage = ReadIniInteger(ini, Setting::LinesPerPage);
    return values;
}

void SavePageSetup(const PageSetupValues &values, IniDocument &ini)
{
    WriteIniString(ini, Setting::FontName, values.FontName);
    WriteIniInteger(ini, Setting::FontSize, values.FontSize);
    WriteIniInteger(ini, Setting::TopMargin, values.TopMargin);
    WriteIniInteger(ini, Setting::LeftMargin, values.LeftMargin);
    WriteIniInteger(ini, Setting::LinesPerPage, values.LinesPerPage);
}
