// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Weapons in a fight: the action list of the weapon in the first hand, the set-up of a chosen attack,
// the attack roll with its outcome message, and the enemy's condition after the player's attack.
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "game/character/sheet.h"
#include "game/clock.h"
#include "game/combat/battle.h"
#include "game/combat/weapons.h"
#include "game/inventory/items.h"
#include "test_world.h"

namespace cv {
namespace {

using Strings = std::vector<std::string>;
using Ranges = std::vector<std::pair<int, int>>;

// The six fixed entries, spaces as the layout holds them; the fifth starts with a Latin capital C.
const Strings kFixed = {"Идти влево   1",
                        "Идти вправо   1",
                        "Идти вниз    1",
                        "Идти вверх    1",
                        "C"
                        "бежать 8",
                        "Инвентарь   4"};

Strings fixedPlus(const Strings& attacks) {
    Strings all = kFixed;
    all.insert(all.end(), attacks.begin(), attacks.end());
    return all;
}

// The ready-made heroine (unarmed 46, melee 36, melee damage 1, critical chance 6, female) in the
// rat's fight.
struct WeaponTest : ::testing::Test {
    test::TestWorld t;
    World& w = t.w;
    HandlerRunner direct = [this](const std::function<void(World&)>& h) { h(w); };

    void SetUp() override {
        takeClick(w);
        startFight(w, 1);
    }
    void TearDown() override { EXPECT_TRUE(t.rng.queued.empty()) << "scripted rolls left undrawn"; }

