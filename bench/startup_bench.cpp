// How long the program takes to create its twelve windows, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "qt/game.h"
#include "qt/look.h"

namespace {

struct QuietMessages : cv::qt::MessageSink {
    void showMessage(const QString&) override {}
};

struct FixedRng : cv::Rng {
    int uniform(int lo, int) override { return lo; }
};

void startUp(benchmark::State& state) {
    QuietMessages messages;
    FixedRng rng;
    for (auto _ : state) {
        cv::qt::Game::Services s;
        s.rng = &rng;
        s.messages = &messages;
        s.assetRoot = CINDERVALE_BENCH_ASSETS;
        s.realTime = false;
        cv::qt::Game game(s);
        QApplication::processEvents();
        benchmark::DoNotOptimize(game.forms().size());
    }
}
BENCHMARK(startUp)->Unit(benchmark::kMillisecond);

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
