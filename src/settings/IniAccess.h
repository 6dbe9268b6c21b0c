#pragma once

#include "core/Money.h"
#include "settings/IniDocument.h"

#include <QLocale>
#include <QString>

// Typed access to the settings file. Reads never fail: a missing file, section
// or key, an empty, malformed or out-of-range value all give the default.
// Writes return 0 or an error number (ErrorNumbers.h).
//
// Each read takes the value as the profile reader returns it into a buffer of a
// fixed size (so at most size - 1 characters), removes NULs and trims spaces:
// strings use the given maximum length, integers, currency and doubles 60,
// booleans 30.

// Reads from a document already loaded (start-up reads every key from one load).
QString ReadIniString(const IniDocument &ini, const QString &section, const QString &key, const QString &defaultValue,
                      qint16 maxLength, qint16 *length = nullptr);
qint16 ReadIniInteger(const IniDocument &ini, const QString &section, const QString &key, qint16 defaultValue,
                      qint16 minimum, qint16 maximum);
Money ReadIniCurrency(const IniDocument &ini, const QString &section, const QString &key, Money defaultValue);
double ReadIniDouble(const IniDocument &ini, const QString &section, const QString &key, double defaultValue);
bool ReadIniBoolean(const IniDocument &ini, const QString &section, const QString &key, bool defaultValue);

// The same, loading the file first.
QString ReadIniString(const QString &file, const QString &section, const QString &key, const QString &defaultValue,
                      qint16 maxLength, qint16 *length = nullptr);
qint16 ReadIniInteger(const QString &file, const QString &section, const QString &key, qint16 defaultValue,
                      qint16 minimum, qint16 maximum);
Money ReadIniCurrency(const QString &file, const QString &section, const QString &key, Money defaultValue);
double ReadIniDouble(const QString &file, const QString &section, const QString &key, double defaultValue);
bool ReadIniBoolean(const QString &file, const QString &section, const QString &key, bool defaultValue);

// Value texts as written: "True"/"False"; decimal digits; amounts and doubles in
// their shortest regional form without grouping (FormatAmountShort, FormatDouble).
void WriteIniBoolean(IniDocument &ini, const QString &section, const QString &key, bool value);
void WriteIniLong(IniDocument &ini, const QString &section, const QString &key, qint32 value);
void WriteIniInteger(IniDocument &ini, const QString &section, const QString &key, qint16 value);
void WriteIniCurrency(IniDocument &ini, const QString &section, const QString &key, Money value);
void WriteIniDouble(IniDocument &ini, const QString &section, const QString &key, double value);
void WriteIniString(IniDocument &ini, const QString &section, const QString &key, const QString &value);

// One key written to the file: load, change, atomic save.
qint32 WriteIniBoolean(const QString &file, const QString &section, const QString &key, bool value);
qint32 WriteIniLong(const QString &file, const QString &section, const QString &key, qint32 value);
qint32 WriteIniInteger(const QString &file, const QString &section, const QString &key, qint16 value);
qint32 WriteIniCurrency(const QString &file, const QString &section, const QString &key, Money value);
qint32 WriteIniDouble(const QString &file, const QString &section, const QString &key, double value);
qint32 WriteIniString(const QString &file, const QString &section, const QString &key, const QString &value);
