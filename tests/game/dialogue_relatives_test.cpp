// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversations of the relatives: the cousin and his dog, the nephew at the well, the uncle at the
// statue and the aunt, with their errands, quest lines, lessons and meat.
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
using test::Talk;

const std::string meatQuest = "Принести Ведрику мяса дла Кудла";

Path cousin(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locCousin, .choice = 1, .answers = std::move(answers)};
}

TEST(ConversationCousin, MeatForTheDog) {
    const std::string greets = "Здравствуй, сестрица. Как дела?";
    const std::string busy = "Занят я. Жду, когда отец принесёт новое копьё";
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = cousin("the greeting", {});
    p.talk = {greets, {"Нормально", "Как сказать..."}};
    p.step = 1;
    add(p);

    p.name = "meat without the errand is not offered";
    p.carried = {{itMeat, 1}};
    add(p);

    p.name = "the errand without meat offers nothing";
    p.carried = {};
    p.given = {{questMeat, 1}};
    add(p);

    p.name = "the errand and meat";
    p.carried = {{itKnife, 1}, {itMeat, 1}};
    p.talk = {greets, {"Нормально", "Как сказать...", "Я принёс мяса для Кудла"}};
    add(p);

    p.name = "once the dog is fed the meat answer is hidden though meat is carried";
    p.given = {{questMeat, 1}, {dogFed, 1}};
    p.talk = {greets, {"Нормально", "Как сказать...", "Я принёс мяса для Кудла"}, {3}};
    add(p);

    p.name = "and takes no click";
    p.answers = {3};
    add(p);

    p = cousin("he asks for help", {1});
    p.talk = {"А может мне поможешь? Мне надо Кудла покормить. Сходи к мамуле, попроси мяса.",
              {"А почему сам не можешь?"}};
    p.step = 2;
    add(p);

    p = cousin("busy", {1, 1});
    p.talk = {busy, {"Я подумаю..."}};
    p.step = 3;
    add(p);

    p = cousin("the errand", {1, 1, 1});
    p.talk = {busy, {}};
    p.step = 0;
    p.mode = Mode::Choices;
    p.flags = {{questMeat, 1}};
    p.quests = {{QuestLine::z1, meatQuest}};
    add(p);

    p = cousin("with the dog fed he has nothing to say", {1});
    p.given = {{dogFed, 1}};
    p.talk = {"Мне нечего тебе сказать...", {"[КОНЕЦ]"}, {3}};
    p.step = 4;
    add(p);

    p.name = "and the next click leaves";
    p.answers = {1, 1};
    p.talk = {"Мне нечего тебе сказать...", {}, {3}};
    p.mode = Mode::Choices;
    add(p);

    p = cousin("how to say", {2});
    // The C of "Cтарейшина" is a Latin capital C.
    p.talk = {"Cтарейшина уже говорила с тобой?.. Эй, Кудл!Фу!Фу!Сидеть!", {"[Кажется вам пора]"}};
    p.step = 4;
    add(p);

    p = cousin("the meat fed to the dog", {3});
    p.given = {{questMeat, 1}};
    p.logged = {{QuestLine::z1, meatQuest}};
    p.carried = {{itKnife, 1}, {itMeat, 1}, {itRope, 1}};
    p.talk = {anyLine, {"[КОНЕЦ]"}};
    p.step = 4;
    p.flags = {{dogFed, 1}};
    p.quests = {{QuestLine::z1, ""}};
    p.store = Slots{{itKnife, 1}, {itRope, 1}};
    add(p);

    p.name = "one of two meats";
    p.carried = {{itMeat, 2}, {itRope, 1}};
    p.store = Slots{{itMeat, 1}, {itRope, 1}};
    add(p);

    p.name = "the first of two stacks, the gap closed";
    p.carried = {{itMeat, 1}, {itRope, 1}, {itMeat, 1}};
    p.store = Slots{{itRope, 1}, {itMeat, 1}};
    add(p);

    // Stealing from him is no conversation: the choices stay, with a line under them.
    add({.name = "nothing to steal",
         .prepare = [](World& w) { w.story.curStep = 7; },
         .location = locCousin,
         .choice = 2,
         .talk = {"", {"Кажется у него ничего нет."}},
         .step = 7,
         .mode = Mode::Choices});

    test::play(paths);
}

