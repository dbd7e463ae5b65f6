// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene table of the village and the bridge: every talk, theft and search choice, the choices that
// leave for the map, the bridge that ends the story, and the three fights as the story starts them.
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "game/character/sheet.h"
#include "game/story/scenes.h"
#include "story_play.h"

namespace cv {
namespace {

using test::hidden;

enum class Mode { Dialogue, Choices };

// A choice confirmed at a village location and what the game screen then shows.
struct TalkCase {
    std::string name;
    int location;
    int choice;
    std::function<void(World&)> setup; // after the entry, before the choice
    Mode mode;
    std::string line;                 // rep
    std::vector<std::string> answers; // a1 .. a5
    std::vector<int> hiddenAnswers;
    int step;
    bool mapButton = true;
};

void none(World&) {}

// Earlier answers on the screen, as a conversation at the location may have left them.
void earlierAnswers(World& w) {
    setAnswerText(w, 2, "earlier two");
    setAnswerText(w, 3, "earlier three");
    setAnswerText(w, 4, "earlier four");
}

std::function<void(World&)> flags(std::vector<std::pair<StoryFlag, std::uint8_t>> values,
                                  std::vector<ItemId> items = {}) {
    return [values, items](World& w) {
        for (auto [f, v] : values)
            w.story.storyFlags[f] = v;
        for (ItemId id : items)
            addItem(w, id, 1);
    };
}

const std::vector<TalkCase>& talkCases() {
    const std::string n = test::playerName;
    static const std::vector<TalkCase> cases = {
        // The guard Брастон.
        {"guard: talk",
         locGuard,
         1,
         none,
         Mode::Dialogue,
         "Идёшь на испытание [ухмыляется]? Не думаю, что Старейшина послала тебя. ",
         {"Конечно, она меня и послала!", "Да нет, никто меня не посылал. Просто гуляю.", "", "", ""},
         {},
         1,
         false},
        {"guard: steal while he has the powder",
         locGuard,
         2,
         earlierAnswers,
         Mode::Dialogue,
         "",
         {"Попробовать украсть целебный порошок (1)", "Ничего не красть", "", "", ""},
         {},
         3,
         false},
        {"guard: steal when he has nothing",
         locGuard,
         2,
         [](World& w) {
             earlierAnswers(w);
             w.story.storyFlags[guardHasPowder] = 0;
         },
         Mode::Choices,
         "",
         {"[У него ничего нет. Переходим к списку действий]", "", "", "", ""},
         {},
         0},

        // The shaman Ольмир: the herbs answer only with the quest and all three herbs, and not once
        // delivered.
        {"shaman: talk",
         locShaman,
         1,
         none,
         Mode::Dialogue,
         "Здравствуй, " + n + ". Как проходит твоя миссия?",
         {"Какая миссия?", "Да ничего...", "", "", ""},
         {},
         1},
        {"shaman: talk with the herbs for him",
         locShaman,
         1,
         flags({{questHerbs, 1}}, {itHealingPowder, itFruit, itHerbRoot}),
         Mode::Dialogue,
         "Здравствуй, " + n + ". Как проходит твоя миссия?",
         {"Какая миссия?", "Да ничего...", "Я принёс травы для тебя.", "", ""},
         {},
         1},
        {"shaman: talk with two of the three herbs",
         locShaman,
         1,
         flags({{questHerbs, 1}}, {itHealingPowder, itFruit}),
         Mode::Dialogue,
         "Здравствуй, " + n + ". Как проходит твоя миссия?",
         {"Какая миссия?", "Да ничего...", "", "", ""},
         {},
         1},
        {"shaman: talk with the herbs but no request",
         locShaman,
         1,
         flags({}, {itHealingPowder, itFruit, itHerbRoot}),
         Mode::Dialogue,
         "Здравствуй, " + n + ". Как проходит твоя миссия?",
         {"Какая миссия?", "Да ничего...", "", "", ""},
         {},
         1},
        {"shaman: talk with the herbs already delivered",
         locShaman,
         1,
         flags({{questHerbs, 1}, {herbsDelivered, 1}}, {itHealingPowder, itFruit, itHerbRoot}),
         Mode::Dialogue,
         "Здравствуй, " + n + ". Как проходит твоя миссия?",
         {"Какая миссия?", "Да ничего...", "", "", ""},
         {3},
         1},

        // The cousin Ведрик and his dog: the meat answer, and the fed dog's rule in its place in the table.
        {"cousin: talk",
         locCousin,
         1,
         none,
         Mode::Dialogue,
         "Здравствуй, сестрица. Как дела?",
         {"Нормально", "Как сказать...", "", "", ""},
         {},
         1},
        {"cousin: talk with meat for the dog",
         locCousin,
         1,
         flags({{questMeat, 1}}, {itMeat}),
         Mode::Dialogue,
         "Здравствуй, сестрица. Как дела?",
         {"Нормально", "Как сказать...", "Я принёс мяса для Кудла", "", ""},
         {},
         1},
        {"cousin: talk with meat but no request",
         locCousin,
         1,
         flags({}, {itMeat}),
         Mode::Dialogue,
         "Здравствуй, сестрица. Как дела?",
         {"Нормально", "Как сказать...", "", "", ""},
         {},
         1},
        {"cousin: talk with the request but no meat",
         locCousin,
         1,
         flags({{questMeat, 1}}),
         Mode::Dialogue,
         "Здравствуй, сестрица. Как дела?",
         {"Нормально", "Как сказать...", "", "", ""},
         {},
         1},
        {"cousin: talk once the dog is fed",
         locCousin,
         1,
         flags({{questMeat, 1}, {dogFed, 1}}, {itMeat}),
         Mode::Dialogue,
         "Здравствуй, сестрица. Как дела?",
         {"Нормально", "Как сказать...", "Я принёс мяса для Кудла", "", ""},
         {3},
         1},
        {"cousin: steal",
         locCousin,
         2,
         earlierAnswers,
         Mode::Choices,
         "",
         {"Кажется у него ничего нет.", "", "", "earlier four", ""},
         {},
         7},
        {"cousin: steal once the dog is fed",
         locCousin,
         2,
         flags({{dogFed, 1}}),
         Mode::Choices,
         "",
         {"Кажется у него ничего нет.", "", "", "", ""},
         {3},
         7},
        {"cousin: mew at the dog",
         locCousin,
         4,
         none,
         Mode::Dialogue,
         "Рав-р-р-р-р-ррав!!![Кудл смотрит на вас с неодобрением]",
         {"Миау-у-у", "Р-р-р-р-р", "Хороший Кудл!!!", "", ""},
         {},
         5},
        // The fed dog's rule comes before the mew's, which shows every answer again.
        {"cousin: mew once the dog is fed",
         locCousin,
         4,
         flags({{dogFed, 1}}),
         Mode::Dialogue,
         "Рав-р-р-р-р-ррав!!![Кудл смотрит на вас с неодобрением]",
         {"Миау-у-у", "Р-р-р-р-р", "Хороший Кудл!!!", "", ""},
         {},
         5},
        {"cousin: mew once the dog found the herb",
         locCousin,
         4,
         flags({{dogHerbPending, 0}}),
         Mode::Dialogue,
         "",
         {"[ДАЛЕЕ]", "", "", "", ""},
         {},
         4},

        // The spear master Колвен.
        {"spear master: talk",
         locSpearMaster,
         1,
         [](World& w) { setAnswerVisible(w, 2, false); },
         Mode::Dialogue,
         "Здравствуй, " + n + ". Как дела?",
         {"Да никак.", "Да, нормально. Не подучишь меня?", "", "", ""},
         {},
         1},

        // The two empty tents: the outcome goes to a1, the other answers keep their texts.
        {"first tent: take the fruit",
         locHouseA,
         1,
         earlierAnswers,
         Mode::Dialogue,
         "",
         {"Вы нашли Фрукт", "earlier two", "earlier three", "earlier four", ""},
         {},
         1},
        {"first tent: the fruit is gone",
         locHouseA,
         1,
         flags({{houseAHasFruit, 0}}),
         Mode::Dialogue,
         "",
         {"Ничего нет", "", "", "", ""},
         {},
         1},
        {"second tent: take the knife",
         locHouseB,
         1,
         earlierAnswers,
         Mode::Dialogue,
         "",
         {"Вы нашли Нож", "earlier two", "earlier three", "earlier four", ""},
         {},
         1},
        {"second tent: the knife is gone",
         locHouseB,
         1,
         flags({{houseBHasKnife, 0}}),
         Mode::Dialogue,
         "",
         {"Ничего нет", "", "", "", ""},
         {},
         1},

        // The elder. The C of "Cпеши" is a Latin capital C.
        {"elder: the briefing",
         locElder,
         1,
         none,
         Mode::Dialogue,
         "[Старуха поворачивается к вам]-Здравствуй, " + n +
             "...Присаживайся. Я позвала тебя, чтобы рассказать обужасной напасти, постигшей нашу деревню.",
         {"Да, что это?", "", "", "", ""},
         {},
         1},
        {"elder: after the briefing",
         locElder,
         1,
         flags({{elderBriefingPending, 0}}),
         Mode::Dialogue,
         "[Старуха поворачивается к вам] Cпеши! Не трать время!",
         {"[КОНЕЦ]", "", "", "", ""},
         {},
         10},

        // The nephew Эрвальд: the lunch message only while it is to be told, the rope only while the knife
        // is still down the well.
        {"nephew: talk",
         locWell,
         1,
         none,
         Mode::Dialogue,
         "Здарвствуй, тётя.",
         {"Здравствуй!", "Твой отец сказал, что сегодня не будет обеда", "", "", ""},
         {2},
         1},
        {"nephew: talk with the message",
         locWell,
         1,
         flags({{questMessage, 1}}),
         Mode::Dialogue,
         "Здарвствуй, тётя.",
         {"Здравствуй!", "Твой отец сказал, что сегодня не будет обеда", "", "", ""},
         {},
         1},
        {"nephew: talk with the message delivered",
         locWell,
         1,
         flags({{questMessage, 1}, {messageDelivered, 1}}),
         Mode::Dialogue,
         "Здарвствуй, тётя.",
         {"Здравствуй!", "Твой отец сказал, что сегодня не будет обеда", "", "", ""},
         {2},
         1},
        {"nephew: talk with a rope for the well",
         locWell,
         1,
         flags({{questWellKnife, 1}}, {itRope}),
         Mode::Dialogue,
         "Здарвствуй, тётя.",
         {"Здравствуй!", "Твой отец сказал, что сегодня не будет обеда",
          "У меня есть верёвка! Может это поможет?", "", ""},
         {2},
         1},
        {"nephew: talk about the well without a rope",
         locWell,
         1,
         flags({{questWellKnife, 1}}),
         Mode::Dialogue,
         "Здарвствуй, тётя.",
         {"Здравствуй!", "Твой отец сказал, что сегодня не будет обеда", "", "", ""},
         {2},
         1},
        {"nephew: talk with a rope once the knife is out",
         locWell,
         1,
         flags({{questWellKnife, 1}, {wellKnifeRecovered, 1}}, {itRope}),
         Mode::Dialogue,
         "Здарвствуй, тётя.",
         {"Здравствуй!", "Твой отец сказал, что сегодня не будет обеда", "", "", ""},
         {2},
         1},

        // The uncle Дорен: the delivered message opens the lesson, which he gives once.
        {"uncle: talk",
         locStatue,
         1,
         none,
         Mode::Dialogue,
         "Здравствуй, " + n + "! Как проходит твоя миссия?",
         {"Нормально. Может подучишь меня?", "Какая миссия?", "", "", ""},
         {},
         1},
        {"uncle: talk with the message delivered",
         locStatue,
         1,
         flags({{messageDelivered, 1}}),
         Mode::Dialogue,
         "Здравствуй, " + n + "! Как проходит твоя миссия?",
         {"Нормально. Может подучишь меня?", "Какая миссия?", "Я сообщила Эрвальду всё, что надо.", "", ""},
         {},
         1},
        {"uncle: talk after the lesson",
         locStatue,
         1,
         flags({{messageDelivered, 1}, {unarmedLessonAvailable, 0}}),
         Mode::Dialogue,
         "Здравствуй, " + n + "! Как проходит твоя миссия?",
         {"Нормально. Может подучишь меня?", "Какая миссия?", "Я сообщила Эрвальду всё, что надо.", "", ""},
         {3},
         1},
        {"uncle: talk after the lesson, message not delivered",
         locStatue,
         1,
         flags({{unarmedLessonAvailable, 0}}),
         Mode::Dialogue,
         "Здравствуй, " + n + "! Как проходит твоя миссия?",
         {"Нормально. Может подучишь меня?", "Какая миссия?", "", "", ""},
         {3},
         1},

        // The aunt Гризна.
        {"aunt: talk",
         locAunt,
         1,
         none,
         Mode::Dialogue,
         "Здравствуй, племянница. Ну, как твоя миссия?",
         {"Какая миссия?", "Да никак...", "", "", ""},
         {},
         1},
        {"aunt: talk with the cousin's request and the rat dead",
         locAunt,
         1,
         flags({{questMeat, 1}, {ratKilled, 1}}),
         Mode::Dialogue,
         "Здравствуй, племянница. Ну, как твоя миссия?",
         {"Какая миссия?", "Да никак...", "Ведрику нужно мясо, для Кудла.", "Я убила крысу.", ""},
         {},
         1},
        {"aunt: steal while she has meat",
         locAunt,
         3,
         earlierAnswers,
         Mode::Dialogue,
         "",
         {"Попробовать украсть мясо(1)", "Ничего не красть", "", "", ""},
         {},
         3,
         false},
        {"aunt: steal when she has nothing",
         locAunt,
         3,
         [](World& w) {
             earlierAnswers(w);
             w.story.storyFlags[auntHasMeat] = 0;
         },
         Mode::Choices,
         "",
         {"[У неё ничего нет. Переходим к списку действий]", "", "", "earlier four", ""},
         {},
         0},

        // The bridge keeper.
        {"bridge: talk to the keeper",
         locBridge,
         1,
         none,
         Mode::Dialogue,
         "Здравствуй, " + n + "! Старейшина уже рассказала тебе о твоей миссии?",
         {"Да. Мне хотелось бы задать несколько вопросов.", "Какой миссии?", "", "", ""},
         {},
         1},
    };
    return cases;
}

TEST(SceneVillage, EveryTalkTheftAndSearchChoiceShowsItsLinesAndSetsItsStep) {
    for (const TalkCase& c : talkCases()) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        test::startGame(t);
        World& w = t.w;
        w.story.curStep = 7;
        enterLocation(w, c.location);
        c.setup(w);

        test::choose(w, c.choice);

        const auto& g = w.Gameform;
        if (c.mode == Mode::Dialogue)
            EXPECT_TRUE(test::inDialogue(w));
        else
            EXPECT_TRUE(test::inChoiceMode(w));
        EXPECT_EQ(g.m1.text, "");
        EXPECT_EQ(g.m2.text, "");
        EXPECT_EQ(g.rep.text, c.line);
        EXPECT_EQ(test::answerTexts(w), c.answers);
        EXPECT_EQ(test::hiddenAnswers(w), c.hiddenAnswers);
        EXPECT_EQ(w.story.curStep, c.step);
        EXPECT_EQ(g.mapb.visible, c.mapButton);
        EXPECT_EQ(w.story.curLocation, c.location);
        EXPECT_TRUE(t.pictures.requested.empty());
        EXPECT_TRUE(t.rng.asked.empty());
    }
}

TEST(SceneVillage, EachTentGivesItsThingOnceAndThenNothing) {
    struct Case {
        int location;
        StoryFlag flag;
        ItemId item;
        std::string found;
    };
    for (const Case& c : {Case{locHouseA, houseAHasFruit, itFruit, "Вы нашли Фрукт"},
                          Case{locHouseB, houseBHasKnife, itKnife, "Вы нашли Нож"}}) {
        SCOPED_TRACE(c.found);
        test::TestWorld t;
        test::startGame(t);
        World& w = t.w;
        enterLocation(w, c.location);

        test::choose(w, 1);
        EXPECT_EQ(answerText(w, 1), c.found);
        EXPECT_EQ(test::itemCount(w, c.item), 1);
        EXPECT_EQ(w.story.storyFlags[c.flag], 0);

        // Back to the choices through the map, and again.
        mapbClick(w);
        mapBackClick(w);
        test::choose(w, 1);
        EXPECT_EQ(answerText(w, 1), "Ничего нет");
        EXPECT_EQ(test::itemCount(w, c.item), 1);

        // Nor does leaving and coming back fill the tent again.
        enterLocation(w, c.location);
        test::choose(w, 1);
        EXPECT_EQ(answerText(w, 1), "Ничего нет");
        EXPECT_EQ(test::itemCount(w, c.item), 1);
    }
}

// A choice that leaves the location for the map: "go to the map" reloads the village background, "open the
// map" keeps whatever background there is.
struct LeaveCase {
    std::string name;
    int location;
    int choice;
    bool reloadsBackground;
    bool choicePanelAfter; // the panel of choices behind the map
    bool confirmAfter;
    int stepAfter;
};

TEST(SceneVillage, ChoicesThatLeaveForTheMap) {
    const std::vector<LeaveCase> cases = {
        {"guard: get away (then the choices)", locGuard, 3, true, true, true, 7},
        {"shaman: go (in dialogue mode behind the map)", locShaman, 2, false, false, false, 1},
        {"cousin: go", locCousin, 3, false, true, false, 7},
        {"herd: go", locHerd, 1, false, true, false, 7},
        {"corn field: go", locCornField, 1, true, true, false, 7},
        {"spear master: go", locSpearMaster, 2, true, true, false, 7},
        {"first tent: go", locHouseA, 2, true, true, false, 7},
        {"elder: slip away", locElder, 2, false, true, false, 7},
        {"second tent: go", locHouseB, 2, true, true, false, 7},
        {"nephew: go", locWell, 2, true, true, false, 7},
        {"uncle: go", locStatue, 2, true, true, false, 7},
        {"aunt: go", locAunt, 2, false, true, false, 7},
        {"hunting grounds: go", locHuntingGrounds, 2, true, true, false, 1},
        {"temple grove: go", locTemple, 2, true, true, false, 1},
        {"bridge: back to the village", locBridge, 2, true, true, false, 1},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        test::startGame(t);
        World& w = t.w;
        const auto& g = w.Gameform;
        // The grove's background is still up, as it is after a visit to the temple.
        enterLocation(w, locTemple);
        w.story.curStep = 7;
        enterLocation(w, c.location);
        setAnswerText(w, 1, "one");
        t.pictures.requested.clear();

        test::choose(w, c.choice);

        EXPECT_TRUE(test::onMap(w));
        if (c.reloadsBackground) {
            EXPECT_EQ(t.pictures.requested, std::vector<std::string>{"talk.jpg"});
            EXPECT_EQ(g.fon.picture, "talk.jpg");
        } else {
            EXPECT_TRUE(t.pictures.requested.empty());
            EXPECT_EQ(g.fon.picture, "fon1.jpg");
        }
        EXPECT_EQ(g.choose.visible, c.choicePanelAfter);
        EXPECT_EQ(g.ready.visible, c.confirmAfter);
        EXPECT_EQ(w.story.curStep, c.stepAfter);
        EXPECT_EQ(w.story.curLocation, c.location);
        EXPECT_EQ(g.m1.text, "");
        if (c.location == locGuard) {
            EXPECT_EQ(answerText(w, 1), ""); // the choices came back
        }
        if (c.location == locShaman) {
            EXPECT_EQ(g.rep.text, ""); // dialogue mode was entered
        }
    }
}

TEST(SceneBridge, CrossingTheBridgeOnlyEmptiesTheStoryText) {
    test::TestWorld t;
    test::startGame(t);
    World& w = t.w;
    const auto& g = w.Gameform;
    enterLocation(w, locBridge);
    setAnswerText(w, 1, "one");

    test::choose(w, 3);

    EXPECT_EQ(g.m1.text, "");
    EXPECT_EQ(g.m2.text, "");
    // The empty text is read out as the demo's end; the next place's text replaces that.
    EXPECT_NE(g.m1.reading.find("Конец демоверсии"), std::string::npos);
    EXPECT_FALSE(g.ready.visible);
    EXPECT_TRUE(g.choose.visible);
    EXPECT_TRUE(g.window.visible);
    EXPECT_FALSE(w.mapform.window.visible);
    EXPECT_TRUE(g.mapb.visible);
    EXPECT_EQ(test::shownChoices(w), (std::vector<std::string>{"Заговорить с Хранителем", "Идти в деревню",
                                                               "Идти через мост", hidden, hidden}));
    EXPECT_EQ(selectedChoice(w), 3);
    EXPECT_EQ(answerText(w, 1), "one");
    EXPECT_EQ(w.story.curStep, 1);
    EXPECT_EQ(w.story.curLocation, locBridge);
    EXPECT_TRUE(t.pictures.requested.empty());
    enterLocation(w, locElder);
    EXPECT_EQ(g.m1.reading, "");
}

// The player's way to each fight, and the fight's own figures.
struct FightCase {
    int fight;
    std::function<void(test::TestWorld&)> reachAndStart;
    std::string picture, enemyName;
    EnemyRecord enemy;
    int stepAfter;
};

TEST(SceneFight, EachFightOpensOverTheGameScreenWithItsEnemy) {
    const std::vector<FightCase> cases = {
        {1,
         [](test::TestWorld& t) {
             t.w.story.storyFlags[questRat] = 1;
             t.w.story.curStep = 7;
             enterLocation(t.w, locCornField);
             test::choose(t.w, 2);
         },
         "enemy/rat.jpg", "Грызоклык",
         EnemyRecord{.hitPenalty = 4,
                     .enemyHitChance = 50,
                     .enemyMinDamage = 1,
                     .enemyMaxDamage = 5,
                     .enemyAttackApCost = 3,
                     .enemyApPerTurn = 6,
                     .enemyMaxHp = 20,
                     .enemyHp = 20},
         7},
        {2,
         [](test::TestWorld& t) {
             enterLocation(t.w, locHuntingGrounds);
             test::choose(t.w, 1); // deeper into the forest
             test::choose(t.w, 1); // left, to the clearing
             test::choose(t.w, 1); // attack
         },
         "enemy/gec.jpg", "Ящерун",
         EnemyRecord{.hitPenalty = 5,
                     .enemyHitChance = 40,
                     .enemyMinDamage = 2,
                     .enemyMaxDamage = 5,
                     .enemyAttackApCost = 3,
                     .enemyApPerTurn = 7,
                     .enemyMaxHp = 30,
                     .enemyHp = 30},
         111},
        // The scorpion's name begins with a Latin capital C.
        {3,
         [](test::TestWorld& t) {
             enterLocation(t.w, locTemple);
             t.rng.push({1, 1});
             for (int c : {1, 1, 2, 2, 2, 2})
                 test::choose(t.w, c); // into the temple, past the lock and the traps, into the small room
             test::choose(t.w, 2);     // fight
         },
         "enemy/scorp.jpg", "Cкорпион",
         EnemyRecord{.hitPenalty = 2,
                     .enemyHitChance = 40,
                     .enemyMinDamage = 3,
                     .enemyMaxDamage = 8,
                     .enemyAttackApCost = 3,
                     .enemyApPerTurn = 5,
                     .enemyMaxHp = 15,
                     .enemyHp = 15},
         8},
    };
    for (const FightCase& c : cases) {
        SCOPED_TRACE("fight " + std::to_string(c.fight));
        test::TestWorld t;
        test::startGame(t);
        World& w = t.w;
        w.character.hitPoints = 23;
        w.battle.tp.value = 0;

        c.reachAndStart(t);

        const auto& b = w.battle;
        EXPECT_TRUE(b.window.visible);
        EXPECT_FALSE(w.Gameform.window.visible);
        EXPECT_EQ(w.combat.fightId, c.fight);
        EXPECT_EQ(b.epic.picture, c.picture);
        EXPECT_EQ(b.ename.text, c.enemyName);
        const EnemyRecord& e = w.combat.enemy;
        EXPECT_EQ(std::tie(e.hitPenalty, e.enemyHitChance, e.enemyMinDamage, e.enemyMaxDamage,
                           e.enemyAttackApCost, e.enemyApPerTurn, e.enemyHp, e.enemyMaxHp),
                  std::tie(c.enemy.hitPenalty, c.enemy.enemyHitChance, c.enemy.enemyMinDamage,
                           c.enemy.enemyMaxDamage, c.enemy.enemyAttackApCost, c.enemy.enemyApPerTurn,
                           c.enemy.enemyHp, c.enemy.enemyMaxHp));
        EXPECT_EQ(b.hp.value, 23);
        EXPECT_EQ(b.fhp.value, derivedValue(w, screens::dFhp));
        EXPECT_EQ(b.cname.text, test::playerName);
        EXPECT_EQ(b.armor.value, w.character.armourClass);
        EXPECT_EQ(b.tp.value, w.character.actionPoints); // every fight opens with full action points
        EXPECT_EQ(b.epic.left, 624);
        EXPECT_EQ(b.char_.left, 0);
        EXPECT_EQ(w.combat.distance, 0);
        EXPECT_EQ(b.dis.value, 20);
        EXPECT_EQ(b.esos.text, "Целёхонек");
        EXPECT_EQ(w.story.curStep, c.stepAfter);
        EXPECT_TRUE(t.rng.queued.empty());
    }
}

TEST(SceneTable, EveryShownChoiceHasOneRuleAndNoRuleHidesAnother) {
    // The choices each location's entry shows.
    const int entryChoices[kLocationCount + 1] = {0, 3, 2, 4, 1, 2, 2, 2, 2, 2, 2, 2, 3, 2, 3, 3};
    std::set<std::tuple<int, int, int>> seen;
    for (const SceneRow& r : allScenes()) {
        SCOPED_TRACE(testing::Message()
                     << "location " << r.location << ", step " << r.step << ", choice " << r.choice);
        EXPECT_GE(r.location, locGuard);
        EXPECT_LE(r.location, locBridge);
        EXPECT_GE(r.choice, anyChoice);
        EXPECT_LE(r.choice, 5);
        // Only the two places with inner scenes look at the step.
        if (r.location != locHuntingGrounds && r.location != locTemple) {
            EXPECT_EQ(r.step, anyStep);
        }
        EXPECT_TRUE(seen.insert({r.location, r.step, r.choice}).second) << "a second rule for the same case";
    }
    for (int loc = locGuard; loc <= locBridge; ++loc)
        for (int c = 1; c <= entryChoices[loc]; ++c) {
            bool ruled = false;
            for (const SceneRow& r : allScenes())
                if (r.location == loc && r.choice == c && (r.step == anyStep || r.step == otherStep))
                    ruled = true;
            EXPECT_TRUE(ruled) << "location " << loc << ", choice " << c;
        }
}

} // namespace
} // namespace cv
