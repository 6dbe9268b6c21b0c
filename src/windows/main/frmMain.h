#pragma once

#include "app/AppValues.h"
#include "app/SharedDialogs.h"
#include "app/Texts.h"
#include "core/Conversion.h"
#include "core/ConversionState.h"
#include "report/PageSetup.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

class PlatformServices;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

// The main window: fourteen currency rows, the menus and picture buttons, the
// language switch. Constructing it runs the whole start-up.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(PlatformServices &platform, QWidget *parent = nullptr);

    // Converts from a slot: asks for the amount (unless re-running the current
    // conversion after a re-layout), shows every row and keeps the state.
    void ConvertFrom(int slot);

    // Re-runs the current conversion without asking, as after a re-layout.
    void RefreshConversion();

    const AppValues &app() const { return m_app; }
    const ConversionState &state() const { return m_state; }
    // True when the start-up ended the program (a second copy).
    bool ended() const { return m_ended; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildButtons();
    void buildRows();
    QToolButton *addPictureButton(const char *name, const char *picture, TextId toolTip);

    void load();
    bool CheckSingleInstance(const QString &title, bool otherInstance);
    void languageClicked(int index);
    void SetMainCaptions(const QString &file, const QString &section, const QString &key);
    void ApplyCurrencyCaptions();
    void markRow(int slot);
    bool askAmount(int slot);
    void showResult(const ConversionResult &result);
    void setRowText(int slot, const QString &caption, const QString &toolTip, const QString &description);
    void setRowTitle(int slot, const QString &title);

    PlatformServices &m_platform;
    AppValues m_app;
    SharedDialogs m_dialogs;
    ConversionState m_state;
    qint16 m_printDestination = 0;
    PageSetupValues m_pageSetup;
    bool m_ended = false;
    bool m_shown = false;
    bool m_converting = false;
    QTimer m_refreshTimer;

    std::array<QRadioButton *, CurrencyCount> m_optCurrency{};
    std::array<QLabel *, CurrencyCount> m_lblTitle{};
    std::array<QLabel *, CurrencyCount> m_lblAmount{};
    std::array<QPushButton *, CurrencyCount> m_cmdGo{};
    std::array<QAction *, CurrencyCount> m_mnuConvertFrom{};
    std::array<QToolButton *, 2> m_cmdLanguage{};

    QMenu *m_mnuConvert = nullptr;
    QAction *m_mnuToolsEnglish = nullptr;
    QAction *m_mnuToolsGreek = nullptr;
    // Every caption and tooltip that follows the language, in table order.
    std::vector<std::pair<QAction *, TextId>> m_menuTexts;
    std::vector<std::pair<QToolButton *, TextId>> m_buttonTips;
};
