// Every text the program shows: one entry a text, its id and then its words in
// every language, in the order of Language. Texts.h makes the ids of this list
// and Texts.cpp the table, so that a new text is one line here; an entry that
// misses a language does not build.
// TEXT(id, English, Greek)
// A list, not a header to include once: each use defines the entry macros and
// includes it again, so it has no include guard.

TEXT(ProgramTitle, "Euro changeover adviser", "Σύμβουλος μετάβασης στο Ευρώ")
TEXT(DuplicateInstance,
     "The application is already active and cannot have more than one instances (on the same computer) at "
     "the same time.",
     "Η εφαρμογή είναι ήδη ενεργοποιημένη και δεν μπορεί να εκτελείται παραπάνω από μία φορά (στον ίδιο "
     "υπολογιστή) την ίδια χρονική στιγμή.")

// Row titles, in slot order: CurrencyEUR + slot.
TEXT(CurrencyEUR, "EUR - Euro", "EUR - Ευρώ")
TEXT(CurrencyATS, "ATS - Austrian Schilling", "ATS - Σελλίνι Αυστρίας")
TEXT(CurrencyBEF, "BEF - Belgian Franc", "BEF - Φράγκο Βελγίου")
TEXT(CurrencyDEM, "DEM - German Mark", "DEM - Μάρκο Γερμανίας")
TEXT(CurrencyESP, "ESP - Spanish Peseta", "ESP - Πεσέτα Ισπανίας")
TEXT(CurrencyFIM, "FIM - Finnish Markka", "FIM - Μάρκο Φινλανδίας")
TEXT(CurrencyFRF, "FRF - French Franc", "FRF - Φράγκο Γαλλίας")
TEXT(CurrencyGRD, "GRD - Greek Drachma", "GRD - Δραχμή Ελλάδος")
TEXT(CurrencyIEP, "IEP - Irish Punt", "IEP - Λίρα Ιρλανδίας")
TEXT(CurrencyITL, "ITL - Italian Lira", "ITL - Λιρέττα Ιταλίας")
TEXT(CurrencyLUF, "LUF - Luxembourg Franc", "LUF - Φράγκο Λουξεμβούργου")
TEXT(CurrencyNLG, "NLG - Dutch Guilder", "NLG - Φιορίνι Ολλανδίας")
TEXT(CurrencyPTE, "PTE - Portuguese Escudo", "PTE - Εσκούδο Πορτογαλίας")
TEXT(CurrencyOther, "Other currency", "Άλλο νόμισμα")
// The currencies fixed later, in the order of LaterChangeovers, and the
// amount dialog's list that offers them for the additional currency.
TEXT(LaterSIT, "SIT - Slovenian Tolar", "SIT - Τόλαρ Σλοβενίας")
TEXT(LaterCYP, "CYP - Cypriot Pound", "CYP - Λίρα Κύπρου")
TEXT(LaterMTL, "MTL - Maltese Lira", "MTL - Λίρα Μάλτας")
TEXT(LaterSKK, "SKK - Slovak Koruna", "SKK - Κορόνα Σλοβακίας")
TEXT(LaterEEK, "EEK - Estonian Kroon", "EEK - Κορόνα Εσθονίας")
TEXT(LaterLVL, "LVL - Latvian Lats", "LVL - Λατς Λετονίας")
TEXT(LaterLTL, "LTL - Lithuanian Litas", "LTL - Λίτας Λιθουανίας")
TEXT(LaterHRK, "HRK - Croatian Kuna", "HRK - Κούνα Κροατίας")
TEXT(LaterBGN, "BGN - Bulgarian Lev", "BGN - Λεβ Βουλγαρίας")
TEXT(LaterChoice, "Currencies fixed later", "Νομίσματα με ισοτιμία κλειδωμένη αργότερα")

// Row words after a failed conversion.
TEXT(OverflowCaption, "Overflow ", "Υπερχείλιση ")
TEXT(OverflowToolTip, " Overflow ", " Υπερχείλιση ")
TEXT(UndefinedCaption, "Undefined ", "Απροσδιόριστο ")
TEXT(UndefinedToolTip, " Undefined ", " Απροσδιόριστο ")

// Main window menus, in menu order.
TEXT(MenuFile, "File", "Αρχείο")
TEXT(MenuFilePageSetup, "Page setup...", "Διαμόρφωση σελίδας...")
TEXT(MenuFilePrintSetup, "Printer setup...", "Επιλογή εκτυπωτή...")
TEXT(MenuFilePrint, "Print...", "Εκτύπωση...")
TEXT(MenuFileExit, "Exit", "Έξοδος")
TEXT(MenuSavePath, "Store", "Καταχώρηση")
TEXT(MenuSavePathRecent, "Recent...", "Πρόσφατη...")
TEXT(MenuSavePathInitial, "Initial...", "Αρχική...")
TEXT(MenuSavePathHelp, "Help", "Βοήθεια")
TEXT(MenuSavePathCancel, "Cancel", "Άκυρο")
TEXT(MenuRecallPath, "Restore", "Επαναφορά")
TEXT(MenuRecallPathRecent, "Recent...", "Πρόσφατη...")
TEXT(MenuRecallPathInitial, "Initial", "Αρχική")
TEXT(MenuRecallPathHelp, "Help", "Βοήθεια")
TEXT(MenuRecallPathCancel, "Cancel", "Άκυρο")
TEXT(MenuTools, "Tools", "Εργαλεία")
TEXT(MenuToolsRefresh, "Refresh", "Ανανέωση")
TEXT(MenuToolsUpOneLevel, "Up one level\tBksp", "Ένα επίπεδο επάνω\tBksp")
TEXT(MenuToolsEnglish, "English", "Αγγλική")
TEXT(MenuToolsGreek, "Greek", "Ελληνική")
TEXT(MenuToolsOptions, "Options...", "Επιλογές...")
TEXT(MenuToolsFactorySettings, "Factory settings...", "Εργοστασιακές ρυθμίσεις...")
TEXT(MenuSettings, "Settings", "Ρυθμίσεις")
TEXT(MenuSettingsImport, "Import...", "Εισαγωγή...")
TEXT(MenuSettingsExport, "Export...", "Εξαγωγή...")
TEXT(MenuSettingsHelp, "Help", "Βοήθεια")
TEXT(MenuSettingsCancel, "Cancel", "Άκυρο")
TEXT(MenuConvert, "Convert from", "Μετατροπή από")
TEXT(MenuHelp, "Help", "Βοήθεια")
TEXT(MenuHelpTips, "Hints and tips...", "Χρήσιμες συμβουλές...")
TEXT(MenuHelpAbout, "About...", "Σχετικά...")

