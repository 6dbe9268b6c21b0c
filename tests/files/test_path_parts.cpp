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
        QTest::newRow("file") << "C:\\d\\f.ini"
                              << "\\"
                              << "f.ini | C:\\d | C:\\d\\f.ini\\ | C:\\d\\f.ini";
        QTest::newRow("folder") << "C:\\dir\\"
                                << "\\"
                                << " | C:\\dir | C:\\dir\\ | C:\\dir";
        QTest::newRow("bare name") << "f.ini"
                                   << "\\"
                                   << " |  | f.ini\\ | f.ini";
        QTest::newRow("empty") << ""
                               << "\\"
                               << " |  | \\ | ";
        QTest::newRow("drive root") << "C:\\"
                                    << "\\"
                                    << " | C: | C:\\ | C:";
        QTest::newRow("two at end") << "C:\\d\\\\"
                                    << "\\/"
                                    << " | C:\\d\\ | C:\\d\\\\ | C:\\d\\";
        QTest::newRow("native") << "/home/f.ini"
                                << ""
                                << "f.ini | /home | /home/f.ini/ | /home/f.ini";
        QTest::newRow("native, backslash") << "/a\\b"
                                           << "/"
                                           << "a\\b |  | /a\\b/ | /a\\b";
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

    void comparisonKey_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        QTest::newRow("latin") << "/home/User/Euro.ini"
                               << "/HOME/user/euro.INI" << true;
        QTest::newRow("greek, final sigma") << "/Έγγραφα/λογαριασμός"
                                            << "/ΈΓΓΡΑΦΑ/ΛΟΓΑΡΙΑΣΜΌΣ" << true;
        QTest::newRow("accent differs") << "/αρχείο"
                                        << "/αρχειο" << false;
    }
    void comparisonKey()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QTEST(ComparisonKey(first, false) == ComparisonKey(second, false), "same");
        QCOMPARE(ComparisonKey(first, true), first);
    }
};

QTEST_GUILESS_MAIN(TestPathParts)
#include "test_path_parts.moc"
