#include "windows/dialogs/frmInputCurrency.h"

#include "app/services/SharedDialogs.h"
#include "app/texts/InputHints.h"
#include "platform/PlatformServices.h"
#include "windows/ContextHelp.h"
#include "windows/NamedComboBox.h"
#include "windows/NamedWidgets.h"
#include "windows/dialogs/NumberKeyFilter.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The settings file keeps at most 29 characters of the name; the field keeps
// the user from typing more than will be kept.
constexpr int NameMaxLength = 29;

void LockField(QWidget *field)
{
    // Read-only, greyed like a caption, and left out of the Tab order.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    field->setFocusPolicy(Qt::ClickFocus);
}

} // namespace

frmInputCurrency::frmInputCurrency(SharedDialogs &dialogs, AmountEntry entry, const QIcon &picture, QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_entry(std::move(entry))
{
    setObjectName(QStringLiteral("frmInputCurrency"));
    buildLayout();
    setCaptions();
    m_txtCurrencyName->setText(m_entry.name());
    m_txtCurrencyRate->setText(m_entry.rate());
    m_txtAmount->setText(m_entry.amount());
    m_cboDecimals->setCurrentIndex(m_entry.decimals());
    m_cmdCurrencyFlag->setIcon(picture);
    m_cmdCurrencyFlag->setAccessibleName(m_entry.rowTitle());
    if (m_entry.nameAndRateLocked()) {
        for (QLineEdit *field : {m_txtCurrencyName, m_txtCurrencyRate}) {
            field->setReadOnly(true);
            LockField(field);
        }
    }
    if (m_entry.decimalsLocked()) {
        // The euro's decimals are part of what every conversion rounds to.
        m_cboDecimals->setEnabled(false);
        LockField(m_cboDecimals);
    }
    showState();

    connect(m_txtCurrencyName, &QLineEdit::textChanged, this, [this](const QString &text) { m_entry.setName(text); });
    // The number fields' guards undo a refused edit before it is told of, so
    // that the entry only ever holds what the fields show.
    connect(m_txtCurrencyRate, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_entry.setRate(text);
        m_lblPasteRefused->clear();
        showState();
    });
    connect(m_txtAmount, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_entry.setAmount(text);
        m_lblPasteRefused->clear();
    });
    connect(m_cboDecimals, &QComboBox::currentIndexChanged, this, [this](int index) { m_entry.setDecimals(index); });
    connect(m_cboLaterCurrency, &QComboBox::activated, this, &frmInputCurrency::laterChosen);
    connect(m_cmdConvert, &QPushButton::clicked, this, &frmInputCurrency::convertClicked);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // A key typed on the main window stands in the amount, to be typed on.
    m_keepAmountCursor = m_entry.typedFirst();
    m_txtAmount->setFocus();
    ContextHelp::install(this, m_entry.language());
}

