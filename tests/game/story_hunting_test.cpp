// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The hunting grounds: the fork, the lizard's clearing on the left path, the body on the right, the way
// back after the fight, and re-entering from the map.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/story/victory.h"
#include "story_play.h"

namespace cv {
namespace {

using test::hidden;

const std::string forkText =
    "Вы подходите к развилке. Налево ведёт узкая тропинка - там воины Тарнвель иногда охотятся на ящерунов. "
    "Направо ведёт совсем нехоженная дорожка. Но на ней вы видите следы необычной формы.";
const std::vector<std::string> forkChoices = {"Идти налево", "Идти направо", "Вернуться в деревню", hidden,
                                              hidden};
const std::string bodyText = "Тут вы замечаете какое-то тело, лежащее в кустах. Подойдя поближе, вы видите "
                             "человека в странной одежде. Он мёртв. Обыскав тело, вы находите 10мм "
                             "Пистолет(!!!)";
const std::string nothingText = "Вы не находите ничего примечательного.";

// A game in the forest, at the fork.
void atTheFork(test::TestWorld& t) {
    test::startGame(t);
    enterLocation(t.w, locHuntingGrounds);
    test::choose(t.w, 1);
    t.pictures.requested.clear();
}

TEST(HuntingGrounds, DeeperIntoTheForestIsTheFork) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    enterLocation(w, locHuntingGrounds);
    ASSERT_EQ(w.story.curStep, 1);

    test::choose(w, 1);

