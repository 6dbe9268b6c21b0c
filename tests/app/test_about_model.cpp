#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/AboutModel.h"
#include "app/SharedDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// What the About box decides, without the box: its version, author line and system-information program.
class TestAboutModel : public QObject
{
    Q_OBJECT

    ScriptedPlatform m_platform;
    AppValues m_app;
    SharedDialogs m_dialogs{m_platform, m_app};

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void versionAndAuthorLine()
    {
        QCOMPARE(AboutModel::VersionNumber(12345, 10, 999), QStringLiteral("12345.0010.0999"));
        QCOMPARE(AboutModel(m_dialogs).authorLine(QDate(2002, 3, 5)),
                 QStringLiteral("Euro changeover adviser © Stone-Gleam Software team, 2002-03-05"));
        m_app.GreekLanguage = true;
        QCOMPARE(AboutModel(m_dialogs).authorLine(QDate(1999, 12, 31)),
                 QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ © Ομάδα της Stone-Gleam Software, 1999-12-31"));
    }

    // The first program of the list on PATH is started; when there is none, or it
    // does not start, a message says so in the language of the moment.
    void startSysInfo()
    {
        QTemporaryDir bin;
        qputenv("PATH", QFile::encodeName(bin.path()));
        m_app.GreekLanguage = false;
        const AboutModel model(m_dialogs);
        m_app.GreekLanguage = true;
        QVERIFY(!model.StartSysInfo(nullptr));
        for (const char *name : {"gnome-system-monitor", "hardinfo"}) {
            QFile program(bin.filePath(QLatin1String(name)));
            QVERIFY(program.open(QIODevice::WriteOnly) && program.setPermissions(QFileDevice::ExeOwner));
        }
        QVERIFY(model.StartSysInfo(nullptr));
        m_platform.startSucceeds = false;
        QVERIFY(!model.StartSysInfo(nullptr));
        const QString started = bin.filePath(QStringLiteral("hardinfo"));
        QCOMPARE(m_platform.started, QList<QStringList>({{started}, {started}}));
        QCOMPARE(m_platform.messages.size(), 2);
        QCOMPARE(m_platform.messages[1].text,
                 QStringLiteral("Οι Πληροφορίες Συστήματος δεν είναι διαθέσιμες αυτήν την στιγμή."));
    }
};

QTEST_GUILESS_MAIN(TestAboutModel)
#include "test_about_model.moc"
