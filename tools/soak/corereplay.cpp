// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a play script on the game core alone, through the same inputs the windows offer.
#include "corereplay.h"

#include <fstream>
#include <set>
#include <sstream>

#include "../script/scriptwords.h"
#include "game/binding.h"
#include "game/clock.h"
#include "game/inputs.h"
#include "game/story/gamescreen.h"
#include "game/world.h"

namespace cv::soak {

struct CoreReplay::Services {
    struct QueuedRng : Rng {
        std::deque<int> queued;
        int uniform(int lo, int) override {
            if (queued.empty()) return lo;
            const int v = queued.front();
            queued.pop_front();
            return v;
        }
    } rng;
    // Every load succeeds but those the script breaks (`broken FILE`: the next load of FILE fails).
    struct AnyPictures : Pictures {
        std::multiset<std::string> broken;
        void load(const std::string& path) override {
            if (auto at = broken.find(path); at != broken.end()) {
                broken.erase(at);
                throw PictureError("Cannot open file " + path);
            }
        }
    } pictures;
    struct QueuedFonts : FontDialog {
        std::deque<std::optional<Font>> answers;
        std::optional<Font> ask(const Font&) override {
            if (answers.empty()) return std::nullopt;
            auto a = answers.front();
            answers.pop_front();
            return a;
        }
    } fonts;
    std::vector<PlayerInput> inputs;
};

CoreReplay::CoreReplay() : services_(std::make_unique<Services>()), world_(std::make_unique<World>()) {
    World& w = *world_;
    bindGame(w);
    w.rng = &services_->rng;
    w.pictures = &services_->pictures;
    w.fontDialog = &services_->fonts;
    gameFormCreate(w);
    services_->inputs = playerInputs(w);
}

CoreReplay::~CoreReplay() = default;

World& CoreReplay::world() {
    return *world_;
}

std::size_t CoreReplay::brokenLoadsLeft() const {
    return services_->pictures.broken.size();
}

std::optional<std::string> CoreReplay::line(const std::string& raw) {
    using script::words::textArgument;
    const std::string t = script::words::trimmedWords(raw);
    if (t.empty() || t[0] == '#') return std::nullopt;
    const auto [command, rest] = script::words::splitWord(t);
    World& w = *world_;
    const HandlerRunner direct = [&w](const std::function<void(World&)>& h) {
        try {
            h(w);
        } catch (const GameError&) {
            // A picture error ends the handler there; the game goes on.
        }
    };
    if (command == "expect" || command == "print" || command == "shot") return std::nullopt;
    if (command == "rolls") {
        std::istringstream in(rest);
        for (int v; in >> v;)
            services_->rng.queued.push_back(v);
        return std::nullopt;
    }
    if (command == "broken") {
        services_->pictures.broken.insert(rest);
        return std::nullopt;
    }
    if (command == "wait") {
        advanceTime(w, std::stoll(rest), direct);
        return std::nullopt;
    }
    if (command == "tick") {
        if (Timer* timer = findTimer(w, rest)) tickNow(w, *timer, direct);
        return std::nullopt;
    }
    if (command == "font") {
        if (rest == "cancel") {
            services_->fonts.answers.push_back(std::nullopt);
        } else {
            const auto last = rest.rfind(' ');
            services_->fonts.answers.push_back(
                Font{textArgument(rest.substr(0, last)), std::stoi(rest.substr(last + 1)), false});
        }
        return std::nullopt;
    }
    // An input: the one whose script line this is, if the windows offer it now; otherwise nothing, as a
    // click on a hidden control does nothing.
    std::string typed;
    std::string wanted = t;
    if (command == "type") {
        const auto [address, text] = script::words::splitWord(rest);
        typed = textArgument(text);
        wanted = "type " + address + " ";
    }
    for (const PlayerInput& in : services_->inputs) {
        if (scriptLine(in) != wanted) continue;
        if (in.available()) direct([&in, &typed](World& world) { in.run(world, typed); });
        return std::nullopt;
    }
    if (command == "click" || command == "select" || command == "type" || command == "menu" ||
        command == "close")
        return std::nullopt; // a control without an action, or a line the list does not have
    return "unknown command: " + t;
}

std::optional<std::string> CoreReplay::run(const std::vector<std::string>& lines) {
    for (const std::string& l : lines)
        if (auto e = line(l)) return e;
    return std::nullopt;
}

std::vector<std::string> CoreReplay::readScript(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

} // namespace cv::soak
