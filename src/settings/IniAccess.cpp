#include "settings/IniAccess.h"

#include "core/NumberText.h"

namespace {

// Buffer sizes of the profile reads; a longer value is cut, and a cut number
// is then usually rejected as malformed.
constexpr int NumberBufferSize = 60;
constexpr int BooleanBufferSize = 30;

// A NUL hand-typed into the file (or left by another program) would otherwise
// end up in a currency name.
QString CleanValue(const IniDocument &ini, const QString &section, const QString &key, int bufferSize)
{
    QString text = ini.value(section, key, bufferSize);
    text.remove(QChar(u'\0'));
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

template<typename Change>
qint32 ChangeFile(const QString &file, Change change)
{
    IniDocument ini = IniDocument::load(file);
    change(ini);
    return ini.save(file);
}

} // namespace

QString ReadIniString(const IniDocument &ini, const QString &section, const QString &key, const QString &defaultValue,
                      qint16 maxLength, qint16 *length)
{
    QString text = CleanValue(ini, section, key, maxLength);
    if (text.isEmpty())
        text = defaultValue;
    if (length)
        *length = qint16(text.size());
    return text;
}

qint16 ReadIniInteger(const IniDocument &ini, const QString &section, const QString &key, qint16 defaultValue,
                      qint16 minimum, qint16 maximum)
{
    const QString text = CleanValue(ini, section, key, NumberBufferSize);
    const std::optional<qint32> value = ParseInteger(text);
    return value && *value >= minimum && *value <= maximum ? qint16(*value) : defaultValue;
}

Money ReadIniCurrency(const IniDocument &ini, const QString &section, const QString &key, Money defaultValue)
{
    const QString text = CleanValue(ini, section, key, NumberBufferSize);
    return text.isEmpty() ? defaultValue : ParseAmount(text).value_or(defaultValue);
}

double ReadIniDouble(const IniDocument &ini, const QString &section, const QString &key, double defaultValue)
{
    const QString text = CleanValue(ini, section, key, NumberBufferSize);
    return text.isEmpty() ? defaultValue : ParseDouble(text).value_or(defaultValue);
}

bool ReadIniBoolean(const IniDocument &ini, const QString &section, const QString &key, bool defaultValue)
{
    const QString text = CleanValue(ini, section, key, BooleanBufferSize).toUpper();
    if (text == QLatin1String("TRUE"))
        return true;
    if (text == QLatin1String("FALSE"))
        return false;
    return defaultValue;
}

QString ReadIniString(const QString &file, const QString &section, const QString &key, const QString &defaultValue,
                      qint16 maxLength, qint16 *length)
{
    return ReadIniString(IniDocument::load(file), section, key, defaultValue, maxLength, length);
}

qint16 ReadIniInteger(const QString &file, const QString &section, const QString &key, qint16 defaultValue,
                      qint16 minimum, qint16 maximum)
{
    return ReadIniInteger(IniDocument::load(file), section, key, defaultValue, minimum, maximum);
}

Money ReadIniCurrency(const QString &file, const QString &section, const QString &key, Money defaultValue)
{
    return ReadIniCurrency(IniDocument::load(file), section, key, defaultValue);
}

double ReadIniDouble(const QString &file, const QString &section, const QString &key, double defaultValue)
{
    return ReadIniDouble(IniDocument::load(file), section, key, defaultValue);
}

bool ReadIniBoolean(const QString &file, const QString &section, const QString &key, bool defaultValue)
{
    return ReadIniBoolean(IniDocument::load(file), section, key, defaultValue);
}

void WriteIniBoolean(IniDocument &ini, const QString &section, const QString &key, bool value)
{
    ini.setValue(section, key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void WriteIniLong(IniDocument &ini, const QString &section, const QString &key, qint32 value)
{
    ini.setValue(section, key, QString::number(value));
}

void WriteIniInteger(IniDocument &ini, const QString &section, const QString &key, qint16 value)
{
    ini.setValue(section, key, QString::number(value));
}

void WriteIniCurrency(IniDocument &ini, const QString &section, const QString &key, Money value)
{
    ini.setValue(section, key, FormatAmountShort(value));
}

void WriteIniDouble(IniDocument &ini, const QString &section, const QString &key, double value)
{
    ini.setValue(section, key, FormatDouble(value));
}

void WriteIniString(IniDocument &ini, const QString &section, const QString &key, const QString &value)
{
    ini.setValue(section, key, value);
}

qint32 WriteIniBoolean(const QString &file, const QString &section, const QString &key, bool value)
{
    return ChangeFile(file, [&](IniDocument &ini) { WriteIniBoolean(ini, section, key, value); });
}

qint32 WriteIniLong(const QString &file, const QString &section, const QString &key, qint32 value)
{
    return ChangeFile(file, [&](IniDocument &ini) { WriteIniLong(ini, section, key, value); });
}

qint32 WriteIniInteger(const QString &file, const QString &section, const QString &key, qint16 value)
{
    return ChangeFile(file, [&](IniDocument &ini) { WriteIniInteger(ini, section, key, value); });
}

qint32 WriteIniCurrency(const QString &file, const QString &section, const QString &key, Money value)
{
    return ChangeFile(file, [&](IniDocument &ini) { WriteIniCurrency(ini, section, key, value); });
}

qint32 WriteIniDouble(const QString &file, const QString &section, const QString &key, double value)
{
    return ChangeFile(file, [&](IniDocument &ini) { WriteIniDouble(ini, section, key, value); });
}

qint32 WriteIniString(const QString &file, const QString &section, const QString &key, const QString &value)
{
    return ChangeFile(file, [&](IniDocument &ini) { WriteIniString(ini, section, key, value); });
}
