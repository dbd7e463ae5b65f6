// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A random player: plays the game core through the same inputs the windows offer, at random, and checks
// the game's invariants after every step.
#include "randomplayer.h"

#include <algorithm>
#include <random>
#include <set>
#include <sstream>

#include "game/binding.h"
#include "game/clock.h"
#include "game/dialogue/conversations.h"
#include "game/inputs.h"
#include "game/inventory/items.h"
#include "game/story/gamescreen.h"
#include "game/story/map.h"
#include "game/story/scenes.h"
#include "game/story/victory.h"
#include "game/world.h"

namespace cv::soak {

namespace {

// Draws from a generator and remembers the draws of the current input, for the play script.
class RecordingRng : public Rng {
  public:
    explicit RecordingRng(std::uint64_t seed) : gen_(seed) {}
    int uniform(int lo, int hi) override {
        const int v = std::uniform_int_distribution<int>(lo, hi)(gen_);
        drawn.push_back(v);
        return v;
    }
    std::vector<int> drawn;

  private:
    std::mt19937_64 gen_;
};

// Fails a share of the loads, and remembers which, so that the play script can say so. The start-up's
// load is never broken: a script's commands all come after it.
class RandomPictures : public Pictures {
  public:
    RandomPictures(std::mt19937_64& gen, double broken) : gen_(gen), broken_(broken) {}
    void load(const std::string& path) override {
        if (armed && broken_ > 0 && std::uniform_real_distribution<double>(0, 1)(gen_) < broken_) {
            failed.push_back(path);
            throw PictureError("Cannot open file " + path);
        }
    }
    bool armed = false;
    std::vector<std::string> failed; // during the current input

  private:
    std::mt19937_64& gen_;
    double broken_;
};

class RandomFonts : public FontDialog {
  public:
    explicit RandomFonts(std::mt19937_64& gen) : gen_(gen) {}
    std::optional<Font> ask(const Font&) override {
        if (gen_() % 2) {
            answer = "font cancel";
            return std::nullopt;
        }
        const int size = 9 + static_cast<int>(gen_() % 12);
        answer = "font \"DejaVu Serif\" " + std::to_string(size);
        return Font{"DejaVu Serif", size, false};
    }
    std::string answer;

  private:
    std::mt19937_64& gen_;
};

// Every caption a choice and every text an answer line can be given by the game's tables.
const std::set<std::string>& knownTexts() {
    static const std::set<std::string> texts = [] {
        std::set<std::string> t{""};
        std::vector<const fx::Effects*> lists;
        for (const SceneRow& r : allScenes())
            lists.push_back(&r.effects);
        for (const TalkEntry& e : allTalk())
            lists.push_back(&e.effects);
        for (int loc = 1; loc <= kLocationCount; ++loc)
            lists.push_back(&entryScene(loc));
        for (int fight = 1; fight <= 3; ++fight)
            lists.push_back(&victoryOutcome(fight));
        for (const fx::Effects* l : lists)
            fx::forEach(*l, [&t](const fx::Effect& e) {
                if (const auto* text = fx::as<fx::Text>(e);
                    text && (text->where == fx::Where::Choice || text->where == fx::Where::Answer))
                    t.insert(text->text);
                if (const auto* say = fx::as<fx::Say>(e))
                    for (std::size_t i = 1; i < say->texts.size(); ++i)
                        t.insert(say->texts[i]);
            });
        return t;
    }();
    return texts;
}

bool known(const World& w, const std::string& shown) {
    const auto& texts = knownTexts();
    if (texts.count(shown)) return true;
    // A text with the character's name in it: look it up with the name taken out again.
    const std::string& name = w.character.playerName;
    if (name.empty()) return false;
    std::string generic = shown;
    for (std::size_t at = generic.find(name); at != std::string::npos; at = generic.find(name, at + 1))
        generic.replace(at, name.size(), fx::name);
    return texts.count(generic) > 0;
}

std::string quoted(const std::string& s) {
    std::string q = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') q += '\\';
        q += c;
    }
    return q + "\"";
}

const std::vector<std::string> kTyped = {"Жен.", "Муж.", "", "Вера", "12", "Жен", "x"};

// Half the games begin with a walk that a player takes to the first fight: the knife from a tent into
// the hand, the aunt's errand, the corn field. From there on everything is chosen at random.
const std::vector<std::string> kWalkToTheRat = {
    "click Menuform.BitBtn6", "click createf.Image4", "click Gameform.mapb", "click mapform.Image6",
    "click Gameform.c1",      "click Gameform.ready", "click Gameform.a1",   "click Gameform.BitBtn1",
    "select InvForm.citem 1", "click InvForm.a1",     "click InvForm.ready", "click InvForm.Image2",
    "click Gameform.mapb",    "click mapform.Image2", "click Gameform.c1",   "click Gameform.ready",
    "click Gameform.a2",      "click Gameform.a1",    "click Gameform.a1",   "click mapform.Image13",
    "click Gameform.c2",      "click Gameform.ready"};

// How often an input is picked: the fight's and the story's own moves more than the side windows. The
// enemy's picture, far more while it is the target.
double weightOf(const World& w, const PlayerInput& in) {
    if (in.kind == PlayerInput::Kind::Menu || in.kind == PlayerInput::Kind::Close) return 0.2;
    if (in.window == &w.battle.window) {
        if (in.control == &w.battle.epic) return 1;
        if (in.control == &w.battle.ready || in.control == &w.battle.endt) return 4;
        if (in.kind == PlayerInput::Kind::Select) return in.line >= 6 ? 3 : 1;
        return 1;
    }
    if (in.window == &w.accform.window) return 4;
    if (in.control == &w.Gameform.ready) return 3;
    for (const Label& a : w.Gameform.a)
        if (in.control == &a) return 3;
    if (in.control == &w.Gameform.BitBtn2 || in.control == &w.Gameform.BitBtn3) return 0.3;
    return 1;
}

} // namespace

