#pragma once

#include "app/logic/AboutModel.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;
class SharedDialogs;

// The About box: the program's title, version and description, the author
// line, and a button that starts the desktop's system-information program. Its
// texts follow the language it was opened in.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(SharedDialogs &dialogs, QWidget *parent = nullptr);

private:
    void buildLayout();
    void setCaptions();
    void StartSysInfo();

    AboutModel m_model;
    QToolButton *m_cmdStoneGleam;
    QLabel *m_lblTitle;
    QLabel *m_lblVersion;
    QLabel *m_lblDescription;
    QLabel *m_lblDisclaimer;
    QLabel *m_lblCopyright;
    QPushButton *m_cmdOK;
    QPushButton *m_cmdSysInfo;
};
