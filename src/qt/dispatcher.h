// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a handler of the game, shows an error it raised in a message box, then redraws every window.
#pragma once

#include "game/world.h"
#include <QString>
#include <functional>

class QWidget;

namespace cv::qt {

// Where error messages go: a message box in the program, the script's output in the script player.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString& text) = 0;
};

class Dispatcher {
  public:
    Dispatcher(World& world, MessageSink& messages) : world_(world), messages_(messages) {}

    void run(const std::function<void(World&)>& handler);
    // Redraws every window: the game sets what that means (the windows built so far, and those the
    // last handler showed for the first time).
    void syncAll() {
        if (sync) sync();
    }
    std::function<void()> sync;
    bool busy() const { return depth_ > 0; }
    World& world() { return world_; }
    // Called after every handler, once the windows are redrawn (the program's clock listens here).
    std::function<void()> afterRun;
    // Called before a handler that is not nested in another one.
    std::function<void()> beforeRun;
    // The desktop's side, which the game sets: the window of a screen (built if need be), and what happens
    // when the player clicks or types on a window that takes no input.
    std::function<QWidget*(const Window&)> windowOf;
    std::function<void(const Window&)> inputBlocked;

  private:
    World& world_;
    MessageSink& messages_;
    int depth_ = 0;
};

} // namespace cv::qt
