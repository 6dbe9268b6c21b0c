#pragma once

#include "app/logic/PageSetupEditor.h"

#include <QDialog>

#include <array>

class AppContext;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class UpDown;

// The page setup dialog: the report's font and size, its top and left margins
// and the lines per page. OK keeps the values for the running program, Apply
// also writes them, Cancel keeps what was there before (or last applied).
class frmPageSetup : public QDialog
{
    Q_OBJECT
public:
    explicit frmPageSetup(AppContext &context, QWidget *parent = nullptr);

private:
    // The four controls of one number: title, value label, up-down, range label.
    struct NumberControls
    {
        QLabel *title = nullptr;
        QLabel *value = nullptr;
        UpDown *upDown = nullptr;
        QLabel *range = nullptr;
    };

    void buildLayout();
    void setCaptions();
    void okClicked();
    void applyClicked();

    AppContext &m_context;
    PageSetupEditor m_editor;

    QGroupBox *m_fraFont;
    QGroupBox *m_fraMargin;
    QRadioButton *m_chkCourierNew;
    QRadioButton *m_chkCourierNewGreek;
    std::array<NumberControls, PageSetupEditor::Numbers.size()> m_numbers{};
    QPushButton *m_cmdOK;
    QPushButton *m_cmdApply;
    QPushButton *m_cmdCancel;
};
