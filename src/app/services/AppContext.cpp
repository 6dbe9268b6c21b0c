#include "app/services/AppContext.h"

#include "app/services/DesktopLanguage.h"
#include "app/services/ErrorTrap.h"
#include "app/services/SettingsLocation.h"
#include "app/texts/Texts.h"
#include "files/SafeFile.h"
#include "platform/PlatformServices.h"
#include "settings/IniAccess.h"

AppContext::AppContext(PlatformServices &platform)
    : m_platform(platform)
    , m_dialogs(platform, m_app)
{
    m_dialogs.setBeforeEnd([this] { m_settings.freeze(); });
}

bool AppContext::startUp()
{
    m_app.setProgramFolder(m_platform.programFolder());
    const SettingsPlace place = PrepareSettingsFile(ProgramSettingsFile(m_app.ProgramFolder));
    m_settings = SettingsStore(place.file, place.firstStart);
    const Failure unreadable = m_settings.load();
    // A first start follows the desktop's language; the window then stores it.
    m_app.setLanguage(StartingLanguage(m_settings.document(), m_platform.desktopLanguages()));
    m_app.ProgramTitle = Text(TextId::ProgramTitle, m_app.language());

    if (unreadable.code == ErrorCode::FileTooLarge) {
        // Not an unexpected error: the file is simply not ours to use. Said once;
        // it is then left alone for the whole run.
        m_dialogs.firstReportOf(unreadable);
        m_dialogs.ShowMessageBox(nullptr, m_app.ProgramTitle,
                                 Text(TextId::SettingsTooLarge, m_app.language())
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
    RemoveLeftoversBeforeWrites(instance == PlatformServices::Instance::Alone);
    if (instance == PlatformServices::Instance::Alone)
        m_settings.removeSaveLeftovers();
    if (instance != PlatformServices::Instance::Alone) {
        // Not a reason to refuse to start, but two copies could then write the
        // same settings file: the user should know, and what to do about it.
        m_dialogs.ShowMessageBox(nullptr, m_app.ProgramTitle, lockMessage(instance), MessageStyle::Exclamation);
    }
    loadSettings();
    return !ending();
}

QString AppContext::lockMessage(PlatformServices::Instance instance) const
{
    const Language language = m_app.language();
    TextId what = TextId::LockInTheWaySpecial;
    switch (instance) {
    case PlatformServices::Instance::FolderInTheWay:
        what = TextId::LockInTheWayFolder;
        break;
    case PlatformServices::Instance::LinkInTheWay:
        what = TextId::LockInTheWayLink;
        break;
    case PlatformServices::Instance::DanglingLinkInTheWay:
        what = TextId::LockInTheWayDanglingLink;
        break;
    case PlatformServices::Instance::SpecialInTheWay:
        break;
    default:
        return Text(TextId::InstanceLockUnavailable, language);
    }
    return Text(TextId::LockInTheWay, language).arg(m_platform.instanceLockPath(), Text(what, language));
}

bool AppContext::CheckSingleInstance(const QString &title, bool otherInstance)
{
    if (!otherInstance)
        return false;
    m_dialogs.ShowMessageBox(nullptr, title, Text(TextId::DuplicateInstance, m_app.language()), MessageStyle::Critical);
    // The user is then shown the copy that runs.
    m_platform.callOtherInstance();
    m_dialogs.endProgram();
    return true;
}

void AppContext::loadSettings()
{
    const IniDocument &ini = m_settings.document();
    m_app.HideToolTips = ReadIniBoolean(ini, Setting::ToolTipText);
    m_printDestination = ReadIniInteger(ini, Setting::PrintDestination);
    m_pageSetup = LoadPageSetup(ini);
    m_conversion.load(ini);
}
