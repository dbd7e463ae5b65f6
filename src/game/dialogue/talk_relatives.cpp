// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversations of the relatives: the cousin Ведрик and his dog Кудл, the nephew Эрвальд at the
// well, the uncle Дорен at the founder's statue, and the aunt Гризна.
#include "conversations.h"

namespace cv {

using namespace fx;
using enum StoryFlag;
using enum ItemId;

namespace {
// What the dog says when it has had enough.
Effects dogBored() {
    return {say("Раф-раф?", "[Кажется ему надоело]"), step(4)};
}
} // namespace

const std::vector<TalkEntry>& relativesTalk() {
    static const std::vector<TalkEntry> entries = {
        // The cousin: meat for his dog.
        {locCousin,
         1,
         1,
         {when(notSet(dogFed),
               {say("А может мне поможешь? Мне надо Кудла покормить. Сходи к мамуле, попроси мяса.",
                    "А почему сам не можешь?"),
                step(2)},
               {say("Мне нечего тебе сказать...", "[КОНЕЦ]"), step(4)})}},
        // The C of "Cтарейшина" is a Latin capital C.
        {locCousin,
         1,
         2,
         {say("Cтарейшина уже говорила с тобой?.. Эй, Кудл!Фу!Фу!Сидеть!", "[Кажется вам пора]"), step(4)}},
        {locCousin,
         1,
         3,
         {set(dogFed), questDone(QuestLine::z1),
          say("Спасибо, сестрица! Кстати, тут неподалёку дикие ящеруны загрызли какого-то торговца, я сам "
              "видел "
              "тело. Кудл! Кудл, ко мне! Смотри, что у меня для тебя есть!",
              "[КОНЕЦ]"),
          remove(itMeat), compact(), step(4)}},
        {locCousin, 2, 1, {say("Занят я. Жду, когда отец принесёт новое копьё", "Я подумаю..."), step(3)}},
        {locCousin,
         3,
         1,
         {quest(QuestLine::z1, "Принести Ведрику мяса дла Кудла"), set(questMeat), showMapButton(),
          showChoices(), step(0)}},
        {locCousin, 4, 1, {showChoices(), answer(1, "")}},
        // The dog: second, first, third answer, and he finds the herb.
        {locCousin, 5, 1, dogBored()},
        {locCousin, 5, 2, {say("Ра-ра-ррр-рафф!!!", "Миуаф!", "Раф-аф", "Хороший..."), step(6)}},
        {locCousin, 5, 3, dogBored()},
        {locCousin, 6, 1, {say("Гр-р-р-р-р-р-р-р!!!", "Мяу!", "Ваф-аф", "Хороший пёс..."), step(7)}},
        {locCousin, 6, 2, dogBored()},
        {locCousin, 6, 3, dogBored()},
        {locCousin, 7, 1, dogBored()},
        {locCousin, 7, 2, dogBored()},
        {locCousin,
         7,
         3,
         {clear(dogHerbPending),
          say("Афф?![Тут Кудл находит какое-то растение и приносит вам]", "Перейти к списку действий"),
          add(itHerbRoot), step(4)}},

        // The nephew: the message from his father and the knife in the well.
        {locWell,
         1,
         1,
         {when(isSet(wellKnifeRecovered), {say("Спасибо, что помогла.", "Да ладно..."), step(3)},
               {say("Дьяволы! Мой нож упал в этот колодец. Теперь отец точно меня прикончит!",
                    "Да, сегодня тебе не везёт..."),
                step(2)})}},
        {locWell,
         1,
         2,
         {say("Что? Не будет обеда? Я наверно умру...", "Мне тебя жаль"), set(messageDelivered),
          questDone(QuestLine::z4), step(3)}},
        {locWell,
         1,
         3,
         {say("Отлично! Привяжи меня, я спущусь в колодец, а потом ты меня вытащешь.", "Как скажешь..."),
          step(4)}},
        {locWell,
         2,
         1,
         {say("Как мне его достать?", "Я что-нибудь придумаю..."), set(questWellKnife),
          quest(QuestLine::z5, "Достать нож Эрвальда из колодца."), step(3)}},
        {locWell, 3, 1, {showChoices()}},
        {locWell, 4, 1, {say("Спасибо, тётя. Давай...", "Давай..."), step(5)}},
        {locWell,
         5,
         1,
         {say("[Через три минуты] Спасибо, тётя! Вот, возьми двадцать \"денег\", я их недавно нашёл. "
              "Говорят, за "
              "рекой они дорого стоят.",
              "Спасибо."),
          set(wellKnifeRecovered), questDone(QuestLine::z5), add(itCoins, 20), step(3)}},

        // The uncle: an errand to the nephew, then a lesson in fighting bare-handed.
        {locStatue,
         1,
         1,
         {when(notSet(unarmedLessonAvailable), {say("Я уже тренировал тебя!", "Ладно.")},
               {say("Почему бы и нет? Но сначала окажи мне услугу: сходи к Эрвальду и скажи ему, чтобы не "
                    "спешил "
                    "домой на обед. Обеда сегодня не будет.",
                    "Нет проблем."),
                set(questMessage), quest(QuestLine::z4, "Сказать Эрвальду, что обеда не будет.")}),
          step(2)}},
        {locStatue, 1, 2, {say("Как, ты не знаешь!? Это смешно.", "Да уж..."), step(2)}},
        {locStatue, 1, 3, {say("Отлично. Теперь потренеруемся...", "Приступим."), step(3)}},
        {locStatue, 2, 1, {showChoices()}},
        {locStatue,
         3,
         1,
         {say("[Через полчаса]Вот и всё!", "Спасибо."), gain(Skill::unarm, 6), clear(unarmedLessonAvailable),
          step(2)}},

        // The aunt: the rat in her garden, her meat, and what the player may try to take.
        {locAunt, 1, 1, {say("Хватит издеваться! Иди отсюда!", "[Конец]"), step(steps::talkOver)}},
        {locAunt,
         1,
         2,
         {when(notSet(questRat),
               {say("Раз уж пришла, помоги мне. На моём огороде поселилась огромная крыса. Убей её, а то я с "
                    "копьём "
                    "не очень-то управляюсь.",
                    "Я подумаю..."),
                quest(QuestLine::z2, "Убить крысу"), set(questRat), step(2)},
               {say("Мне нечего тебе сказать...", "[КОНЕЦ]"), step(steps::talkOver)})}},
        {locAunt,
         1,
         3,
         {when(talkAbove(35), {say("Хорошо. Вот, возьми...", "[КОНЕЦ]"), add(itMeat), clear(auntHasMeat)},
               {say("Как будто я тебе поверю! Хватит меня дурить! А ну иди отсюда!", "[КОНЕЦ]")}),
          step(steps::talkOver)}},
        {locAunt,
         1,
         4,
         {when(isSet(auntHasMeat),
               {say("Убила крысу? Чудесненько.Возьми это мясцо... только приготовила.", "Рада помочь"),
                step(4), when(freeSlot(), {add(itMeat, 1, Placement::FirstEmptySlot), clear(auntHasMeat)})},
               {partnerLine(
                    "Убила?! Спасибо большое! Я хотела дать тебе мясца на дорогу, да какое-то дерьмо двурога "
                    "украло его."),
                answer(1, "[Склероз приходит с возрастом...]")})}},
        {locAunt,
         2,
         1,
         {say("Ну хорошо! Приходи, когда сделаешь!", "[КОНЕЦ]"), set(questRat), step(steps::talkOver)}},
        {locAunt,
         3,
         1,
         {theft(Thief::Aunt,
                {sayNothing(), add(itMeat), clear(auntHasMeat), showMapButton(), showChoices(),
                 answer(1, "[Вы украли вещь. Переходи к списку действий.]")},
                // The T of "Tётка" is a Latin capital T.
                {say("", "[Tётка застукала вас с поличным, но всё же простила]")}),
          step(4)}},
        {locAunt, 3, 2, {sayNothing(), showChoices()}},
        {locAunt, 4, 1, {showChoices()}},
        {locAunt, steps::talkOver, 1, {openMap()}},
    };
    return entries;
}

} // namespace cv