// Main window button tooltips.
TEXT(TipPageSetup, "Page setup", "Διαμόρφωση σελίδας")
TEXT(TipPrintSetup, "Printer setup", "Επιλογή εκτυπωτή")
TEXT(TipPrint, "Print ... Ctl+P", "Εκτύπωση ... Ctl+P")
TEXT(TipEndApplication, "Exit", "Έξοδος")
TEXT(TipRefresh, "Refresh ... F5", "Ανανέωση ... F5")
TEXT(TipSavePath, "Store path", "Καταχώρηση διαδρομής")
TEXT(TipRecallSavedPath, "Restore path", "Επαναφορά διαδρομής")
TEXT(TipUpOneLevel, "Up one level ... Bksp", "Ένα επίπεδο επάνω ... Bksp")
TEXT(TipLanguageEnglish, "English / Αγγλικά", "English / Αγγλικά")
TEXT(TipLanguageGreek, "Ελληνικά / Greek", "Ελληνικά / Greek")
TEXT(TipSettings, "Settings", "Ρυθμίσεις")
TEXT(TipOptions, "Options", "Επιλογές")
TEXT(TipHelp, "Hints and tips", "Χρήσιμες συμβουλές")
TEXT(TipCopyright, "Stone-Gleam Software", "Stone-Gleam Software")
// What a screen reader says for a row's convert button: "Convert from" + title.
TEXT(ConvertRowName, "Convert from %1", "Μετατροπή από %1")

// The amount dialog.
TEXT(InputCaption, "Convert '%1' to all other currencies", "Μετατροπή «%1» σε όλα τα άλλα νομίσματα")
TEXT(InputFixedRate, " Fixed exchange rate ", " Κλειδωμένη ισοτιμία ")
TEXT(InputCurrentRate, " Current exchange rate ", " Τρέχουσα ισοτιμία ")
TEXT(InputCurrencyDetails, " Currency details ", " Πληροφορίες νομίσματος ")
TEXT(InputName, "Name:", "Όνομα:")
TEXT(InputRate, "Exchange rate:", "Ισοτιμία:")
TEXT(InputAmount, "Amount to be converted:", "Ποσό προς μετατροπή:")
TEXT(InputDecimals, "Decimals:", "Δεκαδικά:")
TEXT(InputDecimals0, " 0 - None", " 0 - Κανένα")
TEXT(InputDecimals1, " 1 - One", " 1 - Ένα")
TEXT(InputDecimals2, " 2 - Two", " 2 - Δύο")
TEXT(InputDecimals3, " 3 - Three", " 3 - Τρία")
TEXT(InputDecimals4, " 4 - Four", " 4 - Τέσσερα")
TEXT(InputCancel, "Cancel", "Άκυρο")
TEXT(InputConvert, "Convert", "Μετατροπή")
TEXT(ErrorTitle, "Error", "Σφάλμα")
TEXT(BadRate, "Incorrect exchange rate.", "Ανακριβής ισοτιμία.")
TEXT(BadAmount, "Incorrect amount.", "Ανακριβές ποσό.")

// Message box buttons.
TEXT(ButtonOk, "OK", "ΟΚ")
TEXT(ButtonYes, "Yes", "Ναι")
TEXT(ButtonNo, "No", "Όχι")

// The unexpected-error report and the error descriptions it names.
TEXT(UnexpectedError,
     "Error condition %1 with the description '%2' has occured.\n\nDo you want to shut down the application?",
     "Παρουσιάσθηκε το σφάλμα με αριθμό %1 και περιγραφή «%2».\n\nΘέλετε να διακοπεί η λειτουργία της "
     "εφαρμογής;")
TEXT(ErrorOverflow, "Overflow", "Υπερχείλιση")
TEXT(ErrorFileTooLarge, "File too large", "Το αρχείο είναι υπερβολικά μεγάλο")
TEXT(ErrorDivisionByZero, "Division by zero", "Διαίρεση με το μηδέν")
TEXT(ErrorFileNotFound, "File not found", "Το αρχείο δεν βρέθηκε")
TEXT(ErrorDeviceIo, "Device I/O error", "Σφάλμα εισόδου/εξόδου συσκευής")
TEXT(ErrorDiskFull, "Disk full", "Ο δίσκος είναι πλήρης")
TEXT(ErrorPermissionDenied, "Permission denied", "Δεν επιτρέπεται η πρόσβαση")
TEXT(ErrorFileAlreadyExists, "File already exists", "Το αρχείο υπάρχει ήδη")
TEXT(ErrorPathFileAccess, "Path/File access error", "Σφάλμα πρόσβασης σε διαδρομή ή αρχείο")
TEXT(ErrorPathNotFound, "Path not found", "Η διαδρομή δεν βρέθηκε")
TEXT(ErrorNotRegularFile, "Not a regular file", "Δεν είναι κανονικό αρχείο")
TEXT(ErrorUnknown,
     "Application-defined or object-defined error",
     "Σφάλμα που ορίζεται από την εφαρμογή ή από αντικείμενο")
