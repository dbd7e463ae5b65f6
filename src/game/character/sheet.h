// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character sheet: the creation screen once a character is in play, its own buttons, and the skill
// and derived values that the rest of the game reads and training raises.
#pragma once

#include "../screens/createform.h"

namespace cv {

struct World;

// Covers the editing controls and shows the sheet's own buttons (accept and the ready-made take).
void turnIntoSheet(World& w);
// The game screen's "Хар.": the sheet with the bonus panel over the trait list.
void showSheetWithBonusPanel(World& w);
// The combat screen's "Хар.": the sheet with the trait list in front and live, even after the game
// screen's "Хар." brought the bonus panel over it.
void showSheetWithTraitList(World& w);

void bonClick(World& w); // "Бонуса"
void karClick(World& w); // "Карма"
void kilClick(World& w); // "Убито"

// The skills by number 1..17 (1 "Ручное оружие" ... 17 "Скиталец") and the derived values, as shown.
enum class Skill {
    light = 1,
    heavy,
    energ,
    unarm,
    meele,
    throw_,
    first,
    doctr,
    sneak,
    lockp,
    steal,
    traps,
    scien,
    repar,
    talks,
    merch,
    outdr
};
int skillValue(const World& w, Skill s);
// Training: the shown figure grows and keeps its gain until the sheet is recomputed.
void addToSkill(World& w, Skill s, int amount);
int derivedValue(const World& w, screens::Derived d);

} // namespace cv
