#include "platform/InstanceLock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Result = InstanceLock::Result;

class TestInstanceLock : public QObject
{
    Q_OBJECT

private slots:
    void oneCopyPerRuntimeFolder()
    {
        QTemporaryDir mine;
        QTemporaryDir others;
        auto first = std::make_unique<InstanceLock>(mine.path());
        InstanceLock second(mine.path());
        QCOMPARE(first->acquire(), Result::Acquired);
        QCOMPARE(second.acquire(), Result::HeldByOther);
        QCOMPARE(InstanceLock(others.path()).acquire(), Result::Acquired);
        first.reset();
        QCOMPARE(second.acquire(), Result::Acquired);
    }

    // Lock files that name no process, empty or damaged, are taken over. (A lock
    // left by a copy that crashed is taken over too: test_program kills a real copy.)
    void staleLockTakenOver()
    {
        for (const char *contents : {"", "\177ELF\n\n"}) {
            QTemporaryDir dir;
            InstanceLock lock(dir.path());
            QFile file(lock.filePath());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) >= 0 && file.flush());
            QCOMPARE(lock.acquire(), Result::Acquired);
            QCOMPARE(InstanceLock(dir.path()).acquire(), Result::HeldByOther);
        }
    }

    // A folder that is a file: no lock at all, which is not another copy.
    void lockThatCannotBeMade()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath(QStringLiteral("file")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QCOMPARE(InstanceLock(plain.fileName()).acquire(), Result::Unavailable);
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "test_instance_lock.moc"