TEXT(ErrorNameTooLong, "File name too long", "Το όνομα του αρχείου είναι υπερβολικά μεγάλο")

// Start-up, when the settings file is far too large to be ours, and when
// nothing can keep a second copy from running.
TEXT(SettingsTooLarge,
     "The settings file '%1' is larger than %2 MB, so it cannot be the settings file of this program. The "
     "program starts with its default settings and leaves that file as it is.",
     "Το αρχείο ρυθμίσεων «%1» είναι μεγαλύτερο από %2 MB, επομένως δεν μπορεί να είναι αρχείο ρυθμίσεων αυτής "
     "της εφαρμογής. Η εφαρμογή ξεκινά με τις αρχικές της ρυθμίσεις και αφήνει το αρχείο όπως είναι.")
TEXT(InstanceLockUnavailable,
     "The application cannot make sure that it runs only once: its lock file cannot be created in your "
     "runtime folder or, where there is none, in your cache folder. Do not start it a second time while it "
     "runs, or both copies will write the same settings.",
     "Η εφαρμογή δεν μπορεί να εξασφαλίσει ότι εκτελείται μόνο μία φορά: το αρχείο κλειδώματός της δεν μπορεί "
     "να δημιουργηθεί στον φάκελλο εκτέλεσής σας ή, όπου δεν υπάρχει, στον φάκελλο προσωρινής μνήμης σας. "
     "Μην την ξεκινήσετε δεύτερη φορά όσο εκτελείται, διότι και τα δύο αντίγραφα θα γράφουν στις ίδιες "
     "ρυθμίσεις.")
// Something the program did not make stands where its lock belongs: what it is.
TEXT(LockInTheWay,
     "The application cannot make sure that it runs only once: %2 stands where its lock file '%1' belongs. "
     "Remove it, and do not start the application a second time while it runs.",
     "Η εφαρμογή δεν μπορεί να εξασφαλίσει ότι εκτελείται μόνο μία φορά: στην θέση του αρχείου κλειδώματός της "
     "«%1» υπάρχει %2. Αφαιρέστε το στοιχείο αυτό και μην ξεκινήσετε την εφαρμογή δεύτερη φορά όσο εκτελείται.")
TEXT(LockInTheWayFolder, "a folder that is not empty", "ένας φάκελλος ο οποίος δεν είναι κενός")
TEXT(LockInTheWayLink,
     "a link to an existing file or folder",
     "ένας σύνδεσμος προς υπάρχον αρχείο ή φάκελλο")
TEXT(LockInTheWaySpecial, "a FIFO, a socket or a device", "ένα FIFO, μία υποδοχή ή μία συσκευή")
TEXT(LockInTheWayDanglingLink,
     "a link to nothing that it may not remove",
     "ένας σύνδεσμος προς ανύπαρκτο αρχείο, τον οποίο δεν επιτρέπεται να αφαιρέσει")
// The command line: its help, in the order printed, and its complaints.
// Help lines are wrapped to fit a terminal 80 characters wide; option
// descriptions start in column 31.
TEXT(CommandUsage, "Usage: %1 [OPTION]...", "Χρήση: %1 [ΕΠΙΛΟΓΗ]...")
TEXT(CommandAbout,
     "Converts an amount between the euro, the twelve currencies whose rates to the\n"
     "euro were irrevocably fixed and one currency of your own, always through the\n"
     "euro, exactly as the window does. Without options the window opens.",
     "Μετατρέπει ένα ποσό μεταξύ του Ευρώ, των δώδεκα νομισμάτων με αμετάκλητα\n"
     "καθορισμένη ισοτιμία προς το Ευρώ και ενός δικού σας νομίσματος, πάντοτε μέσω\n"
     "του Ευρώ, ακριβώς όπως το παράθυρο. Χωρίς επιλογές ανοίγει το παράθυρο.")
TEXT(CommandOptions, "Options:", "Επιλογές:")
TEXT(CommandHelpOption, "show this help and end", "εμφανίζει αυτήν την βοήθεια και τερματίζει")
TEXT(CommandVersionOption,
     "show the program's name and version and end",
     "εμφανίζει το όνομα και την έκδοση της εφαρμογής\nκαι τερματίζει")
TEXT(CommandConvertArguments, "AMOUNT CODE", "ΠΟΣΟ ΚΩΔΙΚΟΣ")
TEXT(CommandConvertOption,
     "convert AMOUNT from the currency CODE and print\nthe road of the conversion, then the report's\n"
     "column titles and its fourteen lines",
     "μετατρέπει το ΠΟΣΟ από το νόμισμα ΚΩΔΙΚΟΣ και\nεμφανίζει την διαδρομή της μετατροπής, τους\n"
     "τίτλους των στηλών της αναφοράς και τις\nδεκατέσσερις γραμμές της")
TEXT(CommandGreekOption, "print in Greek", "εμφανίζει τα κείμενα στα ελληνικά")
TEXT(CommandEnglishOption, "print in English", "εμφανίζει τα κείμενα στα αγγλικά")
TEXT(CommandDetails,
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
     "απάντηση που δεν μπόρεσε να γραφεί, 2 λανθασμένη επιλογή, ποσό ή κωδικός.")
