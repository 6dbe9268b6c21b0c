#pragma once

#include <QString>
#include <QStringView>

// Paths as plain texts, split and joined at a separator. Only the first
// character of a separator argument counts; an empty one means the native
// separator. Paths written the Windows way are handled by passing "\\".
inline constexpr QStringView NativeSeparator = u"/";

// The text after the separator: the last one when searchFromEnd (the usual
// case), else the first. Empty when there is no separator or the path ends with it.
QString FileNamePart(const QString &path, QStringView separator = NativeSeparator, bool searchFromEnd = true);

// The text before that separator, without it. Empty when there is no separator;
// so the folder of "/file" is empty too, and adding a separator gives the root.
QString FolderPart(const QString &path, QStringView separator = NativeSeparator, bool searchFromEnd = true);

// Adds or removes exactly one separator at the end, looking at the last character only.
QString AddTrailingSeparator(const QString &path, QStringView separator = NativeSeparator);
QString RemoveTrailingSeparator(const QString &path, QStringView separator = NativeSeparator);

// The text under which paths are compared: unchanged when caseSensitive, else
// upper-cased. Upper-casing is Unicode's, the same under every locale, so a
// key stored under one language still matches under the other; Greek letters,
// final sigma and accented capitals included, and names that differ only by an
// accent stay different.
QString ComparisonKey(const QString &text, bool caseSensitive);
