// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A World for core tests: scripted rolls and a picture loader that records loads and fails on request.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/binding.h"
#include "game/world.h"

namespace cv {
// Tests name items and story flags as the game does.
using enum ItemId;
using enum StoryFlag;
inline std::ostream& operator<<(std::ostream& os, ItemId id) {
    return os << "item " << static_cast<int>(id);
}
} // namespace cv

namespace cv::test {

// Hands out queued values; a roll nobody scripted, or one outside the asked range, fails the test.
class ScriptedRng : public Rng {
  public:
    std::deque<int> queued;
    std::vector<std::pair<int, int>> asked; // the range of every roll drawn

    void push(std::initializer_list<int> values) { queued.insert(queued.end(), values); }

    int uniform(int lo, int hi) override {
        asked.emplace_back(lo, hi);
        if (queued.empty()) {
            ADD_FAILURE() << "unscripted roll in [" << lo << ", " << hi << "]";
            return lo;
        }
        const int v = queued.front();
        queued.pop_front();
        if (v < lo || v > hi)
            ADD_FAILURE() << "scripted roll " << v << " outside [" << lo << ", " << hi << "]";
        return v;
    }
};

// Records every load request in order; a path in `failing` throws as a missing file does.
class FakePictures : public Pictures {
  public:
    std::vector<std::string> requested;
    std::set<std::string> failing;

    void load(const std::string& path) override {
        requested.push_back(path);
        if (failing.count(path)) throw PictureError("Cannot open file " + path);
    }
};

struct TestWorld {
    ScriptedRng rng;
    FakePictures pictures;
    World w;

    TestWorld() {
        bindGame(w);
        w.rng = &rng;
        w.pictures = &pictures;
    }
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;
};

} // namespace cv::test