// The help's paragraph on the codes of the currencies fixed later (%1), which
// follows the first paragraph of CommandDetails.
TEXT(CommandLaterCodes,
     "The currencies fixed later, %1,\n"
     "convert as the additional currency at their official rates, with two\n"
     "decimals; the additional currency of the settings file stays as it is.",
     "Τα νομίσματα με ισοτιμία κλειδωμένη αργότερα,\n"
     "%1, μετατρέπονται ως το επιπλέον\n"
     "νόμισμα με τις επίσημες ισοτιμίες τους και δύο δεκαδικά· το επιπλέον νόμισμα\n"
     "του αρχείου ρυθμίσεων μένει ως έχει.")
TEXT(CommandUnknownOption, "Unknown option '%1'.", "Άγνωστη επιλογή «%1».")
TEXT(CommandStrayArgument, "Unexpected argument '%1'.", "Απρόσμενο όρισμα «%1».")
TEXT(CommandConvertNeeds,
     "'%1' needs an amount and a currency code.",
     "Η «%1» χρειάζεται ένα ποσό και έναν κωδικό νομίσματος.")
TEXT(CommandLanguageAlone,
     "'%1' chooses the language of what is printed: use it with '--convert' or '--help'.",
     "Η «%1» ορίζει την γλώσσα της εξόδου: χρησιμοποιήστε την μαζί με την «--convert» ή την «--help».")
TEXT(CommandUnknownCode, "Unknown currency code '%1'.", "Άγνωστος κωδικός νομίσματος «%1».")
TEXT(CommandNoDisplay,
     "There is no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is set. Start the "
     "program in a desktop session; '%1 --convert AMOUNT CODE' works without one.",
     "Δεν υπάρχει οθόνη για να ανοίξει το παράθυρο: δεν έχει ορισθεί ούτε η DISPLAY ούτε η WAYLAND_DISPLAY. "
     "Ξεκινήστε την εφαρμογή σε μια συνεδρία επιφάνειας εργασίας· η «%1 --convert ΠΟΣΟ ΚΩΔΙΚΟΣ» λειτουργεί "
     "και χωρίς οθόνη.")
TEXT(CommandOutputFailed,
     "The answer could not be written to the standard output: %1.",
     "Η απάντηση δεν μπόρεσε να γραφεί στην τυπική έξοδο: %1.")
// The column titles of the printed report, each exactly as wide as its column.
TEXT(ReportCurrencyTitle, "Currency                      ", "Νόμισμα                       ")
TEXT(ReportRateTitle, "Exchange rate", "     Ισοτιμία")
TEXT(ReportRoundedTitle, "          Rounded amount", "Ποσόν με στρογγυλοποίηση")
TEXT(ReportUnroundedTitle, "           Unrounded amount", "Ποσόν χωρίς στρογγυλοποίηση")
// The hints-and-tips message: its title, and its five paragraphs with an empty line between them.
TEXT(HintsTitle, "Hints and Tips", "Χρήσιμες συμβουλές")
TEXT(HintsText,
     "If we click the RIGHT mouse button on the various controls of the application, we shall get online help. "
     "If this doesn't work and provided that a question-mark appears in the title bar of the window, we can "
     "click the LEFT mouse button on the question-mark and then on the control for which we want to get "
     "online help. On this desktop, we get the same help by pressing Shift+F1 and then clicking the control "
     "with the LEFT mouse button.\n\n"
     "If we hover the mouse pointer over the buttons with the icons, we shall see a concise description of "
     "what each button does.\n\n"
     "The exchange rates for all of the Member Countries, except Greece, were finalized on December 31st, "
     "1998. The exchange rate for Greece, was finalized on December 31st, 2000.\n\n"
     "Since then, the exchange rates of nine more currencies were finalized. Beside each, the year in which the "
     "Euro replaced it: the Slovenian tolar (2007), the Cypriot pound and the Maltese lira (2008), the Slovak "
     "koruna (2009), the Estonian kroon (2011), the Latvian lats (2014), the Lithuanian litas (2015), the "
     "Croatian kuna (2023) and the Bulgarian lev (2026). "
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
     "Στην συνέχεια, καθορίσθηκαν οι ισοτιμίες εννέα ακόμη νομισμάτων. Δίπλα σε καθένα, το έτος κατά το οποίο "
     "αντικαταστάθηκε από το Ευρώ: το τόλαρ Σλοβενίας (2007), η λίρα Κύπρου και η λίρα Μάλτας (2008), η κορόνα "
     "Σλοβακίας (2009), η κορόνα Εσθονίας (2011), το λατς Λετονίας (2014), το λίτας Λιθουανίας (2015), η κούνα "
     "Κροατίας (2023) και το λεβ Βουλγαρίας (2026). "
     "Για να μετατρέψουμε ένα από αυτά, πατάμε το κουμπί της τελευταίας γραμμής, «Άλλο νόμισμα» (Ctrl+O), "
     "και επιλέγουμε το νόμισμα από τον κατάλογο «Νομίσματα με ισοτιμία κλειδωμένη αργότερα» δίπλα στο όνομά του: "
     "συμπληρώνονται το όνομα, η ισοτιμία και τα δεκαδικά του, τα οποία μπορούμε ακόμη να αλλάξουμε.\n\n"
     "ΠΡΟΣΟΧΗ: Όταν μετατρέπουμε σε Ευρώ, το ποσόν το οποίο θα προκύψει μετά την μετατροπή, ίσως να είναι "
     "διαφορετικό από το ποσόν το οποίο πληκτρολογήσαμε. Αυτό συμβαίνει διότι το αρχικό ποσόν μετατρέπεται "
     "σε Ευρώ και στην συνέχεια, το ποσόν σε Ευρώ μετατρέπεται σε όλα τα άλλα νομίσματα. Αυτή η μέθοδος "
     "μετατροπής είναι υποχρεωτική (Κανονισμός Συμβουλίου 1103, 17 Ιουνίου 1997, Άρθρο 4, Παράγραφος 4) και "
     "ονομάζεται τριγωνισμός (ο όρος χρησιμοποιείται ατύπως).")

