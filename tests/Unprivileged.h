#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// For a row about a refused permission: false where permission bits bind, and
// the row runs here. Where they do not (root), it runs in a copy of this test
// program as nobody (setpriv), with a home and temporary folder of its own, and
// fails here if it fails there; true then, and the caller returns.
inline bool RanUnprivileged()
{
    QTemporaryDir home;
    const QByteArray probe = QFile::encodeName(home.filePath(QStringLiteral("probe")));
    if (QFile(QString::fromLocal8Bit(probe)).open(QIODevice::WriteOnly) && ::chmod(probe.constData(), 0400) == 0
        && ::access(probe.constData(), W_OK) != 0)
        return false;
    // A copy: the build tree may lie where nobody may not go.
    const QString program = home.filePath(QStringLiteral("test")), run = home.filePath(QStringLiteral("run"));
    bool ready = QFile::copy(QCoreApplication::applicationFilePath(), program) && QDir().mkdir(run);
    for (const QString &path : {home.path(), run, program})
        ready = ready && ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        environment.remove(QLatin1String(variable));
    for (const char *variable : {"HOME", "TMPDIR", "XDG_RUNTIME_DIR"})
        environment.insert(QLatin1String(variable), variable[0] == 'X' ? run : home.path());
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setWorkingDirectory(home.path());
    child.setProcessChannelMode(QProcess::MergedChannels);
    // Where it always lies: a test may have changed PATH.
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"), {"/usr/bin", "/bin"});
    const QString row =
        QString::fromUtf8(QTest::currentTestFunction()) + u':' + QString::fromUtf8(QTest::currentDataTag());
    if (ready)
        child.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", "--", program, row});
    if (!ready || !child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        QTest::qFail(qPrintable(child.errorString() + u'\n' + QString::fromLocal8Bit(child.readAll())), __FILE__,
                     __LINE__);
    return true;
}
