#include "files/PathParts.h"

#include "TestLocale.h"

#include <QTest>

class TestPathParts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void splitting_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("fromEnd");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::newRow("windows file") << "C:\\dir\\file.ini" << "\\" << true << "file.ini" << "C:\\dir";
        QTest::newRow("windows root file") << "C:\\file.ini" << "\\" << true << "file.ini" << "C:";
        QTest::newRow("windows folder") << "C:\\dir\\" << "\\" << true << "" << "C:\\dir";
        QTest::newRow("windows bare name") << "file.ini" << "\\" << true << "" << "";
        QTest::newRow("windows first") << "C:\\dir\\file.ini" << "\\" << false << "dir\\file.ini" << "C:";
        QTest::newRow("only first char") << "a;b;c" << ";x" << true << "c" << "a;b";
        QTest::newRow("slash not backslash") << "C:\\dir/file" << "\\" << true << "dir/file" << "C:";
        QTest::newRow("native file") << "/home/user/file.ini" << "/" << true << "file.ini" << "/home/user";
        QTest::newRow("native root file") << "/file.ini" << "/" << true << "file.ini" << "";
        QTest::newRow("native default") << "/home/user/" << "" << true << "" << "/home/user";
        QTest::newRow("native first") << "/home/user" << "" << false << "home/user" << "";
        QTest::newRow("empty") << "" << "" << true << "" << "";
    }
    void splitting()
    {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        QFETCH(bool, fromEnd);
        QTEST(FileNamePart(path, separator, fromEnd), "fileName");
        QTEST(FolderPart(path, separator, fromEnd), "folder");
        if (separator.isEmpty() && fromEnd) {
            QTEST(FileNamePart(path), "fileName");
            QTEST(FolderPart(path), "folder");
        }
    }

    void trailingSeparator_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("removed");
        QTest::newRow("windows empty") << "" << "\\" << "\\" << "";
        QTest::newRow("windows drive") << "C:" << "\\" << "C:\\" << "C:";
        QTest::newRow("windows root") << "C:\\" << "\\" << "C:\\" << "C:";
        QTest::newRow("windows double") << "C:\\dir\\\\" << "\\" << "C:\\dir\\\\" << "C:\\dir\\";
        QTest::newRow("windows slash") << "C:/dir/" << "\\" << "C:/dir/\\" << "C:/dir/";
        QTest::newRow("native empty") << "" << "/" << "/" << "";
        QTest::newRow("native folder") << "/home/user" << "/" << "/home/user/" << "/home/user";
        QTest::newRow("native root") << "/" << "/" << "/" << "";
        QTest::newRow("native double") << "/tmp//" << "" << "/tmp//" << "/tmp/";
    }
    void trailingSeparator()
    {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        QTEST(AddTrailingSeparator(path, separator), "added");
        QTEST(RemoveTrailingSeparator(path, separator), "removed");
        if (separator == u"/") {
            QTEST(AddTrailingSeparator(path), "added");
            QTEST(RemoveTrailingSeparator(path), "removed");
        }
    }

    void comparisonKey_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("sameIgnoringCase");
        QTest::newRow("latin") << "/home/User/Euro.ini" << "/HOME/user/euro.INI" << true;
        QTest::newRow("greek accents") << "/Έγγραφα/αρχείο.ini" << "/ΈΓΓΡΑΦΑ/ΑΡΧΕΊΟ.INI" << true;
        QTest::newRow("final sigma") << "/λογαριασμός" << "/ΛΟΓΑΡΙΑΣΜΌΣ" << true;
        QTest::newRow("accent differs") << "/αρχείο" << "/αρχειο" << false;
        QTest::newRow("other name") << "/home/a" << "/home/b" << false;
    }
    void comparisonKey()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QTEST(ComparisonKey(first, false) == ComparisonKey(second, false), "sameIgnoringCase");
        QCOMPARE(ComparisonKey(first, true), first);
        QCOMPARE(ComparisonKey(first, true) == ComparisonKey(second, true), first == second);
    }
};

QTEST_GUILESS_MAIN(TestPathParts)
#include "test_path_parts.moc"
