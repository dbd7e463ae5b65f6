// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stealing in a conversation: the roll against the partner's threshold and the catches that end a game.
#include "theft.h"

#include "../world.h"

namespace cv {

int theftThreshold(const World& w, Thief from) {
    return from == Thief::Guard ? 65 : w.character.stealSkill + 20;
}

bool theftSucceeds(World& w, Thief from) {
    return w.roll(0, 99) <= theftThreshold(w, from);
}

bool countCatch(World& w) {
    ++w.caughtCount;
    return w.caughtCount == 5;
}

} // namespace cv
