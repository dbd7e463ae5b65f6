// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character creation screen: points, tags, traits, accept and cancel, and the sheet's buttons.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/assets/assets.h"
#include "game/character/creation.h"
#include "game/character/derived.h"
#include "game/character/sheet.h"
#include "test_world.h"

namespace cv {
namespace {

using namespace screens;

enum { kStr, kPer, kEnd, kInt, kAgi, kLuck, kCha };
using Stats = std::array<int, kStatCount>; // memory order

Stats statsOf(World& w) {
    Stats s{};
    for (int i = 0; i < kStatCount; ++i)
        s[i] = w.character.stat(i);
    return s;
}

void setStats(World& w, const Stats& s) {
    for (int i = 0; i < kStatCount; ++i)
        w.character.stat(i) = s[i];
}

// A fresh creation screen, with the loads of opening it forgotten.
void startCreation(test::TestWorld& t) {
    openForCreation(t.w);
    t.pictures.requested.clear();
}

// Marks every value label, so a test can tell whether a recompute ran.
void markLabels(World& w) {
    for (auto& s : w.createform.skill)
        s.value = 999;
    for (auto& d : w.createform.derived)
        d.value = 999;
}

TEST(PointPool, HasPointsOnlyAboveZero) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"5", true}, {"1", true}, {"0", false}, {"-2", false}};
    for (const auto& [text, expected] : cases) {
        test::TestWorld t;
        t.w.createform.cpleft.text = text;
        EXPECT_EQ(poolHasPoints(t.w), expected) << text;
    }
}

struct StatCase {
    std::string name;
    bool raise;
    int stat, start;
    std::string pool;
    int expectedValue;
    std::string expectedPool;
    bool acts;
};

TEST(StatisticButtons, RaiseAndLowerWithinLimitsAndPool) {
    const std::vector<StatCase> cases = {
        {"raise with points", true, kAgi, 5, "5", 6, "4", true},
        {"raise with the last point", true, kLuck, 9, "1", 10, "0", true},
        {"raise with an empty pool", true, kAgi, 5, "0", 5, "0", false},
        {"raise with a negative pool", true, kStr, 3, "-2", 3, "-2", false},
        {"raise at 10 with points", true, kCha, 10, "4", 10, "4", false},
        {"lower refills an empty pool", false, kEnd, 5, "0", 4, "1", true},
        {"lower from a negative pool", false, kPer, 7, "-2", 6, "-1", true},
        {"lower has no upper limit on the pool", false, kInt, 2, "32", 1, "33", true},
        {"lower at 1", false, kStr, 1, "3", 1, "3", false},
    };
    for (const StatCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        startCreation(t);
        t.w.character.stat(c.stat) = c.start;
        t.w.createform.cpleft.text = c.pool;
        const std::string glyphBefore = t.w.createform.glyph[c.stat].picture;
        markLabels(t.w);

        if (c.raise)
            raiseStat(t.w, c.stat);
        else
            lowerStat(t.w, c.stat);

        EXPECT_EQ(t.w.character.stat(c.stat), c.expectedValue);
        EXPECT_EQ(t.w.createform.cpleft.text, c.expectedPool);
        if (c.acts) {
            const std::string glyph = assets::glyphPath(c.expectedValue);
            EXPECT_EQ(t.pictures.requested, std::vector<std::string>{glyph});
            EXPECT_EQ(t.w.createform.glyph[c.stat].picture, glyph);
            EXPECT_NE(t.w.createform.skill[kSkillCount - 1].value, 999) << "skills recomputed";
            EXPECT_NE(t.w.createform.derived[dSpl].value, 999) << "derived values recomputed";
        } else {
            EXPECT_TRUE(t.pictures.requested.empty());
            EXPECT_EQ(t.w.createform.glyph[c.stat].picture, glyphBefore);
            EXPECT_EQ(t.w.createform.skill[kSkillCount - 1].value, 999);
            EXPECT_EQ(t.w.createform.derived[dSpl].value, 999);
        }
    }
}