Path dog(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locCousin, .choice = 4, .answers = std::move(answers)};
}

TEST(ConversationDog, SecondFirstThirdAndHeFindsTheHerb) {
    const Talk bored{"Раф-раф?", {"[Кажется ему надоело]"}};
    const Talk found{"Афф?![Тут Кудл находит какое-то растение и приносит вам]",
                     {"Перейти к списку действий"}};
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = dog("the dog growls", {});
    p.talk = {"Рав-р-р-р-р-ррав!!![Кудл смотрит на вас с неодобрением]",
              {"Миау-у-у", "Р-р-р-р-р", "Хороший Кудл!!!"}};
    p.step = 5;
    add(p);

    p = dog("second", {2});
    p.talk = {"Ра-ра-ррр-рафф!!!", {"Миуаф!", "Раф-аф", "Хороший..."}};
    p.step = 6;
    add(p);

    p = dog("second, first", {2, 1});
    p.talk = {"Гр-р-р-р-р-р-р-р!!!", {"Мяу!", "Ваф-аф", "Хороший пёс..."}};
    p.step = 7;
    add(p);

    p = dog("second, first, third", {2, 1, 3});
    p.talk = found;
    p.step = 4;
    p.flags = {{dogHerbPending, 0}};
    p.store = Slots{{itHerbRoot, 1}};
    add(p);

    p.name = "the third answer, now empty, does nothing again";
    p.answers = {2, 1, 3, 3, 2};
    add(p);

    p.name = "the first leaves";
    p.answers = {2, 1, 3, 1};
    p.talk = {found.rep, {}};
    p.mode = Mode::Choices;
    add(p);

    p = dog("once the herb is found", {});
    p.given = {{dogHerbPending, 0}};
    p.talk = {"", {"[ДАЛЕЕ]"}};
    p.step = 4;
    add(p);

    p.name = "the next click leaves";
    p.answers = {1};
    p.talk = {"", {}};
    p.mode = Mode::Choices;
    add(p);

    // Every other sequence of three leaves the dog bored, with nothing found.
    for (int first = 1; first <= 3; ++first)
        for (int second = 1; second <= 3; ++second)
            for (int third = 1; third <= 3; ++third) {
                const std::vector<int> answers = {first, second, third};
                if (answers == std::vector<int>{2, 1, 3}) continue;
                p = dog("answers " + std::to_string(first) + std::to_string(second) + std::to_string(third),
                        answers);
                // Bored at step 4: the first answer then leaves, the others do nothing.
                const bool boredAt1 = first != 2;
                const bool boredAt2 = !boredAt1 && second != 1;
                const int boredAt = boredAt1 ? 1 : boredAt2 ? 2 : 3;
                bool left = false;
                for (std::size_t i = static_cast<std::size_t>(boredAt); i < answers.size(); ++i)
                    left = left || answers[i] == 1;
                p.talk = left ? Talk{bored.rep, {}} : bored;
                p.mode = left ? Mode::Choices : Mode::Dialogue;
                p.step = 4;
                add(p);
            }

    test::play(paths);
}

TEST(ConversationDog, TheHerbIsFoundOnce) {
    test::Game g;
    World& w = g.w;
    for (int visit = 0; visit < 2; ++visit) {
        test::visit(w, locCousin, 4);
        test::click(w, {2, 1, 3, 1});
    }
    EXPECT_EQ(test::contents(w), (Slots{{itHerbRoot, 1}}));
    EXPECT_EQ(w.story.curStep, 4);
}