// Everyday use: the status bar's road of a conversion and its copy notices,
// and the amount dialog's input hint and the reason Convert is disabled.
// The entered amount comes last: a narrow window cuts the line at its end.
TEXT(RoadOverflow,
     "Overflow: the program holds at most %2 (%1)",
     "Υπερχείλιση: η εφαρμογή χωρά έως %2 (%1)")
TEXT(RoadZeroRate,
     "No result: the exchange rate of '%2' is 0 (%1)",
     "Κανένα αποτέλεσμα: η ισοτιμία του «%2» είναι 0 (%1)")
TEXT(CopiedRounded, "Copied: %1", "Αντιγράφηκε: %1")
TEXT(CopiedUnrounded, "Copied unrounded: %1", "Αντιγράφηκε χωρίς στρογγυλοποίηση: %1")
TEXT(StatusBarName, "Last conversion", "Τελευταία μετατροπή")
// Where a print to a file or an export put its files.
TEXT(SavedTo, "Saved to '%1'", "Αποθηκεύθηκε στο «%1»")
TEXT(SavedToBoth, "Saved to '%1' and '%2'", "Αποθηκεύθηκαν στο «%1» και στο «%2»")
TEXT(AmountHint,
     "Digits, the decimal separator '%1'; at most %2",
     "Ψηφία, η υποδιαστολή «%1»· το πολύ %2")
TEXT(ConvertNeedsRate, "Enter an exchange rate above 0", "Δώστε ισοτιμία μεγαλύτερη από 0")
// Why the amount dialog's number fields did not take a paste.
TEXT(PasteNotNumber,
     "The pasted text was not taken: it is not a number.",
     "Το κείμενο που επικολλήθηκε δεν έγινε δεκτό: δεν είναι αριθμός.")
TEXT(PasteNegative,
     "The pasted text was not taken: the number is negative.",
     "Το κείμενο που επικολλήθηκε δεν έγινε δεκτό: ο αριθμός είναι αρνητικός.")
TEXT(PasteOtherCurrency,
     "The pasted text was not taken: it names another currency.",
     "Το κείμενο που επικολλήθηκε δεν έγινε δεκτό: αναφέρεται σε άλλο νόμισμα.")

// The print dialog, its file choice and the process-in-progress messages
// shared by every window that runs a long process.
TEXT(PrintCaption, "Print - Number of pages: %1.", "Εκτύπωση - Αριθμός σελίδων: %1.")
// After the caption when the report's whole line would not fit the page as
// it is set up: how this print holds it.
TEXT(PrintFitLandscape, "Landscape orientation.", "Οριζόντιος προσανατολισμός.")
TEXT(PrintFitLandscapeSize, "Landscape orientation, size %1.", "Οριζόντιος προσανατολισμός, μέγεθος %1.")
TEXT(PrintFitSize, "Size %1.", "Μέγεθος %1.")
TEXT(PrintDestinationFrame, " Print destination ", " Προορισμός εκτυπώσεως ")
TEXT(PrintToPrinter, "%1 printer", "Εκτυπωτής %1")
TEXT(PrintToFile, "Plain text file...", "Αρχείο απλού κειμένου...")
TEXT(PrintToBoth,
     "both %1 printer\nand Plain text file...",
     "και Εκτυπωτής %1\nκαι Αρχείο απλού κειμένου...")
// What the printer options name when no printer is installed or the printer
// setup chose printing to a file: Qt's PDF output.
TEXT(PrintPdfPrinterName, "PDF", "PDF")
TEXT(PrintAndClose, "Print and Close", "Εκτύπωση και Κλείσιμο")
TEXT(TipCancelPrinting, "Cancel printing", "Ακύρωση εκτυπώσεως")
TEXT(DialogCancel, "Cancel", "Άκυρο")
TEXT(DialogApply, "Apply", "Εφαρμογή")
TEXT(DialogClose, "Close", "Κλείσιμο")
TEXT(DialogOk, "OK", "OK")
TEXT(PrintFileTitle,
     "Define the file for the 'Print to file' process",
     "Ορίστε το αρχείο για την εργασία 'Εκτύπωση σε αρχείο'")
TEXT(PrintFileFilter, "All files (*)", "Όλα τα αρχεία (*)")
TEXT(PrintPdfTitle,
     "Define the PDF file for the 'Print' process",
     "Ορίστε το αρχείο PDF για την εργασία «Εκτύπωση»")
TEXT(PrintPdfFilter, "PDF files (*.pdf)", "Αρχεία PDF (*.pdf)")
TEXT(PrintFileUnwritable,
     "The file '%1' cannot be written (%2). Nothing was printed: please choose another file.",
     "Το αρχείο «%1» δεν μπορεί να γραφτεί (%2). Δεν εκτυπώθηκε τίποτα: παρακαλώ επιλέξτε άλλο αρχείο.")
TEXT(CancelProcessTitle, "Cancel processing", "Ακύρωση διαδικασίας")
TEXT(CancelProcessText,
     "Do you really want to cancel the process that is currently in progress?",
     "Θέλετε πράγματι να ακυρώσετε την διαδικασία η οποία ευρίσκεται σε εξέλιξη αυτήν την στιγμή;")
