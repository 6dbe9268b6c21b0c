#include "windows/main/ButtonMenu.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

ButtonMenu::ButtonMenu(QToolButton *button, QMenu *menu, QAction *help, QAction *cancel)
    : QObject(button)
    , m_button(button)
    , m_menu(menu)
    , m_help(help)
    , m_cancel(cancel)
{
    connect(button, &QToolButton::clicked, this, &ButtonMenu::popUp);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        if (!m_fromButton)
            setPopUpItemsEnabled(false);
    });
    button->installEventFilter(this);
}

bool ButtonMenu::eventFilter(QObject *watched, QEvent *event)
{
    // Space clicks a focused button by itself; Enter opens the menu as well.
    if (watched == m_button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            popUp();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ButtonMenu::popUp()
{
    if (!m_button->isEnabled() || !m_button->isVisible())
        return;
    m_fromButton = true;
    setPopUpItemsEnabled(true);
    m_menu->exec(m_button->mapToGlobal(QPoint(0, m_button->height())));
    m_fromButton = false;
    setPopUpItemsEnabled(false);
}

void ButtonMenu::setPopUpItemsEnabled(bool enabled)
{
    m_help->setEnabled(enabled);
    m_cancel->setEnabled(enabled);
}
