// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversations of the elder, the bridge keeper, the guard at the temple's cave exit and the guard
// in the grove: their openings from the scene rows, every branch, and the elder's coins.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogue_play.h"

namespace cv {
namespace {

using test::anyLine;
using test::Mode;
using test::Path;
using test::Slots;

std::vector<int> times(int n, std::vector<int> then = {}) {
    std::vector<int> clicks(static_cast<std::size_t>(n), 1);
    clicks.insert(clicks.end(), then.begin(), then.end());
    return clicks;
}

const std::string elderGreets =
    "[Старуха поворачивается к вам]-Здравствуй, ДемоИгрок...Присаживайся. Я позвала "
    "тебя, чтобы рассказать обужасной напасти, постигшей нашу деревню.";
// The C of "Cпеши" is a Latin capital C.
const std::string elderHurries = "[Старуха поворачивается к вам] Cпеши! Не трать время!";

Path elder(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locElder, .choice = 1, .answers = std::move(answers)};
}

TEST(ConversationElder, TheStoryTheMissionAndTheMap) {
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = elder("the greeting", {});
    p.talk = {elderGreets, {"Да, что это?"}};
    p.step = 1;
    add(p);

    p = elder("the founder", times(1));
    p.talk = {anyLine, {"О да, Старейшая..."}};
    p.step = 2;
    add(p);

    for (int clicks = 2; clicks <= 5; ++clicks) {
        p = elder("the story goes on, click " + std::to_string(clicks), times(clicks));
        p.talk = {anyLine, {"[ДАЛЕЕ]"}};
        p.step = clicks + 1;
        add(p);
    }

    p = elder("the charge", times(6));
    p.talk = {anyLine, {"Я слушаю, Старейшина.", "Но..."}};
    p.step = 7;
    add(p);

    p = elder("an objection repeats the step", times(6, {2}));
    p.talk = {"Извини, ты единственный, кто способен это сделать.", {"Я слушаю, Старейшина."}};
    p.step = 7;
    add(p);

    // The second answer, now empty, still takes clicks and says the same again.
    p.name = "the empty second answer objects again";
    p.answers = times(6, {2, 2});
    add(p);

    p = elder("the keeper saw the thief", times(6, {2, 1}));
    p.talk = {"Я не думаю, что вор ушёл далеко. Тем более, что Хранитель Моста видел его...",
              {"Видел, но не успел остановить?!"}};
    p.step = 8;
    add(p);

    p = elder("where the thief went", times(8));
    p.talk = {"Тем не менее...Твоя задача-пробраться в город Вирдан - ближайший на западе. Вероятно, что вор "
              "сбежал туда.",
              {"[Далее]"}};
    p.step = 9;
    add(p);

    p = elder("the money", times(9));
    p.talk = {anyLine, {"[Конец]"}};
    p.step = 10;
    p.flags = {{elderBriefingPending, 0}};
    p.store = Slots{{itCoins, 100}};
    add(p);

    p.name = "the end opens the map";
    p.answers = times(10);
    p.mode = Mode::MapKept;
    add(p);

    p = elder("once told, she hurries the player", {});
    p.given = {{elderBriefingPending, 0}};
    p.talk = {elderHurries, {"[КОНЕЦ]"}};
    p.step = 10;
    add(p);

    p.name = "and the next click opens the map";
    p.answers = {1};
    p.mode = Mode::MapKept;
    add(p);

    p.name = "other answers do nothing then";
    p.answers = {2, 3, 4};
    p.mode = Mode::Dialogue;
    add(p);

    test::play(paths);
}

TEST(ConversationElder, TheCoinsGoOntoTheFirstStackOfCoinsOrInAsANewOne) {
    struct Case {
        std::string name;
        Slots before, after;
    };
    const std::vector<Case> cases = {
        {"no coins: a new stack", {}, {{itCoins, 100}}},
        {"coins in slot 2 are raised, no new slot",
         {{itKnife, 1}, {itCoins, 5}, {itRope, 1}},
         {{itKnife, 1}, {itCoins, 105}, {itRope, 1}}},
        {"an empty slot before the coins stays empty",
         {{itNone, 0}, {itCoins, 5}},
         {{itNone, 0}, {itCoins, 105}}},
        {"only the first of two stacks",
         {{itCoins, 3}, {itRope, 1}, {itCoins, 5}},
         {{itCoins, 103}, {itRope, 1}, {itCoins, 5}}},
        {"no coins: the first empty slot, as any item goes in",
         {{itKnife, 1}, {itNone, 0}, {itRope, 1}},
         {{itKnife, 1}, {itCoins, 100}, {itRope, 1}}},
        {"no coins and no room: nothing", test::fullStoreEndingIn({{itMeat, 1}}),
         test::fullStoreEndingIn({{itMeat, 1}})},
    };
    std::vector<Path> paths;
    for (const Case& c : cases) {
        Path p = elder(c.name, times(9));
        p.carried = c.before;
        p.talk = {anyLine, {"[Конец]"}};
        p.step = 10;
        p.flags = {{elderBriefingPending, 0}};
        p.store = c.after;
        paths.push_back(p);
    }
    test::play(paths);
}

Path keeper(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locBridge, .choice = 1, .answers = std::move(answers)};
}

