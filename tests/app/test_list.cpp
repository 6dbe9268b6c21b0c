// A list's lines are read fast where they are plain numbers: exactly as the amount dialog takes them pasted.
#include "TestLocale.h"

#include "app/conversion/CurrentConversion.h"
#include "app/conversion/ListConversion.h"
#include "app/conversion/NumberPaste.h"

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
};

QTEST_GUILESS_MAIN(TestList)
#include "test_list.moc"
