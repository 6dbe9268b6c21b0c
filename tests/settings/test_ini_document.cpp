#include "settings/IniDocument.h"

#include <QTest>

namespace {
const QString Last = QStringLiteral("Last");
const QString Id = QStringLiteral("ID");
} // namespace

class TestIniDocument : public QObject
{
    Q_OBJECT

private slots:
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

    // Rows set Last/ID. An edit keeps its own line's encoding where the text fits,
    // and never touches another line.
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
        // The index follows the edit.
        QCOMPARE(ini.value(Last, Id, 60), IniDocument::fromBytes(after).value(Last, Id, 60));
    }
};

QTEST_GUILESS_MAIN(TestIniDocument)
#include "test_ini_document.moc"
