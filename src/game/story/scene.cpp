// The scene engine: the confirm step and the rules of each location.
#include "scene.h"

#include "../world.h"
#include "locations.h"

namespace cv {

int selectedChoice(const World& w) {
    for (int i = 0; i < 5; ++i)
        if (w.Gameform.c[i].checked) return i + 1;
    return 0;
}

void confirmChoice(World& w) {
    auto& g = w.Gameform;
    g.m1.text.clear();
    g.m2.text.clear();
    g.ready.visible = false;
    const int loc = w.story.curLocation;
    if (loc < locGuard || loc > locBridge) return;
    locationRules(loc)(w);
}

} // namespace cv
