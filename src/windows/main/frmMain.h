#pragma once

#include "app/logic/MainController.h"
#include "app/texts/Texts.h"
#include "core/Currencies.h"
#include "windows/main/MainWindowTables.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

class AppContext;
class ContextHelp;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

// The main window: fourteen currency rows, the menus and picture buttons, the
// language switch. It builds the widgets, shows what the controller holds and
// forwards the user's actions to it.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(AppContext &context, QWidget *parent = nullptr);

    // Converts from a slot: asks for the amount, then shows every row.
    void ConvertFrom(int slot);

    // Re-runs the current conversion without asking, as after a re-layout.
    void refreshConversion();

    // Restored when minimised and brought to the front, with the dialog open over it, if any.
    void comeToFront();

    // One currency row.
    struct Row
    {
        QRadioButton *optCurrency = nullptr;
        QLabel *lblTitle = nullptr;
        QLabel *lblAmount = nullptr;
        QPushButton *cmdGo = nullptr;
    };

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildButtons();
    void buildRows();
    void connectPrinting();

    void buildStatusBar();
    void connectButtonMenus();

    // A language button or menu item: the language is applied and kept.
    void chooseLanguage(Language language);
    // The check marks of the language in force, then every caption in it.
    void showLanguage();
    void SetMainCaptions();
    void ApplyCurrencyCaptions();
    void showRows();
    void showChanges(const MainChanges &changes);
    void markRow(int slot);
    std::optional<InputCurrencyValues> askAmount(int slot);
    int rowOf(const QObject *control) const;
    // The row the keyboard is on: the focused row, else the current one.
    int focusedRow() const;
    void copyRow(int slot, bool unrounded);
    void alignAmounts();
    void followRoad(int slot); // -1: the current row
    void showStatus();
    void fitRoad();
    // Where a print or an export put its files, until the road changes.
    void showSaved(const QStringList &paths);
    QString savedMessage(const QStringList &paths) const;

    AppContext &m_context;
    MainController m_controller;
    bool m_shown = false;
    QTimer m_refreshTimer;
    // The window opens where it was, or centred at its designed size; its
    // place is kept when it rests and when it closes.
    void placeWindow();
    void keepPlace();
    QTimer m_placeTimer;
    // The key typed on the window that opened the amount dialog, if one did.
    QString m_typedFirst;

    // The menus, their items and the picture buttons, by their ids in their lists.
    QMenu *menu(MainMenu id) const { return m_menus[std::size_t(id)]; }
    QAction *action(MainAction id) const { return m_actions[std::size_t(id)]; }
    QToolButton *button(MainButton id) const { return m_buttons[std::size_t(id)]; }
    std::array<QMenu *, std::size_t(MainMenu::Count)> m_menus{};
    std::array<QAction *, std::size_t(MainAction::Count)> m_actions{};
    std::array<QToolButton *, std::size_t(MainButton::Count)> m_buttons{};
    std::array<QAction *, CurrencyCount> m_convertFrom{};
    std::array<Row, CurrencyCount> m_rows{};
    // Every caption and tooltip that follows the language.
    std::vector<std::pair<QAction *, TextId>> m_menuTexts;
    std::vector<std::pair<QToolButton *, TextId>> m_buttonTips;
    // The status bar's road of the last conversion.
    QLabel *m_lblConversionRoad = nullptr;
    QString m_road;
    // The row whose road the status bar shows: the row the keyboard tabbed to, else (-1) the current row. Until a
    // new conversion is confirmed it shows the last one, whatever an open amount dialog holds.
    int m_roadRow = -1;
    QStringList m_saved; // the files the status line names instead of the road

    // Help: the right-click topics, the hints and the About box.
    void connectHelp();
    void showHints();
    void showAbout();
    ContextHelp *m_help = nullptr;
};