    // Puts the item into the store and the slot it landed in into the first hand (itNone: bare hands).
    void holdInFirstHand(ItemId id) {
        w.inventory.hand1Slot = 0;
        if (id == itNone) return;
        addItem(w, id, 1);
        for (int i = 1; i <= kSlotCount; ++i)
            if (w.inventory.invItem[i] == id) w.inventory.hand1Slot = i;
    }
};

// ---------------------------------------------------------------------------------------------------
// The action list.

struct WeaponList : WeaponTest {};

struct ProfileCase {
    std::string name;
    ItemId weapon;
    int sex;
    std::array<int, 2> traits;
    int meleeDamage;
    Strings attacks;
    std::string wea, min, max, dal, figure;
    int playerMin, playerMax;
    int chance; // 777: left as it was
};

TEST_F(WeaponList, EveryProfileListsItsEntriesLabelsFigureAndDamageState) {
    const std::array<int, 2> noTrait{trTalent, trSexAppeal};
    const std::vector<ProfileCase> cases = {
        {"bare hands",
         itNone,
         2,
         noTrait,
         1,
         {"Удар   3", "Приц. Удар   4"},
         "Безоружна",
         "1",
         "3",
         "1",
         "view/nov.jpg",
         2,
         4,
         42},
        {"bare hands, male figure",
         itNone,
         1,
         noTrait,
         1,
         {"Удар   3", "Приц. Удар   4"},
         "Безоружна",
         "1",
         "3",
         "1",
         "view/novm.jpg",
         2,
         4,
         42},
        {"bare hands, melee damage 3",
         itNone,
         2,
         noTrait,
         3,
         {"Удар   3", "Приц. Удар   4"},
         "Безоружна",
         "1",
         "5",
         "1",
         "view/nov.jpg",
         2,
         4,
         42},
        {"knife",
         itKnife,
         2,
         noTrait,
         1,
         {"Рубить   3", "Приц. Рубить   4"},
         "Нож",
         "1",
         "9",
         "1",
         "view/knifev.jpg",
         2,
         9,
         32},
        {"knife, male figure, melee damage 3",
         itKnife,
         1,
         noTrait,
         3,
         {"Рубить   3", "Приц. Рубить   4"},
         "Нож",
         "1",
         "11",
         "1",
         "view/knifevm.jpg",
         2,
         9,
         32},
        {"pistol",
         itPistol10mm,
         2,
         noTrait,
         1,
         {"Выстрел   5", "Приц. Выстрел   6"},
         "10мм Пистолет",
         "5",
         "12",
         "25",
         "view/gunv.jpg",
         5,
         12,
         777},
        {"pistol, male figure",
         itPistol10mm,
         1,
         noTrait,
         1,
         {"Выстрел   5", "Приц. Выстрел   6"},
         "10мм Пистолет",
         "5",
         "12",
         "25",
         "view/gunvm.jpg",
         5,
         12,
         777},
        {"pistol, fast shooter in the first trait slot",
         itPistol10mm,
         2,
         {trFastShooter, trTalent},
         1,
         {"Выстрел   4"},
         "10мм Пистолет",
         "5",
         "12",
         "25",
         "view/gunv.jpg",
         5,
         12,
         777},
        {"pistol, fast shooter in the second trait slot",
         itPistol10mm,
         2,
         {trTalent, trFastShooter},
         1,
         {"Выстрел   4"},
         "10мм Пистолет",
         "5",
         "12",
         "25",
         "view/gunv.jpg",
         5,
         12,
         777},
        {"spear",
         itSpear,
         2,
         noTrait,
         1,
         {"Ткнуть   4", "Приц. Ткнуть   5"},
         "Копьё",
         "3",
         "13",
         "2",
         "view/spearv.jpg",
         4,
         13,
         32},
        {"spear, male figure, melee damage 3",
         itSpear,
         1,
         noTrait,
         3,
         {"Ткнуть   4", "Приц. Ткнуть   5"},
         "Копьё",
         "3",
         "15",
         "2",
         "view/spearvm.jpg",
         4,
         13,
         32},
    };
    for (const ProfileCase& c : cases) {
        SCOPED_TRACE(c.name);
        clearInventory(w);
        holdInFirstHand(c.weapon);
        w.character.playerSex = c.sex;
        w.character.traits = c.traits;
        w.character.meleeDamage = c.meleeDamage;
        auto& b = w.battle;
        auto& s = w.combat;
        // What an earlier fight left behind.
        s.playerHitChance = 777;
        s.attackApCost = 55;
        s.aimedAttack = 1;
        s.activeHand = 2;
        s.distance = 0;
        b.dis.value = 13;
        b.choose.items = fixedPlus({"Рубить   3", "Приц. Рубить   4"});
        b.choose.visible = b.ready.visible = b.epic.visible = false;
        b.vict.visible = true;

        buildActionList(w);

        EXPECT_EQ(b.choose.items, fixedPlus(c.attacks));
        EXPECT_EQ(b.wea.text, c.wea);
        EXPECT_EQ(b.min.text, c.min);
        EXPECT_EQ(b.max.text, c.max);
        EXPECT_EQ(b.dal.text, c.dal);
        EXPECT_EQ(b.char_.picture, c.figure);
        EXPECT_EQ(s.playerMinDamage, c.playerMin);
        EXPECT_EQ(s.playerMaxDamage, c.playerMax);
        EXPECT_EQ(s.playerHitChance, c.chance);
        EXPECT_EQ(s.attackApCost, 55) << "the list leaves the attack's cost alone";
        EXPECT_EQ(s.activeWeaponSlot, w.inventory.hand1Slot);
        EXPECT_EQ(s.activeHand, 1);
        EXPECT_EQ(s.aimedAttack, 0);
        EXPECT_EQ(s.distance, 13);
        EXPECT_TRUE(b.choose.visible);
        EXPECT_TRUE(b.ready.visible);
        EXPECT_TRUE(b.epic.visible);
        EXPECT_FALSE(b.vict.visible);
    }
}

TEST_F(WeaponList, AFigureOfNeitherSexKeepsTheEarlierPicture) {
    for (ItemId weapon : {itNone, itKnife, itSpear, itPistol10mm}) {
        SCOPED_TRACE(weapon);
        clearInventory(w);
        holdInFirstHand(weapon);
        w.character.playerSex = 0;
        w.battle.char_.picture = "view/earlier.jpg";
        t.pictures.requested.clear();
        buildActionList(w);
        EXPECT_EQ(w.battle.char_.picture, "view/earlier.jpg");
        EXPECT_TRUE(t.pictures.requested.empty());
        EXPECT_EQ(w.battle.choose.items.size(), 8u) << "the entries are listed all the same";
    }
}

TEST_F(WeaponList, AnItemWithoutAProfileListsOnlyTheFixedEntriesAndKeepsTheEarlierLabels) {
    for (ItemId item : {itCombatKnife, itHealingPowder, itMeat, itRope}) {
        SCOPED_TRACE(item);
        clearInventory(w);
        holdInFirstHand(itSpear);
        buildActionList(w); // the spear's labels and figure
        auto& s = w.combat;
        s.aimedAttack = 1;
        s.activeHand = 2;
        addItem(w, item, 1);
        w.inventory.hand1Slot = 2;
        t.pictures.requested.clear();

        buildActionList(w);

        EXPECT_EQ(w.battle.choose.items, kFixed);
        EXPECT_EQ(w.battle.wea.text, "Копьё");
        EXPECT_EQ(w.battle.min.text, "3");
        EXPECT_EQ(w.battle.max.text, "13");
        EXPECT_EQ(w.battle.dal.text, "2");
        EXPECT_EQ(w.battle.char_.picture, "view/spearv.jpg");
        EXPECT_TRUE(t.pictures.requested.empty());
        EXPECT_EQ(s.playerMinDamage, 4);
        EXPECT_EQ(s.playerMaxDamage, 13);
        EXPECT_EQ(s.playerHitChance, 32);
        EXPECT_EQ(s.activeWeaponSlot, 2);
        EXPECT_EQ(s.activeHand, 1);
        EXPECT_EQ(s.aimedAttack, 0);
    }
}

TEST_F(WeaponList, AHandPointingAtAnEmptySlotIsNoWeaponAndNotBareHands) {
    holdInFirstHand(itSpear);
    buildActionList(w);
    w.inventory.hand1Slot = 5; // a slot that holds nothing
    t.pictures.requested.clear();

    buildActionList(w);

    EXPECT_EQ(w.battle.choose.items, kFixed);
    EXPECT_EQ(w.battle.wea.text, "Копьё");
    EXPECT_EQ(w.battle.max.text, "13");
    EXPECT_EQ(w.battle.dal.text, "2");
    EXPECT_EQ(w.battle.char_.picture, "view/spearv.jpg");
    EXPECT_TRUE(t.pictures.requested.empty());
    EXPECT_EQ(w.combat.activeWeaponSlot, 5);
}

TEST_F(WeaponList, BuildingAgainLeavesTheFixedEntriesAndTheCurrentWeaponsOnly) {
    holdInFirstHand(itSpear);
    buildActionList(w);
    clearInventory(w);
    holdInFirstHand(itKnife);
    buildActionList(w);
    EXPECT_EQ(w.battle.choose.items, fixedPlus({"Рубить   3", "Приц. Рубить   4"}));
    buildActionList(w);
    EXPECT_EQ(w.battle.choose.items, fixedPlus({"Рубить   3", "Приц. Рубить   4"}));
    clearInventory(w);
    buildActionList(w);
    EXPECT_EQ(w.battle.choose.items, fixedPlus({"Удар   3", "Приц. Удар   4"}));
}

TEST_F(WeaponList, RebuildingKeepsAChosenFixedEntryAndDropsAChosenAttack) {
    const std::vector<std::pair<int, int>> cases = {{-1, -1}, {0, 0}, {3, 3}, {5, 5}, {6, -1}, {7, -1}};
    for (auto [before, after] : cases) {
        SCOPED_TRACE(before);
        w.battle.choose.selected = before;
        buildActionList(w);
        EXPECT_EQ(w.battle.choose.selected, after);
    }
}

TEST_F(WeaponList, AFigureThatFailsToLoadStopsTheListAfterTheWeaponsEntriesWithTheHandInUseSet) {
    struct Case {
        ItemId weapon;
        std::string figure;
        Strings entries;
    };
    const std::vector<Case> cases = {
        {itKnife, "view/knifev.jpg", fixedPlus({"Рубить   3", "Приц. Рубить   4"})},
        {itPistol10mm, "view/gunv.jpg", fixedPlus({"Выстрел   5", "Приц. Выстрел   6"})},
        {itSpear, "view/spearv.jpg", fixedPlus({"Ткнуть   4", "Приц. Ткнуть   5"})},
        // Bare hands load the figure before adding their entries.
        {itNone, "view/nov.jpg", kFixed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weapon);
        clearInventory(w);
        holdInFirstHand(c.weapon);
        auto& b = w.battle;
        auto& s = w.combat;
        b.wea.text = b.min.text = b.max.text = b.dal.text = "old";
        b.char_.picture = "view/old.jpg";
        s.playerMinDamage = s.playerMaxDamage = s.playerHitChance = 777;
        s.aimedAttack = 1;
        s.activeHand = 2;
        b.dis.value = 7;
        b.vict.visible = true;
        t.pictures.failing = {c.figure};

        EXPECT_THROW(buildActionList(w), PictureError);

        EXPECT_EQ(b.choose.items, c.entries);
        EXPECT_EQ(b.wea.text, "old");
        EXPECT_EQ(b.min.text, "old");
        EXPECT_EQ(b.max.text, "old");
        EXPECT_EQ(b.dal.text, "old");
        EXPECT_EQ(b.char_.picture, "view/old.jpg");
        EXPECT_EQ(s.playerMinDamage, 777);
        EXPECT_EQ(s.playerMaxDamage, 777);
        EXPECT_EQ(s.playerHitChance, 777);
        // The steps before the weapon's are done: the first hand is the one in use.
        EXPECT_EQ(s.activeWeaponSlot, w.inventory.hand1Slot);
        EXPECT_EQ(s.activeHand, 1);
        EXPECT_EQ(s.aimedAttack, 0);
        EXPECT_EQ(s.distance, 7);
        EXPECT_FALSE(b.vict.visible);
        t.pictures.failing.clear();
    }
}

TEST_F(WeaponList, SwitchingHandsListsTheOtherHandsFullSetUnderTheSecondFixedForms) {
    // The fixed entries in their second form: three spaces each, a Cyrillic С.
    const Strings second = {"Идти влево   1", "Идти вправо   1", "Идти вниз   1",
                            "Идти вверх   1", "Сбежать 8",       "Инвентарь   4"};
    addItem(w, itKnife, 1);
    addItem(w, itSpear, 1);
    w.inventory.hand1Slot = 2; // the spear
    w.inventory.hand2Slot = 1; // the knife
    buildActionList(w);
    w.combat.aimedAttack = 1;
    w.battle.choose.visible = false;
    w.battle.dis.value = 4;
    w.battle.choose.selected = 3;

    switchHand(w);
    EXPECT_EQ(w.combat.activeHand, 2);
    EXPECT_EQ(w.combat.activeWeaponSlot, 1);
    Strings knife = second;
    knife.insert(knife.end(), {"Рубить   3", "Приц. Рубить   4", "Ткнуть   4", "Приц. Ткнуть   5"});
    EXPECT_EQ(w.battle.choose.items, knife);
    EXPECT_EQ(w.battle.choose.selected, -1);
    EXPECT_EQ(w.battle.wea.text, "Нож");
    EXPECT_EQ(w.battle.char_.picture, "view/knifev.jpg");
    EXPECT_EQ(w.combat.playerMinDamage, 2);
    EXPECT_EQ(w.combat.playerMaxDamage, 9);
    // It neither shows controls, reads the distance nor touches the aimed flag.
    EXPECT_FALSE(w.battle.choose.visible);
    EXPECT_EQ(w.combat.aimedAttack, 1);
    EXPECT_NE(w.combat.distance, 4);

    switchHand(w);
    EXPECT_EQ(w.combat.activeHand, 1);
    EXPECT_EQ(w.combat.activeWeaponSlot, 2);
    Strings spear = second;
    spear.insert(spear.end(), {"Ткнуть   4", "Приц. Ткнуть   5", "Метать   6", "Приц. Метать   7"});
    EXPECT_EQ(w.battle.choose.items, spear);
    EXPECT_EQ(w.battle.wea.text, "Копьё");
}

// ---------------------------------------------------------------------------------------------------
// Setting up the chosen entry.

struct WeaponSetup : WeaponTest {};

struct AttackSetup {
    std::string wea, min, max, dal;
    int playerMin, playerMax, chance, cost;
};

TEST_F(WeaponSetup, SetupAttackSetsTheChosenRowForEveryWeaponAndPosition) {
    const AttackSetup before{"прежнее", "p", "p", "p", 70, 71, 72, 73};
    auto nameOnly = [&](const char* wea) {
        AttackSetup s = before;
        if (wea) s.wea = wea;
        return s;
    };
    struct Row {
        ItemId weapon;
        int position;
        AttackSetup after;
    };
    std::vector<Row> rows = {
        {itNone, 6, {"Без оружия", "1", "3", "1", 1, 3, 42, 3}},
        {itNone, 7, {"Без оружия", "1", "3", "1", 1, 3, 42, 4}},
        {itKnife, 6, {"Нож", "1", "9", "1", 1, 9, 32, 3}},
        {itKnife, 7, {"Нож", "1", "9", "1", 1, 9, 32, 4}},
        {itKnife, 8, {"Нож", "1", "11", "1", 1, 11, 32, 4}},
        {itKnife, 9, {"Нож", "1", "11", "1", 1, 11, 32, 5}},
        {itSpear, 6, {"Копьё", "3", "13", "2", 3, 13, 32, 4}},
        {itSpear, 7, {"Копьё", "3", "13", "2", 3, 13, 32, 5}},
        {itSpear, 8, {"Копьё", "3", "15", "6", 3, 15, 32, 6}},
        {itSpear, 9, {"Копьё", "3", "15", "6", 3, 15, 32, 7}},
        // Bare hands have no second kind.
        {itNone, 8, nameOnly("Без оружия")},
        {itNone, 9, nameOnly("Без оружия")},
    };
    for (int position = 0; position <= 5; ++position) {
        rows.push_back({itNone, position, nameOnly("Без оружия")});
        rows.push_back({itKnife, position, nameOnly("Нож")});
        rows.push_back({itSpear, position, nameOnly("Копьё")});
    }
    for (int position = 0; position <= 9; ++position) {
        rows.push_back({itPistol10mm, position, nameOnly(nullptr)});
        rows.push_back({itCombatKnife, position, nameOnly(nullptr)});
        rows.push_back({itMeat, position, nameOnly(nullptr)});
    }
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.weapon << " at " << r.position);
        auto& b = w.battle;
        auto& s = w.combat;
        b.wea.text = before.wea;
        b.min.text = before.min;
        b.max.text = before.max;
        b.dal.text = before.dal;
        s.playerMinDamage = before.playerMin;
        s.playerMaxDamage = before.playerMax;
        s.playerHitChance = before.chance;
        s.attackApCost = before.cost;

