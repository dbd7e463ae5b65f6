// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a won fight brings into the story: the rat's death, the rope where the lizard grazed, the scorpion's
// chest.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/combat/battle.h"
#include "story_play.h"

namespace cv {
namespace {

using test::hidden;

void ratFight(test::TestWorld& t) {
    t.w.story.storyFlags[questRat] = 1;
    enterLocation(t.w, locCornField);
    test::choose(t.w, 2);
}

void lizardFight(test::TestWorld& t) {
    enterLocation(t.w, locHuntingGrounds);
    for (int c : {1, 1, 1}) // deeper, left, attack
        test::choose(t.w, c);
}

void scorpionFight(test::TestWorld& t) {
    enterLocation(t.w, locTemple);
    t.rng.push({1, 1});
    for (int c : {1, 1, 2, 2, 2, 2, 2}) // entrance, corridor, door, lock, traps, small room, fight
        test::choose(t.w, c);
}

// The combat screen's "Победа!" has closed the fight and shown the game screen.
void win(World& w, int fight) {
    ASSERT_TRUE(w.battle.window.visible);
    ASSERT_EQ(w.combat.fightId, fight);
    battle::victClick(w); // "Победа!"
}

TEST(Victory, TheRatsDeathOpensTheMapAndLeavesTheFieldEmpty) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    w.story.curStep = 7;
    ratFight(t);
    t.pictures.requested.clear();

    win(w, 1);

    EXPECT_TRUE(w.story.storyFlags.isSet(ratKilled));
    EXPECT_TRUE(test::onMap(w));
    EXPECT_EQ(t.pictures.requested, std::vector<std::string>{"talk.jpg"});
    EXPECT_EQ(w.story.curStep, 7);

    enterLocation(w, locCornField);
    EXPECT_EQ(w.Gameform.m1.text,
              "Вы подходите к большому полю кукурузы. Эта культура уже долгое время кормит деревню.");
    EXPECT_EQ(test::shownChoices(w), (std::vector<std::string>{"Уйти", hidden, hidden, hidden, hidden}));

    enterLocation(w, locAunt);
    test::choose(w, 1);
    EXPECT_EQ(answerText(w, 4), "Я убила крысу.");
}

TEST(Victory, TheLizardLeavesARopeAndTheWayOnFromTheFork) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    lizardFight(t);

    win(w, 2);

    const auto& g = w.Gameform;
    EXPECT_EQ(g.m1.text,
              "На месте, где пасся ящерун вы находите верёвку. Видимо один из охотников оставил её здесь.");
    EXPECT_EQ(test::itemCount(w, itRope), 1);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_TRUE(g.mapb.visible);
    EXPECT_EQ(test::shownChoices(w), (std::vector<std::string>{"Дальше>>", hidden, hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 111);
    EXPECT_FALSE(w.story.storyFlags.isSet(lizardAlive));
    // The attack is still the selected choice, and "Дальше>>" stands in its place.
    EXPECT_EQ(selectedChoice(w), 1);
    EXPECT_TRUE(test::confirmPressable(w));
}

TEST(Victory, TheScorpionsChestHoldsExplosivesAndTwoHealingPowders) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    scorpionFight(t);

    win(w, 3);

    const auto& g = w.Gameform;
    EXPECT_EQ(g.m1.text, "В сундуке вы нашли Взрывчатку и два целебных порошка.");
    EXPECT_EQ(test::itemCount(w, itExplosives), 1);
    EXPECT_TRUE(hasItem(w, itHealingPowder, 2)); // one stack of two
    EXPECT_EQ(test::itemCount(w, itHealingPowder), 2);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_EQ(test::shownChoices(w),
              (std::vector<std::string>{"Вернуться к двери", hidden, hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 8);
    EXPECT_FALSE(w.story.storyFlags.isSet(scorpionAlive));
    // "Драться" is hidden and no longer selected: the fight cannot be started again.
    EXPECT_EQ(selectedChoice(w), 0);
    EXPECT_FALSE(g.ready.enabled);

    test::choose(w, 1);
    EXPECT_EQ(g.m1.text, "Вы у огромной двери");
    EXPECT_EQ(w.story.curStep, 7);
}

TEST(Victory, TheVictoryButtonBringsTheOutcomeOfTheFightThatWasStarted) {
    struct Case {
        int fight;
        void (*reach)(test::TestWorld&);
        StoryFlag flag;
        std::uint8_t after;
    };
    for (const Case& c : {Case{1, ratFight, ratKilled, 1}, Case{2, lizardFight, lizardAlive, 0},
                          Case{3, scorpionFight, scorpionAlive, 0}}) {
        SCOPED_TRACE("fight " + std::to_string(c.fight));
        test::TestWorld t;
        test::startGame(t);
        World& w = t.w;
        c.reach(t);
        ASSERT_TRUE(w.battle.window.visible);

        battle::victClick(w);

        EXPECT_FALSE(w.battle.window.visible);
        EXPECT_EQ(w.story.storyFlags[c.flag], c.after);
        // Only the rat's death sends the player to the map.
        EXPECT_EQ(test::onMap(w), c.fight == 1);
        if (c.fight != 1) {
            EXPECT_TRUE(test::inChoiceMode(w));
        }
    }
}

} // namespace
} // namespace cv