std::optional<std::string> brokenInvariant(const World& w) {
    const auto& inv = w.inventory;
    bool gap = false;
    for (int i = 1; i <= kSlotCount; ++i) {
        const ItemId id = inv.invItem[static_cast<std::size_t>(i)];
        if (id == ItemId::itNone) {
            gap = true;
            continue;
        }
        if (gap) return "slot " + std::to_string(i) + " is occupied after an empty slot";
        if (!isItem(id)) return "slot " + std::to_string(i) + " holds an unknown item";
        if (inv.invCount[static_cast<std::size_t>(i)] <= 0)
            return "slot " + std::to_string(i) + " has no count";
    }
    for (int hand : {1, 2}) {
        const int slot = hand == 1 ? inv.hand1Slot : inv.hand2Slot;
        if (slot == 0) continue;
        if (slot < 1 || slot > kSlotCount || inv.invItem[static_cast<std::size_t>(slot)] == ItemId::itNone)
            return "a hand points at slot " + std::to_string(slot) + ", which holds nothing";
        // What the hand holds is what the inventory shows in it.
        const ItemInfo* info = itemInfo(inv.invItem[static_cast<std::size_t>(slot)]);
        const std::string& shown = (hand == 1 ? w.InvForm.w1 : w.InvForm.w2).text;
        if (!info || !info->weapon || info->weaponData.handName != shown)
            return "hand " + std::to_string(hand) + " holds slot " + std::to_string(slot) + " but shows " +
                   shown;
    }
    if (inv.hand1Slot != 0 && inv.hand1Slot == inv.hand2Slot) return "both hands hold the same slot";
    for (std::size_t f = 0; f < w.story.storyFlags.bytes.size(); ++f)
        if (w.story.storyFlags.bytes[f] > 1) return "story flag " + std::to_string(f) + " is not 0 or 1";
    if (w.story.curLocation < 0 || w.story.curLocation > kLocationCount)
        return "the location is out of range";
    const auto& g = w.Gameform;
    if (g.window.visible) {
        for (std::size_t i = 0; i < 5; ++i)
            if (g.choose.visible && g.c[i].visible && !known(w, g.c[i].caption))
                return "choice c" + std::to_string(i + 1) + " shows an unknown caption: " + g.c[i].caption;
        for (std::size_t i = 0; i < 5; ++i)
            if (g.a[i].visible && !known(w, g.a[i].text))
                return "answer a" + std::to_string(i + 1) + " shows an unknown text: " + g.a[i].text;
    }
    if (w.battle.dis.value < 0) return "the fight's distance is negative";
    if (w.battle.tp.value < 0) return "the fight's action points are negative";
    return std::nullopt;
}

