#pragma once

#include "app/logic/AmountEntry.h"

#include <QDialog>
#include <QIcon>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class SharedDialogs;

// The amount dialog: the amount to convert and the currency's decimals, and for
// the additional currency its name and rate. It shows what its AmountEntry
// holds and forwards the fields' texts there; closed accepted, values() holds
// what was confirmed, and the caller applies it.
class frmInputCurrency : public QDialog
{
    Q_OBJECT
public:
    // `picture` is the flag of the row the dialog was opened for.
    frmInputCurrency(SharedDialogs &dialogs, AmountEntry entry, const QIcon &picture, QWidget *parent = nullptr);

    const InputCurrencyValues &values() const { return m_values; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void setCaptions();
    void showState();
    void convertClicked();
    // A currency fixed later was chosen from the list beside the name.
    void laterChosen(int index);

    SharedDialogs &m_dialogs;
    AmountEntry m_entry;
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
    QComboBox *m_cboLaterCurrency;
    QPushButton *m_cmdCurrencyFlag;
    QPushButton *m_cmdConvert;
    QPushButton *m_cmdCancel;
    // What the amount field accepts, why a paste was not taken, and why Convert is disabled when it is.
    QLabel *m_lblAmountHint;
    QLabel *m_lblPasteRefused;
    QLabel *m_lblConvertReason;
    bool m_keepAmountCursor = false;
};
