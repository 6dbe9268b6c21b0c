#include "windows/main/frmMain.h"

#include "app/ErrorTrap.h"
#include "platform/PlatformServices.h"
#include "settings/IniAccess.h"
#include "settings/SettingsKeys.h"
#include "settings/StateStore.h"
#include "windows/Pictures.h"
#include "windows/dialogs/frmInputCurrency.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

// "Convert from" shortcuts, in slot order.
constexpr std::array<Qt::Key, CurrencyCount> ConvertKeys = {
    Qt::Key_U, Qt::Key_A, Qt::Key_B, Qt::Key_D, Qt::Key_E, Qt::Key_S, Qt::Key_F,
    Qt::Key_H, Qt::Key_R, Qt::Key_I, Qt::Key_L, Qt::Key_N, Qt::Key_T, Qt::Key_O};

constexpr std::array<const char *, CurrencyCount> FlagPictures = {
    "flag_eur", "flag_ats", "flag_bef", "flag_dem", "flag_esp", "flag_fim", "flag_frf",
    "flag_grd", "flag_iep", "flag_itl", "flag_luf", "flag_nlg", "flag_pte", "flag_other"};

QString indexedName(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

// Until the first conversion every amount label shows the lower end of the range.
const QString InitialAmountCaption = QStringLiteral("-922.337.203.685.477,5808");

// How long a re-layout must rest before the conversion is re-run, so that
// dragging the window's edge does not re-run it at every step.
constexpr int RefreshDelayMs = 200;

} // namespace

