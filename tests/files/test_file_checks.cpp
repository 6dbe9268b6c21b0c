#include "files/FileChecks.h"
#include "files/FolderIdentity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ErrorCode)

class TestFileChecks : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString at(const QString &name) const { return name.isEmpty() || name.startsWith(u'/') ? name : m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a/.cfg")) && QDir(m_dir.path()).mkpath(QStringLiteral("A")));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("b")));
        for (const char *name : {"file", ".hidden", "readonly", "unreadable"}) {
            QFile file(at(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x") == 1);
        }
        QVERIFY(::chmod(QFile::encodeName(at(QStringLiteral("readonly"))).constData(), 0444) == 0);
        QVERIFY(::chmod(QFile::encodeName(at(QStringLiteral("unreadable"))).constData(), 0) == 0);
        QVERIFY(::mkfifo(QFile::encodeName(at(QStringLiteral("fifo"))).constData(), 0644) == 0);
        QVERIFY(QFile::link(at(QStringLiteral("file")), at(QStringLiteral("filelink"))));
        QVERIFY(QFile::link(at(QStringLiteral("a")), at(QStringLiteral("alink"))));
    }

    void attributes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ErrorCode>("error");
        QTest::addColumn<bool>("directory");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("importable");
        QTest::addColumn<bool>("rootBypasses"); // permission bits do not stop root
        QTest::newRow("empty") << "" << ErrorCode::FileNotFound << false << false << false << false << false << false;
        QTest::newRow("missing") << "none" << ErrorCode::FileNotFound << false << false << false << false << false << false;
        QTest::newRow("missing folder") << "none/x" << ErrorCode::PathNotFound << false << false << false << false << false << false;
        QTest::newRow("under a file") << "file/x" << ErrorCode::PathNotFound << false << false << false << false << false << false;
        QTest::newRow("file") << "file" << ErrorCode::None << false << false << false << true << true << false;
        QTest::newRow("link to file") << "filelink" << ErrorCode::None << false << false << false << true << true << false;
        QTest::newRow("hidden file") << ".hidden" << ErrorCode::None << false << true << false << true << true << false;
        QTest::newRow("folder") << "a" << ErrorCode::None << true << false << false << false << false << false;
        QTest::newRow("hidden folder /") << "a/.cfg/" << ErrorCode::None << true << true << false << false << false << false;
        QTest::newRow("fifo") << "fifo" << ErrorCode::None << false << false << false << true << false << false;
        QTest::newRow("device") << "/dev/null" << ErrorCode::None << false << false << false << true << false << false;
        QTest::newRow("read-only") << "readonly" << ErrorCode::None << false << false << true << true << true << true;
        QTest::newRow("unreadable") << "unreadable" << ErrorCode::None << false << false << true << true << false << true;
    }
    void attributes()
    {
        QFETCH(QString, name);
        QFETCH(bool, rootBypasses);
        if (rootBypasses && ::geteuid() == 0)
            QSKIP("permission bits do not stop root");
        FileAttributeFlags flags{true, true, true, true, true};
        QTEST(GetFileAttributeFlags(at(name), flags), "error");
        QTEST(flags.directory, "directory");
        QTEST(flags.hidden, "hidden");
        QTEST(flags.readOnly, "readOnly");
        QVERIFY(!flags.system && !flags.archive);
        QTEST(FileExists(at(name)), "exists");
        QTEST(IsReadableRegularFile(at(name)), "importable");
    }

    void sameFolder_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        QTest::newRow("itself") << "a" << "a" << true;
        QTest::newRow("trailing /.") << "a" << "a/." << true;
        QTest::newRow("trailing /") << "a/" << "a" << true;
        QTest::newRow("..") << "b/../a" << "a" << true;
        QTest::newRow("link") << "alink" << "a" << true;
        QTest::newRow("letter case") << "a" << "A" << false;
        QTest::newRow("other") << "a" << "b" << false;
        QTest::newRow("one missing") << "a" << "none" << false;
        QTest::newRow("both missing, same") << "none" << "b/../none/" << true;
        QTest::newRow("both missing, other") << "none" << "other" << false;
        QTest::newRow("empty") << "" << "" << false;
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
