// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The village map: every location's entry scene, the corn field's two forms, the temple grove's background,
// and "Назад" back to the game screen.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "story_play.h"

namespace cv {
namespace {

using test::hidden;

struct EntryCase {
    int location;
    std::string m1, m2;
    std::vector<std::string> choices; // the shown ones, from c1; the rest hidden
    bool startsAtStepOne;
};

const std::vector<EntryCase>& entryCases() {
    static const std::vector<EntryCase> cases = {
        {locGuard,
         "Вы подходите к тёмной пещере - выходу из Храма Порога. Рядом стоит здоровый деревенский парень - "
         "Брастон-охранник.",
         "Он смотрит на вас с нескрываемой злобой, как будто вы чем-то сильно навредили ему",
         {"Поговорить с Брастоном", "Попытаться украсть что-нибудь у Брастона", "Уйти отсюда поскорее"},
         false},
        {locShaman,
         "Вы видите старого шамана. Похоже он под действием наркотиков...",
         "",
         {"Поговорить с Ольмиром", "Идти отсюда"},
         false},
        {locCousin,
         "Вы видите своего кузена Ведрика. Он, как обычно, играет со своей собакой",
         "",
         {"Поговорить с Ведриком", "Украсть что-нибудь у Ведрика", "Идти отсюда", "Мяукнуть"},
         false},
        {locHerd,
         "Тут пасутся несколько двурогов - удивительных, но несколько поднадоевших животных",
         "",
         {"Уйти отсюда"},
         false},
        {locCornField,
         "Вы подходите к большому полю кукурузы. Эта культура уже долгое время кормит деревню.",
         "",
         {"Уйти"},
         false},
        {locSpearMaster,
         "Вы заходите в палатку Колвена, обучающего мастерству копья.",
         "Он выглядит усталым, но, тем не менее, вежливо вам улыбается.",
         {"Заговорить", "Уйти"},
         false},
        {locHouseA,
         "Вы заходите в палатку одного из своих соплеменников. К счастью его нет дома.",
         "",
         {"\"Отдолжить\" что-нибудь", "Уйти"},
         false},
        {locElder,
         "Вы заходите в палатку Старейшины. Она не видит вас - занята какой-то писаниной",
         "",
         {"Прокашляться", "Тихонько уйти"},
         false},
        {locHouseB,
         "Вы заходите в палатку одного из своих соплеменников. К счастью его нет дома.",
         "",
         {"\"Отдолжить\" что-нибудь", "Уйти"},
         false},
        {locWell,
         "Вы видите своего племянника Эрвальда, стоящего у колодца. Он выглядит растроенным.",
         "",
         {"Заговорить", "Уйти"},
         false},
        {locStatue,
         "Вы подходите к огромному изваянию - голова Скорлана. Рядом стоит ваш дядя - Дорен.",
         "",
         {"Заговорить с Дореном", "Уйти"},
         false},
        {locAunt,
         "Вы заходите в палатку своей не слишком приятной в общении тётки Гризны. Она замечает вас, но "
         "игнорирует.",
         "",
         {"Заговорить", "Уйти", "Попробовать что-нибудь украсть"},
         false},
        {locHuntingGrounds,
         "Вы подходите, к лесу рядом с деревней. Здесь никто не живёт, только дикие ящеруны. Как бы не "
         "попасться на глаза одному из таких!",
         "",
         {"Идти вглубь леса", "Уйти"},
         true},
        {locTemple,
         "Вы подходите, к небольшой рощице у Храма Порога.",
         "Охранник стоит рядом, опираясь на острое боевое копьё.",
         {"Идти к Храму", "Уйти", "Заговорить с охранником"},
         true},
        {locBridge,
         "Вы выходите к огромной пропасти. Когда-то внизу бушевала река, в честь которой была названа "
         "деревня. "
         "Теперь река пересохла, берега поднялись высоко, но название осталось.",
         "Через пропасть перекинут длинный мост, у моста стоит огромный человечище - Хранитель",
         {"Заговорить с Хранителем", "Идти в деревню", "Идти через мост"},
         true},
    };
    return cases;
}

std::vector<std::string> padded(std::vector<std::string> shown) {
    shown.resize(5, hidden);
    return shown;
}

// The game screen as a conversation leaves it, with the map open: answers and choices half hidden, a choice
// selected, the map button hidden, old texts everywhere.
void leaveAMess(test::TestWorld& t) {
    World& w = t.w;
    resetGameScreen(w);
    for (int c = 1; c <= 5; ++c)
        setChoiceCaption(w, c, "earlier");
    choiceClick(w, 2);
    setChoiceVisible(w, 3, false);
    setChoiceVisible(w, 4, false);
    setChoiceVisible(w, 5, false);
    enterDialogue(w);
    setDialogue(w, "line", "one", "two", "three", "four", "five");
    setAnswerVisible(w, 2, false);
    setAnswerVisible(w, 5, false);
    setMapButtonVisible(w, false);
    setStoryText(w, 1, "earlier first text");
    setStoryText(w, 2, "earlier second text");
    mapbClick(w);
    t.pictures.requested.clear();
    w.story.curStep = 42;
}

TEST(MapEntry, EveryLocationShowsItsTextsAndChoicesInChoiceModeWithNothingSelected) {
    for (const EntryCase& c : entryCases()) {
        SCOPED_TRACE("location " + std::to_string(c.location));
        test::TestWorld t;
        test::startGame(t);
        World& w = t.w;
        const auto& g = w.Gameform;
        leaveAMess(t);

        enterLocation(w, c.location);

        EXPECT_EQ(w.story.curLocation, c.location);
        EXPECT_EQ(g.m1.text, c.m1);
        EXPECT_EQ(g.m2.text, c.m2);
        EXPECT_EQ(test::shownChoices(w), padded(c.choices));
        EXPECT_EQ(w.story.curStep, c.startsAtStepOne ? 1 : 42);
        EXPECT_EQ(g.m2.top, c.location == locGuard ? 80 : 120);

        EXPECT_TRUE(test::inChoiceMode(w));
        EXPECT_EQ(selectedChoice(w), 0);
        EXPECT_FALSE(g.ready.enabled);
        EXPECT_TRUE(g.mapb.visible);
        EXPECT_TRUE(test::hiddenAnswers(w).empty());
        EXPECT_EQ(test::answerTexts(w), (std::vector<std::string>{"", "", "", "four", "five"}));

        // Only the temple grove has a background of its own.
        if (c.location == locTemple) {
            EXPECT_EQ(t.pictures.requested, std::vector<std::string>{"fon1.jpg"});
            EXPECT_EQ(g.fon.picture, "fon1.jpg");
        } else {
            EXPECT_TRUE(t.pictures.requested.empty());
            EXPECT_EQ(g.fon.picture, "talk.jpg");
        }
        EXPECT_TRUE(t.rng.asked.empty());
    }
}

TEST(MapEntry, TheGuardsCaveRaisesTheSecondTextForTheRestOfTheRun) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    enterLocation(w, locSpearMaster);
    EXPECT_EQ(w.Gameform.m2.top, 120);

