// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a new game, and the random checks and mishaps the scenes use.
#pragma once

namespace cv {

struct World;

// Story flags to their start values, the theft counter to 0, the inventory and hands emptied, and the
// game screen at the opening.
void resetStory(World& w);

enum class Check { PickLock, WalkCarefully, RunOverTraps };
int checkThreshold(const World& w, Check check);
// Draws one roll 1..99 and compares it with the check's threshold.
bool randomCheck(World& w, Check check);
// A trap mishap: 5 hit points, with no lower bound.
void trapDamage(World& w);

} // namespace cv
