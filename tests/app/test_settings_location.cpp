#include "app/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

static bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0;
}

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private slots:
    // A text stands for a file with that text, an empty one for no file.
    void location_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("menuEntry"); // the install tree's, beside the bin folder
        QTest::addColumn<QByteArray>("administrators");
        QTest::addColumn<QByteArray>("users");
        QTest::addColumn<QString>("expected"); // the folder chosen, then the file's text
        const QByteArray no, a("A"), u("U");
        QTest::newRow("portable") << true << false << a << u << "bin A";
        QTest::newRow("portable, first start") << true << false << no << no << "bin ";
        QTest::newRow("read-only, first start") << false << false << no << no << "config ";
        QTest::newRow("read-only, prepared") << false << false << a << no << "config A";
        QTest::newRow("installed, writable") << true << true << a << no << "config A";
        QTest::newRow("user's own kept") << false << true << a << u << "config U";
    }
    void location()
    {
        QFETCH(bool, writable);
        QFETCH(bool, menuEntry);
        QFETCH(QByteArray, administrators);
        QFETCH(QByteArray, users);
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin"), config = dir.filePath("home/.config/euro");
        const QString name = QStringLiteral("/zkEuroChangeoverAdviser.ini");
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(!menuEntry || Write(dir.filePath("share/applications/euro-changeover-adviser.desktop"), ""));
        // The administrator's file is read-only; the user's copy must still take changes.
        QVERIFY(administrators.isEmpty()
                || (Write(bin + name, administrators) && QFile::setPermissions(bin + name, QFile::ReadOwner)));
        QVERIFY(users.isEmpty() || Write(config + name, users));
        // No write bit at all is read-only for root too, whom the bits do not stop.
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(bin, writable ? readOnly | QFile::WriteOwner : readOnly));

        const QString path = SettingsFilePath(bin, config);

        QFile::setPermissions(bin, readOnly | QFile::WriteOwner);
        QFile file(path);
        const QString folder = path == bin + name ? "bin" : path == config + name ? "config" : path;
        QTEST(folder + u' ' + (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()), "expected");
        // The folder is made, ready for the first write; a copied file takes the user's changes.
        QVERIFY(folder == u"bin"
                || (QFileInfo(config).isDir() && (!file.exists() || file.permissions() & QFile::WriteOwner)));
        QCOMPARE(QDir(bin).entryList(QDir::Files).size(), administrators.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "test_settings_location.moc"
