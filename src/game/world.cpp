// Window operations shared by every subsystem.
#include "world.h"

namespace cv {

void show(Window& w) {
    w.visible = true;
    ++w.raiseRequests;
}

void hide(Window& w) {
    w.visible = false;
}

void bringToFront(World& world, Control& c) {
    c.z = ++world.stackCounter;
}

} // namespace cv
