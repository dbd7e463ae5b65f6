// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One run of the game: the World, its services, the twelve windows in their order of creation.
#include "game.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include "forms/characterforms.h"
#include "forms/gameform.h"
#include "forms/otherforms.h"
#include "forms/shellforms.h"
#include "game/binding.h"
#include "game/clock.h"
#include "game/story/gamescreen.h"
#include "look.h"

// The layout pictures and the icons are compiled into this library; naming them keeps the linker from
// leaving them out.
static void initLayoutPictures() {
    Q_INIT_RESOURCE(layout_pictures);
    Q_INIT_RESOURCE(layout_2x_pictures);
    Q_INIT_RESOURCE(icons_pictures);
}

namespace cv::qt {

namespace {

// The standard modal font dialog, shown over the fonts window.
class StandardFontDialog : public FontDialog {
  public:
    StandardFontDialog(Dispatcher& d, Game& g) : dispatcher_(d), game_(g) {}
    std::optional<Font> ask(const Font& initial) override {
        dispatcher_.syncAll(); // the fonts window is up before the dialog runs
        bool ok = false;
        const QString fonts = QString::fromStdString(game_.world().fonts.window.name);
        const QFont chosen = QFontDialog::getFont(&ok, standInFont(initial), game_.form(fonts), fonts);
        if (!ok) return std::nullopt;
        return fromQFont(chosen);
    }

