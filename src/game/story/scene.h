// The scene engine: the confirm step and the rules of each location.
#pragma once

namespace cv {

struct World;

// "Выбрано": empties the story text, hides the confirm button and applies the current location's rules.
void confirmChoice(World& w);

// The selected choice on the game screen, 1..5, or 0 when none is selected.
int selectedChoice(const World& w);

} // namespace cv
