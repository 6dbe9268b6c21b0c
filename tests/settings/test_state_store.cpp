#include "TestLocale.h"
#include "app/ErrorNumbers.h"
#include "core/NumberText.h"
#include "report/PageSetup.h"
#include "settings/StateStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestStateStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void missingFileGivesBuiltInState()
    {
        ConversionState state;
        FillConversionState(state, IniDocument::load(QStringLiteral("/nonexistent/settings.ini")));
        const ConversionState builtIn;
        QCOMPARE(state.CurrencyRates, DefaultRates);
        QCOMPARE(state.CurrencyDecimals, DefaultDecimals);
        QCOMPARE(state.AmountFormats, builtIn.AmountFormats);
        QCOMPARE(state.CurrentCurrency, qint16(0));
        QCOMPARE(state.CurrentAmount, Money::fromRaw(Money::Scale));
        QCOMPARE(state.OtherCurrencyMarker, QStringLiteral("?"));
    }

    void fill()
    {
        ConversionState state;
        FillConversionState(state, IniDocument::fromBytes("[Decimals]\n7=5\n13=4\n[Last]\nID=13\nAmount=\n"));
        QCOMPARE(state.CurrencyDecimals[7], qint16(0));
        QCOMPARE(state.CurrencyDecimals[13], qint16(4));
        QCOMPARE(state.AmountFormats[13], AmountPattern(4));
        QCOMPARE(state.CurrentCurrency, qint16(13));
        QCOMPARE(state.CurrencyRates[13], 0.0);
        QCOMPARE(state.CurrentAmount, Money::fromRaw(Money::Scale));
    }

    void fillName_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("marker");
        QTest::newRow("absent") << QByteArray() << "Other currency" << "?";
        QTest::newRow("question mark") << QByteArray("OtherCurrency=?") << "Other currency" << "?";
        QTest::newRow("blank") << QByteArray("OtherCurrency= ") << "Other currency" << "?";
        QTest::newRow("own name") << QByteArray("OtherCurrency=Λεκ") << "Λεκ" << "";
    }

    // The name shown before the file is read stays unless the file has one of its own.
    void fillName()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, name);
        QFETCH(QString, marker);
        ConversionState state;
        state.OtherCurrencyName = QStringLiteral("Other currency");
        FillConversionState(state, IniDocument::fromBytes("[General]\n" + lines));
        QCOMPARE(state.OtherCurrencyName, name);
        QCOMPARE(state.OtherCurrencyMarker, marker);
    }

    void keepNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::newRow("own name") << "Lek" << "Lek";
        QTest::newRow("English proposal") << "Other currency" << "?";
        QTest::newRow("Greek proposal") << "Άλλο νόμισμα" << "?";
    }

    // A file from nothing shows the order of the writes.
    void keepNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        ConversionState state;
        state.CurrentCurrency = 13;
        state.CurrentAmount = Money::fromRaw(25000);
        state.CurrencyDecimals[13] = 3;
        state.CurrencyRates[13] = 1.5;
        state.OtherCurrencyName = name;
        QCOMPARE(KeepConversionState(state, path), ErrorNumber::None);
        QCOMPARE(state.OtherCurrencyMarker, stored == QLatin1String("?") ? stored : QString());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "[Last]\r\nID=13\r\nAmount=" + Localized("2.5").toUtf8() + "\r\n[Decimals]\r\n13=3\r\n"
                                 "[Rates]\r\n13=" + Localized("1.5").toUtf8() + "\r\n[General]\r\nOtherCurrency="
                                 + stored.toUtf8() + "\r\n");
    }

    void keepTouchesOnlyItsKeys()
    {
        IniDocument ini = IniDocument::fromBytes("; by hand\n[General]\nOtherCurrency=Lek\n[Rates]\n7=340\n13=2\n"
                                                 "[Decimals]\n7 = 1 \n[Last]\nid=0\nAmount=1\n");
        ConversionState state;
        state.CurrentCurrency = 7;
        state.CurrentAmount = Money::fromRaw(Money::Scale * 1000);
        KeepConversionState(state, ini);
        QCOMPARE(ini.bytes(), QByteArray("; by hand\n[General]\nOtherCurrency=Lek\n[Rates]\n7=340\n13=2\n"
                                         "[Decimals]\n7 = 0 \n[Last]\nid=7\nAmount=1000\n"));
    }

    void pageSetupRead_data()
    {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<QString>("fontName");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("linesPerPage");
        QTest::newRow("missing") << QByteArray() << "Courier New" << 8 << 30;
        QTest::newRow("Greek font, largest") << QByteArray("FontName= Courier New Greek \nFontSize=12\nLinesPerPage=80")
                                             << "Courier New Greek" << 12 << 80;
        QTest::newRow("names are exact") << QByteArray("FontName=courier new greek\nFontSize=13\nLinesPerPage=29")
                                         << "Courier New" << 8 << 30;
        QTest::newRow("other font") << QByteArray("FontName=Arial\nFontSize=7\nLinesPerPage=81")
                                    << "Courier New" << 8 << 30;
    }

    void pageSetupRead()
    {
        QFETCH(QByteArray, lines);
        QFETCH(QString, fontName);
        QFETCH(int, fontSize);
        QFETCH(int, linesPerPage);
        const PageSetupValues values = LoadPageSetup(IniDocument::fromBytes("[PageSetup]\n" + lines));
        QCOMPARE(values.FontName, fontName);
        QCOMPARE(int(values.FontSize), fontSize);
        QCOMPARE(int(values.LinesPerPage), linesPerPage);
    }

    void pageSetupSaved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        const PageSetupValues values{QStringLiteral("Courier New Greek"), 10, 20, 30, 55};
        QCOMPARE(SavePageSetup(values, path), ErrorNumber::None);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[PageSetup]\r\nFontName=Courier New Greek\r\nFontSize=10\r\n"
                                            "TopMargin=20\r\nLeftMargin=30\r\nLinesPerPage=55\r\n"));
        const PageSetupValues read = LoadPageSetup(IniDocument::load(path));
        QCOMPARE(read.TopMargin, values.TopMargin);
        QCOMPARE(read.LeftMargin, values.LeftMargin);
        QCOMPARE(SavePageSetup(values, dir.path()), ErrorNumber::PathFileAccessError);
    }
};

QTEST_GUILESS_MAIN(TestStateStore)
#include "test_state_store.moc"