const std::string knifeQuest = "Достать нож Эрвальда из колодца.";
const std::string messageQuest = "Сказать Эрвальду, что обеда не будет.";

Path nephew(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locWell, .choice = 1, .answers = std::move(answers)};
}

TEST(ConversationNephew, TheMessageAndTheKnifeInTheWell) {
    const std::string greets = "Здарвствуй, тётя.";
    const std::string noLunch = "Твой отец сказал, что сегодня не будет обеда";
    const std::string rope = "У меня есть верёвка! Может это поможет?";
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = nephew("before the uncle's errand the message is hidden", {});
    p.talk = {greets, {"Здравствуй!", noLunch}, {2}};
    p.step = 1;
    add(p);

    p.name = "and takes no click";
    p.answers = {2};
    add(p);

    p.name = "with the errand the message is offered";
    p.given = {{questMessage, 1}};
    p.answers = {};
    p.talk = {greets, {"Здравствуй!", noLunch}};
    add(p);

    p.name = "once delivered it is hidden again";
    p.given = {{questMessage, 1}, {messageDelivered, 1}};
    p.talk = {greets, {"Здравствуй!", noLunch}, {2}};
    add(p);

    p.name = "the rope is offered for the knife";
    p.given = {{questWellKnife, 1}};
    p.carried = {{itRope, 1}};
    p.talk = {greets, {"Здравствуй!", noLunch, rope}, {2}};
    add(p);

    p.name = "a rope without the errand is not";
    p.given = {};
    p.talk = {greets, {"Здравствуй!", noLunch}, {2}};
    add(p);

    p.name = "nor once the knife is back";
    p.given = {{questWellKnife, 1}, {wellKnifeRecovered, 1}};
    add(p);

    p.name = "nor the errand without a rope";
    p.given = {{questWellKnife, 1}};
    p.carried = {{itKnife, 1}};
    add(p);

    p = nephew("the knife fell into the well", {1});
    p.talk = {"Дьяволы! Мой нож упал в этот колодец. Теперь отец точно меня прикончит!",
              {"Да, сегодня тебе не везёт..."},
              {2}};
    p.step = 2;
    add(p);

    p = nephew("the errand", {1, 1});
    p.talk = {"Как мне его достать?", {"Я что-нибудь придумаю..."}, {2}};
    p.step = 3;
    p.flags = {{questWellKnife, 1}};
    p.quests = {{QuestLine::z5, knifeQuest}};
    add(p);

    p.name = "then he lets the player go";
    p.answers = {1, 1, 1};
    p.talk = {"Как мне его достать?", {}, {2}};
    p.mode = Mode::Choices;
    add(p);

    p = nephew("thanks once the knife is back", {1});
    p.given = {{wellKnifeRecovered, 1}};
    p.talk = {"Спасибо, что помогла.", {"Да ладно..."}, {2}};
    p.step = 3;
    add(p);

    p = nephew("the message delivered", {2});
    p.given = {{questMessage, 1}};
    p.logged = {{QuestLine::z4, messageQuest}};
    p.talk = {"Что? Не будет обеда? Я наверно умру...", {"Мне тебя жаль"}};
    p.step = 3;
    p.flags = {{messageDelivered, 1}};
    p.quests = {{QuestLine::z4, ""}};
    add(p);

    Path rescue = nephew("the rope lowered", {3});
    rescue.given = {{questWellKnife, 1}};
    rescue.logged = {{QuestLine::z5, knifeQuest}};
    rescue.carried = {{itRope, 1}};
    rescue.talk = {
        "Отлично! Привяжи меня, я спущусь в колодец, а потом ты меня вытащешь.", {"Как скажешь..."}, {2}};
    rescue.step = 4;
    add(rescue);

    rescue.name = "down he goes";
    rescue.answers = {3, 1};
    rescue.talk = {"Спасибо, тётя. Давай...", {"Давай..."}, {2}};
    rescue.step = 5;
    add(rescue);

    rescue.name = "the knife back, twenty coins, the rope kept";
    rescue.answers = {3, 1, 1};
    rescue.talk = {anyLine, {"Спасибо."}, {2}};
    rescue.step = 3;
    rescue.flags = {{wellKnifeRecovered, 1}};
    rescue.quests = {{QuestLine::z5, ""}};
    rescue.store = Slots{{itRope, 1}, {itCoins, 20}};
    add(rescue);

    rescue.name = "the coins onto the coins carried";
    rescue.carried = {{itCoins, 100}, {itRope, 1}};
    rescue.store = Slots{{itCoins, 120}, {itRope, 1}};
    add(rescue);

    test::play(paths);
}