frmMain::frmMain(PlatformServices &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_dialogs(platform, m_app)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(Picture("app"));
    buildMenus();
    auto *central = new QWidget(this);
    new QVBoxLayout(central);
    setCentralWidget(central);
    buildButtons();
    buildRows();

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(RefreshDelayMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &frmMain::RefreshConversion);
    // The menu bar from the keyboard, as on other desktops.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });

    load();
    if (m_ended)
        return;
    adjustSize();
    setMinimumSize(sizeHint());
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmMain::buildMenus()
{
    // The menu tree in menu-bar order; an item without a text is a separator.
    // "Convert from" comes before Help and is built from the currency slots.
    struct Item
    {
        const char *name;
        std::optional<TextId> text;
    };
    struct Menu
    {
        const char *name;
        TextId text;
        std::vector<Item> items;
    };
    const Menu menus[] = {
        {"mnuFile", TextId::MenuFile,
         {{"mnuFilePageSetup", TextId::MenuFilePageSetup}, {"mnuFilePrintSetup", TextId::MenuFilePrintSetup},
          {"mnuFileDash88", {}}, {"mnuFilePrint", TextId::MenuFilePrint}, {"mnuFileDash99", {}},
          {"mnuFileExit", TextId::MenuFileExit}}},
        {"mnuSavePath", TextId::MenuSavePath,
         {{"mnuSavePathRecent", TextId::MenuSavePathRecent}, {"mnuSavePathInitial", TextId::MenuSavePathInitial},
          {"mnuSavePathDash1", {}}, {"mnuSavePathHelp", TextId::MenuSavePathHelp}, {"mnuSavePathDash2", {}},
          {"mnuSavePathCancel", TextId::MenuSavePathCancel}}},
        {"mnuRecallPath", TextId::MenuRecallPath,
         {{"mnuRecallPathRecent", TextId::MenuRecallPathRecent},
          {"mnuRecallPathInitial", TextId::MenuRecallPathInitial}, {"mnuRecallPathDash1", {}},
          {"mnuRecallPathHelp", TextId::MenuRecallPathHelp}, {"mnuRecallPathDash2", {}},
          {"mnuRecallPathCancel", TextId::MenuRecallPathCancel}}},
        {"mnuTools", TextId::MenuTools,
         {{"mnuToolsRefresh", TextId::MenuToolsRefresh}, {"mnuToolsDash77", {}},
          {"mnuToolsUpOneLevel", TextId::MenuToolsUpOneLevel}, {"mnuToolsDash88", {}},
          {"mnuToolsEnglish", TextId::MenuToolsEnglish}, {"mnuToolsGreek", TextId::MenuToolsGreek},
          {"mnuToolsDash99", {}}, {"mnuToolsOptions", TextId::MenuToolsOptions},
          {"mnuToolsFactorySettings", TextId::MenuToolsFactorySettings}}},
        {"mnuSettings", TextId::MenuSettings,
         {{"mnuSettingsImport", TextId::MenuSettingsImport}, {"mnuSettingsExport", TextId::MenuSettingsExport},
          {"mnuSettingsDash1", {}}, {"mnuSettingsHelp", TextId::MenuSettingsHelp}, {"mnuSettingsDash2", {}},
          {"mnuSettingsCancel", TextId::MenuSettingsCancel}}},
        {"mnuHelp", TextId::MenuHelp,
         {{"mnuHelpTips", TextId::MenuHelpTips}, {"mnuHelpDash99", {}}, {"mnuHelpAbout", TextId::MenuHelpAbout}}},
    };
    QMenuBar *bar = menuBar();
    for (const Menu &entry : menus) {
        QMenu *menu = bar->addMenu(QString());
        menu->setObjectName(QLatin1String(entry.name));
        menu->menuAction()->setObjectName(QLatin1String(entry.name));
        m_menuTexts.emplace_back(menu->menuAction(), entry.text);
        for (const Item &item : entry.items) {
            QAction *action = item.text ? menu->addAction(QString()) : menu->addSeparator();
            action->setObjectName(QLatin1String(item.name));
            if (item.text)
                m_menuTexts.emplace_back(action, *item.text);
        }
    }
    auto action = [this](const char *name) { return findChild<QAction *>(QLatin1String(name)); };
    action("mnuFilePrint")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action("mnuToolsRefresh")->setShortcut(QKeySequence(Qt::Key_F5));
    connect(action("mnuFileExit"), &QAction::triggered, this, &QWidget::close);
    m_mnuToolsEnglish = action("mnuToolsEnglish");
    m_mnuToolsGreek = action("mnuToolsGreek");
    for (QAction *language : {m_mnuToolsEnglish, m_mnuToolsGreek})
        language->setCheckable(true);
    connect(m_mnuToolsEnglish, &QAction::triggered, this, [this] { m_cmdLanguage[1]->click(); });
    connect(m_mnuToolsGreek, &QAction::triggered, this, [this] { m_cmdLanguage[0]->click(); });

    m_mnuConvert = new QMenu(bar);
    m_mnuConvert->setObjectName(QStringLiteral("mnuConvert"));
    m_mnuConvert->menuAction()->setObjectName(QStringLiteral("mnuConvert"));
    bar->insertMenu(action("mnuHelp"), m_mnuConvert);
    auto *checkMarks = new QActionGroup(this);
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        const QString caption = slot == OtherCurrencyIndex ? QStringLiteral("Other")
                                                           : QLatin1String(CurrencyCodes[slot]);
        QAction *item = m_mnuConvert->addAction(caption);
        item->setObjectName(indexedName("mnuConvertFrom", slot));
        item->setCheckable(true);
        item->setShortcut(QKeySequence(Qt::CTRL | ConvertKeys[slot]));
        checkMarks->addAction(item);
        connect(item, &QAction::triggered, this, [this, slot] { ConvertFrom(slot); });
        m_mnuConvertFrom[slot] = item;
    }
}

QToolButton *frmMain::addPictureButton(const char *name, const char *pictureName, TextId toolTip)
{
    auto *button = new QToolButton(centralWidget());
    button->setObjectName(QLatin1String(name));
    button->setIcon(Picture(pictureName));
    button->setIconSize(QSize(28, 28));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    m_buttonTips.emplace_back(button, toolTip);
    return button;
}

