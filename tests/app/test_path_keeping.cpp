#include "ScriptedPlatform.h"

#include "app/PathKeeping.h"
#include "app/SharedDialogs.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Procedures no visible control reaches: the program names no saved-paths file.
class TestPathKeeping : public QObject
{
    Q_OBJECT

private slots:
    void keepPath_data()
    {
        QTest::addColumn<bool>("initial");      // SetInitialPath on the settings file, else StoreSavedPath
        QTest::addColumn<QByteArray>("before"); // the file; "-" when it is missing
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message");
        const QString store = QStringLiteral("Do you really want to save path '/Δ', in the saved paths file?");
        QTest::newRow("store: a missing file") << false << QByteArray("-") << true << QByteArray("/Δ\r\n") << store;
        QTest::newRow("store: first, the rest kept")
            << false << QByteArray("/x\r\n/y\n\r\n") << true << QByteArray("/Δ\r\n/x\r\n/y\r\n\r\n") << store;
        QTest::newRow("store: No") << false << QByteArray("/x\r\n") << false << QByteArray("/x\r\n") << store;
        QTest::newRow("store: in other letters")
            << false << QByteArray("/x\r\n/δ\r\n") << true << QByteArray("/x\r\n/δ\r\n")
            << "Path '/Δ', has already been saved in the saved paths file.";
        const QByteArray ini = "[General]\r\nLanguage=False\r\n", kept = ini + "InitialPath=/δ\r\n";
        const QString set = QStringLiteral("Do you really want to set '/Δ', as the initial path of the application?");
        QTest::newRow("initial: written") << true << ini << true << ini + "InitialPath=/Δ\r\n" << set;
        QTest::newRow("initial: No") << true << ini << false << ini << set;
        QTest::newRow("initial: in other letters")
            << true << kept << true << kept
            << "Path '/Δ', has already been set as the initial path of the application.";
    }
    void keepPath()
    {
        QFETCH(bool, initial);
        QFETCH(QByteArray, before);
        QFETCH(bool, yes);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("kept")));
        QVERIFY(before == "-" || (file.open(QIODevice::WriteOnly) && file.write(before) == before.size()));
        file.close();
        ScriptedPlatform platform;
        platform.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        const AppValues app;
        const SharedDialogs dialogs(platform, app);
        SettingsStore settings(file.fileName());
        QVERIFY(!settings.load().failed());

        const QString path = QStringLiteral("/Δ");
        const PathKeepingResult result = initial ? SetInitialPath(dialogs, settings, nullptr, path)
                                                 : StoreSavedPath(dialogs, nullptr, path, file.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTEST(file.readAll(), "after");
        QCOMPARE(platform.messages.size(), 1);
        QTEST(platform.messages[0].text, "message");
        QCOMPARE(result.already, platform.messages[0].style == MessageStyle::Information);
        QCOMPARE(result.written, !result.already && yes);
        QCOMPARE(result.cancelled, !yes);
        QVERIFY(!result.failure.failed());
    }
};

QTEST_GUILESS_MAIN(TestPathKeeping)
#include "test_path_keeping.moc"
