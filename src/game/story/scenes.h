// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene table: what the confirm step does with each choice at each location, as rows of effects.
#pragma once

#include <vector>

#include "../effects/effects.h"

namespace cv {

struct World;

// A row applies to its location when its choice is the selected one (or whatever is selected) and its
// step matches the step at the time of the confirm.
inline constexpr int anyStep = -1;   // the location has no inner steps
inline constexpr int otherStep = -2; // any step that no row of this choice names
inline constexpr int anyChoice = 0;  // "whatever is selected": runs in its place among the rows

struct SceneRow {
    int location;
    int step;
    int choice;
    fx::Effects effects;
};

// The rows of each group of locations, in the table's order.
const std::vector<SceneRow>& villageScenes(); // locations 1 .. 12 and the bridge
const std::vector<SceneRow>& huntingScenes(); // the hunting grounds
const std::vector<SceneRow>& templeScenes();  // the temple
// Every row, grouped by location.
const std::vector<SceneRow>& allScenes();

// The current location's rules for the selected choice and the current step.
void runScenes(World& w);

} // namespace cv
