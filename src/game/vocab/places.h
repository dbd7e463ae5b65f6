// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The places of the game: the fifteen locations and the named steps within those that have inner scenes.
#pragma once

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

} // namespace cv
