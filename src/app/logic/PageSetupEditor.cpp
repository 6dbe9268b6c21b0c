#include "app/logic/PageSetupEditor.h"

#include "app/services/ErrorTrap.h"
#include "app/texts/Texts.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <algorithm>

namespace {

Setting SettingOf(PageSetupEditor::Number number)
{
    switch (number) {
    case PageSetupEditor::Number::FontSize:
        return Setting::FontSize;
    case PageSetupEditor::Number::TopMargin:
        return Setting::TopMargin;
    case PageSetupEditor::Number::LeftMargin:
        return Setting::LeftMargin;
    case PageSetupEditor::Number::LinesPerPage:
        break;
    }
    return Setting::LinesPerPage;
}

// The value of a number, to read or to change.
template<typename Values>
auto &FieldOf(Values &values, PageSetupEditor::Number number)
{
    switch (number) {
    case PageSetupEditor::Number::FontSize:
        return values.FontSize;
    case PageSetupEditor::Number::TopMargin:
        return values.TopMargin;
    case PageSetupEditor::Number::LeftMargin:
        return values.LeftMargin;
    case PageSetupEditor::Number::LinesPerPage:
        break;
    }
    return values.LinesPerPage;
}

// A number's names: its value's, then its arrows' up and down.
TextId FirstNameOf(PageSetupEditor::Number number)
{
    static_assert(int(TextId::PageSetupLinesValue) - int(TextId::PageSetupSizeValue) == 9, "three names a number");
    const auto index = std::find(PageSetupEditor::Numbers.begin(), PageSetupEditor::Numbers.end(), number)
        - PageSetupEditor::Numbers.begin();
    return TextId(int(TextId::PageSetupSizeValue) + 3 * int(index));
}

} // namespace

PageSetupEditor::PageSetupEditor(SharedDialogs &dialogs, SettingsStore &settings, PageSetupValues &kept, QWidget *owner)
    : m_dialogs(dialogs)
    , m_settings(settings)
    , m_kept(kept)
    , m_owner(owner)
    , m_values(kept)
{
}

int PageSetupEditor::minimum(Number number) { return Definition(SettingOf(number)).minimum; }

int PageSetupEditor::maximum(Number number) { return Definition(SettingOf(number)).maximum; }

QString PageSetupEditor::rangeText(Number number)
{
    return QStringLiteral("%1 - %2").arg(minimum(number)).arg(maximum(number));
}

int PageSetupEditor::value(Number number) const { return FieldOf(m_values, number); }

void PageSetupEditor::setValue(Number number, int value)
{
    FieldOf(m_values, number) = qint16(std::clamp(value, minimum(number), maximum(number)));
}

void PageSetupEditor::keep() { m_kept = m_values; }

bool PageSetupEditor::apply()
{
    ErrorTrap trap(m_dialogs, m_owner, QStringLiteral("PSAC1000"));
    keep();
    trap.check(m_settings.edit([this](IniDocument &ini) { SavePageSetup(m_values, ini); }));
    return !trap.ended();
}

QString PageSetupEditor::valueName(Number number, Language language) { return Text(FirstNameOf(number), language); }

QString PageSetupEditor::arrowName(Number number, bool increase, Language language)
{
    return Text(TextId(int(FirstNameOf(number)) + (increase ? 1 : 2)), language);
}
