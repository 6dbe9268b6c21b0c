#include "windows/dialogs/frmConvertList.h"

#include "app/services/SharedDialogs.h"
#include "windows/ContextHelp.h"
#include "windows/NamedComboBox.h"
#include "windows/NamedWidgets.h"
#include "windows/dialogs/ListResultsModel.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// How long typing may rest before the results follow it.
constexpr int FollowDelayMs = 150;
// Lines converted between two looks at the events: a few milliseconds' work.
constexpr int PartLines = 5000;
// How long a conversion runs before the dialog says it is busy.
constexpr qint64 MomentMs = 300;

} // namespace

frmConvertList::frmConvertList(SharedDialogs &dialogs, const CurrentConversion &conversion, QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_list(dialogs, conversion)
    , m_busy(this, dialogs)
{
    setObjectName(QStringLiteral("frmConvertList"));
    buildLayout();
    setCaptions();
    m_model = new ListResultsModel(m_list, this);
    m_tblResults->setModel(m_model);
    m_tblResults->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_cboFrom->setCurrentIndex(m_list.from());
    m_cboTo->setCurrentIndex(m_list.to());
    m_busy.keepEnabled(m_prbProgress);
    m_prbProgress->hide();
    showResults();

    m_followTimer.setSingleShot(true);
    m_followTimer.setInterval(FollowDelayMs);
    m_partTimer.setSingleShot(true);
    m_partTimer.setInterval(0);
    connect(&m_followTimer, &QTimer::timeout, this, &frmConvertList::startConverting);
    connect(&m_partTimer, &QTimer::timeout, this, &frmConvertList::convertPart);
    connect(m_txtAmounts, &QPlainTextEdit::textChanged, this, [this] {
        // What is being converted is no longer what the field holds.
        m_partTimer.stop();
        m_followTimer.start();
    });
    connect(m_cboFrom, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_list.setFrom(index);
        startConverting();
    });
    connect(m_cboTo, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_list.setTo(index);
        startConverting();
    });
    connect(m_cmdCopy, &QPushButton::clicked, this, &frmConvertList::copyClicked);
    connect(m_cmdSave, &QPushButton::clicked, this, &frmConvertList::saveClicked);
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    m_txtAmounts->setFocus();
    ContextHelp::install(this, m_list.language());
}

void frmConvertList::buildLayout()
{
    m_lblFrom = NewNamed<QLabel>(this, "lblFrom");
    m_cboFrom = NewNamed<NamedComboBox>(this, "cboFrom");
    m_lblTo = NewNamed<QLabel>(this, "lblTo");
    m_cboTo = NewNamed<NamedComboBox>(this, "cboTo");
    m_lblFrom->setBuddy(m_cboFrom);
    m_lblTo->setBuddy(m_cboTo);
    auto *currencies = new QHBoxLayout;
    currencies->addWidget(m_lblFrom);
    currencies->addWidget(m_cboFrom, 1);
    currencies->addSpacing(12);
    currencies->addWidget(m_lblTo);
    currencies->addWidget(m_cboTo, 1);

    m_lblAmounts = NewNamed<QLabel>(this, "lblAmounts");
    m_txtAmounts = NewNamed<QPlainTextEdit>(this, "txtAmounts");
    // Tab leaves the field, as in every other field of the program.
    m_txtAmounts->setTabChangesFocus(true);
    m_txtAmounts->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_lblAmounts->setBuddy(m_txtAmounts);
    m_lblResults = NewNamed<QLabel>(this, "lblResults");
    m_tblResults = NewNamed<QTableView>(this, "tblResults");
    m_tblResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblResults->setTabKeyNavigation(false);
    m_tblResults->setWordWrap(false);
    // The rows keep to the height of their font, as it grows with the dialog.
    m_tblResults->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tblResults->installEventFilter(this);
    m_lblResults->setBuddy(m_tblResults);
    m_lblSummary = NewPlainLabel(this, "lblSummary");
    m_lblSummary->setWordWrap(true);

    auto *lists = new QGridLayout;
    lists->addWidget(m_lblAmounts, 0, 0);
    lists->addWidget(m_txtAmounts, 1, 0);
    lists->addWidget(m_lblResults, 0, 1);
    lists->addWidget(m_tblResults, 1, 1);
    lists->addWidget(m_lblSummary, 2, 1);
    lists->setColumnStretch(0, 1);
    lists->setColumnStretch(1, 3);
    lists->setRowStretch(1, 1);

    m_lblTotalAmounts = NewPlainLabel(this, "lblTotalAmounts");
    m_lblTotalRounded = NewPlainLabel(this, "lblTotalRounded");
    for (QLabel *total : {m_lblTotalAmounts, m_lblTotalRounded})
        total->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_prbProgress = NewNamed<QProgressBar>(this, "prbProgress");
    m_prbProgress->setRange(0, 100);
    m_prbProgress->setAlignment(Qt::AlignCenter);

    // Enter outside the text field copies the results; Escape closes.
    m_cmdCopy = NewNamed<QPushButton>(this, "cmdCopy");
    m_cmdCopy->setDefault(true);
    m_cmdSave = NewNamed<QPushButton>(this, "cmdSave");
    m_cmdClose = NewNamed<QPushButton>(this, "cmdClose");
    m_lblStatus = NewPlainLabel(this, "lblStatus");
    // A long path is cut rather than widening the dialog; its tooltip holds it whole.
    m_lblStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QHBoxLayout *buttons = ButtonRow({m_cmdCopy, m_cmdSave, m_cmdClose});
    buttons->insertWidget(0, m_lblStatus, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(currencies);
    layout->addLayout(lists, 1);
    layout->addWidget(m_lblTotalAmounts);
    layout->addWidget(m_lblTotalRounded);
    layout->addWidget(m_prbProgress);
    layout->addLayout(buttons);

    setTabOrder(m_cboFrom, m_cboTo);
    setTabOrder(m_cboTo, m_txtAmounts);
    setTabOrder(m_txtAmounts, m_tblResults);
    setTabOrder(m_tblResults, m_cmdCopy);
    setTabOrder(m_cmdCopy, m_cmdSave);
    setTabOrder(m_cmdSave, m_cmdClose);
}

bool frmConvertList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tblResults && (event->type() == QEvent::FontChange || event->type() == QEvent::Polish))
        m_tblResults->verticalHeader()->setDefaultSectionSize(m_tblResults->fontMetrics().height() + 6);
    return QDialog::eventFilter(watched, event);
}

