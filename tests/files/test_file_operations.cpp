#include "files/FileOperations.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ErrorCode)
Q_DECLARE_METATYPE(FileTransfer)

namespace {

const QByteArray NewBytes = "new settings";
const QByteArray OldBytes = "old settings, longer than the new ones";

bool Write(const QString &path, const QByteArray &bytes, mode_t mode)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
           && ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int ModeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

bool Exists(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

class TestFileOperations : public QObject
{
    Q_OBJECT

private slots:
    void createEmptyFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ErrorCode>("error");
        QTest::newRow("new") << "new" << ErrorCode::None;
        QTest::newRow("truncated") << "old" << ErrorCode::None;
        QTest::newRow("missing folder") << "none/new" << ErrorCode::PathNotFound;
        QTest::newRow("folder") << "folder" << ErrorCode::PathFileAccess;
        QTest::newRow("fifo without reader") << "fifo" << ErrorCode::PathFileAccess;
        QTest::newRow("empty") << "" << ErrorCode::FileNotFound;
    }
    void createEmptyFile()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(Write(dir.filePath(QStringLiteral("old")), OldBytes, 0644) && QDir(dir.path()).mkdir("folder"));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0644) == 0);
        const QString path = name.isEmpty() ? name : dir.filePath(name);
        QTEST(CreateEmptyFile(path), "error");
        if (QFileInfo(path).isFile())
            QCOMPARE(QFileInfo(path).size(), 0);
    }

    void copyOrMove_data()
    {
        QTest::addColumn<FileTransfer>("transfer");
        QTest::addColumn<QString>("source");    // what stands at src/data.ini: file, fifo or none
        QTest::addColumn<QString>("folder");    // the destination folder; "shm" is on another file system
        QTest::addColumn<QString>("target");    // what stands at <folder>/data.ini first: none, old, link, folder
        QTest::addColumn<int>("folderMode");    // 0 leaves it as made
        QTest::addColumn<ErrorCode>("error");
        QTest::addColumn<QString>("failed");    // which path the failure names
        QTest::addColumn<QByteArray>("result"); // the target afterwards
        QTest::addColumn<int>("mode");          // of the target afterwards; 0 is not checked
        const auto copy = FileTransfer::Copy;
        const auto move = FileTransfer::Move;
        const auto none = ErrorCode::None;
        const auto access = ErrorCode::PathFileAccess;
        QTest::newRow("copy, folders made") << copy << "file" << "dst/deep/er" << "none" << 0 << none << "" << NewBytes << 0;
        QTest::newRow("copy, replaces") << copy << "file" << "dst" << "old" << 0 << none << "" << NewBytes << 0640;
        QTest::newRow("copy, read-only folder")
            << copy << "file" << "dst" << "old" << 0555 << ErrorCode::PermissionDenied << "target" << OldBytes << 0640;
        QTest::newRow("copy onto itself by link") << copy << "file" << "dst" << "link" << 0 << access << "target" << NewBytes << 0;
        QTest::newRow("copy onto itself") << copy << "file" << "src" << "none" << 0 << access << "target" << NewBytes << 0;
        QTest::newRow("copy, no source")
            << copy << "none" << "dst" << "none" << 0 << ErrorCode::FileNotFound << "source" << QByteArray() << 0;
        QTest::newRow("copy, fifo source") << copy << "fifo" << "dst" << "none" << 0 << access << "source" << QByteArray() << 0;
        QTest::newRow("copy onto folder") << copy << "file" << "dst" << "folder" << 0 << access << "target" << QByteArray() << 0;
        QTest::newRow("copy, file as folder")
            << copy << "file" << "src/data.ini" << "none" << 0 << ErrorCode::PathNotFound << "folder" << QByteArray() << 0;
        QTest::newRow("move, replaces") << move << "file" << "dst" << "old" << 0 << none << "" << NewBytes << 0644;
        QTest::newRow("move, other file system") << move << "file" << "shm" << "old" << 0 << none << "" << NewBytes << 0640;
        QTest::newRow("move onto itself by link") << move << "file" << "dst" << "link" << 0 << access << "source" << NewBytes << 0;
        QTest::newRow("move, read-only folder")
            << move << "file" << "dst" << "old" << 0555 << ErrorCode::PermissionDenied << "target" << OldBytes << 0;
    }
    void copyOrMove()
    {
        QFETCH(FileTransfer, transfer);
        QFETCH(QString, source);
        QFETCH(QString, folder);
        QFETCH(QString, target);
        QFETCH(int, folderMode);
        QFETCH(QString, failed);
        if (folderMode != 0 && ::geteuid() == 0)
            QSKIP("permission bits do not stop root");
        QTemporaryDir dir;
        QTemporaryDir otherFileSystem(QStringLiteral("/dev/shm/files-test-XXXXXX"));
        if (folder == u"shm") {
            struct stat here, there;
            if (!otherFileSystem.isValid() || ::stat(QFile::encodeName(dir.path()).constData(), &here) != 0
                || ::stat(QFile::encodeName(otherFileSystem.path()).constData(), &there) != 0 || here.st_dev == there.st_dev)
                QSKIP("no second file system at /dev/shm");
        }
        const QString sourcePath = dir.filePath(QStringLiteral("src/data.ini"));
        const QString folderPath = folder == u"shm" ? otherFileSystem.path() : dir.filePath(folder);
        const QString targetPath = folderPath + QStringLiteral("/data.ini");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("src")));
        if (source == u"file")
            QVERIFY(Write(sourcePath, NewBytes, 0644));
        if (source == u"fifo")
            QVERIFY(::mkfifo(QFile::encodeName(sourcePath).constData(), 0644) == 0);
        if (target != u"none")
            QVERIFY(QDir().mkpath(folderPath));
        if (target == u"old")
            QVERIFY(Write(targetPath, OldBytes, 0640));
        if (target == u"link")
            QVERIFY(QFile::link(sourcePath, targetPath));
        if (target == u"folder")
            QVERIFY(QDir().mkdir(targetPath));
        if (folderMode != 0)
            QVERIFY(::chmod(QFile::encodeName(folderPath).constData(), mode_t(folderMode)) == 0);
        auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folderPath).constData(), 0755); });

        const Failure failure = CopyOrMoveFiles(transfer, {sourcePath}, folderPath);
        QTEST(failure.code, "error");
        const QString failedPath = failed == u"source" ? sourcePath
                                   : failed == u"target" ? targetPath
                                   : failed == u"folder" ? folderPath
                                                         : QString();
        QCOMPARE(failure.path, failedPath);
        QTEST(Read(targetPath), "result");
        QFETCH(int, mode);
        if (mode != 0)
            QCOMPARE(ModeOf(targetPath), mode);
        if (source == u"file")
            QCOMPARE(Read(sourcePath), transfer == FileTransfer::Move && !failure.failed() ? QByteArray() : NewBytes);
        QCOMPARE(Exists(sourcePath), source != u"none" && (transfer == FileTransfer::Copy || failure.failed()));
    }

    void listStopsAtFirstFailure()
    {
        QTemporaryDir dir;
        QVERIFY(Write(dir.filePath(QStringLiteral("one")), NewBytes, 0644) && Write(dir.filePath("two"), NewBytes, 0644));
        const QStringList files = {dir.filePath("one"), dir.filePath("missing"), dir.filePath("two")};
        QCOMPARE(CopyOrMoveFiles(FileTransfer::Copy, files, dir.filePath("dst")),
                 (Failure{ErrorCode::FileNotFound, dir.filePath("missing")}));
        QVERIFY(QFile::exists(dir.filePath("dst/one")) && !QFile::exists(dir.filePath("dst/two")));
    }

    void deleteFiles_data()
    {
        QTest::addColumn<bool>("trash"); // false: the trash folder cannot be made
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrorCode>("error");
        QTest::newRow("file to trash") << true << "file" << ErrorCode::None;
        QTest::newRow("link to trash") << true << "link" << ErrorCode::None;
        QTest::newRow("no trash, deleted") << false << "file" << ErrorCode::None;
        QTest::newRow("folder refused") << true << "folder" << ErrorCode::PathFileAccess;
        QTest::newRow("missing") << true << "none" << ErrorCode::FileNotFound;
    }
    void deleteFiles()
    {
        QFETCH(bool, trash);
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
        const QString oldCurrent = QDir::currentPath();
        auto restore = qScopeGuard([&] {
            QDir::setCurrent(oldCurrent);
            qputenv("HOME", oldHome);
            oldDataHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", oldDataHome);
        });
        // The home and the file on one file system, so the trash in the home is the one used.
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString dataHome = trash ? home + QStringLiteral("/.local/share") : dir.filePath("plain/share");
        QVERIFY(QDir().mkpath(home) && Write(dir.filePath(QStringLiteral("plain")), OldBytes, 0644));
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));
        QVERIFY(QDir::setCurrent(dir.path())); // where Qt puts files when it has no trash

        const QString victim = home + QStringLiteral("/data.ini");
        const QString linked = dir.filePath(QStringLiteral("linked"));
        QVERIFY(Write(linked, NewBytes, 0644));
        if (kind == u"file")
            QVERIFY(Write(victim, NewBytes, 0644));
        if (kind == u"link")
            QVERIFY(QFile::link(linked, victim));
        if (kind == u"folder")
            QVERIFY(QDir().mkdir(victim));

        const Failure failure = DeleteFiles({victim});
        QTEST(failure.code, "error");
        QCOMPARE(failure.path, failure.failed() ? victim : QString());
        QCOMPARE(Exists(victim), kind == u"folder");
        QCOMPARE(Read(linked), NewBytes);
        const bool trashed = trash && !failure.failed();
        QCOMPARE(Exists(dataHome + QStringLiteral("/Trash/files/data.ini")), trashed);
        QCOMPARE(QFile::exists(dataHome + QStringLiteral("/Trash/info/data.ini.trashinfo")), trashed);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("files"))));
    }
};

QTEST_GUILESS_MAIN(TestFileOperations)
#include "test_file_operations.moc"
