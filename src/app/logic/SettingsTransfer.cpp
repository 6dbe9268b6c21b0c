#include "app/logic/SettingsTransfer.h"

#include "app/services/ErrorTrap.h"
#include "app/services/SharedDialogs.h"
#include "files/PathParts.h"
#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A folder as it is kept: without its trailing separator, except the root,
// which would otherwise read as no folder at all.
QString KeptFolder(const QString &text) { return text == NativeSeparator ? text : RemoveTrailingSeparator(text); }

bool IsBlank(const QString &text) { return text.trimmed().isEmpty(); }

} // namespace

SettingsTransfer::SettingsTransfer(SharedDialogs &dialogs, SettingsStore &settings, QString savedPathsFile, Keys keys,
                                   Locations locations)
    : m_dialogs(dialogs)
    , m_settings(settings)
    , m_savedPathsFile(std::move(savedPathsFile))
    , m_keys(keys)
    , m_locations(locations)
{
}

QString SettingsTransfer::folderLabel() const
{
    return m_folder.isEmpty() ? QString() : AddTrailingSeparator(m_folder);
}

bool SettingsTransfer::actionEnabled() const
{
    return !m_folder.isEmpty() && (file(TransferBox::Ini).checked || file(TransferBox::SavedPaths).checked);
}

QString SettingsTransfer::cancelCaption() const
{
    return Text(m_applied ? TextId::DialogClose : TextId::DialogCancel, language());
}

Language SettingsTransfer::language() const { return m_dialogs.app().language(); }

QString SettingsTransfer::ownFile(TransferBox box) const
{
    return box == TransferBox::Ini ? m_settings.path() : m_savedPathsFile;
}

QString SettingsTransfer::ownFolder() const { return AddTrailingSeparator(FolderPart(m_settings.path())); }

void SettingsTransfer::load(QWidget *owner)
{
    // The file as it is now, not as the program read it at the start: the
    // choices may have been applied since.
    Failure failure;
    const IniDocument ini = IniDocument::load(m_settings.path(), &failure);
    ErrorTrap trap(m_dialogs, owner, QLatin1String(m_locations.load));
    if (!trap.check(failure))
        return;
    m_folder = KeptFolder(ReadIniString(ini, m_keys.folder));
    if (IsBlank(m_folder))
        m_folder.clear();
    for (const TransferBox box : TransferBoxes) {
        setFile(box, {});
        if (availableAtLoad(box))
            setFile(box, {ReadIniBoolean(ini, keyOf(box)), true, ownFile(box)});
    }
    loadMore(ini);
    m_applied = false;
}

void SettingsTransfer::fileClicked(TransferBox box, bool checked)
{
    m_files[std::size_t(box)].checked = checked;
    choiceChanged();
}

void SettingsTransfer::ChooseFolder(QWidget *owner)
{
    const QString start = !m_folder.isEmpty() && QFileInfo(m_folder).isDir() ? m_folder : QDir::homePath();
    const QString chosen =
        KeptFolder(m_dialogs.platform().chooseFolder(owner, start, Text(chooserTitle(), language())));
    m_dialogs.BringWindowToFront(owner);
    if (IsBlank(chosen))
        return;
    // Kept, such a folder would read back as another one.
    QString refused;
    if (chosen.contains(u'\n') || chosen.contains(u'\r'))
        refused = Text(TextId::FolderLineBreak, language()).arg(chosen);
    else if (chosen.size() > LongestKeptPath)
        refused = Text(TextId::FolderTooLong, language()).arg(LongestKeptPath);
    if (!refused.isEmpty()) {
        m_dialogs.ShowMessageBox(owner, Text(actionTitle(), language()), refused, MessageStyle::Exclamation);
        return;
    }
    m_folder = chosen;
    choiceChanged();
    folderChosen();
}

void SettingsTransfer::apply(QWidget *owner)
{
    const Failure failure = m_settings.edit([this](IniDocument &ini) {
        for (const TransferBox box : TransferBoxes) {
            if (file(box).enabled)
                WriteIniBoolean(ini, keyOf(box), file(box).checked);
        }
        if (!m_folder.isEmpty())
            WriteIniString(ini, m_keys.folder, m_folder);
        applyMore(ini);
    });
    ErrorTrap trap(m_dialogs, owner, QLatin1String(m_locations.apply));
    if (trap.check(failure))
        m_applied = true;
}

QStringList SettingsTransfer::checkedSources(QWidget *owner, TextId title, TextId missing)
{
    QStringList sources;
    for (const TransferBox box : TransferBoxes) {
        if (!file(box).checked)
            continue;
        const QString source = sourceOf(box);
        QString refused = refusal(box, source);
        if (!usable(source)) {
            setFile(box, {});
            const QFileInfo entry(source);
            refused =
                Text(entry.exists() && !entry.isFile() ? TextId::TransferNotRegular : missing, language()).arg(source);
        }
        if (!refused.isEmpty()) {
            m_dialogs.ShowMessageBox(owner, Text(title, language()), refused, MessageStyle::Critical);
            return {};
        }
        sources.append(source);
    }
    return sources;
}

bool SettingsTransfer::refusedAsNotRegular(QWidget *owner, const Failure &copied) const
{
    if (copied.code != ErrorCode::NotRegularFile)
        return false;
    m_dialogs.ShowMessageBox(owner, Text(actionTitle(), language()),
                             Text(TextId::TransferNotRegular, language()).arg(copied.path), MessageStyle::Critical);
    return true;
}
