// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a won fight brings into the story, by the fight.
#pragma once

#include "../effects/effects.h"

namespace cv {

struct World;

// The combat screen's "Победа!" has closed the fight and shown the game screen.
void fightWon(World& w, int fightId);
// What fight 1, 2 or 3 brings, as effects; empty for any other.
const fx::Effects& victoryOutcome(int fightId);

} // namespace cv
