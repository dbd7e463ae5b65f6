// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene table of the village and the bridge: what each choice does at each location.
#include "scenes.h"

namespace cv {

using namespace fx;
using enum StoryFlag;
using enum ItemId;

const std::vector<SceneRow>& villageScenes() {
    static const std::vector<SceneRow> rows = {
        // The guard Брастон at the cave that is the temple's exit.
        {locGuard,
         anyStep,
         1,
         {enterDialogue(), hideMapButton(), step(1),
          say("Идёшь на испытание [ухмыляется]? Не думаю, что Старейшина послала тебя. ",
              "Конечно, она меня и послала!", "Да нет, никто меня не посылал. Просто гуляю.")}},
        {locGuard,
         anyStep,
         2,
         {hideMapButton(), enterDialogue(),
          when(isSet(guardHasPowder),
               {say("", "Попробовать украсть целебный порошок (1)", "Ничего не красть"), step(3)},
               {showChoices(), say("", "[У него ничего нет. Переходим к списку действий]"), step(0)})}},
        {locGuard, anyStep, 3, {goToMap(), showChoices()}},

        // The shaman Ольмир.
        {locShaman, anyStep, 2, {openMap(), enterDialogue(), step(1)}},
        {locShaman,
         anyStep,
         1,
         {enterDialogue(),
          say("Здравствуй, " + name + ". Как проходит твоя миссия?", "Какая миссия?", "Да ничего..."),
          when(allOf({isSet(questHerbs), has(itHealingPowder), has(itFruit), has(itHerbRoot)}),
               {answer(3, "Я принёс травы для тебя."),
                when(isSet(herbsDelivered), {answer(3, ""), hideAnswer(3)})}),
          step(1)}},

        // The cousin Ведрик and his dog Кудл.
        {locCousin,
         anyStep,
         1,
         {enterDialogue(), say("Здравствуй, сестрица. Как дела?", "Нормально", "Как сказать..."),
          when(allOf({has(itMeat), isSet(questMeat)}), {answer(3, "Я принёс мяса для Кудла")}), step(1)}},
        {locCousin, anyStep, anyChoice, {when(isSet(dogFed), {hideAnswer(3)})}},
        {locCousin, anyStep, 2, {showChoices(), answer(1, "Кажется у него ничего нет.")}},
        {locCousin, anyStep, 3, {openMap()}},
        {locCousin,
         anyStep,
         4,
         {enterDialogue(), when(isSet(dogHerbPending),
                                {say("Рав-р-р-р-р-ррав!!![Кудл смотрит на вас с неодобрением]", "Миау-у-у",
                                     "Р-р-р-р-р", "Хороший Кудл!!!"),
                                 step(5)},
                                {answer(1, "[ДАЛЕЕ]"), step(4)})}},

        // The village's herd.
        {locHerd, anyStep, 1, {openMap()}},

        // The corn field.
        {locCornField, anyStep, 1, {goToMap()}},
        {locCornField, anyStep, 2, {startFight(1)}},

        // The spear master Колвен.
        {locSpearMaster, anyStep, 2, {goToMap()}},
        {locSpearMaster,
         anyStep,
         1,
         {enterDialogue(),
          say("Здравствуй, " + name + ". Как дела?", "Да никак.", "Да, нормально. Не подучишь меня?"),
          showAnswer(2), step(1)}},

        // The two empty tents: each holds one thing to take once.
        {locHouseA, anyStep, 2, {goToMap()}},
        {locHouseA,
         anyStep,
         1,
         {when(isSet(houseAHasFruit),
               {clear(houseAHasFruit), add(itFruit), enterDialogue(), answer(1, "Вы нашли Фрукт")},
               {enterDialogue(), answer(1, "Ничего нет")}),
          step(1)}},
        {locHouseB, anyStep, 2, {goToMap()}},
        {locHouseB,
         anyStep,
         1,
         {when(isSet(houseBHasKnife),
               {clear(houseBHasKnife), add(itKnife), enterDialogue(), answer(1, "Вы нашли Нож")},
               {enterDialogue(), answer(1, "Ничего нет")}),
          step(1)}},

        // The elder.
        {locElder,
         anyStep,
         1,
         {enterDialogue(),
          when(isSet(elderBriefingPending),
               {say("[Старуха поворачивается к вам]-Здравствуй, " + name +
                        "...Присаживайся. Я позвала тебя, чтобы рассказать обужасной напасти, постигшей нашу "
                        "деревню.",
                    "Да, что это?"),
                step(1)},
               // The C of "Cпеши" is a Latin capital C.
               {say("[Старуха поворачивается к вам] Cпеши! Не трать время!", "[КОНЕЦ]"),
                step(steps::talkOver)})}},
        {locElder, anyStep, 2, {openMap()}},

        // The nephew Эрвальд at the well.
        {locWell, anyStep, 2, {goToMap()}},
        {locWell,
         anyStep,
         1,
         {enterDialogue(),
          say("Здарвствуй, тётя.", "Здравствуй!", "Твой отец сказал, что сегодня не будет обеда"),
          when(allOf({isSet(questMessage), notSet(messageDelivered)}), {}, {hideAnswer(2)}), step(1),
          when(allOf({isSet(questWellKnife), notSet(wellKnifeRecovered), has(itRope)}),
               {answer(3, "У меня есть верёвка! Может это поможет?")})}},

        // The uncle Дорен at the stone head of Скорлан.
        {locStatue, anyStep, 2, {goToMap()}},
        {locStatue,
         anyStep,
         1,
         {enterDialogue(),
          say("Здравствуй, " + name + "! Как проходит твоя миссия?", "Нормально. Может подучишь меня?",
              "Какая миссия?"),
          when(isSet(messageDelivered), {answer(3, "Я сообщила Эрвальду всё, что надо.")}),
          when(notSet(unarmedLessonAvailable), {hideAnswer(3)}), step(1)}},

        // The aunt Гризна.
        {locAunt,
         anyStep,
         1,
         {step(1), enterDialogue(),
          say("Здравствуй, племянница. Ну, как твоя миссия?", "Какая миссия?", "Да никак..."),
          when(isSet(questMeat), {answer(3, "Ведрику нужно мясо, для Кудла.")}),
          when(isSet(ratKilled), {answer(4, "Я убила крысу.")})}},
        {locAunt,
         anyStep,
         3,
         {hideMapButton(), enterDialogue(),
          when(isSet(auntHasMeat), {say("", "Попробовать украсть мясо(1)", "Ничего не красть"), step(3)},
               {showChoices(), answer(1, "[У неё ничего нет. Переходим к списку действий]"), step(0)})}},
        {locAunt, anyStep, 2, {openMap()}},

        // The bridge and its keeper.
        {locBridge, anyStep, 2, {goToMap()}},
        {locBridge,
         anyStep,
         1,
         {step(1), enterDialogue(),
          say("", "Да. Мне хотелось бы задать несколько вопросов.", "Какой миссии?"),
          partnerLine("Здравствуй, " + name + "! Старейшина уже рассказала тебе о твоей миссии?")}},
        // The story stops here: the text stays empty and the confirm button hidden.
        {locBridge, anyStep, 3, {endOfStory()}},
    };
    return rows;
}

} // namespace cv
