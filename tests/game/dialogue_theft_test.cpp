// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Stealing in a conversation: the guard's and the aunt's thresholds, what a theft and a catch do, and
// the fifth catch that ends the game.
#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogue_play.h"
#include "game/dialogue/theft.h"

namespace cv {
namespace {

using test::Mode;
using test::Path;
using test::Slots;
using test::Talk;

const std::string stolen = "[Вы украли вещь. Переходи к списку действий.]";
const std::string guardForgives = "[Брастон застукал вас с поличным, но всё же простил]";
// The T after the bracket is a Latin capital T.
const std::string auntForgives = "[Tётка застукала вас с поличным, но всё же простила]";
const std::string dismissed =
    "Старейшина Тарнвель наконец осознала, что вы слишком нечестны для миссии. С позором "
    "вы были отстранены...";

Path guardTheft(int roll) {
    return {.name = "the guard, roll " + std::to_string(roll),
            .location = locGuard,
            .choice = 2,
            .answers = {1},
            .rolls = {roll}};
}

Path guardSteals(int roll) {
    Path p = guardTheft(roll);
    p.name += ": stolen";
    p.talk = {"", {stolen}};
    p.step = 4;
    p.mode = Mode::Choices;
    p.flags = {{guardHasPowder, 0}};
    p.store = Slots{{itHealingPowder, 1}};
    return p;
}

Path guardCatches(int roll) {
    Path p = guardTheft(roll);
    p.name += ": caught";
    p.talk = {"", {guardForgives}};
    p.step = 4;
    p.mapButton = false;
    p.caught = 1;
    return p;
}

TEST(TheftRoll, TheGuardCatchesARollAbove65) {
    std::vector<Path> paths = {guardSteals(0), guardSteals(65), guardCatches(66), guardCatches(99)};

    Path onTopOfPowder = guardSteals(30);
    onTopOfPowder.name += " onto the powder already carried";
    onTopOfPowder.carried = {{itKnife, 1}, {itHealingPowder, 2}};
    onTopOfPowder.store = Slots{{itKnife, 1}, {itHealingPowder, 3}};
    paths.push_back(onTopOfPowder);

    // The step after either outcome leaves with the first answer, the map button back.
    Path caughtThenLeave = guardCatches(80);
    caughtThenLeave.name += ", then the first answer";
    caughtThenLeave.answers = {1, 1};
    caughtThenLeave.talk = {"", {}};
    caughtThenLeave.mode = Mode::Choices;
    caughtThenLeave.mapButton = true;
    paths.push_back(caughtThenLeave);

    Path stolenThenLeave = guardSteals(10);
    stolenThenLeave.name += ", then the first answer";
    stolenThenLeave.answers = {1, 1};
    stolenThenLeave.talk = {"", {}};
    paths.push_back(stolenThenLeave);

    test::play(paths);
}

TEST(TheftRoll, WhatEachOutcomeLeavesOfTheLines) {
    // The guard's outcomes write the first two answers only, the theft leaving dialogue mode as well; the
    // aunt's first empty every line.
    struct Case {
        std::string name;
        int location, choice, roll;
        Talk after;
    };
    const std::vector<Case> cases = {
        {"the guard: stolen", locGuard, 2, 65, {"before", {stolen, "", "", "four", "five"}}},
        {"the guard: caught", locGuard, 2, 66, {"before", {guardForgives, "", "three", "four", "five"}}},
        {"the aunt: stolen", locAunt, 3, 44, {"", {stolen}}},
        {"the aunt: caught", locAunt, 3, 45, {"", {auntForgives}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::Game g;
        World& w = g.w;
        test::visit(w, c.location, c.choice);
        setPartnerLine(w, "before");
        setAnswerText(w, 3, "three");
        setAnswerText(w, 4, "four");
        setAnswerText(w, 5, "five");
        g.rng.push({c.roll});
        answerClick(w, 1);
        EXPECT_EQ(test::shown(w), c.after);
    }
}

Path auntTheft(int stealSkill, int roll) {
    return {.name = "the aunt, steal " + std::to_string(stealSkill) + ", roll " + std::to_string(roll),
            .prepare = [stealSkill](World& w) { w.character.stealSkill = stealSkill; },
            .location = locAunt,
            .choice = 3,
            .answers = {1},
            .rolls = {roll}};
}

Path auntSteals(int stealSkill, int roll) {
    Path p = auntTheft(stealSkill, roll);
    p.name += ": stolen";
    p.talk = {"", {stolen}};
    p.step = 4;
    p.mode = Mode::Choices;
    p.flags = {{auntHasMeat, 0}};
    p.store = Slots{{itMeat, 1}};
    return p;
}

Path auntCatches(int stealSkill, int roll) {
    Path p = auntTheft(stealSkill, roll);
    p.name += ": caught";
    p.talk = {"", {auntForgives}};
    p.step = 4;
    p.mapButton = false;
    p.caught = 1;
    return p;
}

TEST(TheftRoll, TheAuntCatchesARollAboveStealSkillPlus20) {
    std::vector<Path> paths = {
        auntSteals(24, 44), auntCatches(24, 45), // the ready-made character's 24
        auntSteals(0, 20),  auntCatches(0, 21),  auntSteals(79, 99),
        auntSteals(-20, 0), auntCatches(-20, 1), auntSteals(-20, 0),
    };
    Path caughtThenLeave = auntCatches(24, 70);
    caughtThenLeave.name += ", then the first answer";
    caughtThenLeave.answers = {1, 1};
    caughtThenLeave.talk = {"", {}};
    caughtThenLeave.mode = Mode::Choices;
    caughtThenLeave.mapButton = true;
    paths.push_back(caughtThenLeave);

    // "Ничего не красть": no roll, the choices back.
    paths.push_back({.name = "the aunt, nothing stolen",
                     .location = locAunt,
                     .choice = 3,
                     .answers = {2},
                     .talk = {"", {}},
                     .step = 3,
                     .mode = Mode::Choices});
    paths.push_back({.name = "the guard, nothing stolen",
                     .location = locGuard,
                     .choice = 2,
                     .answers = {2},
                     .talk = {"", {}},
                     .step = 3,
                     .mode = Mode::Choices});
    test::play(paths);
}

TEST(TheftRoll, TheThresholdIsReadWhenTheRollIsDrawn) {
    test::Game g;
    World& w = g.w;
    EXPECT_EQ(theftThreshold(w, Thief::Guard), 65);
    EXPECT_EQ(theftThreshold(w, Thief::Aunt), 44);
    test::visit(w, locAunt, 3);
    w.character.stealSkill = 50; // changed after the opening
    g.rng.push({70});
    answerClick(w, 1);
    EXPECT_EQ(w.caughtCount, 0);
    EXPECT_TRUE(hasItem(w, itMeat, 1));
}

// One attempt at a partner; a catch is left with the first answer as the player would.
void attempt(test::Game& g, char partner, int roll) {
    World& w = g.w;
    test::visit(w, partner == 'G' ? locGuard : locAunt, partner == 'G' ? 2 : 3);
    ASSERT_EQ(w.story.curStep, 3) << "nothing left to steal";
    g.rng.push({roll});
    answerClick(w, 1);
}

TEST(TheftCatches, TheFifthCatchAtEitherPartnerEndsTheGame) {
    struct Case {
        std::string name;
        std::string attempts; // G the guard, A the aunt; lower case: the theft succeeds
    };
    const std::vector<Case> cases = {
        {"five at the guard", "GGGGG"},
        {"five at the aunt", "AAAAA"},
        {"three at the guard, two at the aunt", "GAGAG"},
        {"four at the aunt, the fifth at the guard", "AAAAG"},
        {"a theft in between is not a catch", "GGAaGG"},
        {"nor is one at the other partner", "GGGgAA"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::Game g;
        World& w = g.w;
        int catches = 0;
        for (char a : c.attempts) {
            const bool caught = a == 'G' || a == 'A';
            attempt(g, static_cast<char>(std::toupper(a)), caught ? 99 : 0);
            catches += caught;
            ASSERT_EQ(w.caughtCount, catches);
            if (catches < 5) {
                EXPECT_TRUE(w.Gameform.window.enabled) << "after catch " << catches;
                EXPECT_NE(w.Gameform.m1.text, dismissed);
                EXPECT_FALSE(w.Menuform.window.visible);
                answerClick(w, 1); // back to the choices
            }
        }
        ASSERT_EQ(catches, 5);
        // The game screen freezes with the verdict standing alone; the main menu comes up over it.
        EXPECT_FALSE(w.Gameform.window.enabled);
        EXPECT_TRUE(w.Gameform.window.visible);
        EXPECT_EQ(w.Gameform.m1.text, dismissed);
        EXPECT_EQ(w.Gameform.m2.text, "");
        EXPECT_EQ(w.Gameform.rep.text, "");
        for (const auto& a : w.Gameform.a)
            EXPECT_EQ(a.text, "");
        EXPECT_TRUE(w.Menuform.window.visible);
        EXPECT_EQ(w.Menuform.window.owner, &w.Gameform.window);
        EXPECT_TRUE(g.rng.queued.empty());
    }
}

TEST(TheftCatches, ANewGameCountsFromNothingAgain) {
    test::Game g;
    World& w = g.w;
    for (int i = 0; i < 4; ++i) {
        attempt(g, 'G', 66);
        answerClick(w, 1);
    }
    ASSERT_EQ(w.caughtCount, 4);
    takeClick(w);
    EXPECT_EQ(w.caughtCount, 0);
    attempt(g, 'A', 99);
    EXPECT_EQ(w.caughtCount, 1);
    EXPECT_TRUE(w.Gameform.window.enabled);
    EXPECT_FALSE(w.Menuform.window.visible);
}

} // namespace
} // namespace cv
