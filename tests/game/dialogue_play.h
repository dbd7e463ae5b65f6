// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing conversations in core tests: a new game with the ready-made character, the clicks that open and
// answer a conversation, what the game screen shows of it, and a runner for tables of whole talks.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/readymade.h"
#include "game/character/sheet.h"
#include "game/dialogue/conversations.h"
#include "game/inventory/items.h"
#include "game/shell/shell.h"
#include "game/story/gamescreen.h"
#include "game/story/map.h"
#include "game/story/questlog.h"
#include "game/story/scene.h"
#include "test_world.h"

namespace cv::test {

// A new game from the main menu with the ready-made character "ДемоИгрок", standing nowhere yet.
struct Game : TestWorld {
    Game() {
        newGameClick(w);
        takeClick(w);
    }
};

// Selects a numbered choice and presses "Выбрано".
inline void choose(World& w, int choice) {
    choiceClick(w, choice);
    readyClick(w); // "Выбрано", as the player presses it
}

// Enters the location from the map and confirms a choice there.
inline void visit(World& w, int location, int choice) {
    enterLocation(w, location);
    choose(w, choice);
}

inline void click(World& w, const std::vector<int>& answers) {
    for (int a : answers)
        answerClick(w, a);
}

// The store from slot 1 up as (item, count); the slots after the last listed one are empty.
using Slots = std::vector<std::pair<ItemId, int>>;

inline void fill(World& w, const Slots& slots) {
    for (int i = 1; i <= kSlotCount; ++i) {
        const bool listed = i <= static_cast<int>(slots.size());
        w.inventory.invItem[i] = listed ? slots[i - 1].first : itNone;
        w.inventory.invCount[i] = listed ? slots[i - 1].second : 0;
    }
}

// Slots 1 .. the last occupied one; an empty slot reads (0, 0) whatever count it keeps.
inline Slots normalized(Slots s) {
    for (auto& [id, count] : s)
        if (id == itNone) count = 0;
    while (!s.empty() && s.back().first == itNone)
        s.pop_back();
    return s;
}

inline Slots contents(const World& w) {
    Slots s;
    for (int i = 1; i <= kSlotCount; ++i)
        s.emplace_back(w.inventory.invItem[i], w.inventory.invCount[i]);
    return normalized(s);
}

// Twenty occupied slots: kinds that no conversation gives or takes, then the given stacks at the end.
inline Slots fullStoreEndingIn(const Slots& last) {
    const ItemId others[] = {itKnife, itPistol10mm, itRope, itCombatKnife, itSpear, itExplosives};
    Slots s;
    for (int i = 0; i < kSlotCount - static_cast<int>(last.size()); ++i)
        s.emplace_back(others[i % 6], 1);
    s.insert(s.end(), last.begin(), last.end());
    return s;
}

// What the conversation shows: the partner's line, the answers up to the last one with text, and the
// numbers of the answer labels that are hidden.
struct Talk {
    std::string rep;
    std::vector<std::string> answers;
    std::vector<int> hidden;