TEST(ConversationNephew, TheRescueIsOfferedOnlyUntilTheKnifeIsBack) {
    test::Game g;
    World& w = g.w;
    addItem(w, itRope, 1);
    test::visit(w, locWell, 1);
    test::click(w, {1, 1, 1}); // the errand
    test::visit(w, locWell, 1);
    ASSERT_EQ(answerText(w, 3), "У меня есть верёвка! Может это поможет?");
    test::click(w, {3, 1, 1, 1});
    test::visit(w, locWell, 1);
    EXPECT_EQ(answerText(w, 3), "");
    test::click(w, {1});
    EXPECT_EQ(test::shown(w).rep, "Спасибо, что помогла.");
    EXPECT_EQ(test::contents(w), (Slots{{itRope, 1}, {itCoins, 20}}));
}

Path uncle(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locStatue, .choice = 1, .answers = std::move(answers)};
}

TEST(ConversationUncle, AnErrandThenALessonInFightingBareHanded) {
    const std::string greets = "Здравствуй, ДемоИгрок! Как проходит твоя миссия?";
    const std::vector<std::string> opening = {"Нормально. Может подучишь меня?", "Какая миссия?"};
    const std::string told = "Я сообщила Эрвальду всё, что надо.";
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = uncle("the greeting", {});
    p.talk = {greets, opening};
    p.step = 1;
    add(p);

    p.name = "the message told";
    p.given = {{messageDelivered, 1}};
    p.talk = {greets, {opening[0], opening[1], told}};
    add(p);

    p.name = "after the lesson the third answer is hidden";
    p.given = {{messageDelivered, 1}, {unarmedLessonAvailable, 0}};
    p.talk = {greets, {opening[0], opening[1], told}, {3}};
    add(p);

    p.name = "and takes no click";
    p.answers = {3};
    add(p);

    p.name = "hidden also with no message told";
    p.answers = {};
    p.given = {{unarmedLessonAvailable, 0}};
    p.talk = {greets, opening, {3}};
    add(p);

    p = uncle("the errand", {1});
    p.talk = {anyLine, {"Нет проблем."}};
    p.step = 2;
    p.flags = {{questMessage, 1}};
    p.quests = {{QuestLine::z4, messageQuest}};
    add(p);

    p.name = "then the talk is over";
    p.answers = {1, 1};
    p.talk = {anyLine, {}};
    p.mode = Mode::Choices;
    add(p);

    p = uncle("trained already", {1});
    p.given = {{unarmedLessonAvailable, 0}};
    p.talk = {"Я уже тренировал тебя!", {"Ладно."}, {3}};
    p.step = 2;
    add(p);

    p = uncle("what mission", {2});
    p.talk = {"Как, ты не знаешь!? Это смешно.", {"Да уж..."}};
    p.step = 2;
    add(p);

    p = uncle("ready to train", {3});
    p.given = {{messageDelivered, 1}};
    p.talk = {"Отлично. Теперь потренеруемся...", {"Приступим."}};
    p.step = 3;
    add(p);

    p.name = "the lesson";
    p.answers = {3, 1};
    p.talk = {"[Через полчаса]Вот и всё!", {"Спасибо."}};
    p.step = 2;
    p.flags = {{unarmedLessonAvailable, 0}};
    p.gains = {{Skill::unarm, 6}};
    add(p);

    p.name = "then the talk is over";
    p.answers = {3, 1, 1};
    p.talk = {"[Через полчаса]Вот и всё!", {}};
    p.mode = Mode::Choices;
    add(p);

    test::play(paths);
}

