#pragma once

#include "app/texts/Texts.h"
#include "settings/SettingsTable.h"

#include <QString>
#include <QStringList>

#include <array>

class IniDocument;
class QWidget;
class SettingsStore;
class SharedDialogs;

// The two files a transfer can take: the settings file and the saved-paths file.
enum class TransferBox {
    Ini,
    SavedPaths
};
inline constexpr std::array<TransferBox, 2> TransferBoxes = {TransferBox::Ini, TransferBox::SavedPaths};

// One file's check box and path label as the dialog shows them.
struct TransferFile
{
    bool checked = false;
    bool enabled = false;
    QString shownPath; // the label's path in full; empty leaves the label empty
};

// What the dialog does once its action has run.
enum class TransferOutcome {
    StayOpen,
    Close,
    ProgramEnds
};

// What the export and import dialogs share, without widgets: the two file
// boxes, the chosen folder, the rule that enables the action button, the
// caption of the cancel button, and loading and storing the choices. The
// dialogs show this state and forward their events here.
class SettingsTransfer
{
public:
    virtual ~SettingsTransfer() = default;

    const TransferFile &file(TransferBox box) const { return m_files[std::size_t(box)]; }
    // The chosen folder without a trailing separator; empty when none was chosen.
    const QString &folder() const { return m_folder; }
    // What the folder label shows: the folder with a trailing separator.
    QString folderLabel() const;
    // The action button needs a folder and at least one checked file.
    bool actionEnabled() const;
    // "Cancel" until Apply, "Close" after it, "Cancel" again once a choice changes.
    QString cancelCaption() const;
    Language language() const;

    // Reads the stored choices again, as every opening of the dialog does.
    void load(QWidget *owner);
    void fileClicked(TransferBox box, bool checked);
    // Asks for a folder, starting in the chosen one when it exists, else in the
    // user's home; a cancelled choice changes nothing. A folder whose name
    // holds a line break, or whose path is longer than a path key keeps, is
    // refused with a message: it would read back as another folder.
    void ChooseFolder(QWidget *owner);
    // Stores the choices: the boxes that are enabled (a disabled one keeps its
    // stored choice while its file is missing) and a chosen folder. The dialog stays open.
    void apply(QWidget *owner);

protected:
    struct Keys
    {
        Setting ini;
        Setting savedPaths;
        Setting folder;
    };
    struct Locations
    {
        const char *load;
        const char *apply;
    };
    SettingsTransfer(SharedDialogs &dialogs, SettingsStore &settings, QString savedPathsFile, Keys keys,
                     Locations locations);

    SharedDialogs &dialogs() const { return m_dialogs; }
    // The program's own file for a box, and the folder it lies in (with a trailing separator).
    QString ownFile(TransferBox box) const;
    QString ownFolder() const;
    void setFile(TransferBox box, const TransferFile &file) { m_files[std::size_t(box)] = file; }
    // The checked files as the action takes them. One that is missing or not a
    // regular file is unchecked, disabled and named in a critical message titled
    // title; one refused for another reason is named too; the result is then empty.
    QStringList checkedSources(QWidget *owner, TextId title, TextId missing);
    // A copy refused because a folder, a FIFO, a device or a socket stands
    // where a file was meant: said in a critical message. False for any other
    // outcome, which the caller reports.
    bool refusedAsNotRegular(QWidget *owner, const Failure &copied) const;

    virtual TextId chooserTitle() const = 0;
    virtual TextId actionTitle() const = 0;
    // The file an action copies for a box, and whether it can be taken.
    virtual QString sourceOf(TransferBox box) const = 0;
    virtual bool usable(const QString &source) const = 0;
    // Why a usable source is still not taken, in the user's language; empty when it is.
    virtual QString refusal(TransferBox, const QString &) const { return {}; }
    // Whether a box can be used when the dialog opens.
    virtual bool availableAtLoad(TransferBox box) const = 0;
    virtual void folderChosen() { }
    // What a dialog loads and stores beyond the shared choices.
    virtual void loadMore(const IniDocument &) { }
    virtual void applyMore(IniDocument &) { }
    void choiceChanged() { m_applied = false; }

private:
    Setting keyOf(TransferBox box) const { return box == TransferBox::Ini ? m_keys.ini : m_keys.savedPaths; }

    SharedDialogs &m_dialogs;
    SettingsStore &m_settings;
    const QString m_savedPathsFile;
    const Keys m_keys;
    const Locations m_locations;
    std::array<TransferFile, 2> m_files{};
    QString m_folder;
    bool m_applied = false;
};
