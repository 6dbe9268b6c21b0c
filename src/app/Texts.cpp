#include "app/Texts.h"

#include "core/Currencies.h"

#include <array>

namespace {

// One text in every language, in the order of Language.
struct Entry
{
    TextId id;
    std::array<const char *, Languages.size()> texts;
};

constexpr std::array Entries = {
    Entry{TextId::ProgramTitle, "Euro changeover adviser", "Σύμβουλος μετάβασης στο Ευρώ"},
    Entry{TextId::DuplicateInstance,
          "The application is already active and cannot have more than one instances (on the same computer) at "
          "the same time.",
          "Η εφαρμογή είναι ήδη ενεργοποιημένη και δεν μπορεί να εκτελείται παραπάνω από μία φορά (στον ίδιο "
          "υπολογιστή) την ίδια χρονική στιγμή."},

    Entry{TextId::CurrencyEUR, "EUR - Euro", "EUR - Ευρώ"},
    Entry{TextId::CurrencyATS, "ATS - Austrian Schilling", "ATS - Σελλίνι Αυστρίας"},
    Entry{TextId::CurrencyBEF, "BEF - Belgian Franc", "BEF - Φράγκο Βελγίου"},
    Entry{TextId::CurrencyDEM, "DEM - German Mark", "DEM - Μάρκο Γερμανίας"},
    Entry{TextId::CurrencyESP, "ESP - Spanish Peseta", "ESP - Πεσέτα Ισπανίας"},
    Entry{TextId::CurrencyFIM, "FIM - Finnish Markka", "FIM - Μάρκο Φινλανδίας"},
    Entry{TextId::CurrencyFRF, "FRF - French Franc", "FRF - Φράγκο Γαλλίας"},
    Entry{TextId::CurrencyGRD, "GRD - Greek Drachma", "GRD - Δραχμή Ελλάδος"},
    Entry{TextId::CurrencyIEP, "IEP - Irish Punt", "IEP - Λίρα Ιρλανδίας"},
    Entry{TextId::CurrencyITL, "ITL - Italian Lira", "ITL - Λιρέττα Ιταλίας"},
    Entry{TextId::CurrencyLUF, "LUF - Luxembourg Franc", "LUF - Φράγκο Λουξεμβούργου"},
    Entry{TextId::CurrencyNLG, "NLG - Dutch Guilder", "NLG - Φιορίνι Ολλανδίας"},
    Entry{TextId::CurrencyPTE, "PTE - Portuguese Escudo", "PTE - Εσκούδο Πορτογαλίας"},
    Entry{TextId::CurrencyOther, "Other currency", "Άλλο νόμισμα"},
    Entry{TextId::LaterSIT, "SIT - Slovenian Tolar", "SIT - Σλοβενικό τόλαρ"},
    Entry{TextId::LaterCYP, "CYP - Cypriot Pound", "CYP - Κυπριακή λίρα"},
    Entry{TextId::LaterMTL, "MTL - Maltese Lira", "MTL - Μαλτέζικη λίρα"},
    Entry{TextId::LaterSKK, "SKK - Slovak Koruna", "SKK - Σλοβακική κορόνα"},
    Entry{TextId::LaterEEK, "EEK - Estonian Kroon", "EEK - Εσθονική κορόνα"},
    Entry{TextId::LaterLVL, "LVL - Latvian Lats", "LVL - Λετονικό λατς"},
    Entry{TextId::LaterLTL, "LTL - Lithuanian Litas", "LTL - Λιθουανικό λίτας"},
    Entry{TextId::LaterHRK, "HRK - Croatian Kuna", "HRK - Κροατική κούνα"},
    Entry{TextId::LaterBGN, "BGN - Bulgarian Lev", "BGN - Βουλγαρικό λεβ"},
    Entry{TextId::LaterChoice, "Currencies fixed later", "Νομίσματα κλειδωμένα αργότερα"},

    Entry{TextId::OverflowCaption, "Overflow ", "Υπερχείλιση "},
    Entry{TextId::OverflowToolTip, " Overflow ", " Υπερχείλιση "},
    Entry{TextId::UndefinedCaption, "Undefined ", "Απροσδιόριστο "},
    Entry{TextId::UndefinedToolTip, " Undefined ", " Απροσδιόριστο "},

    Entry{TextId::MenuFile, "File", "Αρχείο"},
    Entry{TextId::MenuFilePageSetup, "Page setup...", "Διαμόρφωση σελίδας..."},
    Entry{TextId::MenuFilePrintSetup, "Printer setup...", "Επιλογή εκτυπωτή..."},
    Entry{TextId::MenuFilePrint, "Print...", "Εκτύπωση..."},
    Entry{TextId::MenuFileExit, "Exit", "Έξοδος"},
    Entry{TextId::MenuSavePath, "Store", "Καταχώρηση"},
    Entry{TextId::MenuSavePathRecent, "Recent...", "Πρόσφατη..."},
    Entry{TextId::MenuSavePathInitial, "Initial...", "Αρχική..."},
    Entry{TextId::MenuSavePathHelp, "Help", "Βοήθεια"},
    Entry{TextId::MenuSavePathCancel, "Cancel", "Άκυρο"},
    Entry{TextId::MenuRecallPath, "Restore", "Επαναφορά"},
    Entry{TextId::MenuRecallPathRecent, "Recent...", "Πρόσφατη..."},
    Entry{TextId::MenuRecallPathInitial, "Initial", "Αρχική"},
    Entry{TextId::MenuRecallPathHelp, "Help", "Βοήθεια"},
    Entry{TextId::MenuRecallPathCancel, "Cancel", "Άκυρο"},
    Entry{TextId::MenuTools, "Tools", "Εργαλεία"},
    Entry{TextId::MenuToolsRefresh, "Refresh", "Ανανέωση"},
    Entry{TextId::MenuToolsUpOneLevel, "Up one level\tBksp", "Ένα επίπεδο επάνω\tBksp"},
    Entry{TextId::MenuToolsEnglish, "English", "Αγγλική"},
    Entry{TextId::MenuToolsGreek, "Greek", "Ελληνική"},
    Entry{TextId::MenuToolsOptions, "Options...", "Επιλογές..."},
    Entry{TextId::MenuToolsFactorySettings, "Factory settings...", "Εργοστασιακές ρυθμίσεις..."},
    Entry{TextId::MenuSettings, "Settings", "Ρυθμίσεις"},
    Entry{TextId::MenuSettingsImport, "Import...", "Εισαγωγή..."},
    Entry{TextId::MenuSettingsExport, "Export...", "Εξαγωγή..."},
    Entry{TextId::MenuSettingsHelp, "Help", "Βοήθεια"},
    Entry{TextId::MenuSettingsCancel, "Cancel", "Άκυρο"},
    Entry{TextId::MenuConvert, "Convert from", "Μετατροπή από"},
    Entry{TextId::MenuHelp, "Help", "Βοήθεια"},
    Entry{TextId::MenuHelpTips, "Hints and tips...", "Χρήσιμες συμβουλές..."},
    Entry{TextId::MenuHelpAbout, "About...", "Σχετικά..."},

    Entry{TextId::TipPageSetup, "Page setup", "Διαμόρφωση σελίδας"},
    Entry{TextId::TipPrintSetup, "Printer setup", "Επιλογή εκτυπωτή"},
    Entry{TextId::TipPrint, "Print ... Ctl+P", "Εκτύπωση ... Ctl+P"},
    Entry{TextId::TipEndApplication, "Exit", "Έξοδος"},
    Entry{TextId::TipRefresh, "Refresh ... F5", "Ανανέωση ... F5"},
    Entry{TextId::TipSavePath, "Store path", "Καταχώρηση διαδρομής"},
    Entry{TextId::TipRecallSavedPath, "Restore path", "Επαναφορά διαδρομής"},
    Entry{TextId::TipUpOneLevel, "Up one level ... Bksp", "Ένα επίπεδο επάνω ... Bksp"},
    Entry{TextId::TipLanguageEnglish, "English / Αγγλικά", "English / Αγγλικά"},
    Entry{TextId::TipLanguageGreek, "Ελληνικά / Greek", "Ελληνικά / Greek"},
    Entry{TextId::TipSettings, "Settings", "Ρυθμίσεις"},
    Entry{TextId::TipOptions, "Options", "Επιλογές"},
    Entry{TextId::TipHelp, "Hints and tips", "Χρήσιμες συμβουλές"},
    Entry{TextId::TipCopyright, "Stone-Gleam Software", "Stone-Gleam Software"},
    Entry{TextId::ConvertRowName, "Convert from %1", "Μετατροπή από %1"},

    Entry{TextId::InputCaption, "Convert '%1' to all other currencies", "Μετατροπή «%1» σε όλα τα άλλα νομίσματα"},
    Entry{TextId::InputFixedRate, " Fixed exchange rate ", " Κλειδωμένη ισοτιμία "},
    Entry{TextId::InputCurrentRate, " Current exchange rate ", " Τρέχουσα ισοτιμία "},
    Entry{TextId::InputCurrencyDetails, " Currency details ", " Πληροφορίες νομίσματος "},
    Entry{TextId::InputName, "Name:", "Όνομα:"},
    Entry{TextId::InputRate, "Exchange rate:", "Ισοτιμία:"},
    Entry{TextId::InputAmount, "Amount to be converted:", "Ποσό προς μετατροπή:"},
    Entry{TextId::InputDecimals, "Decimals:", "Δεκαδικά:"},
    Entry{TextId::InputDecimals0, " 0 - None", " 0 - Κανένα"},
    Entry{TextId::InputDecimals1, " 1 - One", " 1 - Ένα"},
    Entry{TextId::InputDecimals2, " 2 - Two", " 2 - Δύο"},
    Entry{TextId::InputDecimals3, " 3 - Three", " 3 - Τρία"},
    Entry{TextId::InputDecimals4, " 4 - Four", " 4 - Τέσσερα"},
    Entry{TextId::InputCancel, "Cancel", "Άκυρο"},
    Entry{TextId::InputConvert, "Convert", "Μετατροπή"},
    Entry{TextId::ErrorTitle, "Error", "Σφάλμα"},
    Entry{TextId::BadRate, "Incorrect exchange rate.", "Ανακριβής ισοτιμία."},
    Entry{TextId::BadAmount, "Incorrect amount.", "Ανακριβές ποσό."},

    Entry{TextId::ButtonOk, "OK", "ΟΚ"},
    Entry{TextId::ButtonYes, "Yes", "Ναι"},
    Entry{TextId::ButtonNo, "No", "Όχι"},

    Entry{TextId::UnexpectedError,
          "Error condition %1 with the description '%2' has occured.\n\nDo you want to shut down the application?",
          "Παρουσιάσθηκε το σφάλμα με αριθμό %1 και περιγραφή «%2».\n\nΘέλετε να διακοπεί η λειτουργία της "
          "εφαρμογής;"},
    Entry{TextId::ErrorOverflow, "Overflow", "Υπερχείλιση"},
    Entry{TextId::ErrorFileTooLarge, "File too large", "Το αρχείο είναι υπερβολικά μεγάλο"},
    Entry{TextId::ErrorDivisionByZero, "Division by zero", "Διαίρεση με το μηδέν"},
    Entry{TextId::ErrorFileNotFound, "File not found", "Το αρχείο δεν βρέθηκε"},
    Entry{TextId::ErrorDeviceIo, "Device I/O error", "Σφάλμα εισόδου/εξόδου συσκευής"},
    Entry{TextId::ErrorDiskFull, "Disk full", "Ο δίσκος είναι πλήρης"},
    Entry{TextId::ErrorPermissionDenied, "Permission denied", "Δεν επιτρέπεται η πρόσβαση"},
    Entry{TextId::ErrorFileAlreadyExists, "File already exists", "Το αρχείο υπάρχει ήδη"},
    Entry{TextId::ErrorPathFileAccess, "Path/File access error", "Σφάλμα πρόσβασης σε διαδρομή ή αρχείο"},
    Entry{TextId::ErrorPathNotFound, "Path not found", "Η διαδρομή δεν βρέθηκε"},
    Entry{TextId::ErrorNotRegularFile, "Not a regular file", "Δεν είναι κανονικό αρχείο"},
    Entry{TextId::ErrorUnknown, "Application-defined or object-defined error",
          "Σφάλμα που ορίζεται από την εφαρμογή ή από αντικείμενο"},
    Entry{TextId::ErrorNameTooLong, "File name too long", "Το όνομα του αρχείου είναι υπερβολικά μεγάλο"},
    Entry{TextId::SettingsTooLarge,
          "The settings file '%1' is larger than %2 MB, so it cannot be the settings file of this program. The "
          "program starts with its default settings and leaves that file as it is.",
          "Το αρχείο ρυθμίσεων «%1» είναι μεγαλύτερο από %2 MB, επομένως δεν μπορεί να είναι αρχείο ρυθμίσεων αυτής "
          "της εφαρμογής. Η εφαρμογή ξεκινά με τις αρχικές της ρυθμίσεις και αφήνει το αρχείο όπως είναι."},
    Entry{TextId::InstanceLockUnavailable,
          "The application cannot make sure that it runs only once: its lock file cannot be created in your "
          "runtime folder. Do not start it a second time while it runs, or both copies will write the same settings.",
          "Η εφαρμογή δεν μπορεί να εξασφαλίσει ότι εκτελείται μόνο μία φορά: το αρχείο κλειδώματός της δεν μπορεί "
          "να δημιουργηθεί στον φάκελο εκτέλεσής σας. Μην την ξεκινήσετε δεύτερη φορά όσο εκτελείται, διότι και τα "
          "δύο αντίγραφα θα γράφουν στις ίδιες ρυθμίσεις."},

    Entry{TextId::LockInTheWay,
          "The application cannot make sure that it runs only once: %2 stands where its lock file '%1' belongs. "
          "Remove it, and do not start the application a second time while it runs.",
          "Η εφαρμογή δεν μπορεί να εξασφαλίσει ότι εκτελείται μόνο μία φορά: στη θέση του αρχείου κλειδώματός της "
          "«%1» υπάρχει %2. Αφαιρέστε το και μην ξεκινήσετε την εφαρμογή δεύτερη φορά όσο εκτελείται."},
    Entry{TextId::LockInTheWayFolder, "a folder that is not empty", "ένας φάκελλος ο οποίος δεν είναι κενός"},
    Entry{TextId::LockInTheWayLink, "a link to an existing file or folder",
          "ένας σύνδεσμος προς υπάρχον αρχείο ή φάκελλο"},
    Entry{TextId::LockInTheWaySpecial, "a FIFO, a socket or a device", "ένα FIFO, μία υποδοχή ή μία συσκευή"},
    Entry{TextId::LockInTheWayDanglingLink, "a link to nothing that it may not remove",
          "ένας σύνδεσμος προς ανύπαρκτο αρχείο, τον οποίο δεν επιτρέπεται να αφαιρέσει"},
    // Help lines are wrapped to fit a terminal 80 characters wide; option
    // descriptions start in column 31.
    Entry{TextId::CommandUsage, "Usage: %1 [OPTION]...", "Χρήση: %1 [ΕΠΙΛΟΓΗ]..."},
    Entry{TextId::CommandAbout,
          "Converts an amount between the euro, the twelve currencies whose rates to the\n"
          "euro were irrevocably fixed and one currency of your own, always through the\n"
          "euro, exactly as the window does. Without options the window opens.",
          "Μετατρέπει ένα ποσό μεταξύ του ευρώ, των δώδεκα νομισμάτων με αμετάκλητα\n"
          "καθορισμένη ισοτιμία προς το ευρώ και ενός δικού σας νομίσματος, πάντοτε μέσω\n"
          "του ευρώ, ακριβώς όπως το παράθυρο. Χωρίς επιλογές ανοίγει το παράθυρο."},
    Entry{TextId::CommandOptions, "Options:", "Επιλογές:"},
    Entry{TextId::CommandHelpOption, "show this help and end", "εμφανίζει αυτή τη βοήθεια και τερματίζει"},
    Entry{TextId::CommandVersionOption, "show the program's name and version and end",
          "εμφανίζει το όνομα και την έκδοση της εφαρμογής\nκαι τερματίζει"},
    Entry{TextId::CommandConvertArguments, "AMOUNT CODE", "ΠΟΣΟ ΚΩΔΙΚΟΣ"},
    Entry{TextId::CommandConvertOption,
          "convert AMOUNT from the currency CODE and print\nthe road of the conversion, then the report's\n"
          "column titles and its fourteen lines",
          "μετατρέπει το ΠΟΣΟ από το νόμισμα ΚΩΔΙΚΟΣ και\nεμφανίζει τη διαδρομή της μετατροπής, τους\n"
          "τίτλους των στηλών της αναφοράς και τις\nδεκατέσσερις γραμμές της"},
    Entry{TextId::CommandGreekOption, "print in Greek", "εμφανίζει τα κείμενα στα ελληνικά"},
    Entry{TextId::CommandEnglishOption, "print in English", "εμφανίζει τα κείμενα στα αγγλικά"},
    Entry{TextId::CommandDetails,
          "CODE is one of EUR, ATS, BEF, DEM, ESP, FIM, FRF, GRD, IEP, ITL, LUF, NLG, PTE,\n"
          "or OTHER for the additional currency, in any letter case. AMOUNT is written\n"
          "with the separators of your regional settings. The rates, the decimals and\n"
          "the additional currency come from the settings file, which is read and never\n"
          "written.\n\n"
          "Exit status: 0 done, 1 an overflow, no display for the window or an answer\n"
          "that could not be written, 2 a wrong option, amount or code.",
          "Ο ΚΩΔΙΚΟΣ είναι ένας από τους EUR, ATS, BEF, DEM, ESP, FIM, FRF, GRD, IEP, ITL,\n"
          "LUF, NLG, PTE ή OTHER για το επιπλέον νόμισμα, με κεφαλαία ή πεζά. Το ΠΟΣΟ\n"
          "γράφεται με τα διαχωριστικά των τοπικών σας ρυθμίσεων. Οι ισοτιμίες, τα\n"
          "δεκαδικά και το επιπλέον νόμισμα προέρχονται από το αρχείο ρυθμίσεων, το οποίο\n"
          "διαβάζεται και δεν γράφεται ποτέ.\n\n"
          "Κατάσταση εξόδου: 0 επιτυχία, 1 υπερχείλιση, καμία οθόνη για το παράθυρο ή\n"
          "απάντηση που δεν μπόρεσε να γραφεί, 2 λανθασμένη επιλογή, ποσό ή κωδικός."},
    Entry{TextId::CommandUnknownOption, "Unknown option '%1'.", "Άγνωστη επιλογή «%1»."},
    Entry{TextId::CommandStrayArgument, "Unexpected argument '%1'.", "Απρόσμενο όρισμα «%1»."},
    Entry{TextId::CommandConvertNeeds, "'%1' needs an amount and a currency code.",
          "Η «%1» χρειάζεται ένα ποσό και έναν κωδικό νομίσματος."},
    Entry{TextId::CommandLanguageAlone, "'%1' chooses the language of what is printed: use it with '--convert' or '--help'.",
          "Η «%1» ορίζει τη γλώσσα των όσων εμφανίζονται: χρησιμοποιήστε την μαζί με την «--convert» ή την «--help»."},
    Entry{TextId::CommandUnknownCode, "Unknown currency code '%1'.", "Άγνωστος κωδικός νομίσματος «%1»."},
    Entry{TextId::CommandNoDisplay,
          "There is no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set. Start the "
          "program in a desktop session; '%1 --convert AMOUNT CODE' works without one.",
          "Δεν υπάρχει οθόνη για να ανοίξει το παράθυρο: δεν έχει ορισθεί ούτε η DISPLAY ούτε η WAYLAND_DISPLAY. "
          "Ξεκινήστε την εφαρμογή σε μια συνεδρία επιφάνειας εργασίας· η «%1 --convert ΠΟΣΟ ΚΩΔΙΚΟΣ» λειτουργεί "
          "και χωρίς οθόνη."},
    Entry{TextId::CommandOutputFailed, "The answer could not be written to the standard output: %1.",
          "Η απάντηση δεν μπόρεσε να γραφεί στην τυπική έξοδο: %1."},

    Entry{TextId::ReportCurrencyTitle, "Currency                      ", "Νόμισμα                       "},
    Entry{TextId::ReportRateTitle, "Exchange rate", "     Ισοτιμία"},
    Entry{TextId::ReportRoundedTitle, "          Rounded amount", "Ποσόν με στρογγυλοποίηση"},
    Entry{TextId::ReportUnroundedTitle, "           Unrounded amount", "Ποσόν χωρίς στρογγυλοποίηση"},

    Entry{TextId::HintsTitle, "Hints and Tips", "Χρήσιμες συμβουλές"},
    Entry{TextId::HintsText,
          "If we click the RIGHT mouse button on the various controls of the application, we shall get online help. "
          "If this doesn't work and provided that a question-mark appears in the title bar of the window, we can "
          "click the LEFT mouse button on the question-mark and then on the control for which we want to get "
          "online help. On this desktop, we get the same help by pressing Shift+F1 and then clicking the control "
          "with the LEFT mouse button.\n\n"
          "If we hover the mouse pointer over the buttons with the icons, we shall see a concise description of "
          "what each button does.\n\n"
          "The exchange rates for all of the Member Countries, except Greece, were finalized on December 31st, "
          "1998. The exchange rate for Greece, was finalized on December 31st, 2000.\n\n"
          "Since then, the exchange rates of nine more currencies were finalized: the Slovenian tolar (2007), the "
          "Cypriot pound and the Maltese lira (2008), the Slovak koruna (2009), the Estonian kroon (2011), the "
          "Latvian lats (2014), the Lithuanian litas (2015), the Croatian kuna (2023) and the Bulgarian lev (2026). "
          "To convert one of them, we click the button of the last row, 'Other currency' (Ctrl+O), and choose the "
          "currency from the list 'Currencies fixed later' beside its name: its name, exchange rate and decimals "
          "are filled in, and we can still change them.\n\n"
          "CAUTION: When we convert to Euro, the amount that will result after the conversion, may differ from "
          "the amount we entered. This happens because the initial amount is converted to Euro and then, the "
          "amount in Euro is converted to all other currencies. This conversion method is mandatory (Council "
          "Regulation 1103, June 17th 1997, Article 4, Paragraph 4) and is called triangulation (the term is "
          "informal).",
          "Για να λάβουμε άμεση βοήθεια, αρκεί να πατήσουμε το ΔΕΞΙΟ κουμπί του ποντικιού, στα διάφορα "
          "χειριστήρια της εφαρμογής. Εάν αυτός ο τρόπος δεν λειτουργήσει και με την προϋπόθεση ότι στην γραμμή "
          "τίτλου του παραθύρου υπάρχει ένα ερωτηματικό, μπορούμε να πατήσουμε το ΑΡΙΣΤΕΡΟ κουμπί του ποντικιού "
          "στο ερωτηματικό και κατόπιν, στο χειριστήριο για το οποίο θέλουμε να λάβουμε άμεση βοήθεια. Σε αυτό το "
          "περιβάλλον, την ίδια βοήθεια λαμβάνουμε εάν πατήσουμε Shift+F1 και κατόπιν, με το ΑΡΙΣΤΕΡΟ κουμπί του "
          "ποντικιού, το χειριστήριο.\n\n"
          "Εάν αφήσουμε, για λίγο, τον δείκτη του ποντικιού επάνω στα κουμπιά με τα εικονίδια, θα δούμε μία "
          "συνοπτική περιγραφή της εργασίας, την οποία επιτελεί το κάθε κουμπί.\n\n"
          "Οι ισοτιμίες όλων των Χωρών Μελών, πλην της Ελλάδος, καθορίσθηκαν την 31η Δεκεμβρίου του 1998. Η "
          "ισοτιμία για την Ελλάδα, καθορίσθηκε την 31η Δεκεμβρίου του 2000.\n\n"
          "Στην συνέχεια, καθορίσθηκαν οι ισοτιμίες εννέα ακόμη νομισμάτων: του τόλαρ Σλοβενίας (2007), της λίρας "
          "Κύπρου και της λίρας Μάλτας (2008), της κορόνας Σλοβακίας (2009), της κορόνας Εσθονίας (2011), του λατς "
          "Λετονίας (2014), του λίτας Λιθουανίας (2015), της κούνας Κροατίας (2023) και του λεβ Βουλγαρίας (2026). "
          "Για να μετατρέψουμε ένα από αυτά, πατάμε το κουμπί της τελευταίας γραμμής, «Άλλο νόμισμα» (Ctrl+O), "
          "και επιλέγουμε το νόμισμα από τον κατάλογο «Νομίσματα κλειδωμένα αργότερα» δίπλα στο όνομά του: "
          "συμπληρώνονται το όνομα, η ισοτιμία και τα δεκαδικά του, τα οποία μπορούμε ακόμη να αλλάξουμε.\n\n"
          "ΠΡΟΣΟΧΗ: Όταν μετατρέπουμε σε Ευρώ, το ποσόν το οποίο θα προκύψει μετά την μετατροπή, ίσως να είναι "
          "διαφορετικό από το ποσόν το οποίο πληκτρολογήσαμε. Αυτό συμβαίνει διότι το αρχικό ποσόν μετατρέπεται "
          "σε Ευρώ και στην συνέχεια, το ποσόν σε Ευρώ μετατρέπεται σε όλα τα άλλα νομίσματα. Αυτή η μέθοδος "
          "μετατροπής είναι υποχρεωτική (Κανονισμός Συμβουλίου 1103, 17 Ιουνίου 1997, Άρθρο 4, Παράγραφος 4) και "
          "ονομάζεται τριγωνισμός (ο όρος χρησιμοποιείται ατύπως)."},
    // The entered amount comes last: a narrow window cuts the line at its end.
    Entry{TextId::RoadOverflow, "Overflow: the program holds at most %2 (%1)",
          "Υπερχείλιση: η εφαρμογή χωρά έως %2 (%1)"},
    Entry{TextId::RoadZeroRate, "No result: the exchange rate of '%2' is 0 (%1)",
          "Κανένα αποτέλεσμα: η ισοτιμία του «%2» είναι 0 (%1)"},
    Entry{TextId::CopiedRounded, "Copied: %1", "Αντιγράφηκε: %1"},
    Entry{TextId::CopiedUnrounded, "Copied unrounded: %1", "Αντιγράφηκε χωρίς στρογγυλοποίηση: %1"},
    Entry{TextId::StatusBarName, "Last conversion", "Τελευταία μετατροπή"},
    Entry{TextId::AmountHint, "Digits, the decimal separator '%1'; at most %2",
          "Ψηφία, η υποδιαστολή «%1»· το πολύ %2"},
    Entry{TextId::ConvertNeedsRate, "Enter an exchange rate above 0", "Δώστε ισοτιμία μεγαλύτερη από 0"},
    Entry{TextId::PrintCaption, "Print - Number of pages: %1.", "Εκτύπωση - Αριθμός σελίδων: %1."},
    // After the caption when the report's whole line would not fit the page as
    // it is set up: how this print holds it.
    Entry{TextId::PrintFitLandscape, "Landscape.", "Οριζόντια σελίδα."},
    Entry{TextId::PrintFitLandscapeSize, "Landscape, size %1.", "Οριζόντια σελίδα, μέγεθος %1."},
    Entry{TextId::PrintFitSize, "Size %1.", "Μέγεθος %1."},
    Entry{TextId::PrintDestinationFrame, " Print destination ", " Προορισμός εκτυπώσεως "},
    Entry{TextId::PrintToPrinter, "%1 printer", "Εκτυπωτής %1"},
    Entry{TextId::PrintToFile, "Plain text file...", "Αρχείο απλού κειμένου..."},
    Entry{TextId::PrintToBoth, "both %1 printer\nand Plain text file...",
          "και Εκτυπωτής %1\nκαι Αρχείο απλού κειμένου..."},
    // What the printer options name when no printer is installed or the printer
    // setup chose printing to a file: Qt's PDF output.
    Entry{TextId::PrintPdfPrinterName, "PDF", "PDF"},
    Entry{TextId::PrintAndClose, "Print and Close", "Εκτύπωση και Κλείσιμο"},
    Entry{TextId::TipCancelPrinting, "Cancel printing", "Ακύρωση εκτυπώσεως"},
    Entry{TextId::DialogCancel, "Cancel", "Άκυρο"},
    Entry{TextId::DialogApply, "Apply", "Εφαρμογή"},
    Entry{TextId::DialogClose, "Close", "Κλείσιμο"},
    Entry{TextId::DialogOk, "OK", "ΟΚ"},
    Entry{TextId::PrintFileTitle, "Define the file for the 'Print to file' process",
          "Ορίστε το αρχείο για την εργασία «Εκτύπωση σε αρχείο»"},
    Entry{TextId::PrintFileFilter, "All files (*)", "Όλα τα αρχεία (*)"},
    Entry{TextId::PrintPdfTitle, "Define the PDF file for the 'Print' process",
          "Ορίστε το αρχείο PDF για την εργασία «Εκτύπωση»"},
    Entry{TextId::PrintPdfFilter, "PDF files (*.pdf)", "Αρχεία PDF (*.pdf)"},
    Entry{TextId::PrintFileUnwritable,
          "The file '%1' cannot be written (%2). Nothing was printed: please choose another file.",
          "Το αρχείο «%1» δεν μπορεί να γραφτεί (%2). Δεν εκτυπώθηκε τίποτα: παρακαλώ επιλέξτε άλλο αρχείο."},
    Entry{TextId::CancelProcessTitle, "Cancel processing", "Ακύρωση διαδικασίας"},
    Entry{TextId::CancelProcessText, "Do you really want to cancel the process that is currently in progress?",
          "Θέλετε πράγματι να ακυρώσετε την διαδικασία η οποία ευρίσκεται σε εξέλιξη αυτήν την στιγμή;"},
    Entry{TextId::CloseWindowTitle, "Close window", "Κλείσιμο παραθύρου"},
    Entry{TextId::CloseWindowText,
          "It is impossible to close the window using the control menu, because the process that is currently in "
          "progress is not allowing this to happen.",
          "Η διαδικασία η οποία ευρίσκεται σε εξέλιξη αυτήν την στιγμή, δεν επιτρέπει το κλείσιμο του παραθύρου από "
          "το μενού ελέγχου."},
    Entry{TextId::PageSetupCaption, "Page setup", "Διαμόρφωση σελίδας"},
    Entry{TextId::PageSetupFontFrame, " Font ", " Γραμματοσειρά "},
    Entry{TextId::PageSetupCourierNew, "Courier New (English)", "Courier New (Αγγλική)"},
    Entry{TextId::PageSetupCourierNewGreek, "Courier New (Greek)", "Courier New (Ελληνική)"},
    Entry{TextId::PageSetupSize, "Size:", "Μέγεθος:"},
    Entry{TextId::PageSetupMarginFrame, " Margins ", " Περιθώρια "},
    Entry{TextId::PageSetupTop, "Top:", "Άνω:"},
    Entry{TextId::PageSetupLeft, "Left:", "Αριστερό:"},
    Entry{TextId::PageSetupLinesPerPage, "Lines/Page:", "Γραμμές/Σελίδα:"},
    Entry{TextId::PageSetupSizeValue, "Size", "Μέγεθος"},
    Entry{TextId::PageSetupSizeUp, "Increase Size", "Αύξηση μεγέθους"},
    Entry{TextId::PageSetupSizeDown, "Decrease Size", "Μείωση μεγέθους"},
    Entry{TextId::PageSetupTopValue, "Top margin", "Άνω περιθώριο"},
    Entry{TextId::PageSetupTopUp, "Increase Top margin", "Αύξηση άνω περιθωρίου"},
    Entry{TextId::PageSetupTopDown, "Decrease Top margin", "Μείωση άνω περιθωρίου"},
    Entry{TextId::PageSetupLeftValue, "Left margin", "Αριστερό περιθώριο"},
    Entry{TextId::PageSetupLeftUp, "Increase Left margin", "Αύξηση αριστερού περιθωρίου"},
    Entry{TextId::PageSetupLeftDown, "Decrease Left margin", "Μείωση αριστερού περιθωρίου"},
    Entry{TextId::PageSetupLinesValue, "Lines per page", "Γραμμές ανά σελίδα"},
    Entry{TextId::PageSetupLinesUp, "Increase Lines per page", "Αύξηση γραμμών ανά σελίδα"},
    Entry{TextId::PageSetupLinesDown, "Decrease Lines per page", "Μείωση γραμμών ανά σελίδα"},
    Entry{TextId::PrintProgressName, "Print progress", "Πρόοδος εκτυπώσεως"},

    Entry{TextId::AboutCaption, "About", "Σχετικά"},
    Entry{TextId::AboutVersion, "Version ", "Έκδοση "},
    Entry{TextId::AboutDescription,
          "This application converts to (or from) Euro, any amount expressed in the currency of the countries that "
          "participate in the European Economic Monetary Union (EMU), according to a fixed exchange rate, as set by "
          "the Council of the Economic and Finance Ministers of the Member Countries (ECOFIN) and the European "
          "Central Bank (ECB).\n\n"
          "The application supports the use of one additional, used defined, currency.\n\n"
          "For more information concerning the finalization of the exchange rates and the conversion method used, "
          "click the left mouse button on the 'Hints and tips' selection of the 'Help' menu.",
          "Η εφαρμογή αυτή μετατρέπει σε (ή από) Ευρώ, ένα οποιοδήποτε ποσόν το οποίο δηλώνεται στο νόμισμα των "
          "χωρών οι οποίες συμμετέχουν στην Ευρωπαϊκή Οικονομική και Νομισματική Ένωση (ΟΝΕ), συμφώνως προς την "
          "ισοτιμία η οποία καθορίσθηκε από το Συμβούλιο των Υπουργών Οικονομικών των Χωρών Μελών (ECOFIN) και την "
          "Ευρωπαϊκή Κεντρική Τράπεζα (ECB).\n\n"
          "Η εφαρμογή υποστηρίζει την χρήση ενός επιπλέον νομίσματος, το οποίο ορίζεται από τον χειριστή.\n\n"
          "Για περισσότερες πληροφορίες σχετικά με το κλείδωμα των ισοτιμιών και την μέθοδο μετατροπής των "
          "νομισμάτων, πατήστε το αριστερό κουμπί του ποντικιού στην επιλογή «Χρήσιμες συμβουλές» του μενού "
          "«Βοήθεια»."},
    Entry{TextId::AboutSysInfo, "System Info...", "Πληροφορίες συστήματος..."},
    Entry{TextId::AboutAuthor, "Stone-Gleam Software team", "Ομάδα της Stone-Gleam Software"},
    Entry{TextId::SysInfoTitle, "System information", "Πληροφορίες συστήματος"},
    Entry{TextId::SysInfoUnavailable, "System Information is unavailable at this time.",
          "Οι Πληροφορίες Συστήματος δεν είναι διαθέσιμες αυτήν την στιγμή."},

    Entry{TextId::ExportTitle, "Export settings", "Εξαγωγή ρυθμίσεων"},
    Entry{TextId::ExportFrame, " Select the settings that will be exported ",
          " Επιλέξτε τις ρυθμίσεις οι οποίες θα εξαχθούν "},
    Entry{TextId::ExportTo, "Export to...", "Εξαγωγή προς..."},
    Entry{TextId::ExportButton, "Export", "Εξαγωγή"},
    Entry{TextId::ExportChooseFolder, "Select the folder that will be used for exporting",
          "Επιλέξτε τον φάκελλο στον οποίο θα γίνει η εξαγωγή"},
    Entry{TextId::ExportSameFolder,
          "The folder where the files with the settings will be exported to, must not be the same as the folder "
          "were these files are stored.",
          "Ο φάκελλος προς τον οποίο θα εξαχθούν τα αρχεία των ρυθμίσεων, δεν πρέπει να είναι ίδιος με τον "
          "φάκελλο στον οποίο ευρίσκονται αποθηκευμένα τα αρχεία αυτά."},
    Entry{TextId::ExportMissingFile, "File '%1', does not exist.", "Το αρχείο «%1», δεν υπάρχει."},
    Entry{TextId::ImportTitle, "Import settings", "Εισαγωγή ρυθμίσεων"},
    Entry{TextId::ImportFrame, " Select the settings that will be imported ",
          " Επιλέξτε τις ρυθμίσεις οι οποίες θα εισαχθούν "},
    Entry{TextId::ImportFrom, "Import from...", "Εισαγωγή από..."},
    Entry{TextId::ImportDeleteAfter, "Delete file, if successfully imported.",
          "Να διαγραφεί το αρχείο, εάν εισήχθη με επιτυχία."},
    Entry{TextId::ImportButton, "Import", "Εισαγωγή"},
    Entry{TextId::ImportChooseFolder, "Select the folder that will be used for importing",
          "Επιλέξετε τον φάκελλο από τον οποίο θα γίνει η εισαγωγή"},
    Entry{TextId::ImportSameFolder,
          "The folder where the files with the settings will be imported from, must not be the same as the folder "
          "were these files will be stored.",
          "Ο φάκελλος από τον οποίο θα εισαχθούν τα αρχεία των ρυθμίσεων, δεν πρέπει να είναι ίδιος με τον "
          "φάκελλο στον οποίο θα αποθηκευθούν τα αρχεία αυτά."},
    Entry{TextId::ImportMissingFile, "File '%1', does not exist.", "Το αρχείο «'%1», δεν υπάρχει."},
    Entry{TextId::ImportQuestion,
          "The application INI file is about to be imported. If this process completes successfully, the "
          "application will shut down.\n\nDo you really want to continue?",
          "Πρόκειται να γίνει εισαγωγή των βασικών ρυθμίσεων της εφαρμογής. Εάν η διαδικασία αυτή ολοκληρωθεί με "
          "επιτυχία, η εφαρμογή θα τερματισθεί.\n\nΘέλετε πράγματι να συνεχίσετε;"},
    Entry{TextId::ImportShutDown,
          "The application will shut down after you click 'OK'. The new settings will take effect, the next time "
          "you will launch the application.",
          "Η εφαρμογή θα τερματισθεί μόλις πατήσετε το «ΟΚ». Οι νέες ρυθμίσεις, θα ισχύσουν από την επόμενη "
          "εκκίνηση της εφαρμογής και μετά."},
    Entry{TextId::TransferIniFile, "Application INI file", "Βασικές παράμετροι εφαρμογής"},
    Entry{TextId::TransferSavedPaths, "Saved paths", "Αποθηκευμένες διαδρομές"},
    Entry{TextId::TransferNotRegular,
          "'%1' is not a regular file: it is a folder, a FIFO, a device or a socket. Nothing was copied.",
          "Το «%1» δεν είναι κανονικό αρχείο: είναι φάκελλος, FIFO, συσκευή ή υποδοχή. Δεν αντιγράφηκε τίποτα."},
    Entry{TextId::ImportTooLarge,
          "The file '%1' is larger than %2 MB, so it cannot be a settings file of this program. Nothing was copied.",
          "Το αρχείο «%1» είναι μεγαλύτερο από %2 MB, επομένως δεν μπορεί να είναι αρχείο ρυθμίσεων αυτής της "
          "εφαρμογής. Δεν αντιγράφηκε τίποτα."},
    Entry{TextId::FolderLineBreak,
          "The name of the folder '%1' holds a line break, so the folder cannot be kept. Please choose another "
          "folder.",
          "Το όνομα του φακέλλου «%1» περιέχει αλλαγή γραμμής, επομένως ο φάκελλος δεν μπορεί να διατηρηθεί. "
          "Παρακαλώ επιλέξτε άλλον φάκελλο."},
    Entry{TextId::FolderTooLong,
          "The path of the folder is longer than %1 characters, so the folder cannot be kept. Please choose "
          "another folder.",
          "Η διαδρομή του φακέλλου είναι μεγαλύτερη από %1 χαρακτήρες, επομένως ο φάκελλος δεν μπορεί να "
          "διατηρηθεί. Παρακαλώ επιλέξτε άλλον φάκελλο."},
    Entry{TextId::StorePathTitle, "Store path", "Καταχώρηση διαδρομής"},
    Entry{TextId::PathAlreadyStored, "Path '%1', has already been saved in the saved paths file.",
          "Η διαδρομή «%1», έχει ήδη αποθηκευθεί στο αρχείο με τις αποθηκευμένες διαδρομές."},
    Entry{TextId::ConfirmStorePath, "Do you really want to save path '%1', in the saved paths file?",
          "Θέλετε πράγματι να αποθηκεύσετε την διαδρομή «%1», στο αρχείο με τις αποθηκευμένες διαδρομές;"},
    Entry{TextId::InitialPathTitle, "Set initial path", "Ορισμός αρχικής διαδρομής"},
    Entry{TextId::InitialPathAlreadySet, "Path '%1', has already been set as the initial path of the application.",
          "Η διαδρομή «%1», έχει ήδη ορισθεί ως αρχική διαδρομή της εφαρμογής."},
    Entry{TextId::ConfirmInitialPath, "Do you really want to set '%1', as the initial path of the application?",
          "Θέλετε πράγματι να ορίσετε την διαδρομή «%1», ως αρχική διαδρομή της εφαρμογής;"},
};

static_assert(Entries.size() == std::size_t(TextId::TextCount), "every text needs an entry");

constexpr bool entriesInOrder()
{
    for (std::size_t i = 0; i < Entries.size(); ++i)
        if (Entries[i].id != TextId(i))
            return false;
    return true;
}
static_assert(entriesInOrder(), "entries follow the order of TextId");

// Brace elision would let an entry that lists one language too few build with
// a null text in its place.
constexpr bool everyLanguageWritten()
{
    for (const Entry &entry : Entries)
        for (const char *text : entry.texts)
            if (text == nullptr)
                return false;
    return true;
}
static_assert(everyLanguageWritten(), "every text in every language");
static_assert(int(TextId::CurrencyOther) - int(TextId::CurrencyEUR) == OtherCurrencyIndex,
              "one row title per currency slot");
static_assert(int(TextId::LaterChoice) - int(TextId::LaterSIT) == int(LaterChangeovers.size()),
              "one name per currency fixed later");

} // namespace

