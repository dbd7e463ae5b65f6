// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The ready-made character screen: the preset character "ДемоИгрок", the way to creation, and back.
#include "readymade.h"

#include "../assets/assets.h"
#include "../inventory/screen.h"
#include "../shell/shell.h"
#include "../story/newgame.h"
#include "../world.h"
#include "creation.h"
#include "derived.h"
#include "sheet.h"

namespace cv {

namespace {

// The preset's statistics, in memory order: strength, perception, endurance, intelligence, agility,
// luck, charisma.
constexpr int kPresetStats[screens::kStatCount] = {5, 7, 5, 8, 8, 6, 8};

} // namespace

void takeClick(World& w) {
    CharacterRecord& c = w.character;
    auto& form = w.createform;

    // Every picture loads before anything changes: a picture fault leaves this screen up and the game
    // as it was, rather than a game begun without its start.
    setFigurePictures(w, 2);
    std::vector<std::pair<Picture*, std::string>> glyphs;
    for (int i = 0; i < screens::kStatCount; ++i)
        glyphs.emplace_back(&form.glyph[i], assets::glyphPath(kPresetStats[i]));
    loadPictures(w, glyphs);

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
    for (int i = 0; i < screens::kStatCount; ++i)
        c.stat(i) = kPresetStats[i];

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

void backClick(World& w) {
    hide(w.createf.window);
    showMainMenu(w);
}

} // namespace cv
