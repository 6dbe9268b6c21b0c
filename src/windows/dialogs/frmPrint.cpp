#include "windows/dialogs/frmPrint.h"

#include "app/services/AppContext.h"
#include "app/texts/Texts.h"
#include "windows/ContextHelp.h"
#include "windows/NamedWidgets.h"
#include "windows/Pictures.h"
#include "windows/dialogs/PrintCommands.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton *PictureButton(QWidget *parent, const char *name, const char *picture)
{
    auto *button = NewNamed<QPushButton>(parent, name);
    button->setIcon(Picture(picture));
    button->setIconSize(QSize(28, 28));
    return button;
}

} // namespace

frmPrint::frmPrint(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_job(context, this)
    , m_busy(this, context.dialogs())
{
    setObjectName(QStringLiteral("frmPrint"));
    buildLayout();
    setCaptions();
    const qint16 destination = m_context.printDestination();
    m_optPrintDestination[std::size_t(std::clamp<int>(destination, 0, 2))]->setChecked(true);
    updateCaption();
    m_prbProgressBar->reset();
    m_prbProgressBar->setFormat(QString());
    // Cancel has nothing to undo until a destination is chosen.
    m_cmdCancel->setEnabled(false);
    if (m_job.pageCount() < 1) {
        m_cmdPrintAndClose->setEnabled(false);
        m_cmdPrint->setEnabled(false);
    }

    m_busy.setCancelButton(m_cmdCancelPrinting);
    m_busy.keepEnabled(m_prbProgressBar);
    // A destination chosen, by a click or however else its state changed (a
    // screen reader toggles it), leaves something to cancel.
    connect(m_destinations, &QButtonGroup::idClicked, this, [this] { m_cmdCancel->setEnabled(true); });
    connect(m_destinations, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (!checked)
            return;
        m_cmdCancel->setEnabled(true);
        updateCaption();
    });
    connect(m_cmdPrint, &QPushButton::clicked, this, &frmPrint::printClicked);
    connect(m_cmdPrintAndClose, &QPushButton::clicked, this, &frmPrint::printAndCloseClicked);
    connect(m_cmdApply, &QPushButton::clicked, this, &frmPrint::applyClicked);
    connect(m_cmdClose, &QPushButton::clicked, this, &frmPrint::closeClicked);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cmdPageSetup, &QPushButton::clicked, this, &frmPrint::pageSetupClicked);
    connect(m_cmdPrintSetup, &QPushButton::clicked, this, &frmPrint::printSetupClicked);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this, [this] {
        if (m_cmdPrint->isEnabled())
            m_cmdPrint->click();
    });
    ContextHelp::install(this, m_context.app().language());
}

void frmPrint::buildLayout()
{
    // Enter on a focused button presses that button, which every button of a
    // dialog does as long as it stays auto-default; elsewhere it prints.
    m_cmdPrint = PictureButton(this, "cmdPrint", "icon_print");
    m_cmdPrint->setDefault(true);
    m_cmdPageSetup = PictureButton(this, "cmdPageSetup", "icon_page_setup");
    m_cmdPrintSetup = PictureButton(this, "cmdPrintSetup", "icon_printer_setup");
    m_cmdCancelPrinting = PictureButton(this, "cmdCancelPrinting", "icon_cancel_printing");
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(m_cmdPrint);
    pictures->addWidget(m_cmdPageSetup);
    pictures->addWidget(m_cmdPrintSetup);
    pictures->addStretch();
    pictures->addWidget(m_cmdCancelPrinting);

    m_fraPrintDestination = NewNamed<QGroupBox>(this, "fraPrintDestination");
    m_destinations = new QButtonGroup(this);
    auto *options = new QVBoxLayout(m_fraPrintDestination);
    for (int index = 0; index < 3; ++index) {
        auto *option = NewNamed<QRadioButton>(m_fraPrintDestination, IndexedName("optPrintDestination", index));
        m_destinations->addButton(option, index);
        options->addWidget(option);
        m_optPrintDestination[std::size_t(index)] = option;
    }
    options->addStretch();

    m_cmdPrintAndClose = NewNamed<QPushButton>(this, "cmdPrintAndClose");
    m_cmdClose = NewNamed<QPushButton>(this, "cmdClose");
    m_cmdApply = NewNamed<QPushButton>(this, "cmdApply");
    m_cmdCancel = NewNamed<QPushButton>(this, "cmdCancel");
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_cmdPrintAndClose, m_cmdClose, m_cmdApply, m_cmdCancel})
        buttons->addWidget(button);
    buttons->addStretch();

    m_prbProgressBar = NewNamed<QProgressBar>(this, "prbProgressBar");
    m_prbProgressBar->setRange(0, 100);
    m_prbProgressBar->setAlignment(Qt::AlignCenter);

    auto *middle = new QHBoxLayout;
    middle->addWidget(m_fraPrintDestination, 1);
    middle->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addLayout(middle);
    layout->addWidget(m_prbProgressBar);

    setTabOrder(m_optPrintDestination[2], m_cmdPrintAndClose);
    setTabOrder(m_cmdPrintAndClose, m_cmdClose);
    setTabOrder(m_cmdClose, m_cmdApply);
    setTabOrder(m_cmdApply, m_cmdCancel);
    setTabOrder(m_cmdCancel, m_cmdPrint);
    setTabOrder(m_cmdPrint, m_cmdPageSetup);
    setTabOrder(m_cmdPageSetup, m_cmdPrintSetup);
    setTabOrder(m_cmdPrintSetup, m_cmdCancelPrinting);
}

