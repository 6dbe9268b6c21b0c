#include "ScriptedPlatform.h"

#include "app/AppValues.h"
#include "app/PathKeeping.h"
#include "app/SharedDialogs.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Storing a recent path and setting the initial path, as procedures: the
// program never names a saved-paths file, so no window reaches them.
class TestPathKeeping : public QObject
{
    Q_OBJECT

private:
    static QByteArray Read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("(missing)");
    }
    static void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(bytes == "(missing)" || (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()));
    }

private slots:
    // before: the file's bytes, or "(missing)"; answer: to the question, if one is asked.
    void storeSavedPath_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message");
        const QString ask = QStringLiteral("Do you really want to save path '/z', in the saved paths file?");
        QTest::newRow("missing file: one line")
            << false << QByteArray("(missing)") << "/z" << true << QByteArray("/z\r\n") << ask;
        QTest::newRow("empty file: one line") << false << QByteArray() << "/z" << true << QByteArray("/z\r\n") << ask;
        QTest::newRow("new path first, the rest kept")
            << false << QByteArray("/x\r\n/y\n\r\n") << "/z" << true << QByteArray("/z\r\n/x\r\n/y\r\n\r\n") << ask;
        QTest::newRow("answered No") << false << QByteArray("/x\r\n") << "/z" << false << QByteArray("/x\r\n") << ask;
        QTest::newRow("stored in another case")
            << true << QByteArray("/x\r\n/Δεδομένα\r\n") << "/ΔΕΔΟΜΈΝΑ" << true << QByteArray("/x\r\n/Δεδομένα\r\n")
            << "Η διαδρομή «/ΔΕΔΟΜΈΝΑ», έχει ήδη αποθηκευθεί στο αρχείο με τις αποθηκευμένες διαδρομές.";
    }
    void storeSavedPath()
    {
        QFETCH(bool, greek);
        QFETCH(QByteArray, before);
        QFETCH(QString, path);
        QFETCH(bool, yes);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("paths.txt"));
        Write(file, before);
        ScriptedPlatform platform;
        platform.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        AppValues app;
        app.GreekLanguage = greek;
        const SharedDialogs dialogs(platform, app);

        const PathKeepingResult result = StoreSavedPath(dialogs, nullptr, path, file);
        QTEST(Read(file), "after");
        QCOMPARE(platform.messages.size(), 1);
        QTEST(platform.messages[0].text, "message");
        QCOMPARE(platform.messages[0].caption, greek ? QStringLiteral("Καταχώρηση διαδρομής") : "Store path");
        QCOMPARE(result.written, Read(file) != before && Read(file) != "(missing)");
        QCOMPARE(result.already, platform.messages[0].style == MessageStyle::Information);
        QCOMPARE(result.cancelled, !yes);
        QVERIFY(!result.failure.failed());
    }

    void storeWithoutAFileFails()
    {
        ScriptedPlatform platform;
        AppValues app;
        const PathKeepingResult result = StoreSavedPath(SharedDialogs(platform, app), nullptr, "/z", SavedPathsFile);
        QVERIFY(result.failure.failed());
        QVERIFY(!result.written);
        QVERIFY(platform.messages.isEmpty());
    }

    void setInitialPath_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("message");
        const QByteArray empty = "[General]\r\nLanguage=False\r\n";
        QTest::newRow("written") << false << empty << true << empty + "InitialPath=/data/Ελλάδα\r\n"
                                 << "Do you really want to set '/data/Ελλάδα', as the initial path of the application?";
        QTest::newRow("answered No") << true << empty << false << empty
                                     << "Θέλετε πράγματι να ορίσετε την διαδρομή «/data/Ελλάδα», ως αρχική διαδρομή "
                                        "της εφαρμογής;";
        const QByteArray same = "[General]\r\nInitialPath=/DATA/ΕΛΛΆΔΑ\r\n";
        QTest::newRow("the same in another case") << false << same << true << same
                                                  << "Path '/data/Ελλάδα', has already been set as the initial path "
                                                     "of the application.";
    }
    void setInitialPath()
    {
        QFETCH(bool, greek);
        QFETCH(QByteArray, before);
        QFETCH(bool, yes);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("zkEuroChangeoverAdviser.ini"));
        Write(file, before);
        ScriptedPlatform platform;
        platform.answers = {yes ? MessageAnswer::Yes : MessageAnswer::No};
        AppValues app;
        app.GreekLanguage = greek;
        const SharedDialogs dialogs(platform, app);
        SettingsStore settings(file);
        QVERIFY(!settings.load().failed());

        const PathKeepingResult result = SetInitialPath(dialogs, settings, nullptr, QStringLiteral("/data/Ελλάδα"));
        QTEST(Read(file), "after");
        QCOMPARE(platform.messages.size(), 1);
        QTEST(platform.messages[0].text, "message");
        QCOMPARE(result.written, Read(file) != before);
        QCOMPARE(result.already, platform.messages[0].style == MessageStyle::Information);
    }
};

QTEST_GUILESS_MAIN(TestPathKeeping)
#include "test_path_keeping.moc"
