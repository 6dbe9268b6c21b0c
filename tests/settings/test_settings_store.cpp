#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// The settings file on disk: what is read, what is written over, and what is
// left alone. Every row loads the file, then sets Last/ID to 3.
class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    static void WriteFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    static Failure SetId(SettingsStore &store)
    {
        return store.edit([](IniDocument &ini) { WriteIniInteger(ini, Setting::LastId, 3); });
    }

private slots:
    void files_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrorCode>("loaded");
        QTest::addColumn<ErrorCode>("edited");
        QTest::addColumn<QByteArray>("after"); // empty: the file is as it was
        QTest::newRow("missing: created") << "missing" << ErrorCode::None << ErrorCode::None
                                          << QByteArray("[Last]\r\nID=3\r\n");
        QTest::newRow("others kept") << "others" << ErrorCode::None << ErrorCode::None
                                     << QByteArray("; mine\r\n[Last]\r\nID=3\r\n[Mine]\r\nA=1\r\n");
        QTest::newRow("folder in the way") << "folder" << ErrorCode::PathFileAccess << ErrorCode::PathFileAccess
                                           << QByteArray();
        QTest::newRow("missing folder") << "nofolder" << ErrorCode::None << ErrorCode::PathFileAccess << QByteArray();
        QTest::newRow("write-only: never wiped") << "writeonly" << ErrorCode::PermissionDenied
                                                 << ErrorCode::PermissionDenied << QByteArray();
        QTest::newRow("too large: left alone") << "huge" << ErrorCode::FileTooLarge << ErrorCode::FileTooLarge
                                               << QByteArray();
        QTest::newRow("read-only: mode kept") << "readonly" << ErrorCode::None
                                              << (geteuid() == 0 ? ErrorCode::None : ErrorCode::PermissionDenied)
                                              << (geteuid() == 0 ? QByteArray("[Last]\r\nID=3\r\n") : QByteArray());
        QTest::newRow("same bytes: not replaced") << "same" << ErrorCode::None << ErrorCode::None << QByteArray();
    }
    void files()
    {
        QFETCH(QString, kind);
        QFETCH(ErrorCode, edited);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("settings.ini"));
        const QByteArray mine = "; mine\r\n[Last]\r\nID=5\r\n[Mine]\r\nA=1\r\n";
        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("nofolder")) {
            path = dir.filePath(QStringLiteral("no/settings.ini"));
        } else if (kind == QLatin1String("huge")) {
            WriteFile(path, mine + QByteArray(IniDocument::MaximumFileSize, ';'));
        } else if (kind != QLatin1String("missing")) {
            WriteFile(path, kind == QLatin1String("same") ? QByteArray("[Last]\r\nID=3\r\n") : mine);
        }
        if (kind == QLatin1String("writeonly")) {
            if (geteuid() == 0)
                QSKIP("root reads files whatever their permissions");
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        }
        if (kind == QLatin1String("readonly"))
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        if (kind == QLatin1String("readonly") && geteuid() == 0)
            WriteFile(path, "[Last]\r\nID=5\r\n"); // root writes it anyway; the mode must survive
        if (kind == QLatin1String("same")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const QByteArray before = ReadFile(path);
        const QFileDevice::Permissions mode = QFileInfo(path).permissions();

        SettingsStore store(path);
        QTEST(store.load().code, "loaded");
        const Failure failure = SetId(store);
        QCOMPARE(failure.code, edited);
        QCOMPARE(failure.path, failure.failed() ? path : QString());

        QFile::setPermissions(path, (mode | QFile::ReadOwner) & 0x7077);
        QCOMPARE(ReadFile(path), after.isEmpty() ? before : after);
        if (kind == QLatin1String("folder"))
            QVERIFY(QFileInfo(path).isDir());
        if (kind == QLatin1String("readonly"))
            QCOMPARE(QFileInfo(path).permissions() & 0x7077, (mode | QFile::ReadOwner) & 0x7077);
        if (kind == QLatin1String("same"))
            QCOMPARE(QFileInfo(path).lastModified(), old);
    }

    void frozenWritesNothing()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        store.freeze();
        QVERIFY(!SetId(store).failed());
        QVERIFY(!QFileInfo::exists(store.path()));
    }

    // Only what an interrupted save leaves: six random letters or digits.
    void leftoversRemoved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        const QStringList names = {"settings.ini.aB3xYz", "settings.ini.QWERTY", "settings.ini.backup",
                                   "settings.ini.aB3xY", "other.ini.aB3xYz", "settings.ini"};
        for (const QString &name : names)
            WriteFile(dir.filePath(name), "x");
        SettingsStore(path).removeSaveLeftovers();
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
        const Failure failure = store.edit([](IniDocument &ini) {
            WriteIniString(ini, Setting::OtherCurrency, QString(8 * 1024, u'x'));
        });
        const QByteArray after = ReadFile(path);
        QProcess::execute(QStringLiteral("umount"), {dir.path()});
        QCOMPARE(failure.code, ErrorCode::DiskFull);
        QCOMPARE(after, QByteArray("[Last]\r\nID=5\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
