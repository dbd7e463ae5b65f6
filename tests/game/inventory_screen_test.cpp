// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory screen: the list and load, the item shown and its actions, the hands and the figure,
// using, examining, dropping and taking off items, and the close back to the game or the fight.
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "game/combat/battle.h"
#include "game/inventory/items.h"
#include "game/inventory/screen.h"
#include "game/story/gamescreen.h"
#include "randomplayer.h"
#include "test_world.h"

namespace cv {
namespace {

using Lines = std::vector<std::string>;
using Slots = std::vector<std::pair<ItemId, int>>;

const std::string kUsed = "<<Использовано>>";
const std::string kTop = "<<<--->>>";

const std::string kUse = "Использовать", kExamine = "Осмотреть", kDrop = "Положить на землю",
                  kTakeOff = "Снять";

Lines listed(const Lines& lines) {
    Lines all{kTop};
    all.insert(all.end(), lines.begin(), lines.end());
    return all;
}

// The ready-made heroine (30 of 30 hit points, melee damage 1, maximum load 150) on the game screen.
struct InventoryTest : ::testing::Test {
    test::TestWorld t;
    World& w = t.w;

    void SetUp() override { takeClick(w); }
    void TearDown() override { EXPECT_TRUE(t.rng.queued.empty()) << "scripted rolls left undrawn"; }

