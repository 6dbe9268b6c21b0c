#include "TestLocale.h"
#include "app/ErrorNumbers.h"
#include "settings/IniAccess.h"
#include "settings/IniDocument.h"
#include "settings/SettingsKeys.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    // Rows read section "S", key "K" into a buffer of 30 unless told.
    void profileRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("bufferSize");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const QByteArray &file, const QString &expected, int bufferSize = 30) {
            QTest::newRow(name) << file << bufferSize << expected;
        };
        row("names ignore case", "[s]\r\nk=Lek\r\n", "Lek");
        row("names and value trimmed", " \t[ S ] \r\n K \t= \tLek lek \t\r\n", "Lek lek");
        row("double quotes removed", "[S]\nK=\" Lek \"\n", " Lek ");
        row("single quotes removed", "[S]\nK='Lek'\n", "Lek");
        row("unmatched quotes kept", "[S]\nK=\"Lek'\n", "\"Lek'");
        row("lone quote kept", "[S]\nK=\"\n", "\"");
        row("first = splits", "[S]\nK = a=b\n", "a=b");
        row("cut to buffer", "[S]\nK=" + QByteArray(40, 'x'), QString(29, u'x'));
        row("pair never split", "[S]\nK=ab\xF0\x9F\x98\x80", "ab", 4);
        row("first duplicate section", "[S]\nA=1\n[s]\nK=Lek\n", "");
        row("first duplicate key", "[S]\nK=Lek\nk=Lat\n", "Lek");
        row("line without = is no key", "[S]\nK\nK=Lat\n", "Lat");
        row("key before sections", "K=Lek\n[S]\n", "");
        row("key of another section", "[S]\n[T]\nK=Lek\n", "");
        row("CR line ends", "[S]\rA=1\rK=Lek\r", "Lek");
        row("mixed line ends", "[S]\r\n\n\rA=1\n\rK=Lek", "Lek");
        row("blank value", "[S]\nK= \t \n", "");
        row("UTF-8 with BOM", "\xEF\xBB\xBF[S]\nK=\xCE\x94\xCF\x81\xCF\x87.\n", "Δρχ.");
    }

    void profileRules()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, bufferSize);
        QFETCH(QString, expected);
        QCOMPARE(IniDocument::fromBytes(file).value(QStringLiteral("S"), QStringLiteral("K"), bufferSize), expected);
    }

    // Rows set Last/ID.
    void edits_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        auto row = [](const char *name, const QByteArray &before, const QString &value, const QByteArray &after) {
            QTest::newRow(name) << before << value << after;
        };
        row("replaced in place", "; note\n[last]\r\n  id \t=  7  \r\nAmount=1\n", "13",
            "; note\n[last]\r\n  id \t=  13  \r\nAmount=1\n");
        row("quotes replaced too", "[Last]\nID=\"7\"\n", "3", "[Last]\nID=3\n");
        row("empty value filled", "[Last]\nID=\n", "3", "[Last]\nID=3\n");
        row("first duplicate edited", "[Last]\nID=1\nID=2\n[Last]\nID=4\n", "3", "[Last]\nID=3\nID=2\n[Last]\nID=4\n");
        row("new key before blank lines", "[Last]\nAmount=1\n\r\n  \n[Rates]\n", "3",
            "[Last]\nAmount=1\nID=3\r\n\r\n  \n[Rates]\n");
        row("new key in first duplicate", "[Last]\n[Rates]\n[Last]\nID=4", "3",
            "[Last]\nID=3\r\n[Rates]\n[Last]\nID=4");
        row("new key, no final line end", "[Last]\nAmount=1", "3", "[Last]\nAmount=1\r\nID=3\r\n");
        row("new section", "[Rates]\n0=1\n", "3", "[Rates]\n0=1\n[Last]\r\nID=3\r\n");
        row("new section, no final line end", "[Rates]\n0=1", "3", "[Rates]\n0=1\r\n[Last]\r\nID=3\r\n");
        row("new section after BOM", "\xEF\xBB\xBF", "3", "\xEF\xBB\xBF[Last]\r\nID=3\r\n");
        row("line breaks become spaces", "", "3\r\n[X]\nY=1\r", "[Last]\r\nID=3  [X] Y=1 \r\n");
    }

    void edits()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        IniDocument ini = IniDocument::fromBytes(before);
        ini.setValue(Settings::Last, Settings::Id, value);
        QCOMPARE(ini.bytes(), after);
        // The index follows the edit.
        QCOMPARE(ini.value(Settings::Last, Settings::Id, 60),
                 IniDocument::fromBytes(after).value(Settings::Last, Settings::Id, 60));
    }

    void fileFromNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new.ini"));
        QCOMPARE(WriteIniInteger(path, Settings::Last, Settings::Id, 3), ErrorNumber::None);
        QCOMPARE(ReadFile(path), QByteArray("[Last]\r\nID=3\r\n"));
    }

    void greekCodePage()
    {
        // "Δραχμή" in Windows-1253, as Notepad on a Greek Windows saves it.
        IniDocument ini = IniDocument::fromBytes("[General]\r\nOtherCurrency=\xC4\xF1\xE1\xF7\xEC\xDE\r\n");
        QCOMPARE(ini.value(Settings::General, Settings::OtherCurrency, 30), QStringLiteral("Δραχμή"));

        ini.setValue(Settings::General, Settings::OtherCurrency, QStringLiteral("Λεκ € ✓😀"));
        QCOMPARE(ini.bytes(), QByteArray("[General]\r\nOtherCurrency=\xCB\xE5\xEA \x80 ??\r\n"));
        QCOMPARE(IniDocument::fromBytes(ini.bytes()).value(Settings::General, Settings::OtherCurrency, 30),
                 QStringLiteral("Λεκ € ??"));
    }

    // Whatever lies at the settings path, reads give defaults and nothing crashes.
    void brokenFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint32>("writeError");
        QTest::newRow("missing file") << "missing" << ErrorNumber::None;
        QTest::newRow("folder in the way") << "folder" << ErrorNumber::PathFileAccessError;
        QTest::newRow("missing folder") << "missing/folder" << ErrorNumber::PathFileAccessError;
        QTest::newRow("binary garbage") << "garbage" << ErrorNumber::None;
        QTest::newRow("10 MB of keys") << "huge" << ErrorNumber::None;
    }

    void brokenFiles()
    {
        QFETCH(QString, kind);
        QFETCH(qint32, writeError);
        QTemporaryDir dir;
        const QString path = dir.filePath(kind);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(kind));
        } else if (kind == QLatin1String("garbage")) {
            QByteArray bytes(1 << 20, Qt::Uninitialized);
            QRandomGenerator random(1);
            random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            WriteFile(path, QByteArrayLiteral("[Last]\nID=\0\xFF\x01\n") + bytes);
        } else if (kind == QLatin1String("huge")) {
            QByteArray bytes = "[Last]\n";
            while (bytes.size() < 10'000'000)
                bytes += "Key" + QByteArray::number(bytes.size()) + "=some value\r\n";
            WriteFile(path, bytes);
        }

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(ReadIniInteger(path, Settings::Last, Settings::Id, 1, 0, 13), 1);
        QCOMPARE(WriteIniInteger(path, Settings::Last, Settings::Id, 3), writeError);
        QCOMPARE(ReadIniInteger(path, Settings::Last, Settings::Id, 1, 0, 13), writeError ? 1 : 3);
        QVERIFY2(timer.elapsed() < 2000, "a read, a write and a read take seconds");
        QCOMPARE(QFileInfo(path).isDir(), kind == QLatin1String("folder"));
    }

    void unreadableFile()
    {
        if (geteuid() == 0)
            QSKIP("root reads and writes files whatever their permissions");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("locked.ini"));
        WriteFile(path, "[Last]\r\nID=5\r\n");
        QVERIFY(QFile::setPermissions(path, {}));
        QCOMPARE(ReadIniInteger(path, Settings::Last, Settings::Id, 1, 0, 13), 1);
        QCOMPARE(WriteIniInteger(path, Settings::Last, Settings::Id, 3), ErrorNumber::PermissionDenied);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QCOMPARE(ReadFile(path), QByteArray("[Last]\r\nID=5\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestIniDocument)
#include "test_ini_document.moc"
