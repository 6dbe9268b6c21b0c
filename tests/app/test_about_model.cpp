#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/AboutModel.h"
#include "app/AppValues.h"
#include "app/SharedDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// What the About box decides, without the box: its version, its author line,
// the language it keeps, and which system-information program it starts.
class TestAboutModel : public QObject
{
    Q_OBJECT

private:
    ScriptedPlatform m_platform;
    AppValues m_app;
    SharedDialogs m_dialogs{m_platform, m_app};
    QByteArray m_path;

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        m_path = qgetenv("PATH");
    }
    void cleanup() { qputenv("PATH", m_path); }

    void versionNumber_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("first release") << 1 << 0 << 0 << "0001.0000.0000";
        QTest::newRow("year, month, day") << 2001 << 6 << 12 << "2001.0006.0012";
        QTest::newRow("wider than four") << 12345 << 10 << 999 << "12345.0010.0999";
    }
    void versionNumber()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(AboutModel::VersionNumber(major, minor, revision), text);
    }

    void authorLineOnAFixedDay_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("line");
        QTest::newRow("English") << false << QDate(2002, 3, 5)
                                 << "Euro changeover adviser © Stone-Gleam Software team, 2002-03-05";
        QTest::newRow("Greek") << true << QDate(2002, 3, 5)
                               << "Σύμβουλος μετάβασης στο Ευρώ © Ομάδα της Stone-Gleam Software, 2002-03-05";
        QTest::newRow("two-digit day and month") << false << QDate(1999, 12, 31)
                                                 << "Euro changeover adviser © Stone-Gleam Software team, 1999-12-31";
    }
    void authorLineOnAFixedDay()
    {
        QFETCH(bool, greek);
        QFETCH(QDate, date);
        QFETCH(QString, line);
        m_app.GreekLanguage = greek;
        QCOMPARE(AboutModel(m_dialogs).authorLine(date), line);
    }

    // The box keeps the language it opened in, even if the language changes meanwhile.
    void languageReadOnceAtOpening()
    {
        m_app.GreekLanguage = true;
        const AboutModel model(m_dialogs);
        m_app.GreekLanguage = false;
        QCOMPARE(model.caption(), QStringLiteral("Σχετικά"));
        QVERIFY(model.versionLine().startsWith(QStringLiteral("Έκδοση ")));
        QVERIFY(model.authorLine(QDate(2002, 3, 5)).startsWith(QStringLiteral("Σύμβουλος")));
    }

    // Each row puts the named programs, and nothing else, on PATH.
    void startSysInfo_data()
    {
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<bool>("executable");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QString>("started"); // empty: nothing was started
        QTest::newRow("none") << QStringList() << true << true << "";
        QTest::newRow("one") << QStringList{"kinfocenter"} << true << true << "kinfocenter";
        QTest::newRow("first of the list wins") << QStringList{"gnome-system-monitor", "hardinfo"} << true << true
                                                << "hardinfo";
        QTest::newRow("not a program") << QStringList{"hardinfo"} << false << true << "";
        QTest::newRow("start fails") << QStringList{"gnome-system-monitor"} << true << false
                                     << "gnome-system-monitor";
    }
    void startSysInfo()
    {
        QFETCH(QStringList, onPath);
        QFETCH(bool, executable);
        QFETCH(bool, startSucceeds);
        QFETCH(QString, started);
        QTemporaryDir bin;
        for (const QString &name : onPath) {
            QFile program(bin.filePath(name));
            QVERIFY(program.open(QIODevice::WriteOnly));
            program.write("#!/bin/sh\n");
            if (executable)
                program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(bin.path()));
        m_platform.started.clear();
        m_platform.messages.clear();
        m_platform.startSucceeds = startSucceeds;
        m_app.GreekLanguage = false;
        const AboutModel model(m_dialogs);
        m_app.GreekLanguage = true; // the message follows the language of the moment

        QCOMPARE(model.StartSysInfo(nullptr), startSucceeds && !started.isEmpty());
        const QList<QStringList> expected = {{bin.filePath(started)}};
        QCOMPARE(m_platform.started, started.isEmpty() ? QList<QStringList>() : expected);
        if (startSucceeds && !started.isEmpty()) {
            QVERIFY(m_platform.messages.isEmpty());
            return;
        }
        QCOMPARE(m_platform.messages.size(), 1);
        const ScriptedPlatform::Message &message = m_platform.messages.constFirst();
        QCOMPARE(message.caption, QStringLiteral("Πληροφορίες συστήματος"));
        QCOMPARE(message.text, QStringLiteral("Οι Πληροφορίες Συστήματος δεν είναι διαθέσιμες αυτήν την στιγμή."));
        QCOMPARE(message.style, MessageStyle::Information);
    }
};

QTEST_GUILESS_MAIN(TestAboutModel)
#include "test_about_model.moc"