TEXT(CloseWindowTitle, "Close window", "Κλείσιμο παραθύρου")
TEXT(CloseWindowText,
     "It is impossible to close the window using the control menu, because the process that is currently in "
     "progress is not allowing this to happen.",
     "Η διαδικασία η οποία ευρίσκεται σε εξέλιξη αυτήν την στιγμή, δεν επιτρέπει το κλείσιμο του παραθύρου από "
     "το μενού ελέγχου.")
// The page setup dialog.
TEXT(PageSetupCaption, "Page setup", "Διαμόρφωση σελίδας")
TEXT(PageSetupFontFrame, " Font ", " Γραμματοσειρά ")
TEXT(PageSetupCourierNew, "Courier New (English)", "Courier New (Αγγλική)")
TEXT(PageSetupCourierNewGreek, "Courier New (Greek)", "Courier New (Ελληνική)")
TEXT(PageSetupSize, "Size:", "Μέγεθος:")
TEXT(PageSetupMarginFrame, " Margins ", " Περιθώρια ")
TEXT(PageSetupTop, "Top:", "Άνω:")
TEXT(PageSetupLeft, "Left:", "Αριστερό:")
TEXT(PageSetupLinesPerPage, "Lines/Page:", "Γραμμές/Σελίδα:")
// What a screen reader calls each number of the page setup and its two
// arrows, number by number in the dialog's order; and the print progress.
TEXT(PageSetupSizeValue, "Size", "Μέγεθος")
TEXT(PageSetupSizeUp, "Increase Size", "Αύξηση μεγέθους")
TEXT(PageSetupSizeDown, "Decrease Size", "Μείωση μεγέθους")
TEXT(PageSetupTopValue, "Top margin", "Άνω περιθώριο")
TEXT(PageSetupTopUp, "Increase Top margin", "Αύξηση άνω περιθωρίου")
TEXT(PageSetupTopDown, "Decrease Top margin", "Μείωση άνω περιθωρίου")
TEXT(PageSetupLeftValue, "Left margin", "Αριστερό περιθώριο")
TEXT(PageSetupLeftUp, "Increase Left margin", "Αύξηση αριστερού περιθωρίου")
TEXT(PageSetupLeftDown, "Decrease Left margin", "Μείωση αριστερού περιθωρίου")
TEXT(PageSetupLinesValue, "Lines per page", "Γραμμές ανά σελίδα")
TEXT(PageSetupLinesUp, "Increase Lines per page", "Αύξηση γραμμών ανά σελίδα")
TEXT(PageSetupLinesDown, "Decrease Lines per page", "Μείωση γραμμών ανά σελίδα")
TEXT(PrintProgressName, "Print progress", "Πρόοδος εκτυπώσεως")
// The About box, and the message when there is no system-information program.
TEXT(AboutCaption, "About", "Σχετικά")
TEXT(AboutVersion, "Version ", "Έκδοση ")
TEXT(AboutDescription,
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
     "«Βοήθεια».")
TEXT(AboutSysInfo, "System Info...", "Πληροφορίες συστήματος...")
// the team named in the author line
TEXT(AboutAuthor, "Stone-Gleam Software team", "Ομάδα της Stone-Gleam Software")
TEXT(SysInfoTitle, "System information", "Πληροφορίες συστήματος")
TEXT(SysInfoUnavailable,
     "System Information is unavailable at this time.",
     "Οι Πληροφορίες Συστήματος δεν είναι διαθέσιμες αυτήν την στιγμή.")

// Settings export and import: the dialogs' captions, their folder choosers'
// titles and their messages.
TEXT(ExportTitle, "Export settings", "Εξαγωγή ρυθμίσεων")
TEXT(ExportFrame,
     " Select the settings that will be exported ",
     " Επιλέξτε τις ρυθμίσεις οι οποίες θα εξαχθούν ")
TEXT(ExportTo, "Export to...", "Εξαγωγή προς...")
TEXT(ExportButton, "Export", "Εξαγωγή")
TEXT(ExportChooseFolder,
     "Select the folder that will be used for exporting",
     "Επιλέξτε τον φάκελλο στον οποίο θα γίνει η εξαγωγή")
TEXT(ExportSameFolder,
     "The folder where the files with the settings will be exported to, must not be the same as the folder "
     "were these files are stored.",
     "Ο φάκελλος προς τον οποίο θα εξαχθούν τα αρχεία των ρυθμίσεων, δεν πρέπει να είναι ίδιος με τον "
     "φάκελλο στον οποίο ευρίσκονται αποθηκευμένα τα αρχεία αυτά.")
TEXT(ExportMissingFile, "File '%1', does not exist.", "Το αρχείο «%1», δεν υπάρχει.")
TEXT(ImportTitle, "Import settings", "Εισαγωγή ρυθμίσεων")
TEXT(ImportFrame,
     " Select the settings that will be imported ",
     " Επιλέξτε τις ρυθμίσεις οι οποίες θα εισαχθούν ")
TEXT(ImportFrom, "Import from...", "Εισαγωγή από...")
TEXT(ImportDeleteAfter,
     "Delete file, if successfully imported.",
     "Να διαγραφεί το αρχείο, εάν εισήχθη με επιτυχία.")
TEXT(ImportButton, "Import", "Εισαγωγή")
TEXT(ImportChooseFolder,
     "Select the folder that will be used for importing",
     "Επιλέξετε τον φάκελλο από τον οποίο θα γίνει η εισαγωγή")
