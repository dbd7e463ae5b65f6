// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The aimed attack: the five body parts' chances and critical bonuses, the crippling rolls and their
// lasting effects on the enemy, and the body-part screen's own controls.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "game/character/sheet.h"
#include "game/clock.h"
#include "game/combat/aim.h"
#include "game/combat/battle.h"
#include "game/combat/weapons.h"
#include "game/inventory/items.h"
#include "test_world.h"

namespace cv {
namespace {

using Chances = std::array<std::string, 5>;
constexpr std::array<BodyPart, 5> kParts{BodyPart::Eyes, BodyPart::Head, BodyPart::Groin, BodyPart::Leg,
                                         BodyPart::Arm};

Chances chanceLabels(const World& w) {
    Chances c;
    for (std::size_t i = 0; i < 5; ++i)
        c[i] = w.accform.t[i].text;
    return c;
}

// The ready-made heroine next to the rat, bare-handed: "Приц. Удар   4" at 42 per cent, 1 .. 3 damage.
struct AimedAttack : ::testing::Test {
    test::TestWorld t;
    World& w = t.w;
    HandlerRunner direct = [this](const std::function<void(World&)>& h) { h(w); };

    void SetUp() override {
        takeClick(w);
        startFight(w, 1);
        nextTo();
    }
    void TearDown() override { EXPECT_TRUE(t.rng.queued.empty()) << "scripted rolls left undrawn"; }

