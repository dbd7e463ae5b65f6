// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character sheet: the creation screen once a character is in play, its own buttons, and the skill
// and derived values that the rest of the game reads and training raises.
#include "sheet.h"

#include "../world.h"

namespace cv {

void turnIntoSheet(World& w) {
    auto& form = w.createform;
    bringToFront(w, form.bok1);
    bringToFront(w, form.bok2);
    bringToFront(w, form.bon);
    form.smin.visible = true;
    form.splus.visible = true;
    form.select.visible = true;
    form.bon.visible = true;
    form.kar.visible = true;
    form.kil.visible = true;
    bringToFront(w, form.lb1);
    bringToFront(w, form.lb2);
}

void showSheetWithBonusPanel(World& w) {
    showOver(w.createform.window, w.Gameform.window);
    bringToFront(w, w.createform.bonusp);
}

void showSheetWithTraitList(World& w) {
    auto& form = w.createform;
    showOver(form.window, w.battle.window);
    if (form.bonusp.z > form.traitsp.z) {
        bringToFront(w, form.traitsp);
        for (auto& caption : form.t)
            bringToFront(w, caption);
        for (auto& button : form.traitButton)
            bringToFront(w, button);
    }
}

void bonClick(World& w) {
    auto& form = w.createform;
    const auto& traits = w.character.traits;
    if (traits[0] != 0) form.lb1.text = form.t[static_cast<std::size_t>(traits[0] - 1)].text;
    if (traits[1] != 0) form.lb2.text = form.t[static_cast<std::size_t>(traits[1] - 1)].text;
    bringToFront(w, form.lb1);
    bringToFront(w, form.lb2);
}

void karClick(World& w) {
    auto& form = w.createform;
    bringToFront(w, form.lb1);
    form.lb1.text = "Тарнвель:Поклонение";
    form.lb2.text.clear();
}

void kilClick(World& w) {
    auto& form = w.createform;
    bringToFront(w, form.lb1);
    bringToFront(w, form.lb2);
    form.lb1.text.clear();
    form.lb2.text.clear();
    if (w.story.storyFlags[StoryFlag::ratKilled] == 1) form.lb1.text = "Крысы 1";
    if (w.story.storyFlags[StoryFlag::lizardAlive] == 0) form.lb2.text = "Ящерун 1";
}

int skillValue(const World& w, Skill s) {
    return w.createform.skillFigure(s);
}

void addToSkill(World& w, Skill s, int amount) {
    w.createform.skill.at(static_cast<std::size_t>(s) - 1).value += amount;
}

int derivedValue(const World& w, screens::Derived d) {
    return w.createform.derivedFigure(d);
}

} // namespace cv
