#pragma once

#include "app/Language.h"
#include "core/ErrorCode.h"
#include "platform/PlatformServices.h"

#include <QString>

#include <span>

// Every text the program shows, in every language side by side (Texts.cpp).
// The table does not build while an entry misses a language.
enum class TextId {
    ProgramTitle,
    DuplicateInstance,

    // Row titles, in slot order: CurrencyEUR + slot.
    CurrencyEUR,
    CurrencyATS,
    CurrencyBEF,
    CurrencyDEM,
    CurrencyESP,
    CurrencyFIM,
    CurrencyFRF,
    CurrencyGRD,
    CurrencyIEP,
    CurrencyITL,
    CurrencyLUF,
    CurrencyNLG,
    CurrencyPTE,
    CurrencyOther,
    // The currencies fixed later, in the order of LaterChangeovers, and the
    // amount dialog's list that offers them for the additional currency.
    LaterSIT,
    LaterCYP,
    LaterMTL,
    LaterSKK,
    LaterEEK,
    LaterLVL,
    LaterLTL,
    LaterHRK,
    LaterBGN,
    LaterChoice,

    // Row words after a failed conversion.
    OverflowCaption,
    OverflowToolTip,
    UndefinedCaption,
    UndefinedToolTip,

    // Main window menus, in menu order.
    MenuFile,
    MenuFilePageSetup,
    MenuFilePrintSetup,
    MenuFilePrint,
    MenuFileExit,
    MenuSavePath,
    MenuSavePathRecent,
    MenuSavePathInitial,
    MenuSavePathHelp,
    MenuSavePathCancel,
    MenuRecallPath,
    MenuRecallPathRecent,
    MenuRecallPathInitial,
    MenuRecallPathHelp,
    MenuRecallPathCancel,
    MenuTools,
    MenuToolsRefresh,
    MenuToolsUpOneLevel,
    MenuToolsEnglish,
    MenuToolsGreek,
    MenuToolsOptions,
    MenuToolsFactorySettings,
    MenuSettings,
    MenuSettingsImport,
    MenuSettingsExport,
    MenuSettingsHelp,
    MenuSettingsCancel,
    MenuConvert,
    MenuHelp,
    MenuHelpTips,
    MenuHelpAbout,

    // Main window button tooltips.
    TipPageSetup,
    TipPrintSetup,
    TipPrint,
    TipEndApplication,
    TipRefresh,
    TipSavePath,
    TipRecallSavedPath,
    TipUpOneLevel,
    TipLanguageEnglish,
    TipLanguageGreek,
    TipSettings,
    TipOptions,
    TipHelp,
    TipCopyright,
    // What a screen reader says for a row's convert button: "Convert from" + title.
    ConvertRowName,

    // The amount dialog.
    InputCaption,
    InputFixedRate,
    InputCurrentRate,
    InputCurrencyDetails,
    InputName,
    InputRate,
    InputAmount,
    InputDecimals,
    InputDecimals0,
    InputDecimals1,
    InputDecimals2,
    InputDecimals3,
    InputDecimals4,
    InputCancel,
    InputConvert,
    ErrorTitle,
    BadRate,
    BadAmount,

    // Message box buttons.
    ButtonOk,
    ButtonYes,
    ButtonNo,

    // The unexpected-error report and the error descriptions it names.
    UnexpectedError,
    ErrorOverflow,
    ErrorFileTooLarge,
    ErrorDivisionByZero,
    ErrorFileNotFound,
    ErrorDeviceIo,
    ErrorDiskFull,
    ErrorPermissionDenied,
    ErrorFileAlreadyExists,
    ErrorPathFileAccess,
    ErrorPathNotFound,
    ErrorNotRegularFile,
    ErrorUnknown,
    ErrorNameTooLong,

    // Start-up, when the settings file is far too large to be ours, and when
    // nothing can keep a second copy from running.
    SettingsTooLarge,
    InstanceLockUnavailable,
    // Something the program did not make stands where its lock belongs: what it is.
    LockInTheWay,
    LockInTheWayFolder,
    LockInTheWayLink,
    LockInTheWaySpecial,
    LockInTheWayDanglingLink,
    // The command line: its help, in the order printed, and its complaints.
    CommandUsage,
    CommandAbout,
    CommandOptions,
    CommandHelpOption,
    CommandVersionOption,
    CommandConvertArguments,
    CommandConvertOption,
    CommandGreekOption,
    CommandEnglishOption,
    CommandDetails,
    CommandUnknownOption,
    CommandStrayArgument,
    CommandConvertNeeds,
    CommandLanguageAlone,
    CommandUnknownCode,
    CommandNoDisplay,
    CommandOutputFailed,
    // The column titles of the printed report, each exactly as wide as its column.
    ReportCurrencyTitle,
    ReportRateTitle,
    ReportRoundedTitle,
    ReportUnroundedTitle,
    // The hints-and-tips message: its title, and its five paragraphs with an empty line between them.
    HintsTitle,
    HintsText,

