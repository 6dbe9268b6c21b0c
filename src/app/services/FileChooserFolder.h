#pragma once

#include <QString>

// Where a file chooser starts: the root of the volume that holds the program,
// where the user can write there (a program on a USB stick keeps its reports
// beside it), otherwise the user's documents folder, or the home folder when
// there is none.
QString FileChooserFolder(const QString &programFolder);