        setupAttack(w, r.weapon, r.position);

        EXPECT_EQ(b.wea.text, r.after.wea);
        EXPECT_EQ(b.min.text, r.after.min);
        EXPECT_EQ(b.max.text, r.after.max);
        EXPECT_EQ(b.dal.text, r.after.dal);
        EXPECT_EQ(s.playerMinDamage, r.after.playerMin);
        EXPECT_EQ(s.playerMaxDamage, r.after.playerMax);
        EXPECT_EQ(s.playerHitChance, r.after.chance);
        EXPECT_EQ(s.attackApCost, r.after.cost);
    }
}

TEST_F(WeaponSetup, SetupAttackReadsTheSkillsAndMeleeDamageAsTheyAreNow) {
    w.character.meleeDamage = 4;
    addToSkill(w, Skill::meele, 10);  // 46
    addToSkill(w, Skill::unarm, -40); // 6
    setupAttack(w, itSpear, 8);
    EXPECT_EQ(w.battle.max.text, "18");
    EXPECT_EQ(w.combat.playerMaxDamage, 18);
    EXPECT_EQ(w.combat.playerHitChance, 42);
    setupAttack(w, itNone, 6);
    EXPECT_EQ(w.battle.max.text, "6");
    EXPECT_EQ(w.combat.playerHitChance, 2);
}

