// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve item kinds and the size of the store.
#pragma once

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

} // namespace cv
