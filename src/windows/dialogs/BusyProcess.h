#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <utility>

class QAbstractButton;
class QDialog;
class QWidget;
class SharedDialogs;

// The busy state of a dialog that runs a long process (the print run, the
// settings export and import), written once for all of them. The dialog owns
// one and brackets its process with cpDisableControls() and cpEnableControls().
//
// While busy, every named control of the dialog is disabled (its frames last)
// except the controls kept enabled (a progress bar) and the button that cancels
// the process, which is enabled only then and which Escape presses. A close
// from the window's close box, its window menu or Alt+F4 is refused with the
// "Close window" message. The program itself ends a busy dialog only with
// done(), accept() or reject(), which send no close event and are never
// refused. Once idle again every control gets back the enabled state it had.
class BusyProcess : public QObject
{
    Q_OBJECT
public:
    BusyProcess(QDialog *dialog, SharedDialogs &dialogs);

    // The button that cancels the running process. A click asks
    // ConfirmCancelProcess; Yes sets cancelRequested() until the dialog is idle again.
    void setCancelButton(QAbstractButton *button);
    // A control that stays as it is while busy.
    void keepEnabled(QWidget *control);

    void cpDisableControls();
    void cpEnableControls();
    bool busy() const { return m_busy; }
    bool cancelRequested() const { return m_cancelRequested; }

    // Asks whether to cancel the process in progress, No being the default
    // answer. Yes disables the button and returns true; No enables it again.
    bool ConfirmCancelProcess(QAbstractButton *button);
    // Whether a close event must be refused: true while busy, after saying why
    // when showMessage is set. A busy dialog is closed from outside only (the
    // close box, the window menu); the dialog's filter asks this on its own.
    bool RefuseControlMenuClose(bool showMessage = true);
    // Lets pending events run: painting, the cancel button, Escape.
    static void YieldToEvents();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QWidget *> controls() const;

    QDialog *m_dialog;
    SharedDialogs &m_dialogs;
    QPointer<QAbstractButton> m_cancelButton;
    QList<QWidget *> m_kept;
    QList<std::pair<QPointer<QWidget>, bool>> m_enabledBefore;
    bool m_busy = false;
    bool m_cancelRequested = false;
};