// ---------------------------------------------------------------------------------------------------
// The attack roll.

struct AttackRoll : WeaponTest {};

struct RollCase {
    std::string name;
    int side;
    int maxDamage, minDamage, chance, penalty;
    int aimBonus;
    std::vector<int> rolls;
    int damage;
    std::string message;
    Ranges asked;
};

TEST_F(AttackRoll, ResolveAttackRollsToHitDamageAndCriticalAndPreparesTheOutcome) {
    const Ranges miss{{1, 99}};
    const std::vector<RollCase> cases = {
        {"chance minus penalty 0: the lowest roll misses", 2, 5, 1, 4, 4, 0, {1}, 0, "Вы промахнулись", miss},
        {"chance minus penalty below 0: the lowest roll misses",
         1,
         5,
         1,
         -10,
         4,
         0,
         {1},
         0,
         "Грызоклык не попал.",
         miss},
        {"chance minus penalty 99: the highest roll hits",
         2,
         5,
         1,
         103,
         4,
         0,
         {99, 4, 50},
         5,
         "Грызоклык ранен на 5  жизней",
         {{1, 99}, {0, 4}, {1, 99}}},
        {"chance minus penalty above 99: the highest roll hits",
         1,
         5,
         1,
         250,
         2,
         0,
         {99, 0, 50},
         1,
         "ДемоИгрок ранена на  1  жизней",
         {{1, 99}, {0, 4}, {1, 99}}},
        {"a roll equal to chance minus penalty hits",
         1,
         5,
         1,
         50,
         4,
         0,
         {46, 4, 7},
         5,
         "ДемоИгрок ранена на  5  жизней",
         {{1, 99}, {0, 4}, {1, 99}}},
        {"one above it misses", 1, 5, 1, 50, 4, 0, {47}, 0, "Грызоклык не попал.", miss},
        {"min = max: the base is that value",
         2,
         3,
         3,
         60,
         0,
         0,
         {1, 0, 99},
         3,
         "Грызоклык ранен на 3  жизней",
         {{1, 99}, {0, 0}, {1, 99}}},
        {"critical at the character's chance, multiplier 2",
         2,
         12,
         5,
         60,
         0,
         0,
         {1, 3, 6, 2},
         16,
         "Грызоклык ранен на 16  жизней",
         {{1, 99}, {0, 7}, {1, 99}, {1, 2}}},
        {"critical, multiplier 1: normal damage",
         1,
         12,
         5,
         60,
         0,
         0,
         {1, 3, 6, 1},
         8,
         "ДемоИгрок ранена на  8  жизней",
         {{1, 99}, {0, 7}, {1, 99}, {1, 2}}},
        {"one above the critical chance: no multiplier drawn",
         2,
         12,
         5,
         60,
         0,
         0,
         {1, 3, 7},
         8,
         "Грызоклык ранен на 8  жизней",
         {{1, 99}, {0, 7}, {1, 99}}},
        {"the aimed bonus adds to the critical chance",
         1,
         5,
         1,
         60,
         0,
         40,
         {1, 4, 46, 2},
         10,
         "ДемоИгрок ранена на  10  жизней",
         {{1, 99}, {0, 4}, {1, 99}, {1, 2}}},
        {"one above chance plus bonus: no critical",
         2,
         5,
         1,
         60,
         0,
         40,
         {1, 4, 47},
         5,
         "Грызоклык ранен на 5  жизней",
         {{1, 99}, {0, 4}, {1, 99}}},
        {"neither side: a miss leaves the message", 0, 5, 1, 0, 0, 0, {50}, 0, "прежнее", miss},
        {"neither side: a hit leaves the message",
         0,
         5,
         1,
         99,
         0,
         0,
         {50, 0, 99},
         1,
         "прежнее",
         {{1, 99}, {0, 4}, {1, 99}}},
    };
    for (const RollCase& c : cases) {
        SCOPED_TRACE(c.name);
        t.rng.asked.clear();
        for (int r : c.rolls)
            t.rng.queued.push_back(r);
        w.combat.attackerSide = c.side;
        w.combat.aimBonus = c.aimBonus;
        w.combat.pendingHitMessage = "прежнее";
        stopTimer(w.battle.hit);
        w.now = 1000;

        EXPECT_EQ(resolveAttack(w, c.maxDamage, c.minDamage, c.chance, c.penalty), c.damage);

        EXPECT_EQ(w.combat.pendingHitMessage, c.message);
        EXPECT_EQ(t.rng.asked, c.asked);
        EXPECT_TRUE(t.rng.queued.empty());
        EXPECT_TRUE(w.battle.hit.running);
        EXPECT_EQ(w.battle.hit.interval, 750);
        EXPECT_EQ(nextTick(w), 1750);
    }
}

