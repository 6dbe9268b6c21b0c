#include "TestFiles.h"
#include "TestLocale.h"
#include "Unprivileged.h"
#include "report/PageSetup.h"
#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"
#include "settings/StateStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString Last = QStringLiteral("Last");
const QString Id = QStringLiteral("ID");

// "<bytes> | mode <octal> | inode <n>": a replacement changes the inode.
QString Snapshot(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    ::stat(name.constData(), &info);
    return QStringLiteral("%1 | mode %2 | inode %3")
        .arg(QString::fromUtf8(ReadFile(path)))
        .arg(info.st_mode, 0, 8)
        .arg(info.st_ino);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    static QString Read(const IniDocument &ini, Setting setting, int slot)
    {
        switch (Definition(setting).type) {
        case SettingType::Boolean:
            return ReadIniBoolean(ini, setting) ? QStringLiteral("true") : QStringLiteral("false");
        case SettingType::Integer:
            return QString::number(ReadIniInteger(ini, setting, slot));
        case SettingType::Currency:
            return QString::number(ReadIniCurrency(ini, setting).raw());
        case SettingType::Double:
            return QString::number(ReadIniDouble(ini, setting, slot), 'g', QLocale::FloatingPointShortest);
        case SettingType::String:
            return ReadIniString(ini, setting);
        }
        return {};
    }

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
        row("quotes removed", "[S]\nK=' Lek '\n", " Lek ");
        row("unmatched quotes kept", "[S]\nK=\"Lek'\n", "\"Lek'");
        row("lone quote kept", "[S]\nK=\"\n", "\"");
        row("first = splits", "[S]\nK = a=b\n", "a=b");
        row("cut to buffer", "[S]\nK=" + QByteArray(40, 'x'), QString(29, u'x'));
        row("pair never split", "[S]\nK=ab\xF0\x9F\x98\x80", "ab", 4);
        row("first duplicate section", "[S]\nA=1\n[s]\nK=Lek\n", "");
        row("first duplicate key", "[S]\nK=Lek\nk=Lat\n", "Lek");
        row("line without = is no key", "[S]\nK\nK=Lat\n", "Lat");
        row("key before sections", "K=Lek\n[S]\n", "");
        row("mixed line ends", "[S]\r\n\n\rA=1\n\rK=Lek", "Lek");
        row("blank value", "[S]\nK= \t \n", "");
        row("UTF-8 with BOM", "\xEF\xBB\xBF[S]\nK=\xCE\x94\xCF\x81\xCF\x87.\n", "Δρχ.");
        // A line that is valid UTF-8 reads as UTF-8, any other as Windows-1253.
        row("Windows-1253", "[S]\nK=\xC4\xF1\xE1\xF7\xEC\xDE\n", "Δραχμή");
        row("UTF-8 beside a 1253 comment", "; caf\xE9\n[S]\nK=\xCE\x94\xCF\x81\xCF\x87\n", "Δρχ");
    }

    void profileRules()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, bufferSize);
        QFETCH(QString, expected);
        QCOMPARE(IniDocument::fromBytes(file).value(QStringLiteral("S"), QStringLiteral("K"), bufferSize), expected);
    }

    // An edit keeps its own line's encoding where the text fits, and never touches another line.
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
        const QByteArray drachma = "\xC4\xF1\xE1\xF7\xEC\xDE"; // "Δραχμή" as Notepad on a Greek Windows saves it
        row("1253 stays 1253", "[Last]\r\nID=" + drachma + "\r\nA=" + drachma, "Λεκ €",
            "[Last]\r\nID=\xCB\xE5\xEA \x80\r\nA=" + drachma);
        row("what 1253 cannot hold goes in UTF-8", "[Last]\r\nID=" + drachma + "\r\n", "✓😀",
            "[Last]\r\nID=\xE2\x9C\x93\xF0\x9F\x98\x80\r\n");
        row("a UTF-8 line in a 1253 file", "; caf\xE9\r\n[Last]\r\nID=\xCE\x94\r\n", "Λεκ",
            "; caf\xE9\r\n[Last]\r\nID=\xCE\x9B\xCE\xB5\xCE\xBA\r\n");
        row("a new Greek line in a 1253 file", "; \xC4\r\n[Last]\r\n", "Δ", "; \xC4\r\n[Last]\r\nID=\xC4\r\n");
    }

    void edits()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        IniDocument ini = IniDocument::fromBytes(before);
        ini.setValue(Last, Id, value);
        QCOMPARE(ini.bytes(), after);
        QCOMPARE(ini.value(Last, Id, 60), IniDocument::fromBytes(after).value(Last, Id, 60));
    }

    void reads_data()
    {
        QTest::addColumn<Setting>("setting");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, Setting setting, int slot, const QString &stored, const QString &read) {
            QTest::newRow(name) << setting << slot << stored << read;
        };
        row("boolean, any case and spaces", Setting::Language, -1, " tRUe ", "true");
        row("decimals 2.0", Setting::Decimals, 7, "2.0", "0");
        row("ID 13", Setting::LastId, -1, "13", "13");
        row("ID -1", Setting::LastId, -1, "-1", "0");
        row("font size 13", Setting::FontSize, -1, "13", "8");
        row("lines per page 80", Setting::LinesPerPage, -1, "80", "80");
        // Stored numbers take "." and "," alike and no grouping, under either locale.
        row("amount with a comma", Setting::LastAmount, -1, "1000,5", "10005000");
        row("amount grouped", Setting::LastAmount, -1, "1,000.5", "10000");
        row("amount, two separators", Setting::LastAmount, -1, "1.000.000", "10000");
        row("amount with an exponent", Setting::LastAmount, -1, "1E+2", "10000");
        row("rate with a comma", Setting::Rate, 13, "-1,5E-07", "-1.5e-07");
        row("rate infinite", Setting::Rate, 7, "1E+400", "340.75");
        row("name cut to 29", Setting::OtherCurrency, -1, QString(40, u'Ω'), QString(29, u'Ω'));
        row("name NULs removed", Setting::OtherCurrency, -1, QStringLiteral("\0 Lek\0 lek\0"), "Lek lek");
        row("name blank", Setting::OtherCurrency, -1, " \t ", "?");
        row("window left of the screens", Setting::WindowLeft, -1, "-30000", "-30000");
        row("window too far down", Setting::WindowTop, -1, "30001", "0");
        row("window width negative", Setting::WindowWidth, -1, "-800", "0");
        row("window maximised", Setting::WindowMaximised, -1, "true", "true");
    }
    void reads()
    {
        QFETCH(Setting, setting);
        QFETCH(int, slot);
        QFETCH(QString, stored);
        const IniDocument ini = IniDocument::fromBytes("[" + SettingSection(setting).toUtf8() + "]\r\n"
                                                       + SettingKey(setting, slot).toUtf8() + "=" + stored.toUtf8());
        QTEST(Read(ini, setting, slot), "expected");
    }

    void writtenAndRead()
    {
        IniDocument ini;
        for (const double rate : {0.787564, -2.5, 1e-300}) {
            WriteIniDouble(ini, Setting::Rate, rate, 13);
            QCOMPARE(ReadIniDouble(ini, Setting::Rate, 13), rate);
        }
        WriteIniCurrency(ini, Setting::LastAmount, Money::minimum());
        QCOMPARE(ReadIniCurrency(ini, Setting::LastAmount), Money::minimum());
        QVERIFY(!ReadWindowPlace(ini));
        // A place beyond what is read back is kept at its edge; one without a size of the user's is kept too.
        KeepWindowPlace({QRect(-40000, 10, 800, 0), true, 200}, ini);
        std::optional<WindowPlace> place = ReadWindowPlace(ini);
        QVERIFY(place && place->geometry.isEmpty() && place->geometry.topLeft() == QPoint(-30000, 10));
        KeepWindowPlace({QRect(-40000, 10, 800, 600), true, 200}, ini);
        place = ReadWindowPlace(ini);
        QVERIFY(place && place->geometry == QRect(-30000, 10, 800, 600) && place->maximised
                && place->pixelRatio == 200);
        QCOMPARE(ini.bytes(),
                 "[Rates]\r\n13=" + Localized("1E-300").toUtf8()
                     + "\r\n[Last]\r\nAmount=" + Localized("-922337203685477.5808").toUtf8()
                     + "\r\n[Window]\r\nLeft=-30000\r\nTop=10\r\nWidth=800\r\nHeight=600\r\n"
                       "Maximised=True\r\nPixelRatio=200\r\n");
    }

    void pageSetup()
    {
        const IniDocument lowerCase = IniDocument::fromBytes("[PageSetup]\nFontName=courier new greek\n");
        QCOMPARE(LoadPageSetup(lowerCase).FontName, CourierNew);
    }

    // A change that leaves the bytes as they are does not touch the file: a re-run conversion writes nothing. A file
    // unreadable at the start is not replaced by the defaults the program runs on meanwhile; the reason is the
    // system's own.
    void keptAsItWas_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<ErrorCode>("error");
        QTest::newRow("unchanged") << "unchanged" << ErrorCode::None;
        QTest::newRow("too large") << "large" << ErrorCode::FileTooLarge;
        QTest::newRow("no permission to read") << "unreadable" << ErrorCode::PermissionDenied;
    }
    void keptAsItWas()
    {
        QFETCH(QString, kind);
        if (kind == u"unreadable" && RanUnprivileged())
            return;
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
        QVERIFY(WriteFile(store.path(),
                          kind == u"large" ? QByteArray(IniDocument::MaximumFileSize + 1, ';') : "[Last]\r\nID=3\r\n"));
        QVERIFY(kind != u"unreadable" || QFile::setPermissions(store.path(), QFile::WriteOwner));
        QTEST(store.load().code, "error");
        QVERIFY(QFile::setPermissions(store.path(), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(kind == u"unchanged" || WriteFile(store.path(), "[Last]\r\nID=5\r\n"));
        const QString before = Snapshot(store.path());
        QTEST(store.edit([](IniDocument &ini) { WriteIniInteger(ini, Setting::LastId, 3); }).code, "error");
        QCOMPARE(Snapshot(store.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
