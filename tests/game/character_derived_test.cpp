// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Skills and derived values of the character sheet, from statistics, tags and traits.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/derived.h"
#include "test_world.h"

namespace cv {
namespace {

using namespace screens;

struct Stats {
    int str = 5, per = 5, end = 5, intel = 5, agi = 5, luck = 5, cha = 5;
};

void setStats(World& w, const Stats& s) {
    CharacterRecord& c = w.character;
    c.strength = s.str;
    c.perception = s.per;
    c.endurance = s.end;
    c.intelligence = s.intel;
    c.agility = s.agi;
    c.luck = s.luck;
    c.charisma = s.cha;
}

struct SkillCase {
    std::string name;
    Stats stats;
    std::array<int, 3> tags;
    std::array<int, 2> traits;
    // light heavy energ unarm meele throw first doctr sneak lockp steal traps scien repar talks merch outdr
    std::array<int, kSkillCount> expected;
};

TEST(RecomputeSkills, FormulasTagsAndTraitPenalties) {
    const std::vector<SkillCase> cases = {
        {"every statistic 5 gives the layout texts",
         {},
         {},
         {},
         {25, 10, 10, 50, 40, 20, 20, 15, 20, 20, 15, 20, 20, 15, 25, 20, 20}},
        {"each statistic feeds only its own skills (outdr reads perception, not endurance)",
         {.str = 1, .per = 2, .end = 3, .intel = 4, .agi = 6, .luck = 7, .cha = 9},
         {},
         {},
         {29, 12, 12, 44, 34, 24, 12, 11, 23, 18, 18, 18, 16, 12, 45, 36, 12}},
        {"three tags add 20 each",
         {},
         {1, 10, 14},
         {},
         {45, 10, 10, 50, 40, 20, 20, 15, 20, 40, 15, 20, 20, 35, 25, 20, 20}},
        {"empty tag slots add nothing",
         {},
         {0, 5, 0},
         {},
         {25, 10, 10, 50, 60, 20, 20, 15, 20, 20, 15, 20, 20, 15, 25, 20, 20}},
        {"talent takes 10 from every skill",
         {},
         {},
         {0, trTalent},
         {15, 0, 0, 40, 30, 10, 10, 5, 10, 10, 5, 10, 10, 5, 15, 10, 10}},
        {"good-natured: combat skills -10, first aid, doctor, talk, trade +15",
         {},
         {},
         {trGoodNatured, 0},
         {15, 0, 0, 40, 30, 10, 35, 30, 20, 20, 15, 20, 20, 15, 40, 35, 20}},
        {"agility 1 with talent and good-natured goes negative (heavy -18)",
         {.agi = 1},
         {},
         {trTalent, trGoodNatured},
         {-11, -18, -18, 22, 12, -16, 25, 20, -2, 6, -7, 6, 10, 5, 30, 25, 10}},
        {"a tagged skill with talent is base + 20 - 10",
         {},
         {4, 0, 0},
         {trTalent, 0},
         {15, 0, 0, 60, 30, 10, 10, 5, 10, 10, 5, 10, 10, 5, 15, 10, 10}},
    };
    for (const SkillCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        setStats(t.w, c.stats);
        t.w.character.tagSkills = c.tags;
        t.w.character.traits = c.traits;
        for (auto& s : t.w.createform.skill)
            s.value = 999; // whatever stood there before is overwritten
        recomputeSkills(t.w);
        for (int i = 0; i < kSkillCount; ++i)
            EXPECT_EQ(t.w.createform.skill[i].value, c.expected[i]) << kSkillValueNames[i];
    }
}

struct DerivedCase {
    std::string name;
    Stats stats;
    std::array<int, 2> traits;
    Derived label;
    int expected;
};

TEST(RecomputeDerived, FormulasAndTraitAdjustments) {
    const std::vector<DerivedCase> cases = {
        {"hp", {.str = 3, .end = 8}, {}, dHp, 34},
        {"fhp starts equal to hp", {.str = 3, .end = 8}, {}, dFhp, 34},
        {"tp agility 1 (1 / 2 is 0)", {.agi = 1}, {}, dTp, 5},
        {"tp agility 9", {.agi = 9}, {}, dTp, 9},
        {"tp agility 10", {.agi = 10}, {}, dTp, 10},
        {"tp crusher -2", {}, {trCrusher, 0}, dTp, 5},
        {"dam strength 6", {.str = 6}, {}, dDam, 1},
        {"dam strength 7", {.str = 7}, {}, dDam, 2},
        {"dam strength 10", {.str = 10}, {}, dDam, 5},
        {"dam strength 6 heavy hand", {.str = 6}, {trHeavyHand, 0}, dDam, 5},
        {"dam strength 7 heavy hand", {.str = 7}, {0, trHeavyHand}, dDam, 6},
        {"dam strength 10 heavy hand", {.str = 10}, {trHeavyHand, 0}, dDam, 9},
        {"leh endurance 1", {.end = 1}, {}, dLeh, 1},
        {"leh endurance 2", {.end = 2}, {}, dLeh, 1},
        {"leh endurance 3", {.end = 3}, {}, dLeh, 1},
        {"leh endurance 6", {.end = 6}, {}, dLeh, 2},
        {"leh endurance 10", {.end = 10}, {}, dLeh, 3},
        {"leh endurance 2 fast metabolism", {.end = 2}, {trFastMetabolism, 0}, dLeh, 3},
        {"rep", {.end = 7}, {}, dRep, 35},
        {"rer", {.end = 7}, {}, dRer, 14},
        {"rep fast metabolism", {.end = 7}, {0, trFastMetabolism}, dRep, 0},
        {"rer fast metabolism", {.end = 10}, {trFastMetabolism, 0}, dRer, 0},
        {"acl is agility", {.agi = 7}, {}, dAcl, 7},
        {"acl kamikaze", {.agi = 9}, {trKamikaze, 0}, dAcl, 0},
        {"aca", {.per = 7}, {}, dAca, 14},
        {"aca kamikaze", {.per = 7}, {0, trKamikaze}, dAca, 19},
        {"mw strength 10", {.str = 10}, {}, dMw, 275},
        {"mw strength 10 small", {.str = 10}, {trSmall, 0}, dMw, 175},
        {"cch is luck", {.luck = 8}, {}, dCch, 8},
        {"cch precision", {.luck = 8}, {trPrecision, 0}, dCch, 18},
        {"spl", {.intel = 7}, {}, dSpl, 19},
        {"spl craftsman", {.intel = 7}, {0, trCraftsman}, dSpl, 24},
    };
    for (const DerivedCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        setStats(t.w, c.stats);
        t.w.character.traits = c.traits;
        for (auto& d : t.w.createform.derived)
            d.value = 999;
        recomputeDerived(t.w);
        EXPECT_EQ(t.w.createform.derived[c.label].value, c.expected);
    }
}

TEST(RecomputeDerived, WorkedValuesAtFiveLeaveDamageResistanceAlone) {
    test::TestWorld t;
    setStats(t.w, {});
    t.w.createform.derived[dRed].value = 77;
    recomputeDerived(t.w);
    const auto& d = t.w.createform.derived;
    const std::array<std::pair<Derived, int>, 12> expected{{{dHp, 30},
                                                            {dFhp, 30},
                                                            {dAcl, 5},
                                                            {dTp, 7},
                                                            {dMw, 150},
                                                            {dDam, 1},
                                                            {dRep, 25},
                                                            {dRer, 10},
                                                            {dAca, 10},
                                                            {dLeh, 1},
                                                            {dCch, 5},
                                                            {dSpl, 15}}};
    for (auto [label, value] : expected)
        EXPECT_EQ(d[label].value, value) << kDerivedNames[label];
    EXPECT_EQ(d[dRed].value, 77) << "damage resistance is never computed";
}

} // namespace
} // namespace cv
