#include "files/FileChecks.h"
#include "files/FileOperations.h"
#include "files/FolderIdentity.h"
#include "files/PathParts.h"
#include "files/SafeFile.h"

#include "TestFiles.h"
#include "TestLocale.h"
#include "Unprivileged.h"
#include "WriteFaults.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const QByteArray NewBytes = "new settings";
const QByteArray OldBytes = "old settings, longer than the new ones";

bool Chmod(const QString &path, mode_t mode) { return ::chmod(QFile::encodeName(path).constData(), mode) == 0; }

bool Write(const QString &path, const QByteArray &bytes = NewBytes, mode_t mode = 0644)
{
    return WriteFile(path, bytes) && Chmod(path, mode);
}

const char *const AccessList = "system.posix_acl_access";
// u::rw, u:news:rw, g::---, m::rw, o::--- as the kernel keeps it: a version, then tag, permissions and id an entry.
const QByteArray NewsMayWrite = QByteArray::fromHex("02000000"
                                                    "01000600ffffffff"
                                                    "0200060009000000"
                                                    "04000000ffffffff"
                                                    "10000600ffffffff"
                                                    "20000000ffffffff");

QByteArray Attribute(const QString &path, const char *name)
{
    QByteArray value(256, 0);
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), name, value.data(), size_t(value.size()));
    return size < 0 ? QByteArray() : value.left(size);
}

