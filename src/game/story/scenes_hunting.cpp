// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene table of the hunting grounds: the fork, the lizard's clearing on the left, the body on the
// right. The rows look at the step first.
#include "scenes.h"

namespace cv {

using namespace fx;
using enum StoryFlag;
using enum ItemId;
using namespace steps;

const std::vector<SceneRow>& huntingScenes() {
    static const std::vector<SceneRow> rows = {
        {locHuntingGrounds, huntingClearing, 2, {step(huntingBack), otherStepRules()}},
        // The fight opens over the game screen; behind it the fork is prepared for the way back.
        {locHuntingGrounds, huntingClearing, 1, {startFight(2), step(huntingFork), otherStepRules()}},
        {locHuntingGrounds,
         huntingFork,
         1,
         {when(isSet(lizardAlive),
               {storyText(1, "Внезапно вы замечаете небольшого ящеруна, мирно пасущегося на полянке."),
                caption(1, "Напасть на ящеруна"), caption(2, "Осторожно уйти назад")},
               {storyText(1, "Кажется недавно тут произошла кровавая битва."), hideChoice(1),
                caption(2, "Уйти назад")}),
          hideChoice(3), step(huntingClearing), showChoices()}},
        {locHuntingGrounds,
         huntingFork,
         2,
         {when(
             allOf({anyOf({isSet(dogFed), luckAbove(5)}), isSet(corpseUnsearched)}),
             {storyText(
                  1, "Тут вы замечаете какое-то тело, лежащее в кустах. Подойдя поближе, вы видите человека "
                     "в странной одежде. Он мёртв. Обыскав тело, вы находите 10мм Пистолет(!!!)"),
              clear(corpseUnsearched), caption(1, "Вернуться к развилке"), showChoices(), step(huntingBack),
              hideChoice(2), hideChoice(3), add(itPistol10mm)},
             {storyText(1, "Вы не находите ничего примечательного."), showChoices(), hideChoice(2),
              hideChoice(3), caption(1, "Вернуться к развилке"), step(huntingBack)})}},
        {locHuntingGrounds, huntingFork, 3, {goToMap()}},
        {locHuntingGrounds, otherStep, 2, {goToMap()}},
        {locHuntingGrounds,
         otherStep,
         1,
         {showChoice(1), showChoice(2), showChoice(3),
          storyText(
              1,
              "Вы подходите к развилке. Налево ведёт узкая тропинка - там воины Тарнвель иногда охотятся на "
              "ящерунов. Направо ведёт совсем нехоженная дорожка. Но на ней вы видите следы необычной "
              "формы."),
          caption(1, "Идти налево"), caption(2, "Идти направо"), caption(3, "Вернуться в деревню"),
          showConfirm(), step(huntingFork)}},
    };
    return rows;
}

} // namespace cv
