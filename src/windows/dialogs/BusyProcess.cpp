#include "windows/dialogs/BusyProcess.h"

#include "app/services/SharedDialogs.h"
#include "app/texts/Texts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>

BusyProcess::BusyProcess(QDialog *dialog, SharedDialogs &dialogs)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_dialogs(dialogs)
{
    m_dialog->installEventFilter(this);
}

void BusyProcess::setCancelButton(QAbstractButton *button)
{
    m_cancelButton = button;
    button->setEnabled(m_busy);
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        if (m_busy && ConfirmCancelProcess(button))
            m_cancelRequested = true;
    });
}

void BusyProcess::keepEnabled(QWidget *control) { m_kept.append(control); }

QList<QWidget *> BusyProcess::controls() const
{
    // The controls are the named widgets; the unnamed ones are parts of a
    // control (a spin box's field) and follow it. Frames come last, so that
    // their contents are restored before the frames enable them again.
    QList<QWidget *> controls;
    QList<QWidget *> frames;
    for (QWidget *widget : m_dialog->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || widget == m_cancelButton
            || m_kept.contains(widget) || widget->isWindow())
            continue;
        (qobject_cast<QGroupBox *>(widget) ? frames : controls).append(widget);
    }
    return controls + frames;
}

void BusyProcess::cpDisableControls()
{
    if (m_busy)
        return;
    m_busy = true;
    m_cancelRequested = false;
    m_enabledBefore.clear();
    for (QWidget *control : controls()) {
        m_enabledBefore.append({control, control->isEnabled()});
        control->setEnabled(false);
    }
    // With a cancel button the pointer says "working, but you may cancel".
    m_dialog->setCursor(m_cancelButton ? Qt::BusyCursor : Qt::WaitCursor);
    if (m_cancelButton) {
        m_cancelButton->setEnabled(true);
        m_cancelButton->setFocus();
    }
}

void BusyProcess::cpEnableControls()
{
    if (!m_busy)
        return;
    if (m_cancelButton)
        m_cancelButton->setEnabled(false);
    for (const auto &[control, enabled] : std::as_const(m_enabledBefore))
        if (control)
            control->setEnabled(enabled);
    m_enabledBefore.clear();
    m_dialog->unsetCursor();
    m_busy = false;
    m_cancelRequested = false;
}

bool BusyProcess::ConfirmCancelProcess(QAbstractButton *button)
{
    const Language language = m_dialogs.app().language();
    const bool cancel =
        m_dialogs.ShowMessageBox(m_dialog, Text(TextId::CancelProcessTitle, language),
                                 Text(TextId::CancelProcessText, language), MessageStyle::QuestionDefaultNo)
        == MessageAnswer::Yes;
    button->setEnabled(!cancel);
    return cancel;
}

bool BusyProcess::RefuseControlMenuClose(bool showMessage)
{
    if (!m_busy)
        return false;
    if (showMessage) {
        const Language language = m_dialogs.app().language();
        m_dialogs.ShowMessageBox(m_dialog, Text(TextId::CloseWindowTitle, language),
                                 Text(TextId::CloseWindowText, language), MessageStyle::Information);
    }
    return true;
}

void BusyProcess::YieldToEvents() { QCoreApplication::processEvents(); }

bool BusyProcess::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog && m_busy) {
        if (event->type() == QEvent::Close) {
            if (RefuseControlMenuClose()) {
                event->ignore();
                return true;
            }
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            // Escape cancels the process instead of closing the dialog.
            if (m_cancelButton && m_cancelButton->isEnabled())
                m_cancelButton->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
