#include "windows/main/frmMain.h"

#include "app/conversion/StatusTexts.h"
#include "app/logic/MainController.h"
#include "app/logic/PathKeeping.h"
#include "app/logic/WindowGeometry.h"
#include "app/services/AppContext.h"
#include "app/texts/MenuMnemonics.h"
#include "windows/ContextHelp.h"
#include "windows/ModalDialog.h"
#include "windows/NamedWidgets.h"
#include "windows/Pictures.h"
#include "windows/Resizer.h"
#include "windows/dialogs/PrintCommands.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/dialogs/frmConvertList.h"
#include "windows/dialogs/frmInputCurrency.h"
#include "windows/dialogs/frmSettingsExport.h"
#include "windows/dialogs/frmSettingsImport.h"
#include "windows/main/ButtonMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// How long a re-layout must rest before the conversion is re-run, so that
// dragging the window's edge does not re-run it at every step.
constexpr int RefreshDelayMs = 200;
// How long the window's place must rest before it is kept, so that dragging it
// does not write the settings file at every step.
constexpr int KeepPlaceDelayMs = 1000;

} // namespace

frmMain::frmMain(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_controller(context)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(Picture("app"));
    buildMenus();
    auto *central = new QWidget(this);
    new QVBoxLayout(central);
    setCentralWidget(central);
    buildButtons();
    buildStatusBar();
    buildRows();
    connectPrinting();
    m_help = ContextHelp::install(this, m_context.app().language());
    connectHelp();
    connectButtonMenus();

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(RefreshDelayMs);
    connect(&m_refreshTimer, &QTimer::timeout, this, &frmMain::refreshConversion);
    // The menu bar from the keyboard, as on other desktops.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menu(MainMenu::mnuFile)->menuAction()); });
    // A converted amount is there to be pasted elsewhere.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            [this] { copyRow(focusedRow(), false); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this), &QShortcut::activated, this,
            [this] { copyRow(focusedRow(), true); });
    // Leaving the rows for another control of the window, the road goes back to the current row.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this && rowOf(now) < 0)
            followRoad(-1);
    });

    // Every caption in the stored language; the first show keeps it.
    showLanguage();

    m_placeTimer.setSingleShot(true);
    m_placeTimer.setInterval(KeepPlaceDelayMs);
    connect(&m_placeTimer, &QTimer::timeout, this, &frmMain::keepPlace);
    placeWindow();
}

namespace {

// A screen's device pixels to a pixel, in percent, as places are kept with it.
ScreenArea AreaOf(const QScreen *screen)
{
    return {screen->availableGeometry(), int(std::lround(screen->devicePixelRatio() * 100))};
}

} // namespace