void frmInputCurrency::buildLayout()
{
    m_fraFixedRate = NewNamed<QGroupBox>(this, "fraFixedRate");
    m_lblEuroRateTitle = NewPlainLabel(m_fraFixedRate, "lblEuroRateTitle");
    m_lblEuroRateTitle->setAlignment(Qt::AlignCenter);
    auto *rateLayout = new QHBoxLayout(m_fraFixedRate);
    rateLayout->addWidget(m_lblEuroRateTitle);

    m_fraCurrencyDetails = NewNamed<QGroupBox>(this, "fraCurrencyDetails");
    auto makeRow = [this](const char *labelName, const char *fieldName, QLabel *&label, QLineEdit *&field) {
        label = NewNamed<QLabel>(m_fraCurrencyDetails, labelName);
        field = NewNamed<QLineEdit>(m_fraCurrencyDetails, fieldName);
        field->installEventFilter(this);
        label->setBuddy(field);
    };
    makeRow("lblCurrencyName", "txtCurrencyName", m_lblCurrencyName, m_txtCurrencyName);
    makeRow("lblCurrencyRate", "txtCurrencyRate", m_lblCurrencyRate, m_txtCurrencyRate);
    makeRow("lblAmount", "txtAmount", m_lblAmount, m_txtAmount);
    m_txtCurrencyName->setMaxLength(NameMaxLength);
    m_cboLaterCurrency = NewNamed<QComboBox>(m_fraCurrencyDetails, "cboLaterCurrency");
    for (QLineEdit *field : {m_txtCurrencyRate, m_txtAmount}) {
        field->setAlignment(Qt::AlignRight);
        new NumberKeyFilter(
            field, m_dialogs.platform(), [this](const QString &pasted) { return m_entry.paste(pasted); },
            [this](TextId why) { m_lblPasteRefused->setText(Text(why, m_entry.language())); });
    }
    m_lblAmountHint = NewPlainLabel(m_fraCurrencyDetails, "lblAmountHint");
    m_lblPasteRefused = NewPlainLabel(m_fraCurrencyDetails, "lblPasteRefused");
    m_lblPasteRefused->setWordWrap(true);
    m_lblDecimals = NewNamed<QLabel>(m_fraCurrencyDetails, "lblDecimals");
    m_cboDecimals = NewNamed<NamedComboBox>(m_fraCurrencyDetails, "cboDecimals");
    m_lblDecimals->setBuddy(m_cboDecimals);

    m_cmdCurrencyFlag = NewNamed<QPushButton>(m_fraCurrencyDetails, "cmdCurrencyFlag");
    m_cmdCurrencyFlag->setFocusPolicy(Qt::NoFocus);
    m_cmdCurrencyFlag->setFlat(true);
    m_cmdCurrencyFlag->setIconSize(QSize(60, 40));

    auto *details = new QGridLayout(m_fraCurrencyDetails);
    details->addWidget(m_cmdCurrencyFlag, 0, 0, 5, 1, Qt::AlignTop);
    details->addWidget(m_lblCurrencyName, 0, 1);
    details->addWidget(m_txtCurrencyName, 0, 2);
    details->addWidget(m_cboLaterCurrency, 0, 3);
    details->addWidget(m_lblCurrencyRate, 1, 1);
    details->addWidget(m_txtCurrencyRate, 1, 2);
    details->addWidget(m_lblAmount, 2, 1);
    details->addWidget(m_txtAmount, 2, 2);
    details->addWidget(m_lblAmountHint, 3, 2);
    details->addWidget(m_lblDecimals, 4, 1);
    details->addWidget(m_cboDecimals, 4, 2);
    details->addWidget(m_lblPasteRefused, 5, 1, 1, 3);
    details->setColumnStretch(2, 1);
    details->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QLatin1Char('0')) * 28);

    // Enter in a field converts; Enter on a focused button presses that button,
    // which every button of a dialog does as long as it stays auto-default.
    m_cmdConvert = NewNamed<QPushButton>(this, "cmdConvert");
    m_cmdConvert->setDefault(true);
    m_cmdCancel = NewNamed<QPushButton>(this, "cmdCancel");
    m_lblConvertReason = NewPlainLabel(this, "lblConvertReason");
    QHBoxLayout *buttons = ButtonRow({m_cmdConvert, m_cmdCancel});
    buttons->insertWidget(0, m_lblConvertReason);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fraFixedRate);
    layout->addWidget(m_fraCurrencyDetails);
    layout->addLayout(buttons);

    setTabOrder(m_txtCurrencyName, m_txtCurrencyRate);
    setTabOrder(m_txtCurrencyRate, m_txtAmount);
    setTabOrder(m_txtAmount, m_cboDecimals);
    setTabOrder(m_cboDecimals, m_cmdConvert);
    setTabOrder(m_cmdConvert, m_cmdCancel);
}

