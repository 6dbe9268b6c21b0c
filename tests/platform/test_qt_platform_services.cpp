#include "platform/QtPlatformServices.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The desktop's own platform, for what tests can do without a person: start
// a program that goes on without us.
class TestQtPlatformServices : public QObject
{
    Q_OBJECT

private slots:
    void startDetached()
    {
        QTemporaryDir dir;
        // The started program gets folders of its own.
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
        const QString program = dir.filePath(QStringLiteral("sysinfo"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$1\" > \"$2\"\n");
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
        script.close();

        QtPlatformServices platform;
        const QString marker = dir.filePath(QStringLiteral("ran"));
        QVERIFY(platform.startDetached(program, {QStringLiteral("two words"), marker}));
        const auto written = [&marker] {
            QFile ran(marker);
            return ran.open(QIODevice::ReadOnly) ? ran.readAll() : QByteArray();
        };
        QTRY_COMPARE_WITH_TIMEOUT(written(), QByteArray("two words\n"), 5000);
        QVERIFY(!platform.startDetached(dir.filePath(QStringLiteral("missing")), {}));
    }
};

QTEST_GUILESS_MAIN(TestQtPlatformServices)
#include "test_qt_platform_services.moc"
