// What a won fight brings into the story, by the fight.
#pragma once

namespace cv {

struct World;

// The combat screen's "Победа!" has closed the fight and shown the game screen.
void fightWon(World& w, int fightId);

} // namespace cv