void frmPrint::setCaptions()
{
    const Language language = m_context.app().language();
    m_fraPrintDestination->setTitle(Text(TextId::PrintDestinationFrame, language));
    m_prbProgressBar->setAccessibleName(Text(TextId::PrintProgressName, language));
    m_optPrintDestination[1]->setText(Text(TextId::PrintToFile, language));
    setPrinterCaptions();
    m_cmdCancel->setText(Text(TextId::DialogCancel, language));
    m_cmdApply->setText(Text(TextId::DialogApply, language));
    m_cmdClose->setText(Text(TextId::DialogClose, language));
    m_cmdPrintAndClose->setText(Text(TextId::PrintAndClose, language));
    const std::pair<QPushButton *, TextId> tips[] = {{m_cmdPrint, TextId::TipPrint},
                                                     {m_cmdPageSetup, TextId::TipPageSetup},
                                                     {m_cmdPrintSetup, TextId::TipPrintSetup},
                                                     {m_cmdCancelPrinting, TextId::TipCancelPrinting}};
    for (const auto &[button, tip] : tips) {
        button->setToolTip(Text(tip, language));
        button->setAccessibleName(Text(tip, language));
    }
}

void frmPrint::updateCaption() { setWindowTitle(m_job.caption(selectedDestination())); }

void frmPrint::setPrinterCaptions()
{
    // A printer name is shown as it is: an "&" in it is no keyboard mnemonic.
    for (const qint16 index : {PrintJob::ToPrinter, PrintJob::ToBoth})
        m_optPrintDestination[std::size_t(index)]->setText(LiteralAmpersands(m_job.destinationCaption(index)));
}

qint16 frmPrint::selectedDestination() const { return qint16(std::max(0, m_destinations->checkedId())); }

void frmPrint::printClicked()
{
    PrintJob::Window window;
    window.starts = [this] {
        m_busy.cpDisableControls();
        m_prbProgressBar->reset();
        m_prbProgressBar->setFormat(QString());
    };
    window.ends = [this] { m_busy.cpEnableControls(); };
    window.yieldToEvents = &BusyProcess::YieldToEvents;
    window.cancelRequested = [this] { return m_busy.cancelRequested(); };
    window.progress = [this](int fill, const QString &text) { showProgress(fill, text); };
    if (m_job.print(selectedDestination(), window) == PrintJob::Outcome::Completed && !m_context.ending())
        accept();
}

void frmPrint::printAndCloseClicked()
{
    m_job.keepDestination(selectedDestination());
    m_cmdPrint->click();
}

void frmPrint::applyClicked()
{
    if (m_job.applyDestination(selectedDestination()))
        m_cmdCancel->setEnabled(false);
}

void frmPrint::closeClicked()
{
    m_job.keepDestination(selectedDestination());
    accept();
}

void frmPrint::pageSetupClicked()
{
    OpenPageSetup(m_context, this);
    updateCaption();
}

void frmPrint::printSetupClicked()
{
    OpenPrinterSetup(m_context, this);
    setPrinterCaptions();
    updateCaption();
}

void frmPrint::showProgress(int fill, const QString &text)
{
    m_prbProgressBar->setValue(fill);
    m_prbProgressBar->setFormat(text);
}
