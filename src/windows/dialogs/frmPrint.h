#pragma once

#include "app/logic/PrintJob.h"
#include "windows/dialogs/BusyProcess.h"

#include <QDialog>

#include <array>

class AppContext;
class QButtonGroup;
class QGroupBox;
class QProgressBar;
class QPushButton;
class QRadioButton;

// The print dialog: the destination (printer, plain text file or both), page
// setup and printer setup, and the print run with its progress and its cancel.
// The run itself is PrintJob's; the dialog shows it and is busy meanwhile.
class frmPrint : public QDialog
{
    Q_OBJECT
public:
    explicit frmPrint(AppContext &context, QWidget *parent = nullptr);

private:
    void buildLayout();
    void setCaptions();
    void setPrinterCaptions();
    // The page count, and how the printed page holds the report when the printer is chosen.
    void updateCaption();
    qint16 selectedDestination() const;

    void printClicked();
    void printAndCloseClicked();
    void applyClicked();
    void closeClicked();
    void pageSetupClicked();
    void printSetupClicked();
    void showProgress(int fill, const QString &text);

    AppContext &m_context;
    PrintJob m_job;
    BusyProcess m_busy;

    QGroupBox *m_fraPrintDestination;
    std::array<QRadioButton *, 3> m_optPrintDestination{};
    QButtonGroup *m_destinations;
    QPushButton *m_cmdPrint;
    QPushButton *m_cmdPageSetup;
    QPushButton *m_cmdPrintSetup;
    QPushButton *m_cmdCancelPrinting;
    QPushButton *m_cmdPrintAndClose;
    QPushButton *m_cmdClose;
    QPushButton *m_cmdApply;
    QPushButton *m_cmdCancel;
    QProgressBar *m_prbProgressBar;
};
