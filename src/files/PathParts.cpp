#include "files/PathParts.h"

namespace {

QChar SeparatorOf(QStringView separator) { return separator.isEmpty() ? NativeSeparator.front() : separator.front(); }

qsizetype SeparatorPosition(const QString &path, QStringView separator, bool searchFromEnd)
{
    const QChar wanted = SeparatorOf(separator);
    return searchFromEnd ? path.lastIndexOf(wanted) : path.indexOf(wanted);
}

} // namespace

QString FileNamePart(const QString &path, QStringView separator, bool searchFromEnd)
{
    const qsizetype position = SeparatorPosition(path, separator, searchFromEnd);
    return position < 0 ? QString() : path.mid(position + 1);
}

QString FolderPart(const QString &path, QStringView separator, bool searchFromEnd)
{
    const qsizetype position = SeparatorPosition(path, separator, searchFromEnd);
    return position < 0 ? QString() : path.left(position);
}

QString AddTrailingSeparator(const QString &path, QStringView separator)
{
    const QChar wanted = SeparatorOf(separator);
    return path.endsWith(wanted) ? path : path + wanted;
}

QString RemoveTrailingSeparator(const QString &path, QStringView separator)
{
    return path.endsWith(SeparatorOf(separator)) ? path.chopped(1) : path;
}

QString ComparisonKey(const QString &text, bool caseSensitive)
{
    // Not QLocale::toUpper: under the Greek locale it drops the accents, which
    // would make "αρχείο" and "αρχειο" one name and make keys depend on the locale.
    return caseSensitive ? text : text.toUpper();
}
