#include "app/MainController.h"

#include "app/DesktopLanguage.h"
#include "app/ErrorTrap.h"
#include "app/StatusTexts.h"
#include "app/Texts.h"
#include "platform/PlatformServices.h"
#include "settings/IniAccess.h"
#include "settings/StateStore.h"

namespace {

// Until the first conversion every amount label shows the lower end of the range.
const QString InitialAmountCaption = QStringLiteral("-922.337.203.685.477,5808");

} // namespace

MainController::MainController(PlatformServices &platform)
    : m_platform(platform)
    , m_dialogs(platform, m_app)
{
    m_dialogs.setBeforeEnd([this] { m_settings.freeze(); });
}

bool MainController::StartUp()
{
    m_app.setProgramFolder(m_platform.programFolder());
    m_settings = SettingsStore(m_app.SettingsFile);
    const Failure unreadable = m_settings.load();
    // A first start follows the desktop's language; the window then stores it.
    const std::optional<bool> storedGreek = ReadIniStoredBoolean(m_settings.document(), Setting::Language);
    m_app.GreekLanguage = storedGreek ? *storedGreek : DesktopPrefersGreek(m_platform.desktopLanguages());
    m_app.ProgramTitle = Text(TextId::ProgramTitle, m_app.GreekLanguage);

    if (unreadable.code == ErrorCode::FileTooLarge) {
        // Not an unexpected error: the file is simply not ours to use. Said once;
        // it is then left alone for the whole run.
        m_dialogs.firstReportOf(unreadable);
        m_dialogs.ShowMessageBox(nullptr, m_app.ProgramTitle,
                                 Text(TextId::SettingsTooLarge, m_app.GreekLanguage)
                                     .arg(unreadable.path)
                                     .arg(IniDocument::MaximumFileSize / (1024 * 1024)),
                                 MessageStyle::Exclamation);
    } else {
        ErrorTrap trap(m_dialogs, nullptr, QStringLiteral("MFL1000"));
        if (!trap.checkOnce(unreadable))
            return false;
    }
    const PlatformServices::Instance instance = m_platform.otherInstanceRunning();
    if (CheckSingleInstance(m_app.ProgramTitle, instance == PlatformServices::Instance::OtherRunning))
        return false;
    if (instance == PlatformServices::Instance::Alone)
        m_settings.removeSaveLeftovers();
    if (instance != PlatformServices::Instance::Alone) {
        // Not a reason to refuse to start, but two copies could then write the
        // same settings file: the user should know, and what to do about it.
        m_dialogs.ShowMessageBox(nullptr, m_app.ProgramTitle, LockMessage(instance), MessageStyle::Exclamation);
    }
    LoadSettings();
    return !ending();
}

QString MainController::LockMessage(PlatformServices::Instance instance) const
{
    const bool greek = m_app.GreekLanguage;
    TextId what = TextId::LockInTheWaySpecial;
    switch (instance) {
    case PlatformServices::Instance::FolderInTheWay:
        what = TextId::LockInTheWayFolder;
        break;
    case PlatformServices::Instance::LinkInTheWay:
        what = TextId::LockInTheWayLink;
        break;
    case PlatformServices::Instance::SpecialInTheWay:
        break;
    default:
        return Text(TextId::InstanceLockUnavailable, greek);
    }
    return Text(TextId::LockInTheWay, greek).arg(m_platform.instanceLockPath(), Text(what, greek));
}

bool MainController::CheckSingleInstance(const QString &title, bool otherInstance)
{
    if (!otherInstance)
        return false;
    m_dialogs.ShowMessageBox(nullptr, title, Text(TextId::DuplicateInstance, m_app.GreekLanguage),
                             MessageStyle::Critical);
    m_dialogs.EndProgram();
    return true;
}

void MainController::LoadSettings()
{
    const IniDocument &ini = m_settings.document();
    m_app.HideToolTips = ReadIniBoolean(ini, Setting::ToolTipText);
    m_printDestination = ReadIniInteger(ini, Setting::PrintDestination);
    m_pageSetup = LoadPageSetup(ini);
    FillConversionState(m_state, ini);
}

void MainController::SetLanguage(bool greek)
{
    m_app.GreekLanguage = greek;
    m_app.ProgramTitle = Text(TextId::ProgramTitle, greek);
    // The language is applied whether or not it can be kept; a settings file
    // that cannot be written shows up at the next conversion.
    m_settings.edit([greek](IniDocument &ini) { WriteIniBoolean(ini, Setting::Language, greek); });
}

void MainController::ConfirmInput(int slot, const InputCurrencyValues &values)
{
    m_state.CurrentCurrency = qint16(slot);
    m_state.CurrentAmount = values.amount;
    m_state.CurrencyDecimals[std::size_t(slot)] = values.decimals;
    if (slot != OtherCurrencyIndex)
        return;
    m_state.CurrencyRates[std::size_t(slot)] = values.rate;
    // The built-in name of either language is what the dialog proposes for an
    // unnamed currency; kept as a name it would pin that language's word.
    const bool builtIn = values.name == CurrencyCaption(OtherCurrencyIndex, false)
        || values.name == CurrencyCaption(OtherCurrencyIndex, true);
    m_state.OtherCurrencyName = builtIn ? QString() : values.name;
    m_state.OtherCurrencyMarker = builtIn ? UnnamedCurrencyMarker : QString();
}

void MainController::ConvertCurrent(QWidget *owner)
{
    ErrorTrap trap(m_dialogs, owner, QStringLiteral("342"));
    m_result = Convert(m_state);
    // An overflowing amount is kept too, so that it reappears at the next start.
    trap.checkOnce(m_settings.edit([this](IniDocument &ini) { KeepConversionState(m_state, ini); }));
}

QString MainController::rowTitle(int slot) const { return RowTitle(m_state, slot, m_app.GreekLanguage); }

RowText MainController::rowText(int slot) const { return rowTexts()[std::size_t(slot)]; }

std::array<RowText, CurrencyCount> MainController::rowTexts() const
{
    if (!m_result) {
        std::array<RowText, CurrencyCount> initial;
        initial.fill({InitialAmountCaption, QString()});
        return initial;
    }
    return RowTexts(*m_result, m_state, m_app.GreekLanguage, m_app.HideToolTips);
}

QString MainController::copyText(int slot, bool unrounded) const
{
    if (!m_result)
        return rowText(slot).caption.trimmed();
    const RowText text = RowTexts(*m_result, m_state, m_app.GreekLanguage, false)[std::size_t(slot)];
    return (unrounded ? text.toolTip : text.caption).trimmed();
}

QString MainController::statusLine(int slot) const
{
    if (!m_result)
        return QString();
    return ConversionRoad(*m_result, m_state, slot, rowTitle(OtherCurrencyIndex), m_app.GreekLanguage);
}