TEXT(ImportSameFolder,
     "The folder where the files with the settings will be imported from, must not be the same as the folder "
     "were these files will be stored.",
     "Ο φάκελλος από τον οποίο θα εισαχθούν τα αρχεία των ρυθμίσεων, δεν πρέπει να είναι ίδιος με τον "
     "φάκελλο στον οποίο θα αποθηκευθούν τα αρχεία αυτά.")
TEXT(ImportMissingFile, "File '%1', does not exist.", "Το αρχείο «%1», δεν υπάρχει.")
TEXT(ImportQuestion,
     "The application INI file is about to be imported. If this process completes successfully, the "
     "application will shut down.\n\nDo you really want to continue?",
     "Πρόκειται να γίνει εισαγωγή των βασικών ρυθμίσεων της εφαρμογής. Εάν η διαδικασία αυτή ολοκληρωθεί με "
     "επιτυχία, η εφαρμογή θα τερματισθεί.\n\nΘέλετε πράγματι να συνεχίσετε;")
TEXT(ImportShutDown,
     "The application will shut down after you click 'OK'. The new settings will take effect, the next time "
     "you will launch the application.",
     "Η εφαρμογή θα τερματισθεί μόλις πατήσετε το «ΟΚ». Οι νέες ρυθμίσεις, θα ισχύσουν από την επόμενη "
     "εκκίνηση της εφαρμογής και μετά.")
TEXT(TransferIniFile, "Application INI file", "Βασικές παράμετροι εφαρμογής")
TEXT(TransferSavedPaths, "Saved paths", "Αποθηκευμένες διαδρομές")
// Refusals of the transfers: a file that is not a regular one, a settings
// file too large to be ours, a folder whose name cannot be kept.
TEXT(TransferNotRegular,
     "'%1' is not a regular file: it is a folder, a FIFO, a device or a socket. Nothing was copied.",
     "Το «%1» δεν είναι κανονικό αρχείο: είναι φάκελλος, FIFO, συσκευή ή υποδοχή. Δεν αντιγράφηκε τίποτα.")
TEXT(ImportTooLarge,
     "The file '%1' is larger than %2 MB, so it cannot be a settings file of this program. Nothing was copied.",
     "Το αρχείο «%1» είναι μεγαλύτερο από %2 MB, επομένως δεν μπορεί να είναι αρχείο ρυθμίσεων αυτής της "
     "εφαρμογής. Δεν αντιγράφηκε τίποτα.")
TEXT(FolderLineBreak,
     "The name of the folder '%1' holds a line break, so the folder cannot be kept. Please choose another "
     "folder.",
     "Το όνομα του φακέλλου «%1» περιέχει αλλαγή γραμμής, επομένως ο φάκελλος δεν μπορεί να διατηρηθεί. "
     "Παρακαλώ επιλέξτε άλλον φάκελλο.")
TEXT(FolderTooLong,
     "The path of the folder is longer than %1 characters, so the folder cannot be kept. Please choose "
     "another folder.",
     "Η διαδρομή του φακέλλου είναι μεγαλύτερη από %1 χαρακτήρες, επομένως ο φάκελλος δεν μπορεί να "
     "διατηρηθεί. Παρακαλώ επιλέξτε άλλον φάκελλο.")
// Path keeping: storing a recent path, setting the initial path.
TEXT(StorePathTitle, "Store path", "Καταχώρηση διαδρομής")
TEXT(PathAlreadyStored,
     "Path '%1', has already been saved in the saved paths file.",
     "Η διαδρομή «%1», έχει ήδη αποθηκευθεί στο αρχείο με τις αποθηκευμένες διαδρομές.")
TEXT(ConfirmStorePath,
     "Do you really want to save path '%1', in the saved paths file?",
     "Θέλετε πράγματι να αποθηκεύσετε την διαδρομή «%1», στο αρχείο με τις αποθηκευμένες διαδρομές;")
TEXT(InitialPathTitle, "Set initial path", "Ορισμός αρχικής διαδρομής")
TEXT(InitialPathAlreadySet,
     "Path '%1', has already been set as the initial path of the application.",
     "Η διαδρομή «%1», έχει ήδη ορισθεί ως αρχική διαδρομή της εφαρμογής.")
TEXT(ConfirmInitialPath,
     "Do you really want to set '%1', as the initial path of the application?",
     "Θέλετε πράγματι να ορίσετε την διαδρομή «%1», ως αρχική διαδρομή της εφαρμογής;")

// Many amounts at once: the list dialog, its menu item and its messages, and
// the command line's --convert-list. Help lines are wrapped as the command
// line's others are.
TEXT(MenuToolsConvertList, "Convert a &list...", "Μετατροπή &λίστας...")
TEXT(ListCaption, "Convert a list", "Μετατροπή λίστας")
TEXT(ListFrom, "From:", "Από:")
TEXT(ListTo, "To:", "Προς:")
TEXT(ListAmounts, "Amounts, one a line:", "Ποσά, ένα σε κάθε γραμμή:")
TEXT(ListResults, "Results:", "Αποτελέσματα:")
TEXT(ListAmountColumn, "Amount", "Ποσόν")
TEXT(ListCopy, "Copy", "Αντιγραφή")
TEXT(ListSave, "Save...", "Αποθήκευση...")
TEXT(ListProgressName, "Conversion progress", "Πρόοδος μετατροπής")
TEXT(ListEmpty, "Paste or type the amounts, one a line.", "Επικολλήστε ή πληκτρολογήστε τα ποσά, ένα σε κάθε γραμμή.")
TEXT(ListConverted, "Converted: %L1 of %L2 amounts.", "Μετατράπηκαν %L1 από %L2 ποσά.")
TEXT(ListRefusedLines, "Not converted: line %1.", "Δεν μετατράπηκαν: γραμμή %1.")
TEXT(ListRefusedManyLines, "Not converted: lines %1.", "Δεν μετατράπηκαν: γραμμές %1.")
// After the first refused lines named, how many more there are.
TEXT(ListMoreLines, "%1 and %2 more", "%1 και %2 ακόμη")
TEXT(ListOverflow,
     "Overflow: the result is larger than the program can hold.",
     "Υπερχείλιση: το αποτέλεσμα είναι μεγαλύτερο από όσο χωρά η εφαρμογή.")
