#include "app/MenuMnemonics.h"
#include "app/RowTexts.h"
#include "app/StatusTexts.h"
#include "core/Conversion.h"
#include "core/NumberText.h"

#include <QtTest>

// What the status bar says of a conversion, where a caption's decimals begin,
// and the menu bar's mnemonics. Each case names the locale it formats with.
class TestStatusTexts : public QObject
{
    Q_OBJECT

private slots:
    void conversionRoad_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<double>("otherRate");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("road");
        const QLocale point(QLocale::English, QLocale::UnitedStates);
        const QLocale comma(QLocale::Greek, QLocale::Greece);
        QTest::newRow("through the euro") << point << false << 7 << "1000000" << 0.0 << 7
                                          << "1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD";
        QTest::newRow("decimal comma") << comma << true << 7 << "1000000" << 0.0 << 7
                                       << "1.000.000 GRD → 2.934,70 EUR → 999.999,0250 → 999.999 GRD";
        QTest::newRow("source rounded first") << point << false << 7 << "1000.5" << 0.0 << 3
                                              << "1,000.5 GRD → 1,000 GRD → 2.93 EUR → 5.7306 → 5.73 DEM";
        QTest::newRow("from the euro") << point << false << 0 << "1" << 0.0 << 7 << "1 EUR → 340.7500 → 341 GRD";
        QTest::newRow("named currency") << point << false << 13 << "10" << 4.0 << 13
                                        << "10 Zloty & 100% → 2.50 EUR → 10.0000 → 10.00 Zloty & 100%";
        QTest::newRow("overflow") << point << false << 0 << "922337203685477" << 0.0 << 5
                                  << "Overflow: the program holds at most 922,337,203,685,477.5807 (922,337,203,685,477 EUR)";
        QTest::newRow("overflow in Greek") << comma << true << 0 << "922337203685477" << 0.0 << 0
                                           << "Υπερχείλιση: η εφαρμογή χωρά έως 922.337.203.685.477,5807 (922.337.203.685.477 EUR)";
        QTest::newRow("no rate") << point << false << 13 << "5" << 0.0 << 0
                                 << "No result: the exchange rate of Zloty & 100% is 0 (5 Zloty & 100%)";
    }
    void conversionRoad()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, greek);
        QFETCH(int, source);
        QFETCH(QString, amount);
        QFETCH(double, otherRate);
        QFETCH(int, slot);
        ConversionState state;
        state.CurrentCurrency = qint16(source);
        state.CurrentAmount = *ParseStoredAmount(amount);
        state.CurrencyRates[OtherCurrencyIndex] = otherRate;
        QTEST(ConversionRoad(Convert(state), state, slot, QStringLiteral("Zloty & 100%"), greek, locale), "road");
    }

    void amountTail_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("tail");
        const QLocale point(QLocale::English, QLocale::UnitedStates);
        const QLocale comma(QLocale::Greek, QLocale::Greece);
        QTest::newRow("decimals") << "1,936.27 " << point << ".27 ";
        QTest::newRow("whole amount") << "1,936 " << point << " ";
        QTest::newRow("decimal comma") << "1.936,2700 " << comma << ",2700 ";
        QTest::newRow("grouping is no separator") << "1.936 " << comma << " ";
        QTest::newRow("failure word") << "Υπερχείλιση " << comma << " ";
    }
    void amountTail()
    {
        QFETCH(QString, caption);
        QFETCH(QLocale, locale);
        QTEST(AmountTail(caption, locale), "tail");
    }

    void menuMnemonics_data()
    {
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("English") << QStringList{"File", "", "Tools", "Settings", "Convert from", "Help"}
                                 << QStringList{"&File", "", "&Tools", "&Settings", "&Convert from", "&Help"};
        QTest::newRow("Greek") << QStringList{"Αρχείο", "Εργαλεία", "Ρυθμίσεις", "Μετατροπή από", "Βοήθεια"}
                               << QStringList{"&Αρχείο", "&Εργαλεία", "&Ρυθμίσεις", "&Μετατροπή από", "&Βοήθεια"};
        QTest::newRow("taken letters and accents") << QStringList{"Save", "Store", "Έξοδος", "ss"}
                                                   << QStringList{"&Save", "S&tore", "Έ&ξοδος", "ss"};
        QTest::newRow("literal ampersand") << QStringList{"& Co", "A&B"} << QStringList{"&& &Co", "&A&&B"};
    }
    void menuMnemonics()
    {
        QFETCH(QStringList, titles);
        QTEST(WithMnemonics(titles), "marked");
    }
};

QTEST_APPLESS_MAIN(TestStatusTexts)
#include "test_status_texts.moc"