    // Everyday use: the status bar's road of a conversion and its copy notices,
    // and the amount dialog's input hint and the reason Convert is disabled.
    RoadOverflow,
    RoadZeroRate,
    CopiedRounded,
    CopiedUnrounded,
    StatusBarName,
    AmountHint,
    ConvertNeedsRate,

    // The print dialog, its file choice and the process-in-progress messages
    // shared by every window that runs a long process.
    PrintCaption,
    PrintFitLandscape,
    PrintFitLandscapeSize,
    PrintFitSize,
    PrintDestinationFrame,
    PrintToPrinter,
    PrintToFile,
    PrintToBoth,
    PrintPdfPrinterName,
    PrintAndClose,
    TipCancelPrinting,
    DialogCancel,
    DialogApply,
    DialogClose,
    DialogOk,
    PrintFileTitle,
    PrintFileFilter,
    PrintPdfTitle,
    PrintPdfFilter,
    PrintFileUnwritable,
    CancelProcessTitle,
    CancelProcessText,
    CloseWindowTitle,
    CloseWindowText,
    // The page setup dialog.
    PageSetupCaption,
    PageSetupFontFrame,
    PageSetupCourierNew,
    PageSetupCourierNewGreek,
    PageSetupSize,
    PageSetupMarginFrame,
    PageSetupTop,
    PageSetupLeft,
    PageSetupLinesPerPage,
    // What a screen reader calls each number of the page setup and its two
    // arrows, number by number in the dialog's order; and the print progress.
    PageSetupSizeValue,
    PageSetupSizeUp,
    PageSetupSizeDown,
    PageSetupTopValue,
    PageSetupTopUp,
    PageSetupTopDown,
    PageSetupLeftValue,
    PageSetupLeftUp,
    PageSetupLeftDown,
    PageSetupLinesValue,
    PageSetupLinesUp,
    PageSetupLinesDown,
    PrintProgressName,
    // The About box, and the message when there is no system-information program.
    AboutCaption,
    AboutVersion,
    AboutDescription,
    AboutSysInfo,
    AboutAuthor, // the team named in the author line
    SysInfoTitle,
    SysInfoUnavailable,

    // Settings export and import: the dialogs' captions, their folder choosers'
    // titles and their messages.
    ExportTitle,
    ExportFrame,
    ExportTo,
    ExportButton,
    ExportChooseFolder,
    ExportSameFolder,
    ExportMissingFile,
    ImportTitle,
    ImportFrame,
    ImportFrom,
    ImportDeleteAfter,
    ImportButton,
    ImportChooseFolder,
    ImportSameFolder,
    ImportMissingFile,
    ImportQuestion,
    ImportShutDown,
    TransferIniFile,
    TransferSavedPaths,
    // Refusals of the transfers: a file that is not a regular one, a settings
    // file too large to be ours, a folder whose name cannot be kept.
    TransferNotRegular,
    ImportTooLarge,
    FolderLineBreak,
    FolderTooLong,
    // Path keeping: storing a recent path, setting the initial path.
    StorePathTitle,
    PathAlreadyStored,
    ConfirmStorePath,
    InitialPathTitle,
    InitialPathAlreadySet,
    ConfirmInitialPath,

    TextCount
};

QString Text(TextId id, Language language);

// The row title of a currency slot (0 to 13) in the chosen language.
QString CurrencyCaption(int slot, Language language);
// The name of a currency of LaterChangeovers (by its index there): "BGN - Bulgarian Lev".
QString LaterCurrencyName(int index, Language language);

// The description of an error code in the chosen language.
QString ErrorDescription(ErrorCode code, Language language);
// The same, naming the file the failure concerned: "Permission denied: /path".
QString FailureDescription(const Failure &failure, Language language);

// The captions of the message-box buttons in the chosen language.
MessageButtons MessageButtonTexts(Language language);

// The message of the unexpected-error report, with its two line breaks.
QString UnexpectedErrorMessage(qint32 number, const QString &description, Language language);

// A text of the toolkit's own windows (the file and folder choosers, the
// printer setup): the toolkit's context, then the text in every language, the
// English one being the toolkit's own as it asks for it.
struct ToolkitText
{
    const char *context;
    std::array<const char *, Languages.size()> texts;
};
// Every text of the toolkit's windows that the program gives in its other languages.
std::span<const ToolkitText> ToolkitTexts();