TEST_F(AttackRoll, ThePlayersAttackSpeaksInTheFixedNameAndHurtsTheEnemy) {
    w.character.playerName = "Мира";
    w.battle.dis.value = 1;
    battle::chooseClick(w, 6); // "Удар   3": 1 .. 3
    w.combat.attackerSide = 1;
    t.rng.push({38, 2, 50}); // 42 - 4 = 38 hits; 1 + 2
    playerAttack(w, w.combat.playerHitChance);
    EXPECT_EQ(w.combat.attackerSide, 2);
    EXPECT_EQ(w.battle.warn.text, "ДемоИгрок бьёт.");
    EXPECT_EQ(w.combat.lastDamage, 3);
    EXPECT_EQ(w.combat.enemy.enemyHp, 17);
    EXPECT_EQ(w.battle.tp.value, 6);
    EXPECT_EQ(w.battle.esos.text, "Ранен");
    EXPECT_EQ(w.combat.pendingHitMessage, "Грызоклык ранен на 3  жизней");
    advanceTime(w, 749, direct);
    EXPECT_EQ(w.battle.warn.text, "ДемоИгрок бьёт.");
    advanceTime(w, 1, direct);
    EXPECT_EQ(w.battle.warn.text, "Грызоклык ранен на 3  жизней");
    EXPECT_FALSE(w.battle.hit.running);

    // The enemy's message names the character as she is called.
    w.combat.attackerSide = 1;
    t.rng.push({1, 4, 50});
    resolveAttack(w, 5, 1, 50, 4);
    EXPECT_EQ(w.combat.pendingHitMessage, "Мира ранена на  5  жизней");
}