    void stock(const Slots& slots) {
        for (std::size_t i = 0; i < slots.size(); ++i) {
            w.inventory.invItem[i + 1] = slots[i].first;
            w.inventory.invCount[i + 1] = slots[i].second;
        }
    }
    Slots store() const {
        Slots s;
        for (int i = 1; i <= kSlotCount && w.inventory.invItem[i] != itNone; ++i)
            s.emplace_back(w.inventory.invItem[i], w.inventory.invCount[i]);
        return s;
    }
    void open() { inventoryClick(w); }
    void act(InvAction a) {
        inv::actionClick(w, a);
        inv::readyClick(w);
    }
    // Takes the item of the list line into the first free hand, as the player does.
    void takeInHand(int line) {
        inv::citemClick(w, line);
        act(InvAction::Use);
    }
    // The captions of the actions shown, top to bottom in the order a1 .. a6.
    Lines actionsShown() const {
        Lines shown;
        for (const auto& a : w.InvForm.a)
            if (a.visible) shown.push_back(a.caption);
        return shown;
    }
};

// ---------------------------------------------------------------------------------------------------
// Opening, the list and the item shown.

struct InventoryScreenOpen : InventoryTest {};

TEST_F(InventoryScreenOpen, FromTheGameScreenShowsTheCharactersFiguresAndBareHandDamage) {
    stock({{itSpear, 1}});
    open();
    takeInHand(1);
    inv::Image2Click(w);
    w.character.hitPoints = 22;

    open();

    const auto& f = w.InvForm;
    EXPECT_TRUE(f.window.visible);
    EXPECT_FALSE(w.Gameform.window.enabled);
    EXPECT_EQ(f.hp.text, "22");
    EXPECT_EQ(f.fhp.text, "30");
    EXPECT_EQ(f.fwe.text, "150");
    EXPECT_EQ(f.gruz.text, "4");
    EXPECT_EQ(f.citem.items, listed({kUsed}));
    // Both hands show the bare-handed damage; names and ranges stay as they were.
    EXPECT_EQ(f.min1.text, "1");
    EXPECT_EQ(f.max1.text, "3");
    EXPECT_EQ(f.min2.text, "1");
    EXPECT_EQ(f.max2.text, "3");
    EXPECT_EQ(f.w1.text, "Копьё");
    EXPECT_EQ(f.d1.text, "2");
    EXPECT_EQ(f.w2.text, "Без оружия:");
}

struct InventoryScreenList : InventoryTest {};

TEST_F(InventoryScreenList, RefreshListsTheStoreMarksTheHandsAndTotalsTheLoad) {
    struct Case {
        std::string name;
        Slots slots;
        int hand1, hand2;
        Lines lines;
        std::string load;
    };
    const std::vector<Case> cases = {
        {"nothing carried", {}, 0, 0, {}, "0"},
        {"a stack weighs once",
         {{itKnife, 1}, {itMeat, 3}, {itRope, 1}},
         0,
         0,
         {"Нож", "Мясо", "Верёвка"},
         "12"},
        {"held slots are marked",
         {{itKnife, 1}, {itMeat, 3}, {itSpear, 1}},
         1,
         3,
         {kUsed, "Мясо", kUsed},
         "6"},
        {"the load stops at a gap", {{itKnife, 1}, {itNone, 0}, {itSpear, 1}}, 0, 0, {"Нож", "Копьё"}, "1"},
        {"a value that is no item has no line",
         {{itKnife, 1}, {static_cast<ItemId>(13), 1}, {itSpear, 1}},
         0,
         0,
         {"Нож", "Копьё"},
         "5"},
        {"every kind",
         {{itKnife, 1},
          {itHealingPowder, 1},
          {itPistol10mm, 1},
          {itStimulant, 1},
          {itRope, 1},
          {itCombatKnife, 1},
          {itSpear, 1},
          {itFruit, 1},
          {itHerbRoot, 1},
          {itCoins, 100},
          {itMeat, 1},
          {itExplosives, 1}},
         0,
         0,
         {"Нож", "Целебный порошок", "10мм Пистолет", "Живолек", "Верёвка", "Боевой нож", "Копьё", "Фрукт",
          "Корень Тильвы", "Монеты", "Мясо", "Взрывчатка"},
         "27"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearInventory(w);
        stock(c.slots);
        w.inventory.hand1Slot = c.hand1;
        w.inventory.hand2Slot = c.hand2;
        auto& f = w.InvForm;
        f.choose.visible = true;
        f.itext.text = "прежнее";
        f.citem.selected = 1;

        refreshInventory(w);

        EXPECT_EQ(f.citem.items, listed(c.lines));
        EXPECT_EQ(f.gruz.text, c.load);
        EXPECT_FALSE(f.choose.visible);
        EXPECT_EQ(f.itext.text, "");
        EXPECT_EQ(f.citem.selected, -1);
    }
}

TEST_F(InventoryScreenList, DescribingOffersTheCataloguesActionsAndTakeOffForAHeldWeapon) {
    const Lines all{kUse, kExamine, kDrop}, noUse{kExamine, kDrop}, held{kExamine, kDrop, kTakeOff};
    struct Case {
        std::string name;
        Slots slots;
        int hand1, hand2;
        int line, hand; // a list line, or a hand picture (line 0)
        Lines actions;
        std::string text, count;
        int weight;
    };
    const std::string knife = "Заточенное орудие, используемое для разделки туш.";
    const std::vector<Case> cases = {
        {"a knife", {{itKnife, 1}}, 0, 0, 1, 0, all, knife, "1", 1},
        {"meat",
         {{itKnife, 1}, {itMeat, 3}},
         0,
         0,
         2,
         0,
         noUse,
         "Небольшой кусок вяленого мяса двурога",
         "3",
         1},
        {"a fruit", {{itFruit, 2}}, 0, 0, 1, 0, all, "Небольшое мутировавшее яблоко.", "2", 1},
        {"a stimulant",
         {{itStimulant, 1}},
         0,
         0,
         1,
         0,
         all,
         "Сильная инъекция для заживления тяжёлых ранений",
         "1",
         0},
        {"the rope", {{itRope, 1}}, 0, 0, 1, 0, noUse, "Длинный кусок крепкого материала", "1", 10},
        {"coins",
         {{itCoins, 100}},
         0,
         0,
         1,
         0,
         noUse,
         "Это то, что заречные люди называют \"деньги\"",
         "100",
         0},
        {"explosives",
         {{itExplosives, 1}},
         0,
         0,
         1,
         0,
         noUse,
         "Пластиковая взрывчатка - интересно, когда её изобрели?..",
         "1",
         4},
        {"a weapon with one hand full", {{itSpear, 1}, {itKnife, 1}}, 1, 0, 2, 0, all, knife, "1", 1},
        {"a weapon with both hands full",
         {{itSpear, 1}, {itPistol10mm, 1}, {itKnife, 1}},
         1,
         2,
         3,
         0,
         noUse,
         knife,
         "1",
         1},
        {"healing with both hands full",
         {{itSpear, 1}, {itPistol10mm, 1}, {itHealingPowder, 2}},
         1,
         2,
         3,
         0,
         all,
         "Пьянящее снадобье для заживления лёгких ранений.",
         "2",
         1},
        {"the first hand's weapon through the list", {{itKnife, 1}}, 1, 0, 1, 0, held, knife, "1", 1},
        {"the second hand's weapon through the list",
         {{itMeat, 1}, {itSpear, 1}},
         0,
         2,
         2,
         0,
         held,
         "Заточенный металлический наконечник на деревянном древке",
         "1",
         4},
        {"a weapon through its hand picture",
         {{itMeat, 1}, {itCombatKnife, 1}},
         0,
         2,
         0,
         2,
         held,
         "Это оружие - настоящий пример мастерства изготовителя",
         "1",
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearInventory(w);
        stock(c.slots);
        w.inventory.hand1Slot = c.hand1;
        w.inventory.hand2Slot = c.hand2;
        open();
        for (auto& a : w.InvForm.a)
            a.visible = true;

        if (c.hand == 0)
            inv::citemClick(w, c.line);
        else
            inv::handClick(w, c.hand);

        EXPECT_TRUE(w.InvForm.choose.visible);
        EXPECT_EQ(actionsShown(), c.actions);
        EXPECT_EQ(w.InvForm.itext.text, c.text);
        EXPECT_EQ(w.InvForm.numb.text, c.count);
        EXPECT_EQ(w.inventory.itemWeight, c.weight);
        inv::Image2Click(w);
    }
}

TEST_F(InventoryScreenList, TheFirstLineHidesTheActionsAndEmptiesTheText) {
    stock({{itKnife, 1}, {itMeat, 3}});
    open();
    inv::citemClick(w, 2);
    ASSERT_TRUE(w.InvForm.choose.visible);
    inv::handClick(w, 1);
    EXPECT_EQ(w.inventory.shownHand, 1);
    inv::citemClick(w, 0);
    EXPECT_FALSE(w.InvForm.choose.visible);
    EXPECT_EQ(w.InvForm.itext.text, "");
    EXPECT_EQ(w.InvForm.numb.text, "");
    EXPECT_EQ(w.inventory.shownHand, 0);
    inv::citemClick(w, 1);
    EXPECT_FALSE(w.inventory.fromHand);
    EXPECT_EQ(actionsShown(), (Lines{kUse, kExamine, kDrop}));
}

// ---------------------------------------------------------------------------------------------------
// The hands.

struct InventoryScreenHands : InventoryTest {};

TEST_F(InventoryScreenHands, AHandClickShowsTheFigureHoldingItsWeaponInFront) {
    struct Case {
        ItemId weapon;
        int hand;
        std::string figure;
    };
    const std::vector<Case> cases = {
        {itKnife, 1, "show/fknifeno.jpg"},
        {itCombatKnife, 2, "show/fknifeno.jpg"},
        {itPistol10mm, 1, "show/fgno.jpg"},
        {itSpear, 2, "show/fspearno.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weapon);
        clearInventory(w);
        stock({{itMeat, 1}, {c.weapon, 1}});
        (c.hand == 1 ? w.inventory.hand1Slot : w.inventory.hand2Slot) = 2;
        open();
        auto& f = w.InvForm;
        f.curshow.picture = "show/fnono.jpg";
        const int before = std::max(f.mainshow.z, f.curshow.z);

        inv::handClick(w, c.hand);

        EXPECT_EQ(f.curshow.picture, c.figure);
        EXPECT_GT(f.mainshow.z, before);
        EXPECT_GT(f.curshow.z, f.mainshow.z);
        EXPECT_TRUE(w.inventory.fromHand);
        EXPECT_EQ(w.inventory.shownSlot, 2);
        EXPECT_EQ(w.inventory.shownHand, c.hand);
        inv::Image2Click(w);
    }
}

TEST_F(InventoryScreenHands, AnEmptyHandIsDescribedLikeAnEmptySlotAndPutsTheFigureBehind) {
    stock({{itKnife, 1}});
    open();
    takeInHand(1);
    auto& f = w.InvForm;
    ASSERT_GT(f.curshow.z, f.mainshow.z);
    f.itext.text = "прежнее";
    for (auto& a : f.a)
        a.visible = true;

    inv::handClick(w, 2);

    EXPECT_LT(f.curshow.z, f.mainshow.z);
    EXPECT_EQ(f.curshow.picture, "show/fknifeno.jpg") << "the picture stays, only behind";
    EXPECT_TRUE(f.choose.visible);
    EXPECT_EQ(actionsShown(), Lines{});
    EXPECT_EQ(f.itext.text, "");
    EXPECT_TRUE(w.inventory.fromHand);
    EXPECT_EQ(w.inventory.shownSlot, 0);
    EXPECT_EQ(w.inventory.shownHand, 2);
}

// ---------------------------------------------------------------------------------------------------
// Using.

struct InventoryScreenUse : InventoryTest {};

TEST_F(InventoryScreenUse, AWeaponGoesIntoTheFreeHandWithItsFiguresAndTheLineIsMarkedInPlace) {
    struct Case {
        ItemId weapon;
        std::string picture, name, min, max, range, figure, text;
    };
    const std::vector<Case> cases = {
        {itKnife, "INV/knife.jpg", "Нож", "1", "9", "1", "show/fknifeno.jpg",
         "Заточенное орудие, используемое для разделки туш."},
        {itPistol10mm, "INV/10mm.jpg", "10мм Пистолет", "5", "12", "25", "show/fgno.jpg",
         "Автоматический пистолет калибра 10мм"},
        {itCombatKnife, "INV/knife2.jpg", "Боевой нож", "3", "13", "1", "show/fknifeno.jpg",
         "Это оружие - настоящий пример мастерства изготовителя"},
        {itSpear, "INV/spear.jpg", "Копьё", "3", "13", "2", "show/fspearno.jpg",
         "Заточенный металлический наконечник на деревянном древке"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weapon);
        clearInventory(w);
        stock({{itMeat, 2}, {c.weapon, 1}, {itRope, 1}});
        open();
        auto& f = w.InvForm;
        inv::citemClick(w, 2);
        const int before = std::max(f.mainshow.z, f.curshow.z);
        const std::string load = f.gruz.text;

        act(InvAction::Use);

        EXPECT_EQ(w.inventory.hand1Slot, 2);
        EXPECT_EQ(w.inventory.hand2Slot, 0);
        EXPECT_EQ(f.v1.picture, c.picture);
        EXPECT_EQ(f.w1.text, c.name);
        EXPECT_EQ(f.min1.text, c.min);
        EXPECT_EQ(f.max1.text, c.max);
        EXPECT_EQ(f.d1.text, c.range);
        EXPECT_EQ(f.curshow.picture, c.figure);
        EXPECT_GT(f.mainshow.z, before);
        EXPECT_GT(f.curshow.z, f.mainshow.z);
        EXPECT_EQ(f.citem.items, listed({"Мясо", kUsed, "Верёвка"}));
        EXPECT_EQ(f.gruz.text, load);
        EXPECT_EQ(actionsShown(), Lines{});
        // The selection goes back to the first line without the list's own click.
        EXPECT_EQ(f.citem.selected, 0);
        // With no action left to offer, the panel goes too.
        EXPECT_FALSE(f.choose.visible);
        EXPECT_EQ(f.itext.text, c.text);
        EXPECT_EQ(f.numb.text, "1");
        EXPECT_EQ(store(), (Slots{{itMeat, 2}, {c.weapon, 1}, {itRope, 1}}))
            << "the weapon stays in its slot";
        inv::Image2Click(w);
    }
}

TEST_F(InventoryScreenUse, ASecondWeaponTakesTheSecondHandAndAThirdFindsNoHand) {
    stock({{itKnife, 1}, {itSpear, 1}, {itPistol10mm, 1}});
    open();
    takeInHand(1);
    inv::citemClick(w, 2);
    EXPECT_EQ(actionsShown(), (Lines{kUse, kExamine, kDrop}));
    act(InvAction::Use);
    auto& f = w.InvForm;
    EXPECT_EQ(w.inventory.hand1Slot, 1);
    EXPECT_EQ(w.inventory.hand2Slot, 2);
    EXPECT_EQ(f.v2.picture, "INV/spear.jpg");
    EXPECT_EQ(f.w2.text, "Копьё");
    EXPECT_EQ(f.min2.text, "3");
    EXPECT_EQ(f.max2.text, "13");
    EXPECT_EQ(f.d2.text, "2");
    EXPECT_EQ(f.w1.text, "Нож");
    EXPECT_EQ(f.curshow.picture, "show/fspearno.jpg");
    EXPECT_EQ(f.citem.items, listed({kUsed, kUsed, "10мм Пистолет"}));

    inv::citemClick(w, 3);
    EXPECT_EQ(actionsShown(), (Lines{kExamine, kDrop}));
    act(InvAction::Use); // not offered; carried out anyway it does nothing
    EXPECT_EQ(w.inventory.hand1Slot, 1);
    EXPECT_EQ(w.inventory.hand2Slot, 2);
    EXPECT_EQ(f.citem.items, listed({kUsed, kUsed, "10мм Пистолет"}));
    EXPECT_EQ(f.curshow.picture, "show/fspearno.jpg");
    EXPECT_EQ(f.v1.picture, "INV/knife.jpg");
    EXPECT_EQ(f.v2.picture, "INV/spear.jpg");
}

TEST_F(InventoryScreenUse, HealingRaisesHitPointsNeverAboveTheMaximum) {
    struct Case {
        std::string name;
        ItemId item;
        int hpBefore, roll, extra, hpAfter;
        std::string md;
    };
    const std::vector<Case> cases = {
        {"fruit, least", itFruit, 10, 0, 4, 11, "7"},
        {"fruit, most", itFruit, 10, 4, 4, 15, "7"},
        {"stimulant, least", itStimulant, 10, 0, 5, 25, "7"},
        {"stimulant, most", itStimulant, 10, 5, 5, 30, "7"},
        {"powder, least", itHealingPowder, 10, 0, 5, 20, "6"},
        {"powder over the maximum", itHealingPowder, 25, 5, 5, 30, "6"},
        {"fruit at full health", itFruit, 30, 4, 4, 30, "7"},
        {"stimulant one short of full", itStimulant, 29, 3, 5, 30, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearInventory(w);
        stock({{itMeat, 1}, {c.item, 2}});
        w.character.hitPoints = c.hpBefore;
        w.InvForm.mdc.text = "7";
        t.rng.asked.clear();
        open();
        inv::citemClick(w, 2);
        t.rng.push({c.roll});

        act(InvAction::Use);

        EXPECT_EQ(t.rng.asked, (std::vector<std::pair<int, int>>{{0, c.extra}}));
        EXPECT_EQ(w.InvForm.hp.text, std::to_string(c.hpAfter));
        EXPECT_EQ(w.character.hitPoints, c.hpAfter);
        EXPECT_EQ(w.InvForm.fhp.text, "30");
        EXPECT_EQ(w.InvForm.mdc.text, c.md);
        EXPECT_EQ(store(), (Slots{{itMeat, 1}, {c.item, 1}}));
        EXPECT_EQ(w.InvForm.citem.items.size(), 3u);
        EXPECT_FALSE(w.InvForm.choose.visible);
        EXPECT_EQ(w.InvForm.itext.text, "");
        inv::Image2Click(w);
    }
}

TEST_F(InventoryScreenUse, EveryHealingPowderLowersTheMdFigure) {
    stock({{itHealingPowder, 2}});
    w.character.hitPoints = 1;
    open();
    EXPECT_EQ(w.InvForm.mdc.text, "7");
    for (const char* md : {"6", "5"}) {
        inv::citemClick(w, 1);
        t.rng.push({0});
        act(InvAction::Use);
        EXPECT_EQ(w.InvForm.mdc.text, md);
    }
    EXPECT_EQ(w.character.hitPoints, 21);
    EXPECT_EQ(store(), Slots{});
    EXPECT_EQ(w.InvForm.citem.items, listed({}));
}

TEST_F(InventoryScreenUse, UsingTheLastFruitClosesTheGapAndTheHandFollowsItsWeapon) {
    stock({{itMeat, 1}, {itFruit, 1}, {itKnife, 1}, {itRope, 1}});
    w.inventory.hand1Slot = 3;
    w.character.hitPoints = 20;
    open();
    inv::citemClick(w, 2);
    t.rng.push({2});
    act(InvAction::Use);
    EXPECT_EQ(w.character.hitPoints, 23);
    EXPECT_EQ(store(), (Slots{{itMeat, 1}, {itKnife, 1}, {itRope, 1}}));
    EXPECT_EQ(w.inventory.hand1Slot, 2);
    EXPECT_EQ(w.InvForm.citem.items, listed({"Мясо", kUsed, "Верёвка"}));
    EXPECT_EQ(w.InvForm.numb.text, "");
    EXPECT_FALSE(w.InvForm.choose.visible);
    EXPECT_EQ(w.InvForm.itext.text, "");
    EXPECT_EQ(w.InvForm.gruz.text, "12");
}

TEST_F(InventoryScreenUse, AHiddenActionIsNoLongerChosenSoAHeldWeaponIsNotTakenTwice) {
    stock({{itKnife, 1}});
    open();
    inv::citemClick(w, 1);
    inv::actionClick(w, InvAction::Use);
    inv::readyClick(w); // into the first hand; "Использовать" is hidden and no longer chosen
    EXPECT_EQ(w.inventory.hand1Slot, 1);
    inv::citemClick(w, 1); // the held weapon: "Снять" offered, "Использовать" hidden
    EXPECT_FALSE(w.InvForm.a[0].visible);
    EXPECT_FALSE(w.InvForm.a[0].checked);
    inv::readyClick(w); // nothing is chosen: nothing happens
    EXPECT_EQ(w.inventory.hand2Slot, 0) << "the same knife in both hands";
    // Dropping it then leaves no hand on an empty slot.
    inv::actionClick(w, InvAction::Drop);
    inv::readyClick(w);
    EXPECT_EQ(w.inventory.hand1Slot, 0);
    EXPECT_EQ(w.inventory.hand2Slot, 0);
    EXPECT_EQ(w.inventory.invItem[1], itNone);
}

TEST_F(InventoryScreenUse, UsingAnItemWithoutAUseDoesNothing) {
    stock({{itRope, 1}, {itMeat, 2}});
    w.character.hitPoints = 20;
    open();
    inv::citemClick(w, 2);
    act(InvAction::Use); // not offered; carried out anyway
    EXPECT_EQ(store(), (Slots{{itRope, 1}, {itMeat, 2}}));
    EXPECT_EQ(w.character.hitPoints, 20);
    EXPECT_EQ(w.inventory.hand1Slot, 0);
    EXPECT_TRUE(w.InvForm.choose.visible);
    EXPECT_EQ(w.InvForm.citem.items, listed({"Верёвка", "Мясо"}));
}

// ---------------------------------------------------------------------------------------------------
// Examining.

struct InventoryScreenExamine : InventoryTest {};

TEST_F(InventoryScreenExamine, ShowsTheDetailOfTheListsItemOrOfTheHandsItem) {
    stock({{itKnife, 1}, {itMeat, 3}});
    w.inventory.hand1Slot = 1;
    open();
    inv::citemClick(w, 2);
    act(InvAction::Examine);
    EXPECT_EQ(w.InvForm.itext.text, itemInfo(itMeat)->detail);

    // Through the hand picture the hand's item is examined, whatever line is selected.
    inv::handClick(w, 1);
    act(InvAction::Examine);
    EXPECT_EQ(w.InvForm.itext.text, itemInfo(itKnife)->detail);
    EXPECT_NE(w.InvForm.itext.text.find("Повр. 1-8"), std::string::npos);
    EXPECT_EQ(store(), (Slots{{itKnife, 1}, {itMeat, 3}}));

    inv::citemClick(w, 2);
    act(InvAction::Examine);
    EXPECT_EQ(w.InvForm.itext.text, itemInfo(itMeat)->detail);
}

// ---------------------------------------------------------------------------------------------------
// Dropping and taking off.

struct InventoryScreenDrop : InventoryTest {};

TEST_F(InventoryScreenDrop, DropsOneItemOfAStackThroughTheList) {
    stock({{itKnife, 1}, {itMeat, 3}, {itRope, 1}});
    open();
    inv::citemClick(w, 2);
    act(InvAction::Drop);
    EXPECT_EQ(store(), (Slots{{itKnife, 1}, {itMeat, 2}, {itRope, 1}}));
    EXPECT_EQ(w.InvForm.citem.items, listed({"Нож", "Мясо", "Верёвка"}));
    EXPECT_FALSE(w.InvForm.choose.visible);
    EXPECT_EQ(w.InvForm.itext.text, "");

    for (int i = 0; i < 2; ++i) {
        inv::citemClick(w, 2);
        act(InvAction::Drop);
    }
    EXPECT_EQ(store(), (Slots{{itKnife, 1}, {itRope, 1}}));
    EXPECT_EQ(w.InvForm.citem.items, listed({"Нож", "Верёвка"}));
    EXPECT_EQ(w.InvForm.numb.text, "");
    EXPECT_EQ(w.InvForm.gruz.text, "11");
}

TEST_F(InventoryScreenDrop, AWeaponDroppedThroughItsHandPictureGoesWholeAndEmptiesTheHand) {
    stock({{itKnife, 2}, {itMeat, 1}, {itSpear, 1}});
    w.inventory.hand1Slot = 1;
    w.inventory.hand2Slot = 3;
    open();
    inv::handClick(w, 1);
    act(InvAction::Drop);

    const auto& f = w.InvForm;
    EXPECT_EQ(store(), (Slots{{itMeat, 1}, {itSpear, 1}})) << "the whole slot, whatever its count";
    EXPECT_EQ(w.inventory.hand1Slot, 0);
    EXPECT_EQ(w.inventory.hand2Slot, 2) << "the other hand follows its spear";
    EXPECT_EQ(f.v1.picture, "INV/no.jpg");
    EXPECT_EQ(f.w1.text, "Безоружна");
    EXPECT_EQ(f.min1.text, "1");
    EXPECT_EQ(f.max1.text, "3");
    EXPECT_EQ(f.d1.text, "1");
    EXPECT_EQ(f.citem.items, listed({"Мясо", kUsed}));
    EXPECT_FALSE(f.choose.visible);
    EXPECT_EQ(f.itext.text, "");
    EXPECT_EQ(f.numb.text, "");
    EXPECT_GT(f.mainshow.z, f.curshow.z);
    EXPECT_EQ(f.gruz.text, "5");
}

TEST_F(InventoryScreenDrop, AHeldWeaponDroppedThroughTheListEmptiesItsHand) {
    stock({{itKnife, 1}, {itMeat, 1}, {itSpear, 1}, {itRope, 1}});
    open();
    takeInHand(1);
    takeInHand(3);
    inv::citemClick(w, 3);
    act(InvAction::Drop);

    const auto& f = w.InvForm;
    EXPECT_EQ(store(), (Slots{{itKnife, 1}, {itMeat, 1}, {itRope, 1}}));
    EXPECT_EQ(w.inventory.hand1Slot, 1);
    EXPECT_EQ(w.inventory.hand2Slot, 0);
    EXPECT_EQ(f.v2.picture, "INV/no.jpg");
    EXPECT_EQ(f.w2.text, "Безоружна");
    EXPECT_EQ(f.min2.text, "1");
    EXPECT_EQ(f.max2.text, "3");
    EXPECT_EQ(f.d2.text, "1");
    EXPECT_EQ(f.w1.text, "Нож");
    EXPECT_EQ(f.citem.items, listed({kUsed, "Мясо", "Верёвка"}));
    EXPECT_FALSE(f.choose.visible);
    EXPECT_EQ(f.itext.text, "");
    EXPECT_EQ(f.numb.text, "");
    EXPECT_GT(f.mainshow.z, f.curshow.z);
}

struct InventoryScreenTakeOff : InventoryTest {};

TEST_F(InventoryScreenTakeOff, TakingOffEmptiesTheHandAndKeepsTheItem) {
    for (bool throughHand : {true, false}) {
        SCOPED_TRACE(throughHand ? "through the hand picture" : "through the list");
        clearInventory(w);
        stock({{itKnife, 1}, {itSpear, 1}});
        open();
        takeInHand(1);
        takeInHand(2);
        if (throughHand)
            inv::handClick(w, 2);
        else
            inv::citemClick(w, 2);
        EXPECT_EQ(actionsShown(), (Lines{kExamine, kDrop, kTakeOff}));

        act(InvAction::TakeOff);

        const auto& f = w.InvForm;
        EXPECT_EQ(store(), (Slots{{itKnife, 1}, {itSpear, 1}}));
        EXPECT_EQ(w.inventory.hand1Slot, 1);
        EXPECT_EQ(w.inventory.hand2Slot, 0);
        EXPECT_EQ(f.v2.picture, "INV/no.jpg");
        EXPECT_EQ(f.w2.text, "Без оружия");
        EXPECT_EQ(f.min2.text, "1");
        EXPECT_EQ(f.max2.text, "3");
        EXPECT_EQ(f.d2.text, "1");
        EXPECT_EQ(f.w1.text, "Нож");
        EXPECT_EQ(f.citem.items, listed({kUsed, "Копьё"}));
        EXPECT_EQ(f.itext.text, "");
        EXPECT_EQ(f.numb.text, "");
        EXPECT_GT(f.mainshow.z, f.curshow.z);
        inv::citemClick(w, 2);
        EXPECT_EQ(actionsShown(), (Lines{kUse, kExamine, kDrop})) << "the spear can be taken again";
        inv::Image2Click(w);
    }
}

// ---------------------------------------------------------------------------------------------------
// A picture that fails to load: every action that loads one does so before it changes anything, so the
// store stays whole and each hand holds what it shows, and the action can be tried again.

struct InventoryScreenPictureFault : InventoryTest {};

TEST_F(InventoryScreenPictureFault, LeavesTheStoreAndTheHandsAsTheyWere) {
    struct Case {
        std::string name, failing;
        std::function<void()> reach; // up to the action whose picture fails
        InvAction action;
    };
    const std::vector<Case> cases = {
        {"dropping the knife through its hand picture", "INV/no.jpg", [this] { inv::handClick(w, 1); },
         InvAction::Drop},
        {"dropping the held knife through the list", "INV/no.jpg", [this] { inv::citemClick(w, 1); },
         InvAction::Drop},
        {"taking the knife off", "INV/no.jpg", [this] { inv::handClick(w, 1); }, InvAction::TakeOff},
        {"taking the spear into the other hand, its hand picture", "INV/spear.jpg",
         [this] { inv::citemClick(w, 2); }, InvAction::Use},
        {"taking the spear into the other hand, its figure", "show/fspearno.jpg",
         [this] { inv::citemClick(w, 2); }, InvAction::Use},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearInventory(w);
        stock({{itKnife, 1}, {itSpear, 1}, {itRope, 1}});
        open();
        takeInHand(1);
        c.reach();
        const InventoryStore before = w.inventory;
        const std::string w1 = w.InvForm.w1.text, w2 = w.InvForm.w2.text;
        t.pictures.failing = {c.failing};

        for (int attempt = 0; attempt < 2; ++attempt) { // "Сделать" again changes nothing either
            inv::actionClick(w, c.action);
            EXPECT_THROW(inv::readyClick(w), PictureError);
            EXPECT_FALSE(soak::brokenInvariant(w)) << *soak::brokenInvariant(w);
            EXPECT_EQ(w.inventory.invItem, before.invItem);
            EXPECT_EQ(w.inventory.hand1Slot, before.hand1Slot);
            EXPECT_EQ(w.inventory.hand2Slot, before.hand2Slot);
            EXPECT_EQ(w.InvForm.w1.text, w1);
            EXPECT_EQ(w.InvForm.w2.text, w2);
        }
        t.pictures.failing.clear();
        act(c.action); // and goes through once the picture loads
        EXPECT_FALSE(soak::brokenInvariant(w)) << *soak::brokenInvariant(w);
        inv::Image2Click(w);
    }
}

TEST_F(InventoryScreenPictureFault, AHandClickWhoseFigureFailsLeavesTheItemShownBefore) {
    stock({{itKnife, 1}, {itRope, 1}});
    open();
    takeInHand(1);
    inv::citemClick(w, 2);
    t.pictures.failing = {"show/fknifeno.jpg"};

    EXPECT_THROW(inv::handClick(w, 1), PictureError);

    EXPECT_FALSE(w.inventory.fromHand);
    EXPECT_EQ(w.inventory.shownHand, 0);
    EXPECT_EQ(w.InvForm.itext.text, "Длинный кусок крепкого материала");
    act(InvAction::Drop); // the rope of the list, not the knife of the hand
    EXPECT_EQ(store(), (Slots{{itKnife, 1}}));
}

// ---------------------------------------------------------------------------------------------------
// Closing, and the inventory during a fight.

struct InventoryScreenClose : InventoryTest {};

TEST_F(InventoryScreenClose, FromTheGameScreenReturnsToTheGameScreen) {
    stock({{itKnife, 1}});
    open();
    const auto entries = w.battle.choose.items;
    takeInHand(1);
    inv::Image2Click(w);
    EXPECT_FALSE(w.InvForm.window.visible);
    EXPECT_TRUE(w.Gameform.window.visible);
    EXPECT_TRUE(w.Gameform.window.enabled);
    EXPECT_EQ(w.story.storyFlags[invFromBattle], 0);
    EXPECT_EQ(w.battle.choose.items, entries) << "no fight's list is rebuilt";
    EXPECT_FALSE(w.battle.window.visible);
}

TEST_F(InventoryScreenClose, FromAFightReturnsToTheFightWithTheWeaponTaken) {
    stock({{itKnife, 1}});
    startFight(w, 1);
    battle::chooseClick(w, 5);
    battle::readyClick(w);
    takeInHand(1);
    inv::Image2Click(w);

    EXPECT_FALSE(w.InvForm.window.visible);
    EXPECT_FALSE(w.Gameform.window.visible);
    EXPECT_TRUE(w.battle.window.visible);
    EXPECT_EQ(w.story.storyFlags[invFromBattle], 0);
    EXPECT_EQ(w.battle.choose.items.back(), "Приц. Рубить   4");
    EXPECT_EQ(w.battle.choose.items.size(), 8u);
    EXPECT_EQ(w.battle.wea.text, "Нож");
    EXPECT_EQ(w.battle.char_.picture, "view/knifev.jpg");
    EXPECT_EQ(w.combat.activeWeaponSlot, 1);
    EXPECT_EQ(w.battle.tp.value, 5);
}

TEST_F(InventoryScreenClose, AfterAFightTheGameScreensInventoryReturnsToTheGameScreen) {
    stock({{itKnife, 1}});
    startFight(w, 1);
    battle::chooseClick(w, 5);
    battle::readyClick(w);
    takeInHand(1);
    inv::Image2Click(w);
    w.battle.tp.value = 9;
    battle::chooseClick(w, 4);
    battle::readyClick(w); // flee
    ASSERT_TRUE(w.Gameform.window.visible);
    const auto entries = w.battle.choose.items;

    open();
    inv::handClick(w, 1);
    act(InvAction::TakeOff);
    inv::Image2Click(w);

    EXPECT_TRUE(w.Gameform.window.visible);
    EXPECT_TRUE(w.Gameform.window.enabled);
    EXPECT_FALSE(w.battle.window.visible);
    EXPECT_EQ(w.battle.choose.items, entries);
    EXPECT_EQ(w.battle.wea.text, "Нож");
}

struct InventoryScreenInFight : InventoryTest {};

TEST_F(InventoryScreenInFight, ShowsAndHealsTheFightsHitPointsUpToTheFightsMaximum) {
    w.character.hitPoints = 25;
    w.character.maxHitPoints = 40; // the fight's maximum is the sheet's 30
    stock({{itHealingPowder, 2}, {itFruit, 1}});
    startFight(w, 1);
    w.battle.hp.value = 12;
    battle::chooseClick(w, 5);
    battle::readyClick(w);
    const auto& f = w.InvForm;
    EXPECT_EQ(f.hp.text, "12");
    EXPECT_EQ(f.fhp.text, "30");
    // Opened first from a fight, the load's maximum and the hands' damage are shown too.
    EXPECT_EQ(f.fwe.text + " " + f.min1.text + "-" + f.max2.text, "150 1-3");

    inv::citemClick(w, 1);
    t.rng.push({5});
    act(InvAction::Use);
    EXPECT_EQ(w.battle.hp.value, 27);
    EXPECT_EQ(f.hp.text, "27");
    EXPECT_EQ(w.character.hitPoints, 25) << "the character's own figure is not written";
    EXPECT_EQ(f.mdc.text, "6");

    inv::citemClick(w, 1);
    t.rng.push({5});
    act(InvAction::Use);
    EXPECT_EQ(w.battle.hp.value, 30);
    EXPECT_EQ(f.hp.text, "30");
    EXPECT_EQ(w.character.hitPoints, 25);
    EXPECT_EQ(store(), (Slots{{itFruit, 1}}));

    inv::Image2Click(w);
    EXPECT_EQ(w.battle.hp.value, 30);

    // Outside the fight the character's own figure shows and heals again.
    battle::chooseClick(w, 4);
    battle::readyClick(w); // flee with 9 - 4 = 5 points: refused
    w.battle.tp.value = 8;
    battle::readyClick(w);
    ASSERT_TRUE(w.Gameform.window.visible);
    open();
    EXPECT_EQ(f.hp.text, "25");
    EXPECT_EQ(f.fhp.text, "40");
    inv::citemClick(w, 1);
    t.rng.push({4});
    act(InvAction::Use);
    EXPECT_EQ(w.character.hitPoints, 30);
    EXPECT_EQ(w.battle.hp.value, 30);
}

} // namespace
} // namespace cv
