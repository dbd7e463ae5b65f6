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
    show(w.auth.window);
}

void helpClick(World& w) {
    show(w.help.window);
}

void exitClick(World& w) {
    closeMainMenu(w);
}

void showMainMenu(World& w) {
    show(w.Menuform.window);
}

void showMainMenuBehind(World& w) {
    w.Menuform.window.visible = true;
    ++w.Menuform.window.lowerRequests;
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