void frmMain::buildButtons()
{
    auto *bar = new QHBoxLayout;
    bar->setSpacing(2);
    auto add = [&](const char *name, const char *pictureName, TextId toolTip) {
        QToolButton *button = addPictureButton(name, pictureName, toolTip);
        bar->addWidget(button);
        return button;
    };
    auto gap = [&] { bar->addSpacing(12); };

    add("cmdPageSetup", "icon_page_setup", TextId::TipPageSetup);
    add("cmdPrintSetup", "icon_printer_setup", TextId::TipPrintSetup);
    add("cmdPrint", "icon_print", TextId::TipPrint);
    gap();
    add("cmdRefresh", "icon_refresh", TextId::TipRefresh);
    add("cmdSavePath", "icon_save_path", TextId::TipSavePath);
    add("cmdRecallSavedPath", "icon_recall_path", TextId::TipRecallSavedPath);
    add("cmdUpOneLevel", "icon_up_one_level", TextId::TipUpOneLevel);
    add("cmdSettings", "icon_settings", TextId::TipSettings);
    add("cmdOptions", "icon_options", TextId::TipOptions);
    gap();
    add("cmdHelp", "icon_help", TextId::TipHelp);
    add("cmdCopyright", "icon_copyright", TextId::TipCopyright);
    bar->addStretch();
    m_cmdLanguage[1] = add("cmdLanguage_1", "icon_language_english", TextId::TipLanguageEnglish);
    m_cmdLanguage[0] = add("cmdLanguage_0", "icon_language_greek", TextId::TipLanguageGreek);
    gap();
    connect(add("cmdEndApplication", "icon_exit", TextId::TipEndApplication), &QToolButton::clicked, this,
            &QWidget::close);
    for (int index : {0, 1})
        connect(m_cmdLanguage[index], &QToolButton::clicked, this, [this, index] { languageClicked(index); });

    auto *layout = static_cast<QVBoxLayout *>(centralWidget()->layout());
    layout->addLayout(bar);
    auto *line = new QFrame(centralWidget());
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
}

