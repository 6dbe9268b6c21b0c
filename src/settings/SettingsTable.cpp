#include "settings/SettingsTable.h"

#include "core/Currencies.h"
#include "core/Money.h"

#include <array>

namespace {

// Buffer sizes of the profile reads: a longer value is cut, and a cut number is
// then usually rejected as malformed.
constexpr qint16 NumberBuffer = 60;
constexpr qint16 BooleanBuffer = 30;
// Screens side by side reach far, but not this far.
constexpr qint32 WindowCoordinateLimit = 30000;
// A path key holds the longest path the system allows, whole.
constexpr qint16 PathBuffer = LongestKeptPath + 1;

using enum SettingType;

constexpr std::array<SettingDefinition, std::size_t(Setting::Count)> Table = {{
    {Setting::Language, "General", "Language", Boolean, BooleanBuffer},
    {Setting::ToolTipText, "General", "ToolTipText", Boolean, BooleanBuffer},
    {Setting::PrintDestination, "General", "PrintDestination", Integer, NumberBuffer, 0, 2, 0},
    {Setting::OtherCurrency, "General", "OtherCurrency", String, 30, 0, 0, 0, "?"},
    {Setting::InitialPath, "General", "InitialPath", String, PathBuffer, 0, 0, 0, ""},
    {Setting::Rate, "Rates", nullptr, Double, NumberBuffer},
    {Setting::Decimals, "Decimals", nullptr, Integer, NumberBuffer, 0, 4},
    {Setting::LastId, "Last", "ID", Integer, NumberBuffer, 0, MaxCurrencyIndex, 0},
    {Setting::LastAmount, "Last", "Amount", Currency, NumberBuffer, 0, 0, Money::Scale},
    {Setting::FontName, "PageSetup", "FontName", String, 100, 0, 0, 0, "Courier New"},
    {Setting::FontSize, "PageSetup", "FontSize", Integer, NumberBuffer, 8, 12, 8},
    {Setting::TopMargin, "PageSetup", "TopMargin", Integer, NumberBuffer, 0, 20, 0},
    {Setting::LeftMargin, "PageSetup", "LeftMargin", Integer, NumberBuffer, 0, 30, 0},
    {Setting::LinesPerPage, "PageSetup", "LinesPerPage", Integer, NumberBuffer, 30, 80, 30},
    {Setting::ExportIni, "ExportSettings", "Ini", Boolean, BooleanBuffer},
    {Setting::ExportSavedPaths, "ExportSettings", "SavedPaths", Boolean, BooleanBuffer},
    {Setting::ExportFolder, "ExportSettings", "Folder", String, PathBuffer, 0, 0, 0, ""},
    {Setting::ImportIni, "ImportSettings", "Ini", Boolean, BooleanBuffer},
    {Setting::ImportSavedPaths, "ImportSettings", "SavedPaths", Boolean, BooleanBuffer},
    {Setting::ImportFolder, "ImportSettings", "Folder", String, PathBuffer, 0, 0, 0, ""},
    {Setting::ImportDeleteAfter, "ImportSettings", "DeleteAfter", Boolean, BooleanBuffer},
    {Setting::WindowLeft, "Window", "Left", Integer, NumberBuffer, -WindowCoordinateLimit, WindowCoordinateLimit, 0},
    {Setting::WindowTop, "Window", "Top", Integer, NumberBuffer, -WindowCoordinateLimit, WindowCoordinateLimit, 0},
    {Setting::WindowWidth, "Window", "Width", Integer, NumberBuffer, 0, WindowCoordinateLimit, 0},
    {Setting::WindowHeight, "Window", "Height", Integer, NumberBuffer, 0, WindowCoordinateLimit, 0},
    {Setting::WindowMaximised, "Window", "Maximised", Boolean, BooleanBuffer},
    {Setting::WindowPixelRatio, "Window", "PixelRatio", Integer, NumberBuffer, 25, 1600, 100},
}};

constexpr bool TableInOrder()
{
    for (std::size_t i = 0; i < Table.size(); ++i)
        if (Table[i].id != Setting(i))
            return false;
    return true;
}
static_assert(TableInOrder(), "one entry per setting, in the order of Setting");

} // namespace

const SettingDefinition &Definition(Setting setting) { return Table[std::size_t(setting)]; }

QString SettingSection(Setting setting) { return QLatin1String(Definition(setting).section); }

QString SettingKey(Setting setting, int slot)
{
    const char *key = Definition(setting).key;
    Q_ASSERT((key == nullptr) == IsCurrencyIndex(slot));
    return key ? QLatin1String(key) : QString::number(slot);
}
