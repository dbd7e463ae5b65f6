// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: the main menu, the credits, the help and the font dialog's host; and the
// switching of screens between the subsystems, which goes through here alone: which of the game's main
// screens show and take input.
#pragma once

#include <optional>

#include "../vocab/controls.h"

namespace cv {

struct World;

void newGameClick(World& w); // "Новая игра"
void authorsClick(World& w); // "Авторы"
void helpClick(World& w);    // "Помощь", also the game screen's help command
void exitClick(World& w);    // "Выход": closes the main menu, which ends the program
void closeCredits(World& w); // the credits' close box
void closeHelp(World& w);    // the help's close box
void closeFonts(World& w);   // the font dialog's host's close box

// The font dialog, run from its host window, which shows while it runs: the chosen font, or nothing.
std::optional<Font> askFont(World& w);

// The main screens, shown, hidden, enabled and disabled for the subsystems that switch to them.
void showGameScreen(World& w);
void hideGameScreen(World& w);
void enableGameScreen(World& w);
void disableGameScreen(World& w);
void enableCombatScreen(World& w);
void disableCombatScreen(World& w);
void showMap(World& w);
void hideMap(World& w);
void showReadyMadeScreen(World& w);
void hideReadyMadeScreen(World& w);

void showMainMenu(World& w);
// Shows the main menu over a screen the game has frozen (the end of a game lost by stealing).
void showMainMenuOver(World& w, const Window& frozen);
// Closing the main menu ends the program: the menu's and the game menu's "Выход" and the defeat button.
void closeMainMenu(World& w);

} // namespace cv
