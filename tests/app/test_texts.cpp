#include "app/Texts.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    // A text left in English in the Greek column, or left empty, would show up
    // as a wrong or blank caption; only these are the same in both languages.
    void everyTextExistsInBothLanguages()
    {
        const QSet<TextId> sameInBoth = {TextId::TipLanguageEnglish, TextId::TipLanguageGreek, TextId::TipCopyright,
                                         TextId::PrintPdfPrinterName, TextId::DialogOk};
        const QRegularExpression greekLetter(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
        for (int i = 0; i < int(TextId::TextCount); ++i) {
            const auto id = TextId(i);
            const QString english = Text(id, false);
            const QString greek = Text(id, true);
            QVERIFY2(!english.trimmed().isEmpty(), qPrintable(QString::number(i)));
            QVERIFY2(!greek.trimmed().isEmpty(), qPrintable(QString::number(i)));
            if (sameInBoth.contains(id)) {
                QCOMPARE(greek, english);
                continue;
            }
            QVERIFY2(greek != english, qPrintable(english));
            QVERIFY2(greek.contains(greekLetter), qPrintable(greek));
            QVERIFY2(!english.contains(greekLetter), qPrintable(english));
            QCOMPARE(greek.count(QLatin1Char('%')), english.count(QLatin1Char('%')));
        }
    }

    // The hints are four paragraphs with one empty line between them, in both languages.
    void hintsHaveFourParagraphs()
    {
        for (bool greek : {false, true}) {
            const QStringList paragraphs = Text(TextId::HintsText, greek).split(QStringLiteral("\n\n"));
            QCOMPARE(paragraphs.size(), 4);
            for (const QString &paragraph : paragraphs)
                QVERIFY(!paragraph.isEmpty() && !paragraph.contains(u'\n') && paragraph.trimmed() == paragraph);
        }
    }

    void unexpectedErrorMessage()
    {
        QCOMPARE(UnexpectedErrorMessage(5, QString(), false),
                 QStringLiteral("Error condition 5 with the description '' has occured.\n\n"
                                "Do you want to shut down the application?"));
        const Failure failure{ErrorCode::PermissionDenied, QStringLiteral("/a/b.ini")};
        QCOMPARE(UnexpectedErrorMessage(ErrorNumber(failure.code), FailureDescription(failure, true), true),
                 QStringLiteral("Παρουσιάσθηκε το σφάλμα με αριθμό 70 και περιγραφή «Δεν επιτρέπεται η πρόσβαση: "
                                "/a/b.ini».\n\nΘέλετε να διακοπεί η λειτουργία της εφαρμογής;"));
        // A description that looks like a placeholder is shown as it is.
        QCOMPARE(UnexpectedErrorMessage(1, QStringLiteral("%1 %2"), false),
                 QStringLiteral("Error condition 1 with the description '%1 %2' has occured.\n\n"
                                "Do you want to shut down the application?"));
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "test_texts.moc"
