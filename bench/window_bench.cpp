// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One click through the real windows, on the offscreen platform: the mouse event, the handler and the
// redrawing of every window there is. The median and the 99th percentile of many clicks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

#include "game/story/gamescreen.h"
#include "qt/game.h"
#include "qt/inspect.h"
#include "qt/look.h"

namespace {

struct QuietMessages : cv::qt::MessageSink {
    void showMessage(const QString&) override {}
};
struct FixedRng : cv::Rng {
    int uniform(int lo, int) override { return lo; }
};

void click(cv::qt::Game& game, const QString& window, const QString& control) {
    QWidget* w = game.form(window);
    QWidget* c = cv::qt::findControl(w, control);
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, c->mapTo(w, c->rect().center()));
    QApplication::processEvents();
}

// A game with the ready-made heroine, every window it opens built before the clock starts.
struct BenchGame {
    QuietMessages messages;
    FixedRng rng;
    std::unique_ptr<cv::qt::Game> game;
    BenchGame() {
        cv::qt::Game::Services s;
        s.rng = &rng;
        s.messages = &messages;
        s.assetRoot = CINDERVALE_BENCH_ASSETS;
        s.realTime = false;
        game = std::make_unique<cv::qt::Game>(s);
        click(*game, "Menuform", "BitBtn6");
        click(*game, "createf", "Image4");
        for (const QString& name : game->screenNames())
            game->form(name);
    }
};

// Round the village: the map button, a place, a choice and "Выбрано", each one click; every place and
// choice brings new story texts.
const std::pair<const char*, const char*> kRound[] = {
    {"Gameform", "mapb"}, {"mapform", "Image14"}, {"Gameform", "c2"}, {"Gameform", "ready"},
    {"Gameform", "mapb"}, {"mapform", "Image4"},  {"Gameform", "c2"}, {"Gameform", "ready"}};

// The median and the 99th percentile of `clicks` clicks round the village, in ms; with `storyOnly`, of
// the clicks that bring new story texts alone (a place, "Выбрано").
void clickRound(benchmark::State& state, cv::qt::Game& game, int clicks, bool storyOnly = false) {
    std::vector<double> ms;
    for (auto _ : state) {
        for (int i = 0; i < clicks; ++i) {
            const auto& [window, control] = kRound[i % 8];
            QElapsedTimer t;
            t.start();
            click(game, window, control);
            if (!storyOnly || i % 2 == 1) ms.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["p99_ms"] = ms[ms.size() * 99 / 100];
}

void oneClick(benchmark::State& state) {
    BenchGame g;
    clickRound(state, *g.game, 1000);
    state.counters["goal_p99_ms"] = 2;
}
BENCHMARK(oneClick)->Iterations(1)->Unit(benchmark::kMillisecond);

// The clicks of the same round that bring new story texts, with the story's texts in a font of that many
// pixels, as the font dialog gives it: each new text is fitted to its label again. 683 pixels is the
// dialog's largest size, 512 points; the script player takes any size.
void storyClickInAFontOf(benchmark::State& state) {
    BenchGame g;
    const int pixels = static_cast<int>(state.range(0));
    g.game->dispatcher().run([pixels](cv::World& w) {
        cv::setStoryFont(w, cv::Font{"DejaVu Serif", pixels, false});
    });
    for (int i = 0; i < 16; ++i) // every text of the round drawn once in that font
        click(*g.game, kRound[i % 8].first, kRound[i % 8].second);
    clickRound(state, *g.game, 400, true);
    state.counters["goal_ms"] = 5;
}
BENCHMARK(storyClickInAFontOf)->Arg(13)->Arg(683)->Arg(99999)->Iterations(1)->Unit(benchmark::kMillisecond);

// Opening the story log, as a player does now and then: after every 100 clicks round the village the
// log is opened and closed again. The medians of the first five openings (after 100 … 500 clicks) and of
// the last five (after 15,600 … 16,000), each from the click to the log drawn.
void storyLogOpening(benchmark::State& state) {
    BenchGame g;
    cv::qt::Game& game = *g.game;
    std::vector<double> early, late;
    for (auto _ : state) {
        for (int round = 1; round <= 160; ++round) {
            for (int i = 0; i < 100; ++i)
                click(game, kRound[i % 8].first, kRound[i % 8].second);
            QElapsedTimer t;
            t.start();
            click(game, "Gameform", "pros");
            game.form("storylog")->repaint();
            const double ms = t.nsecsElapsed() / 1e6;
            if (round <= 5) early.push_back(ms);
            if (round > 155) late.push_back(ms);
            click(game, "storylog", "close");
        }
    }
    std::sort(early.begin(), early.end());
    std::sort(late.begin(), late.end());
    state.counters["open_ms_after_100_to_500"] = early[early.size() / 2];
    state.counters["open_ms_after_15600_to_16000"] = late[late.size() / 2];
    state.counters["log_entries"] = double(game.world().storylog.text.lines.size());
}
BENCHMARK(storyLogOpening)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cv::qt::applyLook();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
