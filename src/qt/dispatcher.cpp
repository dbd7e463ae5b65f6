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

const PlayerInput* Dispatcher::input(const std::string& address) {
    if (inputs_.empty()) {
        inputs_ = playerInputs(world_);
        for (std::size_t i = 0; i < inputs_.size(); ++i)
            inputAt_.emplace(inputs_[i].address, i);
    }
    const auto at = inputAt_.find(address);
    return at == inputAt_.end() ? nullptr : &inputs_[at->second];
}

} // namespace cv::qt