void frmMain::placeWindow()
{
    // The amounts' columns are measured in the font in force.
    Resizer *resizer = Resizer::install(this);
    resizer->setAfterScaling([this] { alignAmounts(); });
    const std::optional<WindowPlace> kept = m_controller.keptWindowPlace();
    QList<ScreenArea> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(AreaOf(screen));
    const QScreen *main = screen();
    if (!main)
        return;
    const ScreenArea mainArea = AreaOf(main);
    // The size the user chose is theirs only under the pixel ratio it was chosen under.
    const bool usersSize = kept && !kept->geometry.isEmpty() && kept->pixelRatio == mainArea.pixelRatio;
    resizer->place(OpeningPlace(kept, resizer->designedSize(), screens, mainArea, resizer->frameMargins()),
                   usersSize ? kept->geometry.size() : QSize());
    if (kept && kept->maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::keepPlace()
{
    // Only a size the user gave the window is kept; one the program gave it
    // (fitted to a small or a scaled screen) is not, and the window then opens
    // at its designed size.
    m_placeTimer.stop();
    const bool maximised = isMaximized();
    const QRect normal = maximised || isMinimized() ? normalGeometry() : geometry();
    const QSize users = Resizer::of(this)->userSize();
    m_controller.keepWindowPlace({QRect(normal.topLeft(), users.isValid() ? users : QSize(0, 0)), maximised,
                                  screen() ? AreaOf(screen()).pixelRatio : 100});
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *current = nullptr;
    std::size_t menus = 0, actions = 0;
    for (const MenuLine &line : MenuLines) {
        if (line.menu) {
            current = bar->addMenu(QString());
            current->setObjectName(QLatin1String(line.name));
            current->menuAction()->setObjectName(QLatin1String(line.name));
            ApplyInitially(current->menuAction(), line.initially);
            m_menus[menus++] = current;
            m_menuTexts.emplace_back(current->menuAction(), *line.words);
            continue;
        }
        QAction *item = line.words ? current->addAction(QString()) : current->addSeparator();
        item->setObjectName(QLatin1String(line.name));
        ApplyInitially(item, line.initially);
        m_actions[actions++] = item;
        if (line.words)
            m_menuTexts.emplace_back(item, *line.words);
    }
    action(MainAction::mnuFilePrint)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    action(MainAction::mnuToolsRefresh)->setShortcut(QKeySequence(Qt::Key_F5));
    // The desktop's quit key; where the platform names none, the usual Ctrl+Q.
    QList<QKeySequence> quit = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quit.isEmpty())
        quit = {QKeySequence(Qt::CTRL | Qt::Key_Q)};
    action(MainAction::mnuFileExit)->setShortcuts(quit);
    connect(action(MainAction::mnuFileExit), &QAction::triggered, this, &QWidget::close);
    // One language at a time: the menu shows the two as a choice.
    auto *languages = new QActionGroup(this);
    for (QAction *language : {action(MainAction::mnuToolsEnglish), action(MainAction::mnuToolsGreek)}) {
        language->setCheckable(true);
        languages->addAction(language);
    }
    connect(action(MainAction::mnuToolsEnglish), &QAction::triggered, this,
            [this] { chooseLanguage(Language::English); });
    connect(action(MainAction::mnuToolsGreek), &QAction::triggered, this, [this] { chooseLanguage(Language::Greek); });
    connect(action(MainAction::mnuToolsConvertList), &QAction::triggered, this, [this] {
        frmConvertList dialog(m_context.dialogs(), m_context.conversion(), this);
        OpenModal(dialog, this, m_context.dialogs());
    });

    auto *checkMarks = new QActionGroup(this);
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        const QString caption =
            slot == OtherCurrencyIndex ? QStringLiteral("Other") : QLatin1String(CurrencyCodes[std::size_t(slot)]);
        QAction *item = menu(MainMenu::mnuConvert)->addAction(caption);
        item->setObjectName(IndexedName("mnuConvertFrom", slot));
        item->setCheckable(true);
        item->setShortcut(QKeySequence(Qt::CTRL | ConvertKeys[std::size_t(slot)]));
        checkMarks->addAction(item);
        connect(item, &QAction::triggered, this, [this, slot] { ConvertFrom(slot); });
        m_convertFrom[std::size_t(slot)] = item;
    }
}

