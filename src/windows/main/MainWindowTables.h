#pragma once

#include "app/texts/Texts.h"
#include "core/Currencies.h"
#include "windows/main/frmMain.h"

#include <array>
#include <optional>
#include <vector>

// The main window's menus and picture buttons as tables: names, texts, how each
// starts. The window builds them from here; the captions follow the language.

// How a control starts. Path keeping is not offered, so its controls stay
// hidden for good; Help and Cancel of the button menus are usable only while
// their menu is opened from its button; the rest waits for its window.
enum class Initially {
    Shown,
    Hidden,
    Disabled
};

// The menu tree, in menu-bar order; an item without a text is a separator.
struct MenuItem
{
    const char *name;
    std::optional<TextId> text;
    QAction *frmMain::Actions::*action;
    Initially initially = Initially::Shown;
};
struct MenuEntry
{
    const char *name;
    TextId text;
    QMenu *frmMain::Menus::*menu;
    Initially initially;
    std::vector<MenuItem> items;
};

// The picture buttons, left to right; a gap goes before the buttons that start a group.
struct ButtonEntry
{
    const char *name;
    const char *picture;
    TextId toolTip;
    QToolButton *frmMain::Buttons::*button;
    Initially initially = Initially::Shown;
    bool gapBefore = false;
};

// "Convert from" shortcuts, in slot order.
constexpr std::array<Qt::Key, CurrencyCount> ConvertKeys = {Qt::Key_U, Qt::Key_A, Qt::Key_B, Qt::Key_D, Qt::Key_E,
                                                            Qt::Key_S, Qt::Key_F, Qt::Key_H, Qt::Key_R, Qt::Key_I,
                                                            Qt::Key_L, Qt::Key_N, Qt::Key_T, Qt::Key_O};

constexpr std::array<const char *, CurrencyCount> FlagPictures = {
    "flag_eur", "flag_ats", "flag_bef", "flag_dem", "flag_esp", "flag_fim", "flag_frf",
    "flag_grd", "flag_iep", "flag_itl", "flag_luf", "flag_nlg", "flag_pte", "flag_other"};

// The menu tree, in menu-bar order.
const std::vector<MenuEntry> &MenuTable();
// The picture buttons, left to right.
const std::vector<ButtonEntry> &ButtonTable();
// Shows or hides, enables or disables an item as it starts.
void ApplyInitially(QAction *action, Initially initially);
