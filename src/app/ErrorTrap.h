#pragma once

#include <QString>

class SharedDialogs;
class QWidget;

// The error trap of one event handler. The handler runs its steps in order and
// hands every step's error number to fail(); a non-zero number is reported with
// the handler's location code, and the user chooses between ending the program
// and going on with the next step. Once the program is ending, ended() is true
// and the handler runs no further step.
class ErrorTrap
{
public:
    ErrorTrap(const SharedDialogs &dialogs, QWidget *owner, QString location);

    // Reports a non-zero error number; returns false when the handler must stop.
    bool check(qint32 errorNumber);
    bool ended() const { return m_ended; }

private:
    const SharedDialogs &m_dialogs;
    QWidget *m_owner;
    QString m_location;
    bool m_ended = false;
};
