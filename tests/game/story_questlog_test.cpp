// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The wrist computer's quest log: opening and closing it, its two clicks, and the five quest lines as the
// conversations write and empty them.
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/dialogue/conversations.h"
#include "game/story/questlog.h"
#include "story_play.h"

namespace cv {
namespace {

std::vector<std::string> lineTexts(const World& w) {
    std::vector<std::string> out;
    for (QuestLine l : {QuestLine::z1, QuestLine::z2, QuestLine::z3, QuestLine::z4, QuestLine::z5})
        out.push_back(questLine(w, l));
    return out;
}

void expectLinesShown(const World& w, bool shown) {
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(w.Vesk.z[i].visible, shown) << "z" << i + 1;
}

TEST(QuestLog, OpensOverTheDisabledGameScreenWithHeadingAndLinesHidden) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;

    veskClick(w);

    EXPECT_TRUE(w.Vesk.window.visible);
    EXPECT_FALSE(w.Gameform.window.enabled);
    EXPECT_TRUE(w.Gameform.window.visible);
    EXPECT_FALSE(w.Vesk.ar.visible);
    expectLinesShown(w, false);
}

TEST(QuestLog, TheHeadingThenTheLinesAndBeforeAnyQuestFiveEmptyOnes) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    veskClick(w);

    vesk::Image3Click(w);
    EXPECT_TRUE(w.Vesk.ar.visible);
    EXPECT_EQ(w.Vesk.ar.text, "Тарнвель");
    expectLinesShown(w, false);

    vesk::arClick(w);
    expectLinesShown(w, true);
    EXPECT_EQ(lineTexts(w), std::vector<std::string>(5, ""));
    EXPECT_FALSE(w.Gameform.window.enabled);
}

TEST(QuestLog, ClosingHidesTheLinesAndTheNextOpeningHidesTheHeading) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    veskClick(w);
    vesk::Image3Click(w);
    vesk::arClick(w);

    vesk::Image2Click(w);

    EXPECT_FALSE(w.Vesk.window.visible);
    EXPECT_TRUE(w.Gameform.window.enabled);
    expectLinesShown(w, false);
    EXPECT_TRUE(w.Vesk.ar.visible); // until the log is opened again

    veskClick(w);

    EXPECT_FALSE(w.Vesk.ar.visible);
    expectLinesShown(w, false);
    EXPECT_FALSE(w.Gameform.window.enabled);
}

TEST(QuestLog, EachQuestHasItsPlaceWithTheKnifeAboveTheMessage) {
    test::TestWorld t;
    const std::map<QuestLine, int> tops = {{QuestLine::z1, 59},
                                           {QuestLine::z2, 105},
                                           {QuestLine::z3, 150},
                                           {QuestLine::z5, 196},
                                           {QuestLine::z4, 241}};
    for (auto [line, top] : tops) {
        const Label& z = t.w.Vesk.z[static_cast<std::size_t>(line) - 1];
        EXPECT_EQ(z.top, top) << "z" << static_cast<int>(line);
        EXPECT_EQ(z.left, 195);
    }
}

// A quest line written or emptied by a conversation, with the flags the same effects set.
struct QuestWrite {
    QuestLine line;
    std::string text;
    std::set<StoryFlag> flagsSet;
};

void collectQuestWrites(const fx::Effects& effects, std::vector<QuestWrite>& out) {
    std::set<StoryFlag> set;
    for (const fx::Effect& e : effects)
        if (const auto* flag = fx::as<fx::Set>(e); flag && flag->on) set.insert(flag->flag);
    for (const fx::Effect& e : effects) {
        if (const auto* quest = fx::as<fx::Quest>(e)) out.push_back({quest->line, quest->text, set});
        for (const fx::Effects* branch : fx::branchesOf(e))
            collectQuestWrites(*branch, out);
    }
}

TEST(QuestLog, ConversationsWriteEachLineWithItsQuestAndEmptyItWhenItIsDone) {
    struct Quest {
        std::string text;
        StoryFlag taken;
        bool hasDone;
        StoryFlag done;
    };
    const std::map<QuestLine, Quest> quests = {
        {QuestLine::z1, {"Принести Ведрику мяса дла Кудла", questMeat, true, dogFed}},
        {QuestLine::z2, {"Убить крысу", questRat, false, questRat}},
        {QuestLine::z3, {"Принести травы Ольмиру", questHerbs, false, questHerbs}},
        {QuestLine::z4, {"Сказать Эрвальду, что обеда не будет.", questMessage, true, messageDelivered}},
        {QuestLine::z5, {"Достать нож Эрвальда из колодца.", questWellKnife, true, wellKnifeRecovered}},
    };
    std::vector<QuestWrite> writes;
    for (const TalkEntry& e : allTalk())
        collectQuestWrites(e.effects, writes);

    std::set<QuestLine> written, emptied;
    for (const QuestWrite& q : writes) {
        const Quest& quest = quests.at(q.line);
        SCOPED_TRACE(testing::Message() << "z" << static_cast<int>(q.line) << " := \"" << q.text << "\"");
        if (q.text.empty()) {
            emptied.insert(q.line);
            EXPECT_TRUE(quest.hasDone) << "a quest line that is never emptied";
            EXPECT_TRUE(q.flagsSet.count(quest.done)) << "emptied without its done flag";
        } else {
            written.insert(q.line);
            EXPECT_EQ(q.text, quest.text);
            EXPECT_TRUE(q.flagsSet.count(quest.taken)) << "written without its quest flag";
        }
    }
    EXPECT_EQ(written.size(), 5u);
    EXPECT_EQ(emptied, (std::set<QuestLine>{QuestLine::z1, QuestLine::z4, QuestLine::z5}));
}

// The cousin asks for meat for his dog: his conversation's first answer three times.
void takeTheMeatQuest(World& w) {
    enterLocation(w, locCousin);
    test::choose(w, 1);
    for (int i = 0; i < 3; ++i)
        answerClick(w, 1);
}

TEST(QuestLog, AQuestTakenShowsItsLineAndADoneOneLeavesAnEmptyLineInItsPlace) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    takeTheMeatQuest(w);
    ASSERT_TRUE(w.story.storyFlags.isSet(questMeat));
    enterLocation(w, locAunt);
    test::choose(w, 1);
    answerClick(w, 2); // "Да никак...": she asks for the rat
    ASSERT_TRUE(w.story.storyFlags.isSet(questRat));
    EXPECT_EQ(lineTexts(w),
              (std::vector<std::string>{"Принести Ведрику мяса дла Кудла", "Убить крысу", "", "", ""}));

    addItem(w, itMeat, 1);
    enterLocation(w, locCousin);
    test::choose(w, 1);
    answerClick(w, 3); // "Я принёс мяса для Кудла"
    ASSERT_TRUE(w.story.storyFlags.isSet(dogFed));

    veskClick(w);
    vesk::Image3Click(w);
    vesk::arClick(w);
    EXPECT_EQ(lineTexts(w), (std::vector<std::string>{"", "Убить крысу", "", "", ""}));
    expectLinesShown(w, true);
    EXPECT_EQ(w.Vesk.z[1].top, 105);
}

TEST(QuestLog, TheLinesOutliveTheGameTheyWereWrittenIn) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    takeTheMeatQuest(w);

    takeClick(w);

    EXPECT_FALSE(w.story.storyFlags.isSet(questMeat));
    EXPECT_EQ(lineTexts(w), (std::vector<std::string>{"Принести Ведрику мяса дла Кудла", "", "", "", ""}));
}

} // namespace
} // namespace cv
