// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stealing in a conversation: the roll against the partner's threshold and the catches that end a game.
#include "theft.h"

#include "../shell/shell.h"
#include "../story/gamescreen.h"
#include "../world.h"
#include "mode.h"

namespace cv {

int theftThreshold(const World& w, Thief from) {
    return from == Thief::Guard ? 65 : w.character.stealSkill + 20;
}

bool theftSucceeds(World& w, Thief from) {
    return w.roll(0, 99) <= theftThreshold(w, from);
}

void countCatch(World& w) {
    ++w.caughtCount;
    if (w.caughtCount != 5) return;
    // The elder has had enough: the game screen freezes with the verdict standing alone, and the main menu
    // comes up over it, where the player can reach it.
    disableGameScreen(w);
    setDialogue(w, {}, {}, {}, {}, {}, {});
    setStoryText(
        w, 1,
        "Старейшина Тарнвель наконец осознала, что вы слишком нечестны для миссии. С позором вы были "
        "отстранены...");
    setStoryText(w, 2, {});
    showMainMenuOver(w, w.Gameform.window);
}

} // namespace cv
