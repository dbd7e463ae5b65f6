// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogue mode on the game screen, the dispatch of an answer click to its entry, and a walk over every
// conversation table and the scene rows that open them.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "dialogue_play.h"
#include "game/story/mode.h"
#include "game/story/scenes.h"

namespace cv {
namespace {

using test::Game;

TEST(DialogueMode, SetDialogueWritesTheSixTextsAndLeavesVisibilityAlone) {
    Game g;
    World& w = g.w;
    enterLocation(w, locHerd);
    setAnswerVisible(w, 2, false);
    setDialogue(w, "line", "one", "two", "three", "four", "five");
    EXPECT_EQ(test::shown(w), (test::Talk{"line", {"one", "two", "three", "four", "five"}, {2}}));
    // Absent texts are empty.
    setDialogue(w, "again", "first");
    EXPECT_EQ(test::shown(w), (test::Talk{"again", {"first"}, {2}}));
    // Setting texts does not switch the screen into dialogue mode.
    EXPECT_TRUE(w.Gameform.choose.visible);
    EXPECT_TRUE(w.Gameform.ready.visible);
}

TEST(DialogueMode, EnteringHidesTheChoicesEmptiesTheLineAndShowsEveryAnswer) {
    Game g;
    World& w = g.w;
    enterLocation(w, locHerd);
    setDialogue(w, "old line", "one", "two", "", "four");
    setAnswerVisible(w, 1, false);
    setAnswerVisible(w, 5, false);
    setMapButtonVisible(w, false);

    enterDialogue(w);

    EXPECT_FALSE(w.Gameform.choose.visible);
    EXPECT_FALSE(w.Gameform.ready.visible);
    // The answers keep their texts; only the partner's line is emptied.
    EXPECT_EQ(test::shown(w), (test::Talk{"", {"one", "two", "", "four"}, {}}));
    EXPECT_FALSE(w.Gameform.mapb.visible);
    EXPECT_TRUE(w.Gameform.window.visible);
}

TEST(DialogueMode, LeavingEmptiesTheFirstThreeAnswersAndKeepsTheRest) {
    Game g;
    World& w = g.w;
    enterLocation(w, locHerd);
    enterDialogue(w);
    setDialogue(w, "the last line", "one", "two", "three", "four", "five");
    setAnswerVisible(w, 2, false);
    setMapButtonVisible(w, false);

    leaveDialogue(w);

    EXPECT_TRUE(w.Gameform.choose.visible);
    EXPECT_TRUE(w.Gameform.ready.visible);
    EXPECT_TRUE(w.Gameform.mapb.visible);
    // The fourth and fifth answer and the partner's line stay on the screen; no label is shown or hidden.
    EXPECT_EQ(test::shown(w), (test::Talk{"the last line", {"", "", "", "four", "five"}, {2}}));
}

TEST(DialogueMode, GoingToTheMapReloadsTheVillageBackgroundOpeningItDoesNot) {
    struct Case {
        std::string name;
        std::function<void(World&)> leave;
        std::string background;
    };
    const std::vector<Case> cases = {
        {"go to the map", goToMap, "talk.jpg"},
        {"open the map", openMap, "fon1.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game g;
        World& w = g.w;
        enterLocation(w, locTemple); // the grove's background
        ASSERT_EQ(w.Gameform.fon.picture, "fon1.jpg");
        c.leave(w);
        EXPECT_FALSE(w.Gameform.window.visible);
        EXPECT_TRUE(w.mapform.window.visible);
        EXPECT_EQ(w.Gameform.fon.picture, c.background);
    }
}

TEST(DialogueMode, AChoiceHiddenWhileSelectedIsNoLongerSelected) {
    Game g;
    World& w = g.w;
    enterLocation(w, locCousin);
    choiceClick(w, 3);
    {
        const SettleChoices settle(w);
        setChoiceVisible(w, 2, false); // not the selected one
        setChoiceVisible(w, 3, false);
        setChoiceVisible(w, 3, true); // hidden and shown again within one handler: the player saw nothing
    }
    EXPECT_EQ(selectedChoice(w), 3);
    EXPECT_TRUE(w.Gameform.ready.enabled);
    {
        const SettleChoices settle(w);
        setChoiceVisible(w, 3, false);
        EXPECT_EQ(selectedChoice(w), 3) << "checked once, when the handler ends";
    }
    EXPECT_EQ(selectedChoice(w), 0);
    EXPECT_FALSE(w.Gameform.ready.enabled);

    // In play: the side hall off the temple corridor hides the choice that led there, so it cannot be
    // confirmed again unseen.
    enterLocation(w, locTemple);
    test::choose(w, 1); // to the entrance
    test::choose(w, 1); // into the corridor
    test::choose(w, 3); // the side hall
    EXPECT_EQ(w.story.curStep, steps::templeCorridor);
    EXPECT_FALSE(w.Gameform.c[2].visible);
    EXPECT_EQ(selectedChoice(w), 0);
    EXPECT_FALSE(w.Gameform.ready.enabled);
}

// A game in dialogue mode at the location and step, every answer label shown and empty.
void standAt(World& w, int location, int step) {
    enterLocation(w, location);
    w.story.curLocation = location; // also 0, which the map never sets
    enterDialogue(w);
    setDialogue(w, "before the click");
    w.story.curStep = step;
}

const TalkEntry* firstEntry(int location, int step, int answer) {
    for (const TalkEntry& e : allTalk())
        if (e.location == location && e.step == step && e.answer == answer) return &e;
    return nullptr;
}

std::string where(const TalkEntry& e) {
    return "location " + std::to_string(e.location) + ", step " + std::to_string(e.step) + ", answer " +
           std::to_string(e.answer);
}

TEST(DialogueDispatch, AClickOnAnEmptyShownLabelRunsExactlyItsFirstEntry) {
    // The click must do what that entry alone does: no other location's entry, no second entry for the
    // step the first one moves to, and nothing when the label shows no text is no excuse.
    for (const TalkEntry& e : allTalk()) {
        SCOPED_TRACE(where(e));
        const TalkEntry* first = firstEntry(e.location, e.step, e.answer);
        Game clicked, direct;
        for (Game* g : {&clicked, &direct}) {
            standAt(g->w, e.location, e.step);
            g->rng.push({0, 0}); // a theft succeeds
        }
        const std::string before = test::snapshot(clicked.w);
        ASSERT_EQ(answerText(clicked.w, e.answer), "");
        answerClick(clicked.w, e.answer);
        fx::run(direct.w, first->effects);
        EXPECT_NE(test::snapshot(clicked.w), before) << "the click did nothing";
        EXPECT_EQ(test::snapshot(clicked.w), test::snapshot(direct.w));
        EXPECT_EQ(clicked.rng.asked, direct.rng.asked);
    }
}

TEST(DialogueDispatch, AHiddenLabelTakesNoClick) {
    for (const TalkEntry& e : allTalk()) {
        SCOPED_TRACE(where(e));
        Game g;
        standAt(g.w, e.location, e.step);
        setAnswerText(g.w, e.answer, "an answer");
        setAnswerVisible(g.w, e.answer, false);
        const std::string before = test::snapshot(g.w);
        answerClick(g.w, e.answer);
        EXPECT_EQ(test::snapshot(g.w), before);
        EXPECT_TRUE(g.rng.asked.empty());
    }
}

TEST(DialogueDispatch, AClickWithNoEntryChangesNothing) {
    struct Case {
        std::string name;
        int location, step, answer;
    };
    const std::vector<Case> cases = {
        {"the herd has no one to talk to", locHerd, 1, 1},
        {"no location entered", locNone, 1, 1},
        {"the elder's story has one answer", locElder, 3, 2},
        {"the dog has nothing more after the herb", locCousin, 4, 3},
        {"nothing to steal from the guard", locGuard, 0, 1},
        {"the aunt's fourth answer after the theft", locAunt, 4, 4},
        {"the shaman's brewing has one answer", locShaman, 4, 2},
        {"the spear master's goodbye has one answer", locSpearMaster, 2, 2},
        {"the keeper's last words have one answer", locBridge, 6, 2},
        {"the grove guard's questions have three answers", locTemple, 4, 4},
        {"the hunting grounds' fork is no conversation", locHuntingGrounds, steps::huntingFork, 1},
        {"a step no conversation uses", locAunt, 7, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game g;
        standAt(g.w, c.location, c.step);
        setAnswerText(g.w, c.answer, "an answer");
        const std::string before = test::snapshot(g.w);
        answerClick(g.w, c.answer);
        EXPECT_EQ(test::snapshot(g.w), before);
        EXPECT_TRUE(g.rng.asked.empty());
    }
}

// Walks effects with their nested outcomes, keeping track of a location that the effects move to.
void walk(const fx::Effects& effects, int& location,
          const std::function<void(const fx::Effect&, int)>& visit) {
    for (const fx::Effect& e : effects) {
        if (const auto* step = fx::as<fx::Step>(e); step && step->location) location = *step->location;
        visit(e, location);
        for (const fx::Effects* branch : fx::branchesOf(e)) {
            int inner = location;
            walk(*branch, inner, visit);
        }
    }
}

bool entersDialogue(const fx::Effects& effects) {
    bool found = false;
    int loc = 0;
    walk(effects, loc, [&](const fx::Effect& e, int) {
        const auto* go = fx::as<fx::Go>(e);
        found = found || (go && go->place == fx::Place::Dialogue);
    });
    return found;
}

TEST(DialogueTables, EveryStepAConversationMovesToHasAnEntry) {
    std::set<std::pair<int, int>> keyed;
    for (const TalkEntry& e : allTalk())
        keyed.insert({e.location, e.step});

    struct Source {
        std::string what;
        int location;
        const fx::Effects* effects;
    };
    std::vector<Source> sources;
    for (const TalkEntry& e : allTalk())
        sources.push_back({"the entry at " + where(e), e.location, &e.effects});
    for (const SceneRow& r : allScenes())
        if (entersDialogue(r.effects))
            sources.push_back({"the scene row of location " + std::to_string(r.location) + ", choice " +
                                   std::to_string(r.choice),
                               r.location, &r.effects});

    int stepsSet = 0;
    for (const Source& s : sources) {
        int loc = s.location;
        walk(*s.effects, loc, [&](const fx::Effect& e, int at) {
            const auto* step = fx::as<fx::Step>(e);
            if (!step || !step->step) return;
            ++stepsSet;
            // Step 0 is out of the conversation: the choices are back and no answer is expected.
            const int n = *step->step;
            if (n == 0) return;
            EXPECT_TRUE(keyed.count({at, n})) << s.what << " moves to step " << n << " of location " << at
                                              << ", where no answer has an entry";
        });
    }
    EXPECT_GT(stepsSet, 60);
}

TEST(DialogueTables, EachLocationStepAndAnswerHasOneEntry) {
    std::map<std::tuple<int, int, int>, int> seen;
    for (const TalkEntry& e : allTalk()) {
        SCOPED_TRACE(where(e));
        EXPECT_GE(e.location, locGuard);
        EXPECT_LE(e.location, locBridge);
        // a1 .. a4 take clicks; a5 has none.
        EXPECT_GE(e.answer, 1);
        EXPECT_LE(e.answer, 4);
        // A second entry with the same key could never run.
        const int times = ++seen[std::make_tuple(e.location, e.step, e.answer)];
        EXPECT_EQ(times, 1) << "a second entry that can never run";
    }
    // The three groups make up the whole table.
    EXPECT_EQ(allTalk().size(), elderKeeperAndGuardsTalk().size() + relativesTalk().size() +
                                    shamanSpearMasterAndTentsTalk().size());
}

void expectItemsNamed(const fx::Cond& c, const std::string& what) {
    if (c.kind == fx::Cond::Kind::Has) {
        EXPECT_TRUE(isItem(c.item)) << what << " tests item " << c.item;
    }
    for (const fx::Cond& part : c.parts)
        expectItemsNamed(part, what);
}

TEST(DialogueTables, EveryItemNamedIsAnItem) {
    auto check = [](const fx::Effects& effects, int location, const std::string& what) {
        int loc = location;
        walk(effects, loc, [&](const fx::Effect& e, int) {
            const auto* add = fx::as<fx::Add>(e);
            const auto* remove = fx::as<fx::Remove>(e);
            if (add || remove) {
                const ItemId item = add ? add->item : remove->item;
                EXPECT_TRUE(isItem(item)) << what << " names item " << item;
                EXPECT_GT(add ? add->count : remove->count, 0) << what << " moves no items";
            }
            if (const auto* when = fx::as<fx::When>(e)) expectItemsNamed(when->cond, what);
        });
    };
    for (const TalkEntry& e : allTalk())
        check(e.effects, e.location, where(e));
    for (const SceneRow& r : allScenes())
        check(r.effects, r.location, "scene row of location " + std::to_string(r.location));
}

TEST(DialogueTables, EveryLineThePartnerSpeaksOffersAFirstAnswer) {
    // A partner's line is answered on a1; an answer offered without a line would be the partner
    // silent mid-talk. The one silent line is the aunt's when she catches the thief: the answer is
    // the narrator's.
    for (const TalkEntry& entry : allTalk()) {
        SCOPED_TRACE(where(entry));
        int loc = entry.location;
        walk(entry.effects, loc, [&](const fx::Effect& e, int) {
            const auto* say = fx::as<fx::Say>(e);
            if (!say) return;
            const auto& texts = say->texts;
            ASSERT_EQ(texts.size(), 6u);
            const bool speaks = !texts[0].empty();
            bool answered = false;
            for (std::size_t a = 1; a <= 5; ++a)
                answered = answered || !texts[a].empty();
            if (speaks) {
                EXPECT_FALSE(texts[1].empty()) << "\"" << texts[0] << "\" has no first answer";
            }
            const bool silentCatch = entry.location == locAunt && entry.step == 3;
            if (answered && !silentCatch) {
                EXPECT_TRUE(speaks) << "answers offered without a line";
            }
            EXPECT_TRUE(texts[5].empty()) << "a5 never receives text";
        });
    }
}

// Whether the effects put a text on the first answer whichever way their conditions go.
bool givesFirstAnswer(const fx::Effects& effects) {
    for (const fx::Effect& e : effects) {
        const auto* say = fx::as<fx::Say>(e);
        const auto* text = fx::as<fx::Text>(e);
        const auto* when = fx::as<fx::When>(e);
        if (say && !say->texts[1].empty()) return true;
        if (text && text->where == fx::Where::Answer && text->n == 1 && !text->text.empty()) return true;
        if (when && givesFirstAnswer(when->yes) && givesFirstAnswer(when->no)) return true;
    }
    return false;
}

bool opensTheMap(const fx::Effects& effects) {
    bool found = false;
    int loc = 0;
    walk(effects, loc, [&](const fx::Effect& e, int) {
        const auto* go = fx::as<fx::Go>(e);
        found = found || (go && (go->place == fx::Place::MapAsIs || go->place == fx::Place::Map));
    });
    return found;
}

TEST(DialogueTables, EveryOpeningOffersAFirstAnswer) {
    // An opening shown to the player gives the first answer line a text to click, in every branch. The
    // shaman's "Идти отсюда" enters dialogue mode behind the map, with nothing to show.
    int openings = 0;
    for (const SceneRow& r : allScenes()) {
        if (!entersDialogue(r.effects) || opensTheMap(r.effects)) continue;
        ++openings;
        EXPECT_TRUE(givesFirstAnswer(r.effects))
            << "the opening at location " << r.location << ", choice " << r.choice;
    }
    EXPECT_EQ(openings, 15); // the talk and theft choices of the eleven villagers and the two tents
}

} // namespace
} // namespace cv