QString Text(TextId id, Language language)
{
    return QString::fromUtf8(Entries[std::size_t(id)].texts[IndexOf(language)]);
}

QString CurrencyCaption(int slot, Language language)
{
    Q_ASSERT(IsCurrencyIndex(slot));
    return Text(TextId(int(TextId::CurrencyEUR) + slot), language);
}

QString LaterCurrencyName(int index, Language language)
{
    Q_ASSERT(index >= 0 && index < int(LaterChangeovers.size()));
    return Text(TextId(int(TextId::LaterSIT) + index), language);
}

QString ErrorDescription(ErrorCode code, Language language)
{
    switch (code) {
    case ErrorCode::Overflow:
        return Text(TextId::ErrorOverflow, language);
    case ErrorCode::FileTooLarge:
        return Text(TextId::ErrorFileTooLarge, language);
    case ErrorCode::DivisionByZero:
        return Text(TextId::ErrorDivisionByZero, language);
    case ErrorCode::FileNotFound:
        return Text(TextId::ErrorFileNotFound, language);
    case ErrorCode::DeviceIo:
        return Text(TextId::ErrorDeviceIo, language);
    case ErrorCode::FileAlreadyExists:
        return Text(TextId::ErrorFileAlreadyExists, language);
    case ErrorCode::DiskFull:
        return Text(TextId::ErrorDiskFull, language);
    case ErrorCode::PermissionDenied:
        return Text(TextId::ErrorPermissionDenied, language);
    case ErrorCode::PathFileAccess:
        return Text(TextId::ErrorPathFileAccess, language);
    case ErrorCode::PathNotFound:
        return Text(TextId::ErrorPathNotFound, language);
    case ErrorCode::NotRegularFile:
        return Text(TextId::ErrorNotRegularFile, language);
    case ErrorCode::NameTooLong:
        return Text(TextId::ErrorNameTooLong, language);
    case ErrorCode::None:
    case ErrorCode::Unknown:
        break;
    }
    return Text(TextId::ErrorUnknown, language);
}

