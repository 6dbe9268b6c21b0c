#pragma once

#include "core/Money.h"
#include "settings/IniDocument.h"
#include "settings/SettingsTable.h"

#include <QString>

#include <optional>

// Typed access to the settings. Reads never fail: a missing section or key, an
// empty, malformed or out-of-range value all give the setting's default.
//
// Each read takes the value as the profile reader returns it into the
// setting's buffer (so at most bufferSize - 1 characters), removes NULs and
// trims spaces; a string that was enclosed in quotes keeps its spaces. Numbers
// are read in the stored form, whatever the locale: an optional sign, digits
// and at most one decimal separator, "." or ",".
// The per-slot settings (Rate, Decimals) take the currency slot; their default
// is the catalogue's value for that slot.
QString ReadIniString(const IniDocument &ini, Setting setting, qint16 *length = nullptr);
qint16 ReadIniInteger(const IniDocument &ini, Setting setting, int slot = -1);
Money ReadIniCurrency(const IniDocument &ini, Setting setting);
double ReadIniDouble(const IniDocument &ini, Setting setting, int slot = -1);
bool ReadIniBoolean(const IniDocument &ini, Setting setting);
// The Boolean as the file states it; nullopt when the file holds no "True" or
// "False" for it, so that the caller can tell a choice from the default.
std::optional<bool> ReadIniStoredBoolean(const IniDocument &ini, Setting setting);

// Value texts as written: "True"/"False"; decimal digits; amounts and doubles in
// their shortest regional form without grouping (FormatAmountShort, FormatDouble);
// strings as they are, in double quotes when they start or end with a blank or
// are enclosed in quotes themselves, so that they read back unchanged.
void WriteIniBoolean(IniDocument &ini, Setting setting, bool value);
void WriteIniLong(IniDocument &ini, Setting setting, qint32 value);
void WriteIniInteger(IniDocument &ini, Setting setting, qint16 value, int slot = -1);
void WriteIniCurrency(IniDocument &ini, Setting setting, Money value);
void WriteIniDouble(IniDocument &ini, Setting setting, double value, int slot = -1);
void WriteIniString(IniDocument &ini, Setting setting, const QString &value);
