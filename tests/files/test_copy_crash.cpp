#include "TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class TestCopyCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedCopyLeavesOldOrNewFile()
    {
        QTemporaryDir dir;
        // Megabytes, so that a kill lands inside a copy; of two sizes, so that a cut or a mix shows.
        const QByteArray oldFile = QByteArray("old ").repeated(2 << 20);
        const QByteArray newFile = QByteArray("NEW!").repeated(3 << 19);
        const std::pair<const char *, QByteArray> files[] = {{"old", oldFile}, {"new", newFile}, {"dst", oldFile}};
        for (const auto &[folder, bytes] : files)
            QVERIFY(QDir(dir.path()).mkdir(folder) && WriteFile(dir.filePath(QString(folder) + "/data.bin"), bytes));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"TMPDIR", "XDG_RUNTIME_DIR"}) { // private ones, as for every started program
            QVERIFY(QDir(dir.path()).mkdir(variable));
            environment.insert(variable, dir.filePath(variable));
        }
        const QStringList arguments{dir.filePath("old/data.bin"), dir.filePath("new/data.bin"), dir.filePath("dst")};
        for (int round = 0; round < 20; ++round) {
            QProcess copier;
            copier.setProcessEnvironment(environment);
            copier.start(QStringLiteral(COPY_LOOP), arguments);
            QVERIFY(copier.waitForReadyRead(10000));
            QThread::msleep(QRandomGenerator::global()->bounded(150));
            copier.kill();
            QVERIFY(copier.waitForFinished() && copier.exitStatus() == QProcess::CrashExit);

            const QByteArray bytes = ReadFile(dir.filePath(QStringLiteral("dst/data.bin")));
            QVERIFY2(bytes == oldFile || bytes == newFile, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCopyCrash)
#include "test_copy_crash.moc"
