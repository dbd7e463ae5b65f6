// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shaman's healer for three herbs, the spear master's lesson, and the finds of the two empty tents.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogue_play.h"

namespace cv {
namespace {

using test::Mode;
using test::Path;
using test::Slots;

const std::string herbsQuest = "Принести травы Ольмиру";
const Slots herbs = {{itHealingPowder, 1}, {itFruit, 1}, {itHerbRoot, 1}};

Path shaman(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locShaman, .choice = 1, .answers = std::move(answers)};
}

TEST(ConversationShaman, TheHerbsAreAskedForAndBrewed) {
    const std::string greets = "Здравствуй, ДемоИгрок. Как проходит твоя миссия?";
    const std::vector<std::string> opening = {"Какая миссия?", "Да ничего..."};
    const std::string brought = "Я принёс травы для тебя.";
    const std::string nothingToSay = "Мне нечего тебе сказать...";
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = shaman("the greeting", {});
    p.talk = {greets, opening};
    p.step = 1;
    add(p);

    p.name = "the herbs brought";
    p.given = {{questHerbs, 1}};
    p.carried = herbs;
    p.talk = {greets, {opening[0], opening[1], brought}};
    add(p);

    p.name = "the herbs without being asked";
    p.given = {};
    p.talk = {greets, opening};
    add(p);

    for (std::size_t missing = 0; missing < herbs.size(); ++missing) {
        Slots two = herbs;
        two.erase(two.begin() + static_cast<std::ptrdiff_t>(missing));
        p.name = "asked, but item " + std::to_string(static_cast<int>(herbs[missing].first)) + " missing";
        p.given = {{questHerbs, 1}};
        p.carried = two;
        add(p);
    }

    p.name = "all three, but the healer made already: no third answer";
    p.given = {{questHerbs, 1}, {herbsDelivered, 1}};
    p.carried = herbs;
    p.talk = {greets, opening, {3}};
    add(p);

    p.name = "and the hidden line takes no click";
    p.answers = {3};
    add(p);

    p = shaman("what mission", {1});
    p.talk = {"Издеваешься? Если твой разум затуманен вновь - иди и поговори со Старейшиной", {"[КОНЕЦ]"}};
    p.step = 10;
    add(p);

    p.name = "then he lets the player go";
    p.answers = {1, 1};
    p.talk = {p.talk.rep, {}};
    p.mode = Mode::Choices;
    add(p);

    p = shaman("he offers a healer", {2});
    p.talk = {
        "Да...Кстати я мог бы приготовить тебе очень сильный исцелитель, если бы ты принёс мне некоторые "
        "травы...",
        {"Какие травы?"}};
    p.step = 2;
    add(p);

    p.name = "which herbs";
    p.answers = {2, 1};
    p.talk = {"Мне нужен Целебный Порошок, Корень Тильвы и Фрукт. Принеси мне их.",
              {"Посмотрю, что смогу сделать..."}};
    p.step = 3;
    p.flags = {{questHerbs, 1}};
    p.quests = {{QuestLine::z3, herbsQuest}};
    add(p);

    p.name = "then he lets the player go";
    p.answers = {2, 1, 1};
    p.talk = {p.talk.rep, {}};
    p.mode = Mode::Choices;
    add(p);

    p = shaman("nothing more to say after the healer", {2});
    p.given = {{questHerbs, 1}, {herbsDelivered, 1}};
    p.talk = {nothingToSay, {"[КОНЕЦ]"}};
    p.step = 10;
    add(p);

    p.name = "and the next click leaves, no second healer";
    p.answers = {2, 1};
    p.talk = {nothingToSay, {}};
    p.mode = Mode::Choices;
    add(p);

    Path brew = shaman("he starts brewing", {3});
    brew.given = {{questHerbs, 1}};
    brew.logged = {{QuestLine::z3, herbsQuest}};
    brew.carried = herbs;
    brew.talk = {"Отлично! Подожди немного. Мне надо приготовить травы...", {"............."}};
    brew.step = 4;
    add(brew);

    brew.name = "the herbs become two injections; the quest line stays";
    brew.answers = {3, 1};
    brew.talk = {"Готово! Теперь оставь меня наедине с духами.", {"[Или с куревом]"}};
    brew.step = 10;
    brew.flags = {{herbsDelivered, 1}};
    brew.store = Slots{{itStimulant, 2}};
    add(brew);

    brew.name = "then he lets the player go";
    brew.answers = {3, 1, 1};
    brew.talk = {brew.talk.rep, {}};
    brew.mode = Mode::Choices;
    add(brew);

    test::play(paths);
}

TEST(ConversationShaman, TheExchangeTakesOneOfEachAndClosesTheGaps) {
    struct Case {
        std::string name;
        Slots before, after;
    };
    const std::vector<Case> cases = {
        {"among other things",
         {{itKnife, 1}, {itHerbRoot, 2}, {itRope, 1}, {itFruit, 1}, {itHealingPowder, 3}, {itCoins, 20}},
         {{itKnife, 1}, {itHerbRoot, 1}, {itRope, 1}, {itHealingPowder, 2}, {itCoins, 20}, {itStimulant, 2}}},
        {"onto the injections carried",
         {{itStimulant, 1}, {itHealingPowder, 1}, {itFruit, 1}, {itHerbRoot, 1}},
         {{itStimulant, 3}}},
        {"a full store has room once the herbs are gone", test::fullStoreEndingIn(herbs),
         [] {
             Slots s = test::fullStoreEndingIn(herbs);
             s.resize(s.size() - 3);
             s.emplace_back(itStimulant, 2);
             return s;
         }()},
        {"a full store where no slot empties has none",
         test::fullStoreEndingIn({{itHealingPowder, 2}, {itFruit, 2}, {itHerbRoot, 2}}),
         test::fullStoreEndingIn({{itHealingPowder, 1}, {itFruit, 1}, {itHerbRoot, 1}})},
    };
    std::vector<Path> paths;
    for (const Case& c : cases) {
        Path p = shaman(c.name, {3, 1});
        p.given = {{questHerbs, 1}};
        p.carried = c.before;
        p.talk = {"Готово! Теперь оставь меня наедине с духами.", {"[Или с куревом]"}};
        p.step = 10;
        p.flags = {{herbsDelivered, 1}};
        p.store = c.after;
        paths.push_back(p);
    }
    test::play(paths);
}

TEST(ConversationShaman, TheHealerIsMadeOnce) {
    test::Game g;
    World& w = g.w;
    test::visit(w, locShaman, 1);
    test::click(w, {2, 1, 1}); // asked for the herbs
    test::fill(w, {{itHealingPowder, 2}, {itFruit, 2}, {itHerbRoot, 2}});
    test::visit(w, locShaman, 1);
    test::click(w, {3, 1, 1}); // the healer
    test::visit(w, locShaman, 1);
    EXPECT_FALSE(answerVisible(w, 3));
    test::click(w, {3, 2});
    EXPECT_EQ(test::shown(w).rep, "Мне нечего тебе сказать...");
    EXPECT_EQ(w.story.curStep, 10);
    test::click(w, {1});
    EXPECT_EQ(test::contents(w),
              (Slots{{itHealingPowder, 1}, {itFruit, 1}, {itHerbRoot, 1}, {itStimulant, 2}}));
    EXPECT_EQ(questLine(w, QuestLine::z3), herbsQuest);
}

TEST(ConversationShaman, GoingAwayOpensTheMapOverATalkAtItsStart) {
    test::play({{.name = "the second choice",
                 .location = locShaman,
                 .choice = 2,
                 .talk = {"", {}},
                 .step = 1,
                 .mode = Mode::MapKept}});
}

Path spearMaster(std::string name, std::vector<int> answers) {
    return {.name = std::move(name), .location = locSpearMaster, .choice = 1, .answers = std::move(answers)};
}

TEST(ConversationSpearMaster, ALessonForAPlayerWithASpear) {
    const std::string busy = "Извини, я занят. Может поговорим попозже?";
    const std::string needSpear = "Хорошо. Но для тренировки тебе понадобится копьё";
    std::vector<Path> paths;
    auto add = [&](Path p) { paths.push_back(std::move(p)); };

    Path p = spearMaster("the greeting", {});
    p.talk = {"Здравствуй, ДемоИгрок. Как дела?", {"Да никак.", "Да, нормально. Не подучишь меня?"}};
    p.step = 1;
    add(p);

    p = spearMaster("not much", {1});
    p.talk = {busy, {"Без проблем..."}};
    p.step = 2;
    add(p);

    p.name = "then he lets the player go";
    p.answers = {1, 1};
    p.talk = {busy, {}};
    p.mode = Mode::Choices;
    add(p);

    p = spearMaster("trained already", {2});
    p.given = {{spearLessonAvailable, 0}};
    p.carried = {{itSpear, 1}};
    p.talk = {busy, {"Без проблем..."}};
    p.step = 2;
    add(p);

    p = spearMaster("without a spear the second answer is hidden", {2});
    p.talk = {needSpear, {"У меня нет копья.", "У меня есть копьё"}, {2}};
    p.step = 3;
    add(p);

    p.name = "and takes no click";
    p.answers = {2, 2};
    add(p);

    p.name = "no spear: he sends the player away, the lesson still to come";
    p.answers = {2, 1};
    p.talk = {"Приходи, когда у тебя будет копьё.", {"Окей..."}, {2}};
    p.step = 2;
    add(p);

    Path lesson = spearMaster("with a spear it is offered", {2});
    lesson.carried = {{itKnife, 1}, {itSpear, 1}};
    lesson.talk = {needSpear, {"У меня нет копья.", "У меня есть копьё"}};
    lesson.step = 3;
    add(lesson);

    lesson.name = "the spear shown";
    lesson.answers = {2, 2};
    lesson.talk = {"Вот и отлично. Это не займёт много времени.", {"Приступим..."}};
    lesson.step = 4;
    add(lesson);

    lesson.name = "the lesson; the spear is kept";
    lesson.answers = {2, 2, 1};
    lesson.talk = {"[Через полчаса]Отлично! У тебя большие способности. Извини, теперь у меня дела.",
                   {"Досвидания и спасибо!"}};
    lesson.step = 2;
    lesson.flags = {{spearLessonAvailable, 0}};
    lesson.gains = {{Skill::meele, 6}};
    add(lesson);

    test::play(paths);
}

TEST(ConversationSpearMaster, TheGreetingShowsTheSecondAnswerAgain) {
    test::Game g;
    World& w = g.w;
    test::visit(w, locSpearMaster, 1);
    test::click(w, {2, 1, 1}); // no spear: sent away
    ASSERT_FALSE(answerVisible(w, 2));
    test::visit(w, locSpearMaster, 1);
    EXPECT_TRUE(answerVisible(w, 2));
    addItem(w, itSpear, 1);
    const int melee = skillValue(w, Skill::meele);
    test::click(w, {2, 2, 1, 1});
    test::visit(w, locSpearMaster, 1);
    test::click(w, {2});
    EXPECT_EQ(test::shown(w).rep, "Извини, я занят. Может поговорим попозже?");
    EXPECT_EQ(skillValue(w, Skill::meele), melee + 6);
}

TEST(ConversationTents, EachTentHoldsOneThingToTakeOnce) {
    struct Tent {
        int location;
        StoryFlag flag;
        ItemId item;
        std::string found;
    };
    const std::vector<Tent> tents = {
        {locHouseA, houseAHasFruit, itFruit, "Вы нашли Фрукт"},
        {locHouseB, houseBHasKnife, itKnife, "Вы нашли Нож"},
    };
    std::vector<Path> paths;
    for (const Tent& t : tents) {
        const std::string at = "tent " + std::to_string(t.location) + ": ";
        paths.push_back({.name = at + "the find",
                         .location = t.location,
                         .choice = 1,
                         .talk = {"", {t.found}},
                         .step = 1,
                         .flags = {{t.flag, 0}},
                         .store = Slots{{t.item, 1}}});
        paths.push_back({.name = at + "the find read, the choices back",
                         .location = t.location,
                         .choice = 1,
                         .answers = {1},
                         .talk = {"", {}},
                         .step = 1,
                         .mode = Mode::Choices,
                         .flags = {{t.flag, 0}},
                         .store = Slots{{t.item, 1}}});
        paths.push_back({.name = at + "onto the same kind carried",
                         .carried = {{itRope, 1}, {t.item, 2}},
                         .location = t.location,
                         .choice = 1,
                         .talk = {"", {t.found}},
                         .step = 1,
                         .flags = {{t.flag, 0}},
                         .store = Slots{{itRope, 1}, {t.item, 3}}});
        paths.push_back({.name = at + "taken already",
                         .given = {{t.flag, 0}},
                         .location = t.location,
                         .choice = 1,
                         .talk = {"", {"Ничего нет"}},
                         .step = 1});
    }
    test::play(paths);
}

TEST(ConversationTents, ConfirmingAgainFindsNothing) {
    for (int location : {locHouseA, locHouseB}) {
        SCOPED_TRACE(location);
        test::Game g;
        World& w = g.w;
        test::visit(w, location, 1);
        answerClick(w, 1);
        // The choice stays selected and the confirm button enabled: the same choice again.
        ASSERT_EQ(selectedChoice(w), 1);
        confirmChoice(w);
        EXPECT_EQ(answerText(w, 1), "Ничего нет");
        answerClick(w, 1);
        test::visit(w, location, 1); // a second visit
        EXPECT_EQ(answerText(w, 1), "Ничего нет");
        EXPECT_EQ(test::contents(w).size(), 1u);
        EXPECT_EQ(test::contents(w)[0].second, 1);
    }
}

} // namespace
} // namespace cv