void frmMain::buildRows()
{
    auto *rows = new QGridLayout;
    rows->setHorizontalSpacing(10);
    rows->setVerticalSpacing(4);
    auto *options = new QButtonGroup(this);
    const int amountWidth = fontMetrics().horizontalAdvance(QStringLiteral(" -922,337,203,685,477.5808  "));
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        auto *option = new QRadioButton(centralWidget());
        option->setObjectName(indexedName("optCurrency", slot));
        option->setIcon(Picture(FlagPictures[slot]));
        option->setIconSize(QSize(36, 24));
        // The rows' convert buttons carry the keyboard; the option only shows
        // the row converted from, and a click on it converts.
        option->setFocusPolicy(Qt::NoFocus);
        option->installEventFilter(this);
        options->addButton(option, slot);

        auto *title = new QLabel(centralWidget());
        title->setObjectName(indexedName("lblTitle", slot));
        title->setTextFormat(Qt::PlainText);

        auto *amount = new QLabel(InitialAmountCaption, centralWidget());
        amount->setObjectName(indexedName("lblAmount", slot));
        amount->setTextFormat(Qt::PlainText);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setFrameShape(QFrame::StyledPanel);
        amount->setFrameShadow(QFrame::Sunken);
        amount->setBackgroundRole(QPalette::Base);
        amount->setAutoFillBackground(true);
        amount->setMinimumWidth(amountWidth);
        amount->setMargin(3);

        auto *go = new QPushButton(centralWidget());
        go->setObjectName(indexedName("cmdGo", slot));
        go->setIcon(Picture("icon_convert"));
        go->setIconSize(QSize(20, 20));
        go->setAutoDefault(false);
        go->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(go, &QPushButton::clicked, this, [this, slot] { ConvertFrom(slot); });

        rows->addWidget(option, slot, 0);
        rows->addWidget(title, slot, 1);
        rows->addWidget(amount, slot, 2);
        rows->addWidget(go, slot, 3);
        title->setBuddy(go);
        m_optCurrency[slot] = option;
        m_lblTitle[slot] = title;
        m_lblAmount[slot] = amount;
        m_cmdGo[slot] = go;
        if (slot > 0)
            setTabOrder(m_cmdGo[slot - 1], go);
    }
    // A larger window keeps the rows together in its middle.
    auto *centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(rows);
    centred->addStretch();
    auto *layout = static_cast<QVBoxLayout *>(centralWidget()->layout());
    layout->addStretch();
    layout->addLayout(centred);
    layout->addStretch();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const auto slot = std::find(m_optCurrency.begin(), m_optCurrency.end(), watched) - m_optCurrency.begin();
        if (slot < CurrencyCount && mouse->button() == Qt::LeftButton) {
            ConvertFrom(int(slot));
            return true; // the conversion, not the click, decides which option is selected
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::load()
{
    m_app.setProgramFolder(m_platform.programFolder());
    const IniDocument ini = IniDocument::load(m_app.SettingsFile);
    m_app.GreekLanguage = ReadIniBoolean(ini, Settings::General, Settings::Language, false);
    m_app.ProgramTitle = Text(TextId::ProgramTitle, m_app.GreekLanguage);
    QGuiApplication::setApplicationDisplayName(m_app.ProgramTitle);
    if (CheckSingleInstance(m_app.ProgramTitle, m_platform.otherInstanceRunning()))
        return;

    m_app.HideToolTips = ReadIniBoolean(ini, Settings::General, Settings::ToolTipText, false);
    m_printDestination = ReadIniInteger(ini, Settings::General, Settings::PrintDestination, 0, 0, 2);
    m_pageSetup = LoadPageSetup(ini);
    FillConversionState(m_state, ini);
    if (m_state.OtherCurrencyMarker.isEmpty())
        setRowTitle(OtherCurrencyIndex, m_state.OtherCurrencyName);

    m_cmdLanguage[m_app.GreekLanguage ? 0 : 1]->click();

    // Path keeping is not offered; its controls stay hidden for good.
    for (const char *name : {"mnuSavePath", "mnuRecallPath", "mnuToolsRefresh", "mnuToolsDash77",
                             "mnuToolsUpOneLevel", "mnuToolsDash88", "mnuToolsOptions", "mnuToolsDash99",
                             "mnuToolsFactorySettings"})
        findChild<QAction *>(QLatin1String(name))->setVisible(false);
    for (const char *name : {"cmdRecallSavedPath", "cmdSavePath", "cmdRefresh", "cmdOptions", "cmdUpOneLevel"})
        findChild<QToolButton *>(QLatin1String(name))->setVisible(false);
    for (const char *name : {"mnuSavePathHelp", "mnuSavePathCancel", "mnuRecallPathHelp", "mnuRecallPathCancel",
                             "mnuSettingsHelp", "mnuSettingsCancel"})
        findChild<QAction *>(QLatin1String(name))->setEnabled(false);
    // Printing, page setup, settings export and import, hints and the About box
    // are not available yet.
    for (const char *name : {"mnuFilePageSetup", "mnuFilePrintSetup", "mnuFilePrint", "mnuSettingsImport",
                             "mnuSettingsExport", "mnuHelpTips", "mnuHelpAbout"})
        findChild<QAction *>(QLatin1String(name))->setEnabled(false);
    for (const char *name : {"cmdPageSetup", "cmdPrintSetup", "cmdPrint", "cmdSettings", "cmdHelp", "cmdCopyright"})
        findChild<QToolButton *>(QLatin1String(name))->setEnabled(false);
}

bool frmMain::CheckSingleInstance(const QString &title, bool otherInstance)
{
    if (!otherInstance)
        return false;
    QGuiApplication::setApplicationDisplayName(QStringLiteral("...duplicate instance"));
    m_platform.messageBox(nullptr, title, Text(TextId::DuplicateInstance, m_app.GreekLanguage),
                          MessageStyle::Critical, m_app.GreekLanguage);
    m_ended = true;
    m_platform.endProgram();
    return true;
}

void frmMain::languageClicked(int index)
{
    m_app.GreekLanguage = index == 0;
    m_mnuToolsGreek->setChecked(m_app.GreekLanguage);
    m_mnuToolsEnglish->setChecked(!m_app.GreekLanguage);
    SetMainCaptions(m_app.SettingsFile, Settings::General, Settings::Language);
}

void frmMain::SetMainCaptions(const QString &file, const QString &section, const QString &key)
{
    const bool greek = m_app.GreekLanguage;
    m_app.ProgramTitle = Text(TextId::ProgramTitle, greek);
    for (const auto &[item, text] : m_menuTexts)
        item->setText(Text(text, greek));
    for (const auto &[button, text] : m_buttonTips) {
        button->setToolTip(Text(text, greek));
        button->setAccessibleName(Text(text, greek));
    }
    QGuiApplication::setApplicationDisplayName(m_app.ProgramTitle);
    setWindowTitle(m_app.ProgramTitle);
    ApplyCurrencyCaptions();
    // The language is applied whether or not it can be kept; a settings file
    // that cannot be written shows up at the next conversion.
    WriteIniBoolean(file, section, key, greek);
}

void frmMain::ApplyCurrencyCaptions()
{
    const bool greek = m_app.GreekLanguage;
    for (int slot = 0; slot < OtherCurrencyIndex; ++slot)
        setRowTitle(slot, CurrencyCaption(slot, greek));
    setRowTitle(OtherCurrencyIndex, m_state.OtherCurrencyMarker == QLatin1String("?")
                                        ? CurrencyCaption(OtherCurrencyIndex, greek)
                                        : m_lblTitle[OtherCurrencyIndex]->text());
    m_mnuConvert->setTitle(Text(TextId::MenuConvert, greek));

    // The failure words follow the language; amounts do not depend on it.
    const std::pair<TextId, TextId> words[] = {{TextId::OverflowCaption, TextId::OverflowToolTip},
                                               {TextId::UndefinedCaption, TextId::UndefinedToolTip}};
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        for (const auto &[caption, toolTip] : words) {
            if (m_lblAmount[slot]->text() == Text(caption, !greek)) {
                setRowText(slot, Text(caption, greek), Text(toolTip, greek), Text(toolTip, greek));
                break;
            }
        }
    }
}

