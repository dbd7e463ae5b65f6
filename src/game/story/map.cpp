// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The village map: the window, its location pictures and what entering a location shows.
#include "map.h"

#include <array>

#include "../assets/assets.h"
#include "../effects/effects.h"
#include "../shell/shell.h"
#include "../world.h"
#include "gamescreen.h"
#include "mode.h"

namespace cv {

namespace {

using namespace fx;
using enum StoryFlag;

// The entry scene: the two story texts (the second emptied where there is none), the captions of the
// choices shown (the others hidden), then what else the location does, in that order.
Effects entry(std::string m1, std::string m2, std::vector<std::string> choices, Effects also = {}) {
    Effects e{storyText(1, std::move(m1)), storyText(2, std::move(m2))};
    for (int c = 1; c <= 5; ++c) {
        if (c <= static_cast<int>(choices.size()))
            e.push_back(caption(c, choices[static_cast<std::size_t>(c - 1)]));
        else
            e.push_back(hideChoice(c));
    }
    e.insert(e.end(), also.begin(), also.end());
    return e;
}

const std::array<Effects, kLocationCount + 1>& entryScenes() {
    static const std::array<Effects, kLocationCount + 1> scenes = {
        Effects{},
        entry("Вы подходите к тёмной пещере - выходу из Храма Порога. Рядом стоит здоровый деревенский "
              "парень - "
              "Брастон-охранник.",
              "Он смотрит на вас с нескрываемой злобой, как будто вы чем-то сильно навредили ему",
              {"Поговорить с Брастоном", "Попытаться украсть что-нибудь у Брастона", "Уйти отсюда поскорее"},
              {raiseSecondText(), answer(1, "")}),
        entry("Вы видите старого шамана. Похоже он под действием наркотиков...", "",
              {"Поговорить с Ольмиром", "Идти отсюда"}),
        entry("Вы видите своего кузена Ведрика. Он, как обычно, играет со своей собакой", "",
              {"Поговорить с Ведриком", "Украсть что-нибудь у Ведрика", "Идти отсюда", "Мяукнуть"}),
        entry("Тут пасутся несколько двурогов - удивительных, но несколько поднадоевших животных", "",
              {"Уйти отсюда"}),
        // The rat is there only between the aunt's request and its death.
        Effects{
            when(allOf({isSet(questRat), notSet(ratKilled)}),
                 entry("Вы замечаете огромную крысу, жадно пожирающую молодую кукурузу.", "",
                       {"Уйти", "Напасть на крысу."}),
                 entry("Вы подходите к большому полю кукурузы. Эта культура уже долгое время кормит деревню.",
                       "", {"Уйти"}))},
        entry("Вы заходите в палатку Колвена, обучающего мастерству копья.",
              "Он выглядит усталым, но, тем не менее, вежливо вам улыбается.", {"Заговорить", "Уйти"}),
        entry("Вы заходите в палатку одного из своих соплеменников. К счастью его нет дома.", "",
              {"\"Отдолжить\" что-нибудь", "Уйти"}),
        entry("Вы заходите в палатку Старейшины. Она не видит вас - занята какой-то писаниной", "",
              {"Прокашляться", "Тихонько уйти"}),
        entry("Вы заходите в палатку одного из своих соплеменников. К счастью его нет дома.", "",
              {"\"Отдолжить\" что-нибудь", "Уйти"}),
        entry("Вы видите своего племянника Эрвальда, стоящего у колодца. Он выглядит растроенным.", "",
              {"Заговорить", "Уйти"}),
        entry("Вы подходите к огромному изваянию - голова Скорлана. Рядом стоит ваш дядя - Дорен.", "",
              {"Заговорить с Дореном", "Уйти"}),
        entry("Вы заходите в палатку своей не слишком приятной в общении тётки Гризны. Она замечает вас, но "
              "игнорирует.",
              "", {"Заговорить", "Уйти", "Попробовать что-нибудь украсть"}),
        entry("Вы подходите, к лесу рядом с деревней. Здесь никто не живёт, только дикие ящеруны. Как бы не "
              "попасться на глаза одному из таких!",
              "", {"Идти вглубь леса", "Уйти"}, {step(steps::huntingEntry)}),
        entry("Вы подходите, к небольшой рощице у Храма Порога.",
              "Охранник стоит рядом, опираясь на острое боевое копьё.",
              {"Идти к Храму", "Уйти", "Заговорить с охранником"},
              // The step before the background: a picture fault must not leave the grove's choices
              // acting by the step of the place before.
              {step(steps::templeGrove), background(assets::fon1)}),
        entry("Вы выходите к огромной пропасти. Когда-то внизу бушевала река, в честь которой была названа "
              "деревня. "
              "Теперь река пересохла, берега поднялись высоко, но название осталось.",
              "Через пропасть перекинут длинный мост, у моста стоит огромный человечище - Хранитель",
              {"Заговорить с Хранителем", "Идти в деревню", "Идти через мост"}, {step(steps::bridgeEntry)}),
    };
    return scenes;
}

} // namespace

const std::vector<fx::Effect>& entryScene(int location) {
    return entryScenes().at(static_cast<std::size_t>(location));
}

void enterLocation(World& w, int location) {
    if (location < locGuard || location > locBridge) return;
    w.story.curLocation = location;
    resetGameScreen(w);
    fx::run(w, entryScenes()[static_cast<std::size_t>(location)]);
}

void mapBackClick(World& w) {
    showGameScreen(w);
    hideMap(w);
    leaveDialogue(w);
}

} // namespace cv
