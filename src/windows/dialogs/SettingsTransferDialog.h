#pragma once

#include "app/logic/SettingsTransfer.h"
#include "app/texts/Texts.h"

#include <QDialog>

#include <array>

class BusyProcess;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

// What the export and import dialogs share: the frame with the two file boxes
// and their path labels, the folder button and label, and the action, Apply
// and Cancel buttons. It shows what its SettingsTransfer holds and forwards
// every click there. The "Saved paths" box and label stay hidden: the program
// names no saved-paths file, so they could never be used.
class SettingsTransferDialog : public QDialog
{
    Q_OBJECT
protected:
    struct Captions
    {
        TextId title;
        TextId frame;
        TextId chooseFolder;
        TextId action;
        const char *actionName;
    };
    SettingsTransferDialog(SharedDialogs &dialogs, const char *name, const Captions &captions, QWidget *parent);

    // The derived dialog's model; used only once start() runs.
    virtual SettingsTransfer &model() = 0;
    virtual TransferOutcome runAction() = 0;
    // Shows what the derived dialog adds to the shared state.
    virtual void showMore() { }
    // Puts a control of the derived dialog below the folder row.
    void addOption(QWidget *option);
    // Loads the stored choices and shows them; the last step of a derived constructor.
    void start();
    // Shows the model's state.
    void showState();

    void resizeEvent(QResizeEvent *event) override;

private:
    void showPath(QLabel *label, const QString &path);
    void actionClicked();

    SharedDialogs &m_dialogs;
    BusyProcess *m_busy;

    QGroupBox *m_fraSettings;
    std::array<QCheckBox *, 2> m_fileBoxes{};
    std::array<QLabel *, 2> m_fileLabels{};
    QPushButton *m_cmdSettingsFolderExternal;
    QLabel *m_lblSettingsFolderExternal;
    QPushButton *m_cmdAction;
    QPushButton *m_cmdApply;
    QPushButton *m_cmdCancel;
    QVBoxLayout *m_layout;
    int m_optionRow;
};
