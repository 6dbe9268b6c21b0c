#include <QDir>
#include <QFile>
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
        for (const auto &[folder, bytes] : files) {
            QFile file(dir.filePath(QString::fromLatin1(folder) + QStringLiteral("/data.bin")));
            QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(folder)) && file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(bytes), bytes.size());
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")) && QDir(dir.path()).mkdir(QStringLiteral("run")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));

        for (int round = 0; round < 20; ++round) {
            QProcess copier;
            copier.setProcessEnvironment(environment);
            copier.start(QStringLiteral(COPY_LOOP),
                         {dir.filePath(QStringLiteral("old/data.bin")), dir.filePath(QStringLiteral("new/data.bin")),
                          dir.filePath(QStringLiteral("dst"))});
            QVERIFY(copier.waitForReadyRead(10000));
            QThread::msleep(QRandomGenerator::global()->bounded(150));
            copier.kill();
            QVERIFY(copier.waitForFinished());
            QCOMPARE(copier.exitStatus(), QProcess::CrashExit);

            QFile target(dir.filePath(QStringLiteral("dst/data.bin")));
            QVERIFY(target.open(QIODevice::ReadOnly));
            const QByteArray bytes = target.readAll();
            QVERIFY2(bytes == oldFile || bytes == newFile, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCopyCrash)
#include "test_copy_crash.moc"
