#include "platform/QtPlatformServices.h"

#include <QFontDatabase>
#include <QLabel>
#include <QtTest>

// Paths shortened to a label's width; a fixed-pitch font makes a width a number of characters.
class TestCompactPath : public QObject
{
    Q_OBJECT

private slots:
    void compactPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("characters");
        QTest::addColumn<QString>("expected");
        const QString file = QStringLiteral("/home/user/backups/zkEuroChangeoverAdviser.ini");
        QTest::newRow("fits") << file << 46 << file;
        QTest::newRow("middle gives way") << file << 40 << "/home/use.../zkEuroChangeoverAdviser.ini";
        QTest::newRow("only the name fits") << file << 31 << ".../zkEuroChangeoverAdviser.ini";
        QTest::newRow("name cut at its end") << file << 12 << "/zkEuroCh...";
        QTest::newRow("folder keeps its name") << "/media/usb-stick/settings/" << 20 << "/media/.../settings/";
        QTest::newRow("no separator") << "zkEuroChangeoverAdviser.ini" << 10 << "zkEuroC...";
    }
    void compactPath()
    {
        QFETCH(QString, path);
        QFETCH(int, characters);
        QLabel label;
        label.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        const QFontMetrics metrics = label.fontMetrics();
        if (metrics.horizontalAdvance(QStringLiteral("iiii")) != metrics.horizontalAdvance(QStringLiteral("WWWW")))
            QSKIP("no fixed-pitch font");
        label.setFixedWidth(metrics.horizontalAdvance(QString(characters, u'x')));
        QtPlatformServices platform;
        QTEST(platform.compactPathForLabel(&label, path), "expected");
    }
};

QTEST_MAIN(TestCompactPath)
#include "test_compact_path.moc"