const std::string keeperGreets = "Здравствуй, ДемоИгрок! Старейшина уже рассказала тебе о твоей миссии?";

TEST(ConversationBridgeKeeper, WhatHeSawAndHisSpear) {
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = keeper("the greeting", {});
    p.talk = {keeperGreets, {"Да. Мне хотелось бы задать несколько вопросов.", "Какой миссии?"}};
    p.step = 1;
    add(p);

    p = keeper("what mission", {2});
    p.talk = {"Тогда поговори со Старейшиной сначала.", {"Ладно..."}};
    p.step = 10;
    add(p);

    p.name = "then off to the map";
    p.answers = {2, 1};
    p.mode = Mode::MapReloaded;
    add(p);

    p = keeper("questions", {1});
    p.talk = {"Итак...", {"Что ты видел?"}};
    p.step = 2;
    add(p);

    p = keeper("the stranger", times(2));
    p.talk = {anyLine, {"[ДАЛЕЕ]"}};
    p.step = 3;
    add(p);

    p.name = "too late";
    p.answers = times(3);
    p.step = 4;
    add(p);

    p = keeper("to the elder", times(4));
    p.talk = {anyLine, {"Как выглядел вор?"}};
    p.step = 5;
    add(p);

    p = keeper("the thief's looks", times(5));
    p.talk = {"У него были длинные тёмные волосы. Сам он очень высок, выше меня.Глаз я не разглядел.",
              {"Спасибо за информацию. Я пойду."}};
    p.step = 6;
    add(p);

    p = keeper("the spear", times(6));
    p.talk = {"Подожди... Возьми это[даёт копьё]. Тебе пригодится", {"Спасибо."}};
    p.step = 10;
    p.flags = {{keeperSpearGift, 0}};
    p.store = Slots{{itSpear, 1}};
    add(p);

    p.name = "then off to the map";
    p.answers = times(7);
    p.mode = Mode::MapReloaded;
    add(p);

    p = keeper("no second spear", times(6));
    p.given = {{keeperSpearGift, 0}};
    p.talk = {"Прощай!", {"[Конец]"}};
    p.step = 10;
    add(p);

    test::play(paths);
}

TEST(ConversationBridgeKeeper, TheSpearIsGivenOnce) {
    test::Game g;
    World& w = g.w;
    test::visit(w, locBridge, 1);
    test::click(w, times(7));
    ASSERT_TRUE(w.mapform.window.visible);
    test::visit(w, locBridge, 1);
    test::click(w, times(6));
    EXPECT_EQ(test::shown(w), (test::Talk{"Прощай!", {"[Конец]"}}));
    EXPECT_EQ(test::contents(w), (Slots{{itSpear, 1}}));
}

Path caveGuard(std::string name, int choice, std::vector<int> answers) {
    return {.name = std::move(name), .location = locGuard, .choice = choice, .answers = std::move(answers)};
}

TEST(ConversationCaveGuard, TalkAndTheTheftOpening) {
    const std::string greets = "Идёшь на испытание [ухмыляется]? Не думаю, что Старейшина послала тебя. ";
    const std::string scolds =
        "Ну, тогда чего ты здесь крутишься? Раз уж у тебя такое важное задание, иди и выполняй его!";
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = caveGuard("the greeting hides the map button", 1, {});
    p.talk = {greets, {"Конечно, она меня и послала!", "Да нет, никто меня не посылал. Просто гуляю."}};
    p.step = 1;
    p.mapButton = false;
    add(p);

    p = caveGuard("sent by the elder", 1, {1});
    p.talk = {"В любом случае, это выход. Иди к Храму, если ты и вправду на Испытании",
              {"Ну пока, приятно было поболтать"}};
    p.step = 2;
    p.mapButton = false;
    add(p);

    p = caveGuard("goodbye: nothing said, the choices and the map button back", 1, {1, 1});
    p.talk = {"", {}};
    p.step = 2;
    p.mode = Mode::Choices;
    add(p);

    p = caveGuard("just walking", 1, {2});
    p.talk = {scolds, {"А...Ну да. Я пошёл", "Чего,какое задание?!"}};
    p.step = 2;
    p.mapButton = false;
    add(p);

    p = caveGuard("what task", 1, {2, 2});
    p.talk = {"Ты не знаешь?! Как же! Хватит издеваться надо мной! Ведь я хотел его получить... Вали отсюда!",
              {"Ты не прав! Я ухожу."}};
    p.step = 2;
    p.mapButton = false;
    add(p);

    p = caveGuard("leaving after the quarrel", 1, {2, 2, 1});
    p.talk = {"", {}};
    p.step = 2;
    p.mode = Mode::Choices;
    add(p);

    p = caveGuard("the theft is offered while he has the powder", 2, {});
    p.talk = {"", {"Попробовать украсть целебный порошок (1)", "Ничего не красть"}};
    p.step = 3;
    p.mapButton = false;
    add(p);

    p = caveGuard("nothing to steal", 2, {});
    p.given = {{guardHasPowder, 0}};
    p.talk = {"", {"[У него ничего нет. Переходим к списку действий]"}};
    p.step = 0;
    p.mode = Mode::Choices;
    add(p);

    p.name = "and the line takes no answer";
    p.answers = {1};
    add(p);

    test::play(paths);
}

