#pragma once

#include <QObject>

class QAction;
class QMenu;
class QToolButton;

// A picture button that opens one of the menu bar's menus as a pop-up below
// itself, on a click or on Enter or Space. The menu's Help and Cancel items
// make sense only in that pop-up (help about the button, a way out of the
// pop-up): opened from the menu bar, they are disabled.
class ButtonMenu : public QObject
{
    Q_OBJECT
public:
    // The button owns the result.
    ButtonMenu(QToolButton *button, QMenu *menu, QAction *help, QAction *cancel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void popUp();
    void setPopUpItemsEnabled(bool enabled);

    QToolButton *m_button;
    QMenu *m_menu;
    QAction *m_help;
    QAction *m_cancel;
    bool m_fromButton = false;
};
