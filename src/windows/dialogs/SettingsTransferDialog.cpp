#include "windows/dialogs/SettingsTransferDialog.h"

#include "app/services/SharedDialogs.h"
#include "windows/ContextHelp.h"
#include "windows/NamedWidgets.h"
#include "windows/dialogs/BusyProcess.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QLabel *PathLabel(QWidget *parent, const char *name)
{
    auto *label = NewPlainLabel(parent, name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    // The label keeps the width the layout gives it; the path is shortened to
    // fit, never the other way round.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 56);
    return label;
}

} // namespace

SettingsTransferDialog::SettingsTransferDialog(SharedDialogs &dialogs, const char *name, const Captions &captions,
                                               QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_busy(new BusyProcess(this, dialogs))
{
    setObjectName(QLatin1String(name));
    const Language language = dialogs.app().language();
    setWindowTitle(Text(captions.title, language));

    m_fraSettings = new QGroupBox(Text(captions.frame, language), this);
    m_fraSettings->setObjectName(QStringLiteral("fraSettings"));
    auto *files = new QGridLayout(m_fraSettings);
    const std::array<std::pair<const char *, const char *>, 2> names = {std::pair{"chkIniFileName", "lblIniFileName"},
                                                                        std::pair{"chkSavedPaths", "lblSavedPaths"}};
    const std::array<TextId, 2> boxTexts = {TextId::TransferIniFile, TextId::TransferSavedPaths};
    for (const TransferBox box : TransferBoxes) {
        const auto index = std::size_t(box);
        auto *check = new QCheckBox(Text(boxTexts[index], language), m_fraSettings);
        check->setObjectName(QLatin1String(names[index].first));
        QLabel *label = PathLabel(m_fraSettings, names[index].second);
        files->addWidget(check, int(index) * 2, 0, 1, 2);
        files->addWidget(label, int(index) * 2 + 1, 1);
        // The box's state, not the click, runs the rules: a key, a screen reader's
        // toggle or the program itself may change it too.
        connect(check, &QCheckBox::toggled, this, [this, box](bool checked) {
            model().fileClicked(box, checked);
            showState();
        });
        m_fileBoxes[index] = check;
        m_fileLabels[index] = label;
    }
    files->setColumnMinimumWidth(0, fontMetrics().averageCharWidth() * 3);
    m_fileBoxes[1]->hide();
    m_fileLabels[1]->hide();

    m_cmdSettingsFolderExternal = new QPushButton(Text(captions.chooseFolder, language), this);
    m_cmdSettingsFolderExternal->setObjectName(QStringLiteral("cmdSettingsFolderExternal"));
    m_lblSettingsFolderExternal = PathLabel(this, "lblSettingsFolderExternal");
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_cmdSettingsFolderExternal);
    folderRow->addWidget(m_lblSettingsFolderExternal, 1);

    m_cmdAction = new QPushButton(Text(captions.action, language), this);
    m_cmdAction->setObjectName(QLatin1String(captions.actionName));
    m_cmdAction->setDefault(true);
    m_cmdApply = NewNamed<QPushButton>(this, "cmdApply");
    m_cmdApply->setText(Text(TextId::DialogApply, language));
    m_cmdCancel = NewNamed<QPushButton>(this, "cmdCancel");
    QHBoxLayout *buttons = ButtonRow({m_cmdAction, m_cmdApply, m_cmdCancel});

    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_fraSettings);
    m_layout->addLayout(folderRow);
    m_optionRow = m_layout->count();
    m_layout->addStretch();
    m_layout->addLayout(buttons);

    connect(m_cmdSettingsFolderExternal, &QPushButton::clicked, this, [this] {
        model().ChooseFolder(this);
        showState();
    });
    connect(m_cmdAction, &QPushButton::clicked, this, &SettingsTransferDialog::actionClicked);
    connect(m_cmdApply, &QPushButton::clicked, this, [this] {
        model().apply(this);
        showState();
    });
    connect(m_cmdCancel, &QPushButton::clicked, this, &SettingsTransferDialog::reject);
}

void SettingsTransferDialog::addOption(QWidget *option)
{
    m_layout->insertWidget(m_optionRow++, option);
    setTabOrder(m_cmdSettingsFolderExternal, option);
    setTabOrder(option, m_cmdAction);
}

void SettingsTransferDialog::start()
{
    ContextHelp::install(this, m_dialogs.app().language());
    model().load(this);
    showState();
}

void SettingsTransferDialog::showState()
{
    const SettingsTransfer &state = model();
    for (const TransferBox box : TransferBoxes) {
        const auto index = std::size_t(box);
        const TransferFile &file = state.file(box);
        const QSignalBlocker shown(m_fileBoxes[index]); // the state already holds it
        m_fileBoxes[index]->setChecked(file.checked);
        m_fileBoxes[index]->setEnabled(file.enabled);
        showPath(m_fileLabels[index], file.shownPath);
    }
    showPath(m_lblSettingsFolderExternal, state.folderLabel());
    m_cmdAction->setEnabled(state.actionEnabled());
    m_cmdCancel->setText(state.cancelCaption());
    showMore();
}

void SettingsTransferDialog::showPath(QLabel *label, const QString &path)
{
    label->setText(path.isEmpty() ? QString() : m_dialogs.platform().compactPathForLabel(label, path));
    // The full path, unless the user keeps data out of tooltips.
    label->setToolTip(m_dialogs.app().HideToolTips ? QString() : path);
    label->setProperty("fullPath", path);
}

void SettingsTransferDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // The labels have their new widths by now: shorten the paths anew.
    for (QLabel *label : {m_fileLabels[0], m_fileLabels[1], m_lblSettingsFolderExternal})
        showPath(label, label->property("fullPath").toString());
}

void SettingsTransferDialog::actionClicked()
{
    // Busy while the messages and the copy run: the controls are disabled and
    // the close box is refused, so nothing happens twice or half.
    m_busy->cpDisableControls();
    switch (runAction()) {
    case TransferOutcome::StayOpen:
        m_busy->cpEnableControls();
        showState();
        break;
    case TransferOutcome::Close:
        accept();
        break;
    case TransferOutcome::ProgramEnds:
        break; // every window goes with the program
    }
}
