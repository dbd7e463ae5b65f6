// One run of the game: the World, its services, the twelve windows in their order of creation.
#include "game.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include "forms/characterforms.h"
#include "forms/gameform.h"
#include "forms/otherforms.h"
#include "forms/shellforms.h"
#include "game/clock.h"
#include "game/story/gamescreen.h"
#include "look.h"

namespace cv::qt {

namespace {

// The standard modal font dialog, shown over the fonts window.
class StandardFontDialog : public FontDialog {
  public:
    StandardFontDialog(Dispatcher& d, Game& g) : dispatcher_(d), game_(g) {}
    std::optional<Font> ask(const Font& initial) override {
        dispatcher_.syncAll(); // the fonts window is up before the dialog runs
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, standInFont(initial), game_.form("fonts"), "fonts");
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
    world_.rng = services.rng;
    world_.pictures = &pictures_;
    world_.requestQuit = services.quit;
    if (services.fontDialog) {
        world_.fontDialog = services.fontDialog;
    } else {
        ownFontDialog_ = std::make_unique<StandardFontDialog>(dispatcher_, *this);
        world_.fontDialog = ownFontDialog_.get();
    }

    // The twelve windows, in their fixed order of creation; only the main menu is shown.
    auto add = [this](Form* f) {
        owned_.emplace_back(f);
        forms_.push_back(f);
    };
    add(new TMenuform(dispatcher_, pictures_));
    add(new Tauth(dispatcher_, pictures_));
    add(new Tcreatef(dispatcher_, pictures_));
    add(new TGameform(dispatcher_, pictures_));
    dispatcher_.run(gameFormCreate);
    add(new Tfonts(dispatcher_, pictures_));
    add(new Tmapform(dispatcher_, pictures_));
    add(new Tbattle(dispatcher_, pictures_));
    add(new Thelp(dispatcher_, pictures_));
    add(new Taccform(dispatcher_, pictures_));
    add(new Tcreateform(dispatcher_, pictures_));
    add(new TInvForm(dispatcher_, pictures_));
    add(new TVesk(dispatcher_, pictures_));
    dispatcher_.syncAll();

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
    // Windows go before the World they show.
    forms_.clear();
    owned_.clear();
}

Form* Game::form(const QString& name) const {
    for (Form* f : forms_)
        if (f->objectName() == name) return f;
    return nullptr;
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
