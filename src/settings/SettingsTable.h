#pragma once

#include <QString>
#include <QtGlobal>

// Every setting the settings file holds. Where each lives, its type, default,
// accepted range and reading buffer are in one table (SettingsTable.cpp); the
// readers and writers take a Setting and find everything else there.
enum class Setting : quint8 {
    Language,
    ToolTipText,
    PrintDestination,
    OtherCurrency,
    InitialPath,
    Rate,     // one key per currency slot, "0" to "13"
    Decimals, // one key per currency slot
    LastId,
    LastAmount,
    FontName,
    FontSize,
    TopMargin,
    LeftMargin,
    LinesPerPage,
    ExportIni,
    ExportSavedPaths,
    ExportFolder,
    ImportIni,
    ImportSavedPaths,
    ImportFolder,
    ImportDeleteAfter,
    WindowLeft, // the main window's place when the program last ended
    WindowTop,
    WindowWidth, // 0: none the user chose; the window opens at the size it was designed at
    WindowHeight,
    WindowMaximised,
    WindowPixelRatio, // the screen's device pixels to a pixel of the place, in percent
    Count
};

enum class SettingType : quint8 {
    Boolean,  // "True" or "False"
    Integer,  // decimal digits, within [minimum, maximum]
    Currency, // a 4-decimal amount
    Double,
    String,
};

struct SettingDefinition
{
    Setting id;
    const char *section;
    const char *key; // nullptr: one key per currency slot, the slot in decimal
    SettingType type;
    qint16 bufferSize;  // a read returns at most bufferSize - 1 characters
    qint32 minimum = 0; // the accepted range of an Integer
    qint32 maximum = 0;
    qint64 defaultNumber = 0;          // Boolean 0/1, Integer, Currency in ten-thousandths
    const char *defaultText = nullptr; // String; a per-slot default comes from the currency catalogue
};

const SettingDefinition &Definition(Setting setting);

// The section and the key of a setting; slot is the currency slot of the per-slot ones.
QString SettingSection(Setting setting);
QString SettingKey(Setting setting, int slot = -1);

// The longest path a path key keeps (the system's own limit); a longer one is
// refused before it is stored, since it would read back cut.
inline constexpr int LongestKeptPath = 4096;

// The name of the settings file.
inline const QString SettingsFileName = QStringLiteral("zkEuroChangeoverAdviser.ini");
