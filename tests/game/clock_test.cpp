// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual clock: timers tick when time is advanced, in order, without waiting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/binding.h"
#include "game/clock.h"
#include "test_world.h"

namespace cv {
namespace {

std::vector<std::string>* trace = nullptr;
void tickA(World& w) {
    trace->push_back("A@" + std::to_string(w.now));
}
void tickB(World& w) {
    trace->push_back("B@" + std::to_string(w.now));
}
void tickAndStop(World& w) {
    trace->push_back("S@" + std::to_string(w.now));
    stopTimer(w.battle.hit);
}

struct ClockTest : ::testing::Test {
    test::TestWorld t;
    std::vector<std::string> log;
    HandlerRunner direct = [this](const std::function<void(World&)>& h) { h(t.w); };
    void SetUp() override { trace = &log; }
    void TearDown() override { trace = nullptr; }
};

TEST_F(ClockTest, TicksFallDueInTimeOrderAndSimultaneousOnesInTheOrderTheirDueTimesWereSet) {
    t.w.timers = {{&t.w.battle.hit, tickB, "b"}, {&t.w.battle.Timer1, tickA, "a"}};
    startTimer(t.w, t.w.battle.Timer1, 100); // started first
    startTimer(t.w, t.w.battle.hit, 50);
    advanceTime(t.w, 200, direct);
    EXPECT_EQ(log, (std::vector<std::string>{"B@50", "A@100", "B@100", "B@150", "A@200", "B@200"}));
    EXPECT_EQ(t.w.now, 200);
}

TEST_F(ClockTest, ARepeatingTimerSetsItsNextDueTimeWhenItTicks) {
    t.w.timers = {{&t.w.battle.hit, tickB, "b"}, {&t.w.battle.Timer1, tickA, "a"}};
    startTimer(t.w, t.w.battle.Timer1, 50); // started first, its tick at 100 set only at 50
    startTimer(t.w, t.w.battle.hit, 100);
    advanceTime(t.w, 100, direct); // a wait runs the ticks due at its very end too
    EXPECT_EQ(log, (std::vector<std::string>{"A@50", "B@100", "A@100"}));
}

TEST_F(ClockTest, StartingARunningTimerCountsItsIntervalFromNow) {
    t.w.timers = {{&t.w.battle.Timer1, tickA, "a"}};
    startTimer(t.w, t.w.battle.Timer1, 300);
    advanceTime(t.w, 200, direct);
    startTimer(t.w, t.w.battle.Timer1, 1000);
    EXPECT_EQ(nextTick(t.w), 1200);
    advanceTime(t.w, 1000, direct);
    EXPECT_EQ(log, (std::vector<std::string>{"A@1200"}));
}

TEST_F(ClockTest, TheCombatTimersAreRegisteredByName) {
    World w;
    bindGame(w);
    EXPECT_EQ(findTimer(w, "battle.Timer1"), &w.battle.Timer1);
    EXPECT_EQ(findTimer(w, "battle.hit"), &w.battle.hit);
    EXPECT_EQ(findTimer(w, "battle.nothing"), nullptr);
}

TEST_F(ClockTest, NothingRunsBeforeItIsDueAndStoppedTimersStayQuiet) {
    t.w.timers = {{&t.w.battle.hit, tickAndStop, "s"}, {&t.w.battle.Timer1, tickA, "a"}};
    startTimer(t.w, t.w.battle.hit, 30);
    advanceTime(t.w, 29, direct);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(nextTick(t.w), 30);
    advanceTime(t.w, 100, direct);
    EXPECT_EQ(log, (std::vector<std::string>{"S@30"}));
    EXPECT_EQ(nextTick(t.w), -1);
    // An idle timer (interval 0) never ticks.
    startTimer(t.w, t.w.battle.Timer1, 0);
    advanceTime(t.w, 1000, direct);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(ClockTest, TickNowRunsOnlyARunningTimerAndPushesItsNextTick) {
    t.w.timers = {{&t.w.battle.Timer1, tickA, "a"}};
    EXPECT_FALSE(tickNow(t.w, t.w.battle.Timer1, direct));
    startTimer(t.w, t.w.battle.Timer1, 100);
    advanceTime(t.w, 40, direct);
    EXPECT_TRUE(tickNow(t.w, t.w.battle.Timer1, direct));
    EXPECT_EQ(log, (std::vector<std::string>{"A@40"}));
    EXPECT_EQ(nextTick(t.w), 140);
}

} // namespace
} // namespace cv
