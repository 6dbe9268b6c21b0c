#pragma once

#include "app/texts/Texts.h"
#include "core/Currencies.h"

#include <QAction>

#include <array>
#include <cstddef>
#include <optional>

// The main window's menus and picture buttons as lists (MainMenus.h,
// MainButtons.h): names, texts, how each starts. The window builds them from
// here and finds each by its id; the captions follow the language.

// How a control starts. Path keeping is not offered, so its controls stay
// hidden for good; Help and Cancel of the button menus are usable only while
// their menu is opened from its button; the rest waits for its window.
enum class Initially {
    Shown,
    Hidden,
    Disabled
};

// The menus of the bar, and the items of all menus, separators included, in order.
enum class MainMenu {
#define MENU(name, words, initially) name,
#define ITEM(name, words, initially)
#define SEPARATOR(name, initially)
#include "windows/main/MainMenus.h"
#undef MENU
#undef ITEM
#undef SEPARATOR
    Count
};
enum class MainAction {
#define MENU(name, words, initially)
#define ITEM(name, words, initially) name,
#define SEPARATOR(name, initially) name,
#include "windows/main/MainMenus.h"
#undef MENU
#undef ITEM
#undef SEPARATOR
    Count
};

// The words of each menu's title.
inline constexpr TextId MenuTitles[] = {
#define MENU(name, words, initially) TextId::words,
#define ITEM(name, words, initially)
#define SEPARATOR(name, initially)
#include "windows/main/MainMenus.h"
#undef MENU
#undef ITEM
#undef SEPARATOR
};

// One line of the menu list: a menu, or an item of the menu above it.
struct MenuLine
{
    bool menu;
    const char *name;
    std::optional<TextId> words; // none: a separator
    Initially initially;
};
inline constexpr MenuLine MenuLines[] = {
#define MENU(name, words, initially) {true, #name, TextId::words, Initially::initially},
#define ITEM(name, words, initially) {false, #name, TextId::words, Initially::initially},
#define SEPARATOR(name, initially) {false, #name, std::nullopt, Initially::initially},
#include "windows/main/MainMenus.h"
#undef MENU
#undef ITEM
#undef SEPARATOR
};

// The picture buttons, left to right, and what stands before each.
enum class Before {
    None,
    Gap,
    Stretch
};
enum class MainButton {
#define BUTTON(name, picture, tooltip, initially, before) name,
#include "windows/main/MainButtons.h"
#undef BUTTON
    Count
};
struct ButtonLine
{
    const char *name;
    const char *picture;
    TextId toolTip;
    Initially initially;
    Before before;
};
inline constexpr ButtonLine ButtonLines[] = {
#define BUTTON(name, picture, tooltip, initially, before)                                                              \
    {#name, #picture, TextId::tooltip, Initially::initially, Before::before},
#include "windows/main/MainButtons.h"
#undef BUTTON
};

// "Convert from" shortcuts, in slot order.
constexpr std::array<Qt::Key, CurrencyCount> ConvertKeys = {Qt::Key_U, Qt::Key_A, Qt::Key_B, Qt::Key_D, Qt::Key_E,
                                                            Qt::Key_S, Qt::Key_F, Qt::Key_H, Qt::Key_R, Qt::Key_I,
                                                            Qt::Key_L, Qt::Key_N, Qt::Key_T, Qt::Key_O};

constexpr std::array<const char *, CurrencyCount> FlagPictures = {
    "flag_eur", "flag_ats", "flag_bef", "flag_dem", "flag_esp", "flag_fim", "flag_frf",
    "flag_grd", "flag_iep", "flag_itl", "flag_luf", "flag_nlg", "flag_pte", "flag_other"};

// Shows or hides, enables or disables a control as it starts.
template<typename Control>
void ApplyInitially(Control *control, Initially initially)
{
    control->setVisible(initially != Initially::Hidden);
    control->setEnabled(initially != Initially::Disabled);
}
