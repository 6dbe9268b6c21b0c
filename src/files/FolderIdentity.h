#pragma once

#include <QString>

// True when both paths name the same folder on disk: links, "..", "." and a
// trailing separator are seen through, and two names for one folder (a link, a
// bind mount) are the same folder. Names that differ only in letter case are
// different folders unless the file system itself makes them one. Two paths
// that do not exist (yet) are the same only when they spell the same place.
bool IsSameFolder(const QString &first, const QString &second);
