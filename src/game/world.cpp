// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The World's screens in order, its timers by name, and the window and stacking operations.
#include "world.h"

namespace cv {

std::array<Screen*, 13> World::screens() {
    return {&Menuform, &auth,    &createf,    &Gameform, &fonts, &mapform, &battle,
            &help,     &accform, &createform, &InvForm,  &Vesk,  &storylog};
}

Timer* findTimer(World& w, const std::string& name) {
    for (auto& b : w.timers)
        if (name == b.name) return b.timer;
    return nullptr;
}

void show(Window& w) {
    w.owner = nullptr;
    w.visible = true;
    ++w.raiseRequests;
}

void showOver(Window& w, const Window& owner) {
    show(w);
    w.owner = &owner;
}

void hide(Window& w) {
    w.visible = false;
}

void bringToFront(World& world, Control& c) {
    c.z = ++world.stackCounter;
}

void putBehind(World&, Control& c, const Control& other) {
    c.z = other.z - 1;
}

} // namespace cv
