#pragma once

#include <QStringList>

// Menu-bar titles with an Alt mnemonic each, for menus whose texts are fixed
// words: each title gets the first of its unaccented letters that no title
// before it took, case aside ("&File", "&Tools", "&Settings"; "&Αρχείο"). An
// "&" already in a title stays a literal "&". A title with no free letter, or
// an empty one (a hidden menu), gets none.
QStringList WithMnemonics(const QStringList &titles);