void frmMain::buildButtons()
{
    auto *bar = new QHBoxLayout;
    bar->setSpacing(2);
    std::size_t index = 0;
    for (const ButtonLine &line : ButtonLines) {
        if (line.before == Before::Stretch)
            bar->addStretch();
        else if (line.before == Before::Gap)
            bar->addSpacing(12);
        auto *tool = NewNamed<QToolButton>(centralWidget(), line.name);
        tool->setIcon(Picture(line.picture));
        tool->setIconSize(QSize(28, 28));
        tool->setAutoRaise(true);
        tool->setFocusPolicy(Qt::StrongFocus);
        ApplyInitially(tool, line.initially);
        bar->addWidget(tool);
        m_buttons[index++] = tool;
        m_buttonTips.emplace_back(tool, line.toolTip);
    }
    connect(button(MainButton::cmdEndApplication), &QToolButton::clicked, this, &QWidget::close);
    // The flag of the active language stays pressed; pressing it again still
    // applies the language, as the menu item does.
    auto *languages = new QButtonGroup(this);
    const std::pair<QToolButton *, Language> flags[] = {{button(MainButton::cmdLanguage_1), Language::English},
                                                        {button(MainButton::cmdLanguage_0), Language::Greek}};
    for (const auto &[flag, language] : flags) {
        flag->setCheckable(true);
        // Raised for good, since not every style draws a flat button as pressed.
        flag->setAutoRaise(false);
        languages->addButton(flag);
        connect(flag, &QToolButton::clicked, this, [this, language] { chooseLanguage(language); });
        // A flag pressed without a click (a screen reader toggles it) applies its
        // language too, once the toggle is over; a click has applied it by then.
        connect(flag, &QToolButton::toggled, this, [this, language](bool checked) {
            if (checked)
                QTimer::singleShot(0, this, [this, language] {
                    if (m_context.app().language() != language)
                        chooseLanguage(language);
                });
        });
    }

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
        Row &row = m_rows[std::size_t(slot)];
        row.optCurrency = NewNamed<QRadioButton>(centralWidget(), IndexedName("optCurrency", slot));
        row.optCurrency->setIcon(Picture(FlagPictures[std::size_t(slot)]));
        row.optCurrency->setIconSize(QSize(36, 24));
        // The rows' convert buttons carry the keyboard; the option only shows
        // the row converted from, and a click on it converts.
        row.optCurrency->setFocusPolicy(Qt::NoFocus);
        row.optCurrency->installEventFilter(this);
        options->addButton(row.optCurrency, slot);
        // Selected other than by the mouse (a screen reader toggles it), the option
        // converts as a press does, once the toggle is over. The program's own
        // marks do not count.
        connect(row.optCurrency, &QRadioButton::toggled, this, [this, slot](bool checked) {
            if (checked)
                QTimer::singleShot(0, this, [this, slot] { ConvertFrom(slot); });
        });

        row.lblTitle = NewPlainLabel(centralWidget(), IndexedName("lblTitle", slot));

        row.lblAmount = NewPlainLabel(centralWidget(), IndexedName("lblAmount", slot));
        row.lblAmount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.lblAmount->setFrameShape(QFrame::StyledPanel);
        row.lblAmount->setFrameShadow(QFrame::Sunken);
        row.lblAmount->setBackgroundRole(QPalette::Base);
        row.lblAmount->setAutoFillBackground(true);
        row.lblAmount->setMinimumWidth(amountWidth);
        row.lblAmount->setMargin(3);
        row.lblAmount->installEventFilter(this); // a double-click copies the amount

        row.cmdGo = NewNamed<QPushButton>(centralWidget(), IndexedName("cmdGo", slot));
        row.cmdGo->setIcon(Picture("icon_convert"));
        row.cmdGo->setIconSize(QSize(20, 20));
        row.cmdGo->setAutoDefault(false);
        row.cmdGo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        row.cmdGo->installEventFilter(this);
        connect(row.cmdGo, &QPushButton::clicked, this, [this, slot] { ConvertFrom(slot); });

        rows->addWidget(row.optCurrency, slot, 0);
        rows->addWidget(row.lblTitle, slot, 1);
        rows->addWidget(row.lblAmount, slot, 2);
        rows->addWidget(row.cmdGo, slot, 3);
        row.lblTitle->setBuddy(row.cmdGo);
        if (slot > 0)
            setTabOrder(m_rows[std::size_t(slot) - 1].cmdGo, row.cmdGo);
    }
    showRows();
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

void frmMain::buildStatusBar()
{
    m_lblConversionRoad = NewPlainLabel(statusBar(), "lblConversionRoad");
    m_lblConversionRoad->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long line is shortened (fitRoad) rather than widening the window; its
    // tooltip and its accessible name hold it whole.
    m_lblConversionRoad->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_lblConversionRoad->installEventFilter(this);
    statusBar()->addWidget(m_lblConversionRoad, 1);
}

