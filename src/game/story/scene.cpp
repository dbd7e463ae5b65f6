// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene engine: the confirm step and the rules of each location.
#include "scene.h"

#include "../world.h"
#include "gamescreen.h"
#include "scenes.h"

namespace cv {

void confirmChoice(World& w) {
    setStoryText(w, 1, {});
    setStoryText(w, 2, {});
    setConfirmVisible(w, false);
    const int loc = w.story.curLocation;
    if (loc < locGuard || loc > locBridge) return;
    runScenes(w);
}

} // namespace cv
