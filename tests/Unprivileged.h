#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// Whether permission bits stop this process. They do not stop root, who may
// write any file: a row about a refused permission would prove nothing there.
inline bool PermissionBitsBind()
{
    QTemporaryDir dir;
    const QByteArray probe = QFile::encodeName(dir.filePath(QStringLiteral("read-only")));
    QFile(dir.filePath(QStringLiteral("read-only"))).open(QIODevice::WriteOnly);
    return ::chmod(probe.constData(), 0400) == 0 && ::access(probe.constData(), W_OK) != 0;
}

// For a row whose point is a refused permission. Where the bits bind, returns
// false and the row runs here. Where they do not (the tests run as root), the
// row runs instead in a copy of this test program started as nobody (setpriv),
// with a home and temporary folder of its own that nobody may write; its
// failure fails the row here. Returns true then: the caller returns at once.
inline bool RanUnprivileged()
{
    if (PermissionBitsBind())
        return false;
    constexpr uid_t nobody = 65534;
    QTemporaryDir home;
    const QString program = home.filePath(QStringLiteral("test"));
    const QString run = home.filePath(QStringLiteral("run"));
    // Copied: the build tree may lie where nobody may not go.
    bool ready = QFile::copy(QCoreApplication::applicationFilePath(), program) && QDir().mkdir(run)
        && ::chmod(QFile::encodeName(run).constData(), 0700) == 0;
    for (const QString &path : {home.path(), run, program})
        ready = ready && ::chown(QFile::encodeName(path).constData(), nobody, nobody) == 0;
    if (!ready) {
        QTest::qFail("no folder for an unprivileged run", __FILE__, __LINE__);
        return true;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("TMPDIR"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), run);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(home.path());
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString row =
        QString::fromUtf8(QTest::currentTestFunction()) + u':' + QString::fromUtf8(QTest::currentDataTag());
    // Where it always lies: a test may have changed PATH.
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"), {"/usr/bin", "/bin"});
    child.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", "--", program, row});
    const bool passed =
        child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    if (!passed)
        QTest::qFail(qPrintable(child.errorString() + u'\n' + QString::fromLocal8Bit(child.readAll())), __FILE__,
                     __LINE__);
    return true;
}
