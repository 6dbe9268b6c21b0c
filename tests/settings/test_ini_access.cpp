#include "TestLocale.h"
#include "settings/IniAccess.h"

#include <QTest>

namespace {

const QString Section = QStringLiteral("Test");
const QString Key = QStringLiteral("Key");

QByteArray FileWith(const QString &pointText)
{
    return "[Test]\r\nKey=" + Localized(pointText).toUtf8() + "\r\n";
}

} // namespace

class TestIniAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    // Each kind reads like the setting it is named after; numbers are written
    // the en_US way and localized. A rejected value gives the default: false,
    // 3, 1, 7.5 and "?".
    void reads_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("pointText");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Language true") << "Language" << "true" << "true";
        QTest::newRow("Language spaced upper case") << "Language" << " TRUE " << "true";
        QTest::newRow("Language as written") << "Language" << "True" << "true";
        QTest::newRow("Language 1") << "Language" << "1" << "false";
        QTest::newRow("Decimals 4") << "Decimals" << "4" << "4";
        QTest::newRow("Decimals 2.0") << "Decimals" << "2.0" << "3";
        QTest::newRow("Decimals 5") << "Decimals" << "5" << "3";
        QTest::newRow("ID 13") << "ID" << "13" << "13";
        QTest::newRow("ID -1") << "ID" << "-1" << "3";
        QTest::newRow("ID empty") << "ID" << "" << "3";
        QTest::newRow("Amount decimals") << "Amount" << "1000.5" << "1000.5";
        QTest::newRow("Amount grouped") << "Amount" << "1,936.27" << "1936.27";
        QTest::newRow("Amount empty") << "Amount" << "" << "1";
        QTest::newRow("Amount words") << "Amount" << "one" << "1";
        QTest::newRow("Rate negative") << "Rate" << "-2.5" << "-2.5";
        QTest::newRow("Rate zero") << "Rate" << "0" << "0";
        QTest::newRow("Rate tiny") << "Rate" << "1E-300" << "1E-300";
        QTest::newRow("Rate huge") << "Rate" << "1E+300" << "1E+300";
        QTest::newRow("Rate infinite") << "Rate" << "1E+400" << "7.5";
        QTest::newRow("Name cut to 29") << "Name" << QString(40, u'Ω') << QString(29, u'Ω');
        QTest::newRow("Name NULs removed") << "Name" << QStringLiteral("\0 Lek\0 lek\0") << "Lek lek";
        QTest::newRow("Name blank") << "Name" << " \t " << "?";
    }

    void reads()
    {
        QFETCH(QString, kind);
        QFETCH(QString, pointText);
        QFETCH(QString, expected);
        const IniDocument ini = IniDocument::fromBytes(FileWith(pointText));
        if (kind == QLatin1String("Language")) {
            QCOMPARE(ReadIniBoolean(ini, Section, Key, false), expected == QLatin1String("true"));
        } else if (kind == QLatin1String("Decimals") || kind == QLatin1String("ID")) {
            const qint16 maximum = kind == QLatin1String("ID") ? 13 : 4;
            QCOMPARE(int(ReadIniInteger(ini, Section, Key, 3, 0, maximum)), expected.toInt());
        } else if (kind == QLatin1String("Amount")) {
            const Money amount = ReadIniCurrency(ini, Section, Key, Money::fromRaw(10000));
            QCOMPARE(amount.raw(), qRound64(expected.toDouble() * 10000));
        } else if (kind == QLatin1String("Rate")) {
            QCOMPARE(ReadIniDouble(ini, Section, Key, 7.5), expected.toDouble());
        } else {
            qint16 length = -1;
            QCOMPARE(ReadIniString(ini, Section, Key, QStringLiteral("?"), 30, &length), expected);
            QCOMPARE(qsizetype(length), expected.size());
        }
    }

    // Written in the user's regional form, read back to the same bits.
    void rateWrittenAndRead_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("pointText");
        QTest::newRow("IEP") << 0.787564 << "0.787564";
        QTest::newRow("negative") << -2.5 << "-2.5";
        QTest::newRow("tiny") << 1e-300 << "1E-300";
    }

    void rateWrittenAndRead()
    {
        QFETCH(double, rate);
        QFETCH(QString, pointText);
        IniDocument ini;
        WriteIniDouble(ini, Section, Key, rate);
        QCOMPARE(ini.bytes(), FileWith(pointText));
        QCOMPARE(ReadIniDouble(ini, Section, Key, 7.5), rate);
    }

    void otherValuesWrittenAndRead()
    {
        IniDocument ini;
        for (bool value : {true, false}) {
            WriteIniBoolean(ini, Section, Key, value);
            QCOMPARE(ini.bytes(), FileWith(value ? "True" : "False"));
            QCOMPARE(ReadIniBoolean(ini, Section, Key, !value), value);
        }
        WriteIniLong(ini, Section, Key, -5);
        QCOMPARE(ReadIniInteger(ini, Section, Key, 3, -10, 10), qint16(-5));
        WriteIniCurrency(ini, Section, Key, Money::maximum());
        QCOMPARE(ini.bytes(), FileWith("922337203685477.5807"));
        QCOMPARE(ReadIniCurrency(ini, Section, Key, Money()), Money::maximum());
    }
};

QTEST_GUILESS_MAIN(TestIniAccess)
#include "test_ini_access.moc"
