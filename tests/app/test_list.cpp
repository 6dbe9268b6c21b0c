// A list's lines are read fast where they are plain numbers: exactly as the amount dialog takes them pasted. The list
// dialog's logic over them.
#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/conversion/CurrentConversion.h"
#include "app/conversion/ListConversion.h"
#include "app/conversion/NumberPaste.h"
#include "app/logic/AmountList.h"
#include "app/services/SharedDialogs.h"

#include <QRandomGenerator>
#include <QtTest>

class TestList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    // Lines of digits, separators, blanks, signs and units, thousands of them, each read by the fast way and by the
    // paste rule and the acceptance rule themselves: the same amount, or both refuse it. The fast way decides most.
    void plainLinesReadAsPasted()
    {
        const ListConversion list(ConversionState(), CurrencyChoice{7}, CurrencyChoice{0}, Language::English);
        const NumberSeparators separators;
        const QString alphabet = QStringLiteral("0123456789012345678900000,,,...  \t-+eGRD€\u00a0");
        QRandomGenerator random(28);
        int decided = 0;
        for (int sample = 0; sample < 20000; ++sample) {
            QString line;
            for (int length = random.bounded(sample % 8 == 0 ? 70 : 16); length > 0; --length)
                line += alphabet[random.bounded(sample % 3 == 0 ? 13 : alphabet.size())];
            const QString trimmed = line.trimmed();
            const PastedNumber pasted = PasteNumber(trimmed, {QStringLiteral("GRD")});
            const std::optional<Money> expected = std::holds_alternative<QString>(pasted)
                ? CurrentConversion::acceptedAmount(std::get<QString>(pasted))
                : std::nullopt;
            const PlainReading plain = ReadPlainAmount(QStringView(trimmed), separators);
            const QByteArray latin = trimmed.toLatin1();
            const PlainReading bytes =
                ReadPlainAmount(std::string_view(latin.constData(), std::size_t(latin.size())), separators);
            QVERIFY2(!plain.plain || plain.amount == expected, qPrintable(line));
            QVERIFY2(bytes.plain == plain.plain && bytes.amount == plain.amount, qPrintable(line));
            // And the whole line, whichever way it goes.
            const ListLine read = list.convert(QStringView(trimmed));
            QVERIFY2((read.kind != ListLine::Kind::Refused) == expected.has_value() || trimmed.isEmpty(),
                     qPrintable(line));
            decided += plain.plain ? 1 : 0;
        }
        QVERIFY2(decided > 5000, qPrintable(QString::number(decided)));
    }

    // The dialog's logic: the choices, the rows and the later currencies, starting from the row converted last to
    // the euro; a list converted a part at a time shows only once whole; the summary names the first lines not
    // converted and counts the rest; a sum beyond what the program holds says so, the other stays exact; a source
    // without a rate refuses every line in the amount dialog's words.
    void amountList()
    {
        ScriptedPlatform platform;
        AppValues app;
        SharedDialogs dialogs(platform, app);
        ConversionState state;
        state.CurrentCurrency = 9;
        AmountList list(dialogs, CurrentConversion(state));
        QVERIFY(list.choices().size() == 23 && list.choices()[22] == QStringLiteral("BGN - Bulgarian Lev (2026)"));
        QVERIFY(list.from() == 9 && list.to() == 0);
        list.setTo(22);
        list.setInput(Localized("1,936.27\nx\n\nx\nx\nx\nx\nx\nx\n922,337,203,685,477\n922,337,203,685,477\n"));
        QVERIFY(!list.convertSome(3) && list.lineCount() == 0 && list.progress() > 0 && list.progress() < 100);
        QVERIFY(list.convertSome(100));
        list.publish();
        QCOMPARE(list.lineCount(), 11);
        QCOMPARE(list.summary(),
                 QStringLiteral("Converted: 3 of 10 amounts. Not converted: lines 2, 4, 5, 6, 7 and 2 more."));
        QCOMPARE(list.totalAmounts(), QStringLiteral("Total of the amounts converted: Overflow"));
        QCOMPARE(list.totalRounded(), Localized("Total of the rounded results: 1,863,309,118,135.46 BGN"));
        QCOMPARE(list.columnTitle(0) + u'|' + list.columnTitle(2),
                 QStringLiteral("Amount (ITL)|Unrounded amount (BGN)"));
        QCOMPARE(QString::fromStdString(list.text()).section(u'\n', 0, 2),
                 Localized("1,936.27\t1.96\t1.9558\nx\t\t\n"));
        list.setFrom(13);
        QVERIFY(list.convertSome(100));
        list.publish();
        QVERIFY(list.kind(0) == ListLine::Kind::Refused
                && list.roundedText(0) == QStringLiteral("Incorrect exchange rate."));
    }
};

QTEST_GUILESS_MAIN(TestList)
#include "test_list.moc"
