#include "app/texts/Texts.h"

#include "core/Currencies.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace {

// The words of every text, in the order of TextId and, within an entry, of Language.
constexpr std::array<std::array<const char *, Languages.size()>, std::size_t(TextId::TextCount)> Entries = {{
#define TEXT(id, english, greek) {english, greek},
#include "app/texts/TextEntries.h"
#undef TEXT
}};

static_assert(int(TextId::CurrencyOther) - int(TextId::CurrencyEUR) == OtherCurrencyIndex,
              "one row title per currency slot");
static_assert(int(TextId::LaterChoice) - int(TextId::LaterSIT) == int(LaterChangeovers.size()),
              "one name per currency fixed later");

} // namespace

QString Text(TextId id, Language language)
{
    return QString::fromUtf8(Entries[std::size_t(id)][IndexOf(language)]);
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
    case ErrorCode::None:
        break;
#define ERROR_CODE(name, number)                                                                                       \
    case ErrorCode::name:                                                                                              \
        return Text(TextId::Error##name, language);
#include "core/ErrorCodes.h"
#undef ERROR_CODE
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
                "Απενεργοποιήστε την μία από τις δύο."},
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
    ToolkitText{"QPrintSettingsOutput", "Print range", "Περιοχή εκτυπώσεως"},
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
    ToolkitText{"QPrintSettingsOutput", "Long side binding", "Βιβλιοδεσία στην μακριά πλευρά"},
    ToolkitText{"QPrintSettingsOutput", "Short side binding", "Βιβλιοδεσία στην στενή πλευρά"},
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

// An entry as the toolkit asks for it: its context and its English text.
constexpr std::pair<std::string_view, std::string_view> AskedAs(const ToolkitText &entry)
{
    return {entry.context, entry.texts[IndexOf(Language::English)]};
}

// The entries in the order of what the toolkit asks, sorted as the program is
// built: looking one up costs the start-up nothing.
constexpr auto ToolkitOrder = [] {
    std::array<std::size_t, ToolkitEntries.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [](std::size_t a, std::size_t b) { return AskedAs(ToolkitEntries[a]) < AskedAs(ToolkitEntries[b]); });
    return order;
}();

constexpr bool eachToolkitTextOnce()
{
    for (std::size_t i = 1; i < ToolkitOrder.size(); ++i)
        if (AskedAs(ToolkitEntries[ToolkitOrder[i - 1]]) == AskedAs(ToolkitEntries[ToolkitOrder[i]]))
            return false;
    return true;
}
static_assert(eachToolkitTextOnce(), "one entry for each text the toolkit asks for");

} // namespace

std::span<const ToolkitText> ToolkitTexts() { return ToolkitEntries; }

const ToolkitText *FindToolkitText(const char *context, const char *sourceText)
{
    const std::pair<std::string_view, std::string_view> asked(context, sourceText);
    const auto found =
        std::lower_bound(ToolkitOrder.begin(), ToolkitOrder.end(), asked,
                         [](std::size_t entry, const auto &key) { return AskedAs(ToolkitEntries[entry]) < key; });
    if (found == ToolkitOrder.end() || AskedAs(ToolkitEntries[*found]) != asked)
        return nullptr;
    return &ToolkitEntries[*found];
}
