#include "settings/IniDocument.h"
#include "settings/SettingsStore.h"

#include "TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// Enough other keys that a kill often lands in the middle of writing them out.
static QByteArray FileWith(const QByteArray &name)
{
    QByteArray bytes = "[General]\r\nOtherCurrency=" + name + "\r\n[Filler]\r\n";
    for (int i = 0; i < 3000; ++i)
        bytes += "Key" + QByteArray::number(i) + "=" + QByteArray(40, 'x') + "\r\n";
    return bytes;
}

class TestIniCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedWriterLeavesOldOrNewFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        const QByteArray oldFile = FileWith("Old"), newFile = FileWith("New, longer name");
        QVERIFY(WriteFile(path, oldFile));
        for (int round = 0; round < 5; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(INI_WRITE_LOOP), {path});
            QVERIFY(writer.waitForReadyRead(10000));
            QThread::msleep(300);
            writer.kill();
            QVERIFY(writer.waitForFinished() && writer.exitStatus() == QProcess::CrashExit);
            const QByteArray bytes = IniDocument::load(path).bytes();
            QVERIFY2(bytes == oldFile || bytes == newFile, qPrintable(QStringLiteral("round %1").arg(round)));
            // The next start clears what an interrupted save left beside the file.
            SettingsStore(path).removeSaveLeftovers();
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("settings.ini")});
        }
    }
};

QTEST_GUILESS_MAIN(TestIniCrash)
#include "test_ini_crash.moc"
