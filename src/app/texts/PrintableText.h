#pragma once

#include <QString>
#include <QStringView>

// A text from outside (a line of a file, a file's name) as the program may
// print it: every control character (a tab and a line end too) and every
// character that changes the direction of what follows is replaced with
// U+FFFD, so that what is echoed can neither drive a terminal nor break the
// columns and lines it stands in.
QString PrintableText(QStringView text);
// Whether one character is among those replaced.
bool IsUnprintable(QChar c);
// Whether a text needs that: false for most, which are then printed as they are.
bool IsPrintableText(QStringView text);