    void nextTo() {
        w.battle.dis.value = 1;
        w.combat.distance = 1;
    }
    // Confirms the aimed entry and clicks the enemy: the body-part screen opens.
    void openParts() {
        battle::chooseClick(w, 7);
        battle::readyClick(w);
        battle::epicClick(w);
    }
    // A whole aimed attack at the part, with the points to pay for it.
    void aimAt(BodyPart part, const std::vector<int>& rolls) {
        w.battle.tp.value = 9;
        openParts();
        accform::bClick(w, part);
        t.rng.queued.insert(t.rng.queued.end(), rolls.begin(), rolls.end());
        accform::readyClick(w);
    }
};

TEST(AimChances, EachPartsChanceIsTheHitChanceByIntegerDivisionTowardsZero) {
    struct Case {
        int hitChance;
        Chances labels;
    };
    const std::vector<Case> cases = {
        {46, {"11", "18", "25", "35", "35"}},  {42, {"10", "16", "23", "32", "32"}},
        {3, {"0", "1", "1", "2", "2"}},        {0, {"0", "0", "0", "0", "0"}},
        {-3, {"0", "-1", "-1", "-2", "-2"}},   {-30, {"-7", "-12", "-16", "-23", "-23"}},
        {100, {"25", "40", "55", "76", "76"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hitChance);
        test::TestWorld t;
        t.w.combat.playerHitChance = c.hitChance;
        openAim(t.w);
        EXPECT_TRUE(t.w.accform.window.visible);
        EXPECT_EQ(chanceLabels(t.w), c.labels);
        for (std::size_t i = 0; i < 5; ++i)
            EXPECT_EQ(std::to_string(aimedChance(c.hitChance, kParts[i])), c.labels[i]);
    }
}

TEST_F(AimedAttack, TheEnemyClickOpensTheBodyPartScreenWithChancesFromTheSkill) {
    EXPECT_EQ(chanceLabels(w), (Chances{"0", "0", "0", "0", "0"})) << "the labels start at 0";
    addToSkill(w, Skill::unarm, 4); // 50: a chance of 46
    openParts();
    EXPECT_FALSE(w.battle.window.enabled);
    EXPECT_TRUE(w.accform.window.visible);
    EXPECT_EQ(chanceLabels(w), (Chances{"11", "18", "25", "35", "35"}));
    EXPECT_TRUE(t.rng.asked.empty());
    EXPECT_EQ(w.battle.tp.value, 9) << "nothing is charged until the blow";
}

TEST_F(AimedAttack, ConfirmIsDisabledUntilAPartIsChosenAndTheChoiceStays) {
    openParts();
    EXPECT_FALSE(w.accform.ready.enabled);
    accform::bClick(w, BodyPart::Groin);
    EXPECT_TRUE(w.accform.ready.enabled);
    accform::bClick(w, BodyPart::Head);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(w.accform.b[i].checked, i == 1);
    t.rng.push({99});
    accform::readyClick(w);
    EXPECT_TRUE(w.battle.window.enabled);
    EXPECT_FALSE(w.accform.window.visible);

    // The next opening keeps the choice and recomputes the chances.
    addToSkill(w, Skill::unarm, 4);
    w.battle.tp.value = 9;
    openParts();
    EXPECT_TRUE(w.accform.b[1].checked);
    EXPECT_TRUE(w.accform.ready.enabled);
    EXPECT_EQ(chanceLabels(w), (Chances{"11", "18", "25", "35", "35"}));
    t.rng.push({99});
    accform::readyClick(w);
}

TEST_F(AimedAttack, EachPartRollsAgainstItsChanceLessThePenaltyAndSetsItsBonusFirst) {
    struct Case {
        BodyPart part;
        int threshold; // the part's chance at 42, less the rat's 4
        int bonus;
        bool cripples;
    };
    const std::vector<Case> cases = {
        {BodyPart::Eyes, 6, 40, true}, {BodyPart::Head, 12, 30, false}, {BodyPart::Groin, 19, 20, false},
        {BodyPart::Leg, 28, 5, true},  {BodyPart::Arm, 28, 5, true},
    };
    for (const Case& c : cases) {
        for (bool hits : {true, false}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(c.part) << (hits ? " hit" : " miss"));
            w.combat.enemy.enemyHp = 20;
            w.combat.aimBonus = 0;
            w.combat.attackerSide = 1;
            t.rng.asked.clear();
            w.battle.esos.text = "Целёхонек";
            if (hits) {
                // The critical roll falls just inside the character's 6 plus the part's bonus.
                std::vector<int> rolls{c.threshold, 0, 6 + c.bonus, 1};
                if (c.cripples) rolls.push_back(99); // the crippling roll, which fails
                aimAt(c.part, rolls);
            } else {
                aimAt(c.part, {c.threshold + 1}); // a miss draws nothing more
            }
            EXPECT_EQ(w.combat.aimBonus, c.bonus);
            EXPECT_EQ(w.combat.attackerSide, 2);
            EXPECT_EQ(w.combat.lastDamage, hits ? 1 : 0);
            EXPECT_EQ(w.combat.enemy.enemyHp, hits ? 19 : 20);
            EXPECT_EQ(t.rng.asked.size(), hits ? (c.cripples ? 5u : 4u) : 1u);
            if (hits) {
                EXPECT_EQ(t.rng.asked[3], (std::pair<int, int>{1, 2})) << "the critical multiplier";
            }
            EXPECT_EQ(w.battle.warn.text, "ДемоИгрок бьёт.");
            EXPECT_EQ(w.battle.tp.value, 5) << "the aimed entry's cost";
            EXPECT_EQ(w.battle.epic.cursor, Cursor::Arrow);
            EXPECT_EQ(w.battle.esos.text, hits ? "Ранен" : "Целёхонек");
            EXPECT_TRUE(t.rng.queued.empty());
        }
    }
}

TEST_F(AimedAttack, ThePartsBonusCountsForThisAttacksCriticalRoll) {
    aimAt(BodyPart::Eyes, {6, 2, 46, 2, 99}); // 6 + 40 = 46: critical; 3 doubled
    EXPECT_EQ(w.combat.lastDamage, 6);
    aimAt(BodyPart::Groin, {1, 2, 27}); // 6 + 20 = 26: no critical
    EXPECT_EQ(w.combat.lastDamage, 3);
    EXPECT_EQ(w.combat.pendingHitMessage, "Грызоклык ранен на 3  жизней");
}

TEST_F(AimedAttack, ABonusStaysForEveryLaterAttackOfEitherSideAndInLaterFights) {
    aimAt(BodyPart::Eyes, {99}); // a miss sets the bonus all the same
    EXPECT_EQ(w.combat.aimBonus, 40);

    battle::chooseClick(w, 6);
    battle::readyClick(w);
    t.rng.push({1, 0, 46, 2});
    battle::epicClick(w);
    EXPECT_EQ(w.combat.lastDamage, 2) << "a plain blow crits at 6 + 40";

    battle::endtClick(w);
    t.rng.push({1, 0, 46, 2, 99});
    advanceTime(w, 1300, direct);
    EXPECT_EQ(w.battle.hp.value, 28) << "the rat's bite crits at 6 + 40 too";

    startFight(w, 2);
    EXPECT_EQ(w.combat.aimBonus, 40);
}

TEST_F(AimedAttack, ACrippledPartChangesTheEnemyOnARollBelow25) {
    struct Case {
        BodyPart part;
        int roll;
        int hitChance, apPerTurn, attackCost;
        std::string warn;
    };
    const std::vector<Case> cases = {
        {BodyPart::Eyes, 24, 25, 6, 3, "Грызоклык потерял глаз"},
        {BodyPart::Eyes, 1, 25, 6, 3, "Грызоклык потерял глаз"},
        {BodyPart::Eyes, 25, 50, 6, 3, "ДемоИгрок бьёт."},
        {BodyPart::Leg, 24, 50, 4, 3, "Грызоклык остался без ноги"},
        {BodyPart::Leg, 25, 50, 6, 3, "ДемоИгрок бьёт."},
        {BodyPart::Arm, 24, 50, 6, 6, "Грызоклык остался без руки"},
        {BodyPart::Arm, 99, 50, 6, 3, "ДемоИгрок бьёт."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.part) << " rolled " << c.roll);
        w.combat.enemy = EnemyRecord{4, 50, 1, 5, 3, 6, 20, 20};
        aimAt(c.part, {1, 0, 99, c.roll});
        EXPECT_EQ(w.combat.enemy.enemyHitChance, c.hitChance);
        EXPECT_EQ(w.combat.enemy.enemyApPerTurn, c.apPerTurn);
        EXPECT_EQ(w.combat.enemy.enemyAttackApCost, c.attackCost);
        EXPECT_EQ(w.battle.warn.text, c.warn);
        // The outcome replaces the effect 750 ms later.
        advanceTime(w, 750, direct);
        EXPECT_EQ(w.battle.warn.text, "Грызоклык ранен на 1  жизней");
    }
}

TEST_F(AimedAttack, AMissNeverCripples) {
    for (BodyPart part : {BodyPart::Eyes, BodyPart::Leg, BodyPart::Arm}) {
        w.combat.enemy = EnemyRecord{4, 50, 1, 5, 3, 6, 20, 20};
        aimAt(part, {99});
        EXPECT_EQ(w.combat.enemy.enemyHitChance, 50);
        EXPECT_EQ(w.combat.enemy.enemyApPerTurn, 6);
        EXPECT_EQ(w.combat.enemy.enemyAttackApCost, 3);
        EXPECT_EQ(t.rng.queued.size(), 0u);
    }
}

TEST_F(AimedAttack, LostEyesStackHalvingTheChanceEachTime) {
    aimAt(BodyPart::Eyes, {1, 0, 99, 1});
    EXPECT_EQ(w.combat.enemy.enemyHitChance, 25);
    aimAt(BodyPart::Eyes, {1, 0, 99, 1});
    EXPECT_EQ(w.combat.enemy.enemyHitChance, 12);
    // The rat now bites at 12 - 4 = 8.
    battle::endtClick(w);
    t.rng.push({9, 9});
    advanceTime(w, 1300, direct);
    EXPECT_EQ(w.battle.hp.value, 30);
}

TEST_F(AimedAttack, LostLegsTakeTwoPointsEachUntilTheEnemyDoesNothing) {
    for (int expected : {4, 2, 0}) {
        aimAt(BodyPart::Leg, {1, 0, 99, 1});
        EXPECT_EQ(w.combat.enemy.enemyApPerTurn, expected);
    }
    w.battle.dis.value = 20;
    w.combat.distance = 20;
    battle::endtClick(w);
    EXPECT_EQ(w.combat.enemyStepCount, 0);
    EXPECT_EQ(w.combat.enemyAttackCount, 0);
    advanceTime(w, 250, direct);
    EXPECT_FALSE(w.battle.Timer1.running);
    EXPECT_EQ(w.battle.dis.value, 20);
    aimAt(BodyPart::Leg, {1, 0, 99, 1});
    EXPECT_EQ(w.combat.enemy.enemyApPerTurn, -2) << "there is no floor";
}

TEST_F(AimedAttack, AnArmHitOnTheLizardLeavesOneAttackFromSevenPoints) {
    startFight(w, 2);
    nextTo();
    aimAt(BodyPart::Arm, {1, 0, 99, 24});
    EXPECT_EQ(w.combat.enemy.enemyAttackApCost, 6);
    EXPECT_EQ(w.battle.warn.text, "Ящерун остался без руки");
    battle::endtClick(w);
    EXPECT_EQ(w.combat.enemyAttackCount, 1);
    t.rng.push({99});
    advanceTime(w, 3000, direct);
    EXPECT_FALSE(w.battle.Timer1.running);
    EXPECT_EQ(t.rng.asked.size(), 5u) << "one bite after the four rolls of the blow";
}

TEST_F(AimedAttack, HeadAndGroinNeverWriteAnEffect) {
    for (BodyPart part : {BodyPart::Head, BodyPart::Groin}) {
        aimAt(part, {1, 2, 99});
        EXPECT_EQ(w.battle.warn.text, "ДемоИгрок бьёт.");
        advanceTime(w, 750, direct);
        EXPECT_EQ(w.battle.warn.text, "Грызоклык ранен на 3  жизней");
    }
}

TEST_F(AimedAttack, TheAimedEntrysCostTakesAtMostThePointsLeftAfterPointsSpentMeanwhile) {
    addItem(w, itSpear, 1);
    w.inventory.hand1Slot = 1;
    buildActionList(w);
    w.battle.dis.value = 2;
    w.combat.distance = 2;
    battle::chooseClick(w, 6); // "Ткнуть   4"
    battle::readyClick(w);
    t.rng.push({99});
    battle::epicClick(w);
    ASSERT_EQ(w.battle.tp.value, 5);
    openParts(); // "Приц. Ткнуть   5", paid for by the 5 left
    ASSERT_TRUE(w.accform.window.visible);
    advanceTime(w, 750, direct); // the thrust's outcome gives the fight screen back
    battle::chooseClick(w, 1);
    battle::readyClick(w); // a step in: 4 points left
    ASSERT_EQ(w.battle.tp.value, 4);
    accform::bClick(w, BodyPart::Head);
    t.rng.push({99});
    accform::readyClick(w);
    // The confirmed entry costs 5, but only the 4 left can be taken: the points never go below 0.
    EXPECT_EQ(w.battle.tp.value, 0);
}

TEST_F(AimedAttack, AnAimedKillWinsTheFight) {
    w.combat.enemy.enemyHp = 2;
    aimAt(BodyPart::Leg, {1, 2, 99, 1});
    EXPECT_EQ(w.combat.enemy.enemyHp, -1);
    EXPECT_TRUE(w.battle.vict.visible);
    EXPECT_FALSE(w.battle.epic.visible);
    EXPECT_EQ(w.battle.esos.text, "Мёртв");
    EXPECT_EQ(w.battle.warn.text, "Победа!") << "the victory writes over the effect";
    EXPECT_TRUE(w.battle.window.enabled);
    EXPECT_FALSE(w.accform.window.visible);
}

} // namespace
} // namespace cv
