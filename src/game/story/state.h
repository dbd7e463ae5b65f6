// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story state: where the player is, the step there, and the twenty-four story flags.
#pragma once

#include <array>
#include <cstdint>

namespace cv {

enum LocationId {
    locNone = 0,
    locGuard = 1,
    locShaman,
    locCousin,
    locHerd,
    locCornField,
    locSpearMaster,
    locHouseA,
    locElder,
    locHouseB,
    locWell,
    locStatue,
    locAunt,
    locHuntingGrounds,
    locTemple,
    locBridge
};
inline constexpr int kLocationCount = 15;

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

// The steps of the two locations with inner scenes.
namespace steps {
// The hunting grounds.
inline constexpr int huntingEntry = 1;      // set by the map: "Идти вглубь леса"
inline constexpr int huntingBack = 100;     // after the right-hand path, or leaving the clearing
inline constexpr int huntingFork = 111;     // at the fork
inline constexpr int huntingClearing = 112; // on the left path, where the lizard grazes
// The temple.
inline constexpr int templeGrove = 1;     // set by the map: the grove before the temple
inline constexpr int templeGuardTalk = 2; // the grove guard's conversation
inline constexpr int templeEntrance = 3;
inline constexpr int templeCorridor = 4;
inline constexpr int templeMetalDoor = 5;
inline constexpr int templeTrapHall = 6;
inline constexpr int templeHallEnd = 7;
inline constexpr int templeInner = 8; // in the small room with the chest, or at the inner door
// The bridge.
inline constexpr int bridgeEntry = 1;
// A conversation that is over: the next click on the first answer leaves.
inline constexpr int talkOver = 10;
} // namespace steps

struct StoryState {
    int curLocation = locNone;
    int curStep = 0;
    StoryFlags storyFlags;
};

} // namespace cv
