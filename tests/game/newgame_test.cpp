// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A new game's reset, the temple's random checks and the trap mishap.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/story/newgame.h"
#include "test_world.h"

namespace cv {
namespace {

TEST(ResetStory, StartValuesWhateverTheEarlierGameLeft) {
    for (std::uint8_t earlier : {std::uint8_t{0}, std::uint8_t{1}}) {
        SCOPED_TRACE(int{earlier});
        test::TestWorld t;
        World& w = t.w;
        w.story.storyFlags.bytes.fill(earlier);
        w.story.curLocation = locTemple;
        w.story.curStep = 8;
        w.caughtCount = 4;
        for (int i = 1; i <= kSlotCount; ++i) {
            w.inventory.invItem[i] = static_cast<ItemId>(1 + i % 12);
            w.inventory.invCount[i] = i;
        }
        w.inventory.hand1Slot = 2;
        w.inventory.hand2Slot = 20;
        w.inventory.fromHand = true;
        // What the end of a game by stealing leaves on the game screen.
        w.Gameform.m1.text = "verdict";
        w.Gameform.m2.text.clear();
        w.Gameform.choose.visible = w.Gameform.ready.visible = true;
        w.Gameform.c[2].checked = true;
        w.Gameform.rep.text = w.Gameform.a[3].text = "stale";
        w.Gameform.mapb.visible = false;

        resetStory(w);

        for (int f = 0; f < kStoryFlagCount; ++f) {
            const auto flag = static_cast<StoryFlag>(f);
            const int expected = flag == invFromBattle ? earlier : flag <= unarmedLessonAvailable ? 1 : 0;
            EXPECT_EQ(w.story.storyFlags[flag], expected) << "flag " << f;
        }
        EXPECT_EQ(w.caughtCount, 0);
        for (int i = 1; i <= kSlotCount; ++i) {
            EXPECT_EQ(w.inventory.invItem[i], itNone);
            EXPECT_EQ(w.inventory.invCount[i], 0);
        }
        EXPECT_EQ(w.inventory.hand1Slot, 0);
        EXPECT_EQ(w.inventory.hand2Slot, 0);
        EXPECT_FALSE(w.inventory.fromHand);
        EXPECT_EQ(w.story.curLocation, locTemple);
        EXPECT_EQ(w.story.curStep, 8);
        // The game screen is back at the opening: its two texts, no choices, no conversation, the map.
        const auto& g = w.Gameform;
        EXPECT_EQ(g.m1.text, screens::kOpeningText1);
        EXPECT_EQ(g.m2.text, screens::kOpeningText2);
        EXPECT_FALSE(g.choose.visible || g.ready.visible || g.c[2].checked);
        EXPECT_EQ(g.rep.text + g.a[3].text, "");
        EXPECT_TRUE(g.mapb.visible);
        EXPECT_TRUE(t.rng.asked.empty());
    }
}

struct CheckCase {
    std::string name;
    Check check;
    int lockpick, perception, intelligence, endurance, agility;
    int threshold;
    int roll;
    bool passes;
};

TEST(RandomCheck, OneRollOfOneTo99AgainstTheThreshold) {
    const std::vector<CheckCase> cases = {
        {"lock: roll equal to the threshold opens", Check::PickLock, 55, 5, 5, 5, 5, 45, 45, true},
        {"lock: one above fails", Check::PickLock, 55, 5, 5, 5, 5, 45, 46, false},
        {"lock: lockpick 10 never opens", Check::PickLock, 10, 5, 5, 5, 5, 0, 1, false},
        {"lock: lockpick 3 never opens", Check::PickLock, 3, 5, 5, 5, 5, -7, 1, false},
        {"lock: lockpick 109 always opens", Check::PickLock, 109, 5, 5, 5, 5, 99, 99, true},
        {"walk: perception + intelligence 20 never fails", Check::WalkCarefully, 0, 10, 10, 1, 1, 100, 99,
         true},
        {"walk: 5 x (perception + intelligence)", Check::WalkCarefully, 0, 7, 8, 1, 1, 75, 75, true},
        {"walk: one above fails", Check::WalkCarefully, 0, 7, 8, 1, 1, 75, 76, false},
        {"run: 5 x (endurance + agility)", Check::RunOverTraps, 0, 1, 1, 5, 8, 65, 65, true},
        {"run: one above fails", Check::RunOverTraps, 0, 1, 1, 5, 8, 65, 66, false},
        {"run: the lowest roll passes a threshold of 10", Check::RunOverTraps, 0, 9, 9, 1, 1, 10, 1, true},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        CharacterRecord& r = t.w.character;
        r.lockpickSkill = c.lockpick;
        r.perception = c.perception;
        r.intelligence = c.intelligence;
        r.endurance = c.endurance;
        r.agility = c.agility;
        EXPECT_EQ(checkThreshold(t.w, c.check), c.threshold);
        t.rng.push({c.roll});
        EXPECT_EQ(randomCheck(t.w, c.check), c.passes);
        // The roll is drawn even where the threshold alone decides, so later rolls stay in step.
        EXPECT_EQ(t.rng.asked, (std::vector<std::pair<int, int>>{{1, 99}}));
        EXPECT_TRUE(t.rng.queued.empty());
    }
}

TEST(TrapDamage, FiveHitPointsWithNoLowerBound) {
    const std::vector<std::pair<int, int>> cases = {{30, 25}, {6, 1}, {5, 0}, {3, -2}, {-4, -9}};
    for (auto [before, after] : cases) {
        test::TestWorld t;
        t.w.character.hitPoints = before;
        t.w.character.maxHitPoints = 30;
        trapDamage(t.w);
        EXPECT_EQ(t.w.character.hitPoints, after) << before;
        EXPECT_EQ(t.w.character.maxHitPoints, 30);
    }
}

} // namespace
} // namespace cv
