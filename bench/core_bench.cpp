// How long the core's rules take: the sheet's recompute and taking the ready-made character.
#include <benchmark/benchmark.h>

#include "game/character/derived.h"
#include "game/character/readymade.h"
#include "game/world.h"

namespace {

struct NoPictures : cv::Pictures {
    void load(const std::string&) override {}
};

struct FixedRng : cv::Rng {
    int uniform(int lo, int) override { return lo; }
};

void recomputeSheet(benchmark::State& state) {
    cv::World w;
    w.character.strength = w.character.perception = w.character.endurance = 5;
    w.character.intelligence = w.character.agility = w.character.luck = w.character.charisma = 5;
    w.character.traits = {cv::trTalent, cv::trGoodNatured};
    for (auto _ : state) {
        cv::recomputeSkills(w);
        cv::recomputeDerived(w);
        benchmark::DoNotOptimize(w.createform.skill[0].value);
    }
}
BENCHMARK(recomputeSheet);

void takeReadyMade(benchmark::State& state) {
    NoPictures pictures;
    FixedRng rng;
    cv::World w;
    w.pictures = &pictures;
    w.rng = &rng;
    for (auto _ : state) {
        cv::takeClick(w);
        benchmark::DoNotOptimize(w.character.hitPoints);
    }
}
BENCHMARK(takeReadyMade);

} // namespace
BENCHMARK_MAIN();
