#pragma once

#include "core/ErrorCode.h"

#include <QString>

class QWidget;
class SettingsStore;
class SharedDialogs;

// Path keeping is not offered: nothing ever names a current path or a
// saved-paths file, so both stay empty, and export and import cannot take that
// file. The procedures below work on whatever they are given.
inline const QString CurrentPath;
inline const QString SavedPathsFile;

// What became of a request to keep a path.
struct PathKeepingResult
{
    bool written = false;   // the path was added, or set
    bool already = false;   // it was kept already, in some letter case
    bool cancelled = false; // the user answered No
    Failure failure;
};

// Adds the path as the first line of the saved-paths file (one path per line,
// CR LF, the most recent first), creating the file when it is missing. A path
// already in the file, in any letter case, is reported (when reportIfStored)
// and not added; confirm asks first. The file is replaced whole, never left
// half-written. Messages follow the interface language.
PathKeepingResult StoreSavedPath(const SharedDialogs &dialogs, QWidget *owner, const QString &path,
                                 const QString &savedPathsFile, bool reportIfStored = true, bool confirm = true);

// Keeps the path as the program's initial path in the settings file; the same
// path, in any letter case, is reported (when reportIfSame) and not written.
PathKeepingResult SetInitialPath(const SharedDialogs &dialogs, SettingsStore &settings, QWidget *owner,
                                 const QString &path, bool reportIfSame = true, bool confirm = true);

// The Store menu's two items, each with its own error location: Recent...
// stores the current path in the saved-paths file ("SPR1000"), Initial... sets
// it as the initial path ("SPI1000").
void StoreRecentPath(SharedDialogs &dialogs, QWidget *owner);
void StoreInitialPath(SharedDialogs &dialogs, SettingsStore &settings, QWidget *owner);
