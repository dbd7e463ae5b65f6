// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up screens: the main menu, credits, help and the font settings.
#include "shell.h"

#include "../character/readymade.h"
#include "../story/gamescreen.h"
#include "../world.h"

namespace cv {

void newGameClick(World& w) {
    showReadyMadeScreen(w);
    hide(w.Menuform.window);
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

namespace {

// The dialog has closed, whichever way.
void fontqClose(World& w) {
    showGameScreen(w);
    hide(w.fonts.window);
}

} // namespace

void fontMenuClick(World& w) {
    hideGameScreen(w);
    show(w.fonts.window);
    const std::optional<Font> chosen = w.fontDialog->ask(w.fonts.fontq);
    fontqClose(w);
    if (chosen) {
        setStoryFont(w, *chosen);
        showGameScreen(w);
    }
}

} // namespace cv