int frmMain::rowOf(const QObject *control) const
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [control](const Row &row) {
        return row.optCurrency == control || row.cmdGo == control || row.lblAmount == control;
    });
    return found == m_rows.end() ? -1 : int(found - m_rows.begin());
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lblConversionRoad && event->type() == QEvent::Resize)
        fitRoad();
    const int slot = rowOf(watched);
    if (slot >= 0) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            // The conversion, not the click, decides which option is selected.
            const bool left = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
            if (watched == m_rows[std::size_t(slot)].optCurrency && left) {
                ConvertFrom(slot);
                return true;
            }
            if (watched == m_rows[std::size_t(slot)].lblAmount && left
                && event->type() == QEvent::MouseButtonDblClick) {
                copyRow(slot, false);
                return true;
            }
        } else if (event->type() == QEvent::FocusIn) {
            // Tabbing through the rows reads each row's road; the focus a click or a
            // conversion puts on a row leaves the road of the last conversion alone.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                followRoad(slot);
        } else if (event->type() == QEvent::KeyPress) {
            // Enter converts from a focused row as Space does.
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                ConvertFrom(slot);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

int frmMain::focusedRow() const
{
    const int slot = rowOf(focusWidget());
    return slot >= 0 ? slot : m_context.conversion().currentSlot();
}

void frmMain::copyRow(int slot, bool unrounded)
{
    const QString text = m_context.conversion().copyText(slot, unrounded, m_context.app().language());
    QGuiApplication::clipboard()->setText(text);
    constexpr int ShownMs = 4000;
    statusBar()->showMessage(CopiedMessage(text, unrounded, m_context.app().language()), ShownMs);
}

void frmMain::followRoad(int slot)
{
    m_roadRow = slot;
    showStatus();
}

void frmMain::showStatus()
{
    const CurrentConversion &conversion = m_context.conversion();
    const QString road =
        conversion.road(m_roadRow >= 0 ? m_roadRow : conversion.currentSlot(), m_context.app().language());
    if (road == m_road)
        return; // a refresh of the same conversion
    m_road = road;
    m_saved.clear();
    m_lblConversionRoad->setToolTip(m_road);
    m_lblConversionRoad->setAccessibleName(m_road);
    m_lblConversionRoad->setAccessibleDescription(Text(TextId::StatusBarName, m_context.app().language()));
    fitRoad();
}

void frmMain::showSaved(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    m_saved = paths;
    const QString whole = savedMessage(paths);
    m_lblConversionRoad->setToolTip(whole);
    m_lblConversionRoad->setAccessibleName(whole);
    m_lblConversionRoad->setAccessibleDescription(paths.join(u'\n'));
    fitRoad();
}

QString frmMain::savedMessage(const QStringList &paths) const
{
    const Language language = m_context.app().language();
    return paths.size() == 1 ? Text(TextId::SavedTo, language).arg(paths[0])
                             : Text(TextId::SavedToBoth, language).arg(paths[0], paths.value(1));
}

void frmMain::fitRoad()
{
    QLabel *label = m_lblConversionRoad;
    const QFontMetrics metrics = label->fontMetrics();
    const int width = label->contentsRect().width();
    if (!m_saved.isEmpty()) {
        // The folders give way from the start of each path, the file's name stays.
        const QString ellipsis(u'…');
        for (qsizetype dropped = 0;; ++dropped) {
            QStringList shown;
            bool shortened = false;
            for (const QString &path : std::as_const(m_saved)) {
                const QStringList parts = path.split(u'/');
                const qsizetype drop = std::min(dropped, parts.size() - 1);
                shortened = shortened || drop < dropped;
                shown << (drop == 0 ? path : (QStringList{ellipsis} + parts.mid(drop)).join(u'/'));
            }
            const QString message = savedMessage(shown);
            if (metrics.horizontalAdvance(message) <= width || shortened) {
                label->setText(metrics.elidedText(message, Qt::ElideRight, width));
                return;
            }
        }
    }
    // Whole steps give way from the middle first, so that the amount entered and
    // the result stay whole and no number is cut short; then the end of the
    // first step, then the start of what is left.
    const QString arrow = RoadArrow.toString(), ellipsis(u'…');
    const QStringList steps = m_road.split(arrow);
    QString shown = m_road;
    for (qsizetype kept = steps.size() - 1; kept >= 2 && metrics.horizontalAdvance(shown) > width; --kept)
        shown = (steps.first(kept / 2) + QStringList{ellipsis} + steps.last(kept - kept / 2)).join(arrow);
    if (steps.size() > 1 && metrics.horizontalAdvance(shown) > width) {
        const QString tail = (steps.size() > 2 ? arrow + ellipsis : QString()) + arrow + steps.last();
        shown = metrics.elidedText(steps.first(), Qt::ElideRight, width - metrics.horizontalAdvance(tail)) + tail;
    }
    label->setText(metrics.elidedText(shown, Qt::ElideLeft, width));
}

void frmMain::chooseLanguage(Language language)
{
    m_controller.setLanguage(language);
    showLanguage();
    Resizer::of(this)->contentsChanged();
}

void frmMain::showLanguage()
{
    const Language language = m_context.app().language();
    const bool greek = language == Language::Greek;
    action(greek ? MainAction::mnuToolsGreek : MainAction::mnuToolsEnglish)->setChecked(true);
    button(greek ? MainButton::cmdLanguage_0 : MainButton::cmdLanguage_1)->setChecked(true);
    SetMainCaptions();
}

void frmMain::SetMainCaptions()
{
    const Language language = m_context.app().language();
    for (const auto &[item, text] : m_menuTexts)
        item->setText(Text(text, language));
    // Alt and a letter open the menus of the bar; hidden menus take no letter.
    QStringList titles;
    for (std::size_t i = 0; i < m_menus.size(); ++i)
        titles << (m_menus[i]->menuAction()->isVisible() ? Text(MenuTitles[i], language) : QString());
    const QStringList marked = WithMnemonics(titles);
    for (std::size_t i = 0; i < m_menus.size(); ++i) {
        if (!marked[qsizetype(i)].isEmpty())
            m_menus[i]->setTitle(marked[qsizetype(i)]);
    }
    statusBar()->setAccessibleName(Text(TextId::StatusBarName, language));
    if (m_saved.isEmpty())
        m_lblConversionRoad->setAccessibleDescription(Text(TextId::StatusBarName, language));
    else
        showSaved(m_saved); // in the new language
    for (const auto &[button, text] : m_buttonTips) {
        button->setToolTip(Text(text, language));
        button->setAccessibleName(Text(text, language));
    }
    setWindowTitle(m_context.app().ProgramTitle);
    ApplyCurrencyCaptions();
    m_help->retranslate(language);
}

void frmMain::ApplyCurrencyCaptions()
{
    const Language language = m_context.app().language();
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        const Row &row = m_rows[std::size_t(slot)];
        const QString title = m_context.conversion().rowTitle(slot, language);
        row.lblTitle->setText(LiteralAmpersands(title));
        // The picture-only controls of the row are named after it for screen readers.
        row.optCurrency->setAccessibleName(title);
        const QString convert = Text(TextId::ConvertRowName, language).arg(title);
        row.cmdGo->setAccessibleName(convert);
        row.cmdGo->setToolTip(convert);
    }
    m_convertFrom[OtherCurrencyIndex]->setText(
        LiteralAmpersands(m_context.conversion().rowTitle(OtherCurrencyIndex, language)));
    showRows();
}

