#include "HelpControls.h"
#include "TestLocale.h"

#include "app/HelpTopics.h"
#include "core/Currencies.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestHelpTopics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void everyControlHasTopicInBothLanguages_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        for (const HelpControl &control : HelpControls)
            for (const QString &name : ElementNames(control))
                QTest::addRow("%s/%s", control.window, qPrintable(name)) << QString::fromLatin1(control.window) << name;
    }
    void everyControlHasTopicInBothLanguages()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        const QRegularExpression greekLetter(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
        const QString english = HelpTopics::topic(window, control, false);
        const QString greek = HelpTopics::topic(window, control, true);
        QVERIFY(!english.trimmed().isEmpty());
        QVERIFY(!greek.trimmed().isEmpty());
        // A text left untranslated on either side, or a Greek name quoted the English way.
        QVERIFY2(greek.contains(greekLetter), qPrintable(greek));
        QVERIFY2(!english.contains(greekLetter), qPrintable(english));
        QVERIFY2(!english.contains(u'«') && !english.contains(u'»'), qPrintable(english));
    }

    // Each element of an array tells its own currency or destination: a copied
    // topic would tell the wrong one.
    void arrayElementsHaveTheirOwnTopics()
    {
        for (const HelpControl &control : HelpControls) {
            const QStringList elements = ElementNames(control);
            for (bool greek : {false, true}) {
                QSet<QString> topics;
                for (int i = 0; i < elements.size(); ++i) {
                    const QString topic = HelpTopics::topic(QLatin1String(control.window), elements[i], greek);
                    topics.insert(topic);
                    for (int slot = 0; control.arraySize == CurrencyCount && slot < OtherCurrencyIndex; ++slot)
                        QVERIFY2(topic.contains(QLatin1String(CurrencyCodes[slot])) == (slot == i), qPrintable(topic));
                }
                QCOMPARE(topics.size(), elements.size());
            }
        }
    }

    // A misspelt key would leave its control without help and show up here.
    void noTopicForControlOutsideTheTable()
    {
        QSet<QString> expected;
        for (const HelpControl &control : HelpControls)
            for (const QString &name : ElementNames(control))
                expected.insert(QLatin1String(control.window) + u'/' + name);
        QStringList unknown;
        for (const QString &key : HelpTopics::keys())
            if (!expected.contains(key))
                unknown.append(key);
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u' ')));
    }

    // The same object name on two windows has two topics; an array has none without its index.
    void topicsAreKeyedByWindow()
    {
        const QString about = HelpTopics::topic(QStringLiteral("frmAbout"), QStringLiteral("lblTitle"), false);
        QVERIFY(!about.isEmpty());
        QVERIFY(about != HelpTopics::topic(QStringLiteral("frmMain"), QStringLiteral("lblTitle_0"), false));
        QVERIFY(HelpTopics::topic(QStringLiteral("frmMain"), QStringLiteral("lblTitle"), false).isEmpty());
        QVERIFY(HelpTopics::topic(QStringLiteral("frmPrint"), QStringLiteral("cmdGo_0"), true).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "test_help_topics.moc"
