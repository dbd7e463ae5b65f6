// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The story log: what it keeps of a game, from the texts the game screen opens with.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "game/combat/battle.h"
#include "game/story/gamescreen.h"
#include "game/story/storylog.h"
#include "test_world.h"

namespace cv {
namespace {

using Lines = std::vector<std::string>;

TEST(StoryLog, BeginsWithTheScreensTextsAndKeepsWhatWasSaidButNotPromptsOrRefusals) {
    test::TestWorld t;
    World& w = t.w;
    w.storylog.text.lines = {"the game before"};
    const int cleared = w.storylog.text.cleared;
    takeClick(w);
    const Lines opening{storyText(w, 1), storyText(w, 2)};
    EXPECT_EQ(w.storylog.text.lines, opening);
    EXPECT_NE(w.storylog.text.cleared, cleared) << "a window showing the old log starts again";

    startFight(w, 1);
    battle::chooseClick(w, 4); // flee, not from the edge: refused
    battle::readyClick(w);
    battle::chooseClick(w, 6); // an attack out of reach: refused
    battle::readyClick(w);
    w.battle.dis.value = 1;
    battle::readyClick(w); // in reach: the prompt to pick the target
    EXPECT_EQ(w.battle.warn.text, "Выберете цель...");
    EXPECT_EQ(w.storylog.text.lines, opening);
    t.rng.push({99}); // a miss
    battle::epicClick(w);
    Lines said = opening;
    said.push_back("[Драка] ДемоИгрок бьёт.");
    EXPECT_EQ(w.storylog.text.lines, said);
}

} // namespace
} // namespace cv