    enterLocation(w, locGuard);
    EXPECT_EQ(w.Gameform.m2.top, 80);
    for (int loc = locShaman; loc <= locBridge; ++loc) {
        enterLocation(w, loc);
        EXPECT_EQ(w.Gameform.m2.top, 80) << loc;
    }
    // Nor does a new game bring it down again.
    takeClick(w);
    enterLocation(w, locBridge);
    EXPECT_EQ(w.Gameform.m2.top, 80);
    EXPECT_EQ(w.Gameform.m2.text,
              "Через пропасть перекинут длинный мост, у моста стоит огромный человечище - Хранитель");
}

TEST(MapEntry, TheRatIsInTheCornFieldOnlyBetweenTheAuntsRequestAndItsDeath) {
    struct Case {
        bool questRat, ratKilled, ratThere;
    };
    for (const Case& c : {Case{false, false, false}, Case{true, false, true}, Case{true, true, false},
                          Case{false, true, false}}) {
        SCOPED_TRACE(testing::Message() << "questRat " << c.questRat << ", ratKilled " << c.ratKilled);
        test::TestWorld t;
        test::startGame(t);
        World& w = t.w;
        leaveAMess(t);
        w.story.storyFlags[questRat] = c.questRat;
        w.story.storyFlags[ratKilled] = c.ratKilled;

        enterLocation(w, locCornField);

        if (c.ratThere) {
            EXPECT_EQ(w.Gameform.m1.text, "Вы замечаете огромную крысу, жадно пожирающую молодую кукурузу.");
            EXPECT_EQ(test::shownChoices(w), padded({"Уйти", "Напасть на крысу."}));
        } else {
            EXPECT_EQ(w.Gameform.m1.text,
                      "Вы подходите к большому полю кукурузы. Эта культура уже долгое время кормит деревню.");
            EXPECT_EQ(test::shownChoices(w), padded({"Уйти"}));
        }
        EXPECT_EQ(w.Gameform.m2.text, "");
        EXPECT_EQ(w.story.curStep, 42);
    }
}

TEST(MapEntry, AGroveBackgroundThatFailsToLoadStopsTheEntryAfterItsTextsAndStep) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    leaveAMess(t);
    t.pictures.failing.insert("fon1.jpg");

