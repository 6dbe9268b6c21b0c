#pragma once

#include "app/logic/AmountList.h"
#include "windows/dialogs/BusyProcess.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class CurrentConversion;
class ListResultsModel;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class SharedDialogs;

// The list dialog: many amounts of one currency, one a line, converted to
// another as the window converts each, with their totals; the results copied
// or saved as tab-separated text. It shows what its AmountList holds and
// forwards the choices and the text there. The results follow the text as it
// changes, a part at a time; a conversion that takes longer than a moment
// makes the dialog busy as the print run does, until it is done.
class frmConvertList : public QDialog
{
    Q_OBJECT
public:
    frmConvertList(SharedDialogs &dialogs, const CurrentConversion &conversion, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    void setCaptions();
    // Starts converting the field's text, or the same text between other currencies.
    void startConverting();
    void convertPart();
    void showResults();
    void copyClicked();
    void saveClicked();

    SharedDialogs &m_dialogs;
    AmountList m_list;
    BusyProcess m_busy;
    ListResultsModel *m_model;
    QTimer m_followTimer;  // the text rests a little before it is converted
    QTimer m_partTimer;    // one part of a conversion after the other, between events
    QElapsedTimer m_since; // since the conversion started

    QLabel *m_lblFrom;
    QComboBox *m_cboFrom;
    QLabel *m_lblTo;
    QComboBox *m_cboTo;
    QLabel *m_lblAmounts;
    QPlainTextEdit *m_txtAmounts;
    QLabel *m_lblResults;
    QTableView *m_tblResults;
    QLabel *m_lblSummary;
    QLabel *m_lblTotalAmounts;
    QLabel *m_lblTotalRounded;
    QProgressBar *m_prbProgress;
    QLabel *m_lblStatus;
    QPushButton *m_cmdCopy;
    QPushButton *m_cmdSave;
    QPushButton *m_cmdClose;
};
