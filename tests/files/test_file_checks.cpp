#include "files/FileChecks.h"
#include "files/FolderIdentity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestFileChecks : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString at(const QString &name) const { return name.isEmpty() ? name : m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir().mkpath(at("a/.cfg")) && QDir().mkpath(at("A")) && QDir().mkpath(at("b")));
        for (const char *name : {"file", ".hidden", "readonly", "unreadable"})
            QVERIFY(QFile(at(name)).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(at("readonly"), QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(at("unreadable"), {}));
        QVERIFY(::mkfifo(QFile::encodeName(at("fifo")).constData(), 0644) == 0);
        QVERIFY(QFile::link(at("file"), at("filelink")) && QFile::link(at("a"), at("alink")));
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
        QTest::newRow("hidden file") << ".hidden" << ErrorCode::None << "hei";
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
        if (seen.contains(u'r') && ::geteuid() == 0)
            QSKIP("permission bits do not stop root");
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
};

QTEST_GUILESS_MAIN(TestFileChecks)
#include "test_file_checks.moc"
