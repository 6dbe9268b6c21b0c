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
        QTest::addColumn<bool>("menuEntry");
        QTest::addColumn<QByteArray>("administrators");
        QTest::addColumn<QByteArray>("users");
        QTest::addColumn<bool>("inConfig");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray none;
        const QByteArray a("A");
        const QByteArray u("U");
        QTest::newRow("portable") << true << false << a << u << false << a;
        QTest::newRow("portable, first start") << true << false << none << none << false << none;
        QTest::newRow("installed, first start") << false << false << none << none << true << none;
        QTest::newRow("installed, prepared") << false << true << a << none << true << a;
        QTest::newRow("installed, writable") << true << true << a << none << true << a;
        QTest::newRow("installed, user's own") << false << false << a << u << true << u;
    }
    void location()
    {
        QFETCH(bool, writable);
        QFETCH(bool, menuEntry);
        QFETCH(QByteArray, administrators);
        QFETCH(QByteArray, users);
        QFETCH(bool, inConfig);
        QFETCH(QByteArray, expected);
        const QString beside = QDir(m_program).filePath(FileName);
        if (!administrators.isEmpty()) {
            QVERIFY(WriteFile(beside, administrators));
            QVERIFY(QFile::setPermissions(beside, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        }
        if (menuEntry) {
            const QString entries = m_dir->filePath(QStringLiteral("share/applications"));
            QVERIFY(QDir().mkpath(entries));
            QVERIFY(WriteFile(entries + QStringLiteral("/euro-changeover-adviser.desktop"), ""));
        }
        if (!users.isEmpty()) {
            QVERIFY(QDir().mkpath(m_config));
            QVERIFY(WriteFile(QDir(m_config).filePath(FileName), users));
        }
        // No write bit at all: read-only for root too.
        if (!writable) {
            QVERIFY(QFile::setPermissions(m_program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                                         | QFile::ExeOther));
        }
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
