#include "app/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0;
}

} // namespace

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
        QTest::addColumn<bool>("inConfig");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray no;
        const QByteArray a("A");
        const QByteArray u("U");
        QTest::newRow("portable") << true << false << a << u << false << a;
        QTest::newRow("portable, first start") << true << false << no << no << false << no;
        QTest::newRow("read-only, first start") << false << false << no << no << true << no;
        QTest::newRow("read-only, prepared") << false << false << a << no << true << a;
        QTest::newRow("installed, writable") << true << true << a << no << true << a;
        QTest::newRow("user's own kept") << false << true << a << u << true << u;
    }
    void location()
    {
        QFETCH(bool, writable);
        QFETCH(bool, menuEntry);
        QFETCH(QByteArray, administrators);
        QFETCH(QByteArray, users);
        QFETCH(bool, inConfig);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("bin"));
        const QString config = dir.filePath(QStringLiteral("home/.config/euro"));
        const QString name = QStringLiteral("/zkEuroChangeoverAdviser.ini");
        QVERIFY(QDir().mkpath(bin));
        const QString entry = dir.filePath(QStringLiteral("share/applications/euro-changeover-adviser.desktop"));
        QVERIFY(!menuEntry || Write(entry, ""));
        // The administrator's file is read-only; the user's copy must still take changes.
        QVERIFY(administrators.isEmpty()
                || (Write(bin + name, administrators) && QFile::setPermissions(bin + name, QFile::ReadOwner)));
        QVERIFY(users.isEmpty() || Write(config + name, users));
        // No write bit at all is read-only for root too, whom the bits do not stop.
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(bin, writable ? readOnly | QFile::WriteOwner : readOnly));

        const QString path = SettingsFilePath(bin, config);

        QFile::setPermissions(bin, readOnly | QFile::WriteOwner);
        QCOMPARE(path, (inConfig ? config : bin) + name);
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), expected);
        QVERIFY(!inConfig || QFileInfo(config).isDir());
        QVERIFY(!inConfig || expected.isEmpty() || (file.permissions() & QFile::WriteOwner));
        QCOMPARE(QDir(bin).entryList(QDir::Files).size(), administrators.isEmpty() ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "test_settings_location.moc"
