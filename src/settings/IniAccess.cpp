#include "settings/IniAccess.h"

#include "core/Currencies.h"
#include "core/NumberText.h"

namespace {

const SettingDefinition &Checked(Setting setting, SettingType type)
{
    const SettingDefinition &definition = Definition(setting);
    Q_ASSERT(definition.type == type);
    return definition;
}

// A NUL hand-typed into the file (or left by another program) would otherwise
// end up in a currency name. The blanks of a quoted text are its own: a folder
// named with a trailing space is another folder than the one without.
QString CleanValue(const IniDocument &ini, const SettingDefinition &definition, int slot)
{
    bool quoted = false;
    QString text =
        ini.value(SettingSection(definition.id), SettingKey(definition.id, slot), definition.bufferSize, &quoted);
    text.remove(QChar(u'\0'));
    if (quoted && definition.type == SettingType::String)
        return text;
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

void Write(IniDocument &ini, Setting setting, int slot, const QString &text)
{
    ini.setValue(SettingSection(setting), SettingKey(setting, slot), text);
}

} // namespace

QString ReadIniString(const IniDocument &ini, Setting setting, qint16 *length)
{
    const SettingDefinition &definition = Checked(setting, SettingType::String);
    QString text = CleanValue(ini, definition, -1);
    if (text.isEmpty())
        text = QString::fromUtf8(definition.defaultText);
    if (length)
        *length = qint16(text.size());
    return text;
}

qint16 ReadIniInteger(const IniDocument &ini, Setting setting, int slot)
{
    const SettingDefinition &definition = Checked(setting, SettingType::Integer);
    const qint16 fallback =
        IsCurrencyIndex(slot) ? DefaultDecimals[std::size_t(slot)] : qint16(definition.defaultNumber);
    const std::optional<qint32> value = ParseInteger(CleanValue(ini, definition, slot));
    return value && *value >= definition.minimum && *value <= definition.maximum ? qint16(*value) : fallback;
}

Money ReadIniCurrency(const IniDocument &ini, Setting setting)
{
    const SettingDefinition &definition = Checked(setting, SettingType::Currency);
    return ParseStoredAmount(CleanValue(ini, definition, -1)).value_or(Money::fromRaw(definition.defaultNumber));
}

double ReadIniDouble(const IniDocument &ini, Setting setting, int slot)
{
    const SettingDefinition &definition = Checked(setting, SettingType::Double);
    const double fallback = IsCurrencyIndex(slot) ? DefaultRates[std::size_t(slot)] : double(definition.defaultNumber);
    return ParseStoredDouble(CleanValue(ini, definition, slot)).value_or(fallback);
}

bool ReadIniBoolean(const IniDocument &ini, Setting setting)
{
    return ReadIniStoredBoolean(ini, setting).value_or(Definition(setting).defaultNumber != 0);
}

std::optional<bool> ReadIniStoredBoolean(const IniDocument &ini, Setting setting)
{
    const SettingDefinition &definition = Checked(setting, SettingType::Boolean);
    const QString text = CleanValue(ini, definition, -1).toUpper();
    if (text == QLatin1String("TRUE"))
        return true;
    if (text == QLatin1String("FALSE"))
        return false;
    return std::nullopt;
}

void WriteIniBoolean(IniDocument &ini, Setting setting, bool value)
{
    Checked(setting, SettingType::Boolean);
    Write(ini, setting, -1, value ? QStringLiteral("True") : QStringLiteral("False"));
}

void WriteIniLong(IniDocument &ini, Setting setting, qint32 value)
{
    Checked(setting, SettingType::Integer);
    Write(ini, setting, -1, QString::number(value));
}

void WriteIniInteger(IniDocument &ini, Setting setting, qint16 value, int slot)
{
    Checked(setting, SettingType::Integer);
    Write(ini, setting, slot, QString::number(value));
}

void WriteIniCurrency(IniDocument &ini, Setting setting, Money value)
{
    Checked(setting, SettingType::Currency);
    Write(ini, setting, -1, FormatAmountShort(value));
}

void WriteIniDouble(IniDocument &ini, Setting setting, double value, int slot)
{
    Checked(setting, SettingType::Double);
    Write(ini, setting, slot, FormatDouble(value));
}

void WriteIniString(IniDocument &ini, Setting setting, const QString &value)
{
    Checked(setting, SettingType::String);
    // Reading trims blanks and removes one pair of enclosing quotes; quoted, a
    // value with blanks at an end, or enclosed in quotes itself, reads back as it is.
    const bool blankEnd = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool enclosed = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front();
    Write(ini, setting, -1, blankEnd || enclosed ? u'"' + value + u'"' : value);
}
