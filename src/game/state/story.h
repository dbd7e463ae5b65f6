// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story state: where the player is, the step there, and the twenty-four story flags.
#pragma once

#include "../vocab/flags.h"
#include "../vocab/places.h"

namespace cv {

struct StoryState {
    int curLocation = locNone;
    int curStep = 0;
    StoryFlags storyFlags;
};

} // namespace cv
