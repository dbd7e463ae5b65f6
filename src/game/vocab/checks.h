// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rolls the story makes against a threshold: the temple's checks and the thefts in conversations.
#pragma once

namespace cv {

// The temple's three checks, each a roll of 1 .. 99 against its threshold; and the two thefts, a roll of
// 0 .. 99 against the partner's.
enum class Check { PickLock, WalkCarefully, RunOverTraps, StealFromGuard, StealFromAunt };

// The two partners who can be robbed.
enum class Thief { Guard = 1, Aunt };

} // namespace cv
