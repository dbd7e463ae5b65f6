// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The binding: the one place above every subsystem. It carries out the game's operations that the layers
// below ask for (the effects of the tables, and a subsystem's steps in one above it), registers the
// timers with their handlers, and gives every control the screens declare what a player's input on it
// runs.
#pragma once

namespace cv {

struct World;

// Binds a World to the game: its operations, its timers and its inputs. Every World that is played is
// bound once, before anything runs on it.
void bindGame(World& w);

} // namespace cv