TEXT(ListTotalAmounts, "Total of the amounts converted: %1", "Σύνολο των ποσών που μετατράπηκαν: %1")
TEXT(ListTotalRounded, "Total of the rounded results: %1", "Σύνολο των αποτελεσμάτων με στρογγυλοποίηση: %1")
TEXT(ListCopied, "Copied: %L1 lines.", "Αντιγράφηκαν %L1 γραμμές.")
TEXT(ListSaved, "Saved to '%1'.", "Αποθηκεύθηκε στο «%1».")
TEXT(ListFileTitle,
     "Define the file for the 'Convert a list' process",
     "Ορίστε το αρχείο για την εργασία «Μετατροπή λίστας»")
TEXT(ListFileUnwritable,
     "The file '%1' cannot be written (%2). Nothing was saved: please choose another file.",
     "Το αρχείο «%1» δεν μπορεί να γραφτεί (%2). Δεν αποθηκεύθηκε τίποτα: παρακαλώ επιλέξτε άλλο αρχείο.")
TEXT(CommandListArguments, "CODE [FILE]", "ΚΩΔΙΚΟΣ [ΑΡΧΕΙΟ]")
TEXT(CommandListOption,
     "convert each amount of FILE (or of standard\ninput), one a line, from the currency CODE to EUR\n"
     "or to the currency of --to, and print each amount\nas read with its rounded and unrounded result",
     "μετατρέπει κάθε ποσό του ΑΡΧΕΙΟΥ (ή της τυπικής\nεισόδου), ένα σε κάθε γραμμή, από το νόμισμα\n"
     "ΚΩΔΙΚΟΣ σε EUR ή στο νόμισμα της --to και\nεμφανίζει κάθε ποσό όπως διαβάσθηκε, με το\n"
     "αποτέλεσμα με και χωρίς στρογγυλοποίηση")
TEXT(CommandToArguments, "CODE", "ΚΩΔΙΚΟΣ")
// Names no other option: the manual pages' test reads the options from the lines that start with one.
TEXT(CommandToOption,
     "the currency the list converts to (EUR without it)",
     "το νόμισμα στο οποίο μετατρέπεται η λίστα (χωρίς\nαυτήν, EUR)")
TEXT(CommandListDetails,
     "With --convert-list each amount is read as the amount dialog takes a paste,\n"
     "and each line printed holds the amount as read, a tab, the rounded result, a\n"
     "tab and the unrounded result with four decimals. A blank line stays blank; a\n"
     "line that is not an amount, or whose result overflows, keeps its place with\n"
     "empty results and is named on standard error. FILE '-' is standard input.\n"
     "Exit status 1 then, and when FILE cannot be read or the output not written.\n"
     "For example, a ledger in drachmas to euro:\n\n"
     "  euro-changeover-adviser --convert-list GRD ledger.txt > ledger-eur.txt",
     "Με την --convert-list κάθε ποσό διαβάζεται όπως το παράθυρο του ποσού δέχεται\n"
     "μια επικόλληση, και κάθε γραμμή που εμφανίζεται περιέχει το ποσό όπως\n"
     "διαβάσθηκε, ένα tab, το αποτέλεσμα με στρογγυλοποίηση, ένα tab και το\n"
     "αποτέλεσμα χωρίς στρογγυλοποίηση με τέσσερα δεκαδικά. Μια κενή γραμμή μένει\n"
     "κενή· μια γραμμή που δεν είναι ποσό, ή της οποίας το αποτέλεσμα υπερχειλίζει,\n"
     "κρατά την θέση της με κενά αποτελέσματα και αναφέρεται στην τυπική έξοδο\n"
     "σφαλμάτων. Το ΑΡΧΕΙΟ «-» είναι η τυπική είσοδος. Κατάσταση εξόδου 1 τότε, και\n"
     "όταν το ΑΡΧΕΙΟ δεν διαβάζεται ή η έξοδος δεν γράφεται. Για παράδειγμα, ένα\n"
     "βιβλίο λογαριασμών σε δραχμές προς Ευρώ:\n\n"
     "  euro-changeover-adviser --convert-list GRD ledger.txt > ledger-eur.txt")
TEXT(CommandListLine, "line %1: %2", "γραμμή %1: %2")
TEXT(CommandStandardInput, "standard input", "τυπική είσοδος")
TEXT(CommandNeedsCode, "'%1' needs a currency code.", "Η «%1» χρειάζεται έναν κωδικό νομίσματος.")
TEXT(CommandToNeedsList,
     "'%1' chooses the currency '--convert-list' converts to: use it with '--convert-list'.",
     "Η «%1» ορίζει το νόμισμα στο οποίο μετατρέπει η «--convert-list»: χρησιμοποιήστε την μαζί με την "
     "«--convert-list».")
TEXT(CommandListWithConvert,
     "'%1' and '--convert-list' do not go together.",
     "Οι «%1» και «--convert-list» δεν χρησιμοποιούνται μαζί.")
