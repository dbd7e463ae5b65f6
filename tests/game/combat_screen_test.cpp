// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The combat screen: the start of a fight, the player's moves and their refusals, the targeting mode,
// the enemy's timer-driven turn, death, victory and its outcome, and the delayed outcome messages.
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "game/clock.h"
#include "game/combat/battle.h"
#include "game/combat/weapons.h"
#include "game/inventory/items.h"
#include "game/inventory/screen.h"
#include "game/shell/shell.h"
#include "game/story/gamescreen.h"
#include "test_world.h"

namespace cv {
namespace {

using Times = std::vector<std::int64_t>;

// The ready-made heroine (9 action points, 30 hit points) in the rat's fight, bare-handed.
struct FightTest : ::testing::Test {
    test::TestWorld t;
    World& w = t.w;
    int quits = 0;
    HandlerRunner direct = [this](const std::function<void(World&)>& h) { h(w); };

    void SetUp() override {
        w.requestQuit = [this] { ++quits; };
        takeClick(w);
        startFight(w, 1);
    }
    void TearDown() override { EXPECT_TRUE(t.rng.queued.empty()) << "scripted rolls left undrawn"; }

    void fight(int n) { startFight(w, n); }
    // The player's figure and the distance as steps would have left them.
    void standAt(int distance, int charLeft = 0) {
        w.battle.dis.value = distance;
        w.combat.distance = distance;
        w.battle.char_.left = charLeft;
    }
    void confirm(int position) {
        battle::chooseClick(w, position);
        battle::readyClick(w);
    }
    void advance(std::int64_t ms) { advanceTime(w, ms, direct); }
    void holdInFirstHand(ItemId id) {
        addItem(w, id, 1);
        for (int i = 1; i <= kSlotCount; ++i)
            if (w.inventory.invItem[i] == id) w.inventory.hand1Slot = i;
    }
};

// ---------------------------------------------------------------------------------------------------
// The start of a fight.

TEST(CombatStart, EveryFightStartsFromItsRecordWithFullActionPoints) {
    struct Case {
        int fight;
        std::string picture, name;
        EnemyRecord enemy;
    };
    const std::vector<Case> cases = {
        {1, "enemy/rat.jpg", "Грызоклык", {4, 50, 1, 5, 3, 6, 20, 20}},
        {2, "enemy/gec.jpg", "Ящерун", {5, 40, 2, 5, 3, 7, 30, 30}},
        // The scorpion's name begins with a Latin capital C.
        {3,
         "enemy/scorp.jpg",
         "C"
         "корпион",
         {2, 40, 3, 8, 3, 5, 15, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fight);
        test::TestWorld t;
        World& w = t.w;
        takeClick(w);
        auto& b = w.battle;
        // The first fight of a game: the action points show 0; and what an earlier fight left.
        b.tp.value = 0;
        b.warn.text = "Вы стоите слишком близко или у вас мало ОД";
        b.char_.left = 93;
        b.epic.left = 100;
        b.dis.value = 5;
        b.esos.text = "Мёртв";
        w.character.hitPoints = 17;
        w.character.maxHitPoints = 40; // the fight shows the sheet's maximum
        w.story.curStep = 42;

        startFight(w, c.fight);

        EXPECT_EQ(b.epic.picture, c.picture);
        EXPECT_EQ(b.ename.text, c.name);
        const EnemyRecord& e = w.combat.enemy;
        EXPECT_EQ(e.hitPenalty, c.enemy.hitPenalty);
        EXPECT_EQ(e.enemyHitChance, c.enemy.enemyHitChance);
        EXPECT_EQ(e.enemyMinDamage, c.enemy.enemyMinDamage);
        EXPECT_EQ(e.enemyMaxDamage, c.enemy.enemyMaxDamage);
        EXPECT_EQ(e.enemyAttackApCost, c.enemy.enemyAttackApCost);
        EXPECT_EQ(e.enemyApPerTurn, c.enemy.enemyApPerTurn);
        EXPECT_EQ(e.enemyMaxHp, c.enemy.enemyMaxHp);
        EXPECT_EQ(e.enemyHp, c.enemy.enemyHp);
        EXPECT_EQ(b.hp.value, 17);
        EXPECT_EQ(b.fhp.value, 30);
        EXPECT_EQ(b.cname.text, "ДемоИгрок");
        EXPECT_EQ(b.armor.value, 8);
        EXPECT_EQ(b.tp.value, 9);
        EXPECT_EQ(b.epic.left, 624);
        EXPECT_EQ(b.char_.left, 0);
        EXPECT_EQ(b.dis.value, 20);
        EXPECT_EQ(w.combat.distance, 0);
        EXPECT_EQ(b.esos.text, "Целёхонек");
        EXPECT_EQ(w.combat.fightId, c.fight);
        EXPECT_EQ(b.choose.items.size(), 8u);
        EXPECT_FALSE(w.Gameform.window.visible);
        EXPECT_TRUE(b.window.visible);
        EXPECT_EQ(w.story.curStep, 42);
        EXPECT_EQ(b.warn.text, "Вы стоите слишком близко или у вас мало ОД") << "a message outlives a fight";
    }
}

TEST(CombatStart, AnEnemyPictureThatFailsToLoadStopsTheStartThere) {
    test::TestWorld t;
    World& w = t.w;
    takeClick(w);
    t.pictures.failing = {"enemy/gec.jpg"};
    EXPECT_THROW(startFight(w, 2), PictureError);
    EXPECT_EQ(w.battle.choose.items.size(), 8u) << "the list is built before the picture";
    EXPECT_EQ(w.battle.ename.text, "");
    EXPECT_EQ(w.combat.fightId, 0);
    EXPECT_EQ(w.combat.enemy.enemyHp, 0);
    EXPECT_EQ(w.battle.hp.value, 0);
    EXPECT_FALSE(w.battle.window.visible);
    EXPECT_TRUE(w.Gameform.window.visible);
}

// ---------------------------------------------------------------------------------------------------
// Moving, fleeing, the inventory.

struct CombatScreenMoves : FightTest {};

TEST_F(CombatScreenMoves, StepsLeftAndRightAndTheirRefusals) {
    const std::string tooClose = "Вы стоите слишком близко или у вас мало ОД";
    struct Case {
        std::string name;
        int position, charLeft, dis, tp;
        int charAfter, disAfter, tpAfter;
        std::string warn;
    };
    const std::vector<Case> cases = {
        {"right from the start", 1, 0, 20, 9, 31, 19, 8, ""},
        {"right onto distance 1 with the last point", 1, 62, 2, 1, 93, 1, 0, ""},
        {"right at distance 1", 1, 93, 1, 9, 93, 1, 9, tooClose},
        {"right without points", 1, 0, 20, 0, 0, 20, 0, tooClose},
        {"left back from one step", 0, 31, 19, 9, 0, 20, 8, ""},
        {"left at the left edge", 0, 0, 20, 9, 0, 20, 9, tooClose},
        {"left without points", 0, 31, 19, 0, 31, 19, 0, tooClose},
        {"down does nothing", 2, 31, 19, 9, 31, 19, 9, ""},
        {"up does nothing", 3, 31, 19, 9, 31, 19, 9, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& b = w.battle;
        standAt(c.dis, c.charLeft);
        w.combat.distance = 99; // a step copies the distance; a refusal leaves it
        b.tp.value = c.tp;
        b.warn.text = "прежнее";

        confirm(c.position);

        EXPECT_EQ(b.char_.left, c.charAfter);
        EXPECT_EQ(b.dis.value, c.disAfter);
        EXPECT_EQ(b.tp.value, c.tpAfter);
        EXPECT_EQ(b.warn.text, c.warn);
        const bool moved = c.charAfter != c.charLeft;
        EXPECT_EQ(w.combat.distance, moved ? c.disAfter : 99);
        EXPECT_TRUE(b.window.visible);
    }
}

TEST_F(CombatScreenMoves, NineStepsUseUpTheTurnAndTheTenthIsRefused) {
    for (int i = 0; i < 9; ++i)
        confirm(1);
    EXPECT_EQ(w.battle.char_.left, 279);
    EXPECT_EQ(w.battle.dis.value, 11);
    EXPECT_EQ(w.battle.tp.value, 0);
    battle::readyClick(w);
    EXPECT_EQ(w.battle.dis.value, 11);
    EXPECT_EQ(w.battle.warn.text, "Вы стоите слишком близко или у вас мало ОД");
}

TEST_F(CombatScreenMoves, FleeingWorksFromTheLeftEdgeWithEightPointsAtAnyDistance) {
    struct Case {
        std::string name;
        int charLeft, dis, tp;
        bool flees;
    };
    const std::vector<Case> cases = {
        {"at the start", 0, 20, 9, true},
        {"the enemy close, eight points", 0, 14, 8, true},
        {"the enemy next to the player", 0, 1, 8, true},
        {"seven points", 0, 20, 7, false},
        {"one step from the edge", 31, 19, 9, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        show(w.battle.window);
        hideGameScreen(w);
        standAt(c.dis, c.charLeft);
        w.battle.tp.value = c.tp;
        w.combat.enemy.enemyHp = 13;

        confirm(4);

        EXPECT_EQ(w.battle.window.visible, !c.flees);
        EXPECT_EQ(w.Gameform.window.visible, c.flees);
        EXPECT_EQ(w.battle.warn.text, c.flees ? "" : "Вы стоите слишком далеко от края или у вас мало ОД");
        // Nothing is charged and the fight stays as it was.
        EXPECT_EQ(w.battle.tp.value, c.tp);
        EXPECT_EQ(w.battle.dis.value, c.dis);
        EXPECT_EQ(w.combat.enemy.enemyHp, 13);
        EXPECT_EQ(w.combat.fightId, 1);
    }
}

TEST_F(CombatScreenMoves, TheInventoryCostsFourPointsEvenWhenOnlyCancelled) {
    addItem(w, itMeat, 2);
    w.battle.hp.value = 12;     // hurt in this fight
    w.character.hitPoints = 25; // the character's own figure differs
    w.InvForm.window.visible = false;

    confirm(5);

    EXPECT_TRUE(w.InvForm.window.visible);
    EXPECT_EQ(w.InvForm.citem.items, (std::vector<std::string>{"<<<--->>>", "Мясо"}));
    EXPECT_FALSE(w.Gameform.window.visible);
    EXPECT_EQ(w.story.storyFlags[invFromBattle], 1);
    EXPECT_EQ(w.battle.tp.value, 5);
    EXPECT_EQ(w.InvForm.hp.text, "12") << "the fight's hit points";
    EXPECT_EQ(w.InvForm.fhp.text, "30") << "the fight's maximum";

    inv::Image2Click(w);

    EXPECT_FALSE(w.InvForm.window.visible);
    EXPECT_EQ(w.story.storyFlags[invFromBattle], 0);
    EXPECT_EQ(w.battle.tp.value, 5);
    EXPECT_TRUE(w.battle.window.visible);
    EXPECT_FALSE(w.Gameform.window.visible);
    EXPECT_EQ(w.battle.hp.value, 12);
    EXPECT_EQ(w.character.hitPoints, 25);
}

TEST_F(CombatScreenMoves, TheInventoryIsRefusedBelowFourPoints) {
    w.battle.tp.value = 3;
    confirm(5);
    EXPECT_EQ(w.battle.warn.text, "Недостаточно очков действия!");
    EXPECT_FALSE(w.InvForm.window.visible);
    EXPECT_EQ(w.story.storyFlags[invFromBattle], 0);
    EXPECT_EQ(w.battle.tp.value, 3);
    w.battle.tp.value = 4;
    confirm(5);
    EXPECT_TRUE(w.InvForm.window.visible);
    EXPECT_EQ(w.battle.tp.value, 0);
}

TEST_F(CombatScreenMoves, ConfirmingWithoutAChosenEntryDoesNothing) {
    w.battle.warn.text = "прежнее";
    ASSERT_EQ(w.battle.choose.selected, -1);
    battle::readyClick(w);
    EXPECT_EQ(w.battle.warn.text, "прежнее");
    EXPECT_EQ(w.battle.tp.value, 9);
    EXPECT_EQ(w.battle.dis.value, 20);
    EXPECT_TRUE(w.battle.window.visible);
}

TEST_F(CombatScreenMoves, TheBareHandsNameChangesOnceAnyEntryIsChosen) {
    EXPECT_EQ(w.battle.wea.text, "Безоружна");
    w.battle.warn.text = "Недостаточно очков действия!";
    battle::chooseClick(w, 0);
    EXPECT_EQ(w.battle.wea.text, "Без оружия");
    EXPECT_EQ(w.battle.warn.text, "") << "choosing an entry clears the message";
    buildActionList(w);
    EXPECT_EQ(w.battle.wea.text, "Безоружна");
}

// ---------------------------------------------------------------------------------------------------
// Attacks: confirming, the targeting mode and the click on the enemy.

struct CombatScreenAttack : FightTest {};

TEST_F(CombatScreenAttack, ConfirmingAnAttackEntersTargetingOrIsRefused) {
    const std::string far = "Вы слишком далеко от цели или у вас мало ОД";
    const std::string noAmmo = "Нет патронов.";
    enum Hand { Bare, Knife2, Spear, Pistol, FastPistol };
    struct Case {
        std::string name;
        Hand hand;
        int position, dis, tp;
        std::string warn; // "Выберете цель..." when targeting
        std::string hint;
        int aimed; // 2: left as it was
    };
    const std::string target = "Выберете цель...";
    const std::vector<Case> cases = {
        {"punch, reach and points exactly", Bare, 6, 1, 3, target, "42%", 0},
        {"aimed punch", Bare, 7, 1, 4, target, "42%", 1},
        {"aimed punch one point short", Bare, 7, 1, 3, far, "", 2},
        {"punch out of reach", Bare, 6, 2, 9, far, "", 2},
        {"spear thrust at its reach", Spear, 6, 2, 4, target, "32%", 0},
        {"aimed spear thrust", Spear, 7, 2, 5, target, "32%", 1},
        {"spear thrust out of reach", Spear, 6, 3, 9, far, "", 2},
        {"knife stab from the full set", Knife2, 8, 1, 4, target, "32%", 0},
        {"aimed knife stab", Knife2, 9, 1, 5, target, "32%", 1},
        {"aimed knife stab one point short", Knife2, 9, 1, 4, far, "", 2},
        {"pistol shot", Pistol, 6, 1, 9, noAmmo, "", 2},
        {"aimed pistol shot", Pistol, 7, 1, 9, noAmmo, "", 2},
        {"fast shooter's shot", FastPistol, 6, 1, 9, noAmmo, "", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearInventory(w);
        w.character.traits = {trTalent, c.hand == FastPistol ? trFastShooter : trSexAppeal};
        if (c.hand == Spear) holdInFirstHand(itSpear);
        if (c.hand == Pistol || c.hand == FastPistol) holdInFirstHand(itPistol10mm);
        buildActionList(w);
        if (c.hand == Knife2) {
            addItem(w, itKnife, 1);
            w.inventory.hand2Slot = 1;
            switchHand(w);
        }
        standAt(c.dis);
        battle::chooseClick(w, c.position);
        w.battle.tp.value = c.tp;
        w.battle.epic.hint.clear();
        w.combat.aimedAttack = 2;

        battle::readyClick(w);

        const bool targeting = c.warn == target;
        EXPECT_EQ(w.battle.warn.text, c.warn);
        EXPECT_EQ(w.battle.epic.cursor, targeting ? Cursor::Cross : Cursor::Arrow);
        EXPECT_EQ(w.battle.epic.hint, c.hint);
        EXPECT_EQ(w.combat.aimedAttack, c.aimed);
        EXPECT_EQ(w.battle.tp.value, c.tp) << "confirming charges nothing yet";
    }
}

TEST_F(CombatScreenAttack, TheEnemyClickAttacksOnlyInTargetingMode) {
    standAt(1);
    battle::epicClick(w);
    EXPECT_TRUE(t.rng.asked.empty());

    confirm(6);
    battle::chooseClick(w, 0); // choosing any entry leaves the targeting mode
    EXPECT_EQ(w.battle.epic.cursor, Cursor::Arrow);
    battle::epicClick(w);
    EXPECT_TRUE(t.rng.asked.empty());

    confirm(6);
    t.rng.push({99});
    battle::epicClick(w);
    EXPECT_EQ(t.rng.asked.size(), 1u);
    EXPECT_EQ(w.battle.tp.value, 6);
    EXPECT_EQ(w.battle.warn.text, "ДемоИгрок бьёт.");
    EXPECT_EQ(w.battle.epic.cursor, Cursor::Arrow);
    EXPECT_FALSE(w.accform.window.visible);
    battle::epicClick(w);
    EXPECT_EQ(t.rng.asked.size(), 1u) << "the attack ended the targeting";
    advance(750);
    EXPECT_EQ(w.battle.warn.text, "Вы промахнулись");
}

TEST_F(CombatScreenAttack, AConfirmedAttackWaitsThroughTheEnemysTurnAndUsesTheRefilledPoints) {
    standAt(1);
    w.battle.tp.value = 3;
    confirm(6);
    EXPECT_EQ(w.battle.tp.value, 3);
    battle::endtClick(w);
    EXPECT_EQ(w.battle.tp.value, 9);
    t.rng.push({99, 99}); // the rat's two attacks miss
    advance(3000);
    EXPECT_EQ(w.battle.epic.cursor, Cursor::Cross);
    t.rng.push({99});
    battle::epicClick(w);
    EXPECT_EQ(w.battle.tp.value, 6);
    EXPECT_EQ(t.rng.asked.size(), 3u);
}

// ---------------------------------------------------------------------------------------------------
// The enemy's turn.

struct EnemyTurn : FightTest {};

TEST(EnemyTurnPlan, PlansStepsAndAttacksByDistanceAndPointsAndPlaysThemOnTheTimer) {
    struct Case {
        std::string name;
        int fight;
        int dis;       // 0: as the fight starts
        int apPerTurn; // INT_MIN: the fight's own
        int steps, attacks, interval;
        Times stepTimes, attackTimes;
    };
    const int own = INT_MIN;
    const std::vector<Case> cases = {
        {"the rat's first turn: six steps", 1, 0, own, 6, 0, 250, {250, 500, 750, 1000, 1250, 1500}, {}},
        {"the lizard's first turn: seven steps",
         2,
         0,
         own,
         7,
         0,
         250,
         {250, 500, 750, 1000, 1250, 1500, 1750},
         {}},
        {"distance 1, six points: two attacks a second apart", 1, 1, own, 0, 2, 300, {}, {300, 1300}},
        {"distance 1, seven points: two attacks", 2, 1, own, 0, 2, 300, {}, {300, 1300}},
        {"distance 1, five points: one attack", 3, 1, own, 0, 1, 300, {}, {300}},
        {"distance 3, six points: two steps, one attack", 1, 3, own, 2, 1, 300, {300, 600}, {900}},
        {"distance 2: one step, five points left pay one attack", 1, 2, own, 1, 1, 300, {300}, {600}},
        {"distance 4: three steps, one attack", 1, 4, own, 3, 1, 300, {300, 600, 900}, {1200}},
        {"distance 7: six steps reach the player with no point left",
         1,
         7,
         own,
         6,
         0,
         250,
         {250, 500, 750, 1000, 1250, 1500},
         {}},
        {"distance 1, two points: no attack paid", 1, 1, 2, 0, 0, 300, {}, {}},
        {"crippled legs, no points: nothing", 1, 0, 0, 0, 0, 250, {}, {}},
        {"below no points: nothing", 1, 5, -2, 0, 0, 250, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        World& w = t.w;
        takeClick(w);
        startFight(w, c.fight);
        if (c.dis > 0) {
            w.battle.dis.value = c.dis;
            w.combat.distance = c.dis;
        }
        if (c.apPerTurn != own) w.combat.enemy.enemyApPerTurn = c.apPerTurn;
        const int disBefore = w.battle.dis.value;
        w.battle.tp.value = 1;
        w.combat.attackerSide = 2;

        battle::endtClick(w);

        EXPECT_EQ(w.battle.tp.value, 9) << "the player's points are refilled at once";
        EXPECT_EQ(w.combat.enemyStepCount, c.steps);
        EXPECT_EQ(w.combat.enemyAttackCount, c.attacks);
        EXPECT_TRUE(w.battle.Timer1.running);
        EXPECT_EQ(w.battle.Timer1.interval, c.interval);
        if (c.interval == 300) {
            EXPECT_EQ(w.combat.attackerSide, 1);
            EXPECT_EQ(w.combat.enemyAttackPhase, 1);
        }
        EXPECT_EQ(w.battle.dis.value, disBefore) << "the steps are not shown yet";

        for (std::size_t i = 0; i < c.attackTimes.size(); ++i)
            t.rng.push({99}); // every attack misses
        Times steps, attacks;
        std::vector<bool> enabledAtSteps;
        HandlerRunner logging = [&](const std::function<void(World&)>& h) {
            const int dis = w.battle.dis.value;
            const std::size_t rolls = t.rng.asked.size();
            h(w);
            if (w.battle.dis.value < dis) {
                steps.push_back(w.now);
                enabledAtSteps.push_back(w.battle.window.enabled);
            }
            if (t.rng.asked.size() > rolls) attacks.push_back(w.now);
        };
        advanceTime(w, 5000, logging);

        EXPECT_EQ(steps, c.stepTimes);
        EXPECT_EQ(attacks, c.attackTimes);
        EXPECT_EQ(enabledAtSteps, std::vector<bool>(c.stepTimes.size(), false))
            << "the screen is disabled at each approach step";
        EXPECT_EQ(w.battle.dis.value, disBefore - c.steps);
        EXPECT_EQ(w.battle.epic.left, 624 - 31 * c.steps);
        EXPECT_EQ(w.combat.distance, w.battle.dis.value);
        EXPECT_FALSE(w.battle.Timer1.running);
        EXPECT_TRUE(w.battle.window.enabled);
        EXPECT_EQ(w.battle.hp.value, 30);
        EXPECT_TRUE(t.rng.queued.empty());
    }
}

TEST_F(EnemyTurn, TheRatsFirstTurnEndsFourteenAwayWithItsPictureAt438) {
    battle::endtClick(w);
    advance(1750);
    EXPECT_EQ(w.battle.dis.value, 14);
    EXPECT_EQ(w.battle.epic.left, 438);
    EXPECT_FALSE(w.battle.Timer1.running);
}

TEST_F(EnemyTurn, EachAttackAnnouncesItselfAndShowsItsOutcome750MsLater) {
    standAt(1);
    battle::endtClick(w);
    t.rng.push({46, 4, 50}); // 50 - 4 = 46 hits: 1 + 4
    advance(300);
    EXPECT_EQ(w.battle.warn.text, "Грызоклык атакует");
    EXPECT_EQ(w.battle.hp.value, 25);
    EXPECT_EQ(w.InvForm.hp.text, "25") << "the inventory shows the fight's hit points";
    EXPECT_EQ(w.battle.Timer1.interval, 1000);
    EXPECT_EQ(w.combat.enemyAttackPhase, 2);
    advance(749);
    EXPECT_EQ(w.battle.warn.text, "Грызоклык атакует");
    advance(1);
    EXPECT_EQ(w.battle.warn.text, "ДемоИгрок ранена на  5  жизней");
    t.rng.push({47});
    advance(250);
    EXPECT_EQ(w.battle.warn.text, "Грызоклык атакует");
    EXPECT_FALSE(w.battle.Timer1.running);
    advance(750);
    EXPECT_EQ(w.battle.warn.text, "Грызоклык не попал.");
    EXPECT_EQ(w.battle.hp.value, 25);
    EXPECT_EQ(w.character.hitPoints, 30) << "a fight never writes the character's hit points";
}

TEST_F(EnemyTurn, TheEnemySpeaksAsItselfAfterThePlayerAttackedBetweenItsAttacks) {
    standAt(1);
    battle::endtClick(w);
    t.rng.push({99});
    advance(300); // the first attack misses; the screen takes input again
    EXPECT_TRUE(w.battle.window.enabled);
    confirm(6);
    t.rng.push({99});
    battle::epicClick(w);
    EXPECT_EQ(w.combat.attackerSide, 2);
    t.rng.push({1, 4, 50});
    advance(1000);
    EXPECT_EQ(w.combat.pendingHitMessage, "ДемоИгрок ранена на  5  жизней");
    EXPECT_EQ(w.battle.hp.value, 25);
    EXPECT_EQ(w.combat.enemy.enemyHp, 20);
}

TEST_F(EnemyTurn, DeathByTheFirstOfTwoAttacksStillLetsTheSecondFollow) {
    standAt(1);
    w.battle.hp.value = 3;
    battle::endtClick(w);
    t.rng.push({10, 4, 50});
    advance(300);
    auto& b = w.battle;
    EXPECT_EQ(b.hp.value, -2);
    EXPECT_FALSE(b.char_.visible);
    EXPECT_FALSE(b.choose.visible);
    EXPECT_FALSE(b.ready.visible);
    EXPECT_FALSE(b.endt.visible);
    EXPECT_TRUE(b.lose.visible);
    EXPECT_EQ(b.warn.text, "Вы были загрызены досмерти.");
    EXPECT_EQ(w.InvForm.hp.text, "-2");
    EXPECT_TRUE(b.Timer1.running);
    advance(750);
    EXPECT_EQ(b.warn.text, "ДемоИгрок ранена на  5  жизней");
    t.rng.push({99});
    advance(250);
    EXPECT_EQ(t.rng.asked.size(), 4u) << "the second attack is rolled";
    EXPECT_EQ(b.warn.text, "Вы были загрызены досмерти.");
    EXPECT_FALSE(b.Timer1.running);
    advance(750);
    EXPECT_EQ(b.warn.text, "Грызоклык не попал.");
    EXPECT_EQ(w.character.hitPoints, 30);

    EXPECT_EQ(quits, 0);
    battle::loseClick(w);
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(w.Menuform.window.visible);
}

TEST_F(EnemyTurn, TheEnemyStopsNextToAPlayerWhoSteppedInDuringItsApproach) {
    standAt(5);
    battle::endtClick(w); // four steps, 300 ms apart; two points left pay no attack
    w.combat.pendingHitMessage = "Вы промахнулись";
    startTimer(w, w.battle.hit, 350); // an outcome gives the screen back after the first step
    advance(350);
    ASSERT_TRUE(w.battle.window.enabled);
    ASSERT_EQ(w.battle.dis.value, 4);
    confirm(1);
    confirm(1);
    EXPECT_EQ(w.battle.dis.value, 2);
    advance(2000);
    // The distance never goes below 1: the steps left over are not taken.
    EXPECT_EQ(w.battle.dis.value, 1);
    EXPECT_EQ(w.combat.distance, 1);
    EXPECT_EQ(w.battle.epic.left, 624 - 2 * 31);
    EXPECT_EQ(w.battle.char_.left, 62);
    EXPECT_FALSE(w.battle.Timer1.running);
    EXPECT_TRUE(w.battle.window.enabled);
}

TEST_F(EnemyTurn, ASingleKillingAttackAlsoHidesTheEndOfTurn) {
    fight(3);
    standAt(1);
    w.battle.hp.value = 3;
    battle::endtClick(w);
    t.rng.push({1, 0, 99}); // the scorpion's least: 3
    advance(300);
    EXPECT_EQ(w.battle.hp.value, 0);
    EXPECT_FALSE(w.battle.endt.visible);
    EXPECT_TRUE(w.battle.lose.visible);
    EXPECT_FALSE(w.battle.Timer1.running);
}

// ---------------------------------------------------------------------------------------------------
// The outcome timer.

struct CombatHitTimer : FightTest {};

TEST_F(CombatHitTimer, EnablesTheScreenInTheMiddleOfAnApproach) {
    battle::endtClick(w); // six steps, 250 ms apart
    advance(100);
    w.combat.pendingHitMessage = "Вы промахнулись";
    startTimer(w, w.battle.hit, 750); // due at 850
    advance(800);                     // steps at 250, 500, 750
    EXPECT_TRUE(w.battle.window.enabled);
    EXPECT_EQ(w.battle.warn.text, "Вы промахнулись");
    EXPECT_FALSE(w.battle.hit.running);
    advance(100); // the step at 1000
    EXPECT_FALSE(w.battle.window.enabled);
}

TEST_F(CombatHitTimer, EnablesTheScreenWhileTheBodyPartScreenIsOpen) {
    standAt(1);
    confirm(6);
    t.rng.push({99});
    battle::epicClick(w);
    confirm(7);
    battle::epicClick(w);
    EXPECT_FALSE(w.battle.window.enabled);
    EXPECT_TRUE(w.accform.window.visible);
    advance(750);
    EXPECT_TRUE(w.battle.window.enabled);
    EXPECT_TRUE(w.accform.window.visible);
    EXPECT_EQ(w.battle.warn.text, "Вы промахнулись");
}

TEST_F(CombatHitTimer, AnOutcomeDueWithTheEnemysAttackRunsFirstWhenItsTimeWasSetFirst) {
    standAt(1);
    confirm(6);
    t.rng.push({99});
    battle::epicClick(w); // its outcome due at 750
    advance(450);
    battle::endtClick(w); // the first bite due at 750 too
    t.rng.push({99, 99});
    std::vector<std::pair<std::int64_t, std::string>> shown;
    HandlerRunner logging = [&](const std::function<void(World&)>& h) {
        h(w);
        shown.emplace_back(w.now, w.battle.warn.text);
    };
    advanceTime(w, 2050, logging);
    EXPECT_EQ(shown, (std::vector<std::pair<std::int64_t, std::string>>{{750, "Вы промахнулись"},
                                                                        {750, "Грызоклык атакует"},
                                                                        {1500, "Грызоклык не попал."},
                                                                        {1750, "Грызоклык атакует"},
                                                                        {2500, "Грызоклык не попал."}}));
}

// ---------------------------------------------------------------------------------------------------
// Victory, and the character sheet from the fight.

TEST(CombatVictory, TheOutcomeGoesBackIntoTheStoryByFight) {
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        test::TestWorld t;
        World& w = t.w;
        takeClick(w);
        // The game screen's second choice selected when the fight started.
        w.Gameform.c[1].checked = true;
        w.Gameform.ready.enabled = true;
        startFight(w, n);
        w.battle.dis.value = 1;
        w.combat.enemy.enemyHp = 1;
        battle::chooseClick(w, 6);
        battle::readyClick(w);
        t.rng.push({1, 0, 99});
        battle::epicClick(w);
        ASSERT_TRUE(w.battle.vict.visible);

        battle::victClick(w);

        EXPECT_FALSE(w.battle.window.visible);
        EXPECT_TRUE(w.battle.endt.visible);
        EXPECT_EQ(w.battle.warn.text, "");
        const auto& g = w.Gameform;
        if (n == 1) {
            EXPECT_EQ(w.story.storyFlags[ratKilled], 1);
            EXPECT_TRUE(w.mapform.window.visible);
            EXPECT_FALSE(g.window.visible);
            EXPECT_EQ(g.fon.picture, "talk.jpg");
            continue;
        }
        EXPECT_TRUE(g.window.visible);
        EXPECT_FALSE(w.mapform.window.visible);
        EXPECT_TRUE(g.choose.visible);
        EXPECT_FALSE(g.c[1].visible);
        EXPECT_FALSE(g.c[1].checked) << "a hidden choice is deselected";
        EXPECT_FALSE(g.ready.enabled);
        if (n == 2) {
            EXPECT_EQ(
                g.m1.text,
                "На месте, где пасся ящерун вы находите верёвку. Видимо один из охотников оставил её здесь.");
            EXPECT_TRUE(hasItem(w, itRope, 1));
            EXPECT_EQ(g.c[0].caption, "Дальше>>");
            EXPECT_FALSE(g.c[2].visible);
            EXPECT_EQ(w.story.curStep, 111);
            EXPECT_EQ(w.story.storyFlags[lizardAlive], 0);
        } else {
            EXPECT_EQ(g.m1.text, "В сундуке вы нашли Взрывчатку и два целебных порошка.");
            EXPECT_TRUE(hasItem(w, itExplosives, 1));
            EXPECT_TRUE(hasItem(w, itHealingPowder, 2));
            EXPECT_EQ(g.c[0].caption, "Вернуться к двери");
            EXPECT_TRUE(g.c[2].visible);
            EXPECT_EQ(w.story.curStep, 8);
            EXPECT_EQ(w.story.storyFlags[scorpionAlive], 0);
        }
    }
}

struct CombatSheet : FightTest {};

TEST_F(CombatSheet, ShowsTheSheetWithTheTraitListInFront) {
    const auto& f = w.createform;
    battle::BitBtn3Click(w);
    EXPECT_TRUE(f.window.visible);
    EXPECT_FALSE(w.battle.window.enabled);
    EXPECT_LE(f.bonusp.z, f.traitsp.z) << "the bonus panel is not brought over the traits";
}

TEST_F(CombatSheet, BringsTheTraitListBackInFrontOfTheBonusPanel) {
    characterClick(w); // the game screen's "Хар." brings the bonus panel in front
    const auto& f = w.createform;
    ASSERT_GT(f.bonusp.z, f.traitsp.z);
    hide(w.createform.window);
    enableCombatScreen(w);

    battle::BitBtn3Click(w);

    EXPECT_TRUE(f.window.visible);
    EXPECT_FALSE(w.battle.window.enabled);
    EXPECT_GT(f.traitsp.z, f.bonusp.z);
    for (const auto& caption : f.t)
        EXPECT_GT(caption.z, f.bonusp.z);
    for (const auto& button : f.traitButton)
        EXPECT_GT(button.z, f.bonusp.z);
}

} // namespace
} // namespace cv
