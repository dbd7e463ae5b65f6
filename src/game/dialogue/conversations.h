// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The villagers' conversations: for each answer line, the entries keyed by location and step.
#pragma once

#include <vector>

#include "../effects/effects.h"

namespace cv {

// One entry: a click on answer `answer` (1..4) at `location` and `step` runs the effects.
struct TalkEntry {
    int location;
    int step;
    int answer;
    fx::Effects effects;
};

// The entries by group of villagers, in their listed order.
const std::vector<TalkEntry>& elderKeeperAndGuardsTalk(); // the elder, the bridge keeper, the guards
const std::vector<TalkEntry>& relativesTalk(); // the cousin and his dog, the nephew, the uncle, the aunt
const std::vector<TalkEntry>& shamanSpearMasterAndTentsTalk();
const std::vector<TalkEntry>& allTalk();

// The first entry of answer line 1..4 at the location and step, or nullptr: what a click on the line runs.
const TalkEntry* talkEntry(int location, int step, int answer);

} // namespace cv