TEST(StatisticButtons, LoweringEveryStatisticToOneGives33Points) {
    test::TestWorld t;
    startCreation(t);
    for (int i = 0; i < kStatCount; ++i)
        for (int k = 0; k < 6; ++k)
            lowerStat(t.w, i); // two clicks too many each: 1 is the floor
    EXPECT_EQ(statsOf(t.w), (Stats{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(t.w.createform.cpleft.text, "33");
}

TEST(StatisticButtons, AGlyphThatFailsToLoadStopsTheRaiseThere) {
    test::TestWorld t;
    startCreation(t);
    t.pictures.failing.insert("nums/06.bmp");
    markLabels(t.w);
    EXPECT_THROW(raiseStat(t.w, kAgi), PictureError);
    EXPECT_EQ(t.w.character.agility, 6);
    EXPECT_EQ(t.w.createform.cpleft.text, "4");
    EXPECT_EQ(t.w.createform.glyph[kAgi].picture, "nums/05.bmp");
    EXPECT_EQ(t.w.createform.skill[0].value, 999) << "no recompute after the failed load";
}

TEST(SheetMode, StatisticAndTagButtonsTakeNoClick) {
    test::TestWorld t;
    startCreation(t);
    t.w.character.characterInPlay = 1;
    markLabels(t.w);
    raiseStat(t.w, kStr);
    lowerStat(t.w, kAgi);
    toggleTag(t.w, 4);
    EXPECT_EQ(statsOf(t.w), (Stats{5, 5, 5, 5, 5, 5, 5}));
    EXPECT_EQ(t.w.createform.cpleft.text, "5");
    EXPECT_EQ(t.w.character.tagSkills, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(t.w.createform.skill[3].value, 999);
    EXPECT_TRUE(t.pictures.requested.empty());
}

struct TagCase {
    std::string name;
    std::array<int, 3> tags;
    int clicked;
    std::array<int, 3> expectedTags;
    std::string expectedFreeGlyph;
    int valueChange;
    Color startColour, expectedColour;
};

TEST(TagButtons, ToggleTagsInThreeSlots) {
    // clang-format off
    const std::vector<TagCase> cases = {
        {"first tag", {0, 0, 0}, 3, {3, 0, 0}, "nums/02.bmp", 20, brightGreen, darkGreen},
        {"third tag fills the last slot", {3, 7, 0}, 12, {3, 7, 12}, "nums/00.bmp", 20, brightGreen, darkGreen},
        {"a fourth tag does nothing but refresh the glyph",
                                          {3, 7, 12}, 15, {3, 7, 12}, "nums/00.bmp", 0, brightGreen, brightGreen},
        {"untagging frees its slot",      {3, 7, 12}, 7, {3, 0, 12}, "nums/01.bmp", -20, darkGreen, brightGreen},
        {"the first free slot is taken",  {3, 0, 12}, 15, {3, 15, 12}, "nums/00.bmp", 20, brightGreen, darkGreen},
        {"untagging the last slot",       {0, 0, 9}, 9, {0, 0, 0}, "nums/03.bmp", -20, darkGreen, brightGreen},
    };
    // clang-format on
    for (const TagCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        startCreation(t);
        t.w.character.tagSkills = c.tags;
        // The label moves by 20 from whatever it shows (training may have changed it), no recompute.
        t.w.createform.skill[c.clicked - 1].value = 77;
        t.w.createform.s[c.clicked - 1].color = c.startColour;

        toggleTag(t.w, c.clicked);

        EXPECT_EQ(t.w.character.tagSkills, c.expectedTags);
        EXPECT_EQ(t.w.createform.skill[c.clicked - 1].value, 77 + c.valueChange);
        EXPECT_EQ(t.w.createform.s[c.clicked - 1].color, c.expectedColour);
        EXPECT_EQ(t.w.createform.tleft.picture, c.expectedFreeGlyph);
        EXPECT_EQ(t.pictures.requested, std::vector<std::string>{c.expectedFreeGlyph});
    }
}

struct TraitCase {
    std::string name;
    Stats stats;
    std::string pool;
    std::array<int, 2> traits;
    int clicked;
    Stats expectedStats;
    std::string expectedPool;
    std::array<int, 2> expectedTraits;
};

TEST(TraitButtons, ChooseAndDropWithStatisticGrants) {
    const Stats five{5, 5, 5, 5, 5, 5, 5};
    // clang-format off
    const std::vector<TraitCase> cases = {
        // name                                   statistics             pool  traits  click  statistics after       pool  traits
        {"crusher at strength 6 gives 8",         {6, 5, 5, 5, 5, 5, 5}, "0",  {0, 0},   2, {8, 5, 5, 5, 5, 5, 5}, "0",  {2, 0}},
        {"crusher at strength 7 is refused",      {7, 5, 5, 5, 5, 5, 5}, "0",  {0, 0},   2, {7, 5, 5, 5, 5, 5, 5}, "2",  {2, 0}},
        {"small at agility 8 gives 9",            {5, 5, 5, 5, 8, 5, 5}, "1",  {0, 0},   3, {5, 5, 5, 5, 9, 5, 5}, "1",  {3, 0}},
        {"small at agility 9 is refused",         {5, 5, 5, 5, 9, 5, 5}, "1",  {0, 0},   3, {5, 5, 5, 5, 9, 5, 5}, "2",  {3, 0}},
        {"talent with luck 10 caps luck",         {5, 5, 5, 5, 5, 10, 5}, "0", {0, 0},  14, {6, 6, 6, 6, 6, 10, 6}, "1", {14, 0}},
        {"talent caps every statistic at 10",     {10, 5, 5, 5, 5, 5, 10}, "0", {4, 0}, 14, {10, 6, 6, 6, 6, 6, 10}, "2", {4, 14}},
        {"a trait without statistics",            five,                  "5",  {0, 0},   5, five,                  "5",  {5, 0}},
        {"the first free slot is taken",          five,                  "5",  {0, 9},   2, {7, 5, 5, 5, 5, 5, 5}, "5",  {2, 9}},
        {"a third trait does nothing",            five,                  "5",  {1, 9},   2, five,                  "5",  {1, 9}},
        {"dropping crusher takes 2 strength",     {7, 5, 5, 5, 5, 5, 5}, "0",  {2, 0},   2, five,                  "0",  {0, 0}},
        {"dropping crusher at strength 2, pool 0", {2, 5, 5, 5, 5, 5, 5}, "0", {2, 0},   2, {1, 5, 5, 5, 5, 5, 5}, "-2", {0, 0}},
        {"dropping crusher at strength 1",        {1, 5, 5, 5, 5, 5, 5}, "11", {5, 2},   2, {1, 5, 5, 5, 5, 5, 5}, "9",  {5, 0}},
        {"dropping crusher at strength 3",        {3, 5, 5, 5, 5, 5, 5}, "0",  {2, 0},   2, {1, 5, 5, 5, 5, 5, 5}, "0",  {0, 0}},
        {"dropping small takes 1 agility",        {5, 5, 5, 5, 6, 5, 5}, "0",  {3, 0},   3, five,                  "0",  {0, 0}},
        {"dropping small at agility 1",           {5, 5, 5, 5, 1, 5, 5}, "0",  {3, 0},   3, {5, 5, 5, 5, 1, 5, 5}, "-1", {0, 0}},
        {"dropping talent with statistics at 1",  {1, 1, 1, 1, 1, 4, 1}, "0",  {12, 14}, 14, {1, 1, 1, 1, 1, 3, 1}, "-6", {12, 0}},
    };
    // clang-format on
    for (const TraitCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        startCreation(t);
        setStats(t.w, c.stats);
        t.w.createform.cpleft.text = c.pool;
        t.w.character.traits = c.traits;
        const Color before = t.w.createform.t[c.clicked - 1].color;

        traitButtonClick(t.w, c.clicked);

        EXPECT_EQ(statsOf(t.w), c.expectedStats);
        EXPECT_EQ(t.w.createform.cpleft.text, c.expectedPool);
        EXPECT_EQ(t.w.character.traits, c.expectedTraits);
        const bool wasChosen = c.traits[0] == c.clicked || c.traits[1] == c.clicked;
        const bool isChosen = c.expectedTraits[0] == c.clicked || c.expectedTraits[1] == c.clicked;
        const Color expected = isChosen ? darkGreen : wasChosen ? brightGreen : before;
        EXPECT_EQ(t.w.createform.t[c.clicked - 1].color, expected);
        for (int i = 0; i < kStatCount; ++i) {
            if (c.expectedStats[i] != c.stats[i]) {
                EXPECT_EQ(t.w.createform.glyph[i].picture, assets::glyphPath(c.expectedStats[i])) << i;
            }
        }
    }
}

TEST(TraitButtons, CrusherChosenThenStrengthLoweredThenDropped) {
    test::TestWorld t;
    startCreation(t);
    traitButtonClick(t.w, trCrusher);
    EXPECT_EQ(t.w.character.strength, 7);
    for (int k = 0; k < 6; ++k)
        lowerStat(t.w, kStr);
    EXPECT_EQ(t.w.createform.cpleft.text, "11");
    traitButtonClick(t.w, trCrusher);
    EXPECT_EQ(t.w.character.strength, 1);
    EXPECT_EQ(t.w.createform.cpleft.text, "9");
    EXPECT_EQ(t.w.createform.glyph[kStr].picture, "nums/01.bmp");
}

// Only crusher's grant recomputes the derived values; after small and talent they keep their old values.
TEST(TraitButtons, GrantsOfSmallAndTalentLeaveDerivedValuesStale) {
    struct Case {
        int trait;
        int light, acl, hp;
    };
    const std::vector<Case> cases = {
        {trCrusher, 25, 5, 32},
        {trSmall, 29, 5, 30},
        {trTalent, 19, 5, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trait);
        test::TestWorld t;
        startCreation(t);
        traitButtonClick(t.w, c.trait);
        EXPECT_EQ(t.w.createform.skill[0].value, c.light);
        EXPECT_EQ(t.w.createform.derived[dAcl].value, c.acl);
        EXPECT_EQ(t.w.createform.derived[dHp].value, c.hp);
    }
}

TEST(TraitButtons, StayLiveOnTheSheetAndRecomputeTrainedSkills) {
    test::TestWorld t;
    startCreation(t);
    t.w.character.characterInPlay = 1;
    t.w.createform.skill[4].value = 55; // melee raised by training
    traitButtonClick(t.w, trCrusher);
    EXPECT_EQ(t.w.character.strength, 7);
    EXPECT_EQ(t.w.createform.skill[4].value, 44);
}

TEST(SkillCaptions, ClickMovesMarkersForTheFirstTwoAndHighlightsOne) {
    struct Case {
        int skill;
        int select, smin, splus;
    };
    const std::vector<Case> cases = {{1, 17, 21, 32}, {2, 28, 32, 43}, {3, 30, 42, 33}, {17, 30, 42, 33}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.skill);
        test::TestWorld t;
        startCreation(t);
        toggleTag(t.w, 5); // paints s5 dark green
        const int value = t.w.createform.skill[c.skill - 1].value;
        skillCaptionClick(t.w, c.skill);
        EXPECT_EQ(t.w.createform.select.top, c.select);
        EXPECT_EQ(t.w.createform.smin.top, c.smin);
        EXPECT_EQ(t.w.createform.splus.top, c.splus);
        for (int i = 0; i < kSkillCount; ++i)
            EXPECT_EQ(t.w.createform.s[i].color, i == c.skill - 1 ? darkGreen : brightGreen) << i;
        EXPECT_EQ(t.w.createform.skill[c.skill - 1].value, value);
        EXPECT_EQ(t.w.character.tagSkills[0], 5) << "the colours are not the tags";
    }
}

// Fills the store, the flags and the theft counter with what an earlier game could have left.
void dirtyGame(World& w) {
    w.story.storyFlags.bytes.fill(1);
    w.story.storyFlags[innerDoorShut] = 0;
    w.caughtCount = 3;
    w.inventory.invItem[1] = itCoins;
    w.inventory.invCount[1] = 40;
    w.inventory.hand1Slot = 1;
    w.inventory.fromHand = true;
}

TEST(Accept, CreationModeStartsTheGameFromTheSheet) {
    test::TestWorld t;
    startCreation(t);
    World& w = t.w;
    auto& form = w.createform;
    show(form.window);
    w.Gameform.window.enabled = false;
    w.battle.window.enabled = false;
    form.namec.text = "Мира";
    form.sex.text = "Жен.";
    dirtyGame(w);
    // Values are taken from the labels as they stand, not recomputed.
    form.derived[dAcl].value = 3;
    form.derived[dDam].value = 4;
    form.skill[10].value = 42;
    form.derived[dTp].value = 6;
    form.derived[dCch].value = 7;
    form.skill[9].value = 38;
    form.derived[dHp].value = 29;
    form.derived[dFhp].value = 31;

    acceptClick(w);

    EXPECT_TRUE(w.Gameform.window.enabled);
    EXPECT_TRUE(w.battle.window.enabled);
    EXPECT_TRUE(w.Gameform.window.visible);
    EXPECT_FALSE(form.window.visible);

    const CharacterRecord& c = w.character;
    EXPECT_EQ(c.armourClass, 3);
    EXPECT_EQ(c.playerName, "Мира");
    EXPECT_EQ(c.meleeDamage, 4);
    EXPECT_EQ(c.stealSkill, 42);
    EXPECT_EQ(c.actionPoints, 6);
    EXPECT_EQ(c.critChance, 7);
    EXPECT_EQ(c.lockpickSkill, 38);
    EXPECT_EQ(c.hitPoints, 29);
    EXPECT_EQ(c.maxHitPoints, 31);
    EXPECT_EQ(c.characterInPlay, 1);

    EXPECT_TRUE(form.age.readOnly);
    EXPECT_TRUE(form.namec.readOnly);
    EXPECT_FALSE(form.sex.enabled);

    // The sheet: the covers lie over every statistic and tag button, the bonus lines over the covers.
    for (const Control* b : {&form.smin, &form.splus, &form.select})
        EXPECT_TRUE(b->visible);
    for (const Control* b : {&form.bon, &form.kar, &form.kil})
        EXPECT_TRUE(b->visible);
    for (int i = 0; i < kStatCount; ++i) {
        EXPECT_GT(form.bok2.z, form.raise[i].z);
        EXPECT_GT(form.bok2.z, form.lower[i].z);
    }
    for (const auto& b : form.tagButton)
        EXPECT_GT(form.bok1.z, b.z);
    EXPECT_LT(form.bok1.z, form.bok2.z);
    EXPECT_LT(form.bok2.z, form.bon.z);
    EXPECT_LT(form.bon.z, form.lb1.z);
    EXPECT_LT(form.lb1.z, form.lb2.z);

    // A new game: flags, theft counter, store and hands.
    EXPECT_EQ(w.story.storyFlags[innerDoorShut], 1);
    EXPECT_EQ(w.story.storyFlags[ratKilled], 0);
    EXPECT_EQ(w.caughtCount, 0);
    EXPECT_EQ(w.inventory.invItem[1], itNone);
    EXPECT_EQ(w.inventory.hand1Slot, 0);
    EXPECT_FALSE(w.inventory.fromHand);
}

TEST(Accept, SexTextChoosesSexFiguresAndSexAppealReactions) {
    struct Case {
        std::string sex;
        bool sexAppeal;
        int playerSex;
        std::string pistol, spear, knife, mainshow;
        int maleReaction, femaleReaction;
    };
    const std::vector<Case> cases = {
        {"Жен.", true, 2, "show/fgno.jpg", "show/fspearno.jpg", "show/fknifeno.jpg", "show/fnono.jpg", 20,
         -20},
        {"Муж.", true, 1, "show/mgno.jpg", "show/mspearno.jpg", "show/mknifeno.jpg", "show/mnono.jpg", -20,
         20},
        {"Жен.", false, 2, "show/fgno.jpg", "show/fspearno.jpg", "show/fknifeno.jpg", "show/fnono.jpg", 5, 5},
        {"Муж.", false, 1, "show/mgno.jpg", "show/mspearno.jpg", "show/mknifeno.jpg", "show/mnono.jpg", 5, 5},
        // A typed text is compared exactly: nothing that hangs on the sex is set.
        {"жен.", true, 7, "old", "old", "old", "", 5, 5},
        {"", true, 7, "old", "old", "old", "", 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sex + (c.sexAppeal ? " with sex appeal" : ""));
        test::TestWorld t;
        startCreation(t);
        World& w = t.w;
        w.createform.sex.text = c.sex;
        w.character.traits = {c.sexAppeal ? trSexAppeal : 0, 0};
        w.character.playerSex = 7;
        w.character.maleReaction = 5;
        w.character.femaleReaction = 5;
        w.inventory.showPistolPic = w.inventory.showSpearPic = w.inventory.showKnifePic = "old";

        acceptClick(w);

        EXPECT_EQ(w.character.playerSex, c.playerSex);
        EXPECT_EQ(w.inventory.showPistolPic, c.pistol);
        EXPECT_EQ(w.inventory.showSpearPic, c.spear);
        EXPECT_EQ(w.inventory.showKnifePic, c.knife);
        EXPECT_EQ(w.InvForm.mainshow.picture, c.mainshow);
        EXPECT_EQ(w.character.maleReaction, c.maleReaction);
        EXPECT_EQ(w.character.femaleReaction, c.femaleReaction);
        EXPECT_FALSE(w.createform.sex.enabled);
    }
}

TEST(Accept, AFigureThatFailsToLoadLeavesEverythingAsItWas) {
    test::TestWorld t;
    startCreation(t);
    World& w = t.w;
    w.createform.sex.text = "Жен.";
    w.character.traits = {trSexAppeal, 0};
    dirtyGame(w);
    // A game ended by the fifth catch: its screen frozen behind.
    show(w.Gameform.window);
    w.Gameform.window.enabled = false;
    t.pictures.failing.insert("show/fnono.jpg");

    EXPECT_THROW(acceptClick(w), PictureError);

    EXPECT_TRUE(w.createform.window.visible);
    EXPECT_FALSE(w.Gameform.window.enabled) << "the ended game stays frozen";
    EXPECT_EQ(w.character.characterInPlay, 0);
    EXPECT_NE(w.character.playerSex, 2);
    EXPECT_EQ(w.inventory.showKnifePic, "");
    EXPECT_EQ(w.InvForm.mainshow.picture, "");
    EXPECT_TRUE(w.createform.sex.enabled);
    EXPECT_EQ(w.character.maleReaction, 0);
    EXPECT_FALSE(w.createform.namec.readOnly);
    EXPECT_EQ(w.caughtCount, 3) << "the game was not reset";
}

TEST(Accept, InSheetModeClosesTheSheetAndEnablesTheGameAndCombatScreens) {
    test::TestWorld t;
    World& w = t.w;
    w.character.characterInPlay = 1;
    w.character.armourClass = 8;
    show(w.createform.window);
    w.Gameform.window.enabled = false;
    w.battle.window.enabled = false;
    w.createform.sex.text = "Муж.";
    dirtyGame(w);
    const int bok1 = w.createform.bok1.z;

    acceptClick(w);

    EXPECT_TRUE(w.Gameform.window.enabled);
    EXPECT_TRUE(w.battle.window.enabled);
    EXPECT_FALSE(w.createform.window.visible);
    EXPECT_FALSE(w.Gameform.window.visible);
    EXPECT_EQ(w.character.armourClass, 8);
    EXPECT_EQ(w.character.playerSex, 0);
    EXPECT_EQ(w.createform.bok1.z, bok1);
    EXPECT_TRUE(w.createform.sex.enabled);
    EXPECT_EQ(w.caughtCount, 3);
    EXPECT_TRUE(t.pictures.requested.empty());
}

TEST(Cancel, BackToTheMenuOnlyInCreationMode) {
    for (int inPlay : {0, 1}) {
        SCOPED_TRACE(inPlay);
        test::TestWorld t;
        t.w.character.characterInPlay = inPlay;
        show(t.w.createform.window);
        hide(t.w.Menuform.window);
        cancelClick(t.w);
        EXPECT_EQ(t.w.createform.window.visible, inPlay == 1);
        EXPECT_EQ(t.w.Menuform.window.visible, inPlay == 0);
    }
}

TEST(SheetButtons, BonusShowsTheChosenTraitsAndKeepsEmptySlotsLines) {
    struct Case {
        std::array<int, 2> traits;
        std::string lb1, lb2;
    };
    const std::vector<Case> cases = {
        {{5, 12}, "Точность", "Сексапильность"},
        {{2, 0}, "Крушила", "было 2"},
        {{0, 14}, "было 1", "Талант"},
        {{0, 0}, "было 1", "было 2"},
    };
    for (const Case& c : cases) {
        test::TestWorld t;
        auto& form = t.w.createform;
        t.w.character.traits = c.traits;
        form.lb1.text = "было 1";
        form.lb2.text = "было 2";
        bringToFront(t.w, form.bok1);
        bonClick(t.w);
        EXPECT_EQ(form.lb1.text, c.lb1);
        EXPECT_EQ(form.lb2.text, c.lb2);
        EXPECT_GT(form.lb1.z, form.bok1.z);
        EXPECT_GT(form.lb2.z, form.bok1.z);
    }
}

TEST(SheetButtons, KarmaShowsTheVillageLine) {
    test::TestWorld t;
    auto& form = t.w.createform;
    form.lb2.text = "Крушила";
    bringToFront(t.w, form.bok1);
    karClick(t.w);
    EXPECT_EQ(form.lb1.text, "Тарнвель:Поклонение");
    EXPECT_EQ(form.lb2.text, "");
    EXPECT_GT(form.lb1.z, form.bok1.z);
}

TEST(SheetButtons, KillsListTheRatAndTheLizard) {
    struct Case {
        std::string name;
        int ratKilledFlag, lizardAliveFlag;
        std::string lb1, lb2;
    };
    const std::vector<Case> cases = {
        {"before any fight", 0, 1, "", ""},
        {"rat killed", 1, 1, "Крысы 1", ""},
        {"lizard killed", 0, 0, "", "Ящерун 1"},
        {"both", 1, 0, "Крысы 1", "Ящерун 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        auto& form = t.w.createform;
        t.w.story.storyFlags[ratKilled] = static_cast<std::uint8_t>(c.ratKilledFlag);
        t.w.story.storyFlags[lizardAlive] = static_cast<std::uint8_t>(c.lizardAliveFlag);
        form.lb1.text = "Талант";
        form.lb2.text = "Крушила";
        bringToFront(t.w, form.bok1);
        kilClick(t.w);
        EXPECT_EQ(form.lb1.text, c.lb1);
        EXPECT_EQ(form.lb2.text, c.lb2);
        EXPECT_GT(form.lb1.z, form.bok1.z);
        EXPECT_GT(form.lb2.z, form.bok1.z);
    }
}

TEST(OpenForCreation, FreshValuesUnderWhateverCoveringAndColoursStood) {
    test::TestWorld t;
    World& w = t.w;
    auto& form = w.createform;
    show(w.createf.window);
    setStats(w, {9, 1, 3, 10, 2, 7, 4});
    form.cpleft.text = "-3";
    w.character.tagSkills = {4, 5, 6};
    w.character.traits = {2, 14};
    form.s[4].color = darkGreen;
    form.t[1].color = darkGreen;
    form.tleft.picture = "nums/00.bmp";
    form.namec.text = "Мира";
    w.character.characterInPlay = 1;
    turnIntoSheet(w);

    openForCreation(w);

    EXPECT_TRUE(form.window.visible);
    EXPECT_FALSE(w.createf.window.visible);
    EXPECT_EQ(statsOf(w), (Stats{5, 5, 5, 5, 5, 5, 5}));
    EXPECT_EQ(form.cpleft.text, "5");
    EXPECT_EQ(w.character.tagSkills, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(w.character.traits, (std::array<int, 2>{0, 0}));
    for (const auto& g : form.glyph)
        EXPECT_EQ(g.picture, "nums/05.bmp");
    EXPECT_EQ(t.pictures.requested.size(), 7u);
    EXPECT_EQ(form.skill[4].value, 40);
    EXPECT_EQ(form.derived[dTp].value, 7);
    // Nothing else is reset.
    EXPECT_EQ(form.s[4].color, darkGreen);
    EXPECT_EQ(form.t[1].color, darkGreen);
    EXPECT_EQ(form.tleft.picture, "nums/00.bmp");
    EXPECT_EQ(form.namec.text, "Мира");
    EXPECT_TRUE(form.kil.visible);
}

} // namespace
} // namespace cv
