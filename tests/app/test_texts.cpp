#include "app/Texts.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    // A text missing, or left in English in the Greek column; only these are the same in both languages.
    void everyTextExistsInBothLanguages()
    {
        const QSet<TextId> sameInBoth = {TextId::TipLanguageEnglish, TextId::TipLanguageGreek, TextId::TipCopyright,
                                         TextId::PrintPdfPrinterName, TextId::DialogOk};
        const QRegularExpression greekLetter(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
        for (int i = 0; i < int(TextId::TextCount); ++i) {
            const QString english = Text(TextId(i), false);
            const QString greek = Text(TextId(i), true);
            const bool same = sameInBoth.contains(TextId(i));
            QVERIFY2(!english.trimmed().isEmpty() && greek.count(u'%') == english.count(u'%')
                         && (same ? greek == english : greek.contains(greekLetter) && !english.contains(greekLetter)),
                     qPrintable(english));
        }
    }

    // The report names the error and its description, which may name a file or look like a placeholder.
    void unexpectedErrorMessage()
    {
        QCOMPARE(UnexpectedErrorMessage(1, QStringLiteral("%1 %2"), false),
                 QStringLiteral("Error condition 1 with the description '%1 %2' has occured.\n\n"
                                "Do you want to shut down the application?"));
        const Failure failure{ErrorCode::PermissionDenied, QStringLiteral("/a/b.ini")};
        QCOMPARE(UnexpectedErrorMessage(ErrorNumber(failure.code), FailureDescription(failure, true), true),
                 QStringLiteral("Παρουσιάσθηκε το σφάλμα με αριθμό 70 και περιγραφή «Δεν επιτρέπεται η πρόσβαση: "
                                "/a/b.ini».\n\nΘέλετε να διακοπεί η λειτουργία της εφαρμογής;"));
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "test_texts.moc"
