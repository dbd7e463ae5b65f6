// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the game: the World, its services, and the twelve windows, each built the first time it
// is shown or addressed.
#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <functional>
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

    // The screens' window names, in the order their screens were created.
    const QStringList& screenNames() const { return names_; }
    // The window of a screen, built now if it was not yet; nullptr for an unknown name.
    Form* form(const QString& name);
    // The window if it is built, without building it.
    Form* builtForm(const QString& name);
    // How many windows are built so far.
    int builtCount() const;
    // The model of a screen's window by the window's name; nullptr for an unknown name.
    Window* screenWindow(const QString& name);

    // Advances the game's clock by `ms`, running every timer tick that falls due.
    void advance(std::int64_t ms);
    // One tick of a running timer; false when it is not running.
    bool tick(Timer& t);

  private:
    struct Screen {
        QString name;
        Window* model;
        std::function<Form*()> build;
        std::unique_ptr<Form> form;
        bool stale = false; // hidden, and not redrawn since the game changed
    };
    Screen* find(const QString& name);
    Form* ensureBuilt(Screen& s);
    void syncWindows();
    // The player clicked or typed on a window that takes no input: the windows shown over it come up and
    // take the keyboard, or the main menu where nothing is shown over it.
    void bringUpWaitedOn(const Window& blocked);
    void scheduleClock();

    World world_;
    PictureLoader pictures_;
    Dispatcher dispatcher_;
    std::unique_ptr<FontDialog> ownFontDialog_;
    std::vector<Screen> screens_;
    QStringList names_;
    bool realTime_;
    QTimer clockTimer_;
    QElapsedTimer clock_;
};

} // namespace cv::qt
