// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The temple Храм Порога: the grove and its guard, the corridor, the lock, the trap hall, the small room with
// the chest, the inner door and the way out to the guard's cave.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/story/victory.h"
#include "story_play.h"

namespace cv {
namespace {

using test::hidden;

using Choices = std::vector<std::string>;

const std::string slowEnd =
    "Сглотнув, вы медленно продолжаете свой путь...Наконец вы подходите к концу зала. "
    "Отсюда вы можете идти в комнату справа или в корридор налево";
const std::string fastEnd = "Сглотнув, вы быстро продолжаете свой путь...Наконец вы подходите к концу зала. "
                            "Отсюда вы можете идти в комнату справа или в корридор налево";
const std::string doorText =
    "Вы входите к новой двери. На этот раз ваше умение взлома не помогает нивкакую...";
const Choices entranceChoices = {"Зайти в Храм", "Вернуться в деревню", "Заговорить с охранником", hidden,
                                 hidden};
const Choices hallEndChoices = {"Вернуться ко входу(Ловушки останутся)", "Идти налево", "Идти направо",
                                hidden, hidden};

// The ready-made character picks the lock below 46 and walks the trap hall carefully below 76.
void inTheGrove(test::TestWorld& t) {
    test::startGame(t);
    enterLocation(t.w, locTemple);
    t.pictures.requested.clear();
}
void atTheMetalDoor(test::TestWorld& t) {
    inTheGrove(t);
    for (int c : {1, 1, 2}) // to the entrance, into the corridor, on to the door
        test::choose(t.w, c);
}
void inTheTrapHall(test::TestWorld& t) {
    atTheMetalDoor(t);
    t.rng.push({1});
    test::choose(t.w, 2);
}
void atTheHallEnd(test::TestWorld& t) {
    inTheTrapHall(t);
    t.rng.push({1});
    test::choose(t.w, 2);
}
void inTheSmallRoom(test::TestWorld& t) {
    atTheHallEnd(t);
    test::choose(t.w, 2);
}
void atTheInnerDoor(test::TestWorld& t) {
    atTheHallEnd(t);
    test::choose(t.w, 3);
}

TEST(TempleGrove, TheTempleWayLeadsToItsEntrance) {
    test::TestWorld t;
    inTheGrove(t);
    World& w = t.w;
    ASSERT_EQ(w.story.curStep, 1);

    test::choose(w, 1);

    EXPECT_EQ(w.Gameform.m1.text, "Вы у входа в Храм.");
    EXPECT_EQ(w.Gameform.m2.text, "");
    EXPECT_EQ(test::shownChoices(w), entranceChoices);
    EXPECT_EQ(w.story.curStep, 3);
    EXPECT_TRUE(test::inChoiceMode(w));
}

TEST(TempleGrove, TheGuardTalksInTheGroveAndAtTheEntrance) {
    for (bool atEntrance : {false, true}) {
        SCOPED_TRACE(atEntrance ? "at the entrance" : "in the grove");
        test::TestWorld t;
        inTheGrove(t);
        World& w = t.w;
        if (atEntrance) test::choose(w, 1);

        test::choose(w, 3);

        EXPECT_TRUE(test::inDialogue(w));
        EXPECT_EQ(w.Gameform.m1.text,
                  "Охранник улыбается вам. Видимо ему надоело вот так стоять, охраняя непонятно что.");
        EXPECT_EQ(w.Gameform.m2.text, "");
        EXPECT_EQ(w.Gameform.rep.text,
                  "Здравствуй " + test::playerName + ".Как дела? Уж не в Храм ли ты направляешься?");
        EXPECT_EQ(test::answerTexts(w), (Choices{"Ага. Туда и иду.", "Да нет, просто гуляю...", "", "", ""}));
        EXPECT_TRUE(test::hiddenAnswers(w).empty());
        EXPECT_EQ(w.story.curStep, 2);
    }
}

TEST(TempleGrove, BackToTheVillageFromTheGroveOrTheEntrance) {
    for (bool atEntrance : {false, true}) {
        SCOPED_TRACE(atEntrance ? "at the entrance" : "in the grove");
        test::TestWorld t;
        inTheGrove(t);
        World& w = t.w;
        if (atEntrance) test::choose(w, 1);
        const int step = w.story.curStep;

        test::choose(w, 2);

        EXPECT_TRUE(test::onMap(w));
        EXPECT_EQ(t.pictures.requested, std::vector<std::string>{"talk.jpg"});
        EXPECT_EQ(w.Gameform.fon.picture, "talk.jpg");
        EXPECT_EQ(w.story.curStep, step);
    }
}

TEST(TempleCorridor, TheCorridorItsSideHallAndTheMetalDoor) {
    test::TestWorld t;
    inTheGrove(t);
    World& w = t.w;
    test::choose(w, 1);

    test::choose(w, 1);
    EXPECT_EQ(w.Gameform.m1.text, "Вы заходите в широкий полуосвещённый корридор. Тень пламени на стенах "
                                  "безостановочно скачет. Страшновато...");
    EXPECT_EQ(test::shownChoices(w),
              (Choices{"Вернуться ко входу", "Идти вперёд", "Свернуть в зал налево", hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 4);

    test::choose(w, 3);
    EXPECT_EQ(w.Gameform.m1.text, "Вы попадаете в широченный зал. На полу несколько луж какой-то красной "
                                  "жидкости. Похоже это кровь...");
    EXPECT_EQ(test::shownChoices(w),
              (Choices{"Вернуться ко входу", "Пройти дальше по главному корридору", hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 4);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_EQ(selectedChoice(w), 0); // the side hall's choice is hidden now

    test::choose(w, 2);
    EXPECT_EQ(w.Gameform.m1.text, "Вы продолжаете идти по длинному корридору. Через минуту Вы выходите в "
                                  "небольшой зал. Прямо перед Вами большая металлическая дверь.");
    EXPECT_EQ(test::shownChoices(w),
              (Choices{"Вернуться ко входу", "Открыть дверь", hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 5);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_TRUE(t.rng.asked.empty());
}

TEST(TempleCorridor, EveryWayBackLeadsToTheEntrance) {
    struct Case {
        std::string name;
        void (*reach)(test::TestWorld&);
        int step;
    };
    const std::vector<Case> cases = {
        {"the corridor",
         [](test::TestWorld& t) {
             inTheGrove(t);
             test::choose(t.w, 1);
             test::choose(t.w, 1);
         },
         4},
        {"the metal door", atTheMetalDoor, 5},
        {"the trap hall", inTheTrapHall, 6},
        {"the end of the trap hall", atTheHallEnd, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        c.reach(t);
        World& w = t.w;
        ASSERT_EQ(w.story.curStep, c.step);

        test::choose(w, 1);

        EXPECT_EQ(w.Gameform.m1.text, "Вы у входа в Храм.");
        EXPECT_EQ(w.Gameform.m2.text, "");
        EXPECT_EQ(test::shownChoices(w), entranceChoices);
        EXPECT_EQ(w.story.curStep, 3);
        EXPECT_TRUE(test::inChoiceMode(w));
    }
}

struct LockCase {
    int lockpickSkill;
    int roll;
    bool opens;
};

TEST(TempleLock, OneRollAgainstLockpickingLessTen) {
    const std::vector<LockCase> cases = {
        {55, 45, true}, {55, 46, false}, {11, 1, true},    {10, 1, false},  {5, 1, false},
        {0, 1, false},  {108, 98, true}, {108, 99, false}, {109, 99, true}, {150, 99, true},
    };
    for (const LockCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "lockpick " << c.lockpickSkill << ", roll " << c.roll);
        test::TestWorld t;
        atTheMetalDoor(t);
        World& w = t.w;
        w.character.lockpickSkill = c.lockpickSkill;
        t.rng.push({c.roll});

        test::choose(w, 2);

        EXPECT_EQ(t.rng.asked, (std::vector<std::pair<int, int>>{{1, 99}}));
        EXPECT_TRUE(test::inChoiceMode(w));
        if (c.opens) {
            EXPECT_EQ(w.Gameform.m1.text,
                      "Дверь заперта, но для ваших способностей - ерунда. Со скрипом металлическая громада "
                      "отходит в сторону. Вы держите дверь. Похоже, она закроется сама, если вы отпустите.");
            EXPECT_EQ(
                w.Gameform.m2.text,
                "Вашему взору открывается новый зал, уложенный серыми плитами. Кажется это то самое место, "
                "где многие, проходящие Испытание, погибали, наступая на смертоносные ловушки. ");
            EXPECT_EQ(test::shownChoices(w), (Choices{"Идти обратно ко входу", "Идти вперёд осторожно",
                                                      "Быстро пробежать через зал", hidden, hidden}));
            EXPECT_EQ(w.story.curStep, 6);
        } else {
            EXPECT_EQ(w.Gameform.m1.text, "Дверь заперта и вам не удаётся взломать замок.");
            EXPECT_EQ(w.Gameform.m2.text, "");
            EXPECT_EQ(test::shownChoices(w),
                      (Choices{"Вернуться ко входу", "Пробовать взломать замок", hidden, hidden, hidden}));
            EXPECT_EQ(w.story.curStep, 5);
        }
    }
}

TEST(TempleLock, AShutDoorCanBeTriedAgainAndAgain) {
    test::TestWorld t;
    atTheMetalDoor(t);
    World& w = t.w;
    t.rng.push({99});
    test::choose(w, 2);
    ASSERT_EQ(w.story.curStep, 5);
    EXPECT_TRUE(test::confirmPressable(w)); // the try is still selected

    t.rng.push({70});
    test::pressConfirm(w);
    EXPECT_EQ(w.Gameform.m1.text, "Дверь заперта и вам не удаётся взломать замок.");
    EXPECT_EQ(w.story.curStep, 5);

    t.rng.push({45});
    test::pressConfirm(w);
    EXPECT_EQ(w.story.curStep, 6);
    EXPECT_EQ(t.rng.asked.size(), 3u);
}

TEST(TempleLock, ALockThatCannotBePickedKeepsTheInnerRoomsShut) {
    test::TestWorld t;
    atTheMetalDoor(t);
    World& w = t.w;
    w.character.lockpickSkill = 10;
    for (int roll : {1, 50, 99}) {
        t.rng.push({roll});
        test::choose(w, 2);
        EXPECT_EQ(w.story.curStep, 5) << roll;
        EXPECT_EQ(test::shownChoices(w),
                  (Choices{"Вернуться ко входу", "Пробовать взломать замок", hidden, hidden, hidden}));
    }
    test::choose(w, 1);
    EXPECT_EQ(w.story.curStep, 3);
}

struct TrapCase {
    std::string name;
    int choice; // 2 walks carefully, 3 runs
    int perception, intelligence, endurance, agility;
    int roll;
    bool unharmed;
};

TEST(TempleTraps, CarefulWalkAgainstFiveTimesPerceptionAndIntelligenceRunAgainstEnduranceAndAgility) {
    const std::vector<TrapCase> cases = {
        {"walk: roll equal to 5 x (7 + 8)", 2, 7, 8, 1, 1, 75, true},
        {"walk: one above", 2, 7, 8, 1, 1, 76, false},
        {"walk: 20 points never fail", 2, 10, 10, 1, 1, 99, true},
        {"walk: endurance and agility do not count", 2, 1, 1, 10, 10, 11, false},
        {"run: roll equal to 5 x (5 + 8)", 3, 1, 1, 5, 8, 65, true},
        {"run: one above", 3, 1, 1, 5, 8, 66, false},
        {"run: perception and intelligence do not count", 3, 10, 10, 1, 1, 11, false},
        {"run: 20 points never fail", 3, 1, 1, 10, 10, 99, true},
    };
    for (const TrapCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        inTheTrapHall(t);
        World& w = t.w;
        CharacterRecord& r = w.character;
        r.perception = c.perception;
        r.intelligence = c.intelligence;
        r.endurance = c.endurance;
        r.agility = c.agility;
        r.hitPoints = 30;
        t.rng.asked.clear();
        t.rng.push({c.roll});

        test::choose(w, c.choice);

        EXPECT_EQ(t.rng.asked, (std::vector<std::pair<int, int>>{{1, 99}}));
        EXPECT_EQ(r.hitPoints, c.unharmed ? 30 : 25);
        EXPECT_EQ(w.story.curStep, 7);
        EXPECT_TRUE(test::inChoiceMode(w));
        std::string m1, m2 = slowEnd;
        Choices choices = hallEndChoices;
        if (c.choice == 2 && c.unharmed) {
            m1 =
                "Вы осторожно делаете шаг за шагом. Внезапно вы чувствуете, как плита под вашей ногой уходит "
                "вниз. Со змеиной реакцией вы падаете на пол и видите как в футе над вами проносится "
                "заточенный шест...";
        } else if (c.choice == 2) {
            // The C of "C недоумением" is a Latin capital C; the two ways swap their captions.
            m1 =
                "Вы осторожно делаете шаг за шагом. Внезапно вы чувствуете, как плита под вашей ногой уходит "
                "вниз. C недоумением вы отступаете назад...Заточенный шест, проносится мимо, задев ваше "
                "плечо.";
            choices = {"Вернуться ко входу(Ловушки останутся)", "Идти направо", "Идти налево", hidden,
                       hidden};
        } else if (c.unharmed) {
            m1 =
                "Вы бежите к концу зала. Внезапно вы слышите, как позади вас что-то острое рассекает воздух. "
                "Повезло!";
            m2 = fastEnd;
        } else {
            m1 = "Вы бежите к концу зала. Внезапно вы чувствуете, как что-то острое, рассекая воздух, "
                 "оцарапывает ваше плечо";
        }
        EXPECT_EQ(w.Gameform.m1.text, m1);
        EXPECT_EQ(w.Gameform.m2.text, m2);
        EXPECT_EQ(test::shownChoices(w), choices);
    }
}

TEST(TempleTraps, ATrapTakesFiveHitPointsWithNoLowerBoundAndThePlayerGoesOn) {
    struct Case {
        int choice, before, after;
    };
    for (const Case& c : {Case{2, 6, 1}, Case{2, 5, 0}, Case{3, 3, -2}, Case{3, 0, -5}, Case{2, -4, -9}}) {
        SCOPED_TRACE(testing::Message() << "choice " << c.choice << ", " << c.before << " hit points");
        test::TestWorld t;
        inTheTrapHall(t);
        World& w = t.w;
        w.character.hitPoints = c.before;
        t.rng.push({99});

        test::choose(w, c.choice);

        EXPECT_EQ(w.character.hitPoints, c.after);
        EXPECT_EQ(w.character.maxHitPoints, 30);
        EXPECT_EQ(w.story.curStep, 7);
        EXPECT_TRUE(test::inChoiceMode(w));
        EXPECT_TRUE(w.Gameform.window.enabled);
        EXPECT_FALSE(w.battle.window.visible);
    }
}

TEST(TempleTraps, LeftAndRightLeadTheSameWayWhicheverCaptionTheyWear) {
    for (bool stumbled : {false, true}) {
        SCOPED_TRACE(stumbled ? "after a mishap" : "unharmed");
        for (int choice : {2, 3}) {
            SCOPED_TRACE(choice);
            test::TestWorld t;
            inTheTrapHall(t);
            World& w = t.w;
            t.rng.push({stumbled ? 99 : 1});
            test::choose(w, 2);

            test::choose(w, choice);

            EXPECT_EQ(w.story.curStep, 8);
            EXPECT_EQ(w.Gameform.m1.text, choice == 2 ? "Вы входите в небольшую комнатку. В углу стоит "
                                                        "здоровенный металлический сундук."
                                                      : doorText);
        }
    }
}

TEST(TempleSmallRoom, TheScorpionWaitsByTheChestAndTheFightStartsThere) {
    test::TestWorld t;
    inTheSmallRoom(t);
    World& w = t.w;

    EXPECT_EQ(w.Gameform.m1.text,
              "Вы входите в небольшую комнатку. В углу стоит здоровенный металлический сундук.");
    EXPECT_EQ(w.Gameform.m2.text,
              "Внезапно вы слышите шипение. Из-за сундука выползает самый большой скорпион, "
              "что вы когда либо видели. Кажется у него нехорошие намерения...");
    EXPECT_EQ(test::shownChoices(w), (Choices{"Попробовать убежать", "Драться", hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 8);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_TRUE(test::confirmPressable(w)); // the way in is the way to the fight

    test::pressConfirm(w);

    EXPECT_TRUE(w.battle.window.visible);
    EXPECT_FALSE(w.Gameform.window.visible);
    EXPECT_EQ(w.combat.fightId, 3);
    EXPECT_EQ(w.story.curStep, 8);
}

TEST(TempleSmallRoom, RunningFromTheScorpionLeadsBackToTheGreatDoor) {
    test::TestWorld t;
    inTheSmallRoom(t);
    World& w = t.w;

    test::choose(w, 1);

    EXPECT_EQ(w.Gameform.m1.text, "Вы у огромной двери");
    EXPECT_EQ(w.Gameform.m2.text, "");
    EXPECT_EQ(test::shownChoices(w),
              (Choices{"Вернуться ко входу", "Идти налево", "Идти направо", hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 7);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_FALSE(w.battle.window.visible);
}

TEST(TempleSmallRoom, OnceTheScorpionIsDeadThereIsNothingMoreToFind) {
    test::TestWorld t;
    atTheHallEnd(t);
    World& w = t.w;
    w.story.storyFlags[scorpionAlive] = 0;

    test::choose(w, 2);

    EXPECT_EQ(w.Gameform.m1.text,
              "Вы входите в небольшую комнатку. В углу стоит здоровенный металлический сундук.");
    EXPECT_EQ(w.Gameform.m2.text, "Вы не находите ничего интересного");
    EXPECT_EQ(test::shownChoices(w), (Choices{"Вернуться к двери", hidden, hidden, hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 8);
    EXPECT_TRUE(test::inChoiceMode(w));
    EXPECT_EQ(selectedChoice(w), 0);
    EXPECT_FALSE(w.Gameform.ready.enabled);

    test::choose(w, 1);
    EXPECT_EQ(w.Gameform.m1.text, "Вы у огромной двери");
    EXPECT_EQ(w.story.curStep, 7);
}

struct InnerDoorCase {
    std::string name;
    bool explosives;
    bool doorShut;
    std::string m1;
    std::string third; // the third choice's caption, or hidden
};

TEST(TempleInnerDoor, ExplosivesBlowTheShutDoorAndAPassedDoorStaysOpen) {
    const std::vector<InnerDoorCase> cases = {
        {"shut, no explosives", false, true, doorText, hidden},
        {"shut, explosives", true, true, doorText, "Взорвать дверь"},
        {"passed, no explosives", false, false, "Проход открыт!", "Идти в проход"},
        {"passed, explosives", true, false, "Проход открыт!", "Идти в проход"},
    };
    for (const InnerDoorCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        atTheHallEnd(t);
        World& w = t.w;
        if (c.explosives) addItem(w, itExplosives, 1);
        w.story.storyFlags[innerDoorShut] = c.doorShut;

        test::choose(w, 3);

        EXPECT_EQ(w.Gameform.m1.text, c.m1);
        EXPECT_EQ(w.Gameform.m2.text, "");
        EXPECT_EQ(test::shownChoices(w),
                  (Choices{"Вернуться к первой двери", hidden, c.third, hidden, hidden}));
        EXPECT_EQ(w.story.curStep, 8);
        EXPECT_TRUE(test::inChoiceMode(w));
        if (c.third == hidden) {
            // The way that was chosen is hidden: it cannot be confirmed to lead out through the shut door.
            EXPECT_EQ(selectedChoice(w), 0);
            EXPECT_FALSE(w.Gameform.ready.enabled);
        }
        EXPECT_EQ(w.story.storyFlags[innerDoorShut], c.doorShut);
        EXPECT_EQ(test::itemCount(w, itExplosives), c.explosives ? 1 : 0);
    }
}

TEST(TempleInnerDoor, BackToTheFirstDoor) {
    test::TestWorld t;
    atTheInnerDoor(t);
    World& w = t.w;

    test::choose(w, 1);

    EXPECT_EQ(w.Gameform.m1.text, "Вы у огромной двери");
    EXPECT_EQ(test::shownChoices(w),
              (Choices{"Вернуться ко входу", "Идти налево", "Идти направо", hidden, hidden}));
    EXPECT_EQ(w.story.curStep, 7);
}

struct StoreSlot {
    ItemId item;
    int count;
    bool operator==(const StoreSlot&) const = default;
};
std::ostream& operator<<(std::ostream& os, const StoreSlot& s) {
    return os << s.item << " x" << s.count;
}

std::vector<StoreSlot> firstSlots(const World& w, int n) {
    std::vector<StoreSlot> out;
    for (int i = 1; i <= n; ++i)
        out.push_back({w.inventory.invItem[static_cast<std::size_t>(i)],
                       w.inventory.invCount[static_cast<std::size_t>(i)]});
    return out;
}

struct WayOutCase {
    std::string name;
    bool doorShut;
    std::vector<StoreSlot> before, after; // slots 1 .. 3
};

TEST(TempleWayOut, ThroughTheInnerDoorToTheGuardsCave) {
    const std::vector<WayOutCase> cases = {
        {"the last explosive, its gap closed",
         true,
         {{itExplosives, 1}, {itHealingPowder, 2}, {itKnife, 1}},
         {{itHealingPowder, 2}, {itKnife, 1}, {itNone, 0}}},
        {"one of two explosives",
         true,
         {{itExplosives, 2}, {itHealingPowder, 2}, {itNone, 0}},
         {{itExplosives, 1}, {itHealingPowder, 2}, {itNone, 0}}},
        {"an open way, no explosives",
         false,
         {{itHealingPowder, 2}, {itKnife, 1}, {itNone, 0}},
         {{itHealingPowder, 2}, {itKnife, 1}, {itNone, 0}}},
        {"an open way takes an explosive too",
         false,
         {{itKnife, 1}, {itExplosives, 1}, {itHealingPowder, 2}},
         {{itKnife, 1}, {itHealingPowder, 2}, {itNone, 0}}},
    };
    for (const WayOutCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::TestWorld t;
        atTheHallEnd(t);
        World& w = t.w;
        const auto& g = w.Gameform;
        for (const StoreSlot& s : c.before)
            if (s.item != itNone) addItem(w, s.item, s.count);
        w.story.storyFlags[innerDoorShut] = c.doorShut;
        test::choose(w, 3);
        setAnswerText(w, 1, "one");
        t.pictures.requested.clear();

        test::choose(w, 3);

        EXPECT_EQ(g.m1.text, "Lверь взорвана. Вы выходите в ещё один зал. Посередине стоит большая медная "
                             "чаша. В ней полыхает яркое плямя"); // the L is a Latin capital L
        EXPECT_EQ(g.m2.text, "Вы обходите чаша и подходите к большой двери. Похоже это выход. Вы снимаете "
                             "засов и выходите на дневной свет. Охранник Брастон с удивлением глядит на вас");
        EXPECT_EQ(g.m2.top, 80);
        EXPECT_EQ(w.story.storyFlags[innerDoorShut], 0);
        EXPECT_EQ(firstSlots(w, 3), c.after);
        EXPECT_EQ(w.story.curLocation, locGuard);
        EXPECT_EQ(w.story.curStep, 8);
        EXPECT_EQ(test::shownChoices(w),
                  (Choices{"Поговорить с Брастоном", "Попытаться украсть что-нибудь у Брастона",
                           "Уйти отсюда поскорее", hidden, hidden}));
        EXPECT_EQ(answerText(w, 1), "");
        EXPECT_TRUE(test::hiddenAnswers(w).empty());
        // The game screen as a location click leaves it: choice mode, nothing selected.
        EXPECT_TRUE(test::inChoiceMode(w));
        EXPECT_EQ(selectedChoice(w), 0);
        EXPECT_FALSE(g.ready.enabled);
        EXPECT_TRUE(g.mapb.visible);
        EXPECT_TRUE(t.pictures.requested.empty());
    }
}

TEST(TempleWayOut, OutOfTheTempleTheChoicesAreTheGuardsCave) {
    test::TestWorld t;
    atTheHallEnd(t);
    World& w = t.w;
    addItem(w, itExplosives, 1);
    test::choose(w, 3);
    test::choose(w, 3);
    ASSERT_EQ(w.story.curLocation, locGuard);

    test::choose(w, 1);

    EXPECT_TRUE(test::inDialogue(w));
    EXPECT_EQ(w.Gameform.rep.text,
              "Идёшь на испытание [ухмыляется]? Не думаю, что Старейшина послала тебя. ");
    EXPECT_EQ(answerText(w, 1), "Конечно, она меня и послала!");
    EXPECT_EQ(w.story.curStep, 1);
    EXPECT_FALSE(w.Gameform.mapb.visible);
}

TEST(TempleWayOut, TheScorpionsExplosivesOpenTheWayForGood) {
    test::TestWorld t;
    inTheSmallRoom(t);
    World& w = t.w;
    test::pressConfirm(w); // "Драться"
    ASSERT_EQ(w.combat.fightId, 3);
    hide(w.battle.window);
    showGameScreen(w);
    fightWon(w, 3);

    test::choose(w, 1); // back to the door
    test::choose(w, 3); // to the inner door
    EXPECT_EQ(test::shownChoices(w),
              (Choices{"Вернуться к первой двери", hidden, "Взорвать дверь", hidden, hidden}));
    test::pressConfirm(w);
    EXPECT_EQ(w.story.curLocation, locGuard);
    EXPECT_EQ(test::itemCount(w, itExplosives), 0);
    EXPECT_EQ(test::itemCount(w, itHealingPowder), 2);

    // A second visit finds the way open without explosives.
    enterLocation(w, locTemple);
    t.rng.push({1, 1});
    for (int c : {1, 1, 2, 2, 2, 3})
        test::choose(w, c);
    EXPECT_EQ(w.Gameform.m1.text, "Проход открыт!");
    EXPECT_EQ(test::shownChoices(w),
              (Choices{"Вернуться к первой двери", hidden, "Идти в проход", hidden, hidden}));
    test::choose(w, 3);
    EXPECT_EQ(w.story.curLocation, locGuard);
    EXPECT_EQ(w.story.curStep, 8);
    EXPECT_TRUE(t.rng.queued.empty());
}

} // namespace
} // namespace cv
