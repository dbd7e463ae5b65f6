// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the core's handlers take, one kind at a time; the whole demo replayed in the core alone; and
// random inputs through the windows' input list.
#include <benchmark/benchmark.h>

#include "corereplay.h"
#include "game/binding.h"
#include "game/character/derived.h"
#include "game/character/readymade.h"
#include "game/clock.h"
#include "game/combat/battle.h"
#include "game/dialogue/conversations.h"
#include "game/inventory/items.h"
#include "game/inventory/screen.h"
#include "game/story/gamescreen.h"
#include "game/story/map.h"
#include "game/story/scene.h"
#include "game/world.h"
#include "randomplayer.h"

namespace {

using namespace cv;

struct NoPictures : Pictures {
    void load(const std::string&) override {}
};

// Hit rolls that miss, damage at its least: fights go on for ever.
struct FixedRng : Rng {
    int uniform(int, int hi) override { return hi; }
};

struct Game {
    NoPictures pictures;
    FixedRng rng;
    World w;
    Game() {
        bindGame(w);
        w.pictures = &pictures;
        w.rng = &rng;
        takeClick(w);
    }
};

void recomputeSheet(benchmark::State& state) {
    Game g;
    for (auto _ : state) {
        recomputeSkills(g.w);
        recomputeDerived(g.w);
        benchmark::DoNotOptimize(g.w.createform.skill[0].value);
    }
}
BENCHMARK(recomputeSheet);

void takeReadyMade(benchmark::State& state) {
    Game g;
    for (auto _ : state) {
        takeClick(g.w);
        benchmark::DoNotOptimize(g.w.character.hitPoints);
    }
}
BENCHMARK(takeReadyMade);

// A click on a place of the map: the location's entry scene.
void mapClick(benchmark::State& state) {
    Game g;
    int loc = 0;
    for (auto _ : state) {
        enterLocation(g.w, 1 + loc++ % kLocationCount);
        benchmark::DoNotOptimize(g.w.Gameform.m1.text.size());
    }
}
BENCHMARK(mapClick);

// "Выбрано" at the hunting grounds: the fork with its texts and choices.
void confirm(benchmark::State& state) {
    Game g;
    enterLocation(g.w, locHuntingGrounds);
    choiceClick(g.w, 1);
    for (auto _ : state) {
        g.w.story.curStep = steps::huntingEntry;
        confirmChoice(g.w);
        benchmark::DoNotOptimize(g.w.story.curStep);
    }
}
BENCHMARK(confirm);

// An answer: the elder's step 7, whose second answer comes back to step 7.
void answer(benchmark::State& state) {
    Game g;
    enterLocation(g.w, locElder);
    g.w.story.curStep = 7;
    for (auto _ : state) {
        answerClick(g.w, 2);
        benchmark::DoNotOptimize(g.w.Gameform.rep.text.size());
    }
}
BENCHMARK(answer);

// "Сделать" on the inventory screen: examining the knife.
void inventoryAction(benchmark::State& state) {
    Game g;
    addItem(g.w, ItemId::itKnife, 1);
    inventoryClick(g.w);
    inv::citemClick(g.w, 1);
    inv::actionClick(g.w, InvAction::Examine);
    for (auto _ : state) {
        inv::readyClick(g.w);
        benchmark::DoNotOptimize(g.w.InvForm.itext.text.size());
    }
}
BENCHMARK(inventoryAction);

// "Сделать" in a fight: a step towards the rat and one back.
void fightAction(benchmark::State& state) {
    Game g;
    startFight(g.w, 1);
    g.w.character.actionPoints = 1 << 30;
    g.w.battle.tp.value = 1 << 30;
    int n = 0;
    for (auto _ : state) {
        battle::chooseClick(g.w, n++ % 2);
        battle::readyClick(g.w);
        benchmark::DoNotOptimize(g.w.battle.dis.value);
    }
}
BENCHMARK(fightAction);

// One tick of the enemy's turn timer.
void timerTick(benchmark::State& state) {
    Game g;
    startFight(g.w, 1);
    const HandlerRunner direct = [&g](const std::function<void(World&)>& h) { h(g.w); };
    for (auto _ : state) {
        if (!g.w.battle.Timer1.running) {
            state.PauseTiming();
            g.w.battle.dis.value = 20;
            g.w.combat.distance = 20;
            battle::endtClick(g.w);
            state.ResumeTiming();
        }
        advanceTime(g.w, 250, direct);
        benchmark::DoNotOptimize(g.w.battle.dis.value);
    }
}
BENCHMARK(timerTick);

// The whole demo, from "Новая игра" to "Идти через мост", as its play script plays it in the windows.
void wholeDemo(benchmark::State& state) {
    static const std::vector<std::string> script = soak::CoreReplay::readScript(CINDERVALE_DEMO_SCRIPT);
    for (auto _ : state) {
        soak::CoreReplay replay;
        if (auto error = replay.run(script)) {
            state.SkipWithError(error->c_str());
            return;
        }
        benchmark::DoNotOptimize(replay.world().story.curLocation);
    }
    state.counters["goal_us"] = 1000;
}
BENCHMARK(wholeDemo)->Unit(benchmark::kMicrosecond);

// Random inputs through the windows' input list, the invariants checked after each.
void randomInputs(benchmark::State& state) {
    for (auto _ : state) {
        soak::Options o;
        o.seed = 11;
        o.steps = 200000;
        const soak::Report r = soak::play(o);
        if (r.failure) {
            state.SkipWithError(r.failure->what.c_str());
            return;
        }
        state.SetItemsProcessed(state.items_processed() + r.steps);
    }
    state.counters["goal_per_s"] = 1e6;
}
BENCHMARK(randomInputs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
