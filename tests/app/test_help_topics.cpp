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
    int arraySize; // 0 for a single control
};

const HelpControl Controls[] = {
    {"frmMain", "cmdCopyright", 0}, {"frmMain", "cmdEndApplication", 0}, {"frmMain", "cmdHelp", 0},
    {"frmMain", "cmdOptions", 0}, {"frmMain", "cmdPageSetup", 0}, {"frmMain", "cmdPrint", 0},
    {"frmMain", "cmdPrintSetup", 0}, {"frmMain", "cmdRecallSavedPath", 0}, {"frmMain", "cmdRefresh", 0},
    {"frmMain", "cmdSavePath", 0}, {"frmMain", "cmdSettings", 0}, {"frmMain", "cmdUpOneLevel", 0},
    {"frmMain", "cmdGo", 14}, {"frmMain", "cmdLanguage", 2}, {"frmMain", "lblAmount", 14},
    {"frmMain", "lblTitle", 14}, {"frmMain", "optCurrency", 14},
    {"frmAbout", "cmdOK", 0}, {"frmAbout", "cmdStoneGleam", 0}, {"frmAbout", "cmdSysInfo", 0},
    {"frmAbout", "lblCopyright", 0}, {"frmAbout", "lblDescription", 0}, {"frmAbout", "lblDisclaimer", 0},
    {"frmAbout", "lblTitle", 0}, {"frmAbout", "lblVersion", 0},
    {"frmInputCurrency", "cmdCancel", 0}, {"frmInputCurrency", "cmdConvert", 0},
    {"frmInputCurrency", "cmdCurrencyFlag", 0}, {"frmInputCurrency", "fraCurrencyDetails", 0},
    {"frmInputCurrency", "fraFixedRate", 0}, {"frmInputCurrency", "lblAmount", 0},
    {"frmInputCurrency", "lblCurrencyName", 0}, {"frmInputCurrency", "lblCurrencyRate", 0},
    {"frmInputCurrency", "lblDecimals", 0}, {"frmInputCurrency", "lblEuroRateTitle", 0},
    {"frmPageSetup", "chkCourierNew", 0}, {"frmPageSetup", "chkCourierNewGreek", 0},
    {"frmPageSetup", "cmdApply", 0}, {"frmPageSetup", "cmdCancel", 0}, {"frmPageSetup", "cmdOK", 0},
    {"frmPageSetup", "fraFont", 0}, {"frmPageSetup", "fraMargin", 0}, {"frmPageSetup", "lblFontSize", 0},
    {"frmPageSetup", "lblFontSizeMinMax", 0}, {"frmPageSetup", "lblFontSizeTitle", 0},
    {"frmPageSetup", "lblLeftMargin", 0}, {"frmPageSetup", "lblLeftMarginMinMax", 0},
    {"frmPageSetup", "lblLeftMarginTitle", 0}, {"frmPageSetup", "lblLinesPerPage", 0},
    {"frmPageSetup", "lblLinesPerPageMinMax", 0}, {"frmPageSetup", "lblLinesPerPageTitle", 0},
    {"frmPageSetup", "lblTopMargin", 0}, {"frmPageSetup", "lblTopMarginMinMax", 0},
    {"frmPageSetup", "lblTopMarginTitle", 0}, {"frmPageSetup", "updFontSize", 0},
    {"frmPageSetup", "updLeftMargin", 0}, {"frmPageSetup", "updLinesPerPage", 0},
    {"frmPageSetup", "updTopMargin", 0},
    {"frmPrint", "cmdApply", 0}, {"frmPrint", "cmdCancel", 0}, {"frmPrint", "cmdCancelPrinting", 0},
    {"frmPrint", "cmdClose", 0}, {"frmPrint", "cmdPageSetup", 0}, {"frmPrint", "cmdPrint", 0},
    {"frmPrint", "cmdPrintAndClose", 0}, {"frmPrint", "cmdPrintSetup", 0},
    {"frmPrint", "fraPrintDestination", 0}, {"frmPrint", "prbProgressBar", 0},
    {"frmPrint", "optPrintDestination", 3},
    {"frmSettingsExport", "chkIniFileName", 0}, {"frmSettingsExport", "chkSavedPaths", 0},
    {"frmSettingsExport", "cmdApply", 0}, {"frmSettingsExport", "cmdCancel", 0},
    {"frmSettingsExport", "cmdExport", 0}, {"frmSettingsExport", "cmdSettingsFolderExternal", 0},
    {"frmSettingsExport", "fraSettings", 0}, {"frmSettingsExport", "lblIniFileName", 0},
    {"frmSettingsExport", "lblSavedPaths", 0}, {"frmSettingsExport", "lblSettingsFolderExternal", 0},
    {"frmSettingsImport", "chkDeleteAfterImporting", 0}, {"frmSettingsImport", "chkIniFileName", 0},
    {"frmSettingsImport", "chkSavedPaths", 0}, {"frmSettingsImport", "cmdApply", 0},
    {"frmSettingsImport", "cmdCancel", 0}, {"frmSettingsImport", "cmdImport", 0},
    {"frmSettingsImport", "cmdSettingsFolderExternal", 0}, {"frmSettingsImport", "fraSettings", 0},
    {"frmSettingsImport", "lblIniFileName", 0}, {"frmSettingsImport", "lblSavedPaths", 0},
    {"frmSettingsImport", "lblSettingsFolderExternal", 0},
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
