#pragma once

#include "app/InputCurrencyValues.h"
#include "app/Texts.h"
#include "windows/dialogs/InputCurrencyRequest.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SharedDialogs;
struct ConversionState;

// The amount dialog: the amount to convert and the currency's decimals, and for
// the additional currency its name and rate. Validates on Convert; closed
// accepted, values() holds what was confirmed, and the caller applies it.
class frmInputCurrency : public QDialog
{
    Q_OBJECT
public:
    frmInputCurrency(SharedDialogs &dialogs, const ConversionState &state, InputCurrencyRequest request,
                     QWidget *parent = nullptr);

    const InputCurrencyValues &values() const { return m_values; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void setCaptions();
    void rebuildRateLine(const QString &rateText, const QString &name);
    void rateChanged(const QString &text);
    void rateLeft();
    void nameLeft();
    void enableConvertForRate(const QString &text);
    void setConvertEnabled(bool enabled);
    void convertClicked();
    void refuse(TextId message, QLineEdit *field);

    SharedDialogs &m_dialogs;
    const InputCurrencyRequest m_request;
    const bool m_greek;
    InputCurrencyValues m_values;

    QGroupBox *m_fraFixedRate;
    QLabel *m_lblEuroRateTitle;
    QGroupBox *m_fraCurrencyDetails;
    QLabel *m_lblCurrencyName;
    QLineEdit *m_txtCurrencyName;
    QLabel *m_lblCurrencyRate;
    QLineEdit *m_txtCurrencyRate;
    QLabel *m_lblAmount;
    QLineEdit *m_txtAmount;
    QLabel *m_lblDecimals;
    QComboBox *m_cboDecimals;
    QPushButton *m_cmdCurrencyFlag;
    QPushButton *m_cmdConvert;
    QPushButton *m_cmdCancel;
    // What the amount field accepts, and why Convert is disabled when it is.
    QLabel *m_lblAmountHint;
    QLabel *m_lblConvertReason;
};