void frmMain::setRowTitle(int slot, const QString &title)
{
    m_lblTitle[slot]->setText(title);
    if (slot == OtherCurrencyIndex)
        m_mnuConvertFrom[slot]->setText(title);
    // The picture-only controls of the row are named after it for screen readers.
    m_optCurrency[slot]->setAccessibleName(title);
    const QString convert = Text(TextId::ConvertRowName, m_app.GreekLanguage).arg(title);
    m_cmdGo[slot]->setAccessibleName(convert);
    m_cmdGo[slot]->setToolTip(convert);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        RefreshConversion();
    }
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_shown)
        m_refreshTimer.start();
}

void frmMain::RefreshConversion()
{
    if (m_converting)
        return; // a conversion is waiting for its amount; it will show the rows itself
    m_app.ResizeRefresh = true;
    m_cmdGo[m_state.CurrentCurrency]->click();
    m_app.ResizeRefresh = false;
}

void frmMain::markRow(int slot)
{
    m_mnuConvertFrom[slot]->setChecked(true);
    m_optCurrency[slot]->setChecked(true);
    m_cmdGo[slot]->setFocus();
}

void frmMain::ConvertFrom(int slot)
{
    if (m_converting)
        return;
    m_converting = true;
    ErrorTrap trap(m_dialogs, this, QStringLiteral("342"));
    markRow(slot);
    if (!m_app.ResizeRefresh && !askAmount(slot)) {
        markRow(m_state.CurrentCurrency);
        m_converting = false;
        return;
    }
    showResult(Convert(m_state));
    // An overflowing amount is kept too, so that it reappears at the next start.
    trap.check(KeepConversionState(m_state, m_app.SettingsFile));
    m_converting = false;
    if (!trap.ended())
        markRow(m_state.CurrentCurrency);
}

bool frmMain::askAmount(int slot)
{
    InputCurrencyRequest request{slot, m_lblTitle[slot]->text(), m_lblTitle[0]->text(), m_lblAmount[slot]->text(),
                                 m_optCurrency[slot]->icon()};
    frmInputCurrency dialog(m_dialogs, m_state, std::move(request), this);
    dialog.exec();
    SharedDialogs::BringWindowToFront(this);
    if (!dialog.confirmed())
        return false;
    if (slot == OtherCurrencyIndex)
        setRowTitle(OtherCurrencyIndex, m_state.OtherCurrencyName);
    return true;
}

void frmMain::showResult(const ConversionResult &result)
{
    const std::array<RowText, CurrencyCount> texts = RowTexts(result, m_state, m_app.GreekLanguage, false);
    for (int slot = 0; slot < CurrencyCount; ++slot)
        setRowText(slot, texts[slot].caption, texts[slot].toolTip, texts[slot].toolTip);
}

void frmMain::setRowText(int slot, const QString &caption, const QString &toolTip, const QString &description)
{
    QLabel *amount = m_lblAmount[slot];
    amount->setText(caption);
    amount->setToolTip(m_app.HideToolTips ? QString() : toolTip);
    // A screen reader reads the rounded amount, and the unrounded one on request.
    amount->setAccessibleName(caption.trimmed());
    amount->setAccessibleDescription(description.trimmed());
}
