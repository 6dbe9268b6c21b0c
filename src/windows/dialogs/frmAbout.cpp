#include "windows/dialogs/frmAbout.h"

#include "app/services/ErrorTrap.h"
#include "app/services/SharedDialogs.h"
#include "windows/ContextHelp.h"
#include "windows/NamedWidgets.h"
#include "windows/Pictures.h"

#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

frmAbout::frmAbout(SharedDialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_model(dialogs)
{
    setObjectName(QStringLiteral("frmAbout"));
    buildLayout();
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    // The box is not on the screen yet: a report goes to the window it opens over.
    ErrorTrap trap(dialogs, parent, QStringLiteral("AFL1000"));
    setCaptions();
    m_lblCopyright->setText(m_model.authorLine(QDate::currentDate()));
    // Without its picture the maker's button still shows the maker's name.
    const Failure picture = PictureFailure("icon_copyright");
    if (!trap.check(picture))
        return;
    if (!picture.failed())
        m_cmdStoneGleam->setIcon(Picture("icon_copyright"));

    ContextHelp::install(this, m_model.language());
}

void frmAbout::buildLayout()
{
    m_cmdStoneGleam = new QToolButton(this);
    m_cmdStoneGleam->setObjectName(QStringLiteral("cmdStoneGleam"));
    m_cmdStoneGleam->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_cmdStoneGleam->setIconSize(QSize(48, 48));
    m_cmdStoneGleam->setAutoRaise(true);
    m_cmdStoneGleam->setFocusPolicy(Qt::NoFocus); // it has nothing to do

    m_lblTitle = NewPlainLabel(this, "lblTitle");
    QFont titleFont = m_lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    m_lblTitle->setFont(titleFont);
    m_lblVersion = NewPlainLabel(this, "lblVersion");
    m_lblDescription = NewPlainLabel(this, "lblDescription");
    m_lblDescription->setWordWrap(true);
    // Wide enough for the Greek description at a comfortable line length.
    m_lblDescription->setFixedWidth(fontMetrics().averageCharWidth() * 70);
    m_lblDisclaimer = NewPlainLabel(this, "lblDisclaimer");
    m_lblDisclaimer->setWordWrap(true);
    // Empty, it still holds its line, so that it can be pointed at for its help.
    m_lblDisclaimer->setMinimumHeight(fontMetrics().height());
    m_lblCopyright = NewPlainLabel(this, "lblCopyright");

    m_cmdOK = NewNamed<QPushButton>(this, "cmdOK");
    m_cmdOK->setDefault(true);
    m_cmdSysInfo = NewNamed<QPushButton>(this, "cmdSysInfo");

    auto *texts = new QVBoxLayout;
    texts->addWidget(m_lblTitle);
    texts->addWidget(m_lblVersion);
    texts->addSpacing(fontMetrics().height() / 2);
    texts->addWidget(m_lblDescription);
    auto *top = new QHBoxLayout;
    top->addWidget(m_cmdStoneGleam, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(texts, 1);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *notes = new QVBoxLayout;
    notes->addWidget(m_lblDisclaimer);
    notes->addStretch();
    notes->addWidget(m_lblCopyright);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdSysInfo);
    auto *bottom = new QHBoxLayout;
    bottom->addLayout(notes, 1);
    bottom->addSpacing(12);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(bottom);
}

void frmAbout::setCaptions()
{
    setWindowTitle(m_model.caption());
    m_lblTitle->setText(m_model.title());
    m_lblVersion->setText(m_model.versionLine());
    m_lblDescription->setText(m_model.description());
    m_lblDisclaimer->setText(m_model.disclaimer());
    m_cmdSysInfo->setText(m_model.sysInfoCaption());
    m_cmdOK->setText(m_model.okCaption());
    m_cmdStoneGleam->setText(m_model.makerName());
}

void frmAbout::StartSysInfo()
{
    // Whether or not a program starts, the box stays open.
    m_model.StartSysInfo(this);
}
