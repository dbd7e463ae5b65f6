// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Window operations shared by every subsystem.
#include "world.h"

#include "combat/battle.h"

namespace cv {

World::World() {
    timers = {{&battle.Timer1, Timer1Timer, "battle.Timer1"}, {&battle.hit, hitTimer, "battle.hit"}};
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