TEST(ConversationUncle, TheLessonComesOnceAfterTheMessage) {
    test::Game g;
    World& w = g.w;
    const int unarmed = skillValue(w, Skill::unarm);
    test::visit(w, locStatue, 1);
    test::click(w, {1, 1}); // the errand
    test::visit(w, locWell, 1);
    test::click(w, {2, 1}); // the message
    EXPECT_TRUE(w.story.storyFlags.isSet(messageDelivered));
    test::visit(w, locStatue, 1);
    test::click(w, {3, 1, 1}); // the lesson
    test::visit(w, locStatue, 1);
    test::click(w, {3}); // hidden now
    EXPECT_EQ(w.story.curStep, 1);
    EXPECT_EQ(skillValue(w, Skill::unarm), unarmed + 6);
    EXPECT_EQ(questLine(w, QuestLine::z4), "");
}

Path aunt(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locAunt, .choice = 1, .answers = std::move(answers)};
}

const std::string rude = "Хватит издеваться! Иди отсюда!";

TEST(ConversationAunt, TheRatAndTheMeat) {
    const std::string greets = "Здравствуй, племянница. Ну, как твоя миссия?";
    const std::vector<std::string> opening = {"Какая миссия?", "Да никак..."};
    const std::string forTheDog = "Ведрику нужно мясо, для Кудла.";
    const std::string ratKilledAnswer = "Я убила крысу.";
    const std::string thanks = "Убила крысу? Чудесненько.Возьми это мясцо... только приготовила.";
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = aunt("the greeting", {});
    p.prepare = [](World& w) { w.story.curStep = 7; };
    p.talk = {greets, opening};
    p.step = 1;
    add(p);

    p.name = "the cousin's errand";
    p.given = {{questMeat, 1}};
    p.talk = {greets, {opening[0], opening[1], forTheDog}};
    add(p);

    p.name = "the rat killed";
    p.given = {{ratKilled, 1}};
    p.talk = {greets, {opening[0], opening[1], "", ratKilledAnswer}};
    add(p);

    p = aunt("what mission", {1});
    p.talk = {rude, {"[Конец]"}};
    p.step = 10;
    add(p);

    p.name = "then the map";
    p.answers = {1, 1};
    p.mode = Mode::MapKept;
    add(p);

    p = aunt("the rat", {2});
    p.talk = {anyLine, {"Я подумаю..."}};
    p.step = 2;
    p.flags = {{questRat, 1}};
    p.quests = {{QuestLine::z2, "Убить крысу"}};
    add(p);

    p.name = "come back when it is done";
    p.answers = {2, 1};
    p.talk = {"Ну хорошо! Приходи, когда сделаешь!", {"[КОНЕЦ]"}};
    p.step = 10;
    add(p);

    p = aunt("asked again about the rat", {2});
    p.given = {{questRat, 1}};
    p.talk = {"Мне нечего тебе сказать...", {"[КОНЕЦ]"}};
    p.step = 10;
    add(p);

    Path reward = aunt("the rat reward", {4});
    reward.given = {{ratKilled, 1}};
    reward.talk = {thanks, {"Рада помочь"}};
    reward.step = 4;
    reward.flags = {{auntHasMeat, 0}};
    reward.store = Slots{{itMeat, 1}};
    add(reward);

    reward.name = "the reward in a stack of its own beside the meat carried";
    reward.carried = {{itMeat, 1}};
    reward.store = Slots{{itMeat, 1}, {itMeat, 1}};
    add(reward);

    reward.name = "the reward into the first empty slot";
    reward.carried = {{itKnife, 1}, {itNone, 0}, {itRope, 1}};
    reward.store = Slots{{itKnife, 1}, {itMeat, 1}, {itRope, 1}};
    add(reward);

    reward.name = "no room: no meat, and she keeps hers";
    reward.carried = test::fullStoreEndingIn({});
    reward.store.reset();
    reward.flags = {};
    add(reward);

    reward.name = "the reward, then the talk is over";
    reward.carried = {};
    reward.answers = {4, 1};
    reward.talk = {thanks, {}}; // her thanks emptied the fourth answer too
    reward.mode = Mode::Choices;
    reward.flags = {{auntHasMeat, 0}};
    reward.store = Slots{{itMeat, 1}};
    add(reward);

    const std::string forgot =
        "Убила?! Спасибо большое! Я хотела дать тебе мясца на дорогу, да какое-то дерьмо "
        "двурога украло его.";
    p = aunt("the meat gone: she forgets, and the step stays", {4});
    p.given = {{ratKilled, 1}, {auntHasMeat, 0}};
    p.talk = {forgot, {"[Склероз приходит с возрастом...]", opening[1], "", ratKilledAnswer}};
    p.step = 1;
    add(p);

    p.name = "then the first answer ends it rudely";
    p.answers = {4, 1};
    p.talk = {rude, {"[Конец]"}};
    p.step = 10;
    add(p);

    // Stealing: the theft itself is rolled in the theft tests.
    add({.name = "the theft is offered while she has meat",
         .location = locAunt,
         .choice = 3,
         .talk = {"", {"Попробовать украсть мясо(1)", "Ничего не красть"}},
         .step = 3,
         .mapButton = false});
    add({.name = "nothing to steal",
         .given = {{auntHasMeat, 0}},
         .location = locAunt,
         .choice = 3,
         .talk = {"", {"[У неё ничего нет. Переходим к списку действий]"}},
         .step = 0,
         .mode = Mode::Choices});

    test::play(paths);
}

