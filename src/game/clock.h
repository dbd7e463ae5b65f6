// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's virtual clock: timers tick when time is advanced, never by waiting.
#pragma once

#include <cstdint>
#include <functional>

#include "vocab/controls.h"

namespace cv {

struct World;

// Runs one handler; the window layer passes a runner that catches errors and redraws.
using HandlerRunner = std::function<void(const std::function<void(World&)>&)>;

void startTimer(World& w, Timer& t, int interval);
void stopTimer(Timer& t);

// The time of the next due tick of any running timer, or -1 when none runs.
std::int64_t nextTick(World& w);

// Advances the clock by `ms`, running every tick that falls due, in order, each as a handler.
void advanceTime(World& w, std::int64_t ms, const HandlerRunner& run);

// One tick of a running timer, now. Returns false when the timer is not running.
bool tickNow(World& w, Timer& t, const HandlerRunner& run);

} // namespace cv
