#include "windows/dialogs/frmInputCurrency.h"

#include "app/InputHints.h"
#include "app/SharedDialogs.h"
#include "core/ConversionState.h"
#include "core/NumberText.h"
#include "platform/PlatformServices.h"
#include "windows/ContextHelp.h"
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

void lockField(QWidget *field)
{
    // Read-only, greyed like a caption, and left out of the Tab order.
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    field->setFocusPolicy(Qt::ClickFocus);
}

} // namespace

frmInputCurrency::frmInputCurrency(SharedDialogs &dialogs, const ConversionState &state, InputCurrencyRequest request,
                                   QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_request(std::move(request))
    , m_greek(dialogs.app().GreekLanguage)
{
    setObjectName(QStringLiteral("frmInputCurrency"));
    buildLayout();

    const int slot = m_request.slot;
    setCaptions();
    const QString rateText = FormatDouble(state.CurrencyRates[std::size_t(slot)]);
    rebuildRateLine(rateText, m_request.rowCaption);
    m_txtCurrencyName->setText(m_request.rowCaption);
    m_txtCurrencyRate->setText(rateText);
    m_cmdCurrencyFlag->setIcon(m_request.picture);
    m_cboDecimals->setCurrentIndex(state.DecimalsOf(slot));
    if (slot != OtherCurrencyIndex) {
        for (QLineEdit *field : {m_txtCurrencyName, m_txtCurrencyRate}) {
            field->setReadOnly(true);
            lockField(field);
        }
    } else {
        m_fraFixedRate->setTitle(Text(TextId::InputCurrentRate, m_greek));
    }
    if (slot == 0) {
        // The euro's decimals are part of what every conversion rounds to.
        m_cboDecimals->setEnabled(false);
        lockField(m_cboDecimals);
    }
    m_txtAmount->setText(m_request.amountCaption.trimmed());
    enableConvertForRate(rateText);

    connect(m_txtCurrencyRate, &QLineEdit::textChanged, this, &frmInputCurrency::rateChanged);
    connect(m_cmdConvert, &QPushButton::clicked, this, &frmInputCurrency::convertClicked);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    m_txtAmount->setFocus();
    ContextHelp::install(this, m_greek);
}

void frmInputCurrency::buildLayout()
{
    m_fraFixedRate = new QGroupBox(this);
    m_fraFixedRate->setObjectName(QStringLiteral("fraFixedRate"));
    m_lblEuroRateTitle = new QLabel(m_fraFixedRate);
    m_lblEuroRateTitle->setObjectName(QStringLiteral("lblEuroRateTitle"));
    m_lblEuroRateTitle->setAlignment(Qt::AlignCenter);
    m_lblEuroRateTitle->setTextFormat(Qt::PlainText);
    auto *rateLayout = new QHBoxLayout(m_fraFixedRate);
    rateLayout->addWidget(m_lblEuroRateTitle);

    m_fraCurrencyDetails = new QGroupBox(this);
    m_fraCurrencyDetails->setObjectName(QStringLiteral("fraCurrencyDetails"));
    auto makeRow = [this](const char *labelName, const char *fieldName, QLabel *&label, QLineEdit *&field) {
        label = new QLabel(m_fraCurrencyDetails);
        label->setObjectName(QLatin1String(labelName));
        field = new QLineEdit(m_fraCurrencyDetails);
        field->setObjectName(QLatin1String(fieldName));
        field->installEventFilter(this);
        label->setBuddy(field);
    };
    makeRow("lblCurrencyName", "txtCurrencyName", m_lblCurrencyName, m_txtCurrencyName);
    makeRow("lblCurrencyRate", "txtCurrencyRate", m_lblCurrencyRate, m_txtCurrencyRate);
    makeRow("lblAmount", "txtAmount", m_lblAmount, m_txtAmount);
    m_txtCurrencyName->setMaxLength(NameMaxLength);
    for (QLineEdit *field : {m_txtCurrencyRate, m_txtAmount}) {
        field->setAlignment(Qt::AlignRight);
        new NumberKeyFilter(field, m_dialogs.platform());
    }
    m_lblAmountHint = new QLabel(m_fraCurrencyDetails);
    m_lblAmountHint->setObjectName(QStringLiteral("lblAmountHint"));
    m_lblAmountHint->setTextFormat(Qt::PlainText);
    m_lblDecimals = new QLabel(m_fraCurrencyDetails);
    m_lblDecimals->setObjectName(QStringLiteral("lblDecimals"));
    m_cboDecimals = new QComboBox(m_fraCurrencyDetails);
    m_cboDecimals->setObjectName(QStringLiteral("cboDecimals"));
    m_lblDecimals->setBuddy(m_cboDecimals);

    m_cmdCurrencyFlag = new QPushButton(m_fraCurrencyDetails);
    m_cmdCurrencyFlag->setObjectName(QStringLiteral("cmdCurrencyFlag"));
    m_cmdCurrencyFlag->setFocusPolicy(Qt::NoFocus);
    m_cmdCurrencyFlag->setFlat(true);
    m_cmdCurrencyFlag->setIconSize(QSize(60, 40));
    m_cmdCurrencyFlag->setAccessibleName(m_request.rowCaption);

    auto *details = new QGridLayout(m_fraCurrencyDetails);
    details->addWidget(m_cmdCurrencyFlag, 0, 0, 5, 1, Qt::AlignTop);
    details->addWidget(m_lblCurrencyName, 0, 1);
    details->addWidget(m_txtCurrencyName, 0, 2);
    details->addWidget(m_lblCurrencyRate, 1, 1);
    details->addWidget(m_txtCurrencyRate, 1, 2);
    details->addWidget(m_lblAmount, 2, 1);
    details->addWidget(m_txtAmount, 2, 2);
    details->addWidget(m_lblAmountHint, 3, 2);
    details->addWidget(m_lblDecimals, 4, 1);
    details->addWidget(m_cboDecimals, 4, 2);
    details->setColumnStretch(2, 1);
    details->setColumnMinimumWidth(2, fontMetrics().horizontalAdvance(QLatin1Char('0')) * 28);

    // Enter in a field converts; Enter on a focused button presses that button,
    // which every button of a dialog does as long as it stays auto-default.
    m_cmdConvert = new QPushButton(this);
    m_cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    m_cmdConvert->setDefault(true);
    m_cmdCancel = new QPushButton(this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_lblConvertReason = new QLabel(this);
    m_lblConvertReason->setObjectName(QStringLiteral("lblConvertReason"));
    m_lblConvertReason->setTextFormat(Qt::PlainText);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_lblConvertReason);
    buttons->addStretch();
    buttons->addWidget(m_cmdConvert);
    buttons->addWidget(m_cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fraFixedRate);
    layout->addWidget(m_fraCurrencyDetails);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_txtCurrencyName, m_txtCurrencyRate);
    setTabOrder(m_txtCurrencyRate, m_txtAmount);
    setTabOrder(m_txtAmount, m_cboDecimals);
    setTabOrder(m_cboDecimals, m_cmdConvert);
    setTabOrder(m_cmdConvert, m_cmdCancel);
}

