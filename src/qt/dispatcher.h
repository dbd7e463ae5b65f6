// Runs a handler of the game, shows an error it raised in a message box, then redraws every window.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "game/world.h"

namespace cv::qt {

class Form;

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
    void addForm(Form* form) { forms_.push_back(form); }
    void syncAll();
    bool busy() const { return depth_ > 0; }
    World& world() { return world_; }
    // Called after every handler, once the windows are redrawn (the program's clock listens here).
    std::function<void()> afterRun;
    // Called before a handler that is not nested in another one.
    std::function<void()> beforeRun;

  private:
    World& world_;
    MessageSink& messages_;
    std::vector<Form*> forms_;
    int depth_ = 0;
};

} // namespace cv::qt
