// The village map: the window, its location pictures and what entering a location shows.
#include "map.h"

#include "../world.h"

namespace cv {

void showMap(World& w) {
    show(w.mapform.window);
}

void hideMap(World& w) {
    hide(w.mapform.window);
}

} // namespace cv
