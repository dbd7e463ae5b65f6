// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory store: twenty slots of item kinds and counts, and the two hands.
#pragma once

#include <array>
#include <string>

#include "../vocab/items.h"

namespace cv {

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

    // Whether some slot holds at least `count` of the kind (stacks of a kind are not added together).
    bool holds(ItemId id, int count = 1) const {
        for (int i = 1; i <= kSlotCount; ++i)
            if (invItem[static_cast<std::size_t>(i)] == id && invCount[static_cast<std::size_t>(i)] >= count)
                return true;
        return false;
    }
    // The first empty slot, or 0 when every slot is taken.
    int firstEmptySlot() const {
        for (int i = 1; i <= kSlotCount; ++i)
            if (invItem[static_cast<std::size_t>(i)] == ItemId::itNone) return i;
        return 0;
    }
};

} // namespace cv
