// The village map: the window, its location pictures and what entering a location shows.
#pragma once

namespace cv {

struct World;

void showMap(World& w);
void hideMap(World& w);

} // namespace cv
