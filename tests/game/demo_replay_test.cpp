// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole demo's play script, replayed on the core alone, ends where it ends in the windows: at the
// bridge, with every quest of the way behind it.
#include <gtest/gtest.h>

#include "corereplay.h"
#include "game/inventory/items.h"
#include "game/world.h"
#include "test_world.h"

namespace cv {
namespace {

TEST(DemoReplay, TheCoreAloneWalksTheWholeDemoToTheBridge) {
    const auto script = soak::CoreReplay::readScript(CINDERVALE_SCENARIOS "/demo_whole.txt");
    ASSERT_GT(script.size(), 100u);
    soak::CoreReplay replay;
    ASSERT_FALSE(replay.run(script));
    const World& w = replay.world();
    EXPECT_EQ(w.story.curLocation, locBridge);
    EXPECT_TRUE(w.Gameform.window.visible);
    EXPECT_EQ(w.Gameform.m1.text, "");
    EXPECT_FALSE(w.Gameform.ready.visible);
    const auto& f = w.story.storyFlags;
    EXPECT_EQ(f[ratKilled], 1);
    EXPECT_EQ(f[lizardAlive], 0);
    EXPECT_EQ(f[scorpionAlive], 0);
    EXPECT_EQ(f[innerDoorShut], 0);
    EXPECT_EQ(f[elderBriefingPending], 0);
    EXPECT_EQ(f[keeperSpearGift], 0);
    EXPECT_TRUE(hasItem(w, itSpear, 1));
}

TEST(DemoReplay, ALineTheGameDoesNotKnowIsReported) {
    soak::CoreReplay replay;
    EXPECT_TRUE(replay.line("jump Menuform"));
    // A click the windows do not offer now does nothing, as on a hidden control.
    EXPECT_FALSE(replay.line("click Gameform.mapb"));
    EXPECT_FALSE(replay.world().mapform.window.visible);
}

} // namespace
} // namespace cv