void frmInputCurrency::setCaptions()
{
    const bool greek = m_greek;
    setWindowTitle(Text(TextId::InputCaption, greek).arg(m_request.rowCaption));
    m_fraFixedRate->setTitle(Text(TextId::InputFixedRate, greek));
    m_fraCurrencyDetails->setTitle(Text(TextId::InputCurrencyDetails, greek));
    m_lblCurrencyName->setText(Text(TextId::InputName, greek));
    m_lblCurrencyRate->setText(Text(TextId::InputRate, greek));
    m_lblAmount->setText(Text(TextId::InputAmount, greek));
    m_lblDecimals->setText(Text(TextId::InputDecimals, greek));
    for (int decimals = 0; decimals <= 4; ++decimals)
        m_cboDecimals->addItem(Text(TextId(int(TextId::InputDecimals0) + decimals), greek));
    m_cmdCancel->setText(Text(TextId::InputCancel, greek));
    m_cmdConvert->setText(Text(TextId::InputConvert, greek));
    const QString hint = AmountInputHint(greek);
    m_lblAmountHint->setText(hint);
    m_txtAmount->setAccessibleDescription(hint);
}

void frmInputCurrency::rebuildRateLine(const QString &rateText, const QString &name)
{
    m_lblEuroRateTitle->setText(QLatin1Char('(') + m_request.euroCaption + QStringLiteral(") 1 = ") + rateText
                                + QStringLiteral(" (") + name + QLatin1Char(')'));
}

void frmInputCurrency::enableConvertForRate(const QString &text)
{
    if (const std::optional<double> rate = ParseDouble(text))
        setConvertEnabled(*rate > 0);
}

void frmInputCurrency::setConvertEnabled(bool enabled)
{
    // Only the rate ever disables Convert; a grey button says why beside it.
    m_cmdConvert->setEnabled(enabled);
    const QString reason = enabled ? QString() : Text(TextId::ConvertNeedsRate, m_greek);
    m_lblConvertReason->setText(reason);
    m_cmdConvert->setToolTip(reason);
    m_cmdConvert->setAccessibleDescription(reason);
}

void frmInputCurrency::rateChanged(const QString &text)
{
    if (text.isEmpty())
        setConvertEnabled(false);
    else
        enableConvertForRate(text); // text that is not a number leaves the button as it was
}

void frmInputCurrency::rateLeft()
{
    rebuildRateLine(m_txtCurrencyRate->text(), m_txtCurrencyName->text());
    enableConvertForRate(m_txtCurrencyRate->text());
}

void frmInputCurrency::nameLeft()
{
    if (m_txtCurrencyName->text().trimmed().isEmpty())
        m_txtCurrencyName->setText(CurrencyCaption(OtherCurrencyIndex, m_greek));
    setWindowTitle(Text(TextId::InputCaption, m_greek).arg(m_txtCurrencyName->text()));
    rateLeft();
}

bool frmInputCurrency::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Entering a field selects its text, so typing replaces it. Deferred,
        // since a mouse press that gave the focus would place the cursor after.
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::FocusOut) {
        // Only the focus moving inside the dialog counts as leaving a field, not
        // the dialog losing the focus to a message box or another program.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == m_txtCurrencyRate)
                rateLeft();
            else if (watched == m_txtCurrencyName)
                nameLeft();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmInputCurrency::refuse(TextId message, QLineEdit *field)
{
    m_dialogs.ShowMessageBox(this, Text(TextId::ErrorTitle, m_greek), Text(message, m_greek), MessageStyle::Critical);
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void frmInputCurrency::convertClicked()
{
    nameLeft();
    const std::optional<double> rate = ParseDouble(m_txtCurrencyRate->text());
    if (!rate || *rate <= 0) {
        refuse(TextId::BadRate, m_txtCurrencyRate);
        return;
    }
    const std::optional<Money> amount = ParseAmount(m_txtAmount->text());
    if (!amount || amount->raw() < 0) {
        refuse(TextId::BadAmount, m_txtAmount);
        return;
    }
    m_values = {*amount, qint16(m_cboDecimals->currentIndex()), *rate, m_txtCurrencyName->text()};
    accept();
}
