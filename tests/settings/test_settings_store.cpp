#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// "<bytes> | mode <octal> | inode <n>": a replacement changes the inode.
QString Snapshot(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    ::stat(name.constData(), &info);
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    return QStringLiteral("%1 | mode %2 | inode %3")
        .arg(QString::fromUtf8(bytes))
        .arg(info.st_mode, 0, 8)
        .arg(info.st_ino);
}

Failure SetId(SettingsStore &store)
{
    return store.edit([](IniDocument &ini) { WriteIniInteger(ini, Setting::LastId, 3); });
}

} // namespace

// The settings file on disk: every row loads the file, then sets Last/ID to 3.
class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void files_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("before"); // empty: no file; "/": a folder
        QTest::addColumn<int>("mode");          // given to the file before; 0: as created
        QTest::addColumn<ErrorCode>("loaded");
        QTest::addColumn<ErrorCode>("edited");
        QTest::addColumn<QByteArray>("after"); // empty: the file as it was, not even replaced
        const QString ini = QStringLiteral("settings.ini");
        const QByteArray mine = "; mine\r\n[Last]\r\nID=5\r\n[Mine]\r\nA=1\r\n", three = "[Last]\r\nID=3\r\n";
        const QByteArray changed = QByteArray(mine).replace("ID=5", "ID=3");
        const auto ok = ErrorCode::None, refused = ErrorCode::PathFileAccess;
        const bool root = ::geteuid() == 0; // root writes files whatever their mode
        QTest::newRow("missing: created") << ini << QByteArray() << 0 << ok << ok << three;
        QTest::newRow("others kept") << ini << mine << 0 << ok << ok << changed;
        QTest::newRow("folder in the way") << ini << QByteArray("/") << 0 << refused << refused << QByteArray();
        QTest::newRow("missing folder") << "no/settings.ini" << QByteArray() << 0 << ok << refused << QByteArray();
        QTest::newRow("read-only: mode kept") << ini << mine << 0440 << ok << (root ? ok : ErrorCode::PermissionDenied)
                                              << (root ? changed : QByteArray());
        QTest::newRow("same bytes: not replaced") << ini << three << 0 << ok << ok << QByteArray();
    }
    void files()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, before);
        QFETCH(int, mode);
        QFETCH(ErrorCode, edited);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (before == "/")
            QVERIFY(QDir().mkpath(path));
        else if (!before.isEmpty())
            WriteFile(path, before);
        QVERIFY(mode == 0 || ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0);
        const QString old = Snapshot(path);

        SettingsStore store(path);
        QTEST(store.load().code, "loaded");
        QCOMPARE(SetId(store), (Failure{edited, edited == ErrorCode::None ? QString() : path}));
        const QString now = Snapshot(path);
        if (after.isEmpty())
            QCOMPARE(now, old);
        else // replaced, in the mode of the file it replaced
            QCOMPARE(now.section(" | ", 0, 1), after + " | " + (before.isEmpty() ? now : old).section(" | ", 1, 1));
    }

    // Settings that could not be read at the start are never written over, not even
    // once the file has become readable: the program runs on defaults meanwhile.
    void unreadableAtStart()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        WriteFile(store.path(), QByteArray(IniDocument::MaximumFileSize + 1, ';'));
        QCOMPARE(store.load().code, ErrorCode::FileTooLarge);
        WriteFile(store.path(), "[Last]\r\nID=5\r\n");
        QCOMPARE(SetId(store).code, ErrorCode::FileTooLarge);
        QVERIFY(Snapshot(store.path()).startsWith("[Last]\r\nID=5\r\n | "));
    }

    // Only what an interrupted save leaves: six random letters or digits.
    void leftoversRemoved()
    {
        QTemporaryDir dir;
        const QStringList names = {"settings.ini.aB3xYz", "settings.ini.QWERTY", "settings.ini.backup",
                                   "settings.ini.aB3xY",  "other.ini.aB3xYz",    "settings.ini"};
        for (const QString &name : names)
            WriteFile(dir.filePath(name), "x");
        SettingsStore(dir.filePath(QStringLiteral("settings.ini"))).removeSaveLeftovers();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"other.ini.aB3xYz", "settings.ini", "settings.ini.aB3xY", "settings.ini.backup"}));
    }

    void fullDisk()
    {
        QTemporaryDir dir;
        if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}) != 0)
            QSKIP("cannot mount a small file system here");
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        WriteFile(path, "[Last]\r\nID=5\r\n");
        WriteFile(dir.filePath(QStringLiteral("filler")), QByteArray(60 * 1024, 'x'));
        SettingsStore store(path);
        store.load();
        const Failure failure =
            store.edit([](IniDocument &ini) { WriteIniString(ini, Setting::OtherCurrency, QString(8 * 1024, u'x')); });
        const QString after = Snapshot(path);
        QProcess::execute(QStringLiteral("umount"), {dir.path()});
        QCOMPARE(failure.code, ErrorCode::DiskFull);
        QVERIFY(after.startsWith("[Last]\r\nID=5\r\n | "));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