QString FailureDescription(const Failure &failure, Language language)
{
    const QString description = ErrorDescription(failure.code, language);
    return failure.path.isEmpty() ? description : description + QStringLiteral(": ") + failure.path;
}

MessageButtons MessageButtonTexts(Language language)
{
    return {Text(TextId::ButtonOk, language), Text(TextId::ButtonYes, language), Text(TextId::ButtonNo, language)};
}

QString UnexpectedErrorMessage(qint32 number, const QString &description, Language language)
{
    return Text(TextId::UnexpectedError, language).arg(QString::number(number), description);
}

namespace {

// The toolkit's own windows in the program's other languages: the file and
// folder choosers with their questions and menus, and the printer setup with
// its options and properties. The English entry is the toolkit's own text,
// exactly as the toolkit asks for it; names of paper formats and keys stay as
// they are.
constexpr std::array ToolkitEntries = {
    ToolkitText{"QPlatformTheme", "OK", "ΟΚ"},
    ToolkitText{"QPlatformTheme", "Save", "Αποθήκευση"},
    ToolkitText{"QPlatformTheme", "Save All", "Αποθήκευση όλων"},
    ToolkitText{"QPlatformTheme", "Open", "Άνοιγμα"},
    ToolkitText{"QPlatformTheme", "&Yes", "&Ναι"},
    ToolkitText{"QPlatformTheme", "Yes to &All", "Ναι σε &όλα"},
    ToolkitText{"QPlatformTheme", "&No", "Ό&χι"},
    ToolkitText{"QPlatformTheme", "N&o to All", "Όχι σε ό&λα"},
    ToolkitText{"QPlatformTheme", "Abort", "Διακοπή"},
    ToolkitText{"QPlatformTheme", "Retry", "Επανάληψη"},
    ToolkitText{"QPlatformTheme", "Ignore", "Παράβλεψη"},
    ToolkitText{"QPlatformTheme", "Close", "Κλείσιμο"},
    ToolkitText{"QPlatformTheme", "Cancel", "Άκυρο"},
    ToolkitText{"QPlatformTheme", "Discard", "Απόρριψη"},
    ToolkitText{"QPlatformTheme", "Help", "Βοήθεια"},
    ToolkitText{"QPlatformTheme", "Apply", "Εφαρμογή"},
    ToolkitText{"QPlatformTheme", "Reset", "Επαναφορά"},
    ToolkitText{"QPlatformTheme", "Restore Defaults", "Επαναφορά προεπιλογών"},
    ToolkitText{"QPlatformTheme", "Don't Save", "Χωρίς αποθήκευση"},

    ToolkitText{"QFileDialog", "Look in:", "Αναζήτηση σε:"},
    ToolkitText{"QFileDialog", "Back", "Πίσω"},
    ToolkitText{"QFileDialog", "Go back", "Μετάβαση πίσω"},
    ToolkitText{"QFileDialog", "Forward", "Εμπρός"},
    ToolkitText{"QFileDialog", "Go forward", "Μετάβαση εμπρός"},
    ToolkitText{"QFileDialog", "Parent Directory", "Γονικός φάκελλος"},
    ToolkitText{"QFileDialog", "Go to the parent directory", "Μετάβαση στον γονικό φάκελλο"},
    ToolkitText{"QFileDialog", "Create New Folder", "Δημιουργία νέου φακέλλου"},
    ToolkitText{"QFileDialog", "Create a New Folder", "Δημιουργία ενός νέου φακέλλου"},
    ToolkitText{"QFileDialog", "List View", "Προβολή λίστας"},
    ToolkitText{"QFileDialog", "Change to list view mode", "Αλλαγή σε προβολή λίστας"},
    ToolkitText{"QFileDialog", "Detail View", "Προβολή λεπτομερειών"},
    ToolkitText{"QFileDialog", "Change to detail view mode", "Αλλαγή σε προβολή λεπτομερειών"},
    ToolkitText{"QFileDialog", "Sidebar", "Πλευρική στήλη"},
    ToolkitText{"QFileDialog", "List of places and bookmarks", "Λίστα θέσεων και σελιδοδεικτών"},
    ToolkitText{"QFileDialog", "Files", "Αρχεία"},
    ToolkitText{"QFileDialog", "Files of type:", "Αρχεία τύπου:"},
    ToolkitText{"QFileDialog", "File &name:", "Ό&νομα αρχείου:"},
    ToolkitText{"QFileDialog", "Directory:", "Φάκελλος:"},
    ToolkitText{"QFileDialog", "Directories", "Φάκελλοι"},
    ToolkitText{"QFileDialog", "&Open", "Ά&νοιγμα"},
    ToolkitText{"QFileDialog", "&Save", "Απο&θήκευση"},
    ToolkitText{"QFileDialog", "&Choose", "Επι&λογή"},
    ToolkitText{"QFileDialog", "Open", "Άνοιγμα"},
    ToolkitText{"QFileDialog", "Save As", "Αποθήκευση ως"},
    ToolkitText{"QFileDialog", "Find Directory", "Εύρεση φακέλλου"},
    ToolkitText{"QFileDialog", "All Files (*)", "Όλα τα αρχεία (*)"},
    ToolkitText{"QFileDialog", "All files (*)", "Όλα τα αρχεία (*)"},
    ToolkitText{"QFileDialog", "Show ", "Εμφάνιση "},
    ToolkitText{"QFileDialog", "&Rename", "&Μετονομασία"},
    ToolkitText{"QFileDialog", "&Delete", "&Διαγραφή"},
    ToolkitText{"QFileDialog", "Show &hidden files", "Εμφάνιση &κρυφών αρχείων"},
    ToolkitText{"QFileDialog", "&New Folder", "&Νέος φάκελλος"},
    ToolkitText{"QFileDialog", "New Folder", "Νέος φάκελλος"},
    ToolkitText{"QFileDialog", "Delete", "Διαγραφή"},
    ToolkitText{"QFileDialog", "Remove", "Αφαίρεση"},
    ToolkitText{"QFileDialog", "Recent Places", "Πρόσφατες θέσεις"},
    ToolkitText{"QFileDialog", "My Computer", "Ο υπολογιστής μου"},
    ToolkitText{"QFileDialog", "%1 already exists.\nDo you want to replace it?",
                "Το «%1» υπάρχει ήδη.\nΘέλετε να αντικατασταθεί;"},
    ToolkitText{"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
                "%1\nΤο αρχείο δεν βρέθηκε.\nΕλέγξτε ότι δόθηκε το σωστό όνομα αρχείου."},
    ToolkitText{"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
                "%1\nΟ φάκελλος δεν βρέθηκε.\nΕλέγξτε ότι δόθηκε το σωστό όνομα φακέλλου."},
    ToolkitText{"QFileDialog", "'%1' is write protected.\nDo you want to delete it anyway?",
                "Το «%1» προστατεύεται από εγγραφή.\nΘέλετε να διαγραφεί παρ' όλα αυτά;"},
    ToolkitText{"QFileDialog", "Are you sure you want to delete '%1'?", "Θέλετε πράγματι να διαγραφεί το «%1»;"},
    ToolkitText{"QFileDialog", "Could not delete directory.", "Ο φάκελλος δεν μπορεί να διαγραφεί."},
    ToolkitText{"QFileSystemModel", "Name", "Όνομα"},
    ToolkitText{"QFileSystemModel", "Size", "Μέγεθος"},
    ToolkitText{"QFileSystemModel", "Type", "Τύπος"},
    ToolkitText{"QFileSystemModel", "Kind", "Είδος"},
    ToolkitText{"QFileSystemModel", "Date Modified", "Ημερομηνία τροποποίησης"},
    ToolkitText{"QFileSystemModel", "Computer", "Υπολογιστής"},
    ToolkitText{"QFileSystemModel", "My Computer", "Ο υπολογιστής μου"},
    ToolkitText{"QFileSystemModel", "Invalid filename", "Μη έγκυρο όνομα αρχείου"},
    ToolkitText{"QFileSystemModel",
                "<b>The name \"%1\" cannot be used.</b><p>Try using another name, with fewer characters or no "
                "punctuation marks.",
                "<b>Το όνομα «%1» δεν μπορεί να χρησιμοποιηθεί.</b><p>Δοκιμάστε ένα άλλο όνομα, με λιγότερους "
                "χαρακτήρες ή χωρίς σημεία στίξης."},
    ToolkitText{"QAbstractFileIconProvider", "Drive", "Μονάδα δίσκου"},
    ToolkitText{"QAbstractFileIconProvider", "Folder", "Φάκελλος"},
    ToolkitText{"QAbstractFileIconProvider", "File Folder", "Φάκελλος αρχείων"},
    ToolkitText{"QAbstractFileIconProvider", "Alias", "Ψευδώνυμο"},
    ToolkitText{"QAbstractFileIconProvider", "Shortcut", "Συντόμευση"},
    ToolkitText{"QAbstractFileIconProvider", "%1 File", "Αρχείο %1"},
    ToolkitText{"QAbstractFileIconProvider", "File", "Αρχείο"},
    ToolkitText{"QAbstractFileIconProvider", "Unknown", "Άγνωστο"},
    ToolkitText{"QLineEdit", "&Undo", "&Αναίρεση"},
    ToolkitText{"QLineEdit", "&Redo", "Ακύρωση αναί&ρεσης"},
    ToolkitText{"QLineEdit", "Cu&t", "Απο&κοπή"},
    ToolkitText{"QLineEdit", "&Copy", "Αντι&γραφή"},
    ToolkitText{"QLineEdit", "&Paste", "&Επικόλληση"},
    ToolkitText{"QLineEdit", "Delete", "Διαγραφή"},
    ToolkitText{"QLineEdit", "Select All", "Επιλογή όλων"},
    ToolkitText{"QAbstractSpinBox", "&Select All", "&Επιλογή όλων"},
    ToolkitText{"QAbstractSpinBox", "&Step up", "&Βήμα επάνω"},
    ToolkitText{"QAbstractSpinBox", "Step &down", "Βήμα &κάτω"},
    ToolkitText{"QTabBar", "Scroll Left", "Κύλιση αριστερά"},
    ToolkitText{"QTabBar", "Scroll Right", "Κύλιση δεξιά"},

    ToolkitText{"QPrintDialog", "Print", "Εκτύπωση"},
    ToolkitText{"QPrintDialog", "&Print", "&Εκτύπωση"},
    ToolkitText{"QPrintDialog", "&Options >>", "Επι&λογές >>"},
    ToolkitText{"QPrintDialog", "&Options <<", "Επι&λογές <<"},
    ToolkitText{"QPrintDialog", "Print to File (PDF)", "Εκτύπωση σε αρχείο (PDF)"},
    ToolkitText{"QPrintDialog", "Local file", "Τοπικό αρχείο"},
    ToolkitText{"QPrintDialog", "Write PDF file", "Εγγραφή αρχείου PDF"},
    ToolkitText{"QPrintDialog", "Print To File ...", "Εκτύπωση σε αρχείο ..."},
    ToolkitText{"QPrintDialog", "Automatic", "Αυτόματα"},
    ToolkitText{"QPrintDialog", "All Pages", "Όλες οι σελίδες"},
    ToolkitText{"QPrintDialog", "Odd Pages", "Μονές σελίδες"},
    ToolkitText{"QPrintDialog", "Even Pages", "Ζυγές σελίδες"},
    ToolkitText{"QPrintDialog", "Left to Right, Top to Bottom", "Αριστερά προς δεξιά, πάνω προς κάτω"},
    ToolkitText{"QPrintDialog", "Left to Right, Bottom to Top", "Αριστερά προς δεξιά, κάτω προς πάνω"},
    ToolkitText{"QPrintDialog", "Right to Left, Bottom to Top", "Δεξιά προς αριστερά, κάτω προς πάνω"},
    ToolkitText{"QPrintDialog", "Right to Left, Top to Bottom", "Δεξιά προς αριστερά, πάνω προς κάτω"},
    ToolkitText{"QPrintDialog", "Bottom to Top, Left to Right", "Κάτω προς πάνω, αριστερά προς δεξιά"},
    ToolkitText{"QPrintDialog", "Bottom to Top, Right to Left", "Κάτω προς πάνω, δεξιά προς αριστερά"},
    ToolkitText{"QPrintDialog", "Top to Bottom, Left to Right", "Πάνω προς κάτω, αριστερά προς δεξιά"},
    ToolkitText{"QPrintDialog", "Top to Bottom, Right to Left", "Πάνω προς κάτω, δεξιά προς αριστερά"},
    ToolkitText{"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
                "Το «%1» είναι φάκελλος.\nΕπιλέξτε ένα διαφορετικό όνομα αρχείου."},
    ToolkitText{"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
                "Στο αρχείο «%1» δεν μπορεί να γίνει εγγραφή.\nΕπιλέξτε ένα διαφορετικό όνομα αρχείου."},
    ToolkitText{"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?",
                "Το «%1» υπάρχει ήδη.\nΘέλετε να αντικατασταθεί;"},
    ToolkitText{"QPrintDialog",
                "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those options "
                "off.",
                "Οι επιλογές «Σελίδες ανά φύλλο» και «Σύνολο σελίδων» δεν μπορούν να χρησιμοποιηθούν μαζί.\n"
                "Απενεργοποιήστε τη μία από τις δύο."},
    ToolkitText{"QPrintDialog", "Conflicting options", "Αντικρουόμενες επιλογές"},
    ToolkitText{"QPrintDialog", "There are conflicts in some options. Please fix them.",
                "Ορισμένες επιλογές αντικρούονται. Παρακαλώ διορθώστε τις."},
    ToolkitText{"QPrintWidget", "Form", "Φόρμα"},
    ToolkitText{"QPrintWidget", "Printer", "Εκτυπωτής"},
    ToolkitText{"QPrintWidget", "&Name:", "Ό&νομα:"},
    ToolkitText{"QPrintWidget", "P&roperties", "&Ιδιότητες"},
    ToolkitText{"QPrintWidget", "Location:", "Θέση:"},
    ToolkitText{"QPrintWidget", "Preview", "Προεπισκόπηση"},
    ToolkitText{"QPrintWidget", "Type:", "Τύπος:"},
    ToolkitText{"QPrintWidget", "Output &file:", "&Αρχείο εξόδου:"},
    ToolkitText{"QPrintSettingsOutput", "Form", "Φόρμα"},
    ToolkitText{"QPrintSettingsOutput", "Copies", "Αντίγραφα"},
    ToolkitText{"QPrintSettingsOutput", "Print range", "Περιοχή εκτύπωσης"},
    ToolkitText{"QPrintSettingsOutput", "Print all", "Εκτύπωση όλων"},
    ToolkitText{"QPrintSettingsOutput", "Pages from", "Σελίδες από"},
    ToolkitText{"QPrintSettingsOutput", "to", "έως"},
    ToolkitText{"QPrintSettingsOutput", "Pages", "Σελίδες"},
    ToolkitText{"QPrintSettingsOutput",
                "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
                "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
                "Δώστε σελίδες ή περιοχές σελίδων χωρισμένες με κόμματα. Μια περιοχή δίνεται με δύο αριθμούς "
                "χωρισμένους με παύλα. Π.χ. το 3,5-7,9 εκτυπώνει τις σελίδες 3, 5, 6, 7 και 9."},
    ToolkitText{"QPrintSettingsOutput", "Current Page", "Τρέχουσα σελίδα"},
    ToolkitText{"QPrintSettingsOutput", "Selection", "Επιλογή"},
    ToolkitText{"QPrintSettingsOutput", "Output Settings", "Ρυθμίσεις εξόδου"},
    ToolkitText{"QPrintSettingsOutput", "Copies:", "Αντίγραφα:"},
    ToolkitText{"QPrintSettingsOutput", "Collate", "Ταξινόμηση αντιγράφων"},
    ToolkitText{"QPrintSettingsOutput", "Reverse", "Αντίστροφη σειρά"},
    ToolkitText{"QPrintSettingsOutput", "Options", "Επιλογές"},
    ToolkitText{"QPrintSettingsOutput", "Color Mode", "Χρώματα"},
    ToolkitText{"QPrintSettingsOutput", "Color", "Έγχρωμη"},
    ToolkitText{"QPrintSettingsOutput", "Grayscale", "Αποχρώσεις του γκρι"},
    ToolkitText{"QPrintSettingsOutput", "Double Sided Printing", "Εκτύπωση διπλής όψης"},
    ToolkitText{"QPrintSettingsOutput", "Off", "Όχι"},
    ToolkitText{"QPrintSettingsOutput", "Long side binding", "Βιβλιοδεσία στη μακριά πλευρά"},
    ToolkitText{"QPrintSettingsOutput", "Short side binding", "Βιβλιοδεσία στη στενή πλευρά"},
    ToolkitText{"QPrintSettingsOutput", "Page Set:", "Σύνολο σελίδων:"},
    ToolkitText{"QPageSetupWidget", "Form", "Φόρμα"},
    ToolkitText{"QPageSetupWidget", "Paper", "Χαρτί"},
    ToolkitText{"QPageSetupWidget", "Page size:", "Μέγεθος σελίδας:"},
    ToolkitText{"QPageSetupWidget", "Width:", "Πλάτος:"},
    ToolkitText{"QPageSetupWidget", "Height:", "Ύψος:"},
    ToolkitText{"QPageSetupWidget", "Paper source:", "Προέλευση χαρτιού:"},
    ToolkitText{"QPageSetupWidget", "Orientation", "Προσανατολισμός"},
    ToolkitText{"QPageSetupWidget", "Portrait", "Κατακόρυφος"},
    ToolkitText{"QPageSetupWidget", "Landscape", "Οριζόντιος"},
    ToolkitText{"QPageSetupWidget", "Reverse landscape", "Αντεστραμμένος οριζόντιος"},
    ToolkitText{"QPageSetupWidget", "Reverse portrait", "Αντεστραμμένος κατακόρυφος"},
    ToolkitText{"QPageSetupWidget", "Margins", "Περιθώρια"},
    ToolkitText{"QPageSetupWidget", "top margin", "άνω περιθώριο"},
    ToolkitText{"QPageSetupWidget", "left margin", "αριστερό περιθώριο"},
    ToolkitText{"QPageSetupWidget", "right margin", "δεξί περιθώριο"},
    ToolkitText{"QPageSetupWidget", "bottom margin", "κάτω περιθώριο"},
    ToolkitText{"QPageSetupWidget", "Page Layout", "Διάταξη σελίδας"},
    ToolkitText{"QPageSetupWidget", "Page order:", "Σειρά σελίδων:"},
    ToolkitText{"QPageSetupWidget", "Pages per sheet:", "Σελίδες ανά φύλλο:"},
    ToolkitText{"QPageSetupWidget", "Millimeters (mm)", "Χιλιοστά (mm)"},
    ToolkitText{"QPageSetupWidget", "Inches (in)", "Ίντσες (in)"},
    ToolkitText{"QPageSetupWidget", "Points (pt)", "Στιγμές (pt)"},
    ToolkitText{"QPageSetupWidget", "Pica (P̸)", "Πίκα (P̸)"},
    ToolkitText{"QPageSetupWidget", "Didot (DD)", "Ντιντό (DD)"},
    ToolkitText{"QPageSetupWidget", "Cicero (CC)", "Κικέρο (CC)"},
    ToolkitText{"QPageSetupWidget", "Custom", "Προσαρμοσμένο"},
    ToolkitText{"QPrintPropertiesDialog", "Printer Properties", "Ιδιότητες εκτυπωτή"},
    ToolkitText{"QPrintPropertiesDialog", "Job Options", "Επιλογές εργασίας"},
    ToolkitText{"QPrintPropertiesWidget", "Form", "Φόρμα"},
    ToolkitText{"QPrintPropertiesWidget", "Page", "Σελίδα"},
    ToolkitText{"QPrintPropertiesWidget", "Advanced", "Για προχωρημένους"},
    ToolkitText{"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
                "Ορισμένες επιλογές αντικρούονται. Παρακαλώ διορθώστε τις."},
    ToolkitText{"QCupsJobWidget", "Job", "Εργασία"},
    ToolkitText{"QCupsJobWidget", "Job Control", "Έλεγχος εργασίας"},
    ToolkitText{"QCupsJobWidget", "Scheduled printing:", "Προγραμματισμένη εκτύπωση:"},
    ToolkitText{"QCupsJobWidget", "Billing information:", "Πληροφορίες χρέωσης:"},
    ToolkitText{"QCupsJobWidget", "Job priority:", "Προτεραιότητα εργασίας:"},
    ToolkitText{"QCupsJobWidget", "Banner Pages", "Σελίδες διαχωρισμού"},
    ToolkitText{"QCupsJobWidget", "Start:", "Αρχή:"},
    ToolkitText{"QCupsJobWidget", "End:", "Τέλος:"},
    ToolkitText{"QCupsJobWidget", "Print Immediately", "Άμεση εκτύπωση"},
    ToolkitText{"QCupsJobWidget", "Hold Indefinitely", "Αναμονή επ' αόριστον"},
    ToolkitText{"QCupsJobWidget", "Day (06:00 to 17:59)", "Ημέρα (06:00 έως 17:59)"},
    ToolkitText{"QCupsJobWidget", "Night (18:00 to 05:59)", "Νύχτα (18:00 έως 05:59)"},
    ToolkitText{"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Δεύτερη βάρδια (16:00 έως 23:59)"},
    ToolkitText{"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Τρίτη βάρδια (00:00 έως 07:59)"},
    ToolkitText{"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Σαββατοκύριακο (Σάββατο έως Κυριακή)"},
    ToolkitText{"QCupsJobWidget", "Specific Time", "Συγκεκριμένη ώρα"},
    ToolkitText{"QCupsJobWidget", "None", "Καμία"},
    ToolkitText{"QCupsJobWidget", "Standard", "Τυπική"},
    ToolkitText{"QCupsJobWidget", "Unclassified", "Αδιαβάθμητη"},
    ToolkitText{"QCupsJobWidget", "Confidential", "Εμπιστευτική"},
    ToolkitText{"QCupsJobWidget", "Classified", "Διαβαθμισμένη"},
    ToolkitText{"QCupsJobWidget", "Secret", "Απόρρητη"},
    ToolkitText{"QCupsJobWidget", "Top Secret", "Άκρως απόρρητη"},
    ToolkitText{"QPageSize", "Custom", "Προσαρμοσμένο"},
    ToolkitText{"QPageSize", "%1 x %2 in", "%1 x %2 ίντσες"},
    ToolkitText{"QPageSize", "Executive (7.25 x 10.5 in)", "Executive (7.25 x 10.5 ίντσες)"},
    ToolkitText{"QPageSize", "Executive (7.5 x 10 in)", "Executive (7.5 x 10 ίντσες)"},
    ToolkitText{"QPageSize", "Folio (8.27 x 13 in)", "Folio (8.27 x 13 ίντσες)"},
    ToolkitText{"QPageSize", "Fan-fold US (14.875 x 11 in)", "Συνεχές US (14.875 x 11 ίντσες)"},
    ToolkitText{"QPageSize", "Fan-fold German (8.5 x 12 in)", "Συνεχές γερμανικό (8.5 x 12 ίντσες)"},
    ToolkitText{"QPageSize", "Fan-fold German Legal (8.5 x 13 in)", "Συνεχές γερμανικό Legal (8.5 x 13 ίντσες)"},
    ToolkitText{"QPageSize", "Architect A", "Αρχιτεκτονικό A"},
    ToolkitText{"QPageSize", "Architect B", "Αρχιτεκτονικό B"},
    ToolkitText{"QPageSize", "Architect C", "Αρχιτεκτονικό C"},
    ToolkitText{"QPageSize", "Architect D", "Αρχιτεκτονικό D"},
    ToolkitText{"QPageSize", "Architect E", "Αρχιτεκτονικό E"},
    ToolkitText{"QPageSize", "Postcard", "Καρτ-ποστάλ"},
    ToolkitText{"QPageSize", "Double Postcard", "Διπλή καρτ-ποστάλ"},
    ToolkitText{"QPageSize", "Envelope B4", "Φάκελλος B4"},
    ToolkitText{"QPageSize", "Envelope B5", "Φάκελλος B5"},
    ToolkitText{"QPageSize", "Envelope B6", "Φάκελλος B6"},
    ToolkitText{"QPageSize", "Envelope C0", "Φάκελλος C0"},
    ToolkitText{"QPageSize", "Envelope C1", "Φάκελλος C1"},
    ToolkitText{"QPageSize", "Envelope C2", "Φάκελλος C2"},
    ToolkitText{"QPageSize", "Envelope C3", "Φάκελλος C3"},
    ToolkitText{"QPageSize", "Envelope C4", "Φάκελλος C4"},
    ToolkitText{"QPageSize", "Envelope C5", "Φάκελλος C5"},
    ToolkitText{"QPageSize", "Envelope C6", "Φάκελλος C6"},
    ToolkitText{"QPageSize", "Envelope C65", "Φάκελλος C65"},
    ToolkitText{"QPageSize", "Envelope C7", "Φάκελλος C7"},
    ToolkitText{"QPageSize", "Envelope DL", "Φάκελλος DL"},
    ToolkitText{"QPageSize", "Envelope US 9", "Φάκελλος US 9"},
    ToolkitText{"QPageSize", "Envelope US 10", "Φάκελλος US 10"},
    ToolkitText{"QPageSize", "Envelope US 11", "Φάκελλος US 11"},
    ToolkitText{"QPageSize", "Envelope US 12", "Φάκελλος US 12"},
    ToolkitText{"QPageSize", "Envelope US 14", "Φάκελλος US 14"},
    ToolkitText{"QPageSize", "Envelope Monarch", "Φάκελλος Monarch"},
    ToolkitText{"QPageSize", "Envelope Personal", "Φάκελλος προσωπικός"},
    ToolkitText{"QPageSize", "Envelope Invite", "Φάκελλος πρόσκλησης"},
    ToolkitText{"QPageSize", "Envelope Italian", "Φάκελλος ιταλικός"},
    ToolkitText{"QPageSize", "Envelope Chou 3", "Φάκελλος Chou 3"},
    ToolkitText{"QPageSize", "Envelope Chou 4", "Φάκελλος Chou 4"},
    ToolkitText{"QPageSize", "Envelope Kaku 2", "Φάκελλος Kaku 2"},
    ToolkitText{"QPageSize", "Envelope Kaku 3", "Φάκελλος Kaku 3"},
    ToolkitText{"QPageSize", "Envelope PRC 1", "Φάκελλος PRC 1"},
    ToolkitText{"QPageSize", "Envelope PRC 2", "Φάκελλος PRC 2"},
    ToolkitText{"QPageSize", "Envelope PRC 3", "Φάκελλος PRC 3"},
    ToolkitText{"QPageSize", "Envelope PRC 4", "Φάκελλος PRC 4"},
    ToolkitText{"QPageSize", "Envelope PRC 5", "Φάκελλος PRC 5"},
    ToolkitText{"QPageSize", "Envelope PRC 6", "Φάκελλος PRC 6"},
    ToolkitText{"QPageSize", "Envelope PRC 7", "Φάκελλος PRC 7"},
    ToolkitText{"QPageSize", "Envelope PRC 8", "Φάκελλος PRC 8"},
    ToolkitText{"QPageSize", "Envelope PRC 9", "Φάκελλος PRC 9"},
    ToolkitText{"QPageSize", "Envelope PRC 10", "Φάκελλος PRC 10"},
};

constexpr bool everyToolkitTextWritten()
{
    for (const ToolkitText &entry : ToolkitEntries)
        for (const char *text : entry.texts)
            if (text == nullptr)
                return false;
    return true;
}
static_assert(everyToolkitTextWritten(), "every toolkit text in every language");

} // namespace

std::span<const ToolkitText> ToolkitTexts() { return ToolkitEntries; }
