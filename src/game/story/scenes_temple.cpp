// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene table of the temple Храм Порога: the grove and its guard, the entrance, the corridor, the
// metal door, the trap hall, the small room with the chest, the inner door and the way out to the
// guard's cave. The rows look at the choice first, then at the step.
#include "newgame.h"
#include "scenes.h"

namespace cv {

using namespace fx;
using enum StoryFlag;
using enum ItemId;
using namespace steps;

namespace {

const std::string slowEnd =
    "Сглотнув, вы медленно продолжаете свой путь...Наконец вы подходите к концу зала. Отсюда вы "
    "можете идти в комнату справа или в корридор налево";

Effects hallEndChoices() {
    return {caption(1, "Вернуться ко входу(Ловушки останутся)"), caption(2, "Идти налево"),
            caption(3, "Идти направо")};
}

} // namespace

const std::vector<SceneRow>& templeScenes() {
    static const std::vector<SceneRow> rows = {
        // The first choice: into the temple and back to its entrance.
        {locTemple,
         templeEntrance,
         1,
         {storyText(
              1,
              "Вы заходите в широкий полуосвещённый корридор. Тень пламени на стенах безостановочно скачет. "
              "Страшновато..."),
          caption(1, "Вернуться ко входу"), caption(2, "Идти вперёд"), caption(3, "Свернуть в зал налево"),
          step(templeCorridor), showChoices()}},
        {locTemple,
         templeInner,
         1,
         {storyText(1, "Вы у огромной двери"), caption(1, "Вернуться ко входу"), caption(2, "Идти налево"),
          caption(3, "Идти направо"), showChoice(2), showChoice(3), step(templeHallEnd), showChoices()}},
        {locTemple,
         otherStep,
         1,
         {storyText(1, "Вы у входа в Храм."), caption(1, "Зайти в Храм"), caption(2, "Вернуться в деревню"),
          caption(3, "Заговорить с охранником"), showChoice(3), showChoice(2), showChoices(),
          step(templeEntrance)}},

        // The second choice: onwards.
        {locTemple,
         templeCorridor,
         2,
         {storyText(
              1, "Вы продолжаете идти по длинному корридору. Через минуту Вы выходите в небольшой зал. Прямо "
                 "перед Вами большая металлическая дверь."),
          caption(1, "Вернуться ко входу"), caption(2, "Открыть дверь"), showChoice(2), showChoices(),
          hideChoice(3), step(templeMetalDoor)}},
        {locTemple,
         templeMetalDoor,
         2,
         {check(
             Check::PickLock,
             {storyText(
                  1, "Дверь заперта, но для ваших способностей - ерунда. Со скрипом металлическая громада "
                     "отходит в сторону. Вы держите дверь. Похоже, она закроется сама, если вы отпустите."),
              storyText(
                  2, "Вашему взору открывается новый зал, уложенный серыми плитами. Кажется это то самое "
                     "место, где многие, проходящие Испытание, погибали, наступая на смертоносные ловушки. "),
              caption(1, "Идти обратно ко входу"), caption(2, "Идти вперёд осторожно"),
              caption(3, "Быстро пробежать через зал"), showChoices(), showChoice(3), step(templeTrapHall)},
             {storyText(1, "Дверь заперта и вам не удаётся взломать замок."),
              caption(1, "Вернуться ко входу"), caption(2, "Пробовать взломать замок"), showChoices()})}},
        {locTemple,
         templeTrapHall,
         2,
         {check(
              Check::WalkCarefully,
              {storyText(
                   1, "Вы осторожно делаете шаг за шагом. Внезапно вы чувствуете, как плита под вашей ногой "
                      "уходит вниз. Со змеиной реакцией вы падаете на пол и видите как в футе над вами "
                      "проносится заточенный шест..."),
               storyText(2, slowEnd), hallEndChoices()[0], hallEndChoices()[1], hallEndChoices()[2]},
              // The C of "C недоумением" is a Latin capital C.
              {storyText(
                   1, "Вы осторожно делаете шаг за шагом. Внезапно вы чувствуете, как плита под вашей ногой "
                      "уходит вниз. C недоумением вы отступаете назад...Заточенный шест, проносится мимо, "
                      "задев ваше плечо."),
               storyText(2, slowEnd), hurt(kTrapDamage), caption(1, "Вернуться ко входу(Ловушки останутся)"),
               caption(2, "Идти направо"), caption(3, "Идти налево")}),
          step(templeHallEnd), showChoices()}},
        {locTemple,
         templeHallEnd,
         2,
         {storyText(1, "Вы входите в небольшую комнатку. В углу стоит здоровенный металлический сундук."),
          when(isSet(scorpionAlive),
               {storyText(
                    2, "Внезапно вы слышите шипение. Из-за сундука выползает самый большой скорпион, что вы "
                       "когда либо видели. Кажется у него нехорошие намерения..."),
                hideChoice(3), caption(2, "Драться"), caption(1, "Попробовать убежать"), step(templeInner),
                showChoices()},
               {storyText(2, "Вы не находите ничего интересного"), step(templeInner),
                caption(1, "Вернуться к двери"), showChoices(), hideChoice(2), hideChoice(3)})}},
        {locTemple, templeInner, 2, {startFight(3)}},
        {locTemple, otherStep, 2, {goToMap()}},

        // The third choice: the side hall, the fast run, the inner door and the way out.
        {locTemple,
         templeCorridor,
         3,
         {storyText(
              1, "Вы попадаете в широченный зал. На полу несколько луж какой-то красной жидкости. Похоже это "
                 "кровь..."),
          caption(1, "Вернуться ко входу"), caption(2, "Пройти дальше по главному корридору"), showChoices(),
          hideChoice(3)}},
        {locTemple,
         templeTrapHall,
         3,
         {check(
              Check::RunOverTraps,
              {storyText(
                   1, "Вы бежите к концу зала. Внезапно вы слышите, как позади вас что-то острое рассекает "
                      "воздух. Повезло!"),
               storyText(
                   2, "Сглотнув, вы быстро продолжаете свой путь...Наконец вы подходите к концу зала. Отсюда "
                      "вы можете идти в комнату справа или в корридор налево")},
              {storyText(
                   1, "Вы бежите к концу зала. Внезапно вы чувствуете, как что-то острое, рассекая воздух, "
                      "оцарапывает ваше плечо"),
               storyText(2, slowEnd), hurt(kTrapDamage)}),
          hallEndChoices()[0], hallEndChoices()[1], hallEndChoices()[2], step(templeHallEnd), showChoices()}},
        {locTemple,
         templeHallEnd,
         3,
         {storyText(1, "Вы входите к новой двери. На этот раз ваше умение взлома не помогает нивкакую..."),
          caption(1, "Вернуться к первой двери"),
          when(has(itExplosives), {caption(3, "Взорвать дверь"), showChoice(3)}, {hideChoice(3)}),
          when(notSet(innerDoorShut),
               {showChoice(3), caption(3, "Идти в проход"), storyText(1, "Проход открыт!")}),
          showChoices(), hideChoice(2), step(templeInner)}},
        {locTemple,
         templeInner,
         3,
         // The first letter of "Lверь" is a Latin capital L.
         {storyText(1,
                    "Lверь взорвана. Вы выходите в ещё один зал. Посередине стоит большая медная чаша. В ней "
                    "полыхает яркое плямя"),
          storyText(
              2,
              "Вы обходите чаша и подходите к большой двери. Похоже это выход. Вы снимаете засов и выходите "
              "на дневной свет. Охранник Брастон с удивлением глядит на вас"),
          raiseSecondText(), clear(innerDoorShut), remove(itExplosives), compact(), resetGameScreen(),
          location(locGuard), showChoice(1), showChoice(2), showChoice(3),
          caption(1, "Поговорить с Брастоном"), caption(2, "Попытаться украсть что-нибудь у Брастона"),
          caption(3, "Уйти отсюда поскорее"), hideChoice(4), hideChoice(5), answer(1, "")}},
        {locTemple,
         otherStep,
         3,
         {enterDialogue(),
          storyText(1, "Охранник улыбается вам. Видимо ему надоело вот так стоять, охраняя непонятно что."),
          say("Здравствуй " + name + "." + "Как дела? Уж не в Храм ли ты направляешься?", "Ага. Туда и иду.",
              "Да нет, просто гуляю..."),
          step(templeGuardTalk)}},
    };
    return rows;
}

} // namespace cv
