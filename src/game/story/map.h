// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The village map: the window, its location pictures and what entering a location shows.
#pragma once

#include <vector>

#include "../effects/effects.h"

namespace cv {

struct World;

// A location picture: the location becomes the current one and its entry scene is shown.
void enterLocation(World& w, int location); // 1 .. 15
// The entry scene of a location, as effects (for the tables' checks).
const std::vector<fx::Effect>& entryScene(int location);
// "Назад": back to the game screen as it was, out of dialogue mode.
void mapBackClick(World& w);

} // namespace cv
