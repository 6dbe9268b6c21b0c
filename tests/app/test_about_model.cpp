#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/AboutModel.h"
#include "app/SharedDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// What the About box decides, without the box: its version, its author line and
// which system-information program it starts.
class TestAboutModel : public QObject
{
    Q_OBJECT

    ScriptedPlatform m_platform;
    AppValues m_app;
    SharedDialogs m_dialogs{m_platform, m_app};

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void versionNumber()
    {
        QCOMPARE(AboutModel::VersionNumber(1, 0, 0), QStringLiteral("0001.0000.0000"));
        QCOMPARE(AboutModel::VersionNumber(2001, 6, 12), QStringLiteral("2001.0006.0012"));
        QCOMPARE(AboutModel::VersionNumber(12345, 10, 999), QStringLiteral("12345.0010.0999"));
    }

    void authorLineOnAFixedDay()
    {
        m_app.GreekLanguage = false;
        QCOMPARE(AboutModel(m_dialogs).authorLine(QDate(2002, 3, 5)),
                 QStringLiteral("Euro changeover adviser © Stone-Gleam Software team, 2002-03-05"));
        m_app.GreekLanguage = true;
        QCOMPARE(AboutModel(m_dialogs).authorLine(QDate(1999, 12, 31)),
                 QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ © Ομάδα της Stone-Gleam Software, 1999-12-31"));
    }

    // Each row puts the named files, and nothing else, on PATH.
    void startSysInfo_data()
    {
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("started"); // empty: nothing was started
        QTest::newRow("none") << QStringList() << true << true << "";
        QTest::newRow("first of the list wins")
            << QStringList{"gnome-system-monitor", "hardinfo"} << true << true << "hardinfo";
        QTest::newRow("not a program") << QStringList{"kinfocenter"} << false << true << "";
        QTest::newRow("start fails") << QStringList{"kinfocenter"} << true << false << "kinfocenter";
    }
    void startSysInfo()
    {
        QFETCH(QStringList, onPath);
        QFETCH(bool, executable);
        QFETCH(bool, starts);
        QFETCH(QString, started);
        QTemporaryDir bin;
        for (const QString &name : onPath) {
            QFile program(bin.filePath(name));
            QVERIFY(program.open(QIODevice::WriteOnly));
            QVERIFY(!executable || program.setPermissions(program.permissions() | QFileDevice::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        m_platform.messages.clear();
        m_platform.startSucceeds = starts;
        m_app.GreekLanguage = false;
        const AboutModel model(m_dialogs);
        m_app.GreekLanguage = true; // the message follows the language of the moment
        const bool result = model.StartSysInfo(nullptr);
        qputenv("PATH", path);

        QCOMPARE(m_platform.started,
                 started.isEmpty() ? QList<QStringList>() : QList<QStringList>{{bin.filePath(started)}});
        m_platform.started.clear();
        QCOMPARE(result, !m_platform.messages.size());
        QCOMPARE(result, starts && !started.isEmpty());
        for (const ScriptedPlatform::Message &message : std::as_const(m_platform.messages)) {
            QCOMPARE(message.caption, QStringLiteral("Πληροφορίες συστήματος"));
            QCOMPARE(message.text, QStringLiteral("Οι Πληροφορίες Συστήματος δεν είναι διαθέσιμες αυτήν την στιγμή."));
            QCOMPARE(message.style, MessageStyle::Information);
        }
    }
};

QTEST_GUILESS_MAIN(TestAboutModel)
#include "test_about_model.moc"
