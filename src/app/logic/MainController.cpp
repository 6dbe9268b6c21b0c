#include "app/logic/MainController.h"

#include "app/services/AppContext.h"
#include "app/services/ErrorTrap.h"
#include "app/texts/StatusTexts.h"
#include "app/texts/Texts.h"
#include "settings/IniAccess.h"
#include "settings/StateStore.h"

namespace {

// Until the first conversion every amount label shows the lower end of the range.
const QString InitialAmountCaption = QStringLiteral("-922.337.203.685.477,5808");

} // namespace

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
        confirmInput(slot, *values);
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
    return m_context.state().CurrentCurrency;
}

void MainController::confirmInput(int slot, const InputCurrencyValues &values)
{
    ConversionState &state = m_context.state();
    state.CurrentCurrency = qint16(slot);
    state.CurrentAmount = values.amount;
    state.CurrencyDecimals[std::size_t(slot)] = values.decimals;
    if (slot != OtherCurrencyIndex)
        return;
    state.CurrencyRates[std::size_t(slot)] = values.rate;
    // The built-in name of either language is what the dialog proposes for an
    // unnamed currency; kept as a name it would pin that language's word.
    const bool builtIn = values.name == CurrencyCaption(OtherCurrencyIndex, Language::English)
        || values.name == CurrencyCaption(OtherCurrencyIndex, Language::Greek);
    state.OtherCurrencyName = builtIn ? QString() : values.name;
    state.OtherCurrencyMarker = builtIn ? UnnamedCurrencyMarker : QString();
}

void MainController::convertCurrent(QWidget *owner)
{
    ErrorTrap trap(m_context.dialogs(), owner, QStringLiteral("342"));
    const ConversionState &state = m_context.state();
    m_context.setLastResult(Convert(state));
    // An overflowing amount is kept too, so that it reappears at the next start.
    trap.checkOnce(m_context.settings().edit([&state](IniDocument &ini) { KeepConversionState(state, ini); }));
}

QString MainController::rowTitle(int slot) const
{
    return RowTitle(m_context.state(), slot, m_context.app().language());
}

RowText MainController::rowText(int slot) const { return rowTexts()[std::size_t(slot)]; }

std::array<RowText, CurrencyCount> MainController::rowTexts() const
{
    const std::optional<ConversionResult> &result = m_context.lastResult();
    if (!result) {
        std::array<RowText, CurrencyCount> initial;
        initial.fill({InitialAmountCaption, QString()});
        return initial;
    }
    const AppValues &app = m_context.app();
    return RowTexts(*result, m_context.state(), app.language(), app.HideToolTips);
}

std::array<RowSpeech, CurrencyCount> MainController::rowSpeech() const
{
    // The unrounded amounts whatever the tooltips show.
    const std::optional<ConversionResult> &result = m_context.lastResult();
    const std::array<RowText, CurrencyCount> texts =
        result ? RowTexts(*result, m_context.state(), m_context.app().language(), false) : rowTexts();
    std::array<RowSpeech, CurrencyCount> speech;
    for (int slot = 0; slot < CurrencyCount; ++slot)
        speech[std::size_t(slot)] = SpeechOf(rowTitle(slot), texts[std::size_t(slot)]);
    return speech;
}

QString MainController::copyText(int slot, bool unrounded) const
{
    const std::optional<ConversionResult> &result = m_context.lastResult();
    if (!result)
        return rowText(slot).caption.trimmed();
    const RowText text = RowTexts(*result, m_context.state(), m_context.app().language(), false)[std::size_t(slot)];
    return (unrounded ? text.toolTip : text.caption).trimmed();
}

AmountEntry MainController::amountEntry(int slot) const
{
    return AmountEntry(m_context.state(), slot, rowText(slot).caption, m_context.app().language());
}

QString MainController::statusLine(int slot) const
{
    const std::optional<ConversionResult> &result = m_context.lastResult();
    if (!result)
        return QString();
    return ConversionRoad(*result, m_context.state(), slot, rowTitle(OtherCurrencyIndex), m_context.app().language());
}

std::optional<WindowPlace> MainController::keptWindowPlace() const
{
    return ReadWindowPlace(m_context.settings().document());
}

void MainController::keepWindowPlace(const WindowPlace &place)
{
    m_context.settings().edit([&place](IniDocument &ini) { KeepWindowPlace(place, ini); });
}
