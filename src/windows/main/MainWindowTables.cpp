#include "windows/main/MainWindowTables.h"

#include <QAction>

const std::vector<MenuEntry> &MenuTable()
{
    using A = frmMain::Actions;
    using M = frmMain::Menus;
    static const std::vector<MenuEntry> table = {
        {"mnuFile",
         TextId::MenuFile,
         &M::file,
         Initially::Shown,
         {{"mnuFilePageSetup", TextId::MenuFilePageSetup, &A::filePageSetup},
          {"mnuFilePrintSetup", TextId::MenuFilePrintSetup, &A::filePrintSetup},
          {"mnuFileDash88", {}, nullptr},
          {"mnuFilePrint", TextId::MenuFilePrint, &A::filePrint},
          {"mnuFileDash99", {}, nullptr},
          {"mnuFileExit", TextId::MenuFileExit, &A::fileExit}}},
        {"mnuSavePath",
         TextId::MenuSavePath,
         &M::savePath,
         Initially::Hidden,
         {{"mnuSavePathRecent", TextId::MenuSavePathRecent, &A::savePathRecent},
          {"mnuSavePathInitial", TextId::MenuSavePathInitial, &A::savePathInitial},
          {"mnuSavePathDash1", {}, nullptr},
          {"mnuSavePathHelp", TextId::MenuSavePathHelp, &A::savePathHelp, Initially::Disabled},
          {"mnuSavePathDash2", {}, nullptr},
          {"mnuSavePathCancel", TextId::MenuSavePathCancel, &A::savePathCancel, Initially::Disabled}}},
        {"mnuRecallPath",
         TextId::MenuRecallPath,
         &M::recallPath,
         Initially::Hidden,
         {{"mnuRecallPathRecent", TextId::MenuRecallPathRecent, &A::recallPathRecent},
          {"mnuRecallPathInitial", TextId::MenuRecallPathInitial, &A::recallPathInitial},
          {"mnuRecallPathDash1", {}, nullptr},
          {"mnuRecallPathHelp", TextId::MenuRecallPathHelp, &A::recallPathHelp, Initially::Disabled},
          {"mnuRecallPathDash2", {}, nullptr},
          {"mnuRecallPathCancel", TextId::MenuRecallPathCancel, &A::recallPathCancel, Initially::Disabled}}},
        {"mnuTools",
         TextId::MenuTools,
         &M::tools,
         Initially::Shown,
         {{"mnuToolsRefresh", TextId::MenuToolsRefresh, &A::toolsRefresh, Initially::Hidden},
          {"mnuToolsDash77", {}, &A::toolsDash77, Initially::Hidden},
          {"mnuToolsUpOneLevel", TextId::MenuToolsUpOneLevel, &A::toolsUpOneLevel, Initially::Hidden},
          {"mnuToolsDash88", {}, &A::toolsDash88, Initially::Hidden},
          {"mnuToolsEnglish", TextId::MenuToolsEnglish, &A::toolsEnglish},
          {"mnuToolsGreek", TextId::MenuToolsGreek, &A::toolsGreek},
          {"mnuToolsDash99", {}, &A::toolsDash99, Initially::Hidden},
          {"mnuToolsOptions", TextId::MenuToolsOptions, &A::toolsOptions, Initially::Hidden},
          {"mnuToolsFactorySettings", TextId::MenuToolsFactorySettings, &A::toolsFactorySettings, Initially::Hidden}}},
        {"mnuSettings",
         TextId::MenuSettings,
         &M::settings,
         Initially::Shown,
         {{"mnuSettingsImport", TextId::MenuSettingsImport, &A::settingsImport},
          {"mnuSettingsExport", TextId::MenuSettingsExport, &A::settingsExport},
          {"mnuSettingsDash1", {}, nullptr},
          {"mnuSettingsHelp", TextId::MenuSettingsHelp, &A::settingsHelp, Initially::Disabled},
          {"mnuSettingsDash2", {}, nullptr},
          {"mnuSettingsCancel", TextId::MenuSettingsCancel, &A::settingsCancel, Initially::Disabled}}},
        // "Convert from" comes here; its items are built from the currency slots.
        {"mnuConvert", TextId::MenuConvert, &M::convert, Initially::Shown, {}},
        {"mnuHelp",
         TextId::MenuHelp,
         &M::help,
         Initially::Shown,
         {{"mnuHelpTips", TextId::MenuHelpTips, &A::helpTips, Initially::Shown},
          {"mnuHelpDash99", {}, nullptr},
          {"mnuHelpAbout", TextId::MenuHelpAbout, &A::helpAbout, Initially::Shown}}},
    };
    return table;
}

const std::vector<ButtonEntry> &ButtonTable()
{
    using B = frmMain::Buttons;
    static const std::vector<ButtonEntry> table = {
        {"cmdPageSetup", "icon_page_setup", TextId::TipPageSetup, &B::pageSetup},
        {"cmdPrintSetup", "icon_printer_setup", TextId::TipPrintSetup, &B::printSetup},
        {"cmdPrint", "icon_print", TextId::TipPrint, &B::print},
        {"cmdRefresh", "icon_refresh", TextId::TipRefresh, &B::refresh, Initially::Hidden, true},
        {"cmdSavePath", "icon_save_path", TextId::TipSavePath, &B::savePath, Initially::Hidden},
        {"cmdRecallSavedPath", "icon_recall_path", TextId::TipRecallSavedPath, &B::recallSavedPath, Initially::Hidden},
        {"cmdUpOneLevel", "icon_up_one_level", TextId::TipUpOneLevel, &B::upOneLevel, Initially::Hidden},
        {"cmdSettings", "icon_settings", TextId::TipSettings, &B::settings},
        {"cmdOptions", "icon_options", TextId::TipOptions, &B::options, Initially::Hidden},
        {"cmdHelp", "icon_help", TextId::TipHelp, &B::help, Initially::Shown, true},
        {"cmdCopyright", "icon_copyright", TextId::TipCopyright, &B::copyright, Initially::Shown},
        // The language buttons and the exit door sit at the right end.
        {"cmdLanguage_1", "icon_language_english", TextId::TipLanguageEnglish, &B::languageEnglish},
        {"cmdLanguage_0", "icon_language_greek", TextId::TipLanguageGreek, &B::languageGreek},
        {"cmdEndApplication", "icon_exit", TextId::TipEndApplication, &B::endApplication, Initially::Shown, true},
    };
    return table;
}

void ApplyInitially(QAction *action, Initially initially)
{
    action->setVisible(initially != Initially::Hidden);
    action->setEnabled(initially != Initially::Disabled);
}