    EXPECT_THROW(enterLocation(w, locTemple), PictureError);

    EXPECT_EQ(w.story.curLocation, locTemple);
    EXPECT_EQ(w.Gameform.m1.text, "Вы подходите, к небольшой рощице у Храма Порога.");
    EXPECT_EQ(w.Gameform.m2.text, "Охранник стоит рядом, опираясь на острое боевое копьё.");
    EXPECT_EQ(test::shownChoices(w), padded({"Идти к Храму", "Уйти", "Заговорить с охранником"}));
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_EQ(w.Gameform.fon.picture, "talk.jpg");
    // The step comes before the picture: the grove's choices act as the grove's.
    EXPECT_EQ(w.story.curStep, steps::templeGrove);
}

TEST(MapBack, ReturnsToTheScreenAsItWasInChoiceMode) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    const auto& g = w.Gameform;
    enterLocation(w, locCousin);
    test::select(w, 2);
    mapbClick(w);
    ASSERT_TRUE(test::onMap(w));

    mapBackClick(w);

    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_EQ(w.story.curLocation, locCousin);
    EXPECT_EQ(g.m1.text, "Вы видите своего кузена Ведрика. Он, как обычно, играет со своей собакой");
    EXPECT_EQ(test::shownChoices(w),
              padded({"Поговорить с Ведриком", "Украсть что-нибудь у Ведрика", "Идти отсюда", "Мяукнуть"}));
    EXPECT_EQ(selectedChoice(w), 2);
    EXPECT_TRUE(g.ready.enabled);
    EXPECT_TRUE(g.mapb.visible);
}

TEST(MapBack, LeavesDialogueModeAndKeepsTheLocationTheTextAndTheSelection) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    const auto& g = w.Gameform;
    enterLocation(w, locElder);
    test::choose(w, 1);
    ASSERT_TRUE(test::inDialogue(w));
    const std::string line = g.rep.text;
    setStoryText(w, 1, "a text");
    setAnswerText(w, 4, "four");
    mapbClick(w);

    mapBackClick(w);

    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_TRUE(g.mapb.visible);
    EXPECT_EQ(test::answerTexts(w), (std::vector<std::string>{"", "", "", "four", ""}));
    EXPECT_EQ(g.rep.text, line);
    EXPECT_EQ(g.m1.text, "a text");
    EXPECT_EQ(w.story.curLocation, locElder);
    EXPECT_EQ(w.story.curStep, 1);
    EXPECT_EQ(selectedChoice(w), 1);
}

TEST(MapBack, InTheOpeningShowsTheChoicePanelAndAConfirmThatOnlyEmptiesTheText) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    const auto& g = w.Gameform;
    w.story.curStep = 5;
    mapbClick(w);

    mapBackClick(w);

    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_EQ(g.m1.text.rfind("...Рано утром Ваш племянник Эрвальд", 0), 0u);
    EXPECT_EQ(w.story.curLocation, 0);

    test::pressConfirm(w);

    EXPECT_EQ(g.m1.text, "");
    EXPECT_EQ(g.m2.text, "");
    EXPECT_FALSE(g.ready.visible);
    EXPECT_TRUE(g.choose.visible);
    EXPECT_TRUE(g.window.visible);
    EXPECT_FALSE(w.mapform.window.visible);
    EXPECT_EQ(w.story.curLocation, 0);
    EXPECT_EQ(w.story.curStep, 5);
    EXPECT_TRUE(t.rng.asked.empty());
}

} // namespace
} // namespace cv
