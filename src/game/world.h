// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The World: every piece of process-wide state of one run, and the services it uses.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "character/record.h"
#include "combat/state.h"
#include "inventory/store.h"
#include "screens/createform.h"
#include "screens/gameform.h"
#include "screens/menuform.h"
#include "screens/others.h"
#include "services.h"
#include "story/state.h"

namespace cv {

struct World {
    // Services, owned by whoever runs the game.
    Rng* rng = nullptr;
    Pictures* pictures = nullptr;
    FontDialog* fontDialog = nullptr;
    std::function<void()> requestQuit; // ends the program, as closing the main menu does

    // The twelve screens, named as the program refers to them.
    screens::Menuform Menuform;
    screens::Auth auth;
    screens::Createf createf;
    screens::Gameform Gameform;
    screens::Fonts fonts;
    screens::Mapform mapform;
    screens::Battle battle;
    screens::Help help;
    screens::Accform accform;
    screens::Createform createform;
    screens::InvForm InvForm;
    screens::Vesk Vesk;
    screens::StoryLog storylog; // behind "Просмотреть весь разговор", after the twelve

    CharacterRecord character;
    StoryState story;
    InventoryStore inventory;
    int caughtCount = 0;
    CombatState combat;

    // The virtual clock, in milliseconds, the timers that tick on it with their handlers, and the
    // counters that order stacking and timer starts.
    struct TimerBinding {
        Timer* timer;
        void (*handler)(World&);
        const char* name; // WINDOW.TIMER, as a script names it
    };
    std::vector<TimerBinding> timers;
    std::int64_t now = 0;
    std::int64_t timerStarts = 0;
    int stackCounter = 100;

    int roll(int lo, int hi) { return rng->uniform(lo, hi); }

    // Creates every screen's model, in the screens' order, and registers the timers with their handlers.
    World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;
};

// The registered timer of that name, or nullptr.
Timer* findTimer(World& w, const std::string& name);

// Window operations shared by every subsystem.
// Shows a screen of its own.
void show(Window& w);
// Shows a window over the screen it serves.
void showOver(Window& w, const Window& owner);
void hide(Window& w);
void bringToFront(World& world, Control& c);
// Puts the control just behind another one.
void putBehind(World& world, Control& c, const Control& other);

} // namespace cv