void frmMain::showRows()
{
    const CurrentConversion &conversion = m_context.conversion();
    const Language language = m_context.app().language();
    const std::array<RowText, CurrencyCount> texts = conversion.rowTexts(language, m_context.app().HideToolTips);
    const std::array<RowSpeech, CurrencyCount> speech = conversion.rowSpeech(language);
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        const RowText &text = texts[std::size_t(slot)];
        const Row &row = m_rows[std::size_t(slot)];
        row.lblAmount->setText(text.caption);
        row.lblAmount->setToolTip(text.toolTip);
        row.lblAmount->setAccessibleName(speech[std::size_t(slot)].amountName);
        row.lblAmount->setAccessibleDescription(speech[std::size_t(slot)].amountDescription);
        row.cmdGo->setAccessibleDescription(speech[std::size_t(slot)].buttonDescription);
    }
    alignAmounts();
    showStatus();
}

void frmMain::alignAmounts()
{
    // Each caption is moved left by an indent from the right edge, so that the
    // part right of its whole number ends where the widest such part ends: the
    // decimal separators stand in one column and whole numbers end at it. The
    // indent starts from the one a framed label has of itself.
    // The rows share one font, and their tails are a few texts (".00 ", " ").
    const QLocale locale;
    const QFontMetrics metrics = m_rows[0].lblAmount->fontMetrics();
    QHash<QString, int> widths;
    std::array<int, CurrencyCount> tails{};
    for (std::size_t slot = 0; slot < tails.size(); ++slot) {
        const QString tail = AmountTail(m_rows[slot].lblAmount->text(), locale);
        auto width = widths.constFind(tail);
        if (width == widths.constEnd())
            width = widths.insert(tail, metrics.horizontalAdvance(tail));
        tails[slot] = *width;
    }
    const int widest = *std::max_element(tails.begin(), tails.end());
    const int framed = std::max(0, metrics.horizontalAdvance(u'x') / 2 - m_rows[0].lblAmount->margin());
    for (std::size_t slot = 0; slot < tails.size(); ++slot) {
        // Setting an indent lays the label out again even when it is unchanged.
        const int indent = framed + widest - tails[slot];
        if (m_rows[slot].lblAmount->indent() != indent)
            m_rows[slot].lblAmount->setIndent(indent);
    }
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        showChanges(m_controller.finishStartUp(this));
    }
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_shown) {
        m_refreshTimer.start();
        m_placeTimer.start();
    }
}

void frmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_shown)
        m_placeTimer.start();
}

void frmMain::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_shown)
        m_placeTimer.start();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (m_shown)
        keepPlace();
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    // A digit, a decimal separator or a minus typed on the window starts an
    // amount for the row the keyboard is on; keys with a command modifier are
    // shortcuts, and the keys the controls use never arrive here.
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const std::optional<QString> start =
        command ? std::nullopt : AmountStart(event->text(), event->modifiers() & Qt::KeypadModifier);
    if (!start) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    m_typedFirst = *start;
    ConvertFrom(focusedRow());
    m_typedFirst.clear();
}

void frmMain::refreshConversion() { showChanges(m_controller.refreshConversion(this)); }

void frmMain::comeToFront()
{
    m_context.dialogs().BringWindowToFront(this);
    if (QWidget *dialog = QApplication::activeModalWidget(); dialog && dialog != this)
        m_context.dialogs().BringWindowToFront(dialog);
}

void frmMain::ConvertFrom(int slot)
{
    const MainChanges changes = m_controller.ConvertFrom(
        slot, [this](int asked) { return askAmount(asked); }, this);
    if (changes.rows) {
        m_roadRow = -1; // a new conversion: its road to the row converted from
        m_road.clear(); // shown again, also in place of the files saved
    }
    showChanges(changes);
}

void frmMain::showChanges(const MainChanges &changes)
{
    if (changes.captions)
        ApplyCurrencyCaptions(); // the rows with them
    else if (changes.rows)
        showRows();
    if (changes.marked)
        markRow(*changes.marked);
}

void frmMain::markRow(int slot)
{
    const Row &row = m_rows[std::size_t(slot)];
    m_convertFrom[std::size_t(slot)]->setChecked(true);
    const QSignalBlocker marked(row.optCurrency);
    row.optCurrency->setChecked(true);
    row.cmdGo->setFocus();
}

