// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up screens: the main menu, credits, help and the font settings.
#pragma once

namespace cv {

struct World;
struct Window;

void newGameClick(World& w);  // "Новая игра"
void authorsClick(World& w);  // "Авторы"
void helpClick(World& w);     // "Помощь", also the game screen's help command
void exitClick(World& w);     // "Выход": closes the main menu, which ends the program
void fontMenuClick(World& w); // the game screen's "Окно" -> "Шрифт"

void showMainMenu(World& w);
// Shows the main menu over a screen the game has frozen (the end of a game lost by stealing).
void showMainMenuOver(World& w, const Window& frozen);
// Closing the main menu ends the program: the menu's and the game menu's "Выход" and the defeat button.
void closeMainMenu(World& w);

} // namespace cv