// ---------------------------------------------------------------------------------------------------
// The enemy's condition.

struct AttackEnemyCondition : WeaponTest {};

TEST_F(AttackEnemyCondition, TheEnemysConditionFollowsRealNumberThresholds) {
    struct Case {
        int maxHp, hp;
        std::string condition;
    };
    const std::vector<Case> cases = {
        {15, 15, "прежнее"},      {15, 14, "Ранен"},       {15, 8, "Ранен"},       {15, 7, "Тяжело ранен"},
        {15, 4, "Тяжело ранен"},  {15, 3, "Почти мёртв"},  {15, 1, "Почти мёртв"}, {20, 11, "Ранен"},
        {20, 10, "Тяжело ранен"}, {20, 6, "Тяжело ранен"}, {20, 5, "Почти мёртв"}, {30, 8, "Тяжело ранен"},
        {30, 7, "Почти мёртв"},   {15, 0, "Мёртв"},        {15, -4, "Мёртв"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hp << " of " << c.maxHp);
        auto& b = w.battle;
        b.esos.text = "прежнее";
        b.tp.value = 9;
        b.epic.cursor = Cursor::Cross;
        b.epic.visible = b.choose.visible = b.ready.visible = b.endt.visible = true;
        b.vict.visible = false;
        b.warn.text = "ДемоИгрок бьёт.";
        w.combat.attackApCost = 4;
        w.combat.enemy.enemyMaxHp = c.maxHp;
        w.combat.enemy.enemyHp = c.hp;

        updateEnemyCondition(w);

        EXPECT_EQ(b.esos.text, c.condition);
        EXPECT_EQ(b.tp.value, 5);
        EXPECT_EQ(b.epic.cursor, Cursor::Arrow);
        const bool won = c.hp < 1;
        EXPECT_EQ(b.vict.visible, won);
        EXPECT_EQ(b.epic.visible, !won);
        EXPECT_EQ(b.choose.visible, !won);
        EXPECT_EQ(b.ready.visible, !won);
        EXPECT_EQ(b.endt.visible, !won);
        EXPECT_EQ(b.warn.text, won ? "Победа!" : "ДемоИгрок бьёт.");
    }
}

TEST_F(AttackEnemyCondition, TheKillingBlowsOutcomeReplacesVictoryAfter750Ms) {
    w.battle.dis.value = 1;
    w.combat.enemy.enemyHp = 2;
    battle::chooseClick(w, 6);
    t.rng.push({1, 2, 99});
    playerAttack(w, w.combat.playerHitChance);
    EXPECT_EQ(w.combat.enemy.enemyHp, -1);
    EXPECT_EQ(w.battle.warn.text, "Победа!");
    EXPECT_EQ(w.battle.esos.text, "Мёртв");
    EXPECT_TRUE(w.battle.vict.visible);
    advanceTime(w, 750, direct);
    EXPECT_EQ(w.battle.warn.text, "Грызоклык ранен на 3  жизней");
    EXPECT_TRUE(w.battle.vict.visible);
}

} // namespace
} // namespace cv
