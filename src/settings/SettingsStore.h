#pragma once

#include "core/ErrorCode.h"
#include "settings/IniDocument.h"

#include <QString>

#include <functional>

// The settings file on disk. Read once at start-up; afterwards each change is
// applied to the file as it is then and written as one atomic replacement.
// A file that could not be read is never written over, so settings that merely
// could not be read are never lost.
class SettingsStore
{
public:
    // startingFrom: the settings read while the file does not exist yet (the
    // administrator's); the first edit writes them to the file with the change.
    explicit SettingsStore(QString path = QString(), QString startingFrom = QString());

    const QString &path() const { return m_path; }

    // Reads the file; a missing file is no failure (every setting has its
    // default, or the starting settings'). The failure of a file that exists
    // but cannot be read is kept: every later edit reports it instead of writing.
    Failure load();
    const IniDocument &document() const { return m_document; }

    // Applies the change to the file as it is now, and replaces the file only
    // when that changed its bytes, so that re-running an unchanged conversion
    // does not touch the disk.
    Failure edit(const std::function<void(IniDocument &)> &change);

    // Once the program is ending nothing more is written: the file stays as the
    // user last saw it (or as an import copied it).
    void freeze() { m_frozen = true; }
    bool frozen() const { return m_frozen; }

    // Removes what an interrupted save can leave beside the file: only files
    // whose names no one but this program makes (RemoveOwnTemporaryFiles). Only
    // for a copy that knows it runs alone: another could be saving.
    void removeSaveLeftovers() const;

private:
    // The file read: the settings file, or the starting one while there is none.
    QString readPath() const;

    QString m_path;
    QString m_startingFrom;
    IniDocument m_document;
    Failure m_unreadable;
    bool m_frozen = false;
};
