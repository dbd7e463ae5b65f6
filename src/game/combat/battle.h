// The combat screen: a fight against one enemy on a single line, played in turns.
#pragma once

namespace cv {

struct World;

void enableCombatScreen(World& w);
void disableCombatScreen(World& w);

} // namespace cv
