#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A folder of this user's alone, for what no one else may plant, replace or
// listen at: the instance lock and its socket, the copy of a file's old bytes
// kept while it is rewritten in place. Made (0700, with any missing parents)
// where it is missing. One that exists must be a folder, not a link, that this
// user owns and no one else may write; it is never changed to fit. Empty when
// the path is none such.
inline QString OwnFolder(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QByteArray name = QFile::encodeName(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (::mkdir(name.constData(), 0700) != 0 && errno == ENOENT && QDir().mkpath(QFileInfo(path).absolutePath()))
        ::mkdir(name.constData(), 0700);
    // Looked at through the folder itself: a link put in its place meanwhile is not followed.
    const int folder = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info;
    const bool own = folder >= 0 && ::fstat(folder, &info) == 0 && info.st_uid == ::geteuid()
        && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
    if (folder >= 0)
        ::close(folder);
    return own ? QFile::decodeName(name) : QString();
}
