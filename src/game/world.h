// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The World: every piece of process-wide state of one run, and the services it uses. It knows the screens'
// models and the plain state; no subsystem.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "state/character.h"
#include "state/fight.h"
#include "state/screens/accform.h"
#include "state/screens/auth.h"
#include "state/screens/battle.h"
#include "state/screens/createf.h"
#include "state/screens/createform.h"
#include "state/screens/fonts.h"
#include "state/screens/gameform.h"
#include "state/screens/help.h"
#include "state/screens/invform.h"
#include "state/screens/mapform.h"
#include "state/screens/menuform.h"
#include "state/screens/storylog.h"
#include "state/screens/vesk.h"
#include "state/store.h"
#include "state/story.h"
#include "vocab/services.h"

namespace cv {

namespace fx {
class Host;
}

struct World {
    // Services, owned by whoever runs the game.
    Rng* rng = nullptr;
    Pictures* pictures = nullptr;
    FontDialog* fontDialog = nullptr;
    std::function<void()> requestQuit; // ends the program, as closing the main menu does
    // The game's operations that a layer calls without knowing who carries them out (the effects of the
    // story's tables, and the few steps a subsystem takes in another above it); set by the binding.
    fx::Host* host = nullptr;

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
    fx::Host& game() { return *host; }

    // Every screen, in the order the screens are created.
    std::array<Screen*, 13> screens();

    // Creates every screen's model, in the screens' order.
    World() = default;
    World(const World&) = delete;
    World& operator=(const World&) = delete;
};

// The registered timer of that name, or nullptr.
Timer* findTimer(World& w, const std::string& name);

// Window operations, for the shell that switches the screens.
// Shows a screen of its own.
void show(Window& w);
// Shows a window over the screen it serves.
void showOver(Window& w, const Window& owner);
void hide(Window& w);

// Stacking among a screen's controls, for the screen's owner.
void bringToFront(World& world, Control& c);
// Puts the control just behind another one.
void putBehind(World& world, Control& c, const Control& other);

} // namespace cv
