// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up measured as whole processes: the program from its start to the main menu drawn and the end,
// side by side with a bare Qt window, and the first showing of each window. Every figure is a median
// or a ratio of medians over runs that alternate between the two programs, so that both see the same
// machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double wallMs = 0;
    double peakMiB = 0;
    std::string output;
    bool ok = false;
};

// Starts the program, waits for it, and reads its wall time, peak memory and what it printed.
Run runProcess(const std::vector<std::string>& argv) {
    Run run;
    int out[2];
    if (pipe(out) != 0) return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0); // the programs' own warnings
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return run;
    }
    char buf[256];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
        run.output.append(buf, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int runsWanted() {
    const char* env = std::getenv("CINDERVALE_STARTUP_RUNS");
    const int n = env ? std::atoi(env) : 0;
    return n > 0 ? n : 21;
}

// The program against the bare window, in turns; the counters are medians and the ratio of medians.
void startUpToMainMenu(benchmark::State& state) {
    const int runs = runsWanted();
    std::vector<double> gameMs, bareMs, gameMiB, bareMiB;
    for (auto _ : state) {
        runProcess({CINDERVALE_STARTUP_PROBE}); // warm-up of both, not counted
        runProcess({CINDERVALE_BARE_WINDOW});
        for (int i = 0; i < runs; ++i) {
            const Run game = runProcess({CINDERVALE_STARTUP_PROBE});
            const Run bare = runProcess({CINDERVALE_BARE_WINDOW});
            if (!game.ok || !bare.ok) {
                state.SkipWithError("a start-up run failed");
                return;
            }
            gameMs.push_back(game.wallMs);
            bareMs.push_back(bare.wallMs);
            gameMiB.push_back(game.peakMiB);
            bareMiB.push_back(bare.peakMiB);
        }
    }
    state.counters["game_ms"] = median(gameMs);
    state.counters["bare_ms"] = median(bareMs);
    state.counters["wall_ratio"] = median(gameMs) / median(bareMs);
    state.counters["game_MiB"] = median(gameMiB);
    state.counters["bare_MiB"] = median(bareMiB);
    state.counters["memory_ratio"] = median(gameMiB) / median(bareMiB);
}
BENCHMARK(startUpToMainMenu)->Iterations(1)->Unit(benchmark::kMillisecond);

// The first showing of one window, measured inside a fresh program each run.
void firstShow(benchmark::State& state, const char* window) {
    std::vector<double> ms;
    for (auto _ : state) {
        for (int i = 0; i < 7; ++i) {
            const Run r = runProcess({CINDERVALE_STARTUP_PROBE, "--first-show", window});
            if (!r.ok) {
                state.SkipWithError("the window did not show");
                return;
            }
            ms.push_back(std::atof(r.output.c_str()));
        }
    }
    state.counters["first_show_ms"] = median(ms);
}
BENCHMARK_CAPTURE(firstShow, text_setup_once, "text-setup")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, auth, "auth")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, createf, "createf")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, Gameform, "Gameform")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, fonts, "fonts")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, mapform, "mapform")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, battle, "battle")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, help, "help")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, accform, "accform")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, createform, "createform")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, InvForm, "InvForm")->Iterations(1);
BENCHMARK_CAPTURE(firstShow, Vesk, "Vesk")->Iterations(1);

} // namespace

BENCHMARK_MAIN();
