// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's virtual clock: timers tick when time is advanced, never by waiting.
#include "clock.h"

#include "world.h"

namespace cv {

void startTimer(World& w, Timer& t, int interval) {
    t.interval = interval;
    t.running = interval > 0;
    t.due = w.now + interval;
    t.startedAt = ++w.timerStarts;
}

void stopTimer(Timer& t) {
    t.running = false;
}

namespace {

World::TimerBinding* earliest(World& w) {
    World::TimerBinding* best = nullptr;
    for (auto& b : w.timers) {
        if (!b.timer->running || b.timer->interval <= 0) continue;
        if (!best || b.timer->due < best->timer->due ||
            (b.timer->due == best->timer->due && b.timer->startedAt < best->timer->startedAt))
            best = &b;
    }
    return best;
}

void fire(World& w, World::TimerBinding& b, const HandlerRunner& run) {
    // Setting the next due time counts as setting it: ticks due together run in that order.
    b.timer->due = w.now + b.timer->interval;
    b.timer->startedAt = ++w.timerStarts;
    run(b.handler);
}

} // namespace

std::int64_t nextTick(World& w) {
    const auto* b = earliest(w);
    return b ? b->timer->due : -1;
}

void advanceTime(World& w, std::int64_t ms, const HandlerRunner& run) {
    const std::int64_t until = w.now + ms;
    while (auto* b = earliest(w)) {
        if (b->timer->due > until) break;
        w.now = b->timer->due;
        fire(w, *b, run);
    }
    w.now = until;
}

bool tickNow(World& w, Timer& t, const HandlerRunner& run) {
    for (auto& b : w.timers)
        if (b.timer == &t) {
            if (!t.running || t.interval <= 0) return false;
            fire(w, b, run);
            return true;
        }
    return false;
}

} // namespace cv
