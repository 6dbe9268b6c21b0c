#include "platform/InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestInstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void oneCopyPerFolder()
    {
        QTemporaryDir mine;
        QTemporaryDir others;
        auto first = std::make_unique<InstanceLock>(mine.path());
        InstanceLock second(mine.path());
        InstanceLock otherUser(others.path());
        QCOMPARE(first->acquire(), InstanceLock::Result::Acquired);
        QCOMPARE(second.acquire(), InstanceLock::Result::HeldByOther);
        QCOMPARE(otherUser.acquire(), InstanceLock::Result::Acquired);
        QCOMPARE(first->acquire(), InstanceLock::Result::Acquired);
        first.reset();
        QCOMPARE(second.acquire(), InstanceLock::Result::Acquired);
    }

    // Lock files nobody holds any more are taken over.
    void staleLockTakenOver_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QProcess gone;
        gone.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(gone.waitForStarted());
        const QByteArray pid = QByteArray::number(gone.processId());
        gone.kill();
        QVERIFY(gone.waitForFinished());
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        QTest::newRow("crashed copy") << pid + "\neuro-changeover-adviser\n" + host + "\n";
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x7f" "ELF\n\n\x01\x02");
    }
    void staleLockTakenOver()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        InstanceLock lock(dir.path());
        QFile file(lock.filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        QCOMPARE(lock.acquire(), InstanceLock::Result::Acquired);
        QCOMPARE(InstanceLock(dir.path()).acquire(), InstanceLock::Result::HeldByOther);
    }

    void folderThatCannotHoldALock()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("file")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QCOMPARE(InstanceLock(plain.fileName()).acquire(), InstanceLock::Result::Unavailable);
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "test_instance_lock.moc"
