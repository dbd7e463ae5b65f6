// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory store: adding, removing, testing and compacting the twenty slots, and the hands.
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/inventory/items.h"
#include "test_world.h"

namespace cv {
namespace {

// Slots from 1 up as (item, count); every later slot empty. An item 0 with a count is a stale empty slot.
using Slots = std::vector<std::pair<ItemId, int>>;

void fill(World& w, const Slots& slots) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        w.inventory.invItem[i + 1] = slots[i].first;
        w.inventory.invCount[i + 1] = slots[i].second;
    }
}

// The store as slots 1..20, empty slots shown as (0, 0) whatever count they keep.
Slots contents(const World& w) {
    Slots s;
    for (int i = 1; i <= kSlotCount; ++i) {
        const ItemId id = w.inventory.invItem[i];
        s.emplace_back(id, id == itNone ? 0 : w.inventory.invCount[i]);
    }
    return s;
}

Slots padded(Slots s) {
    s.resize(kSlotCount, {itNone, 0});
    return s;
}

// Twenty stacks, kinds repeating: the only way the store can fill up.
Slots fullStore(ItemId lastKind) {
    Slots s;
    for (int i = 1; i < kSlotCount; ++i)
        s.emplace_back(static_cast<ItemId>(1 + (i - 1) % 10), 1);
    s.emplace_back(lastKind, 1);
    return s;
}

struct StoreCase {
    std::string name;
    Slots before;
    ItemId id;
    int count;
    Slots after;
};

TEST(AddItem, FirstSlotHoldingTheKindOrEmptyDecides) {
    const std::vector<StoreCase> cases = {
        {"into an empty store: slot 1", {}, itKnife, 1, {{itKnife, 1}}},
        {"a kind already held raises its count",
         {{itKnife, 1}, {itCoins, 10}},
         itCoins,
         5,
         {{itKnife, 1}, {itCoins, 15}}},
        {"an empty slot before the held coins gets a second stack",
         {{itKnife, 1}, {itNone, 0}, {itCoins, 10}},
         itCoins,
         5,
         {{itKnife, 1}, {itCoins, 5}, {itCoins, 10}}},
        {"a stale count in an empty slot is replaced",
         {{itKnife, 1}, {itNone, 7}},
         itRope,
         1,
         {{itKnife, 1}, {itRope, 1}}},
        {"a full store drops the items silently", fullStore(itCoins), itMeat, 2, fullStore(itCoins)},
        {"a full store still stacks on slot 20", fullStore(itMeat), itMeat, 2,
         [] {
             Slots s = fullStore(itMeat);
             s.back().second = 3;
             return s;
         }()},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        fill(t.w, c.before);
        addItem(t.w, c.id, c.count);
        EXPECT_EQ(contents(t.w), padded(c.after));
    }
}

TEST(RemoveItem, TakesFromTheFirstSlotOfTheKindWithoutCompacting) {
    const std::vector<StoreCase> cases = {
        {"part of a stack", {{itKnife, 1}, {itCoins, 10}}, itCoins, 4, {{itKnife, 1}, {itCoins, 6}}},
        {"the last item empties the slot in place",
         {{itKnife, 1}, {itRope, 1}, {itSpear, 1}, {itMeat, 1}, {itFruit, 2}},
         itMeat,
         1,
         {{itKnife, 1}, {itRope, 1}, {itSpear, 1}, {itNone, 0}, {itFruit, 2}}},
        {"only the first stack of a kind",
         {{itCoins, 3}, {itCoins, 5}},
         itCoins,
         3,
         {{itNone, 0}, {itCoins, 5}}},
        {"too many leaves the slot occupied below zero",
         {{itCoins, 3}, {itCoins, 5}},
         itCoins,
         4,
         {{itCoins, -1}, {itCoins, 5}}},
        {"an absent kind changes nothing", {{itKnife, 1}}, itMeat, 1, {{itKnife, 1}}},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        fill(t.w, c.before);
        removeItem(t.w, c.id, c.count);
        EXPECT_EQ(contents(t.w), padded(c.after));
    }
}

TEST(HasItem, OneSlotMustHoldTheWholeCount) {
    struct Case {
        std::string name;
        Slots slots;
        ItemId id;
        int count;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"two slots of one are not two", {{itCoins, 1}, {itCoins, 1}}, itCoins, 2, false},
        {"one of them is one", {{itCoins, 1}, {itCoins, 1}}, itCoins, 1, true},
        {"exactly the count", {{itKnife, 1}, {itCoins, 10}}, itCoins, 10, true},
        {"one short", {{itKnife, 1}, {itCoins, 10}}, itCoins, 11, false},
        {"absent kind", {{itKnife, 1}, {itCoins, 10}}, itMeat, 1, false},
        {"after a gap", {{itKnife, 1}, {itNone, 4}, {itMeat, 1}}, itMeat, 1, true},
        {"in slot 20", fullStore(itExplosives), itExplosives, 1, true},
        {"the larger of two stacks", {{itCoins, 1}, {itCoins, 30}}, itCoins, 25, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        fill(t.w, c.slots);
        EXPECT_EQ(hasItem(t.w, c.id, c.count), c.expected);
    }
}