TEST(ConversationAunt, TheTalkCheckNeedsMoreThan35) {
    struct Case {
        int speech, reaction;
        bool passes;
    };
    const std::vector<Case> cases = {
        {35, 0, false}, {36, 0, true}, {15, 20, false}, {16, 20, true}, {55, -20, false}, {56, -20, true},
    };
    std::vector<Path> paths;
    for (const Case& c : cases)
        for (bool hasMeat : {true, false}) {
            // Begging does not look at whether she still has meat: every pass gives one.
            Path p = aunt("speech " + std::to_string(c.speech) + ", reaction " + std::to_string(c.reaction) +
                              (hasMeat ? "" : ", her meat gone"),
                          {3});
            p.given = {{questMeat, 1}, {auntHasMeat, hasMeat}};
            p.carried = {{itMeat, 1}};
            p.prepare = [c](World& w) {
                addToSkill(w, Skill::talks, c.speech - skillValue(w, Skill::talks));
                w.character.femaleReaction = c.reaction;
            };
            p.step = 10;
            if (c.passes) {
                p.talk = {"Хорошо. Вот, возьми...", {"[КОНЕЦ]"}};
                p.flags = {{auntHasMeat, 0}};
                p.store = Slots{{itMeat, 2}};
            } else {
                p.talk = {"Как будто я тебе поверю! Хватит меня дурить! А ну иди отсюда!", {"[КОНЕЦ]"}};
            }
            paths.push_back(p);
        }
    test::play(paths);
}

TEST(ConversationAunt, TheRatQuestOpensTheCornFieldFight) {
    test::Game g;
    World& w = g.w;
    enterLocation(w, locCornField);
    EXPECT_FALSE(w.Gameform.c[1].visible);
    test::visit(w, locAunt, 1);
    test::click(w, {2, 1});
    enterLocation(w, locCornField);
    EXPECT_TRUE(w.Gameform.c[1].visible);
    EXPECT_EQ(w.Gameform.c[1].caption, "Напасть на крысу.");
}

} // namespace
} // namespace cv
