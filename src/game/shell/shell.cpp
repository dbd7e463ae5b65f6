// Start-up screens: the main menu, credits, help and the font settings.
#include "shell.h"

#include "../world.h"

namespace cv {

void newGameClick(World& w) {
    show(w.createf.window);
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
    hide(w.Menuform.window);
    if (w.requestQuit) w.requestQuit();
}

namespace {

// The dialog has closed, whichever way.
void fontqClose(World& w) {
    show(w.Gameform.window);
    hide(w.fonts.window);
}

} // namespace

void fontMenuClick(World& w) {
    hide(w.Gameform.window);
    show(w.fonts.window);
    const std::optional<Font> chosen = w.fontDialog->ask(w.fonts.fontq);
    fontqClose(w);
    if (chosen) {
        w.Gameform.m1.font = *chosen;
        w.Gameform.m2.font = *chosen;
        w.Gameform.rep.font = *chosen;
        show(w.Gameform.window);
    }
}

} // namespace cv
