// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The application shell: the main menu, the credits, the help, the font dialog's host, and the switching of
// the main screens.
#include "shell.h"

#include "../world.h"

namespace cv {

void newGameClick(World& w) {
    showReadyMadeScreen(w);
    hide(w.Menuform.window);
    // The creation screen works in creation mode again.
    w.character.characterInPlay = 0;
}

void authorsClick(World& w) {
    showOver(w.auth.window, w.Menuform.window);
}

void helpClick(World& w) {
    // The help serves whichever screen asked for it: the main menu, or the game screen's menu.
    showOver(w.help.window, w.Gameform.window.visible ? w.Gameform.window : w.Menuform.window);
}

void exitClick(World& w) {
    closeMainMenu(w);
}

void closeCredits(World& w) {
    hide(w.auth.window);
}

void closeHelp(World& w) {
    hide(w.help.window);
}

void closeFonts(World& w) {
    hide(w.fonts.window);
}

std::optional<Font> askFont(World& w) {
    show(w.fonts.window);
    std::optional<Font> chosen = w.fontDialog->ask(w.fonts.fontq);
    // The dialog has closed, whichever way (its close handler, fontqClose).
    hide(w.fonts.window);
    return chosen;
}

void showGameScreen(World& w) {
    show(w.Gameform.window);
}

void hideGameScreen(World& w) {
    hide(w.Gameform.window);
}

void enableGameScreen(World& w) {
    w.Gameform.window.enabled = true;
}

void disableGameScreen(World& w) {
    w.Gameform.window.enabled = false;
}

void enableCombatScreen(World& w) {
    w.battle.window.enabled = true;
}

void disableCombatScreen(World& w) {
    w.battle.window.enabled = false;
}

void showMap(World& w) {
    show(w.mapform.window);
}

void hideMap(World& w) {
    hide(w.mapform.window);
}

void showReadyMadeScreen(World& w) {
    show(w.createf.window);
}

void hideReadyMadeScreen(World& w) {
    hide(w.createf.window);
}

void showMainMenu(World& w) {
    show(w.Menuform.window);
}

void showMainMenuOver(World& w, const Window& frozen) {
    showOver(w.Menuform.window, frozen);
}

void closeMainMenu(World& w) {
    hide(w.Menuform.window);
    if (w.requestQuit) w.requestQuit();
}

} // namespace cv
