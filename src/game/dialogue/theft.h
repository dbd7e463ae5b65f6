// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stealing in a conversation: the roll against the partner's threshold and the catches that end a game.
#pragma once

#include "../vocab/checks.h"

namespace cv {

struct World;

// The partner's threshold: the guard's 65, the aunt's `stealSkill` + 20.
int theftThreshold(const World& w, Thief from);
// Draws 0 .. 99; a roll up to the threshold is a theft, a higher one a catch.
bool theftSucceeds(World& w, Thief from);
// Counts a catch; true for the fifth, at either partner, which ends the game.
bool countCatch(World& w);

} // namespace cv
