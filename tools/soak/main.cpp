// cindervale-soak: plays the game core at random for a number of inputs and checks its invariants.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "randomplayer.h"

int main(int argc, char** argv) {
    cv::soak::Options options;
    options.steps = 1000000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--steps")
            options.steps = std::atoll(argv[i + 1]);
        else if (arg == "--seed")
            options.seed = std::strtoull(argv[i + 1], nullptr, 10);
        else if (arg == "--broken-pictures")
            options.brokenPictures = std::atof(argv[i + 1]);
        else {
            std::fprintf(stderr, "usage: cindervale-soak [--steps N] [--seed S] [--broken-pictures SHARE]\n");
            return 2;
        }
    }
    const auto start = std::chrono::steady_clock::now();
    const cv::soak::Report r = cv::soak::play(options);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%lld inputs in %lld games, %lld picture errors, %.1f s\n", static_cast<long long>(r.steps),
                static_cast<long long>(r.games), static_cast<long long>(r.pictureErrors), seconds);
    std::printf("%lld fights (%lld won, %lld lost), %lld aimed attacks, %lld conversations\n",
                static_cast<long long>(r.fights), static_cast<long long>(r.victories), static_cast<long long>(r.deaths),
                static_cast<long long>(r.aimedAttacks), static_cast<long long>(r.talks));
    if (r.failure) {
        std::printf("FAULT in the game of seed %llu at its step %lld: %s\n"
                    "Replay it through the windows with: build/cindervale-script FILE, FILE holding:\n%s",
                    static_cast<unsigned long long>(r.failure->seed), static_cast<long long>(r.failure->step),
                    r.failure->what.c_str(), r.failure->script.c_str());
        return 1;
    }
    std::printf("0 faults\n");
    return 0;
}
