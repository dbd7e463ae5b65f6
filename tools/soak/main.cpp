// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// cindervale-soak: plays the game core at random for a number of inputs and checks its invariants.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <chrono>
#include <cstdio>

#include "cli/commandline.h"
#include "randomplayer.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays the game core at random and checks its invariants "
                                                    "after every input."));
    parser.addHelpOption();
    const QCommandLineOption steps(QStringLiteral("steps"), QStringLiteral("Inputs to play (1000000)."),
                                   QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("The first game's seed (1)."),
                                  QStringLiteral("S"));
    const QCommandLineOption broken(QStringLiteral("broken-pictures"),
                                    QStringLiteral("The share of picture loads that fail, 0 to 1 (0)."),
                                    QStringLiteral("SHARE"));
    parser.addOptions({steps, seed, broken});
    cv::cli::parse(parser, QCoreApplication::arguments());

    cv::soak::Options options;
    options.steps = 1000000;
    bool ok = true;
    auto refuseValue = [&parser](const QCommandLineOption& option, const char* wants) {
        cv::cli::refuse(QStringLiteral("--%1 wants %2, not '%3'")
                            .arg(option.names().first(), QLatin1String(wants), parser.value(option)));
    };
    if (parser.isSet(steps)) {
        options.steps = parser.value(steps).toLongLong(&ok);
        if (!ok || options.steps < 1) refuseValue(steps, "a whole number above 0");
    }
    if (parser.isSet(seed)) {
        options.seed = parser.value(seed).toULongLong(&ok);
        if (!ok) refuseValue(seed, "a whole number of 0 or more");
    }
    if (parser.isSet(broken)) {
        options.brokenPictures = parser.value(broken).toDouble(&ok);
        if (!ok || !(options.brokenPictures >= 0 && options.brokenPictures <= 1))
            refuseValue(broken, "a share from 0 to 1");
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
