// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up and run: look, translations, the game, and the event loop until the
// main menu is closed.
#pragma once

#include <QString>
#include <functional>

#include "game.h"

namespace cv::qt {

struct ProgramOptions {
    // Services the game uses; the program's own when left empty.
    Rng* rng = nullptr;
    MessageSink* messages = nullptr;
    FontDialog* fontDialog = nullptr;
    QString assetRoot;
    bool realTime = true;
    // Called once the main menu is up, inside the event loop.
    std::function<void(Game&)> started;
    // Called after the event loop has ended, while the windows still exist.
    std::function<void(Game&)> ended;
};

// Gives the application its name, version and desktop entry, before the QApplication is made.
void nameProgram();

// Runs the game in the existing QApplication until the main menu is closed; returns the loop's status.
int runProgram(const ProgramOptions& options = {});

} // namespace cv::qt
