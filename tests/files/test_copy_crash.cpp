#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
           && file.write(bytes) == bytes.size();
}

} // namespace

class TestCopyCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedCopyLeavesOldOrNewFile()
    {
        QTemporaryDir dir;
        // Sizes that take a while to write, and differ, so a cut or a mix of the two shows.
        const QByteArray oldFile = QByteArray("old ").repeated(2 << 20);
        const QByteArray newFile = QByteArray("NEW!").repeated(3 << 19);
        const QString target = dir.filePath(QStringLiteral("dst/data.bin"));
        QVERIFY(Write(dir.filePath(QStringLiteral("old/data.bin")), oldFile));
        QVERIFY(Write(dir.filePath(QStringLiteral("new/data.bin")), newFile));
        QVERIFY(Write(target, oldFile));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")) && QDir(dir.path()).mkdir(QStringLiteral("run")));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));

        for (int round = 0; round < 20; ++round) {
            QProcess copier;
            copier.setProcessEnvironment(environment);
            copier.start(QStringLiteral(COPY_LOOP), {dir.filePath(QStringLiteral("old/data.bin")),
                                                     dir.filePath(QStringLiteral("new/data.bin")), dir.filePath("dst")});
            QVERIFY(copier.waitForReadyRead(10000));
            // Each copy writes megabytes, so a kill within 150 ms mostly lands inside one.
            QThread::msleep(QRandomGenerator::global()->bounded(150));
            copier.kill();
            QVERIFY(copier.waitForFinished());
            QCOMPARE(copier.exitStatus(), QProcess::CrashExit);

            const QByteArray bytes = Read(target);
            QVERIFY2(bytes == oldFile || bytes == newFile, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCopyCrash)
#include "test_copy_crash.moc"
