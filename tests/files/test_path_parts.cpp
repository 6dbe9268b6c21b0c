#include "files/PathParts.h"

#include "TestLocale.h"

#include <QTest>

class TestPathParts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void parts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("separator"); // empty: the native one
        QTest::addColumn<QString>("parts");     // file name | folder | separator added | separator removed
        const auto row = [](const char *name, const char *path, const char *separator, const char *parts) {
            QTest::newRow(name) << QString(path) << QString(separator) << QString(parts);
        };
        row("file", "C:\\d\\f.ini", "\\", "f.ini | C:\\d | C:\\d\\f.ini\\ | C:\\d\\f.ini");
        row("bare name", "f.ini", "\\", " |  | f.ini\\ | f.ini");
        row("empty", "", "\\", " |  | \\ | ");
        row("drive root", "C:\\", "\\", " | C: | C:\\ | C:");
        row("two at end", "C:\\d\\\\", "\\/", " | C:\\d\\ | C:\\d\\\\ | C:\\d\\");
        row("native", "/home/f.ini", "", "f.ini | /home | /home/f.ini/ | /home/f.ini");
        row("native, backslash", "/a\\b", "/", "a\\b |  | /a\\b/ | /a\\b");
    }
    void parts()
    {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        const QStringList parts = {FileNamePart(path, separator), FolderPart(path, separator),
                                   AddTrailingSeparator(path, separator), RemoveTrailingSeparator(path, separator)};
        QTEST(parts.join(QStringLiteral(" | ")), "parts");
    }

    void firstSeparator()
    {
        const QString path = QStringLiteral("C:\\d\\f");
        QCOMPARE(FolderPart(path, u"\\", false) + u'|' + FileNamePart(path, u"\\", false), QStringLiteral("C:|d\\f"));
    }

    // Letter case aside, as the file system of the program's home would; a final sigma is a sigma.
    void comparisonKey()
    {
        const auto same = [](const QString &first, const QString &second) {
            return ComparisonKey(first, false) == ComparisonKey(second, false) && ComparisonKey(first, true) == first;
        };
        QVERIFY(same(QStringLiteral("/home/User/Euro.ini"), QStringLiteral("/HOME/user/euro.INI")));
        QVERIFY(same(QStringLiteral("/Έγγραφα/λογαριασμός"), QStringLiteral("/ΈΓΓΡΑΦΑ/ΛΟΓΑΡΙΑΣΜΌΣ")));
        QVERIFY(!same(QStringLiteral("/αρχείο"), QStringLiteral("/αρχειο")));
    }
};

QTEST_GUILESS_MAIN(TestPathParts)
#include "test_path_parts.moc"
