// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory store: twenty slots of item kinds and counts, and the two hands.
#pragma once

#include <array>
#include <string>

namespace cv {

// An item kind; any other value in a slot is not an item.
enum class ItemId : int {
    itNone = 0,
    itKnife = 1,
    itHealingPowder,
    itPistol10mm,
    itStimulant,
    itRope,
    itCombatKnife,
    itSpear,
    itFruit,
    itHerbRoot,
    itCoins,
    itMeat,
    itExplosives
};

inline constexpr int kItemKinds = 12;
inline constexpr int kSlotCount = 20;

// Whether the value names one of the twelve kinds.
inline bool isItem(ItemId id) {
    return static_cast<int>(id) >= 1 && static_cast<int>(id) <= kItemKinds;
}

struct InventoryStore {
    // Slots 1..20; index 0 is unused so that slot numbers read as they are spoken.
    std::array<ItemId, kSlotCount + 1> invItem{};
    std::array<int, kSlotCount + 1> invCount{};
    int hand1Slot = 0, hand2Slot = 0;
    // The inventory screen's own state: the item shown came through a hand picture (`fromHand`), which
    // slot and hand that was, and the weight of the item last described.
    bool fromHand = false;
    int shownSlot = 0, shownHand = 0;
    int itemWeight = 0;
    // Figure pictures of the character holding a weapon, set when a character is accepted.
    std::string showSpearPic, showKnifePic, showPistolPic;
};

} // namespace cv