    EXPECT_EQ(w.Gameform.m1.text, forkText);
    EXPECT_EQ(w.Gameform.m2.text, "");
    EXPECT_EQ(test::shownChoices(w), forkChoices);
    EXPECT_EQ(w.story.curStep, 111);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_TRUE(test::confirmPressable(w));
}

TEST(HuntingGrounds, TheLeftPathMeetsTheLizardAndBackingAwayGoesToTheMap) {
    test::TestWorld t;
    atTheFork(t);
    World& w = t.w;

    test::choose(w, 1);

    EXPECT_EQ(w.Gameform.m1.text, "Внезапно вы замечаете небольшого ящеруна, мирно пасущегося на полянке.");
    EXPECT_EQ(test::shownChoices(w), (std::vector<std::string>{"Напасть на ящеруна", "Осторожно уйти назад",
                                                               hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 112);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_TRUE(test::confirmPressable(w)); // the attack is still selected

    test::choose(w, 2);

    EXPECT_TRUE(test::onMap(w));
    EXPECT_EQ(t.pictures.requested, std::vector<std::string>{"talk.jpg"});
    EXPECT_EQ(w.story.curStep, 100);
    EXPECT_FALSE(w.battle.window.visible);
}

TEST(HuntingGrounds, AttackingTheLizardPreparesTheForkBehindTheFight) {
    test::TestWorld t;
    atTheFork(t);
    World& w = t.w;
    test::choose(w, 1);

    test::choose(w, 1);

    EXPECT_TRUE(w.battle.window.visible);
    EXPECT_FALSE(w.Gameform.window.visible);
    EXPECT_EQ(w.combat.fightId, 2);
    // Behind the combat screen, the fork waits for the way back.
    EXPECT_EQ(w.Gameform.m1.text, forkText);
    EXPECT_EQ(test::shownChoices(w), forkChoices);
    EXPECT_TRUE(w.Gameform.ready.visible);
    EXPECT_EQ(w.story.curStep, 111);
}

TEST(HuntingGrounds, AMissingLizardPictureStopsTheAttackAtTheLoad) {
    test::TestWorld t;
    atTheFork(t);
    World& w = t.w;
    test::choose(w, 1);
    t.pictures.failing.insert("enemy/gec.jpg");

    EXPECT_THROW(test::pressConfirm(w), PictureError);

    EXPECT_FALSE(w.battle.window.visible);
    EXPECT_TRUE(w.Gameform.window.visible);
    EXPECT_EQ(w.combat.fightId, 0);
    EXPECT_EQ(w.story.curStep, 112);
    EXPECT_EQ(w.Gameform.m1.text, "");
}

struct BodyCase {
    bool dogFed;
    int luck;
    bool corpseUnsearched;
    bool found;
};

TEST(HuntingGrounds, TheRightPathFindsTheBodyWhenTheDogWasFedOrByLuck) {
    const std::vector<BodyCase> cases = {
        {false, 5, true, false}, {false, 6, true, true},   {false, 10, true, true},  {true, 5, true, true},
        {true, 1, true, true},   {true, 10, false, false}, {false, 6, false, false},
    };
    for (const BodyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "dogFed " << c.dogFed << ", luck " << c.luck
                                        << ", corpseUnsearched " << c.corpseUnsearched);
        test::TestWorld t;
        atTheFork(t);
        World& w = t.w;
        w.character.luck = c.luck;
        w.story.storyFlags[dogFed] = c.dogFed;
        w.story.storyFlags[corpseUnsearched] = c.corpseUnsearched;

        test::choose(w, 2);

        EXPECT_EQ(w.Gameform.m1.text, c.found ? bodyText : nothingText);
        EXPECT_EQ(test::itemCount(w, itPistol10mm), c.found ? 1 : 0);
        EXPECT_EQ(w.story.storyFlags[corpseUnsearched], c.found ? 0 : c.corpseUnsearched);
        EXPECT_EQ(test::shownChoices(w),
                  (std::vector<std::string>{"Вернуться к развилке", hidden, hidden, hidden, hidden}));
        EXPECT_EQ(w.story.curStep, 100);
        EXPECT_TRUE(test::inChoiceMode(w));
        // The path chosen is hidden now, so nothing is selected.
        EXPECT_EQ(selectedChoice(w), 0);
        EXPECT_FALSE(w.Gameform.ready.enabled);
        EXPECT_TRUE(t.rng.asked.empty());
    }
}

TEST(HuntingGrounds, TheBodyIsFoundOnceAndTheWayBackLeadsToTheFork) {
    test::TestWorld t;
    atTheFork(t);
    World& w = t.w;
    test::choose(w, 2);
    ASSERT_EQ(test::itemCount(w, itPistol10mm), 1);

    test::choose(w, 1); // back to the fork
    EXPECT_EQ(w.Gameform.m1.text, forkText);
    EXPECT_EQ(test::shownChoices(w), forkChoices);
    EXPECT_EQ(w.story.curStep, 111);

    test::choose(w, 2);
    EXPECT_EQ(w.Gameform.m1.text, nothingText);
    EXPECT_EQ(test::itemCount(w, itPistol10mm), 1);
}

TEST(HuntingGrounds, FromTheForkBackToTheVillage) {
    test::TestWorld t;
    atTheFork(t);
    World& w = t.w;

    test::choose(w, 3);

    EXPECT_TRUE(test::onMap(w));
    EXPECT_EQ(t.pictures.requested, std::vector<std::string>{"talk.jpg"});
    EXPECT_EQ(w.story.curStep, 111);
}

TEST(HuntingGrounds, AfterTheLizardIsKilledTheClearingIsABattleSiteThatCannotStartAFight) {
    test::TestWorld t;
    atTheFork(t);
    World& w = t.w;
    test::choose(w, 1);
    test::choose(w, 1);
    ASSERT_TRUE(w.battle.window.visible);
    hide(w.battle.window);
    showGameScreen(w);
    fightWon(w, 2);
    ASSERT_EQ(test::shownChoices(w), (std::vector<std::string>{"Дальше>>", hidden, hidden, hidden, hidden}));

    test::pressConfirm(w); // "Дальше>>" is still the selected choice

    EXPECT_EQ(w.Gameform.m1.text, "Кажется недавно тут произошла кровавая битва.");
    // The victory hid the second choice and the battle site only renames it: straight after the fight no
    // choice is left, and the map button is the way on.
    EXPECT_EQ(test::shownChoices(w), (std::vector<std::string>(5, hidden)));
    EXPECT_EQ(w.Gameform.c[1].caption, "Уйти назад");
    EXPECT_EQ(w.story.curStep, 112);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_TRUE(w.Gameform.mapb.visible);
    // The hidden first choice is no longer selected: "Выбрано" cannot start the fight again.
    EXPECT_EQ(selectedChoice(w), 0);
    EXPECT_FALSE(w.Gameform.ready.enabled);
    EXPECT_FALSE(w.battle.window.visible);
}

TEST(HuntingGrounds, ALaterVisitToTheBattleSiteLeadsBackToTheMap) {
    test::TestWorld t;
    atTheFork(t);
    World& w = t.w;
    w.story.storyFlags[lizardAlive] = 0;

    test::choose(w, 1);

    EXPECT_EQ(w.Gameform.m1.text, "Кажется недавно тут произошла кровавая битва.");
    EXPECT_EQ(test::shownChoices(w),
              (std::vector<std::string>{hidden, "Уйти назад", hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 112);
    EXPECT_EQ(selectedChoice(w), 0);
    EXPECT_FALSE(w.Gameform.ready.enabled);

    test::choose(w, 2);

    EXPECT_TRUE(test::onMap(w));
    EXPECT_EQ(t.pictures.requested, std::vector<std::string>{"talk.jpg"});
    EXPECT_FALSE(w.battle.window.visible);
    EXPECT_EQ(w.story.curStep, 100);
}

TEST(HuntingGrounds, ReenteringAlwaysStartsDeeperIntoTheForest) {
    struct Case {
        std::string name;
        std::vector<int> choices; // from the fork
        bool leaveByMapButton;
    };
    const std::vector<Case> cases = {
        {"from the fork", {}, true},
        {"back to the village from the fork", {3}, false},
        {"from the lizard's clearing", {1}, true},
        {"backing away from the lizard", {1, 2}, false},
        {"after the right-hand path", {2}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        atTheFork(t);
        World& w = t.w;
        for (int choice : c.choices)
            test::choose(w, choice);
        if (c.leaveByMapButton) mapbClick(w);
        ASSERT_TRUE(test::onMap(w));

        enterLocation(w, locHuntingGrounds);

        EXPECT_EQ(w.story.curStep, 1);
        EXPECT_EQ(test::shownChoices(w),
                  (std::vector<std::string>{"Идти вглубь леса", "Уйти", hidden, hidden, hidden}));
        test::choose(w, 1);
        EXPECT_EQ(w.Gameform.m1.text, forkText);
        EXPECT_EQ(w.story.curStep, 111);
        EXPECT_FALSE(w.battle.window.visible);
    }
}

} // namespace
} // namespace cv
