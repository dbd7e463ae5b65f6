// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The twenty-four story flags that remember what the player has done, by name.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cv {

// The story flags, in their order in memory.
enum class StoryFlag : int {
    innerDoorShut,
    scorpionAlive,
    invFromBattle,
    guardHasPowder,
    keeperSpearGift,
    lizardAlive,
    corpseUnsearched,
    dogHerbPending,
    elderBriefingPending,
    auntHasMeat,
    spearLessonAvailable,
    houseAHasFruit,
    houseBHasKnife,
    unarmedLessonAvailable,
    questMeat,
    questRat,
    questHerbs,
    questMessage,
    questWellKnife,
    dogFed,
    ratKilled,
    herbsDelivered,
    messageDelivered,
    wellKnifeRecovered,
};
inline constexpr int kStoryFlagCount = 24;

// Twenty-four one-byte flags, read and written by name.
struct StoryFlags {
    std::array<std::uint8_t, kStoryFlagCount> bytes{};

    std::uint8_t& operator[](StoryFlag f) { return bytes[static_cast<std::size_t>(f)]; }
    std::uint8_t operator[](StoryFlag f) const { return bytes[static_cast<std::size_t>(f)]; }
    bool isSet(StoryFlag f) const { return (*this)[f] == 1; }
};

} // namespace cv