Path groveGuard(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locTemple, .choice = 3, .answers = std::move(answers)};
}

TEST(ConversationGroveGuard, QuestionsAboutTheTempleLoopUntilThePlayerEndsThem) {
    const std::string doubts = "Да ну! А я то думал, что Старейшина не предполагала никого тестировать...";
    const std::string sendsBack = "Насколько я знаю, Старейшина хотела тебе что-то сказать. Есди ты не на "
                                  "Испытании, иди и поговори с ней";
    const std::vector<std::string> questions = {"В Храме ещё есть твари?", "Вы забрали все вещи из храма?",
                                                "В храме всё ещё есть ловушки?"};
    const std::vector<std::string> more = {"Ещё вопросы...", "Ну спасибо!"};
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = groveGuard("the greeting", {});
    p.talk = {"Здравствуй ДемоИгрок.Как дела? Уж не в Храм ли ты направляешься?",
              {"Ага. Туда и иду.", "Да нет, просто гуляю..."}};
    p.step = 2;
    p.m1 = "Охранник улыбается вам. Видимо ему надоело вот так стоять, охраняя непонятно что.";
    add(p);
    p.m1.reset();

    p = groveGuard("on the way to the temple", {1});
    p.talk = {doubts, {"Ну...У меня к тебе несколько вопросов."}};
    p.step = 3;
    add(p);

    p = groveGuard("the empty second answer at step 3 ends the talk", {1, 2});
    p.talk = {doubts, {}};
    p.step = 3;
    p.mode = Mode::Choices;
    add(p);

    p = groveGuard("ask away", {1, 1});
    p.talk = {"Валяй!", questions};
    p.step = 4;
    add(p);

    p = groveGuard("creatures", {1, 1, 1});
    p.talk = {
        "Не уверен. Было бы чем питаться... Со дня последнего испытания я не видел никого...или ничего.",
        more};
    p.step = 3;
    add(p);

    p = groveGuard("things left", {1, 1, 2});
    p.talk = {"Может чего и осталось... Вроде не нашёл я копья там...И порошочка целебного...", more};
    p.step = 3;
    add(p);

    p = groveGuard("traps", {1, 1, 3});
    p.talk = {"Можешь быть спокоен.Все до одной убрал!", more};
    p.step = 3;
    add(p);

    p = groveGuard("more questions", {1, 1, 3, 1});
    p.talk = {"Валяй!", questions};
    p.step = 4;
    add(p);

    p = groveGuard("thanks ends the talk", {1, 1, 3, 2});
    p.talk = {"Можешь быть спокоен.Все до одной убрал!", {}};
    p.step = 3;
    p.mode = Mode::Choices;
    add(p);

    p = groveGuard("just walking", {2});
    p.talk = {sendsBack, {"Вообще то я на Испытании...", "", "Ладно."}};
    p.step = 2;
    add(p);

    p.name = "the empty second answer says it again";
    p.answers = {2, 2};
    add(p);

    p = groveGuard("on the trial after all", {2, 1});
    p.talk = {doubts, {"Ну...У меня к тебе несколько вопросов."}};
    p.step = 3;
    add(p);

    p = groveGuard("all right ends the talk", {2, 3});
    p.talk = {sendsBack, {}};
    p.step = 2;
    p.mode = Mode::Choices;
    add(p);

    test::play(paths);
}

TEST(ConversationGroveGuard, TheEntranceOffersTheGuardAgain) {
    test::Game g;
    World& w = g.w;
    enterLocation(w, locTemple);
    test::choose(w, 1); // to the entrance, where the third choice talks to the guard again
    ASSERT_EQ(w.story.curStep, steps::templeEntrance);
    test::choose(w, 3);
    EXPECT_EQ(w.story.curStep, steps::templeGuardTalk);
    EXPECT_EQ(test::shown(w).rep, "Здравствуй ДемоИгрок.Как дела? Уж не в Храм ли ты направляешься?");
    EXPECT_EQ(test::mode(w, g.pictures, 0), Mode::Dialogue);
}

} // namespace
} // namespace cv