  private:
    Dispatcher& dispatcher_;
    Game& game_;
};

} // namespace

Game::Game(Services services)
    : pictures_(services.assetRoot.isEmpty() ? PictureLoader::defaultAssetRoot() : services.assetRoot),
      dispatcher_(world_, *services.messages), realTime_(services.realTime) {
    initLayoutPictures();
    bindGame(world_);
    world_.rng = services.rng;
    world_.pictures = &pictures_;
    world_.requestQuit = services.quit;
    if (services.fontDialog) {
        world_.fontDialog = services.fontDialog;
    } else {
        ownFontDialog_ = std::make_unique<StandardFontDialog>(dispatcher_, *this);
        world_.fontDialog = ownFontDialog_.get();
    }

    // The twelve screens, in their fixed order of creation; their models already exist in the World. A
    // window is built when it is first shown or addressed, so that start-up builds the main menu alone.
    auto add = [this](cv::Screen& screen, std::function<Form*()> build) {
        const QString name = QString::fromStdString(screen.window.name);
        screens_.push_back({name, &screen.window, std::move(build), nullptr});
        names_ << name;
    };
    Dispatcher& d = dispatcher_;
    PictureLoader& p = pictures_;
    add(world_.Menuform, [&d, &p] { return new TMenuform(d, p); });
    add(world_.auth, [&d, &p] { return new Tauth(d, p); });
    add(world_.createf, [&d, &p] { return new Tcreatef(d, p); });
    add(world_.Gameform, [&d, &p] { return new TGameform(d, p); });
    add(world_.fonts, [&d, &p] { return new Tfonts(d, p); });
    add(world_.mapform, [&d, &p] { return new Tmapform(d, p); });
    add(world_.battle, [&d, &p] { return new Tbattle(d, p); });
    add(world_.help, [&d, &p] { return new Thelp(d, p); });
    add(world_.accform, [&d, &p] { return new Taccform(d, p); });
    add(world_.createform, [&d, &p] { return new Tcreateform(d, p); });
    add(world_.InvForm, [&d, &p] { return new TInvForm(d, p); });
    add(world_.Vesk, [&d, &p] { return new TVesk(d, p); });
    // Not one of the twelve: the story log behind the game screen's "Просмотреть весь разговор".
    add(world_.storylog, [&d, &p] { return new TStoryLog(d, p); });
    dispatcher_.sync = [this] { syncWindows(); };
    dispatcher_.windowOf = [this](const Window& model) -> QWidget* {
        for (Screen& s : screens_)
            if (s.model == &model) return ensureBuilt(s);
        return nullptr;
    };
    dispatcher_.inputBlocked = [this](const Window& model) { bringUpWaitedOn(model); };

    // What the game screen does when it is created runs at start-up, in its place after the first
    // three screens, whether or not its window is built.
    dispatcher_.run(gameFormCreate);

    if (realTime_) {
        clock_.start();
        clockTimer_.setSingleShot(true);
        QObject::connect(&clockTimer_, &QTimer::timeout, [this] { advance(clock_.elapsed() - world_.now); });
        dispatcher_.afterRun = [this] { scheduleClock(); };
        // While no timer runs, the virtual clock simply follows the real one, so a timer started by a
        // handler counts its interval from the moment of the click.
        dispatcher_.beforeRun = [this] {
            if (nextTick(world_) < 0) world_.now = clock_.elapsed();
        };
    }
}

Game::~Game() {
    dispatcher_.afterRun = nullptr;
    dispatcher_.beforeRun = nullptr;
    dispatcher_.sync = nullptr;
    // Windows go before the World they show.
    for (Screen& s : screens_)
        s.form.reset();
}

Form* Game::ensureBuilt(Screen& s) {
    if (!s.form) {
        if (s.model != &world_.Menuform.window) ensureStyleSheet();
        s.form.reset(s.build());
        s.form->ensurePolished();
        s.form->sync();
    }
    return s.form.get();
}

Game::Screen* Game::find(const QString& name) {
    for (Screen& s : screens_)
        if (s.name == name) return &s;
    return nullptr;
}

Form* Game::form(const QString& name) {
    Screen* s = find(name);
    if (!s) return nullptr;
    Form* f = ensureBuilt(*s);
    // Whoever asks for a window sees it as the game has it now.
    if (s->stale) {
        s->stale = false;
        f->sync();
    }
    return f;
}

Form* Game::builtForm(const QString& name) {
    const Screen* s = find(name);
    return s ? s->form.get() : nullptr;
}

Window* Game::screenWindow(const QString& name) {
    const Screen* s = find(name);
    return s ? s->model : nullptr;
}

int Game::builtCount() const {
    int n = 0;
    for (const Screen& s : screens_)
        if (s.form) ++n;
    return n;
}

void Game::syncWindows() {
    for (Screen& s : screens_) {
        if (!s.form) {
            if (s.model->visible) ensureBuilt(s);
        } else if (s.model->visible || s.form->isVisible()) {
            s.form->sync();
            s.stale = false;
        } else {
            // A hidden window is redrawn when it shows again or is asked for.
            s.stale = true;
        }
    }
}

void Game::bringUpWaitedOn(const Window& blocked) {
    bool found = false;
    for (Screen& s : screens_)
        if (s.form && s.model->visible && s.model->owner == &blocked) {
            found = true;
            s.form->raise();
            s.form->activateWindow();
        }
    // A screen frozen with nothing over it (the end of a game by stealing): the main menu is the way on.
    Screen& menu = screens_.front();
    if (!found && &blocked != menu.model && menu.form && menu.model->visible) {
        menu.form->raise();
        menu.form->activateWindow();
    }
}

void Game::advance(std::int64_t ms) {
    if (ms < 0) ms = 0;
    advanceTime(world_, ms, [this](const std::function<void(World&)>& h) { dispatcher_.run(h); });
    if (realTime_) scheduleClock();
}

bool Game::tick(Timer& t) {
    return tickNow(world_, t, [this](const std::function<void(World&)>& h) { dispatcher_.run(h); });
}

void Game::scheduleClock() {
    const std::int64_t due = nextTick(world_);
    if (due < 0) {
        clockTimer_.stop();
        return;
    }
    clockTimer_.start(static_cast<int>(std::max<std::int64_t>(0, due - clock_.elapsed())));
}

} // namespace cv::qt
