#include "app/logic/MainController.h"

#include "app/services/AppContext.h"
#include "app/services/ErrorTrap.h"
#include "app/texts/Texts.h"
#include "settings/IniAccess.h"
#include "settings/StateStore.h"

MainController::MainController(AppContext &context)
    : m_context(context)
{
}

MainChanges MainController::finishStartUp(QWidget *owner)
{
    setLanguage(m_context.app().language());
    return refreshConversion(owner);
}

void MainController::setLanguage(Language language)
{
    AppValues &app = m_context.app();
    app.setLanguage(language);
    app.ProgramTitle = Text(TextId::ProgramTitle, language);
    m_toolkitTexts.follow(language);
    // The language is applied whether or not it can be kept; a settings file
    // that cannot be written shows up at the next conversion.
    m_context.settings().edit(
        [greek = app.GreekLanguage](IniDocument &ini) { WriteIniBoolean(ini, Setting::Language, greek); });
}

MainChanges MainController::ConvertFrom(int slot, const AmountQuestion &askAmount, QWidget *owner)
{
    if (m_converting || m_context.ending())
        return {};
    m_converting = true;
    MainChanges changes;
    const std::optional<InputCurrencyValues> values = askAmount(slot);
    if (values && !m_context.ending()) {
        m_context.conversion().take(slot, *values);
        // A name given to the additional currency shows in its row and its menu item.
        changes.captions = slot == OtherCurrencyIndex;
        convertCurrent(owner);
        changes.rows = true;
    }
    m_converting = false;
    changes.marked = markedRow();
    return changes;
}

MainChanges MainController::refreshConversion(QWidget *owner)
{
    if (m_converting || m_context.ending())
        return {};
    m_converting = true;
    convertCurrent(owner);
    m_converting = false;
    return {false, true, markedRow()};
}

std::optional<int> MainController::markedRow() const
{
    if (m_context.ending())
        return std::nullopt;
    return m_context.conversion().currentSlot();
}

void MainController::convertCurrent(QWidget *owner)
{
    ErrorTrap trap(m_context.dialogs(), owner, QStringLiteral("342"));
    CurrentConversion &conversion = m_context.conversion();
    conversion.convert();
    // An overflowing amount is kept too, so that it reappears at the next start.
    trap.checkOnce(m_context.settings().edit([&conversion](IniDocument &ini) { conversion.keep(ini); }));
}

std::optional<WindowPlace> MainController::keptWindowPlace() const
{
    return ReadWindowPlace(m_context.settings().document());
}

void MainController::keepWindowPlace(const WindowPlace &place)
{
    m_context.settings().edit([&place](IniDocument &ini) { KeepWindowPlace(place, ini); });
}
