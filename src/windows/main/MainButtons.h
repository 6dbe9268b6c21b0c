// The main window's picture buttons, left to right: the object name, which is
// also its id in the window (MainButton::cmdPrint), its picture, the id of its
// tooltip in TextEntries.h, how it starts, and what stands before it: None,
// a Gap that starts a group, or the Stretch that pushes the rest to the right.
// BUTTON(name, picture, tooltip, initially, before)
// A list, not a header to include once: each use defines the entry macros and
// includes it again, so it has no include guard.

BUTTON(cmdPageSetup, icon_page_setup, TipPageSetup, Shown, None)
BUTTON(cmdPrintSetup, icon_printer_setup, TipPrintSetup, Shown, None)
BUTTON(cmdPrint, icon_print, TipPrint, Shown, None)
BUTTON(cmdRefresh, icon_refresh, TipRefresh, Hidden, Gap)
BUTTON(cmdSavePath, icon_save_path, TipSavePath, Hidden, None)
BUTTON(cmdRecallSavedPath, icon_recall_path, TipRecallSavedPath, Hidden, None)
BUTTON(cmdUpOneLevel, icon_up_one_level, TipUpOneLevel, Hidden, None)
BUTTON(cmdSettings, icon_settings, TipSettings, Shown, None)
BUTTON(cmdOptions, icon_options, TipOptions, Hidden, None)
BUTTON(cmdHelp, icon_help, TipHelp, Shown, Gap)
BUTTON(cmdCopyright, icon_copyright, TipCopyright, Shown, None)
// The language buttons and the exit door sit at the right end.
BUTTON(cmdLanguage_1, icon_language_english, TipLanguageEnglish, Shown, Stretch)
BUTTON(cmdLanguage_0, icon_language_greek, TipLanguageGreek, Shown, None)
BUTTON(cmdEndApplication, icon_exit, TipEndApplication, Shown, Gap)