Report play(const Options& options) {
    Report report;
    std::mt19937_64 master(options.seed);
    while (report.steps < options.steps && !report.failure) {
        // A fresh program for each game, from its own seed.
        const std::uint64_t seed = master();
        std::mt19937_64 gen(seed);
        RecordingRng rng(seed ^ 0x9e3779b97f4a7c15ULL);
        RandomPictures pictures(gen, options.brokenPictures);
        RandomFonts fonts(gen);
        auto world = std::make_unique<World>();
        World& w = *world;
        bindGame(w);
        w.rng = &rng;
        w.pictures = &pictures;
        w.fontDialog = &fonts;
        std::ostringstream script;
        script << "# seed " << seed << "\n";
        const HandlerRunner runner = [&w, &report](const std::function<void(World&)>& h) {
            try {
                h(w);
            } catch (const PictureError&) {
                ++report.pictureErrors;
            }
        };
        runner(gameFormCreate);
        pictures.armed = true;
        ++report.games;
        const std::vector<PlayerInput> inputs = playerInputs(w);
        std::vector<double> baseWeights;
        for (const PlayerInput& in : inputs)
            baseWeights.push_back(weightOf(w, in));
        std::vector<const PlayerInput*> playable;
        std::vector<double> weights;
        std::vector<std::string> walk;
        if (gen() % 2) walk = kWalkToTheRat;
        std::size_t walked = 0;
        bool inFight = false, won = false, lost = false, aiming = false, talking = false;
        for (int step = 0; step < options.stepsPerGame && report.steps < options.steps;
             ++step, ++report.steps) {
            rng.drawn.clear();
            fonts.answer.clear();
            pictures.failed.clear();
            std::string line;
            try {
                if (walked < walk.size()) {
                    // The walk's next input, if the windows offer it now.
                    line = walk[walked++];
                    for (const PlayerInput& in : inputs)
                        if (scriptLine(in) == line && in.available()) {
                            runner([&in](World& world) { in.run(world, {}); });
                            break;
                        }
                } else if (nextTick(w) >= 0 && gen() % 3 == 0) {
                    const int ms = static_cast<int>(gen() % 1200);
                    advanceTime(w, ms, runner);
                    line = "wait " + std::to_string(ms);
                } else {
                    playable.clear();
                    weights.clear();
                    double total = 0;
                    for (std::size_t i = 0; i < inputs.size(); ++i) {
                        const PlayerInput& in = inputs[i];
                        if (in.quits || !in.available()) continue;
                        double weight = baseWeights[i];
                        if (in.control == &w.battle.epic && w.battle.epic.cursor == Cursor::Cross)
                            weight = 12;
                        playable.push_back(&in);
                        total += weight;
                        weights.push_back(total);
                    }
                    if (playable.empty()) break;
                    const double at = std::uniform_real_distribution<double>(0, total)(gen);
                    const std::size_t picked = std::min<std::size_t>(
                        std::upper_bound(weights.begin(), weights.end(), at) - weights.begin(),
                        playable.size() - 1);
                    const PlayerInput& in = *playable[picked];
                    const std::string typed =
                        in.kind == PlayerInput::Kind::Type ? kTyped[gen() % kTyped.size()] : "";
                    line = scriptLine(in, in.kind == PlayerInput::Kind::Type ? quoted(typed) : "");
                    runner([&in, &typed](World& world) { in.run(world, typed); });
                }
            } catch (const std::exception& e) {
                report.failure = Failure{seed, step, std::string("an error was raised: ") + e.what(), {}};
            }
            if (!rng.drawn.empty()) {
                script << "rolls";
                for (int v : rng.drawn)
                    script << ' ' << v;
                script << "\n";
            }
            if (!fonts.answer.empty()) script << fonts.answer << "\n";
            for (const std::string& path : pictures.failed)
                script << "broken " << path << "\n";
            script << line << "\n";
            if (!report.failure)
                if (auto broken = brokenInvariant(w)) report.failure = Failure{seed, step, *broken, {}};
            if (!report.failure && options.alsoCheck)
                if (auto broken = options.alsoCheck(w)) report.failure = Failure{seed, step, *broken, {}};
            // What the input brought about.
            if (w.battle.window.visible && !inFight) ++report.fights;
            if (w.battle.vict.visible && !won) ++report.victories;
            if (w.battle.lose.visible && !lost) ++report.deaths;
            if (w.accform.window.visible && !aiming) ++report.aimedAttacks;
            if (!w.Gameform.choose.visible && w.Gameform.window.visible && !talking) ++report.talks;
            inFight = w.battle.window.visible;
            won = w.battle.vict.visible;
            lost = w.battle.lose.visible;
            aiming = w.accform.window.visible;
            talking = !w.Gameform.choose.visible && w.Gameform.window.visible;
            if (report.failure) {
                report.failure->script = script.str();
                break;
            }
        }
    }
    return report;
}

} // namespace cv::soak
