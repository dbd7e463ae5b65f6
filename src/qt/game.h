// One run of the game: the World, its services, the twelve windows in their order of creation.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <vector>

#include "dispatcher.h"
#include "form.h"
#include "pictureloader.h"

namespace cv::qt {

class Game {
  public:
    struct Services {
        Rng* rng = nullptr;
        MessageSink* messages = nullptr;
        FontDialog* fontDialog = nullptr; // the standard font dialog when not given
        std::function<void()> quit;
        QString assetRoot;    // the program's own assets when empty
        bool realTime = true; // drive the timers from the real clock
    };

    explicit Game(Services services);
    ~Game();

    World& world() { return world_; }
    Dispatcher& dispatcher() { return dispatcher_; }
    PictureLoader& pictures() { return pictures_; }
    // The windows in the order they were created.
    const std::vector<Form*>& forms() const { return forms_; }
    Form* form(const QString& name) const;

    // Advances the game's clock by `ms`, running every timer tick that falls due.
    void advance(std::int64_t ms);
    // One tick of a running timer; false when it is not running.
    bool tick(Timer& t);

  private:
    void scheduleClock();

    World world_;
    PictureLoader pictures_;
    Dispatcher dispatcher_;
    std::unique_ptr<FontDialog> ownFontDialog_;
    std::vector<std::unique_ptr<Form>> owned_;
    std::vector<Form*> forms_;
    bool realTime_;
    QTimer clockTimer_;
    QElapsedTimer clock_;
};

} // namespace cv::qt
