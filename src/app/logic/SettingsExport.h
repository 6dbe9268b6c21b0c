#pragma once

#include "app/logic/SettingsTransfer.h"

// The export: copies the program's settings files into a folder of the user's
// choice, which must not be the folder they are kept in.
class SettingsExport : public SettingsTransfer
{
public:
    SettingsExport(SharedDialogs &dialogs, SettingsStore &settings, QString savedPathsFile);

    // Copies the checked files, replacing files of the same name there. A
    // refusal (the same folder, a file gone missing) leaves the dialog open; a
    // failed copy is reported, and the dialog then closes.
    TransferOutcome exportFiles(QWidget *owner);

protected:
    TextId chooserTitle() const override { return TextId::ExportChooseFolder; }
    TextId actionTitle() const override { return TextId::ExportTitle; }
    QString sourceOf(TransferBox box) const override { return ownFile(box); }
    bool usable(const QString &source) const override;
    bool availableAtLoad(TransferBox box) const override { return usable(ownFile(box)); }
};
