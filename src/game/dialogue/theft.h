// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stealing in a conversation: the roll against the partner's threshold and the catches that end a game.
#pragma once

namespace cv {

struct World;

// The two partners who can be robbed.
enum class Thief { Guard = 1, Aunt };

// The partner's threshold: the guard's 65, the aunt's `stealSkill` + 20.
int theftThreshold(const World& w, Thief from);
// Draws 0 .. 99; a roll up to the threshold is a theft, a higher one a catch.
bool theftSucceeds(World& w, Thief from);
// Counts a catch; the fifth, at either partner, ends the game.
void countCatch(World& w);

} // namespace cv