void frmInputCurrency::setCaptions()
{
    const Language language = m_entry.language();
    m_fraFixedRate->setTitle(m_entry.frameTitle());
    m_fraCurrencyDetails->setTitle(Text(TextId::InputCurrencyDetails, language));
    m_lblCurrencyName->setText(Text(TextId::InputName, language));
    m_lblCurrencyRate->setText(Text(TextId::InputRate, language));
    m_lblAmount->setText(Text(TextId::InputAmount, language));
    m_lblDecimals->setText(Text(TextId::InputDecimals, language));
    for (int decimals = 0; decimals <= 4; ++decimals)
        m_cboDecimals->addItem(Text(TextId(int(TextId::InputDecimals0) + decimals), language));
    m_cmdCancel->setText(Text(TextId::InputCancel, language));
    m_cmdConvert->setText(Text(TextId::InputConvert, language));
    const QStringList later = m_entry.laterChoices();
    m_cboLaterCurrency->addItems(later);
    m_cboLaterCurrency->setPlaceholderText(Text(TextId::LaterChoice, language));
    m_cboLaterCurrency->setAccessibleName(Text(TextId::LaterChoice, language));
    m_cboLaterCurrency->setCurrentIndex(-1);
    m_cboLaterCurrency->setVisible(!later.isEmpty());
    const QString hint = AmountInputHint(language);
    m_lblAmountHint->setText(hint);
    m_txtAmount->setAccessibleDescription(hint);
}

void frmInputCurrency::showState()
{
    setWindowTitle(m_entry.caption());
    m_lblEuroRateTitle->setText(m_entry.rateLine());
    if (m_txtCurrencyName->text() != m_entry.name())
        m_txtCurrencyName->setText(m_entry.name());
    // A grey button says why beside it.
    const QString reason = m_entry.convertReason();
    m_cmdConvert->setEnabled(m_entry.convertEnabled());
    m_lblConvertReason->setText(reason);
    m_cmdConvert->setToolTip(reason);
    m_cmdConvert->setAccessibleDescription(reason);
}

bool frmInputCurrency::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Entering a field selects its text, so typing replaces it. Deferred,
        // since a mouse press that gave the focus would place the cursor after.
        if (auto *field = qobject_cast<QLineEdit *>(watched)) {
            if (field == m_txtAmount && m_keepAmountCursor) {
                // The key typed on the main window stays, and the next ones
                // follow it, however often the desktop hands the opening
                // dialog the focus, until the user leaves the field.
                QTimer::singleShot(0, field, [field] { field->end(false); });
            } else {
                QTimer::singleShot(0, field, &QLineEdit::selectAll);
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Only the focus moving inside the dialog counts as leaving a field, not
        // the dialog losing the focus to a message box or another program.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == m_txtAmount)
                m_keepAmountCursor = false;
            else if (watched == m_txtCurrencyRate)
                m_entry.rateLeft();
            else if (watched == m_txtCurrencyName)
                m_entry.nameLeft();
            showState();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmInputCurrency::laterChosen(int index)
{
    m_entry.chooseLater(index);
    m_txtCurrencyName->setText(m_entry.name());
    m_txtCurrencyRate->setText(m_entry.rate());
    m_cboDecimals->setCurrentIndex(m_entry.decimals());
    // The list offers, it does not hold a choice: what was filled in may be edited.
    m_cboLaterCurrency->setCurrentIndex(-1);
    showState();
    m_txtAmount->setFocus(Qt::OtherFocusReason);
}

void frmInputCurrency::convertClicked()
{
    // What is converted is what the fields show.
    m_entry.setRate(m_txtCurrencyRate->text());
    m_entry.setAmount(m_txtAmount->text());
    const AmountEntry::Outcome outcome = m_entry.validate();
    showState();
    if (const auto *values = std::get_if<InputCurrencyValues>(&outcome)) {
        m_values = *values;
        accept();
        return;
    }
    const AmountEntry::Refusal refusal = std::get<AmountEntry::Refusal>(outcome);
    const Language language = m_entry.language();
    m_dialogs.ShowMessageBox(this, Text(TextId::ErrorTitle, language), Text(refusal.message, language),
                             MessageStyle::Critical);
    QLineEdit *field = refusal.field == AmountEntry::Field::Rate ? m_txtCurrencyRate : m_txtAmount;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}
