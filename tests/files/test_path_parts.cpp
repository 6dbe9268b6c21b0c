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
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("removed");
        QTest::newRow("file") << "C:\\d\\f.ini" << "\\" << "f.ini" << "C:\\d" << "C:\\d\\f.ini\\" << "C:\\d\\f.ini";
        QTest::newRow("drive root file") << "C:\\f.ini" << "\\" << "f.ini" << "C:" << "C:\\f.ini\\" << "C:\\f.ini";
        QTest::newRow("folder") << "C:\\dir\\" << "\\" << "" << "C:\\dir" << "C:\\dir\\" << "C:\\dir";
        QTest::newRow("bare name") << "f.ini" << "\\" << "" << "" << "f.ini\\" << "f.ini";
        QTest::newRow("empty") << "" << "\\" << "" << "" << "\\" << "";
        QTest::newRow("drive") << "C:" << "\\" << "" << "" << "C:\\" << "C:";
        QTest::newRow("drive root") << "C:\\" << "\\" << "" << "C:" << "C:\\" << "C:";
        QTest::newRow("two at end") << "C:\\d\\\\" << "\\/" << "" << "C:\\d\\" << "C:\\d\\\\" << "C:\\d\\";
        QTest::newRow("native") << "/home/f.ini" << "" << "f.ini" << "/home" << "/home/f.ini/" << "/home/f.ini";
        QTest::newRow("native root") << "/" << "" << "" << "" << "/" << "";
        QTest::newRow("native, backslash") << "/a\\b" << "/" << "a\\b" << "" << "/a\\b/" << "/a\\b";
    }
    void parts()
    {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        QTEST(FileNamePart(path, separator), "fileName");
        QTEST(FolderPart(path, separator), "folder");
        QTEST(AddTrailingSeparator(path, separator), "added");
        QTEST(RemoveTrailingSeparator(path, separator), "removed");
    }

    void firstSeparator()
    {
        QCOMPARE(FileNamePart(QStringLiteral("C:\\d\\f"), u"\\", false), QStringLiteral("d\\f"));
        QCOMPARE(FolderPart(QStringLiteral("C:\\d\\f"), u"\\", false), QStringLiteral("C:"));
    }

    void comparisonKey_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("same");
        QTest::newRow("latin") << "/home/User/Euro.ini" << "/HOME/user/euro.INI" << true;
        QTest::newRow("greek, final sigma") << "/Έγγραφα/λογαριασμός" << "/ΈΓΓΡΑΦΑ/ΛΟΓΑΡΙΑΣΜΌΣ" << true;
        QTest::newRow("accent differs") << "/αρχείο" << "/αρχειο" << false;
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