std::optional<InputCurrencyValues> frmMain::askAmount(int slot)
{
    markRow(slot);
    AmountEntry entry(m_context.conversion(), slot, m_context.app().language());
    // A key the amount field would refuse is refused as it would be there.
    if (!m_typedFirst.isEmpty() && !entry.typeFirst(m_typedFirst))
        m_context.platform().beep();
    frmInputCurrency dialog(m_context.dialogs(), std::move(entry), m_rows[std::size_t(slot)].optCurrency->icon(), this);
    if (OpenModal(dialog, this, m_context.dialogs()) != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

void frmMain::connectPrinting()
{
    connect(action(MainAction::mnuFilePageSetup), &QAction::triggered, this,
            [this] { OpenPageSetup(m_context, this); });
    connect(action(MainAction::mnuFilePrintSetup), &QAction::triggered, this,
            [this] { OpenPrinterSetup(m_context, this); });
    connect(action(MainAction::mnuFilePrint), &QAction::triggered, this, [this] { showSaved(OpenPrint(m_context, this)); });
    // Each button runs its menu item.
    const std::pair<MainButton, MainAction> runs[] = {{MainButton::cmdPageSetup, MainAction::mnuFilePageSetup},
                                                      {MainButton::cmdPrintSetup, MainAction::mnuFilePrintSetup},
                                                      {MainButton::cmdPrint, MainAction::mnuFilePrint}};
    for (const auto &[pressed, item] : runs)
        connect(button(pressed), &QToolButton::clicked, action(item), &QAction::trigger);
}

void frmMain::connectHelp()
{
    // Each button runs its menu item's handler.
    connect(action(MainAction::mnuHelpTips), &QAction::triggered, this, &frmMain::showHints);
    connect(button(MainButton::cmdHelp), &QToolButton::clicked, this, &frmMain::showHints);
    connect(action(MainAction::mnuHelpAbout), &QAction::triggered, this, &frmMain::showAbout);
    connect(button(MainButton::cmdCopyright), &QToolButton::clicked, this, &frmMain::showAbout);
    // The Help item of the Settings button's menu explains the button, as a right-click on it does.
    connect(action(MainAction::mnuSettingsHelp), &QAction::triggered, this,
            [this] { m_help->showFor(button(MainButton::cmdSettings)); });
}

void frmMain::showHints()
{
    const Language language = m_context.app().language();
    m_context.dialogs().ShowMessageBox(this, Text(TextId::HintsTitle, language), Text(TextId::HintsText, language),
                                       MessageStyle::Information);
}

void frmMain::showAbout()
{
    frmAbout about(m_context.dialogs(), this);
    OpenModal(about, this, m_context.dialogs());
}

void frmMain::connectButtonMenus()
{
    new ButtonMenu(button(MainButton::cmdSettings), menu(MainMenu::mnuSettings), action(MainAction::mnuSettingsHelp),
                   action(MainAction::mnuSettingsCancel));
    new ButtonMenu(button(MainButton::cmdSavePath), menu(MainMenu::mnuSavePath), action(MainAction::mnuSavePathHelp),
                   action(MainAction::mnuSavePathCancel));
    new ButtonMenu(button(MainButton::cmdRecallSavedPath), menu(MainMenu::mnuRecallPath),
                   action(MainAction::mnuRecallPathHelp), action(MainAction::mnuRecallPathCancel));

    connect(action(MainAction::mnuSettingsExport), &QAction::triggered, this, [this] {
        frmSettingsExport dialog(m_context.dialogs(), m_context.settings(), this);
        OpenModal(dialog, this, m_context.dialogs());
        showSaved(dialog.savedFiles());
    });
    connect(action(MainAction::mnuSettingsImport), &QAction::triggered, this, [this] {
        frmSettingsImport dialog(m_context.dialogs(), m_context.settings(), this);
        OpenModal(dialog, this, m_context.dialogs());
    });

    // Path keeping is not offered, so these items stay hidden; they keep what
    // they would do.
    connect(action(MainAction::mnuSavePathRecent), &QAction::triggered, this,
            [this] { StoreRecentPath(m_context.dialogs(), this); });
    connect(action(MainAction::mnuSavePathInitial), &QAction::triggered, this,
            [this] { StoreInitialPath(m_context.dialogs(), m_context.settings(), this); });
}
