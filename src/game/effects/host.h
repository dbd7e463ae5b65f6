// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's operations that a lower layer asks for without knowing which subsystem carries them out:
// what the effects of the story's tables do beyond the World's plain state, and the few steps a
// subsystem takes in one above it. The binding, above every subsystem, implements it.
#pragma once

#include <array>
#include <string>

#include "effects.h"

namespace cv::fx {

class Host {
  public:
    virtual ~Host() = default;

    // The game screen: its texts, what shows on it, the conversation, and where it goes.
    virtual void text(World& w, Where where, int n, const std::string& text) = 0;
    virtual void show(World& w, What what, int n, bool shown) = 0;
    virtual void say(World& w, const std::array<std::string, 6>& texts) = 0;
    virtual void go(World& w, Place place) = 0;
    virtual void background(World& w, const std::string& file) = 0;
    // The store.
    virtual void add(World& w, ItemId item, int count, Placement placement) = 0;
    virtual void remove(World& w, ItemId item, int count) = 0;
    virtual void compact(World& w) = 0;
    // The sheet's skills and the quest log.
    virtual void gain(World& w, Skill skill, int amount) = 0;
    virtual void quest(World& w, QuestLine line, const std::string& text) = 0;
    // A fight started, a roll against a check, a catch counted.
    virtual void fight(World& w, int fight) = 0;
    virtual bool roll(World& w, Check check) = 0;
    virtual void countCatch(World& w) = 0;

    // The game screen's "Хар.": the sheet, over the game screen, with its bonus panel in front.
    virtual void openSheetFromGameScreen(World& w) = 0;
    // The inventory opened from a fight: a heal raises the fight's own hit points (its new figure is
    // returned), and its close goes back to the fight with the weapon now in the first hand.
    virtual int healInFight(World& w, int amount) = 0;
    virtual void backToFight(World& w) = 0;
};

} // namespace cv::fx
