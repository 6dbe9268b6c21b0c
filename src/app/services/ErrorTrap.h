#pragma once

#include "core/ErrorCode.h"

#include <QString>

class SharedDialogs;
class QWidget;

// The error trap of one event handler. The handler runs its steps in order and
// hands every step's failure to check(); a failure is reported with the
// handler's location code, and the user chooses between ending the program and
// going on with the next step. Once the program is ending, check() returns
// false and the handler runs no further step.
class ErrorTrap
{
public:
    ErrorTrap(SharedDialogs &dialogs, QWidget *owner, QString location);

    // Reports a failure; returns false when the handler must stop.
    bool check(const Failure &failure);
    bool check(ErrorCode code) { return check(Failure{code, {}}); }
    // The same for a cause that may persist: reported only the first time.
    bool checkOnce(const Failure &failure);
    bool ended() const;

private:
    SharedDialogs &m_dialogs;
    QWidget *m_owner;
    QString m_location;
};
