// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a player can do at a moment: every control of the shown, enabled windows that acts on a click,
// every line of their lists, the boxes to type into and the windows to close, each with its handler.
// The windows wire their widgets from this list, and the random player and the benchmarks play the
// game through it, so that both run the same handlers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vocab/controls.h"

namespace cv {

struct World;

struct PlayerInput {
    enum class Kind {
        Click,  // a click on the control
        Select, // a click on line `line` of a list box
        Type,   // a text typed into an edit or combo box
        Menu,   // a command of the game screen's menu; `address` is "Gameform MENU/COMMAND"
        Close,  // the window's own close button
    };
    Kind kind;
    std::string address; // WINDOW.CONTROL, as a play script names it
    int line = -1;
    // Runs the handler; for typing, with the text typed.
    std::function<void(World&, const std::string&)> run;
    // An input that ends the program (the exits that close the main menu).
    bool quits = false;
    // A list's handler, for any line (Select inputs only).
    std::function<void(World&, int)> pick = nullptr;
    // Where it is: its window, its control, the panel the control lies in and a cover that may lie over it.
    const Window* window = nullptr;
    const Control* control = nullptr;
    const Control* panel = nullptr;
    const Control* cover = nullptr;
    const bool* readOnly = nullptr; // an edit box's

    // Whether the player can do it now: its window shows and takes input, the control and its panel
    // show and are enabled, no cover lies in front of it (and a list has the line).
    bool available() const;
};

// Every input of every window of this world, in the windows' order of creation.
std::vector<PlayerInput> playerInputs(World& w);
// Those the player can do now.
std::vector<PlayerInput> availableInputs(World& w);

// The play-script line that does the input ("click Gameform.c1", "select battle.choose 6", ...).
std::string scriptLine(const PlayerInput& input, const std::string& typed = {});

} // namespace cv
