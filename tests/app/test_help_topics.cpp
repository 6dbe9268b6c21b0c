#include "app/HelpTopics.h"
#include "core/Currencies.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Every control of every window that offers context help; "cmdGo:14" is an array of fourteen.
static const char *const HelpControls[][2] = {
    {"frmMain",
     "cmdCopyright cmdEndApplication cmdHelp cmdOptions cmdPageSetup cmdPrint cmdPrintSetup "
     "cmdRecallSavedPath cmdRefresh cmdSavePath cmdSettings cmdUpOneLevel cmdGo:14 cmdLanguage:2 "
     "lblAmount:14 lblTitle:14 optCurrency:14"},
    {"frmAbout", "cmdOK cmdStoneGleam cmdSysInfo lblCopyright lblDescription lblDisclaimer lblTitle lblVersion"},
    {"frmInputCurrency",
     "cmdCancel cmdConvert cmdCurrencyFlag fraCurrencyDetails fraFixedRate lblAmount "
     "lblCurrencyName lblCurrencyRate lblDecimals lblEuroRateTitle"},
    {"frmPageSetup",
     "chkCourierNew chkCourierNewGreek cmdApply cmdCancel cmdOK fraFont fraMargin lblFontSize "
     "lblFontSizeMinMax lblFontSizeTitle lblLeftMargin lblLeftMarginMinMax lblLeftMarginTitle "
     "lblLinesPerPage lblLinesPerPageMinMax lblLinesPerPageTitle lblTopMargin lblTopMarginMinMax "
     "lblTopMarginTitle updFontSize updLeftMargin updLinesPerPage updTopMargin"},
    {"frmPrint",
     "cmdApply cmdCancel cmdCancelPrinting cmdClose cmdPageSetup cmdPrint cmdPrintAndClose cmdPrintSetup "
     "fraPrintDestination prbProgressBar optPrintDestination:3"},
    {"frmSettingsExport",
     "chkIniFileName chkSavedPaths cmdApply cmdCancel cmdExport cmdSettingsFolderExternal "
     "fraSettings lblIniFileName lblSavedPaths lblSettingsFolderExternal"},
    {"frmSettingsImport",
     "chkDeleteAfterImporting chkIniFileName chkSavedPaths cmdApply cmdCancel cmdImport "
     "cmdSettingsFolderExternal fraSettings lblIniFileName lblSavedPaths "
     "lblSettingsFolderExternal"},
};

class TestHelpTopics : public QObject
{
    Q_OBJECT

private slots:
    // A topic missing, misspelt, untranslated on either side, or copied from another element of
    // its array (which tells its own currency or destination) would mislead the user.
    void everyControlHasItsOwnTopicInBothLanguages()
    {
        QStringList keys;
        for (const auto &[window, controls] : HelpControls)
            for (const QString &control : QString::fromLatin1(controls).split(u' ')) {
                const QString name = QLatin1String(window) + u'/' + control.section(u':', 0, 0);
                const int size = control.section(u':', 1).toInt();
                for (int i = 0; i < std::max(size, 1); ++i)
                    keys << (size ? name + u'_' + QString::number(i) : name);
            }
        keys.sort();
        QCOMPARE(HelpTopics::keys(), keys);
        const QRegularExpression greekLetter(QStringLiteral("[\\x{0370}-\\x{03FF}]"));
        for (bool greek : {false, true}) {
            QSet<QString> arrayTopics;
            for (const QString &key : std::as_const(keys)) {
                const QString topic = HelpTopics::topic(key.section(u'/', 0, 0), key.section(u'/', 1), greek);
                // A Greek name in English text is quoted the Greek way only in Greek.
                QVERIFY2(!topic.trimmed().isEmpty() && topic.contains(greekLetter) == greek
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

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "test_help_topics.moc"
