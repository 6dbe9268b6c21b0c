#pragma once

#include <QString>
#include <QStringList>

// Every control of every window that offers context help; an array names its
// size. The help tests of every window walk this one table.
struct HelpControl
{
    const char *window;
    const char *control;
    int arraySize = 0; // 0 for a single control
};

inline const HelpControl HelpControls[] = {
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
inline QStringList ElementNames(const HelpControl &control)
{
    if (control.arraySize == 0)
        return {QLatin1String(control.control)};
    QStringList elements;
    for (int i = 0; i < control.arraySize; ++i)
        elements.append(QStringLiteral("%1_%2").arg(QLatin1String(control.control)).arg(i));
    return elements;
}
