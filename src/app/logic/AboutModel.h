#pragma once

#include "app/texts/Language.h"

#include <QDate>
#include <QString>
#include <QStringList>

class SharedDialogs;
class QWidget;

// What the About box shows, in the language it was opened in, and what its
// system-information button does. The box itself only lays the texts out.
class AboutModel
{
public:
    // Reads the language once: the box keeps it while it is open.
    explicit AboutModel(SharedDialogs &dialogs);

    Language language() const { return m_language; }
    QString caption() const;
    QString title() const;
    QString versionLine() const; // "Version 0001.0000.0000"
    QString description() const;
    QString disclaimer() const;
    QString sysInfoCaption() const;
    QString okCaption() const;
    QString makerName() const;
    // The program's title, "©", the team and the day as YYYY-MM-DD.
    QString authorLine(const QDate &date) const;

    // Each number with at least four digits: 1, 0, 0 gives "0001.0000.0000".
    static QString versionNumber(int major, int minor, int revision);
    // The version this program was built as.
    static QString programVersion();

    // The system-information programs looked for on PATH, best first.
    static const QStringList &systemInfoPrograms();
    // The full path of the first of them found on PATH; empty when none is.
    static QString findSystemInfoProgram();

    // Starts the system-information program without waiting for it; when there
    // is none, or it does not start, says so in a message owned by `owner`.
    // True when a program was started.
    bool StartSysInfo(QWidget *owner) const;

private:
    SharedDialogs &m_dialogs;
    const Language m_language;
};