void frmConvertList::setCaptions()
{
    const Language language = m_list.language();
    setWindowTitle(Text(TextId::ListCaption, language));
    m_lblFrom->setText(Text(TextId::ListFrom, language));
    m_lblTo->setText(Text(TextId::ListTo, language));
    const QStringList choices = m_list.choices();
    for (QComboBox *choice : {m_cboFrom, m_cboTo}) {
        for (const QString &caption : choices)
            choice->addItem(LiteralAmpersands(caption));
    }
    m_lblAmounts->setText(Text(TextId::ListAmounts, language));
    m_txtAmounts->setAccessibleName(Text(TextId::ListAmounts, language));
    m_lblResults->setText(Text(TextId::ListResults, language));
    m_tblResults->setAccessibleName(Text(TextId::ListResults, language));
    m_prbProgress->setAccessibleName(Text(TextId::ListProgressName, language));
    m_cmdCopy->setText(Text(TextId::ListCopy, language));
    m_cmdSave->setText(Text(TextId::ListSave, language));
    m_cmdClose->setText(Text(TextId::DialogClose, language));

    // Designed to show large amounts and the column titles whole, with a
    // dozen lines, and the amounts' field beside them.
    const QFontMetrics metrics = fontMetrics();
    int column = metrics.horizontalAdvance(QStringLiteral("999,999,999,999.0000"));
    for (int title = 0; title < 3; ++title)
        column = std::max(column, metrics.horizontalAdvance(m_list.columnTitle(title)));
    const int padding = 3 * metrics.horizontalAdvance(u'0');
    m_tblResults->setMinimumSize(3 * (column + padding) + metrics.horizontalAdvance(QStringLiteral("000000")),
                                 14 * (metrics.height() + 6));
    m_txtAmounts->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("999,999,999,999.00")) + padding);
}

void frmConvertList::startConverting()
{
    m_followTimer.stop();
    // The raw text: the plain one turns a no-break space into a blank, and a
    // column grouped with no-break spaces would then be refused here while
    // the command line takes it.
    QString text = m_txtAmounts->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    m_list.setInput(text);
    m_since.start();
    convertPart();
}

void frmConvertList::convertPart()
{
    if (!m_list.convertSome(PartLines)) {
        // Longer than a moment: the dialog says it is busy until the results show.
        if (!m_busy.busy() && m_since.elapsed() > MomentMs) {
            m_busy.cpDisableControls();
            m_prbProgress->show();
        }
        m_prbProgress->setValue(m_list.progress());
        m_partTimer.start();
        return;
    }
    if (m_busy.busy()) {
        m_prbProgress->hide();
        m_busy.cpEnableControls();
    }
    m_model->change([this] { m_list.publish(); });
    showResults();
}

void frmConvertList::showResults()
{
    m_lblSummary->setText(m_list.summary());
    m_lblTotalAmounts->setText(m_list.totalAmounts());
    m_lblTotalRounded->setText(m_list.totalRounded());
    const bool any = m_list.lineCount() > 0;
    m_cmdCopy->setEnabled(any);
    m_cmdSave->setEnabled(any);
    m_lblStatus->clear();
}

void frmConvertList::copyClicked()
{
    QGuiApplication::clipboard()->setText(m_list.copyText());
    m_lblStatus->setText(Text(TextId::ListCopied, m_list.language()).arg(m_list.lineCount()));
}

void frmConvertList::saveClicked()
{
    const QString saved = m_list.save(this);
    if (!saved.isEmpty()) {
        m_lblStatus->setText(Text(TextId::ListSaved, m_list.language()).arg(saved));
        m_lblStatus->setToolTip(saved);
    }
}