bool SetAttribute(const QString &path, const char *name, const QByteArray &value)
{
    return ::setxattr(QFile::encodeName(path).constData(), name, value.constData(), size_t(value.size()), 0) == 0;
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString at(const QString &name) const { return name.isEmpty() ? name : m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        QVERIFY(QDir().mkpath(at("a/.cfg")) && QDir().mkpath(at("A")) && QDir().mkpath(at("b")));
        for (const char *name : {"file", "readonly", "unreadable"})
            QVERIFY(QFile(at(name)).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(at("readonly"), QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(at("unreadable"), {}));
        QVERIFY(::mkfifo(QFile::encodeName(at("fifo")).constData(), 0644) == 0);
        QVERIFY(QFile::link(at("file"), at("filelink")) && QFile::link(at("a"), at("alink")));
    }

    void parts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("separator"); // empty: the native one
        QTest::addColumn<QString>("parts");     // file name | folder | separator added | separator removed
        const auto row = [](const char *name, const char *path, const char *separator, const char *parts) {
            QTest::newRow(name) << QString(path) << QString(separator) << QString(parts);
        };
        row("file", "C:\\d\\f.ini", "\\", "f.ini | C:\\d | C:\\d\\f.ini\\ | C:\\d\\f.ini");
        row("bare name", "f.ini", "\\", " |  | f.ini\\ | f.ini");
        row("empty", "", "\\", " |  | \\ | ");
        row("drive root", "C:\\", "\\", " | C: | C:\\ | C:");
        row("two at end", "C:\\d\\\\", "\\/", " | C:\\d\\ | C:\\d\\\\ | C:\\d\\");
        row("native", "/home/f.ini", "", "f.ini | /home | /home/f.ini/ | /home/f.ini");
        row("native, backslash", "/a\\b", "/", "a\\b |  | /a\\b/ | /a\\b");
    }
    void parts()
    {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        const QStringList parts = {FileNamePart(path, separator), FolderPart(path, separator),
                                   AddTrailingSeparator(path, separator), RemoveTrailingSeparator(path, separator)};
        QTEST(parts.join(QStringLiteral(" | ")), "parts");
    }

    // Letter case aside, as the file system of the program's home would; a final sigma is a sigma.
    void comparisonKey()
    {
        const auto same = [](const QString &first, const QString &second) {
            return ComparisonKey(first, false) == ComparisonKey(second, false) && ComparisonKey(first, true) == first;
        };
        QVERIFY(same(QStringLiteral("/home/User/Euro.ini"), QStringLiteral("/HOME/user/euro.INI")));
        QVERIFY(same(QStringLiteral("/Έγγραφα/λογαριασμός"), QStringLiteral("/ΈΓΓΡΑΦΑ/ΛΟΓΑΡΙΑΣΜΌΣ")));
        QVERIFY(!same(QStringLiteral("/αρχείο"), QStringLiteral("/αρχειο")));
    }

    void attributes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ErrorCode>("error");
        // d directory, h hidden, r read-only, e FileExists, i IsReadableRegularFile
        QTest::addColumn<QString>("seen");
        QTest::newRow("empty") << "" << ErrorCode::FileNotFound << "";
        QTest::newRow("missing") << "none" << ErrorCode::FileNotFound << "";
        QTest::newRow("missing folder") << "none/x" << ErrorCode::PathNotFound << "";
        QTest::newRow("under a file") << "file/x" << ErrorCode::PathNotFound << "";
        QTest::newRow("file") << "file" << ErrorCode::None << "ei";
        QTest::newRow("link to file") << "filelink" << ErrorCode::None << "ei";
        QTest::newRow("folder") << "a" << ErrorCode::None << "d";
        QTest::newRow("hidden folder, /") << "a/.cfg/" << ErrorCode::None << "dh";
        QTest::newRow("fifo") << "fifo" << ErrorCode::None << "e";
        QTest::newRow("read-only") << "readonly" << ErrorCode::None << "rei";
        QTest::newRow("unreadable") << "unreadable" << ErrorCode::None << "re";
    }
    void attributes()
    {
        QFETCH(QString, name);
        QFETCH(QString, seen);
        if (seen.contains(u'r') && RanUnprivileged())
            return;
        FileAttributeFlags flags{true, true, true, true, true};
        QTEST(GetFileAttributeFlags(at(name), flags), "error");
        QVERIFY(!flags.system && !flags.archive);
        const QString letters = QString(flags.directory ? "d" : "") + (flags.hidden ? "h" : "")
            + (flags.readOnly ? "r" : "") + (FileExists(at(name)) ? "e" : "")
            + (IsReadableRegularFile(at(name)) ? "i" : "");
        QCOMPARE(letters, seen);
    }

    void sameFolder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        const auto row = [](const char *name, const char *first, const char *second, bool same) {
            QTest::newRow(name) << QString(first) << QString(second) << same;
        };
        row("trailing /.", "a/", "a/.", true);
        row("..", "b/../a", "a", true);
        row("link", "alink", "a", true);
        row("letter case", "a", "A", false);
        row("one missing", "a", "none", false);
        row("both missing", "none", "b/../none/", true);
        row("empty", "", "", false);
    }
    void sameFolder()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QTEST(IsSameFolder(at(first), at(second)), "same");
        QTEST(IsSameFolder(at(second), at(first)), "same");
    }

    void copyOrMove_data()
    {
        QTest::addColumn<FileTransfer>("transfer");
        QTest::addColumn<QString>("source");  // at src/data.ini: file, fifo or none
        QTest::addColumn<QString>("folder");  // "ro": dst made read-only; "shm": on another file system
        QTest::addColumn<QString>("target");  // at <folder>/data.ini before: none, old, link (to the source)
        QTest::addColumn<ErrorCode>("error"); // naming the source, or the target when the source is a file, or the
                                              // folder when it is at fault
        QTest::addColumn<QByteArray>("result");
        const auto copy = FileTransfer::Copy, move = FileTransfer::Move;
        const auto ok = ErrorCode::None, denied = ErrorCode::PermissionDenied;
        const auto row = [](const char *name, FileTransfer transfer, const char *source, const char *folder,
                            const char *target, ErrorCode error, const QByteArray &result) {
            QTest::newRow(name) << transfer << QString(source) << QString(folder) << QString(target) << error << result;
        };
        row("copy, folders made", copy, "file", "dst/new/er", "none", ok, NewBytes);
        row("copy, replaces", copy, "file", "dst", "old", ok, NewBytes);
        row("copy, a read-only folder named", copy, "file", "ro", "none", denied, "<missing>");
        row("copy, a link to the source replaced", copy, "file", "dst", "link", ok, NewBytes);
        row("copy, fifo", copy, "fifo", "dst", "none", ErrorCode::NotRegularFile, "<missing>");
        row("copy, no source", copy, "none", "dst", "none", ErrorCode::FileNotFound, "<missing>");
        row("move, replaces", move, "file", "dst", "old", ok, NewBytes);
        row("move, other file system", move, "file", "shm", "old", ok, NewBytes);
    }
    void copyOrMove()
    {
        QFETCH(FileTransfer, transfer);
        QFETCH(QString, source);
        QFETCH(QString, folder);
        QFETCH(QString, target);
        if (folder == u"ro" && RanUnprivileged())
            return;
        QTemporaryDir dir;
        QTemporaryDir elsewhere(QStringLiteral("/dev/shm/files-test-XXXXXX"));
        QVERIFY2(folder != u"shm"
                     || (elsewhere.isValid() && QStorageInfo(elsewhere.path()) != QStorageInfo(dir.path())),
                 "no second file system at /dev/shm");
        const QString sourcePath = dir.filePath(QStringLiteral("src/data.ini"));
        const QString folderPath = folder == u"shm" ? elsewhere.path() : dir.filePath(folder == u"ro" ? "dst" : folder);
        const QString targetPath = folderPath + QStringLiteral("/data.ini");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("src")) && QDir(dir.path()).mkdir(QStringLiteral("dst")));
        QVERIFY(source != u"file" || Write(sourcePath, NewBytes));
        QVERIFY(source != u"fifo" || ::mkfifo(QFile::encodeName(sourcePath).constData(), 0644) == 0);
        QVERIFY(target != u"old" || Write(targetPath, OldBytes, 0640));
        QVERIFY(target != u"link" || QFile::link(sourcePath, targetPath));
        QVERIFY(folder != u"ro" || Chmod(folderPath, 0555));
        auto restore = qScopeGuard([&] { Chmod(folderPath, 0755); });

        const Failure failure = CopyOrMoveFiles(transfer, {sourcePath}, folderPath);
        QTEST(failure.code, "error");
        QCOMPARE(failure.path,
                 !failure.failed()       ? QString()
                     : folder == u"ro"   ? folderPath
                     : source == u"file" ? targetPath
                                         : sourcePath);
        QTEST(ReadFile(targetPath), "result");
        const bool moved = transfer == FileTransfer::Move && !failure.failed();
        // A copy takes the mode of the file it replaces; a moved file keeps its own.
        QVERIFY(target != u"old" || failure.failed()
                || bool(QFile::permissions(targetPath) & QFile::ReadOther) == moved);
        QCOMPARE(QFile::exists(sourcePath), source != u"none" && !moved);
        QVERIFY(source != u"file" || moved || ReadFile(sourcePath) == NewBytes);
    }

    // How a new file takes an old one's place: renamed over it, carrying its mode, access list and the user's
    // attributes as far as the file system keeps them; rewritten in place where a rename would break another's
    // hold on it, the old bytes kept in the cache folder until the new ones are safe.
    void replacement_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<ErrorCode>("error"); // naming the file
        QTest::addColumn<QString>("after");   // bytes, mode, the inode kept or not, attributes kept, the cache's files
        const auto row = [](const char *name, const char *plant, ErrorCode error, const char *after) {
            QTest::newRow(name) << QString(plant) << error << QString(after);
        };
        const auto ok = ErrorCode::None, io = ErrorCode::DeviceIo;
        row("an access list and attributes carried", "acl", ok, "new 660 renamed acl note");
        row("no modes or lists: written, no more open than before", "acl nomodes", ok, "new 600 renamed");
        row("a second name: in place", "hardlink", ok, "new 600 in place");
        row("another owner: in place", "owner", ok, "new 600 in place");
        row("a closed folder, an open file: in place", "rofolder", ok, "new 600 in place");
        row("in place, an I/O error: nothing changed", "hardlink io", io, "old 600 in place");
        row("in place, a failed sync: the old bytes back and kept", "hardlink sync", io, "old 600 in place cache:old");
    }
    void replacement()
    {
        QFETCH(QString, plant);
        if (plant == u"rofolder" && RanUnprivileged())
            return;
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("folder")), file = folder + QStringLiteral("/file");
        const QString other = dir.filePath(QStringLiteral("other")), cache = dir.filePath(QStringLiteral("cache"));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
        QVERIFY(QDir().mkdir(folder) && Write(file, OldBytes, 0600));
        QVERIFY(!plant.startsWith(u"hardlink") || ::link(QFile::encodeName(file), QFile::encodeName(other)) == 0);
        QVERIFY(!plant.startsWith(u"acl")
                || (SetAttribute(file, AccessList, NewsMayWrite) && SetAttribute(file, "user.note", "x")));
        QVERIFY(plant != u"rofolder" || Chmod(folder, 0555));
        const auto stat = [&file] {
            struct stat info = {};
            ::stat(QFile::encodeName(file).constData(), &info);
            return info;
        };
        const struct stat before = stat();
        // In the order of WriteFault.
        const int fault = QStringLiteral("full io sync nomodes owner").split(u' ').indexOf(plant.section(u' ', -1));
        std::optional<PlantedFault> planted;
        if (fault >= 0)
            planted.emplace(WriteFault(fault), folder);

        SafeFile output(file);
        QVERIFY(output.open());
        output.write(NewBytes);
        const Failure failure = output.commit();
        planted.reset();
        Chmod(folder, 0755);
        QTEST(failure.code, "error");
        QCOMPARE(failure.path, failure.failed() ? file : QString());
        const struct stat after = stat();
        QString seen = QString::fromUtf8(ReadFile(file)).section(u' ', 0, 0)
            + QStringLiteral(" %1 ").arg(after.st_mode & 0777, 0, 8)
            + (after.st_ino == before.st_ino ? "in place" : "renamed");
        seen += Attribute(file, AccessList) == NewsMayWrite ? " acl" : "";
        seen += Attribute(file, "user.note") == "x" ? " note" : "";
        const QDir kept(cache + u'/' + QCoreApplication::applicationName());
        for (const QString &copy : kept.entryList(QDir::Files))
            seen += " cache:" + QString::fromUtf8(ReadFile(kept.filePath(copy))).section(u' ', 0, 0);
        QTEST(seen, "after");
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), {"file"});
        QVERIFY(!plant.startsWith(u"hardlink") || ReadFile(other) == ReadFile(file));
    }

    void deleteFiles_data()
    {
        QTest::addColumn<bool>("trash"); // false: no trash folder can be made
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrorCode>("error");
        QTest::newRow("file to trash") << true << "file" << ErrorCode::None;
        QTest::newRow("link to trash") << true << "link" << ErrorCode::None;
        QTest::newRow("no trash, deleted") << false << "file" << ErrorCode::None;
        QTest::newRow("folder refused") << true << "folder" << ErrorCode::PathFileAccess;
    }
    void deleteFiles()
    {
        QFETCH(bool, trash);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        // The current folder is where Qt would wrongly put a file it cannot trash.
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString dataHome = trash ? home + QStringLiteral("/.local/share") : dir.filePath("plain/share");
        QVERIFY(QDir().mkpath(home) && Write(dir.filePath(QStringLiteral("plain"))) && QDir::setCurrent(dir.path()));
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
        const QString victim = home + QStringLiteral("/data.ini");
        const QString linked = dir.filePath(QStringLiteral("linked"));
        QVERIFY(Write(linked) && (kind != u"file" || Write(victim)) && (kind != u"link" || QFile::link(linked, victim))
                && (kind != u"folder" || QDir().mkdir(victim)));

        const Failure failure = DeleteFiles({victim});
        QTEST(failure.code, "error");
        QCOMPARE(failure.path, failure.failed() ? victim : QString());
        QCOMPARE(QFileInfo::exists(victim), failure.failed());
        QCOMPARE(ReadFile(linked), NewBytes);
        const bool trashed = trash && !failure.failed();
        QCOMPARE(QFile::exists(dataHome + QStringLiteral("/Trash/files/data.ini")), trashed);
        QCOMPARE(QFile::exists(dataHome + QStringLiteral("/Trash/info/data.ini.trashinfo")), trashed);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("files"))));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
