// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory store's operations and the item catalogue.
#pragma once

#include <string>
#include <vector>

#include "../state/store.h"

namespace cv {

struct World;

void addItem(World& w, ItemId id, int count);
void removeItem(World& w, ItemId id, int count);
bool hasItem(const World& w, ItemId id, int count);
void compactInventory(World& w);
// Sum of catalogue weights of the occupied slots from slot 1 up to the first empty one.
int loadTotal(const World& w);
// Empties every slot and both hands.
void clearInventory(World& w);
// Raises the first stack of the kind by `count`; false when no slot holds it (the elder's gift).
bool raiseFirstStack(World& w, ItemId id, int count);
// Puts a stack of its own into the first empty slot; false when there is none (the aunt's reward).
bool putInFirstEmptySlot(World& w, ItemId id, int count);

enum class ItemAction { Use, Examine, Drop };

struct HealRange {
    int base = 0, extra = 0; // base + a uniform 0..extra
};

struct WeaponData {
    std::string handName;
    int minDamage;
    int maxDamageOverMelee; // added to the melee damage bonus, or a fixed maximum when `fixedMax`
    bool fixedMax;
    int range;
    std::string handPicture; // INV/...
};

struct ItemInfo {
    std::string listName;
    int weight;
    std::string description;
    std::string detail; // segments joined with line breaks
    std::vector<ItemAction> actions;
    bool heals;
    HealRange heal;
    bool weapon;
    WeaponData weaponData;
};

// The catalogue entry of item 1..12, or nullptr for anything else.
const ItemInfo* itemInfo(ItemId id);

} // namespace cv
