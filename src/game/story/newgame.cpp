// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a new game, and the random checks and trap mishaps of the temple.
#include "newgame.h"

#include "../inventory/items.h"
#include "../world.h"
#include "gamescreen.h"
#include "storylog.h"

namespace cv {

void resetStory(World& w) {
    auto& flags = w.story.storyFlags;
    using enum StoryFlag;
    // invFromBattle is left alone: it belongs to the inventory opened from a fight.
    for (StoryFlag f : {innerDoorShut, scorpionAlive, guardHasPowder, keeperSpearGift, lizardAlive,
                        corpseUnsearched, dogHerbPending, elderBriefingPending, auntHasMeat,
                        spearLessonAvailable, houseAHasFruit, houseBHasKnife, unarmedLessonAvailable})
        flags[f] = 1;
    for (StoryFlag f : {questMeat, questRat, questHerbs, questMessage, questWellKnife, dogFed, ratKilled,
                        herbsDelivered, messageDelivered, wellKnifeRecovered})
        flags[f] = 0;
    w.caughtCount = 0;
    clearInventory(w);
    // Every game begins at the opening, also one started after the last ended in disgrace, and its log
    // with what its screen shows.
    showOpening(w);
    startStoryLog(w);
}

int checkThreshold(const World& w, Check check) {
    const CharacterRecord& c = w.character;
    switch (check) {
    case Check::PickLock:
        return c.lockpickSkill - 10;
    case Check::WalkCarefully:
        return 5 * (c.perception + c.intelligence);
    case Check::RunOverTraps:
        return 5 * (c.endurance + c.agility);
    case Check::StealFromGuard:
    case Check::StealFromAunt:
        break; // the thefts roll against their partner, by the conversations' rules
    }
    return 0;
}

bool randomCheck(World& w, Check check) {
    // The roll is drawn even when the threshold alone decides, so scripted rolls stay in step.
    const int roll = w.roll(1, 99);
    // A roll of 1..99 makes a threshold of 99 or more always succeed and one below 1 always fail.
    return roll <= checkThreshold(w, check);
}

void trapDamage(World& w) {
    w.character.hitPoints -= kTrapDamage;
}

} // namespace cv
