#pragma once

#include "core/ErrorCode.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <sys/types.h>

// The one way the program writes a file: whole or not at all. The bytes go to a
// temporary file in the target's folder, which takes the target's place only on
// commit(), once every byte was written and synced to disk. A failure on the way
// (a full disk, an I/O error, a failed sync) is returned naming the target, and
// the old file keeps its bytes.
//
// The entry at the target is replaced as it stands: a link gives way to the new
// file, and the file it points to is never opened. A folder, a FIFO, a device
// or a socket there is refused before anything is opened, as is a file the user
// made read-only.
//
// Where the system can, the temporary file has no name until it is complete;
// otherwise its name is one only this program makes (IsOwnTemporaryName), so
// that what an interrupted write left behind can be told from the user's files.
class SafeFile : public QIODevice
{
public:
    // mode: the new file's permissions; by default those of the regular file it
    // replaces, else the usual ones of a new file.
    explicit SafeFile(QString path, std::optional<mode_t> mode = std::nullopt);
    ~SafeFile() override; // without a commit the temporary file goes; the target stays as it was

    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    // Opens the temporary file for writing (the mode must be WriteOnly). False
    // on a refusal or a failure, which failure() then holds.
    bool open(OpenMode mode = WriteOnly) override;
    // Writes what is still buffered, syncs it to disk and renames it over the
    // target. After a failure nothing is renamed and the failure is returned.
    Failure commit();
    // Abandons the file: the temporary one goes, the target stays as it was.
    void close() override;

    // The first failure; once a write failed, every later write and the commit fail too.
    const Failure &failure() const { return m_failure; }
    const QString &path() const { return m_path; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 size) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool fail(ErrorCode code);
    bool failWithErrno();
    bool flushBuffer();
    bool giveName();
    void discard();

    QString m_path;
    QString m_folder;
    std::optional<mode_t> m_mode;
    int m_descriptor = -1;
    QString m_temporary; // the temporary file's name, once it has one
    QByteArray m_buffer;
    Failure m_failure;
};

// Whether a file name is one that only SafeFile makes for its temporary files.
bool IsOwnTemporaryName(const QString &fileName);

// Removes from the folder what interrupted writes of this user left behind:
// regular files (not links) that this user owns and whose names only SafeFile
// makes. Nothing else is touched, however it is named.
void RemoveOwnTemporaryFiles(const QString &folder);
