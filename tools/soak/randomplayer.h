// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A random player: plays the game core through the same inputs the windows offer, at random, and checks
// the game's invariants after every step. A seed reproduces a run; a failure comes with the play script
// that replays its game through the real windows.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cv {
struct World;
}

namespace cv::soak {

struct Failure {
    std::uint64_t seed;    // the seed of the game that failed
    std::int64_t step;     // its step
    std::string what;      // the invariant or the error
    std::string script;    // the game's inputs from the start, as a play script
};

struct Report {
    std::int64_t steps = 0;
    std::int64_t games = 0;
    std::int64_t pictureErrors = 0; // the only errors allowed
    // How far the play went: fights started, won and lost, aimed attacks, conversations entered.
    std::int64_t fights = 0, victories = 0, deaths = 0, aimedAttacks = 0, talks = 0;
    std::optional<Failure> failure;
};

struct Options {
    std::uint64_t seed = 1;
    std::int64_t steps = 100000;     // inputs in all
    int stepsPerGame = 3000;         // a fresh program after that many
    double brokenPictures = 0.0;     // the share of picture loads that fail
    // A further invariant of the caller's, checked after every input as the game's own are.
    std::function<std::optional<std::string>(const cv::World&)> alsoCheck;
};

// Plays until `steps` inputs have been made or an invariant fails.
Report play(const Options& options);

// The invariants of a game at rest between two inputs; the first one that does not hold, or nothing.
std::optional<std::string> brokenInvariant(const cv::World& w);

} // namespace cv::soak
