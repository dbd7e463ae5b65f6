// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the story in core tests: a game with the ready-made character, the clicks a player can make on
// the game screen, and what the screen shows.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "game/inventory/items.h"
#include "game/shell/shell.h"
#include "game/story/gamescreen.h"
#include "game/story/map.h"
#include "game/story/mode.h"
#include "test_world.h"

namespace cv::test {

inline const std::string playerName = "ДемоИгрок";
// How shownChoices() reads a hidden choice.
inline const std::string hidden = "(hidden)";

// A game with the ready-made character on a created game screen, no picture load recorded yet.
inline void startGame(TestWorld& t) {
    gameFormCreate(t.w);
    takeClick(t.w);
    t.pictures.requested.clear();
}

// A click on a choice, as the player makes it: a hidden choice cannot be clicked.
inline bool select(World& w, int choice) {
    const auto& g = w.Gameform;
    if (!g.window.visible || !g.window.enabled || !g.choose.visible ||
        !g.c[static_cast<std::size_t>(choice - 1)].visible) {
        ADD_FAILURE() << "choice " << choice << " cannot be clicked";
        return false;
    }
    choiceClick(w, choice);
    return true;
}

// "Выбрано", as the player presses it: only a shown, enabled button can be pressed.
inline void pressConfirm(World& w) {
    const auto& g = w.Gameform;
    if (!g.window.visible || !g.window.enabled || !g.ready.visible || !g.ready.enabled) {
        ADD_FAILURE() << "the confirm button cannot be pressed";
        return;
    }
    readyClick(w);
}

// Selects a choice and confirms it.
inline void choose(World& w, int choice) {
    if (select(w, choice)) pressConfirm(w);
}

// Whether the confirm button can be pressed now.
inline bool confirmPressable(const World& w) {
    return w.Gameform.ready.visible && w.Gameform.ready.enabled;
}

// The five choices as the player sees them: a shown choice by its caption, a hidden one as `hidden`.
inline std::vector<std::string> shownChoices(const World& w) {
    std::vector<std::string> out;
    for (const auto& c : w.Gameform.c)
        out.push_back(c.visible ? c.caption : hidden);
    return out;
}

// The texts of a1 .. a5.
inline std::vector<std::string> answerTexts(const World& w) {
    std::vector<std::string> out;
    for (const auto& a : w.Gameform.a)
        out.push_back(a.text);
    return out;
}

// The numbers of the hidden answer lines.
inline std::vector<int> hiddenAnswers(const World& w) {
    std::vector<int> out;
    for (int i = 1; i <= 5; ++i)
        if (!w.Gameform.a[static_cast<std::size_t>(i - 1)].visible) out.push_back(i);
    return out;
}

// How many of the kind the store holds over all its slots.
inline int itemCount(const World& w, ItemId id) {
    int n = 0;
    for (int i = 1; i <= kSlotCount; ++i)
        if (w.inventory.invItem[static_cast<std::size_t>(i)] == id)
            n += w.inventory.invCount[static_cast<std::size_t>(i)];
    return n;
}

// The map is up and the game screen hidden.
inline bool onMap(const World& w) {
    return w.mapform.window.visible && !w.Gameform.window.visible;
}

// The game screen is up in dialogue mode: no choice panel, no confirm button.
inline bool inDialogue(const World& w) {
    const auto& g = w.Gameform;
    return g.window.visible && !w.mapform.window.visible && !g.choose.visible && !g.ready.visible;
}

// The game screen is up in choice mode: the choice panel and the confirm button shown.
inline bool inChoiceMode(const World& w) {
    const auto& g = w.Gameform;
    return g.window.visible && !w.mapform.window.visible && g.choose.visible && g.ready.visible;
}

} // namespace cv::test
