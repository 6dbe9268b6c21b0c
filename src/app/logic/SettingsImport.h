#pragma once

#include "app/logic/SettingsTransfer.h"

// The import: copies files named like the program's settings files from a
// folder of the user's choice over the program's own, optionally moving the
// copied ones to the trash. The running program keeps its settings in memory
// and writes them as they change, so importing the settings file ends it: the
// imported settings take effect at the next start.
class SettingsImport : public SettingsTransfer
{
public:
    SettingsImport(SharedDialogs &dialogs, SettingsStore &settings, QString savedPathsFile);

    bool deleteAfter() const { return m_deleteAfter; }
    void deleteAfterClicked(bool checked);

    // Asks before the settings file is imported. The copied files go to the
    // trash only once every copy succeeded; after the settings file the program
    // ends, with nothing more written, so the file stays as it was copied.
    TransferOutcome importFiles(QWidget *owner);

protected:
    TextId chooserTitle() const override { return TextId::ImportChooseFolder; }
    TextId actionTitle() const override { return TextId::ImportTitle; }
    // The program's own file name in the chosen folder.
    QString sourceOf(TransferBox box) const override;
    bool usable(const QString &source) const override;
    // A settings file above the program's reading limit is refused before it is copied.
    QString refusal(TransferBox box, const QString &source) const override;
    bool availableAtLoad(TransferBox box) const override;
    void folderChosen() override;
    void loadMore(const IniDocument &ini) override;
    void applyMore(IniDocument &ini) override;

private:
    bool m_deleteAfter = false;
};
