// The combat screen: a fight against one enemy on a single line, played in turns.
#include "battle.h"

#include "../world.h"

namespace cv {

void enableCombatScreen(World& w) {
    w.battle.window.enabled = true;
}

void disableCombatScreen(World& w) {
    w.battle.window.enabled = false;
}

} // namespace cv
