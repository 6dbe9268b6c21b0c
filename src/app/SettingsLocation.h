#pragma once

#include <QString>

// Where the settings file lives. A program whose folder can be written (a build
// folder, a copy on a USB stick) keeps the file beside itself, so that it can be
// carried around with it. An installed program keeps it in the user's
// configuration folder, creating that folder as needed; a settings file placed
// beside the program (by an administrator) is copied there first when the user
// has none yet, so its settings carry over. A program counts as installed when
// its folder cannot be written, or when its menu entry lies in the install tree
// beside it (../share/applications): root can write to /usr/bin, and a program
// installed into the user's home could too, yet neither is portable.
//
// Always returns a path; when the configuration folder cannot be made, the
// first write to the file fails and is reported as any failed write is.
QString SettingsFilePath(const QString &programFolder, const QString &configFolder);

// Whether the program may keep its files in the folder. A folder without any
// write permission bit counts as read-only even for root, who may write
// anywhere: whoever took the bits away meant the folder to stay as it is.
bool IsWritableFolder(const QString &folder);
