// The story state: where the player is, the step there, and the twenty-four story flags.
#pragma once

#include <array>
#include <cstdint>

namespace cv {

enum LocationId {
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

enum StoryFlag {
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
    kStoryFlagCount
};

struct StoryState {
    int curLocation = 0;
    int curStep = 0;
    std::array<std::uint8_t, kStoryFlagCount> storyFlags{};
};

} // namespace cv
