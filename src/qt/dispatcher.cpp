// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a handler of the game, shows an error it raised in a message box, then redraws every window.
#include "dispatcher.h"

namespace cv::qt {

void Dispatcher::run(const std::function<void(World&)>& handler) {
    if (beforeRun && depth_ == 0) beforeRun();
    ++depth_;
    try {
        handler(world_);
    } catch (const std::exception& e) {
        // The handler stopped at the failing step; what it did before stays in effect, and the game goes on.
        syncAll();
        messages_.showMessage(QString::fromStdString(e.what()));
    }
    syncAll();
    --depth_;
    if (afterRun && depth_ == 0) afterRun();
}

} // namespace cv::qt
