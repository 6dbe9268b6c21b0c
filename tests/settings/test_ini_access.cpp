#include "TestLocale.h"
#include "report/PageSetup.h"
#include "settings/IniAccess.h"

#include <QTest>

// The typed settings; stored numbers read the same under en_US and el_GR alike.
class TestIniAccess : public QObject
{
    Q_OBJECT

private:
    // Every read as one text, so that one table holds every type.
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
        row("decimals 5", Setting::Decimals, 3, "5", "2");
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

    // Written in the user's regional form, read back to the same value.
    void writtenAndRead()
    {
        IniDocument ini;
        for (const double rate : {0.787564, -2.5, 1e-300}) {
            WriteIniDouble(ini, Setting::Rate, rate, 13);
            QCOMPARE(ReadIniDouble(ini, Setting::Rate, 13), rate);
        }
        WriteIniCurrency(ini, Setting::LastAmount, Money::minimum());
        QCOMPARE(ReadIniCurrency(ini, Setting::LastAmount), Money::minimum());
        WriteIniBoolean(ini, Setting::ImportDeleteAfter, true);
        QVERIFY(ReadIniBoolean(ini, Setting::ImportDeleteAfter));
        QCOMPARE(ini.bytes(),
                 "[Rates]\r\n13=" + Localized("1E-300").toUtf8() + "\r\n[Last]\r\nAmount="
                     + Localized("-922337203685477.5808").toUtf8() + "\r\n[ImportSettings]\r\nDeleteAfter=True\r\n");
    }

    void pageSetup()
    {
        const IniDocument lowerCase = IniDocument::fromBytes("[PageSetup]\nFontName=courier new greek\n");
        QCOMPARE(LoadPageSetup(lowerCase).FontName, CourierNew);
        IniDocument ini;
        SavePageSetup({CourierNewGreek, 10, 20, 3, 55}, ini);
        QCOMPARE(ini.bytes(),
                 QByteArray("[PageSetup]\r\nFontName=Courier New Greek\r\nFontSize=10\r\n"
                            "TopMargin=20\r\nLeftMargin=3\r\nLinesPerPage=55\r\n"));
        QCOMPARE(LoadPageSetup(ini).FontName, CourierNewGreek);
    }
};

QTEST_GUILESS_MAIN(TestIniAccess)
#include "test_ini_access.moc"
