// Starting a new game, and the random checks and trap mishaps of the temple.
#include "newgame.h"

#include "../inventory/items.h"
#include "../world.h"

namespace cv {

void resetStory(World& w) {
    auto& flags = w.story.storyFlags;
    for (int i = innerDoorShut; i <= unarmedLessonAvailable; ++i)
        if (i != invFromBattle) flags[i] = 1; // that flag belongs to the inventory opened from a fight
    for (int i = questMeat; i <= wellKnifeRecovered; ++i)
        flags[i] = 0;
    w.caughtCount = 0;
    clearInventory(w);
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
    w.character.hitPoints -= 5;
}

} // namespace cv
