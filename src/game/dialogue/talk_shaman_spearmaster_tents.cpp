// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversations of the shaman Ольмир and the spear master Колвен, and the one-line finds of the two
// empty tents.
#include "conversations.h"

namespace cv {

using namespace fx;
using enum StoryFlag;
using enum ItemId;

const std::vector<TalkEntry>& shamanSpearMasterAndTentsTalk() {
    static const std::vector<TalkEntry> entries = {
        // The shaman: three herbs for two strong healing injections.
        {locShaman,
         1,
         1,
         {say("Издеваешься? Если твой разум затуманен вновь - иди и поговори со Старейшиной", "[КОНЕЦ]"),
          step(steps::talkOver)}},
        {locShaman,
         1,
         2,
         {when(notSet(herbsDelivered),
               {say("Да...Кстати я мог бы приготовить тебе очень сильный исцелитель, если бы ты принёс мне "
                    "некоторые "
                    "травы...",
                    "Какие травы?"),
                step(2)},
               {say("Мне нечего тебе сказать...", "[КОНЕЦ]"), step(steps::talkOver)})}},
        {locShaman,
         1,
         3,
         {say("Отлично! Подожди немного. Мне надо приготовить травы...", "............."), step(4)}},
        {locShaman,
         2,
         1,
         {say("Мне нужен Целебный Порошок, Корень Тильвы и Фрукт. Принеси мне их.",
              "Посмотрю, что смогу сделать..."),
          quest(QuestLine::z3, "Принести травы Ольмиру"), set(questHerbs), step(3)}},
        {locShaman, 3, 1, {showChoices(), answer(1, "")}},
        // The ingredients go first, so that a full store has room for the injections.
        {locShaman,
         4,
         1,
         {set(herbsDelivered), remove(itHealingPowder), remove(itFruit), remove(itHerbRoot), compact(),
          add(itStimulant, 2), say("Готово! Теперь оставь меня наедине с духами.", "[Или с куревом]"),
          step(steps::talkOver)}},
        {locShaman, steps::talkOver, 1, {showChoices()}},

        // The spear master: a lesson, for a player who has a spear to show.
        {locSpearMaster, 1, 1, {say("Извини, я занят. Может поговорим попозже?", "Без проблем..."), step(2)}},
        {locSpearMaster,
         1,
         2,
         {when(notSet(spearLessonAvailable),
               {say("Извини, я занят. Может поговорим попозже?", "Без проблем..."), step(2)},
               {step(3),
                say("Хорошо. Но для тренировки тебе понадобится копьё", "У меня нет копья.",
                    "У меня есть копьё"),
                when(has(itSpear), {showAnswer(2)}, {hideAnswer(2)})})}},
        {locSpearMaster, 2, 1, {showChoices()}},
        {locSpearMaster, 3, 1, {say("Приходи, когда у тебя будет копьё.", "Окей..."), step(2)}},
        {locSpearMaster, 3, 2, {say("Вот и отлично. Это не займёт много времени.", "Приступим..."), step(4)}},
        {locSpearMaster,
         4,
         1,
         {clear(spearLessonAvailable), gain(Skill::meele, 6),
          say("[Через полчаса]Отлично! У тебя большие способности. Извини, теперь у меня дела.",
              "Досвидания и спасибо!"),
          step(2)}},

        // The empty tents: the find is read, and the choices come back.
        {locHouseA, 1, 1, {showChoices()}},
        {locHouseB, 1, 1, {showChoices()}},
    };
    return entries;
}

} // namespace cv