TEST(CompactInventory, ClosesGapsKeepingOrderAndTheHandsFollowTheirItems) {
    struct Case {
        std::string name;
        Slots before;
        int hand1, hand2;
        Slots after;
        int hand1After, hand2After;
    };
    const std::vector<Case> cases = {
        {"slot 4 emptied: later slots move up by one",
         {{itKnife, 1}, {itRope, 1}, {itSpear, 1}, {itNone, 0}, {itPistol10mm, 1}, {itFruit, 2}},
         5,
         2,
         {{itKnife, 1}, {itRope, 1}, {itSpear, 1}, {itPistol10mm, 1}, {itFruit, 2}},
         4,
         2},
        {"several gaps, stale counts dropped",
         {{itNone, 9}, {itCombatKnife, 1}, {itNone, 3}, {itNone, 0}, {itSpear, 1}, {itMeat, 2}},
         5,
         2,
         {{itCombatKnife, 1}, {itSpear, 1}, {itMeat, 2}},
         2,
         1},
        {"no gaps: nothing moves", {{itKnife, 1}, {itCoins, 4}}, 1, 0, {{itKnife, 1}, {itCoins, 4}}, 1, 0},
        {"a gap in the last slots only",
         {{itKnife, 1}, {itNone, 0}, {itNone, 0}},
         0,
         1,
         {{itKnife, 1}},
         0,
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        fill(t.w, c.before);
        t.w.inventory.hand1Slot = c.hand1;
        t.w.inventory.hand2Slot = c.hand2;
        compactInventory(t.w);
        EXPECT_EQ(contents(t.w), padded(c.after));
        for (int i = static_cast<int>(c.after.size()) + 1; i <= kSlotCount; ++i)
            EXPECT_EQ(t.w.inventory.invCount[i], 0)
                << "slot " << i << ": a moved stack leaves no count behind";
        EXPECT_EQ(t.w.inventory.hand1Slot, c.hand1After);
        EXPECT_EQ(t.w.inventory.hand2Slot, c.hand2After);
    }
}

TEST(CompactInventory, BeforeAddingAvoidsASecondCoinsSlot) {
    test::TestWorld t;
    fill(t.w, {{itKnife, 1}, {itNone, 0}, {itCoins, 10}});
    compactInventory(t.w);
    addItem(t.w, itCoins, 5);
    EXPECT_EQ(contents(t.w), padded({{itKnife, 1}, {itCoins, 15}}));
}

TEST(LoadTotal, WeightOncePerSlotUpToTheFirstEmptySlot) {
    struct Case {
        std::string name;
        Slots slots;
        int expected;
    };
    const std::vector<Case> cases = {
        {"empty store", {}, 0},
        {"weight counts once per stack", {{itRope, 3}, {itSpear, 1}, {itCoins, 500}}, 14},
        {"stops at the first empty slot", {{itKnife, 1}, {itNone, 0}, {itRope, 1}}, 1},
        {"every kind once",
         {{itKnife, 1},
          {itHealingPowder, 1},
          {itPistol10mm, 1},
          {itStimulant, 1},
          {itRope, 1},
          {itCombatKnife, 1},
          {itSpear, 1},
          {itFruit, 1},
          {itHerbRoot, 1},
          {itCoins, 1},
          {itMeat, 1},
          {itExplosives, 1}},
         27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        fill(t.w, c.slots);
        EXPECT_EQ(loadTotal(t.w), c.expected);
    }
}

TEST(ClearInventory, EmptiesEverySlotAndBothHands) {
    test::TestWorld t;
    fill(t.w, fullStore(itMeat));
    t.w.inventory.hand1Slot = 3;
    t.w.inventory.hand2Slot = 20;
    t.w.inventory.fromHand = true;
    clearInventory(t.w);
    for (int i = 1; i <= kSlotCount; ++i) {
        EXPECT_EQ(t.w.inventory.invItem[i], itNone);
        EXPECT_EQ(t.w.inventory.invCount[i], 0);
    }
    EXPECT_EQ(t.w.inventory.hand1Slot, 0);
    EXPECT_EQ(t.w.inventory.hand2Slot, 0);
    EXPECT_FALSE(t.w.inventory.fromHand);
}

} // namespace
} // namespace cv
