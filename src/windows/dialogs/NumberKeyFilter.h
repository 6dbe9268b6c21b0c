#pragma once

#include <QObject>
#include <QString>

class PlatformServices;
class QLineEdit;

// Lets only digits, comma and point into a number field: a typed character
// that is anything else is refused with a beep, and so is a paste or drop that
// would bring such a character in. Text already there (a failure word after an
// overflow) can still be deleted.
class NumberKeyFilter : public QObject
{
    Q_OBJECT
public:
    NumberKeyFilter(QLineEdit *field, PlatformServices &platform);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void guardEdit(const QString &text);

    QLineEdit *m_field;
    PlatformServices &m_platform;
    QString m_lastText;
};
