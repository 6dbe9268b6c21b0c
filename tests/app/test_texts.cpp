#include "app/HelpTopics.h"
#include "app/Texts.h"
#include "core/Currencies.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Texts and help topics in both languages.
class TestTexts : public QObject
{
    Q_OBJECT

    const QRegularExpression m_greekLetter{QStringLiteral("[\\x{0370}-\\x{03FF}]")};

private slots:
    // A text missing, or left in English in the Greek column; only these are the same in both languages.
    void everyTextExistsInBothLanguages()
    {
        const QSet<TextId> sameInBoth = {TextId::TipLanguageEnglish, TextId::TipLanguageGreek, TextId::TipCopyright,
                                         TextId::PrintPdfPrinterName, TextId::DialogOk};
        for (int i = 0; i < int(TextId::TextCount); ++i) {
            const QString english = Text(TextId(i), false);
            const QString greek = Text(TextId(i), true);
            const bool same = sameInBoth.contains(TextId(i));
            QVERIFY2(
                !english.trimmed().isEmpty() && greek.count(u'%') == english.count(u'%')
                    && (same ? greek == english : greek.contains(m_greekLetter) && !english.contains(m_greekLetter)),
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

    // A topic empty, untranslated on either side, or copied from another element of its array
    // (which tells its own currency or destination) would mislead the user.
    void everyTopicIsItsOwnInBothLanguages()
    {
        const QStringList keys = HelpTopics::keys();
        QVERIFY(keys.contains(QStringLiteral("frmMain/cmdGo_13")) && keys.contains("frmPrint/optPrintDestination_2"));
        for (bool greek : {false, true}) {
            QSet<QString> arrayTopics;
            for (const QString &key : keys) {
                const QString topic = HelpTopics::topic(key.section(u'/', 0, 0), key.section(u'/', 1), greek);
                // A Greek name in English text is quoted the Greek way only in Greek.
                QVERIFY2(!topic.trimmed().isEmpty() && topic.contains(m_greekLetter) == greek
                             && (greek || !topic.contains(u'«')),
                         qPrintable(topic));
                const QString array = key.section(u'_', 0, 0);
                QVERIFY2(array == key || !arrayTopics.contains(array + topic), qPrintable(topic));
                arrayTopics.insert(array + topic);
                const int slot = key.section(u'_', 1).toInt();
                for (int code = 0; keys.contains(array + QStringLiteral("_13")) && code < OtherCurrencyIndex; ++code)
                    QVERIFY2(topic.contains(QLatin1String(CurrencyCodes[code])) == (code == slot), qPrintable(topic));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "test_texts.moc"
