#pragma once

#include <QString>

// Where the settings file lives. A program whose folder can be written (a build
// folder, a copy on a USB stick) keeps the file beside itself, so that it can be
// carried around with it; so does one whose folder is read-only while the file
// beside it can be written (a portable copy on a locked share): that file is
// rewritten where it stands. An installed program keeps it in the user's
// configuration folder; the administrator's starting settings, when there are
// any, are copied there on the user's first start, so that they carry over. A
// program counts as installed when its folder cannot be written, or when its
// menu entry lies in the install tree beside it (../share/applications): root
// can write to /usr/bin, and a program installed into the user's home could
// too, yet neither is portable.
struct SettingsPlace
{
    QString file;       // the file the program keeps its settings in
    QString firstStart; // the administrator's file a first start copies to `file`; empty when none is due

    // The file that holds the settings now: the user's own, else the administrator's.
    QString current() const { return firstStart.isEmpty() ? file : firstStart; }
};

// Decides, without touching the disk. An empty configuration folder keeps the
// file beside the program.
SettingsPlace FindSettingsFile(const QString &programFolder, const QString &configFolder,
                               const QString &administratorsFile);

// The one decision for the program in programFolder, which the window and the
// command line both follow: the user's configuration folder, the
// administrator's file.
SettingsPlace ProgramSettingsFile(const QString &programFolder);

// As a start of the window does: makes the configuration folder and copies the
// administrator's file there. Where that cannot be done the administrator's
// file stays the one read (firstStart), as the command line reads it; the first
// write then fails and is reported as any failed write is.
SettingsPlace PrepareSettingsFile(const SettingsPlace &place);

// The user's configuration folder for the program ($XDG_CONFIG_HOME/euro-changeover-adviser).
QString UserConfigFolder();
// The administrator's starting settings: the first settings file in the
// program's folder of the system's configuration folders ($XDG_CONFIG_DIRS,
// /etc/xdg when unset), else the one beside the program, where earlier
// versions had the administrator put it. Empty when there is none.
QString AdministratorsSettingsFile(const QString &programFolder);

// Whether the program may keep its files in the folder. A folder without any
// write permission bit counts as read-only even for root, who may write
// anywhere: whoever took the bits away meant the folder to stay as it is. The
// same for a file.
bool IsWritableFolder(const QString &folder);
