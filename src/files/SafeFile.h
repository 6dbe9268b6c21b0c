#pragma once

#include "core/ErrorCode.h"
#include "files/FileSystemCalls.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <sys/types.h>

// What a link at a file's name stands for when the file is written.
enum class LinkAtTarget {
    // The name is where the file goes: a link there is replaced by the file.
    // For a file the user names (an export, a report), where a link may have
    // been planted by someone else.
    Replaced,
    // The link is the user's own way of keeping the file elsewhere (under
    // version control, among their dotfiles): the file it points to is written
    // and the link stays; a link to nothing is created through. For the
    // program's own files, the settings and the saved paths.
    Followed,
};

// The one way the program writes a file: whole or not at all. The bytes go to a
// temporary file in the target's folder, which takes the target's place only on
// commit(), once every byte was written and synced to disk. A failure on the way
// (a full disk, an I/O error, a failed sync) is returned naming the target, and
// the old file keeps its bytes. The new file keeps the mode, the access list
// and the user's extended attributes of the file it replaces, as far as its
// file system keeps them: one that cannot does not fail the write.
//
// Where taking the place would break what others rely on (Replacement::InPlace:
// other hard links, another owner, a folder we may not write), the target is
// rewritten where it stands instead: a copy of its old bytes is first written
// and synced in the user's cache folder, and goes once the new bytes are
// written and synced; should they fail, the old ones are put back.
//
// A folder, a FIFO, a device or a socket at the target is refused before
// anything is opened, as is a file the user made read-only.
//
// Where the system can, the temporary file has no name until it is complete;
// otherwise its name is one only this program makes (IsOwnTemporaryName), so
// that what an interrupted write left behind can be told from the user's files.
class SafeFile : public QIODevice
{
public:
    // mode: the new file's permissions; by default those of the regular file it
    // replaces (with its access list and attributes), else the usual ones of a new file.
    explicit SafeFile(QString path, LinkAtTarget link = LinkAtTarget::Replaced,
                      std::optional<mode_t> mode = std::nullopt);
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
    bool fail(const Failure &failure);
    bool failWithErrno();
    bool flushBuffer();
    bool giveName();
    bool rewriteInPlace();
    void discard();

    QString m_path;
    LinkAtTarget m_link;
    QString m_target; // the file written: m_path, or the file a link there points to
    QString m_folder; // where the temporary file lies
    std::optional<mode_t> m_mode;
    std::vector<FileSystem::Attribute> m_attributes;
    bool m_inPlace = false;
    FileSystem::Identity m_identity; // of the file rewritten in place
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

// Whether a SafeFile first removes what interrupted writes left in a folder
// (RemoveOwnTemporaryFiles) before it writes there for the first time in this
// run. Only for a copy that knows it runs alone, since it holds the
// single-instance lock: another copy could be writing.
void RemoveLeftoversBeforeWrites(bool runsAlone);
