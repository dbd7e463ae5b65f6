// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a new game, and the random checks and mishaps the scenes use.
#pragma once

#include "../vocab/checks.h"

namespace cv {

struct World;

// Story flags to their start values, the theft counter to 0, the inventory and hands emptied, and the
// game screen at the opening.
void resetStory(World& w);

int checkThreshold(const World& w, Check check);
// Draws one roll 1..99 and compares it with the check's threshold.
bool randomCheck(World& w, Check check);
// What a trap mishap costs: hit points, with no lower bound.
inline constexpr int kTrapDamage = 5;
void trapDamage(World& w);

} // namespace cv
