#include "TestLocale.h"

#include "app/HelpTopics.h"
#include "core/Currencies.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Every control of every window that offers context help; an array names its size.
struct HelpControl
{
    const char *window;
    const char *control;
    int arraySize = 0; // 0 for a single control
};

const HelpControl Controls[] = {
    {"frmMain", "cmdCopyright"}, {"frmMain", "cmdEndApplication"}, {"frmMain", "cmdHelp"}, {"frmMain", "cmdOptions"},
    {"frmMain", "cmdPageSetup"}, {"frmMain", "cmdPrint"}, {"frmMain", "cmdPrintSetup"},
    {"frmMain", "cmdRecallSavedPath"}, {"frmMain", "cmdRefresh"}, {"frmMain", "cmdSavePath"},
    {"frmMain", "cmdSettings"}, {"frmMain", "cmdUpOneLevel"}, {"frmMain", "cmdGo", 14}, {"frmMain", "cmdLanguage", 2},
    {"frmMain", "lblAmount", 14}, {"frmMain", "lblTitle", 14}, {"frmMain", "optCurrency", 14},
    {"frmAbout", "cmdOK"}, {"frmAbout", "cmdStoneGleam"}, {"frmAbout", "cmdSysInfo"}, {"frmAbout", "lblCopyright"},
    {"frmAbout", "lblDescription"}, {"frmAbout", "lblDisclaimer"}, {"frmAbout", "lblTitle"}, {"frmAbout", "lblVersion"},
    {"frmInputCurrency", "cmdCancel"}, {"frmInputCurrency", "cmdConvert"}, {"frmInputCurrency", "cmdCurrencyFlag"},
    {"frmInputCurrency", "fraCurrencyDetails"}, {"frmInputCurrency", "fraFixedRate"}, {"frmInputCurrency", "lblAmount"},
    {"frmInputCurrency", "lblCurrencyName"}, {"frmInputCurrency", "lblCurrencyRate"},
    {"frmInputCurrency", "lblDecimals"}, {"frmInputCurrency", "lblEuroRateTitle"},
    {"frmPageSetup", "chkCourierNew"}, {"frmPageSetup", "chkCourierNewGreek"}, {"frmPageSetup", "cmdApply"},
    {"frmPageSetup", "cmdCancel"}, {"frmPageSetup", "cmdOK"}, {"frmPageSetup", "fraFont"},
    {"frmPageSetup", "fraMargin"}, {"frmPageSetup", "lblFontSize"}, {"frmPageSetup", "lblFontSizeMinMax"},
    {"frmPageSetup", "lblFontSizeTitle"}, {"frmPageSetup", "lblLeftMargin"}, {"frmPageSetup", "lblLeftMarginMinMax"},
    {"frmPageSetup", "lblLeftMarginTitle"}, {"frmPageSetup", "lblLinesPerPage"},
    {"frmPageSetup", "lblLinesPerPageMinMax"}, {"frmPageSetup", "lblLinesPerPageTitle"},
    {"frmPageSetup", "lblTopMargin"}, {"frmPageSetup", "lblTopMarginMinMax"}, {"frmPageSetup", "lblTopMarginTitle"},
    {"frmPageSetup", "updFontSize"}, {"frmPageSetup", "updLeftMargin"}, {"frmPageSetup", "updLinesPerPage"},
    {"frmPageSetup", "updTopMargin"},
    {"frmPrint", "cmdApply"}, {"frmPrint", "cmdCancel"}, {"frmPrint", "cmdCancelPrinting"}, {"frmPrint", "cmdClose"},
    {"frmPrint", "cmdPageSetup"}, {"frmPrint", "cmdPrint"}, {"frmPrint", "cmdPrintAndClose"},
    {"frmPrint", "cmdPrintSetup"}, {"frmPrint", "fraPrintDestination"}, {"frmPrint", "prbProgressBar"},
    {"frmPrint", "optPrintDestination", 3},
    {"frmSettingsExport", "chkIniFileName"}, {"frmSettingsExport", "chkSavedPaths"}, {"frmSettingsExport", "cmdApply"},
    {"frmSettingsExport", "cmdCancel"}, {"frmSettingsExport", "cmdExport"},
    {"frmSettingsExport", "cmdSettingsFolderExternal"}, {"frmSettingsExport", "fraSettings"},
    {"frmSettingsExport", "lblIniFileName"}, {"frmSettingsExport", "lblSavedPaths"},
    {"frmSettingsExport", "lblSettingsFolderExternal"},
    {"frmSettingsImport", "chkDeleteAfterImporting"}, {"frmSettingsImport", "chkIniFileName"},
    {"frmSettingsImport", "chkSavedPaths"}, {"frmSettingsImport", "cmdApply"}, {"frmSettingsImport", "cmdCancel"},
    {"frmSettingsImport", "cmdImport"}, {"frmSettingsImport", "cmdSettingsFolderExternal"},
    {"frmSettingsImport", "fraSettings"}, {"frmSettingsImport", "lblIniFileName"},
    {"frmSettingsImport", "lblSavedPaths"}, {"frmSettingsImport", "lblSettingsFolderExternal"},
};

// The object names a control stands for: itself, or each element of its array.
QStringList names(const HelpControl &control)
{
    if (control.arraySize == 0)
        return {QLatin1String(control.control)};
    QStringList elements;
    for (int i = 0; i < control.arraySize; ++i)
        elements.append(QStringLiteral("%1_%2").arg(QLatin1String(control.control)).arg(i));
    return elements;
}

} // namespace

class TestHelpTopics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void everyControlHasTopicInBothLanguages_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        for (const HelpControl &control : Controls)
            for (const QString &name : names(control))
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
        for (const HelpControl &control : Controls) {
            const QStringList elements = names(control);
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
        for (const HelpControl &control : Controls)
            for (const QString &name : names(control))
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
