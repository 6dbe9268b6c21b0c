#include "app/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString FileName = QStringLiteral("zkEuroChangeoverAdviser.ini");

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
    QString m_config;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_program = m_dir->filePath(QStringLiteral("bin"));
        m_config = m_dir->filePath(QStringLiteral("home/.config/euro"));
        QVERIFY(QDir().mkpath(m_program));
    }
    void cleanup()
    {
        QFile::setPermissions(m_program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
    }

    // An empty text stands for no file.
    void location_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QByteArray>("administrators");
        QTest::addColumn<QByteArray>("users");
        QTest::addColumn<bool>("inConfig");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("portable") << true << QByteArray("A") << QByteArray("U") << false << QByteArray("A");
        QTest::newRow("portable, first start") << true << QByteArray() << QByteArray() << false << QByteArray();
        QTest::newRow("installed, first start") << false << QByteArray() << QByteArray() << true << QByteArray();
        QTest::newRow("installed, prepared") << false << QByteArray("A") << QByteArray() << true << QByteArray("A");
        QTest::newRow("installed, user's own") << false << QByteArray("A") << QByteArray("U") << true << QByteArray("U");
    }
    void location()
    {
        QFETCH(bool, writable);
        QFETCH(QByteArray, administrators);
        QFETCH(QByteArray, users);
        QFETCH(bool, inConfig);
        QFETCH(QByteArray, expected);
        const QString beside = QDir(m_program).filePath(FileName);
        if (!administrators.isEmpty()) {
            QVERIFY(WriteFile(beside, administrators));
            QVERIFY(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        if (!users.isEmpty()) {
            QVERIFY(QDir().mkpath(m_config));
            QVERIFY(WriteFile(QDir(m_config).filePath(FileName), users));
        }
        // No write bit at all: read-only for root too.
        if (!writable)
            QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        const QStringList programFiles = QDir(m_program).entryList(QDir::Files);

        const QString path = SettingsFilePath(m_program, m_config);

        QCOMPARE(path, inConfig ? QDir(m_config).filePath(FileName) : beside);
        QCOMPARE(ReadFile(path), expected);
        QCOMPARE(QFileInfo::exists(path), !expected.isEmpty());
        QCOMPARE(QFileInfo(m_config).isDir(), inConfig || !users.isEmpty());
        QCOMPARE(QDir(m_program).entryList(QDir::Files), programFiles);
        if (inConfig && !expected.isEmpty())
            QVERIFY(QFileInfo(path).permissions() & QFile::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "test_settings_location.moc"
