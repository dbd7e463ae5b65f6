// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made character screen: the preset character "ДемоИгрок", the way to creation, and back.
#include "readymade.h"

#include "../assets/assets.h"
#include "../inventory/screen.h"
#include "../shell/shell.h"
#include "../story/gamescreen.h"
#include "../story/newgame.h"
#include "../world.h"
#include "creation.h"
#include "derived.h"
#include "sheet.h"

namespace cv {

void takeClick(World& w) {
    CharacterRecord& c = w.character;
    auto& form = w.createform;

    // The game screen is enabled too: a game that ended by being caught stealing left it disabled.
    showGameScreen(w);
    enableGameScreen(w);
    hide(w.createf.window);

    // The game values are the preset's own numbers, not read from the sheet (its "steal" shows 14).
    c.playerName = "ДемоИгрок";
    c.armourClass = 8;
    c.meleeDamage = 1;
    c.stealSkill = 24;
    c.actionPoints = 9;
    c.critChance = 6;
    c.lockpickSkill = 55;
    c.hitPoints = 30;
    c.maxHitPoints = 30;
    c.characterInPlay = 1;
    c.playerSex = 2;

    setFigurePictures(w, 2);

    form.namec.text = "ДемоИгрок";
    form.age.text = "21";
    form.sex.text = "Жен.";
    form.age.readOnly = true;
    form.sex.enabled = false;
    form.namec.readOnly = true;

    turnIntoSheet(w);
    bringToFront(w, form.bon);

    c.traits = {trTalent, trSexAppeal};
    c.tagSkills = {1, 10, 14};
    c.strength = 5;
    c.perception = 7;
    c.endurance = 5;
    c.intelligence = 8;
    c.agility = 8;
    c.luck = 6;
    c.charisma = 8;

    for (int i = 0; i < screens::kStatCount; ++i)
        loadPicture(w, form.glyph[i], assets::glyphPath(c.stat(i)));

    recomputeSkills(w);
    recomputeDerived(w);

    // The preset's three tagged skills carry a second +20 on the sheet.
    for (int n : {1, 14, 10})
        form.skill[n - 1].value += 20;
    for (int n : {1, 10, 14})
        form.s[n - 1].color = darkGreen;

    resetStory(w);
}

void createClick(World& w) {
    // The button is disabled in the layout and nothing enables it; a disabled button takes no click.
    if (!w.createf.Image3.enabled) return;
    openForCreation(w);
}

void showReadyMadeScreen(World& w) {
    show(w.createf.window);
}

void backClick(World& w) {
    hide(w.createf.window);
    showMainMenu(w);
}

} // namespace cv