    Talk(std::string line = {}, std::vector<std::string> shownAnswers = {},
         std::vector<int> hiddenAnswers = {})
        : rep(std::move(line)), answers(std::move(shownAnswers)), hidden(std::move(hiddenAnswers)) {}
    bool operator==(const Talk&) const = default;
};

inline void PrintTo(const Talk& t, std::ostream* os) {
    *os << "rep \"" << t.rep << "\"";
    for (std::size_t i = 0; i < t.answers.size(); ++i)
        *os << ", a" << i + 1 << " \"" << t.answers[i] << "\"";
    for (int h : t.hidden)
        *os << ", a" << h << " hidden";
}

inline Talk shown(const World& w) {
    Talk t{w.Gameform.rep.text, {}, {}};
    for (int a = 1; a <= 5; ++a) {
        t.answers.push_back(answerText(w, a));
        if (!answerVisible(w, a)) t.hidden.push_back(a);
    }
    while (!t.answers.empty() && t.answers.back().empty())
        t.answers.pop_back();
    return t;
}

// Stands for a partner's line whose wording is the game's own: it must be there, its words are not checked.
inline const std::string anyLine = "<a line of the partner's>";

inline void expectTalk(const Talk& actual, const Talk& expected) {
    if (expected.rep == anyLine) {
        EXPECT_FALSE(actual.rep.empty()) << "the partner says nothing";
        Talk sameLine = expected;
        sameLine.rep = actual.rep;
        EXPECT_EQ(actual, sameLine);
    } else {
        EXPECT_EQ(actual, expected);
    }
}

// Which way the game screen is turned; the map is told apart by whether the village background was
// reloaded on the way (go to the map) or not (open the map).
enum class Mode { Dialogue, Choices, MapReloaded, MapKept, Other };

inline std::ostream& operator<<(std::ostream& os, Mode m) {
    const char* names[] = {"dialogue", "choices", "map, background reloaded", "map, background kept",
                           "other"};
    return os << names[static_cast<int>(m)];
}

inline Mode mode(const World& w, const FakePictures& pictures, std::size_t loadsBefore) {
    const auto& g = w.Gameform;
    if (!g.window.visible && w.mapform.window.visible) {
        for (std::size_t i = loadsBefore; i < pictures.requested.size(); ++i)
            if (pictures.requested[i] == "talk.jpg") return Mode::MapReloaded;
        return Mode::MapKept;
    }
    if (!g.window.visible) return Mode::Other;
    if (!g.choose.visible && !g.ready.visible) return Mode::Dialogue;
    if (g.choose.visible && g.ready.visible) return Mode::Choices;
    return Mode::Other;
}

inline std::array<int, 17> skills(const World& w) {
    std::array<int, 17> s{};
    for (int i = 1; i <= 17; ++i)
        s[i - 1] = skillValue(w, static_cast<Skill>(i));
    return s;
}

using Flags = std::vector<std::pair<StoryFlag, int>>;
using Quests = std::vector<std::pair<QuestLine, std::string>>;
using Gains = std::vector<std::pair<Skill, int>>;

// One talk: the state before, the location and choice that open it, the answers clicked, and all that
// must hold afterwards. Everything not named as changed must be as it was.
struct Path {
    std::string name;
    Flags given{};                         // story flags before the visit
    Slots carried{};                       // the store before the visit
    Quests logged{};                       // quest lines before the visit
    std::function<void(World&)> prepare{}; // anything else, after the character is taken
    int location = 0;
    int choice = 0;
    std::vector<int> answers{};
    std::vector<int> rolls{}; // theft rolls, each drawn from 0 .. 99
    // Afterwards.
    Talk talk{};
    int step = 0;
    Mode mode = Mode::Dialogue;
    bool mapButton = true;
    Flags flags{};                   // flags that changed
    std::optional<Slots> store{};    // the store, when it changed
    Quests quests{};                 // quest lines that changed
    Gains gains{};                   // skill figures that changed, by how much
    int caught = 0;                  // the catches counted
    std::optional<std::string> m1{}; // the first story text, where the talk writes it
};

inline void play(const Path& p) {
    SCOPED_TRACE(p.name);
    Game g;
    World& w = g.w;
    for (auto [f, v] : p.given)
        w.story.storyFlags[f] = static_cast<std::uint8_t>(v);
    fill(w, p.carried);
    for (const auto& [line, text] : p.logged)
        setQuestLine(w, line, text);
    if (p.prepare) p.prepare(w);

    auto flags = w.story.storyFlags;
    for (auto [f, v] : p.flags)
        flags[f] = static_cast<std::uint8_t>(v);
    std::array<std::string, 5> quests;
    for (int z = 1; z <= 5; ++z)
        quests[z - 1] = questLine(w, static_cast<QuestLine>(z));
    for (const auto& [line, text] : p.quests)
        quests[static_cast<int>(line) - 1] = text;
    auto figures = skills(w);
    for (auto [s, gain] : p.gains)
        figures[static_cast<int>(s) - 1] += gain;

    enterLocation(w, p.location);
    const std::size_t loads = g.pictures.requested.size();
    for (int r : p.rolls)
        g.rng.queued.push_back(r);
    choose(w, p.choice);
    click(w, p.answers);

    expectTalk(shown(w), p.talk);
    EXPECT_EQ(w.story.curStep, p.step);
    EXPECT_EQ(w.story.curLocation, p.location);
    EXPECT_EQ(mode(w, g.pictures, loads), p.mode);
    EXPECT_EQ(w.Gameform.mapb.visible, p.mapButton) << "the map button";
    for (int f = 0; f < kStoryFlagCount; ++f)
        EXPECT_EQ(int{w.story.storyFlags.bytes[f]}, int{flags.bytes[f]}) << "story flag " << f;
    EXPECT_EQ(contents(w), normalized(p.store ? *p.store : p.carried));
    for (int z = 1; z <= 5; ++z)
        EXPECT_EQ(questLine(w, static_cast<QuestLine>(z)), quests[z - 1]) << "quest line z" << z;
    EXPECT_EQ(skills(w), figures);
    EXPECT_EQ(w.caughtCount, p.caught);
    if (p.m1) {
        EXPECT_EQ(w.Gameform.m1.text, *p.m1);
    }
    // Every scripted roll was drawn, each a theft's 0 .. 99.
    EXPECT_TRUE(g.rng.queued.empty()) << g.rng.queued.size() << " rolls left undrawn";
    for (auto range : g.rng.asked)
        EXPECT_EQ(range, (std::pair<int, int>{0, 99}));
}

inline void play(const std::vector<Path>& paths) {
    for (const Path& p : paths)
        play(p);
}

// Everything a click could change, as text, so that two states compare whole.
inline std::string snapshot(const World& w) {
    std::ostringstream o;
    const auto& g = w.Gameform;
    o << "game " << g.window.visible << g.window.enabled << " fon " << g.fon.picture << "\n";
    o << "m1 " << g.m1.text << "\nm2 " << g.m2.text << " @" << g.m2.top << "\n";
    o << "choose " << g.choose.visible << " ready " << g.ready.visible << g.ready.enabled << " mapb "
      << g.mapb.visible << "\n";
    for (const auto& c : g.c)
        o << "c " << c.visible << c.checked << " " << c.caption << "\n";
    o << "rep " << g.rep.text << "\n";
    for (const auto& a : g.a)
        o << "a " << a.visible << " " << a.text << "\n";
    o << "map " << w.mapform.window.visible << " battle " << w.battle.window.visible << " menu "
      << w.Menuform.window.visible << (w.Menuform.window.owner != nullptr) << "\n";
    o << "at " << w.story.curLocation << "/" << w.story.curStep << " flags";
    for (auto b : w.story.storyFlags.bytes)
        o << int{b};
    o << "\nstore";
    for (int i = 1; i <= kSlotCount; ++i)
        o << " " << static_cast<int>(w.inventory.invItem[i]) << "x" << w.inventory.invCount[i];
    o << " hands " << w.inventory.hand1Slot << "," << w.inventory.hand2Slot << "\n";
    for (int z = 1; z <= 5; ++z)
        o << "z" << z << " " << questLine(w, static_cast<QuestLine>(z)) << "\n";
    o << "skills";
    for (int s : skills(w))
        o << " " << s;
    o << "\ncaught " << w.caughtCount << " hp " << w.character.hitPoints << "\n";
    return o.str();
}

} // namespace cv::test
